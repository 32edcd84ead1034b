#pragma once

#include <QCoreApplication>
#include <QString>

namespace sumwright {

// The tag texts of the kind buttons and the level option buttons, which make up every test
// title, in the program's language. The English ones are the originals that core holds.
class Tags
{
    Q_DECLARE_TR_FUNCTIONS(Tags)
public:
    // "Addition ", ..., "Alpha Numeric Series ": each ends in the blank before the level's tag.
    [[nodiscard]] static QString kind(int qType, int qIndex);
    // "[Easy Mode]", "[Medium Mode]", "[Hard Mode]".
    [[nodiscard]] static QString level(int level);
};

} // namespace sumwright
