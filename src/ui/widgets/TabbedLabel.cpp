#include "ui/widgets/TabbedLabel.h"

#include <QPainter>

namespace sumwright {

void TabbedLabel::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    // Eight average characters, the average taken over the lower-case letters as classic
    // window systems define it; the font's own average is inflated by wide glyphs.
    const int tabStop
            = 8 * metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) / 26;
    const QRect area = contentsRect();
    int x = area.left();
    const QStringList pieces = text().split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = area.left() + ((x - area.left()) / tabStop + 1) * tabStop;
        painter.drawText(QRect(x, area.top(), area.right() - x + 1, area.height()),
                         int(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft
                                 | Qt::TextSingleLine | Qt::TextDontClip,
                         pieces[i]);
        x += metrics.horizontalAdvance(pieces[i]);
    }
}

} // namespace sumwright
