#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLocale>
#include <QRect>
#include <QString>

class QWidget;

// The small layer between the windows and Qt: twips, fonts, colours, fixed windows and named
// children. The control kinds Qt has no exact counterpart for live in ui/widgets.
namespace sumwright::toolkit {

// 15 twips make one logical pixel.
[[nodiscard]] constexpr int px(int twips)
{
    return (twips + 7) / 15;
}
[[nodiscard]] constexpr QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// Places a control in its parent, the position in pixels as twips() gives it. In a right-to-left
// window the place is mirrored in the parent, x = parent's width - left - width, so the window
// is the mirror image of the layout as drawn; the parent has its size already.
void place(QWidget *control, const QRect &geometry);
// In a right-to-left window, every label under the page aligns its text to the right where the
// layout says left, whatever the direction of the text itself: Qt would align an English text,
// or a translation that begins with a Latin name, to the left.
void alignToStartSide(QWidget *page);
// Mathematics reads left to right in every language: the control's text runs left to right
// inside a mirrored window too, while the alignment returned keeps to the window's start side.
[[nodiscard]] Qt::Alignment leftToRight(QWidget *control, Qt::Alignment alignment);

// Font families as the program names them, with the closest families a Linux desktop has.
enum class Face { SansSerif, Arial, TimesNewRoman, Impact };
[[nodiscard]] QFont makeFont(Face face, qreal pointSize, bool bold = false, bool underline = false);
// For what reads the same in every language, the questions: the Latin faces alone, at the size
// the layout was drawn for, whatever the language's script.
[[nodiscard]] QFont makeLatinFont(Face face, qreal pointSize);
// The faces for the script of the program's language, from now on: a language whose script the
// Latin faces lack gets the installed faces that have it, at a size whose lines are as tall as
// the Latin lines the layout was drawn for. Any language the Latin faces write (the C locale
// included) takes the Latin faces alone.
void useFacesFor(const QLocale &language);
// For windows whose every text is the program's own (captions, menus, the count choices): no
// per-character fallback to other fonts is needed where the language's faces write every text,
// and setting it up costs the first paint a fontconfig search for each font. Never for a window
// that shows what the user types.
[[nodiscard]] QFont ownTextOnly(QFont font);
// For a widget in the desktop's font whose every text is the program's own (the menu bar and its
// menus): where the language's script face writes every text, that face alone at the desktop's
// size. The desktop's family is an alias that Qt resolves with a fontconfig search for each
// script of each text, which costs the start-up of a Japanese or Arabic program a tenth of its
// work; fontconfig's answer for the language is the script's face, so the letters stay the same.
void writeInScriptFace(QWidget *widget);

// Narrows a control's font, and past the narrowest that still reads well makes it smaller, just
// enough for its text to fit its box: where a stand-in font runs wider than the face the layout
// was drawn for, or a translation runs longer than the original. A text that fits is left alone.
// Labels, option buttons, command buttons and frames; a control whose text changes later gets
// its first font back before it is fitted again.
void fitText(QWidget *control);
// fitText for every control under a window's page.
void fitTexts(QWidget *page);

// Fills the widget with its own background colour.
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);

// A fixed-size top-level window with a caption, a close button, no minimize or maximize button.
// The client area is the window itself unless it has a menu bar above a client widget.
void makeFixedWindow(QWidget *window, QSize clientSize, QWidget *client = nullptr);

// Creates a child with an object name, so tests and screen readers find it by that name.
template<typename T, typename... Args>
T *make(QWidget *parent, const QString &name, Args &&...args)
{
    auto *child = new T(std::forward<Args>(args)..., parent);
    child->setObjectName(name);
    return child;
}
// "cmdMath(2)"
[[nodiscard]] QString indexed(const char *arrayName, int index);

} // namespace sumwright::toolkit
