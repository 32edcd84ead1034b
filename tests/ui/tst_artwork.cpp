#include "ui/Artwork.h"

#include <QImage>
#include <QTest>

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

private:
    static void addEveryPicture();
};

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

    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QPixmap pixmap = sumwright::artwork::pixmap(picture, logical, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), (QSizeF(logical) * ratio).toSize());

        // A picture that failed to draw would come out fully transparent.
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        qsizetype painted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
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

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
