// Everything without a mouse: a whole test from start-up to the result with key events alone,
// sent to whatever has the keyboard focus (or the open menu), and the tab order of the windows.

#include "core/Answer.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QLabel>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

// Runs the steps: a chord, or "Tab to NAME", which tabs until NAME has the focus.
bool runSteps(const QStringList &steps, QString &failure)
{
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("Tab to "))) {
            const QString name = step.mid(7);
            for (int i = 0; i < 20 && focusName() != name; ++i)
                input::press(QStringLiteral("Tab"));
            if (focusName() != name) {
                failure = QStringLiteral("Tab never reached %1").arg(name);
                return false;
            }
        } else if (step.size() == 5 && step.startsWith(QLatin1String("Alt+"))) {
            // A button's access key clicks it a moment after the key, as on screen.
            input::accessKey(step.back().toLatin1());
        } else if (!input::press(step)) {
            failure = QStringLiteral("nothing takes the key %1").arg(step);
            return false;
        }
    }
    return true;
}

// The focus chain as Tab walks it from the current focus, once round.
QStringList tabCycle(int limit = 30)
{
    QStringList seen {focusName()};
    for (int i = 0; i < limit; ++i) {
        input::press(QStringLiteral("Tab"));
        if (focusName() == seen.first())
            return seen;
        seen << focusName();
    }
    return seen;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.setUp(); }
    void cleanup() { m_fx.tearDown(); }
    void wholeTestWithKeysAlone_data();
    void wholeTestWithKeysAlone();
    void mainWindowTabOrder();
    void questionWindowTabOrder();
    void altEIsTheMenuBarsExit();

private:
    ProgramFixture m_fx;
};

void TestKeyboard::wholeTestWithKeysAlone_data()
{
    QTest::addColumn<QStringList>("toKind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("toMode");
    QTest::addColumn<bool>("vertical");

    QTest::newRow("level from the Options menu, kind from the Tests menu, vertical")
            << QStringList {"Alt+O", "M", "Alt+T", "Right", "Return"} << "Addition [Medium Mode]"
            << QStringList {"Down"} << true;
    QTest::newRow("kind by the button's access key")
            << QStringList {"Alt+N"} << "Number Series [Easy Mode]" << QStringList {} << false;
    QTest::newRow("level by arrow keys, kind by Tab and Space")
            << QStringList {"Right", "Right", "Tab to cmdMath(2)", "Space"}
            << "Multiplication [Hard Mode]" << QStringList {} << false;
    QTest::newRow("series from the Tests menu by its access key")
            << QStringList {"Alt+T", "S", "U"} << "Alpha Numeric Series [Easy Mode]"
            << QStringList {} << false;
}

void TestKeyboard::wholeTestWithKeysAlone()
{
    QFETCH(QStringList, toKind);
    QFETCH(QString, title);
    QFETCH(QStringList, toMode);
    QFETCH(bool, vertical);
    constexpr int Count = 25;
    constexpr int SecondsPerAnswer = 2;

    // Right after start-up the first control in tab order has the focus.
    QCOMPARE(focusName(), QStringLiteral("Options(0)"));

    QString failure;
    bool sawTitle = false;
    int submitted = 0;
    int wrongOnPurpose = 0;
    QuestionWindow &input = m_fx.input();
    whileModal(
            [&] {
                if (!runSteps(toKind, failure))
                    QFAIL(qPrintable(failure));
            },
            [&](QWidget *) {
                sawTitle = text(&input, "lblTitle") == title;
                if (!runSteps(toMode + QStringList {"Alt+S"}, failure))
                    return;
                if (!input.isTestRunning()) {
                    failure = QStringLiteral("Alt+S did not start the test");
                    return;
                }
                if (input.session().bVertical != vertical) {
                    failure = QStringLiteral("the layout chosen by keys was not taken");
                    return;
                }
                for (int i = 0; i < Count && input.isTestRunning(); ++i) {
                    if (focusName() != QLatin1String("txtAnswer")) {
                        failure = QStringLiteral("question %1: focus on %2")
                                          .arg(i + 1)
                                          .arg(focusName());
                        return;
                    }
                    // Every fifth answer is wrong on purpose.
                    QString typed = QString::fromStdString(answerText(input.session().vAnswer));
                    if (i % 5 == 4) {
                        typed.prepend(QLatin1Char('9'));
                        ++wrongOnPurpose;
                    }
                    input::type(typed);
                    m_fx.clock.advance(SecondsPerAnswer);
                    input::press(QStringLiteral("Return"));
                    ++submitted;
                }
            });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(sawTitle, "the question window did not open with the chosen kind and level");
    QCOMPARE(submitted, Count);
    QVERIFY(!input.isVisible());

    QVERIFY(m_fx.program().hasResult());
    ResultWindow &result = m_fx.result();
    QVERIFY(result.isVisible());
    QCOMPARE(result.outcome().iTotalQuestions, Count);
    QCOMPARE(result.outcome().iWrongAnswered, wrongOnPurpose);
    QVERIFY2(text(&result, "lblTotalQuestions").endsWith(QLatin1String(" 25")),
             qPrintable(text(&result, "lblTotalQuestions")));
    QVERIFY2(text(&result, "lblWrongAnswered").endsWith(QLatin1String("\t5")),
             qPrintable(text(&result, "lblWrongAnswered")));
    QVERIFY2(text(&result, "lblTimeTaken").endsWith(QLatin1String("\t50")),
             qPrintable(text(&result, "lblTimeTaken")));

    // Escape closes the result; the main window takes the keys again.
    result.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&result));
    QVERIFY(input::press(QStringLiteral("Escape")));
    QVERIFY(!result.isVisible());
    QCOMPARE(m_fx.programEnds, 0);
}

