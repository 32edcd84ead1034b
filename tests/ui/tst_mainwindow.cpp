#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/Addresses.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QComboBox>
#include <QMenuBar>
#include <QRadioButton>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

const QStringList LevelTags = {"[Easy Mode]", "[Medium Mode]", "[Hard Mode]"};
const QStringList LevelItems = {"mEasy", "mMedium", "mHard"};

QString option(int level)
{
    return QStringLiteral("Options(%1)").arg(level);
}

// What the question window showed when a kind was chosen.
struct Launch
{
    int qType = -1;
    int qIndex = -1;
    QString title;
    bool modalAndOwnerless = false;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.setUp(); }
    void cleanup() { m_fx.tearDown(); }

    void startsOnEasyWithTwentyFiveQuestions();
    void everyWindowIsFixedWithOnlyACloseButton_data();
    void everyWindowIsFixedWithOnlyACloseButton();
    void placesControlsInTwips_data();
    void placesControlsInTwips();
    void keepsLevelInStep_data();
    void keepsLevelInStep();
    void buttonAndMenuItemLaunchTheSameTest_data();
    void buttonAndMenuItemLaunchTheSameTest();
    void exitPathsOpenTheRightAddress_data();
    void exitPathsOpenTheRightAddress();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void wholeOptionBoxSelects_data();
    void wholeOptionBoxSelects();

private:
    Launch launch(const std::function<void()> &choose);
    void checkLevel(int level);

    ProgramFixture m_fx;
};

Launch TestMainWindow::launch(const std::function<void()> &choose)
{
    Launch seen;
    whileModal(choose, [&](QWidget *modal) {
        QuestionWindow &input = m_fx.program().frmInput();
        seen.modalAndOwnerless = modal == &input && input.parentWidget() == nullptr
                && input.windowModality() == Qt::ApplicationModal;
        seen.title = text(&input, "lblTitle");
        input.close();
    });
    m_fx.reactivateMain();
    seen.qType = m_fx.program().selection().QType;
    seen.qIndex = m_fx.program().selection().QIndex;
    return seen;
}

void TestMainWindow::startsOnEasyWithTwentyFiveQuestions()
{
    MainWindow &main = m_fx.main();
    QCOMPARE(main.windowTitle(), QStringLiteral("Quorvane Sumwright"));
    QCOMPARE(m_fx.program().selection().Level, 0);
    QCOMPARE(QString::fromStdString(m_fx.program().selection().LevelTag),
             QStringLiteral("[Easy Mode]"));
    QCOMPARE(control<QComboBox>(&main, "cbCountQ")->currentText(), QStringLiteral("25"));
    QCOMPARE(QString::fromStdString(m_fx.program().selection().countText), QStringLiteral("25"));
    for (int level = 0; level < 3; ++level) {
        QCOMPARE(control<QRadioButton>(&main, option(level))->isChecked(), level == 0);
        QCOMPARE(main.findChild<QAction *>(LevelItems[level])->isChecked(), level == 0);
    }
    QCOMPARE(launch([&] { input::click(&main, "cmdMath(0)"); }).title,
             QStringLiteral("Addition [Easy Mode]"));
}

void TestMainWindow::everyWindowIsFixedWithOnlyACloseButton_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name :
         {"frmMain", "frmInput", "frmResult", "frmAboutProduct", "frmAboutProgrammer"})
        QTest::newRow(name) << name;
}

void TestMainWindow::everyWindowIsFixedWithOnlyACloseButton()
{
    QFETCH(QString, window);
    Program &forms = m_fx.program();
    const QHash<QString, QWidget *> windows = {{"frmMain", &forms.frmMain()},
                                               {"frmInput", &forms.frmInput()},
                                               {"frmResult", &forms.frmResult()},
                                               {"frmAboutProduct", &forms.frmAboutProduct()},
                                               {"frmAboutProgrammer", &forms.frmAboutProgrammer()}};
    QWidget *w = windows.value(window);
    QCOMPARE(w->objectName(), window);
    QVERIFY(w->isWindow());
    QCOMPARE(w->parentWidget(), nullptr);
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QVERIFY(!w->windowIcon().isNull());
    w->ensurePolished();
    QVERIFY(!w->minimumSize().isEmpty());
    QCOMPARE(w->minimumSize(), w->maximumSize());
}

void TestMainWindow::placesControlsInTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Options(0)") << "Options(0)" << QRect(360, 240, 5055, 375);
    QTest::newRow("Options(2)") << "Options(2)" << QRect(6480, 240, 5055, 375);
    QTest::newRow("cbCountQ") << "cbCountQ" << QRect(6480, 960, 1695, 480);
    QTest::newRow("cmdMath(3)") << "cmdMath(3)" << QRect(3360, 2880, 3015, 1095);
    QTest::newRow("cmdSeries(2)") << "cmdSeries(2)" << QRect(6480, 4080, 3015, 975);
    QTest::newRow("cmdExit") << "cmdExit" << QRect(6480, 2880, 3015, 1095);
    QTest::newRow("Label1") << "Label1" << QRect(480, 960, 3255, 375);
}

