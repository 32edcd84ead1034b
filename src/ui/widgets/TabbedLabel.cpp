#include "ui/widgets/TabbedLabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace sumwright {

QList<int> TabbedLabel::pieceStarts(const QFontMetrics &metrics, const QStringList &pieces) const
{
    // Eight average characters, the average taken over the lower-case letters as classic
    // window systems define it; the font's own average is inflated by wide glyphs.
    const int tabStop
            = 8 * metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyz")) / 26;
    QList<int> starts;
    int x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = (x / tabStop + 1) * tabStop;
        starts << x;
        x += metrics.horizontalAdvance(pieces[i]);
    }
    return starts;
}

int TabbedLabel::textWidth(const QFontMetrics &metrics) const
{
    const QStringList pieces = text().split(QLatin1Char('\t'));
    const QList<int> starts = pieceStarts(metrics, pieces);
    return starts.constLast() + metrics.horizontalAdvance(pieces.constLast());
}

QSize TabbedLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {textWidth(fontMetrics()) + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

// Right to left, the stops count from the right edge: the mirror image. A run of blanks sets
// columns apart as a tab does ("Total Questions:" and its number), so each column between such
// runs is placed as well, wherever the direction of its words would put it.
void TabbedLabel::paintMirrored(QPainter &painter, const QFontMetrics &metrics,
                                const QString &piece, int right, int vertical) const
{
    static const QRegularExpression columns(QStringLiteral("\\S+(?: \\S+)*"));
    const QRect area = contentsRect();
    for (QRegularExpressionMatchIterator it = columns.globalMatch(piece); it.hasNext();) {
        const QRegularExpressionMatch column = it.next();
        const int x = right - metrics.horizontalAdvance(piece.left(column.capturedStart()));
        painter.drawText(QRect(area.left(), area.top(), x - area.left() + 1, area.height()),
                         vertical | Qt::AlignRight | Qt::AlignAbsolute | Qt::TextSingleLine
                                 | Qt::TextDontClip,
                         column.captured());
    }
}

void TabbedLabel::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    const QRect area = contentsRect();
    const QStringList pieces = text().split(QLatin1Char('\t'));
    const QList<int> starts = pieceStarts(metrics, pieces);
    const int vertical = int(alignment() & Qt::AlignVertical_Mask);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (isRightToLeft()) {
            paintMirrored(painter, metrics, pieces[i], area.right() - starts[i], vertical);
            continue;
        }
        const int x = area.left() + starts[i];
        painter.drawText(QRect(x, area.top(), area.right() - x + 1, area.height()),
                         vertical | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip,
                         pieces[i]);
    }
}

} // namespace sumwright
