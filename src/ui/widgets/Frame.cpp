#include "ui/widgets/Frame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace sumwright {

bool Frame::captionFits(const QFont &font) const
{
    // The caption is set in one average character from either corner.
    const QFontMetrics metrics(font);
    const int inset = metrics.averageCharWidth();
    return inset + metrics.size(Qt::TextShowMnemonic, title()).width() + 4 + inset <= width();
}

void Frame::paintEvent(QPaintEvent *event)
{
    // A child's repaint reaches here too (the frame shows through a line edit's corners):
    // draw only what the repaint uncovers, and the caption, which needs a text layout, only
    // when it is part of it.
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor background = palette().color(QPalette::Window);
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    if (!event->region().subtracted(QRegion(border.adjusted(2, 2, -2, -2))).isEmpty()) {
        painter.setPen(background.darker(160));
        painter.drawRect(border.adjusted(0, 0, -1, -1));
        painter.setPen(background.lighter(125));
        painter.drawRect(border.adjusted(1, 1, 0, 0));
    }
    if (title().isEmpty())
        return;
    const int inset = metrics.averageCharWidth();
    QRect caption = metrics.boundingRect(title());
    caption.moveTopLeft({inset, 0});
    caption.adjust(-2, 0, 2, 0);
    // In a right-to-left window the caption sits in from the right corner.
    caption = QStyle::visualRect(layoutDirection(), rect(), caption);
    if (!event->region().intersects(caption))
        return;
    painter.fillRect(caption, background);
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

} // namespace sumwright
