#include "ui/widgets/PictureCache.h"

namespace sumwright {

const QPixmap &PictureCache::pixmap(qreal devicePixelRatio)
{
    if (m_pixmap.isNull() || !qFuzzyCompare(m_pixmap.devicePixelRatio(), devicePixelRatio))
        m_pixmap = artwork::pixmap(m_picture, size(), devicePixelRatio);
    return m_pixmap;
}

const QPixmap &PictureCache::pixmap(qreal devicePixelRatio, Qt::LayoutDirection direction)
{
    const QPixmap &shown = pixmap(devicePixelRatio);
    if (direction != Qt::RightToLeft || m_picture != artwork::Picture::Exit)
        return shown;
    if (m_mirrored.isNull() || !qFuzzyCompare(m_mirrored.devicePixelRatio(), devicePixelRatio)) {
        m_mirrored = QPixmap::fromImage(shown.toImage().mirrored(true, false));
        m_mirrored.setDevicePixelRatio(devicePixelRatio);
    }
    return m_mirrored;
}

} // namespace sumwright
