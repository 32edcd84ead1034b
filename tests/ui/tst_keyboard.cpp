// Everything without a mouse: a whole test from start-up to the result with key events alone,
// sent to whatever has the keyboard focus (or the open menu), and the tab order of the windows.

#include "UiTesting.h"
#include "core/Answer.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

class SteppingClock final : public sumwright::Clock
{
public:
    [[nodiscard]] sumwright::DateTime now() const override { return m_now; }
    void advance(int seconds) { m_now += seconds / sumwright::SecondsPerDay; }

private:
    sumwright::DateTime m_now = sumwright::toDateTime(2024, 3, 14, 9, 30, 0);
};

// Where a key typed now goes: the open menu, else the focused control.
QWidget *keyTarget()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::focusWidget();
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

// Presses one chord, written as QKeySequence writes it ("Alt+T", "Right", "Space").
bool press(const QString &chord)
{
    const QKeySequence sequence = QKeySequence::fromString(chord, QKeySequence::PortableText);
    QWidget *target = keyTarget();
    if (sequence.isEmpty() || !target)
        return false;
    const QKeyCombination combination = sequence[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    return true;
}

// Runs the steps: a chord, or "Tab to NAME", which tabs until NAME has the focus.
bool runSteps(const QStringList &steps, QString &failure)
{
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("Tab to "))) {
            const QString name = step.mid(7);
            for (int i = 0; i < 20 && focusName() != name; ++i)
                press(QStringLiteral("Tab"));
            if (focusName() != name) {
                failure = QStringLiteral("Tab never reached %1").arg(name);
                return false;
            }
        } else if (!press(step)) {
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
        press(QStringLiteral("Tab"));
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
    void init();
    void cleanup();
    void wholeTestWithKeysAlone_data();
    void wholeTestWithKeysAlone();
    void mainWindowTabOrder();
    void questionWindowTabOrder();
    void altEIsTheMenuBarsExit();

private:
    MainWindow *showMain();
    // Runs body once the question window is up and has the focus, then sets done. The window
    // is modal: the rest of the test waits for done, while the window runs its own loop.
    void whenQuestionWindowShown(QObject *context, std::function<void()> body, bool &done,
                                 int triesLeft = 500);

    sumwright::ProcessRandom m_random;
    SteppingClock m_clock;
    std::unique_ptr<sumwright::Program> m_forms;
    int m_ended = 0;
};

void TestKeyboard::init()
{
    m_ended = 0;
    m_forms = std::make_unique<sumwright::Program>(m_random, m_clock);
    m_forms->setProgramEnder([this] { ++m_ended; });
}

void TestKeyboard::cleanup()
{
    m_forms.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainWindow *TestKeyboard::showMain()
{
    MainWindow *main = &m_forms->frmMain();
    main->show();
    QApplication::setActiveWindow(main);
    if (!QTest::qWaitForWindowActive(main))
        return nullptr;
    return main;
}

void TestKeyboard::whenQuestionWindowShown(QObject *context, std::function<void()> body, bool &done,
                                           int triesLeft)
{
    QTimer::singleShot(10, context, [this, context, body, &done, triesLeft] {
        QuestionWindow &input = m_forms->frmInput();
        if (!input.isVisible() || QApplication::activePopupWidget()) {
            if (triesLeft > 0)
                whenQuestionWindowShown(context, body, done, triesLeft - 1);
            return;
        }
        QApplication::setActiveWindow(&input);
        if (QTest::qWaitForWindowActive(&input))
            body();
        // Whatever happened, the modal loop must end so the test can report.
        if (input.isVisible())
            input.hide();
        done = true;
    });
}

// A button's access key presses it the way a click on screen looks: down, then up a moment
// later. Waits for that moment.
static bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 5000);
}

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

    MainWindow *main = showMain();
    QVERIFY(main);
    // Right after start-up the first control in tab order has the focus.
    QCOMPARE(focusName(), QStringLiteral("Options(0)"));

    QString failure;
    bool sawTitle = false;
    bool done = false;
    int submitted = 0;
    int wrongOnPurpose = 0;
    QObject context;
    whenQuestionWindowShown(
            &context,
            [&] {
                QuestionWindow &input = m_forms->frmInput();
                sawTitle = input.findChild<QLabel *>(QStringLiteral("lblTitle"))->text() == title;
                if (!runSteps(toMode, failure) || !runSteps({QStringLiteral("Alt+S")}, failure))
                    return;
                if (!waitFor([&input] { return input.isTestRunning(); })) {
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
                    QString typed = QString::fromStdString(
                            sumwright::answerText(input.session().vAnswer));
                    if (i % 5 == 4) {
                        typed.prepend(QLatin1Char('9'));
                        ++wrongOnPurpose;
                    }
                    QTest::keyClicks(keyTarget(), typed);
                    m_clock.advance(SecondsPerAnswer);
                    press(QStringLiteral("Return"));
                    ++submitted;
                }
            },
            done);
    if (!runSteps(toKind, failure))
        QFAIL(qPrintable(failure));
    QVERIFY2(waitFor([&done] { return done; }), "the question window never came up");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(sawTitle, "the question window did not open with the chosen kind and level");
    QCOMPARE(submitted, Count);
    QVERIFY(!m_forms->frmInput().isVisible());

    QVERIFY(m_forms->hasResult());
    ResultWindow &result = m_forms->frmResult();
    QVERIFY(result.isVisible());
    QCOMPARE(result.outcome().iTotalQuestions, Count);
    QCOMPARE(result.outcome().iWrongAnswered, wrongOnPurpose);
    const auto line = [&result](const char *name) {
        return result.findChild<QLabel *>(QLatin1String(name))->text();
    };
    QVERIFY2(line("lblTotalQuestions").endsWith(QLatin1String(" 25")),
             qPrintable(line("lblTotalQuestions")));
    QVERIFY2(line("lblWrongAnswered").endsWith(QLatin1String("\t5")),
             qPrintable(line("lblWrongAnswered")));
    QVERIFY2(line("lblTimeTaken").endsWith(QLatin1String("\t50")),
             qPrintable(line("lblTimeTaken")));

    // Escape closes the result; the main window takes the keys again.
    QApplication::setActiveWindow(&result);
    QVERIFY(QTest::qWaitForWindowActive(&result));
    QVERIFY(press(QStringLiteral("Escape")));
    QVERIFY(!result.isVisible());
    QCOMPARE(m_ended, 0);
}

