#pragma once

#include <QTranslator>

namespace sumwright::testing {

// A made-up language that shows whether every text goes through translation and whether long
// translations still fit: each text comes back with its letters accented and about 40 % longer,
// in words that can wrap. Blanks at either end, access-key ampersands with their letters, and
// %1-style places stay as they are, so the texts still work.
class PseudoTranslator final : public QTranslator
{
public:
    [[nodiscard]] static QString pseudo(const QString &source);
    // Whether a text carries the marks of the made-up language.
    [[nodiscard]] static bool isPseudo(const QString &text);

    [[nodiscard]] QString translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const override;
    [[nodiscard]] bool isEmpty() const override { return false; }
};

} // namespace sumwright::testing
