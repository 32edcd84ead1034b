#pragma once

#include <QLabel>

class QPainter;

namespace sumwright {

// A label that expands tabs to stops eight average characters apart, as the result lines
// expect, instead of Qt's fixed 80 pixels; what runs past its end edge is still drawn. Right to
// left, the stops count from the right edge.
class TabbedLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // How far the text reaches from the left edge, tabs expanded, in a font.
    [[nodiscard]] int textWidth(const QFontMetrics &metrics) const;
    // The room the text needs, which the fixed box may not give.
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where each tab-separated piece starts, from the left edge.
    [[nodiscard]] QList<int> pieceStarts(const QFontMetrics &metrics,
                                         const QStringList &pieces) const;
    // Draws a piece right to left, its start at x = right.
    void paintMirrored(QPainter &painter, const QFontMetrics &metrics, const QString &piece,
                       int right, int vertical) const;
};

} // namespace sumwright
