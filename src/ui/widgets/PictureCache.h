#pragma once

#include "ui/Artwork.h"

#include <QPixmap>

namespace sumwright {

// One picture at its design size, rendered when first asked for at the screen's pixel ratio and
// kept until the ratio changes, so windows start fast and pictures stay sharp at any scale.
class PictureCache
{
public:
    explicit PictureCache(artwork::Picture picture)
        : m_picture(picture)
    {
    }

    [[nodiscard]] artwork::Picture picture() const { return m_picture; }
    [[nodiscard]] QSize size() const { return artwork::designSize(m_picture); }
    [[nodiscard]] const QPixmap &pixmap(qreal devicePixelRatio);
    // The picture as a window of that direction shows it: one that points a way (the exit's
    // door and arrow) points the other way right to left, like the window around it; the others
    // are the same pictures in every direction.
    [[nodiscard]] const QPixmap &pixmap(qreal devicePixelRatio, Qt::LayoutDirection direction);

private:
    artwork::Picture m_picture;
    QPixmap m_pixmap;
    QPixmap m_mirrored;
};

} // namespace sumwright
