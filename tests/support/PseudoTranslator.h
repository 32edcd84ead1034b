#pragma once

#include <QLocale>
#include <QTranslator>

namespace sumwright::testing {

// A made-up language that shows whether every text goes through translation and whether long
// translations still fit: each text comes back about 40 % longer, in words that can wrap. Blanks
// at either end, access-key ampersands with their letters, and %1-style places stay as they are,
// so the texts still work.
//
// It writes in one of four scripts, each standing for the languages that share its troubles:
// accented Latin letters; Arabic letters, right to left, as Arabic and Persian lay out every
// window; Japanese kana and kanji, each glyph as wide as two Latin letters, so a word takes half
// as many; or Devanagari, with vowel signs above and below the line. For as long as it lives the
// toolkit uses the faces of its script, as a real language's would; installed, it tells Qt its
// direction as a real language's translation does.
class PseudoTranslator final : public QTranslator
{
public:
    enum class Script { Latin, Arabic, Japanese, Devanagari };

    explicit PseudoTranslator(Script script = Script::Latin);
    ~PseudoTranslator() override;
    PseudoTranslator(const PseudoTranslator &) = delete;
    PseudoTranslator &operator=(const PseudoTranslator &) = delete;

    [[nodiscard]] QString pseudo(const QString &source) const;
    // Whether a text carries the marks of the made-up language, in any of its scripts.
    [[nodiscard]] static bool isPseudo(const QString &text);
    // The real language whose script and direction it borrows.
    [[nodiscard]] QLocale locale() const;

    [[nodiscard]] QString translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const override;
    [[nodiscard]] bool isEmpty() const override { return false; }

private:
    Script m_script;
};

} // namespace sumwright::testing
