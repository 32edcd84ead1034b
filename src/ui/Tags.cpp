#include "ui/Tags.h"

#include "core/QuestionSelection.h"

#include <string>

namespace sumwright {

namespace {

// Only for lupdate, which reads the texts from here; at run time the texts come from core.
[[maybe_unused]] const char *const TagTexts[] = {
        //: The first half of a test title, before the level such as "[Easy Mode]". Keep the
        //: blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Addition "),
        //: The first half of a test title, before the level. Keep the blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Subtraction "),
        //: The first half of a test title, before the level. Keep the blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Multiplication "),
        //: The first half of a test title, before the level. Keep the blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Division "),
        //: The first half of a test title, before the level. Keep the blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Number Series "),
        //: The first half of a test title, before the level. Keep the blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Alphabet Series "),
        //: The first half of a test title: series of letters and numbers mixed. Keep the
        //: blank at the end.
        QT_TRANSLATE_NOOP("Tags", "Alpha Numeric Series "),
        //: The second half of a test title, after the kind such as "Addition ".
        QT_TRANSLATE_NOOP("Tags", "[Easy Mode]"),
        //: The second half of a test title, after the kind.
        QT_TRANSLATE_NOOP("Tags", "[Medium Mode]"),
        //: The second half of a test title, after the kind.
        QT_TRANSLATE_NOOP("Tags", "[Hard Mode]"),
};

QString translated(std::string_view original)
{
    return QCoreApplication::translate("Tags", std::string(original).c_str());
}

} // namespace

QString Tags::kind(int qType, int qIndex)
{
    return translated(kindTag(qType, qIndex));
}

QString Tags::level(int level)
{
    return translated(levelTag(level));
}

} // namespace sumwright
