#include "ui/widgets/Rule.h"

#include "ui/Toolkit.h"

#include <QPainter>

namespace sumwright {

Rule::Rule(const QColor &colour, int thickness, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
    , m_thickness(thickness)
{
    setFixedHeight(thickness);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Rule::place(int x1, int x2, int y)
{
    toolkit::place(this, {toolkit::px(x1), toolkit::px(y), toolkit::px(x2 - x1), m_thickness});
}

void Rule::paintEvent(QPaintEvent * /*event*/)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace sumwright
