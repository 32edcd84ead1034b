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

private:
    artwork::Picture m_picture;
    QPixmap m_pixmap;
};

} // namespace sumwright