// The tab indices of the main window: the level options, the count, the seven kind buttons,
// then "Visit Website" and "Exit". Qt tabs to one option of an exclusive group, the marked
// one, and moves among the options with the arrow keys.
void TestKeyboard::mainWindowTabOrder()
{
    QVERIFY(showMain());
    const QStringList rest {"cbCountQ",        "cmdMath(0)",   "cmdMath(1)",   "cmdMath(2)",
                            "cmdMath(3)",      "cmdSeries(0)", "cmdSeries(1)", "cmdSeries(2)",
                            "cmdVisitWebsite", "cmdExit"};
    QCOMPARE(tabCycle(), QStringList {"Options(0)"} + rest);

    // With another level marked, Tab stops at that option instead.
    QVERIFY(press(QStringLiteral("Right")));
    QCOMPARE(focusName(), QStringLiteral("Options(1)"));
    QCOMPARE(m_forms->selection().Level, 1);
    QCOMPARE(tabCycle(), QStringList {"Options(1)"} + rest);

    // Backtab walks the same chain backwards.
    QVERIFY(press(QStringLiteral("Shift+Tab")));
    QCOMPARE(focusName(), QStringLiteral("cmdExit"));
}

// Selection view: the marked mode, then "Start Test". Question view: the answer box, "Close",
// "End Test".
void TestKeyboard::questionWindowTabOrder()
{
    QVERIFY(showMain());
    QStringList selection;
    QStringList question;
    QString failure;
    bool done = false;
    QObject context;
    whenQuestionWindowShown(
            &context,
            [&] {
                QuestionWindow &input = m_forms->frmInput();
                selection = tabCycle();
                if (!runSteps({QStringLiteral("Alt+S")}, failure))
                    return;
                if (!waitFor([&input] { return input.isTestRunning(); }))
                    return;
                question = tabCycle();
                // Alt+C closes the window from the question view.
                runSteps({QStringLiteral("Alt+C")}, failure);
                if (!waitFor([&input] { return !input.isVisible(); }))
                    failure = QStringLiteral("Alt+C did not close the question window");
            },
            done);
    QVERIFY(press(QStringLiteral("Alt+A")));
    QVERIFY2(waitFor([&done] { return done; }), "the question window never came up");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(selection, (QStringList {"optMode(0)", "cmdStart"}));
    QCOMPARE(question, (QStringList {"txtAnswer", "cmdClose", "cmdEndTest"}));
    QVERIFY(!m_forms->frmInput().isVisible());
    QVERIFY(!m_forms->hasResult());
}

// The "&Exit" button and the "&Exit" command on the menu bar share Alt+E; the key must still do
// something, and it is the menu bar's command: the program ends and no address is opened.
void TestKeyboard::altEIsTheMenuBarsExit()
{
    UrlRecorder browser;
    QVERIFY(showMain());
    QVERIFY(press(QStringLiteral("Alt+E")));
    QVERIFY(waitFor([this] { return m_ended > 0; }));
    QCOMPARE(m_ended, 1);
    QVERIFY(browser.opened.isEmpty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
