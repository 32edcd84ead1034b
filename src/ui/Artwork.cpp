#include "ui/Artwork.h"

#include "ui/RenderedPictures.h"

#include <QIconEngine>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>

namespace sumwright::artwork {

namespace {

using rendered::Rendering;

QSize physicalSize(QSize logicalSize, qreal devicePixelRatio)
{
    return (QSizeF(logicalSize) * devicePixelRatio).toSize();
}

// The rendering made for exactly this size, or else the smallest one larger than it, which
// scales down more cleanly than a smaller one scales up.
const Rendering &closestRendering(Picture picture, QSize size)
{
    const auto renderings = rendered::rendered(picture).renderings;
    for (const Rendering &rendering : renderings) {
        if (rendering.width >= size.width() && rendering.height >= size.height())
            return rendering;
    }
    return renderings.back();
}

// Raw pixels are shown straight from the program's read-only data, never copied or written.
QImage decode(const Rendering &rendering)
{
    if (!rendering.png)
        return {rendering.data, rendering.width, rendering.height, qsizetype {rendering.width} * 4,
                QImage::Format_ARGB32_Premultiplied};
    return QImage::fromData(rendering.data, static_cast<int>(rendering.size), "PNG")
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The picture fitted into the size, centred where the aspect ratio differs from the design.
QImage imageAt(Picture picture, QSize physical)
{
    // The build rendered the sizes the windows use, fitted and centred the same way.
    const Rendering &closest = closestRendering(picture, physical);
    if (closest.width == physical.width() && closest.height == physical.height())
        return decode(closest);
    const QSize fitted = designSize(picture).scaled(physical, Qt::KeepAspectRatio);
    if (fitted.isEmpty())
        return {};
    QImage image = decode(closestRendering(picture, fitted));
    if (image.size() != fitted)
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (fitted == physical)
        return image;
    QImage canvas(physical, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter(&canvas).drawImage((physical.width() - fitted.width()) / 2,
                                (physical.height() - fitted.height()) / 2, image);
    return canvas;
}

QString cacheKey(Picture picture, QSize physical, qreal devicePixelRatio, QIcon::Mode mode)
{
    return QStringLiteral("quorvane-artwork/%1/%2x%3@%4/%5")
            .arg(static_cast<int>(picture))
            .arg(physical.width())
            .arg(physical.height())
            .arg(devicePixelRatio)
            .arg(static_cast<int>(mode));
}

// Disabled windows and buttons show the picture faded to grey, like the icons Qt generates.
void fadeToGrey(QImage &image)
{
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = (qGray(line[x]) + 2 * 200) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
}

QPixmap cachedPixmap(Picture picture, QSize physical, qreal devicePixelRatio, QIcon::Mode mode)
{
    if (physical.isEmpty())
        return {};
    const QString key = cacheKey(picture, physical, devicePixelRatio, mode);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    QImage image = imageAt(picture, physical);
    if (mode == QIcon::Disabled)
        fadeToGrey(image);
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Hands out renderings on demand: QIcon asks only for the sizes a window really shows.
class PictureIconEngine final : public QIconEngine
{
public:
    explicit PictureIconEngine(Picture picture)
        : m_picture(picture)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : 1.0;
        const QSize size = actualSize(rect.size(), mode, state);
        QRect target(QPoint(), size);
        target.moveCenter(rect.center());
        painter->drawPixmap(target,
                            cachedPixmap(m_picture, physicalSize(size, ratio), ratio, mode));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return designSize(m_picture).scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // QIcon passes the size already multiplied by the scale.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return cachedPixmap(m_picture, actualSize(size, mode, state), scale, mode);
    }

    // The sizes a window icon is sent to the window system in, each rendered at build time.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int extent : rendered::IconExtents)
            sizes.append(QSize(extent, extent));
        return sizes;
    }

    QString key() const override { return QStringLiteral("QuorvaneArtwork"); }
    QIconEngine *clone() const override { return new PictureIconEngine(m_picture); }

private:
    Picture m_picture;
};

} // namespace

QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    return cachedPixmap(picture, physicalSize(logicalSize, ratio), ratio, QIcon::Normal);
}

QIcon icon(Picture picture)
{
    return QIcon(new PictureIconEngine(picture));
}

QSize designSize(Picture picture)
{
    const rendered::RenderedPicture &data = rendered::rendered(picture);
    return {data.designWidth, data.designHeight};
}

} // namespace sumwright::artwork
