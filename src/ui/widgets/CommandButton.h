#pragma once

#include "ui/widgets/PictureCache.h"

#include <QPushButton>
#include <optional>

namespace sumwright {

// A command button drawn in its own colour, with an optional picture above its caption.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString &caption, const QColor &colour, QWidget *parent);
    void setPicture(artwork::Picture picture);
    // Whether the caption shows whole in a font: on one line under a picture, or wrapped within
    // the button where there is none.
    [[nodiscard]] bool captionFits(const QFont &font) const;
    // Enter (Return or the keypad's Enter) presses the focused button, as Space does; a window
    // whose own rule gives Enter no meaning there turns it off.
    void setPressedByEnter(bool pressed) { m_pressedByEnter = pressed; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    // The button's face inside its bevel.
    [[nodiscard]] QRect contentRect() const { return rect().adjusted(4, 4, -4, -4); }
    [[nodiscard]] bool isEnterForMe(const QKeyEvent *event) const;

    QColor m_colour;
    bool m_pressedByEnter = true;
    std::optional<PictureCache> m_picture;
};

} // namespace sumwright
