#include "ui/widgets/Picture.h"

#include <QPainter>

namespace sumwright {

Picture::Picture(artwork::Picture picture, QWidget *parent)
    : ClickableLabel(parent)
    , m_cache(picture)
{
}

void Picture::paintEvent(QPaintEvent * /*event*/)
{
    QPainter(this).drawPixmap(0, 0, m_cache.pixmap(devicePixelRatioF()));
}

} // namespace sumwright
