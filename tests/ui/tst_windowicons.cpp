// The windows' icons: the main, question and result windows carry the program icon (which the
// desktop entry's icon repeats), each About window an icon of its own.

#include "support/ProgramFixture.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/Artwork.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QImage>
#include <QTest>

using sumwright::artwork::Picture;
using namespace sumwright;
using namespace sumwright::testing;

Q_DECLARE_METATYPE(sumwright::artwork::Picture)

namespace {

QImage pixels(const QIcon &icon)
{
    return icon.pixmap(QSize(48, 48), 1.0)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage pixels(Picture picture)
{
    return sumwright::artwork::pixmap(picture, {48, 48}, 1.0)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestWindowIcons : public QObject
{
    Q_OBJECT

private slots:
    void windowCarriesItsIcon_data();
    void windowCarriesItsIcon();

private:
    QWidget *window(Program &forms, const QString &name);
};

QWidget *TestWindowIcons::window(Program &forms, const QString &name)
{
    if (name == QLatin1String("frmMain"))
        return &forms.frmMain();
    if (name == QLatin1String("frmInput"))
        return &forms.frmInput();
    if (name == QLatin1String("frmResult"))
        return &forms.frmResult();
    if (name == QLatin1String("frmAboutProduct"))
        return &forms.frmAboutProduct();
    if (name == QLatin1String("frmAboutProgrammer"))
        return &forms.frmAboutProgrammer();
    return nullptr;
}

void TestWindowIcons::windowCarriesItsIcon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Picture>("icon");
    QTest::newRow("main") << "frmMain" << Picture::ProgramIcon;
    QTest::newRow("question") << "frmInput" << Picture::ProgramIcon;
    QTest::newRow("result") << "frmResult" << Picture::ProgramIcon;
    QTest::newRow("about product") << "frmAboutProduct" << Picture::AboutProductIcon;
    QTest::newRow("about programmer") << "frmAboutProgrammer" << Picture::AboutProgrammerIcon;
}

void TestWindowIcons::windowCarriesItsIcon()
{
    QFETCH(QString, name);
    QFETCH(Picture, icon);
    ProgramFixture fixture;
    fixture.setUp();
    QWidget *shown = window(fixture.program(), name);
    QVERIFY(shown);

    const QImage actual = pixels(shown->windowIcon());
    QVERIFY(!actual.isNull());
    QCOMPARE(actual, pixels(icon));
    // An About window's icon is not the program icon in disguise.
    if (icon != Picture::ProgramIcon)
        QVERIFY(actual != pixels(Picture::ProgramIcon));
    fixture.discard();
}

QTEST_MAIN(TestWindowIcons)
#include "tst_windowicons.moc"
