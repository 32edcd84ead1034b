#include "ui/Artwork.h"
#include "ui/RenderedPictures.h"

#include <QImage>
#include <QTest>
#include <algorithm>

using sumwright::artwork::Picture;

Q_DECLARE_METATYPE(sumwright::artwork::Picture)

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void pixmapHasRequestedResolution_data();
    void pixmapHasRequestedResolution();
    void iconOffersWindowSize_data();
    void iconOffersWindowSize();
    void renderedForEveryRatioItIsShownAt_data();
    void renderedForEveryRatioItIsShownAt();
    void otherAspectRatioGetsPictureCentred();

private:
    static void addEveryPicture();
};

namespace {

qsizetype paintedIn(const QImage &image, const QRect &area)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qsizetype painted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            painted += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
    }
    return painted;
}

} // namespace

void TestArtwork::addEveryPicture()
{
    QTest::addColumn<Picture>("picture");
    QTest::newRow("program icon") << Picture::ProgramIcon;
    QTest::newRow("addition") << Picture::Addition;
    QTest::newRow("subtraction") << Picture::Subtraction;
    QTest::newRow("multiplication") << Picture::Multiplication;
    QTest::newRow("division") << Picture::Division;
    QTest::newRow("visit website") << Picture::VisitWebsite;
    QTest::newRow("exit") << Picture::Exit;
    QTest::newRow("about product") << Picture::AboutProductIcon;
    QTest::newRow("about programmer") << Picture::AboutProgrammerIcon;
    QTest::newRow("banner") << Picture::Banner;
    QTest::newRow("portrait") << Picture::Portrait;
}

void TestArtwork::pixmapHasRequestedResolution_data()
{
    addEveryPicture();
}

void TestArtwork::pixmapHasRequestedResolution()
{
    QFETCH(Picture, picture);
    const QSize logical = sumwright::artwork::designSize(picture);
    QVERIFY(!logical.isEmpty());

    // 1.3 has no rendering of its own: it is scaled down from the next larger one.
    for (const qreal ratio : {1.0, 1.3, 1.5, 2.0}) {
        const QPixmap pixmap = sumwright::artwork::pixmap(picture, logical, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), (QSizeF(logical) * ratio).toSize());

        // A picture that failed to draw or decode would come out fully transparent.
        const QImage image = pixmap.toImage();
        const qsizetype painted = paintedIn(image, image.rect());
        QVERIFY2(painted > image.width() * image.height() / 10,
                 qPrintable(QStringLiteral("only %1 pixels painted at ratio %2")
                                    .arg(painted)
                                    .arg(ratio)));
    }
}

void TestArtwork::iconOffersWindowSize_data()
{
    addEveryPicture();
}

void TestArtwork::iconOffersWindowSize()
{
    QFETCH(Picture, picture);
    const QIcon icon = sumwright::artwork::icon(picture);
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(48, 48)));

    const QPixmap pixmap = icon.pixmap(QSize(48, 48), 1.0);
    QVERIFY(!pixmap.isNull());
    const QSize expected
            = sumwright::artwork::designSize(picture).scaled(48, 48, Qt::KeepAspectRatio);
    QCOMPARE(pixmap.size(), expected);
}

void TestArtwork::renderedForEveryRatioItIsShownAt_data()
{
    addEveryPicture();
}

// A picture scaled from another size is blurred: every size a window shows it at, at the usual
// screen scales, must have been rendered from the SVG for exactly that many device pixels.
void TestArtwork::renderedForEveryRatioItIsShownAt()
{
    QFETCH(Picture, picture);
    QList<QSize> logical {sumwright::artwork::designSize(picture)};
    if (sumwright::artwork::rendered::isWindowIcon(picture)) {
        for (const int extent : {16, 22, 24, 32, 48, 64})
            logical << QSize(extent, extent);
    }
    const auto renderings = sumwright::artwork::rendered::rendered(picture).renderings;
    for (const QSize &size : logical) {
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            const QSize device = (QSizeF(size) * ratio).toSize();
            const bool rendered = std::any_of(renderings.begin(), renderings.end(), [&](auto r) {
                return QSize(r.width, r.height) == device;
            });
            QVERIFY2(rendered,
                     qPrintable(QStringLiteral("no %1x%2 rendering")
                                        .arg(device.width())
                                        .arg(device.height())));
        }
    }
}

void TestArtwork::otherAspectRatioGetsPictureCentred()
{
    // The banner is eight times as wide as it is high: in a square it fills a band across the
    // middle and leaves the top and the bottom clear.
    const QImage banner = sumwright::artwork::pixmap(Picture::Banner, {96, 96}, 1.0).toImage();
    QCOMPARE(banner.size(), QSize(96, 96));
    QCOMPARE(paintedIn(banner, QRect(0, 0, 96, 40)), 0);
    QCOMPARE(paintedIn(banner, QRect(0, 56, 96, 40)), 0);
    QCOMPARE(paintedIn(banner, QRect(0, 44, 96, 8)), 96 * 8);

    // The portrait is a little taller than wide: in a wide box it stands in the middle.
    const QImage portrait
            = sumwright::artwork::pixmap(Picture::Portrait, {300, 134}, 1.0).toImage();
    QCOMPARE(paintedIn(portrait, QRect(0, 0, 80, 134)), 0);
    QCOMPARE(paintedIn(portrait, QRect(220, 0, 80, 134)), 0);
    QVERIFY(paintedIn(portrait, QRect(100, 0, 100, 134)) > 100 * 134 * 9 / 10);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