void TestMainWindow::placesControlsInTwips()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto px = [](int t) { return qRound(t / 15.0); };
    MainWindow &main = m_fx.main();
    QWidget *client = main.centralWidget();
    QCOMPARE(client->size(), QSize(px(9795), px(5265)));
    // The client area lies below the menu bar, not under it.
    QCOMPARE(client->mapTo(&main, QPoint()).y(), main.menuBar()->height());

    QWidget *w = control(&main, name);
    QVERIFY(w);
    QCOMPARE(QRect(w->mapTo(client, QPoint()), w->size()),
             QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
}

void TestMainWindow::checkLevel(int level)
{
    MainWindow &main = m_fx.main();
    QCOMPARE(m_fx.program().selection().Level, level);
    QCOMPARE(m_fx.program().selection().Level, level);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(control<QRadioButton>(&main, option(i))->isChecked(), i == level);
        QCOMPARE(main.findChild<QAction *>(LevelItems[i])->isChecked(), i == level);
    }
    QCOMPARE(QString::fromStdString(m_fx.program().selection().LevelTag), LevelTags[level]);
    const QString title = launch([&] { trigger(&main, "mAddition"); }).title;
    QCOMPARE(title, QStringLiteral("Addition ") + LevelTags[level]);
}

void TestMainWindow::keepsLevelInStep_data()
{
    // Each step is "click:<option>", "menu:<item>" or "key:Left|Right" on the focused button.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("levels");
    QTest::newRow("option buttons")
            << QStringList {"click:Options(1)", "click:Options(2)", "click:Options(0)"}
            << QList<int> {1, 2, 0};
    QTest::newRow("selected button again")
            << QStringList {"click:Options(0)", "click:Options(2)", "click:Options(2)"}
            << QList<int> {0, 2, 2};
    QTest::newRow("menu items") << QStringList {"menu:mHard", "menu:mMedium", "menu:mEasy",
                                                "menu:mEasy"}
                                << QList<int> {2, 1, 0, 0};
    QTest::newRow("menu then button")
            << QStringList {"menu:mHard", "click:Options(1)", "menu:mEasy", "click:Options(2)"}
            << QList<int> {2, 1, 0, 2};
    QTest::newRow("arrow keys") << QStringList {"click:Options(0)", "key:Right", "key:Right",
                                                "key:Left", "key:Left"}
                                << QList<int> {0, 1, 2, 1, 0};
}

void TestMainWindow::keepsLevelInStep()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, levels);
    MainWindow &main = m_fx.main();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString how = steps[i].section(u':', 0, 0);
        const QString what = steps[i].section(u':', 1);
        if (how == QLatin1String("click")) {
            input::click(&main, what);
        } else if (how == QLatin1String("menu")) {
            trigger(&main, what);
        } else {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(focus->objectName().startsWith("Options("), qPrintable(focus->objectName()));
            input::keyClick(what == QLatin1String("Left") ? Qt::Key_Left : Qt::Key_Right);
        }
        checkLevel(levels[i]);
        if (QTest::currentTestFailed()) {
            qWarning("after step %lld, %s", qlonglong(i), qPrintable(steps[i]));
            return;
        }
    }
}

void TestMainWindow::buttonAndMenuItemLaunchTheSameTest_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("qType");
    QTest::addColumn<int>("qIndex");
    QTest::addColumn<QString>("title");
    struct Kind
    {
        const char *button, *item;
        int qType, qIndex;
        const char *tag;
    };
    const Kind kinds[] = {
            {"cmdMath(0)", "mAddition", 0, 0, "Addition "},
            {"cmdMath(1)", "mSubtraction", 0, 1, "Subtraction "},
            {"cmdMath(2)", "mMultiplication", 0, 2, "Multiplication "},
            {"cmdMath(3)", "mDevision", 0, 3, "Division "},
            {"cmdSeries(0)", "mNumberSeries", 1, 0, "Number Series "},
            {"cmdSeries(1)", "mAlphabetSeries", 1, 1, "Alphabet Series "},
            {"cmdSeries(2)", "mAlphaNumericSeries", 1, 2, "Alpha Numeric Series "},
    };
    for (const Kind &kind : kinds) {
        for (int level = 0; level < 3; ++level) {
            QTest::addRow("%s %d", kind.item, level)
                    << kind.button << kind.item << level << kind.qType << kind.qIndex
                    << QString::fromLatin1(kind.tag) + LevelTags[level];
        }
    }
}

