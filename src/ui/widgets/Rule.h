#pragma once

#include <QWidget>

namespace sumwright {

// A horizontal rule of a given thickness and colour.
class Rule : public QWidget
{
    Q_OBJECT
public:
    Rule(const QColor &colour, int thickness, QWidget *parent);

    // From (x1, y) to (x2, y), in twips.
    void place(int x1, int x2, int y);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    int m_thickness;
};

} // namespace sumwright
