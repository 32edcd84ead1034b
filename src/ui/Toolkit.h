#pragma once

#include "ui/Artwork.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStringList>
#include <optional>

class QWidget;

// The small layer between the windows and Qt: twips, colours, fonts, and the few control kinds
// Qt has no exact counterpart for.
namespace toolkit {

// 15 twips make one logical pixel.
[[nodiscard]] constexpr int px(int twips)
{
    return (twips + 7) / 15;
}
[[nodiscard]] constexpr QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// Font families as the program names them, with the closest families a Linux desktop has.
enum class Face { SansSerif, Arial, TimesNewRoman, Impact };
[[nodiscard]] QFont makeFont(Face face, qreal pointSize, bool bold = false, bool underline = false);
// For windows whose every text is the program's own (captions, menus, the count choices): no
// per-character fallback to other fonts is ever needed, and setting it up costs the first paint
// a fontconfig search for each font. Never for a window that shows what the user types.
[[nodiscard]] QFont ownTextOnly(QFont font);

// Narrows a label's font just enough for its text to fit its box, where a stand-in font runs
// wider than the face the layout was drawn for. A text that fits is left alone.
void fitText(QLabel *label);

// Fills the widget with its own background colour.
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);

// A fixed-size top-level window with a caption, a close button, no minimize or maximize button.
void makeFixedWindow(QWidget *window, QSize clientSize);

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

// A label or picture that reacts to a click.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    // Both halves of a click stop here, so a label over a clickable background never passes
    // the click on, whether or not anything listens to it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A label that expands tabs to stops eight average characters apart, as the result lines
// expect, instead of Qt's fixed 80 pixels; what runs past its right edge is still drawn.
class TabbedLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A command button drawn in its own colour, with an optional picture above its caption.
// The picture is rendered when first painted, at the screen's pixel ratio, so windows start
// fast and pictures stay sharp at any scale.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString &caption, const QColor &colour, QWidget *parent);
    void setPicture(Artwork::Picture picture);
    // Enter (Return or the keypad's Enter) presses the focused button, as Space does; a window
    // whose own rule gives Enter no meaning there turns it off.
    void setPressedByEnter(bool pressed) { m_pressedByEnter = pressed; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    [[nodiscard]] bool isEnterForMe(const QKeyEvent *event) const;

    QColor m_colour;
    bool m_pressedByEnter = true;
    std::optional<Artwork::Picture> m_picture;
    QPixmap m_pixmap;
};

// An option button that reacts anywhere in its box, not only on its mark and caption: the
// layout gives each level a box far wider than its caption, and a click in the empty part of
// the box selects the option. Where a later sibling overlaps the box, that sibling gets the click.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    [[nodiscard]] bool hitButton(const QPoint &pos) const override;
};

// A frame as this program's layout knows it: an etched border with the caption set into its
// top edge, and nothing painted inside, so a child repaints without its frame.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A horizontal rule of a given thickness and colour.
class Rule : public QWidget
{
    Q_OBJECT
public:
    Rule(const QColor &colour, int thickness, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

// Places a rule from (x1, y) to (x2, y), in twips.
void placeRule(Rule *rule, int x1, int x2, int y, int thickness);

} // namespace toolkit
