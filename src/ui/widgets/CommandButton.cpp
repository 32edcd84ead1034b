#include "ui/widgets/CommandButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace sumwright {

CommandButton::CommandButton(const QString &caption, const QColor &colour, QWidget *parent)
    : QPushButton(caption, parent)
    , m_colour(colour)
{
    setAutoDefault(false);
    setDefault(false);
}

bool CommandButton::isEnterForMe(const QKeyEvent *event) const
{
    return m_pressedByEnter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

// Like Space: the button goes down on the press and acts on the release, so the release never
// lands in whatever the click brings up (a Start Test pressed with Enter must not also submit an
// empty answer), and a held key presses once.
void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnterForMe(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        setDown(true);
    event->accept();
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isEnterForMe(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !isDown())
        return;
    setDown(false);
    click();
}

void CommandButton::setPicture(artwork::Picture picture)
{
    m_picture.emplace(picture);
    update();
}

bool CommandButton::captionFits(const QFont &font) const
{
    const QFontMetrics metrics(font);
    const QRect content = contentRect();
    if (m_picture) {
        const QSize text = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, this->text());
        return text.width() <= content.width()
                && m_picture->size().height() + metrics.height() <= content.height();
    }
    const QRect needed = metrics.boundingRect(
            content, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, text());
    return content.contains(needed);
}

void CommandButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect r = rect();
    const bool down = isDown();
    painter.fillRect(r, m_colour);

    // A raised bevel that sinks while pressed, like the buttons this program's users know.
    const QColor light = m_colour.lighter(135);
    const QColor dark = m_colour.darker(160);
    painter.setPen(down ? dark : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(down ? light : dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    QRect content = contentRect();
    if (down)
        content.translate(1, 1);
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    if (m_picture) {
        const QSize size = m_picture->size();
        const int top = content.top() + (content.height() - size.height() - textHeight) / 2;
        const QPoint at(content.left() + (content.width() - size.width()) / 2, top);
        painter.drawPixmap(at, m_picture->pixmap(devicePixelRatioF(), layoutDirection()));
        content.setTop(top + size.height());
        content.setHeight(textHeight);
    }
    painter.setFont(font());
    style()->drawItemText(&painter, content,
                          Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace sumwright
