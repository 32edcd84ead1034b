#include "ui/Artwork.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sumwright::artwork {

namespace {

// Shared with packaging/icons/quorvane-sumwright.svg; change both together.
constexpr QColor IconBodyTop(92, 96, 228);
constexpr QColor IconBodyBottom(58, 60, 176);
constexpr QColor PlusColour(46, 184, 98);
constexpr QColor MinusColour(244, 92, 92);
constexpr QColor TimesColour(245, 158, 11);
constexpr QColor DivideColour(41, 160, 240);
constexpr QColor Ink(255, 255, 255);

constexpr QColor BannerBackground(255, 255, 128);
constexpr QColor BannerOlive(128, 128, 0);
constexpr QColor BannerOrange(255, 170, 40);

enum class Operator { Plus, Minus, Times, Divide };

QColor operatorColour(Operator op)
{
    switch (op) {
    case Operator::Plus:
        return PlusColour;
    case Operator::Minus:
        return MinusColour;
    case Operator::Times:
        return TimesColour;
    case Operator::Divide:
        return DivideColour;
    }
    return PlusColour;
}

QPen roundPen(const QColor &colour, qreal width)
{
    return {colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
}

// Draws an operator sign of the given extent with strokes of the given width, centred on centre.
// The cross is drawn a little shorter than the plus because its diagonals look longer.
void drawOperator(QPainter &p, Operator op, QPointF centre, qreal extent, qreal width,
                  const QColor &colour)
{
    const qreal half = extent / 2;
    p.save();
    p.translate(centre);
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    switch (op) {
    case Operator::Plus:
        p.drawLine(QPointF(-half, 0), QPointF(half, 0));
        p.drawLine(QPointF(0, -half), QPointF(0, half));
        break;
    case Operator::Minus:
        p.drawLine(QPointF(-half, 0), QPointF(half, 0));
        break;
    case Operator::Times: {
        const qreal d = half * 0.78;
        p.drawLine(QPointF(-d, -d), QPointF(d, d));
        p.drawLine(QPointF(-d, d), QPointF(d, -d));
        break;
    }
    case Operator::Divide: {
        p.drawLine(QPointF(-half, 0), QPointF(half, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        // The dots keep a clear gap from the bar, or at small sizes the sign reads as a plus.
        const qreal r = width * 0.58;
        const qreal offset = std::max(half * 0.72, width * 1.6);
        p.drawEllipse(QPointF(0, -offset), r, r);
        p.drawEllipse(QPointF(0, offset), r, r);
        break;
    }
    }
    p.restore();
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor &upper, const QColor &lower)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// --- Program icon (48 units) -------------------------------------------------------------------

struct IconLayout
{
    qreal bodyMargin;
    qreal bodyRadius;
    qreal tileMargin;
    qreal tileGap;
    qreal tileRadius;
    qreal signExtent;
    qreal signWidth;
};

// At toolbar and title-bar sizes the fine gaps would blur away, so the tiles and signs grow.
IconLayout iconLayout(qreal devicePixelsPerUnit)
{
    if (devicePixelsPerUnit * 48 < 28)
        return {1, 8, 4, 2.5, 3.5, 11, 4};
    return {3, 10, 8, 2, 4, 9.5, 3};
}

void drawProgramIcon(QPainter &p, qreal devicePixelsPerUnit)
{
    const IconLayout layout = iconLayout(devicePixelsPerUnit);
    const QRectF body(layout.bodyMargin, layout.bodyMargin, 48 - 2 * layout.bodyMargin,
                      48 - 2 * layout.bodyMargin);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 80, 60));
    p.drawRoundedRect(body.translated(0, 1), layout.bodyRadius, layout.bodyRadius);
    p.setBrush(verticalGradient(body.top(), body.bottom(), IconBodyTop, IconBodyBottom));
    p.drawRoundedRect(body, layout.bodyRadius, layout.bodyRadius);

    const qreal inner = layout.tileMargin;
    const qreal tile = (48 - 2 * inner - layout.tileGap) / 2;
    const std::array<Operator, 4> signs {Operator::Plus, Operator::Minus, Operator::Times,
                                         Operator::Divide};
    for (int i = 0; i < 4; ++i) {
        const int column = i % 2;
        const int row = i / 2;
        const qreal x = inner + column * (tile + layout.tileGap);
        const qreal y = inner + row * (tile + layout.tileGap);
        const QRectF rect(x, y, tile, tile);
        p.setPen(Qt::NoPen);
        p.setBrush(operatorColour(signs[i]));
        p.drawRoundedRect(rect, layout.tileRadius, layout.tileRadius);
        drawOperator(p, signs[i], rect.center(), layout.signExtent, layout.signWidth, Ink);
    }
}

// --- Operation keys (44 units) -----------------------------------------------------------------

// A key cap like a calculator's, so the four big buttons read as "press me to practise this".
void drawOperationKey(QPainter &p, Operator op)
{
    const QColor face = operatorColour(op);
    const QRectF cap(5, 4, 34, 35);
    const QRectF top(5, 4, 34, 31);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(cap.translated(0, 1.5), 9, 9);
    p.setBrush(face.darker(135));
    p.drawRoundedRect(cap, 9, 9);
    p.setBrush(verticalGradient(top.top(), top.bottom(), face.lighter(118), face));
    p.drawRoundedRect(top, 9, 9);

    p.setPen(QPen(withAlpha(Ink, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(top.adjusted(1.2, 1.2, -1.2, -1.2), 7.8, 7.8);

    const QPointF centre = top.center();
    drawOperator(p, op, centre + QPointF(0, 1.2), 16, 4.8, face.darker(150));
    drawOperator(p, op, centre, 16, 4.8, Ink);
}

// --- Small button pictures (32 units) ----------------------------------------------------------

void drawGlobe(QPainter &p)
{
    const QPointF centre(14.5, 14.5);
    const qreal radius = 12.5;

    QRadialGradient sea(centre - QPointF(4, 5), radius * 1.6);
    sea.setColorAt(0, QColor(120, 200, 255));
    sea.setColorAt(1, QColor(25, 110, 215));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(disc);
    p.setPen(QPen(withAlpha(Ink, 210), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    p.drawEllipse(centre, radius * 0.48, radius);
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    for (const qreal offset : {-0.55, 0.55}) {
        const qreal y = centre.y() + radius * offset;
        const qreal halfWidth = radius * std::sqrt(1 - offset * offset);
        p.drawLine(QPointF(centre.x() - halfWidth, y), QPointF(centre.x() + halfWidth, y));
    }
    p.restore();

    p.setPen(QPen(QColor(20, 80, 170), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);

    // A pointer on the globe says "this opens a page", not "this is about the world".
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 12.5);
    arrow.lineTo(3.2, 9.6);
    arrow.lineTo(5.6, 14.4);
    arrow.lineTo(8.0, 13.3);
    arrow.lineTo(5.7, 8.6);
    arrow.lineTo(9.8, 8.4);
    arrow.closeSubpath();
    p.save();
    p.translate(19, 16);
    p.setPen(QPen(QColor(30, 30, 40), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Ink);
    p.drawPath(arrow);
    p.restore();
}

void drawExitDoor(QPainter &p)
{
    const QRectF frame(4, 3, 15, 26);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(QRectF(2, 28.2, 20, 2.2), 1.1, 1.1);

    p.setPen(QPen(QColor(93, 64, 55), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(62, 44, 39));
    p.drawRect(frame);

    // The door stands open towards the viewer, so its free edge is taller than the frame.
    QPainterPath door;
    door.moveTo(frame.left(), frame.top());
    door.lineTo(frame.left() + 8.5, frame.top() + 2.6);
    door.lineTo(frame.left() + 8.5, frame.bottom() + 2.2);
    door.lineTo(frame.left(), frame.bottom());
    door.closeSubpath();
    p.setPen(QPen(QColor(120, 70, 30), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(verticalGradient(frame.top(), frame.bottom(), QColor(226, 160, 90),
                                QColor(190, 120, 58)));
    p.drawPath(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(frame.left() + 6.6, frame.center().y() + 1.5), 1.1, 1.1);

    QPainterPath arrow;
    arrow.moveTo(13, 13.2);
    arrow.lineTo(21.5, 13.2);
    arrow.lineTo(21.5, 8.5);
    arrow.lineTo(29.5, 16);
    arrow.lineTo(21.5, 23.5);
    arrow.lineTo(21.5, 18.8);
    arrow.lineTo(13, 18.8);
    arrow.closeSubpath();
    p.setPen(QPen(Ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.setPen(QPen(QColor(170, 25, 25), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(verticalGradient(8.5, 23.5, QColor(240, 75, 60), QColor(205, 35, 35)));
    p.drawPath(arrow);
}

// --- About window icons (32 units) -------------------------------------------------------------

void drawBadge(QPainter &p, const QColor &light, const QColor &dark)
{
    const QPointF centre(16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(centre + QPointF(0, 0.8), 14.5, 14.5);
    p.setBrush(verticalGradient(1.5, 30.5, light, dark));
    p.drawEllipse(centre, 14.5, 14.5);
    p.setPen(QPen(withAlpha(Ink, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 13.3, 13.3);
}

void drawAboutProductIcon(QPainter &p)
{
    drawBadge(p, QColor(70, 200, 190), QColor(14, 140, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(16, 9.3), 2.5, 2.5);
    QPainterPath stem;
    stem.moveTo(12.5, 13.2);
    stem.lineTo(18.2, 13.2);
    stem.lineTo(18.2, 22.3);
    stem.lineTo(20, 22.3);
    stem.lineTo(20, 25);
    stem.lineTo(12, 25);
    stem.lineTo(12, 22.3);
    stem.lineTo(13.8, 22.3);
    stem.lineTo(13.8, 15.8);
    stem.lineTo(12.5, 15.8);
    stem.closeSubpath();
    p.drawPath(stem);
}

void drawAboutProgrammerIcon(QPainter &p)
{
    drawBadge(p, QColor(236, 196, 60), QColor(176, 128, 10));
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 13.6, 13.6);
    p.save();
    p.setClipPath(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(16, 12.5), 5.3, 5.3);
    QPainterPath shoulders;
    shoulders.moveTo(5, 31);
    shoulders.cubicTo(5, 22, 10, 19.5, 16, 19.5);
    shoulders.cubicTo(22, 19.5, 27, 22, 27, 31);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.restore();
}

// --- Banner (468 x 60 units) -------------------------------------------------------------------

void drawBannerWave(QPainter &p, qreal baseline, qreal amplitude, qreal phase, const QColor &colour)
{
    QPainterPath wave;
    wave.moveTo(0, 60);
    for (int x = 0; x <= 468; x += 6) {
        // The swell dies down towards the middle, where the title sits.
        const qreal edge = std::abs(x - 234.0) / 234.0;
        const qreal y
                = baseline - amplitude * edge * std::sin(x / 468.0 * 3 * std::numbers::pi + phase);
        wave.lineTo(x, y);
    }
    wave.lineTo(468, 60);
    wave.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(wave);
}

struct Sprinkle
{
    Operator sign;
    QPointF centre;
    qreal extent;
    qreal alpha;
};

void drawBannerCluster(QPainter &p, qreal mirror)
{
    // Positions are given for the left end and mirrored for the right one.
    const auto at = [mirror](qreal x, qreal y) { return QPointF(mirror > 0 ? x : 468 - x, y); };

    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(BannerOrange, 70));
    p.drawEllipse(at(26, 20), 30, 30);
    p.setBrush(withAlpha(Ink, 120));
    p.drawEllipse(at(80, 50), 15, 15);
    p.setBrush(withAlpha(BannerOrange, 55));
    p.drawEllipse(at(112, 12), 7, 7);

    const std::array<Sprinkle, 4> sprinkles {{
            {mirror > 0 ? Operator::Plus : Operator::Times, at(30, 25), 18, 0.75},
            {mirror > 0 ? Operator::Times : Operator::Plus, at(80, 17), 11, 0.55},
            {mirror > 0 ? Operator::Minus : Operator::Divide, at(80, 46), 10, 0.5},
            {mirror > 0 ? Operator::Divide : Operator::Minus, at(124, 30), 8, 0.3},
    }};
    for (const Sprinkle &s : sprinkles) {
        p.setOpacity(s.alpha);
        drawOperator(p, s.sign, s.centre, s.extent, s.extent * 0.3, BannerOlive);
    }
    p.setOpacity(1);
}

void drawBanner(QPainter &p)
{
    const QRectF area(0, 0, 468, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(BannerBackground);
    p.drawRect(area);

    QLinearGradient glow(0, 0, 468, 0);
    glow.setColorAt(0, QColor(255, 214, 90));
    glow.setColorAt(0.3, withAlpha(BannerBackground, 0));
    glow.setColorAt(0.7, withAlpha(BannerBackground, 0));
    glow.setColorAt(1, QColor(255, 214, 90));
    p.setBrush(glow);
    p.drawRect(area);

    drawBannerWave(p, 52, 7, 0.4, QColor(240, 224, 80, 150));
    drawBannerWave(p, 56, 5, 2.1, QColor(214, 196, 40, 120));

    drawBannerCluster(p, 1);
    drawBannerCluster(p, -1);

    p.setBrush(withAlpha(Ink, 150));
    p.drawRect(QRectF(0, 0, 468, 1.5));
    p.setBrush(withAlpha(BannerOlive, 150));
    p.drawRect(QRectF(0, 58.5, 468, 1.5));
}

// --- Portrait (127 x 134 units) ----------------------------------------------------------------

constexpr QColor Skin(246, 204, 170);
constexpr QColor SkinShade(226, 170, 135);
constexpr QColor Hair(92, 60, 42);
constexpr QColor Shirt(64, 112, 210);
constexpr QColor Eyes(50, 40, 40);

void drawPortraitBackdrop(QPainter &p, const QRectF &frame)
{
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(frame.top(), frame.bottom(), QColor(224, 232, 255),
                                QColor(170, 180, 250)));
    p.drawRoundedRect(frame, 12, 12);
    p.setBrush(withAlpha(Ink, 110));
    p.drawEllipse(QPointF(63.5, 58), 46, 46);
}

void drawPortraitBody(QPainter &p)
{
    QPainterPath body;
    body.moveTo(14, 134);
    body.cubicTo(14, 106, 34, 96, 63.5, 96);
    body.cubicTo(93, 96, 113, 106, 113, 134);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(96, 134, Shirt.lighter(115), Shirt));
    p.drawPath(body);

    p.setBrush(SkinShade);
    p.drawRoundedRect(QRectF(54, 80, 19, 22), 6, 6);

    // An open collar: two white flaps meeting under the chin.
    p.setBrush(Ink);
    QPainterPath collar;
    collar.moveTo(50, 97);
    collar.lineTo(63.5, 112);
    collar.lineTo(77, 97);
    collar.lineTo(72, 95);
    collar.lineTo(63.5, 104);
    collar.lineTo(55, 95);
    collar.closeSubpath();
    p.drawPath(collar);
}

void drawPortraitHead(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(38.5, 62), 5.5, 7);
    p.drawEllipse(QPointF(88.5, 62), 5.5, 7);
    p.drawEllipse(QRectF(39, 30, 49, 58));

    QPainterPath hair;
    hair.moveTo(37, 58);
    hair.cubicTo(33, 30, 48, 20, 64, 20);
    hair.cubicTo(82, 20, 95, 30, 90, 58);
    hair.cubicTo(88, 48, 84, 43, 80, 40);
    hair.cubicTo(70, 45, 55, 44, 46, 38);
    hair.cubicTo(42, 43, 39, 49, 37, 58);
    hair.closeSubpath();
    p.setBrush(Hair);
    p.drawPath(hair);
}

void drawPortraitFace(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Eyes);
    p.drawEllipse(QPointF(54, 60), 2.8, 3.4);
    p.drawEllipse(QPointF(73, 60), 2.8, 3.4);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(55, 59), 0.9, 0.9);
    p.drawEllipse(QPointF(74, 59), 0.9, 0.9);

    p.setPen(roundPen(Hair, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(48, 51, 12, 6), 30 * 16, 120 * 16);
    p.drawArc(QRectF(67, 51, 12, 6), 30 * 16, 120 * 16);

    // Round glasses: the author writes programs, after all.
    p.setPen(QPen(QColor(60, 60, 80), 1.8));
    p.drawEllipse(QPointF(54, 60.5), 8, 7.5);
    p.drawEllipse(QPointF(73, 60.5), 8, 7.5);
    p.drawLine(QPointF(62, 59.5), QPointF(65, 59.5));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 130, 90));
    p.drawEllipse(QPointF(47, 72), 5, 3.2);
    p.drawEllipse(QPointF(80, 72), 5, 3.2);

    p.setPen(roundPen(SkinShade.darker(115), 1.8));
    p.drawLine(QPointF(63.5, 63), QPointF(61.5, 70));
    p.drawLine(QPointF(61.5, 70), QPointF(64.5, 70.5));

    QPainterPath smile;
    smile.moveTo(54.5, 75);
    smile.cubicTo(58, 81.5, 69, 81.5, 72.5, 75);
    smile.cubicTo(67, 77.5, 60, 77.5, 54.5, 75);
    p.setPen(roundPen(QColor(170, 70, 70), 1.6));
    p.setBrush(Ink);
    p.drawPath(smile);
}

void drawPortrait(QPainter &p)
{
    const QRectF frame(0.5, 0.5, 126, 133);
    drawPortraitBackdrop(p, frame);

    QPainterPath clip;
    clip.addRoundedRect(frame, 12, 12);
    p.save();
    p.setClipPath(clip);
    drawPortraitBody(p);
    p.restore();
    drawPortraitHead(p);
    drawPortraitFace(p);

    p.setPen(QPen(QColor(110, 110, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 12, 12);
}

// --- Rendering ---------------------------------------------------------------------------------

void drawPicture(QPainter &p, Picture picture, qreal devicePixelsPerUnit)
{
    switch (picture) {
    case Picture::ProgramIcon:
        return drawProgramIcon(p, devicePixelsPerUnit);
    case Picture::Addition:
        return drawOperationKey(p, Operator::Plus);
    case Picture::Subtraction:
        return drawOperationKey(p, Operator::Minus);
    case Picture::Multiplication:
        return drawOperationKey(p, Operator::Times);
    case Picture::Division:
        return drawOperationKey(p, Operator::Divide);
    case Picture::VisitWebsite:
        return drawGlobe(p);
    case Picture::Exit:
        return drawExitDoor(p);
    case Picture::AboutProductIcon:
        return drawAboutProductIcon(p);
    case Picture::AboutProgrammerIcon:
        return drawAboutProgrammerIcon(p);
    case Picture::Banner:
        return drawBanner(p);
    case Picture::Portrait:
        return drawPortrait(p);
    }
}

QSize physicalSize(QSize logicalSize, qreal devicePixelRatio)
{
    return (QSizeF(logicalSize) * devicePixelRatio).toSize();
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

QImage render(Picture picture, QSize physical)
{
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QSizeF design = designSize(picture);
    const qreal unit
            = std::min(physical.width() / design.width(), physical.height() / design.height());

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((physical.width() - design.width() * unit) / 2,
                (physical.height() - design.height() * unit) / 2);
    p.scale(unit, unit);
    drawPicture(p, picture, unit);
    return image;
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

    QImage image = render(picture, physical);
    if (mode == QIcon::Disabled)
        fadeToGrey(image);
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Paints on demand: QIcon asks only for the sizes a window really shows.
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

    // The sizes a window icon is sent to the window system in: the X11 window system paints
    // and uploads every one of them as each window is created, so the list stops at what
    // title bars and window switchers show. A desktop's launcher takes the installed SVG.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int extent : {16, 22, 24, 32, 48, 64})
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
    switch (picture) {
    case Picture::ProgramIcon:
        return {48, 48};
    case Picture::Addition:
    case Picture::Subtraction:
    case Picture::Multiplication:
    case Picture::Division:
        return {44, 44};
    case Picture::VisitWebsite:
    case Picture::Exit:
    case Picture::AboutProductIcon:
    case Picture::AboutProgrammerIcon:
        return {32, 32};
    case Picture::Banner:
        return {468, 60};
    case Picture::Portrait:
        return {127, 134};
    }
    return {48, 48};
}

} // namespace sumwright::artwork