void TestMainWindow::buttonAndMenuItemLaunchTheSameTest()
{
    QFETCH(QString, button);
    QFETCH(QString, item);
    QFETCH(int, level);
    QFETCH(int, qType);
    QFETCH(int, qIndex);
    QFETCH(QString, title);
    MainWindow &main = m_fx.main();
    trigger(&main, LevelItems[level]);

    // Each launch starts from the other kind, so a choice that set nothing would show.
    const QString other = qType == 0 ? "mNumberSeries" : "mAddition";
    launch([&] { trigger(&main, other); });
    const Launch byButton = launch([&] { input::click(&main, button); });
    launch([&] { trigger(&main, other); });
    const Launch byItem = launch([&] { trigger(&main, item); });

    for (const Launch &seen : {byButton, byItem}) {
        QVERIFY(seen.modalAndOwnerless);
        QCOMPARE(seen.qType, qType);
        QCOMPARE(seen.qIndex, qIndex);
        QCOMPARE(seen.title, title);
    }
    QCOMPARE(QString::fromStdString(m_fx.program().selection().countText), QStringLiteral("25"));
}

void TestMainWindow::exitPathsOpenTheRightAddress_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<int>("ends");
    QTest::newRow("cmdExit") << "cmdExit" << addresses::ExitUrl << 1;
    QTest::newRow("close request") << "close" << addresses::ExitUrl << 1;
    QTest::newRow("mExit2") << "mExit2" << QString() << 1;
    QTest::newRow("mExit") << "mExit" << QString() << 1;
    QTest::newRow("cmdVisitWebsite") << "cmdVisitWebsite" << addresses::WebsiteUrl << 0;
    QTest::newRow("mVisitWebsite") << "mVisitWebsite" << addresses::WebsiteUrl << 0;
}

void TestMainWindow::exitPathsOpenTheRightAddress()
{
    QFETCH(QString, how);
    QFETCH(QString, opened);
    QFETCH(int, ends);
    MainWindow &main = m_fx.main();
    trigger(&main, "mMedium");

    if (how == QLatin1String("close"))
        QVERIFY(main.close());
    else if (how.startsWith(u'm'))
        trigger(&main, how);
    else
        input::click(&main, how);

    const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl>() : QList<QUrl> {QUrl(opened)};
    QCOMPARE(m_fx.urls->opened, expected);
    QCOMPARE(m_fx.programEnds, ends);
    if (ends == 0) {
        QVERIFY(main.isVisible());
        QCOMPARE(m_fx.program().selection().Level, 1);
    }
}

void TestMainWindow::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");   // Return, Enter (the keypad's) or Space
    QTest::addColumn<QString>("title"); // of the test it opens; empty when it opens the web site
    QTest::newRow("Return on Addition") << "cmdMath(0)"
                                        << "Return"
                                        << "Addition [Easy Mode]";
    QTest::newRow("keypad Enter on Alphabet Series") << "cmdSeries(1)"
                                                     << "Enter"
                                                     << "Alphabet Series [Easy Mode]";
    QTest::newRow("Space on Division") << "cmdMath(3)"
                                       << "Space"
                                       << "Division [Easy Mode]";
    QTest::newRow("Return on Visit Website") << "cmdVisitWebsite"
                                             << "Return"
                                             << "";
}

void TestMainWindow::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(QString, key);
    QFETCH(QString, title);
    const Qt::Key k = key == QLatin1String("Return") ? Qt::Key_Return
            : key == QLatin1String("Enter")          ? Qt::Key_Enter
                                                     : Qt::Key_Space;
    const Qt::KeyboardModifiers modifiers
            = k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QWidget *target = control(&m_fx.main(), button);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    const auto press = [&] { input::keyClick(k, modifiers); };
    if (title.isEmpty()) {
        press();
        QCOMPARE(m_fx.urls->opened, QList<QUrl> {QUrl(addresses::WebsiteUrl)});
        return;
    }
    QCOMPARE(launch(press).title, title);
}

void TestMainWindow::wholeOptionBoxSelects_data()
{
    // A click at a distance from an option's left edge, on its row, in main window coordinates.
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("level");
    QTest::newRow("Hard, right of its caption") << "Options(2)" << 160 << 2;
    QTest::newRow("Medium, right of its caption") << "Options(1)" << 160 << 1;
    QTest::newRow("Easy, right of its caption") << "Options(0)" << 160 << 0;
    // Hard's box lies over the right part of Medium's: there Hard takes the click.
    QTest::newRow("Medium, where Hard covers it") << "Options(1)" << 250 << 2;
}

void TestMainWindow::wholeOptionBoxSelects()
{
    QFETCH(QString, option);
    QFETCH(int, x);
    QFETCH(int, level);
    MainWindow &main = m_fx.main();
    // Start away from the expected level, so that only the click can select it.
    trigger(&main, level == 1 ? "mEasy" : "mMedium");
    QWidget *box = control(&main, option);
    QVERIFY(box);
    input::clickAt(&main, box->mapTo(&main, QPoint(x, box->height() / 2)));
    checkLevel(level);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