// The tab indices of the main window: the level options, the count, the seven kind buttons,
// then "Visit Website" and "Exit". Qt tabs to one option of an exclusive group, the marked
// one, and moves among the options with the arrow keys.
void TestKeyboard::mainWindowTabOrder()
{
    const QStringList rest {"cbCountQ",        "cmdMath(0)",   "cmdMath(1)",   "cmdMath(2)",
                            "cmdMath(3)",      "cmdSeries(0)", "cmdSeries(1)", "cmdSeries(2)",
                            "cmdVisitWebsite", "cmdExit"};
    QCOMPARE(tabCycle(), QStringList {"Options(0)"} + rest);

    // With another level marked, Tab stops at that option instead.
    QVERIFY(input::press(QStringLiteral("Right")));
    QCOMPARE(focusName(), QStringLiteral("Options(1)"));
    QCOMPARE(m_fx.program().selection().Level, 1);
    QCOMPARE(tabCycle(), QStringList {"Options(1)"} + rest);

    // Backtab walks the same chain backwards.
    QVERIFY(input::press(QStringLiteral("Shift+Tab")));
    QCOMPARE(focusName(), QStringLiteral("cmdExit"));
}

// Selection view: the marked mode, then "Start Test". Question view: the answer box, "Close",
// "End Test".
void TestKeyboard::questionWindowTabOrder()
{
    QStringList selection;
    QStringList question;
    QString failure;
    QuestionWindow &input = m_fx.input();
    whileModal([] { input::accessKey('a'); },
               [&](QWidget *) {
                   selection = tabCycle();
                   if (!runSteps({QStringLiteral("Alt+S")}, failure) || !input.isTestRunning())
                       return;
                   question = tabCycle();
                   // Alt+C closes the window from the question view.
                   runSteps({QStringLiteral("Alt+C")}, failure);
                   if (input.isVisible())
                       failure = QStringLiteral("Alt+C did not close the question window");
               });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(selection, (QStringList {"optMode(0)", "cmdStart"}));
    QCOMPARE(question, (QStringList {"txtAnswer", "cmdClose", "cmdEndTest"}));
    QVERIFY(!input.isVisible());
    QVERIFY(!m_fx.program().hasResult());
}

// The "&Exit" button and the "&Exit" command on the menu bar share Alt+E; the key must still do
// something, and it is the menu bar's command: the program ends and no address is opened.
void TestKeyboard::altEIsTheMenuBarsExit()
{
    QVERIFY(input::press(QStringLiteral("Alt+E")));
    QCOMPARE(m_fx.programEnds, 1);
    QVERIFY(m_fx.urls->opened.isEmpty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
