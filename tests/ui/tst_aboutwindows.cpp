#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/Addresses.h"
#include "ui/MainWindow.h"

using namespace sumwright;
using namespace sumwright::testing;

namespace {
const QString VersionLine = QStringLiteral("Quorvane Sumwright ver: 1.0");
}

class TestAboutWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.setUp(); }
    void cleanup() { m_fx.tearDown(); }

    void clicksOnProductWindow_data();
    void clicksOnProductWindow();
    void clicksOnProgrammerWindow_data();
    void clicksOnProgrammerWindow();
    void showsAgainAfterCloseBoxOrHiding_data();
    void showsAgainAfterCloseBoxOrHiding();
    void keyboardGoesBackToMainWindow_data();
    void keyboardGoesBackToMainWindow();

private:
    // Opens the About window of `menuItem`, clicks `target` (a control's name, or a point of the
    // window's background) and tells whether the window is still open after the click.
    bool stillOpenAfterClick(const QString &menuItem, const QString &target, QPoint background);

    ProgramFixture m_fx;
};

bool TestAboutWindows::stillOpenAfterClick(const QString &menuItem, const QString &target,
                                           QPoint background)
{
    bool open = false;
    whileModal([&] { trigger(&m_fx.main(), menuItem); },
               [&](QWidget *window) {
                   QVERIFY(window->parentWidget() == nullptr);
                   QCOMPARE(window->windowModality(), Qt::ApplicationModal);
                   if (target.isEmpty()) {
                       // Only what the window shows at that point, none of its controls.
                       QCOMPARE(window->childAt(background)->objectName(), QStringLiteral("page"));
                       input::clickAt(window, background);
                   } else {
                       input::click(window, target);
                   }
                   open = window->isVisible();
                   if (open)
                       window->close();
               });
    m_fx.reactivateMain();
    return open;
}

void TestAboutWindows::clicksOnProductWindow_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("background"); // in pixels, when no target is named
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<int>("websiteOpened");
    for (int i = 0; i < 4; ++i)
        QTest::addRow("lbl(%d)", i) << QStringLiteral("lbl(%1)").arg(i) << QPoint() << false << 0;
    QTest::newRow("lblLink") << "lblLink" << QPoint() << true << 1;
    QTest::newRow("Line1") << "Line1" << QPoint() << true << 0;
    QTest::newRow("background") << "" << QPoint(20, 150) << true << 0;
}

void TestAboutWindows::clicksOnProductWindow()
{
    QFETCH(QString, target);
    QFETCH(QPoint, background);
    QFETCH(bool, staysOpen);
    QFETCH(int, websiteOpened);
    QCOMPARE(stillOpenAfterClick("mAboutProduct", target, background), staysOpen);
    QCOMPARE(m_fx.urls->opened, QList<QUrl>(websiteOpened, QUrl(addresses::WebsiteUrl)));
}

void TestAboutWindows::clicksOnProgrammerWindow_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("background");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("Label1") << "Label1" << QPoint() << true;
    QTest::newRow("Image2") << "Image2" << QPoint() << true;
    QTest::newRow("Image1") << "Image1" << QPoint() << false;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("lblLabel(%d)", i)
                << QStringLiteral("lblLabel(%1)").arg(i) << QPoint() << false;
    QTest::newRow("background") << "" << QPoint(60, 196) << false;
}

void TestAboutWindows::clicksOnProgrammerWindow()
{
    QFETCH(QString, target);
    QFETCH(QPoint, background);
    QFETCH(bool, staysOpen);
    QCOMPARE(stillOpenAfterClick("mAboutProgrammer", target, background), staysOpen);
    QVERIFY(m_fx.urls->opened.isEmpty());
}

void TestAboutWindows::showsAgainAfterCloseBoxOrHiding_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<QString>("hidingClick");
    QTest::newRow("product, close box") << "mAboutProduct" << true << "lbl(2)";
    QTest::newRow("product, hidden by a click") << "mAboutProduct" << false << "lbl(0)";
    QTest::newRow("programmer, close box") << "mAboutProgrammer" << true << "lblLabel(1)";
    QTest::newRow("programmer, hidden by a click") << "mAboutProgrammer" << false << "Image1";
}

void TestAboutWindows::showsAgainAfterCloseBoxOrHiding()
{
    QFETCH(QString, menuItem);
    QFETCH(bool, closeBox);
    QFETCH(QString, hidingClick);
    const bool product = menuItem == QLatin1String("mAboutProduct");

    for (int showing = 1; showing <= 3; ++showing) {
        bool shownAgain = false;
        whileModal([&] { trigger(&m_fx.main(), menuItem); },
                   [&](QWidget *window) {
                       shownAgain = window->isVisible();
                       if (product)
                           QCOMPARE(text(window, "lbl(0)"), VersionLine);
                       if (closeBox)
                           QVERIFY(window->close());
                       else
                           input::click(window, hidingClick);
                       QVERIFY(!window->isVisible());
                   });
        m_fx.reactivateMain();
        QVERIFY2(shownAgain, qPrintable(QStringLiteral("showing %1").arg(showing)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (QTest::currentTestFailed())
            return;
    }
    // After the close box the window is built afresh; hiding keeps its one set of controls.
    QWidget *window = product ? static_cast<QWidget *>(&m_fx.program().frmAboutProduct())
                              : &m_fx.program().frmAboutProgrammer();
    QCOMPARE(window->findChildren<QWidget *>(QStringLiteral("page"), Qt::FindDirectChildrenOnly)
                     .size(),
             closeBox ? 0 : 1);
    QVERIFY(m_fx.urls->opened.isEmpty());
    QCOMPARE(m_fx.programEnds, 0);
}

void TestAboutWindows::keyboardGoesBackToMainWindow_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("hidingClick"); // empty: the close box
    QTest::newRow("product, hidden by a click") << "mAboutProduct"
                                                << "lbl(1)";
    QTest::newRow("product, close box") << "mAboutProduct"
                                        << "";
    QTest::newRow("programmer, hidden by a click") << "mAboutProgrammer"
                                                   << "lblLabel(0)";
    QTest::newRow("programmer, close box") << "mAboutProgrammer"
                                           << "";
}

// Whoever hides the window, the main window is active again with its focus where it was, so
// its access keys work at once; nothing but the program itself hands the keyboard back here.
void TestAboutWindows::keyboardGoesBackToMainWindow()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, hidingClick);
    MainWindow &main = m_fx.main();
    QWidget *const focus = QApplication::focusWidget();
    QVERIFY(focus && focus->window() == &main);
    whileModal([&] { trigger(&main, menuItem); },
               [&](QWidget *window) {
                   if (hidingClick.isEmpty())
                       window->close();
                   else
                       input::click(window, hidingClick);
                   QVERIFY(!window->isVisible());
               });
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), focus);
}

QTEST_MAIN(TestAboutWindows)
#include "tst_aboutwindows.moc"
