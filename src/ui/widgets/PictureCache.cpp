#include "ui/widgets/PictureCache.h"

namespace sumwright {

const QPixmap &PictureCache::pixmap(qreal devicePixelRatio)
{
    if (m_pixmap.isNull() || !qFuzzyCompare(m_pixmap.devicePixelRatio(), devicePixelRatio))
        m_pixmap = artwork::pixmap(m_picture, size(), devicePixelRatio);
    return m_pixmap;
}

} // namespace sumwright
