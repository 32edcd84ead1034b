#include "core/Answer.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

QString expectedLine(const char *prefix, int blanks, bool tab, const QString &value)
{
    return QString::fromLatin1(prefix) + QString(blanks, u' ')
            + (tab ? QStringLiteral("\t") : QString()) + value;
}

QStringList expectedReport(int total, int wrong, const QString &seconds)
{
    return {expectedLine("Total Questions:", 27, false, QString::number(total)),
            expectedLine("Wrong Answered:", 23, true, QString::number(wrong)),
            expectedLine("Time Taken (in sec.)", 19, true, seconds)};
}

// Plays a script of key events, each sent to whatever has the keyboard at that moment, as a
// user's keys arrive: "click:<key>" (press and release), "press:<key>", "release:<key>",
// "repeat:<key>" (an auto-repeated release and press, as X sends a held key) and
// "repeat-press:<key>" (an auto-repeated press alone, as with detectable auto-repeat).
void playKeys(const QStringList &events)
{
    const QHash<QString, Qt::Key> keys
            = {{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Tab", Qt::Key_Tab},
               {"Escape", Qt::Key_Escape}, {"A", Qt::Key_A},         {"7", Qt::Key_7},
               {"Space", Qt::Key_Space}};
    for (const QString &event : events) {
        const QString kind = event.section(u':', 0, 0);
        const Qt::Key key = keys.value(event.section(u':', 1));
        const Qt::KeyboardModifiers modifiers
                = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QVERIFY(QApplication::focusWidget());
        if (kind == QLatin1String("click")) {
            input::keyClick(key, modifiers);
        } else if (kind == QLatin1String("press")) {
            input::key(QEvent::KeyPress, key, modifiers);
        } else if (kind == QLatin1String("release")) {
            input::key(QEvent::KeyRelease, key, modifiers);
        } else if (kind == QLatin1String("repeat")) {
            for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress})
                input::key(type, key, modifiers, QStringLiteral("\r"), /*autoRepeat*/ true);
        } else {
            QCOMPARE(kind, QStringLiteral("repeat-press"));
            input::key(QEvent::KeyPress, key, modifiers, QStringLiteral("\r"),
                       /*autoRepeat*/ true);
        }
    }
}

} // namespace

class TestQuestionWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.setUp(); }
    void cleanup() { m_fx.tearDown(); }

    void firstShowingIsSelectionView();
    void answerIsComparedAsTyped_data();
    void answerIsComparedAsTyped();
    void wholeTestEndsOnTheLastEnter_data();
    void wholeTestEndsOnTheLastEnter();
    void testEndsEarly_data();
    void testEndsEarly();
    void enterSubmitsOncePerRelease_data();
    void enterSubmitsOncePerRelease();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void accessKeysActOnlyWhereTheirButtonIsShown_data();
    void accessKeysActOnlyWhereTheirButtonIsShown();
    void closeBoxDuringTestReportsAndRebuilds();
    void closeBoxWhileIdleReportsNothing();
    void seriesQuestionKeepsLastArithmeticAlignment_data();
    void seriesQuestionKeepsLastArithmeticAlignment();

private:
    QuestionWindow &input() { return m_fx.program().frmInput(); }
    ResultWindow &result() { return m_fx.program().frmResult(); }
    const TestSession &session() { return input().session(); }
    // Opens the question window from a kind button of the main window and runs `body` in it.
    void inQuestionWindow(const QString &kindButton, const std::function<void()> &body);
    // Types the expected answer (or a wrong one) into the focused answer box and presses Enter.
    void answer(bool right, bool lowerCase = false);
    QStringList reportShown();
    void closeResult();

    ProgramFixture m_fx;
};

void TestQuestionWindow::inQuestionWindow(const QString &kindButton,
                                          const std::function<void()> &body)
{
    whileModal([&] { input::click(&m_fx.main(), kindButton); }, [&](QWidget *) { body(); });
    m_fx.reactivateMain();
}

void TestQuestionWindow::answer(bool right, bool lowerCase)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus, control(&input(), "txtAnswer"));
    QVERIFY(text(&input(), "txtAnswer").isEmpty());
    QString typed = QString::fromStdString(answerText(session().vAnswer));
    if (!right)
        typed += u'0'; // a trailing digit never leaves the answer right: 12 becomes 120
    input::type(lowerCase ? typed.toLower() : typed);
    input::keyClick(Qt::Key_Return);
}

QStringList TestQuestionWindow::reportShown()
{
    if (!m_fx.program().hasResult() || !result().isVisible())
        return {};
    return {text(&result(), "lblTotalQuestions"), text(&result(), "lblWrongAnswered"),
            text(&result(), "lblTimeTaken")};
}

void TestQuestionWindow::closeResult()
{
    if (m_fx.program().hasResult())
        result().hide();
}

void TestQuestionWindow::firstShowingIsSelectionView()
{
    const auto px = [](int t) { return qRound(t / 15.0); };
    inQuestionWindow("cmdMath(0)", [&] {
        QCOMPARE(input().windowTitle(), QStringLiteral("Solve Questions"));
        QCOMPARE(input().size(), QSize(px(7455), px(5325)));
        for (const char *name : {"lblTitle", "Frame2", "optMode(0)", "optMode(1)", "cmdStart"})
            QVERIFY2(shown(&input(), name), name);
        for (const char *name : {"Frame1", "lblQuestion", "txtAnswer", "cmdEndTest", "cmdClose"})
            QVERIFY2(!shown(&input(), name), name);
        QVERIFY(control<QRadioButton>(&input(), "optMode(0)")->isChecked());
        QCOMPARE(control(&input(), "cmdClose")->geometry(),
                 QRect(px(5280), px(4560), px(2055), px(615)));

        input::click(&input(), "cmdStart");
        for (const char *name : {"Frame1", "lblQuestion", "txtAnswer", "cmdEndTest", "cmdClose"})
            QVERIFY2(shown(&input(), name), name);
        QVERIFY(!shown(&input(), "Frame2"));
        QWidget *answerBox = control(&input(), "txtAnswer");
        QCOMPARE(QApplication::focusWidget(), answerBox);
        QVERIFY(text(&input(), "txtAnswer").isEmpty());
        // Inside its frame, like every control of Frame1.
        QCOMPARE(answerBox->parentWidget(), control(&input(), "Frame1"));
        QCOMPARE(answerBox->geometry(), QRect(px(1560), px(2880), px(1695), px(450)));
        input::click(&input(), "cmdClose");
    });
}

void TestQuestionWindow::answerIsComparedAsTyped_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("right");
    QTest::newRow("as expected") << ""
                                 << "" << true;
    QTest::newRow("leading zero") << "0"
                                  << "" << false;
    QTest::newRow("plus sign") << "+"
                               << "" << false;
    QTest::newRow("decimal point") << ""
                                   << ".0" << false;
    QTest::newRow("blank before") << " "
                                  << "" << false;
    QTest::newRow("blank after") << ""
                                 << " " << false;
}

void TestQuestionWindow::answerIsComparedAsTyped()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, right);
    inQuestionWindow("cmdMath(0)", [&] {
        input::click(&input(), "cmdStart");
        const QString expected = QString::fromStdString(answerText(session().vAnswer));
        input::type(before + expected + after);
        input::keyClick(Qt::Key_Return);
        QCOMPARE(session().iAsked, 1);
        QCOMPARE(session().iWrong, right ? 0 : 1);
        input::click(&input(), "cmdClose");
    });
}

void TestQuestionWindow::wholeTestEndsOnTheLastEnter_data()
{
    QTest::addColumn<QString>("kindButton");
    QTest::addColumn<QString>("levelItem");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<QList<int>>("wrongAt");
    QTest::addColumn<int>("secondsEach");
    QTest::addColumn<QString>("seconds");
    QList<int> everyQuestion;
    for (int n = 1; n <= 25; ++n)
        everyQuestion << n;
    QTest::newRow("addition, 3 wrong, 2 min 5 s")
            << "cmdMath(0)"
            << "mEasy" << false << QList<int> {1, 13, 25} << 5 << "125";
    QTest::newRow("alphabet series typed in lower case, one hour")
            << "cmdSeries(1)"
            << "mHard" << true << QList<int> {} << 144 << "3600";
    QTest::newRow("division medium, all wrong") << "cmdMath(3)"
                                                << "mMedium" << false << everyQuestion << 0 << "00";
}

void TestQuestionWindow::wholeTestEndsOnTheLastEnter()
{
    QFETCH(QString, kindButton);
    QFETCH(QString, levelItem);
    QFETCH(bool, lowerCase);
    QFETCH(QList<int>, wrongAt);
    QFETCH(int, secondsEach);
    QFETCH(QString, seconds);
    trigger(&m_fx.main(), levelItem);

    inQuestionWindow(kindButton, [&] {
        input::click(&input(), "cmdStart");
        for (int n = 1; n <= 25; ++n) {
            QVERIFY2(input().isVisible() && input().isTestRunning(),
                     qPrintable(QString::number(n)));
            QCOMPARE(session().iAsked, n - 1);
            m_fx.clock.advance(secondsEach);
            answer(!wrongAt.contains(n), lowerCase);
            if (QTest::currentTestFailed())
                return;
            if (n == 24) {
                // Question 25 is on screen, the test still runs and nothing is reported yet.
                QVERIFY(input().isTestRunning());
                QVERIFY(!m_fx.program().hasResult());
            }
        }
        QVERIFY(!input().isVisible());
        QVERIFY(!input().isTestRunning());
    });
    QCOMPARE(session().iAsked, 25);
    QCOMPARE(reportShown(), expectedReport(25, int(wrongAt.size()), seconds));
    closeResult();
}

void TestQuestionWindow::testEndsEarly_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("ending"); // a button to click, or "alt+<letter>"
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("End Test at once") << 0 << "cmdEndTest" << true << "00";
    QTest::newRow("End Test after three") << 3 << "cmdEndTest" << true << "09";
    QTest::newRow("Alt+E after three") << 3 << "alt+e" << true << "09";
    QTest::newRow("Close after two") << 2 << "cmdClose" << false << "";
    QTest::newRow("Alt+C after two") << 2 << "alt+c" << false << "";
}

void TestQuestionWindow::testEndsEarly()
{
    QFETCH(int, answers);
    QFETCH(QString, ending);
    QFETCH(bool, reported);
    QFETCH(QString, seconds);

    inQuestionWindow("cmdMath(1)", [&] {
        input::click(&input(), "cmdStart");
        for (int n = 1; n <= answers; ++n) {
            m_fx.clock.advance(3);
            answer(n != 2);
        }
        QCOMPARE(session().iAsked, answers);
        if (ending.startsWith(QLatin1String("alt+")))
            QCOMPARE(input::accessKey(ending.back().toLatin1()),
                     ending.back() == u'e' ? QStringLiteral("cmdEndTest")
                                           : QStringLiteral("cmdClose"));
        else
            input::click(&input(), ending);
        QVERIFY(!input().isVisible());
        QVERIFY(!input().isTestRunning());
    });
    if (reported) {
        QCOMPARE(reportShown(), expectedReport(answers, answers >= 2 ? 1 : 0, seconds));
        closeResult();
        return;
    }
    // Close abandons the test: nothing reported, and the next test counts from 0.
    QVERIFY(!m_fx.program().hasResult());
    QCOMPARE(session().iAsked, answers);
    inQuestionWindow("cmdMath(1)", [&] {
        QVERIFY(shown(&input(), "Frame2"));
        QVERIFY(!shown(&input(), "Frame1"));
        input::click(&input(), "cmdStart");
        QCOMPARE(session().iAsked, 0);
        QCOMPARE(session().iWrong, 0);
        input::click(&input(), "cmdClose");
    });
    QVERIFY(!m_fx.program().hasResult());
}

void TestQuestionWindow::enterSubmitsOncePerRelease_data()
{
    // Key events sent to the focused widget: "click:<key>" (press and release),
    // "press:<key>", "release:<key>", "repeat:<key>" (an auto-repeated release and press).
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("submitted");
    QTest::newRow("Return") << QStringList {"click:Return"} << 1;
    QTest::newRow("keypad Enter") << QStringList {"click:Enter"} << 1;
    QTest::newRow("Return twice") << QStringList {"click:Return", "click:Return"} << 2;
    QTest::newRow("Return held down")
            << QStringList {"press:Return", "repeat:Return", "repeat:Return", "repeat:Return",
                            "release:Return"}
            << 1;
    QTest::newRow("keypad Enter held down")
            << QStringList {"press:Enter", "repeat:Enter", "repeat:Enter", "release:Enter"} << 1;
    QTest::newRow("press alone") << QStringList {"press:Return"} << 0;
    QTest::newRow("Tab") << QStringList {"click:Tab"} << 0;
    QTest::newRow("Escape") << QStringList {"click:Escape"} << 0;
    QTest::newRow("letters and digits") << QStringList {"click:A", "click:7", "click:Space"} << 0;
}

void TestQuestionWindow::enterSubmitsOncePerRelease()
{
    QFETCH(QStringList, events);
    QFETCH(int, submitted);

    inQuestionWindow("cmdMath(2)", [&] {
        input::click(&input(), "cmdStart");
        QWidget *const answerBox = control(&input(), "txtAnswer");
        QCOMPARE(QApplication::focusWidget(), answerBox);
        playKeys(events);
        QCOMPARE(session().iAsked, submitted);
        QCOMPARE(session().iWrong, submitted); // nothing was typed before Enter
        // No button was pressed on the way: the test runs on in the question view.
        QVERIFY(input().isVisible());
        QVERIFY(input().isTestRunning());
        QVERIFY(shown(&input(), "Frame1"));
        input::click(&input(), "cmdClose");
    });
    QVERIFY(!m_fx.program().hasResult());
}

void TestQuestionWindow::enterPressesTheFocusedButton_data()
{
    // Enter on a focused button, key events sent to it as in enterSubmitsOncePerRelease.
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("running");  // the test runs afterwards
    QTest::addColumn<bool>("reported"); // a result (of 0 answers) is shown
    QTest::newRow("Return on Start Test")
            << "cmdStart" << QStringList {"click:Return"} << true << false;
    QTest::newRow("keypad Enter on Start Test")
            << "cmdStart" << QStringList {"click:Enter"} << true << false;
    QTest::newRow("Return held on Start Test")
            << "cmdStart"
            << QStringList {"press:Return", "repeat-press:Return", "repeat-press:Return",
                            "release:Return"}
            << true << false;
    QTest::newRow("Return on End Test")
            << "cmdEndTest" << QStringList {"click:Return"} << false << true;
    QTest::newRow("keypad Enter on Close")
            << "cmdClose" << QStringList {"click:Enter"} << false << false;
}

void TestQuestionWindow::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(QStringList, events);
    QFETCH(bool, running);
    QFETCH(bool, reported);
    inQuestionWindow("cmdMath(0)", [&] {
        if (button != QLatin1String("cmdStart"))
            input::click(&input(), "cmdStart");
        QWidget *target = control(&input(), button);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        playKeys(events);
        QCOMPARE(input().isTestRunning(), running);
        QCOMPARE(input().isVisible(), running);
        // The key that started the test is no answer: nothing has been submitted yet.
        QCOMPARE(session().iAsked, 0);
        if (running)
            input::click(&input(), "cmdClose");
    });
    QCOMPARE(reportShown(), reported ? expectedReport(0, 0, "00") : QStringList());
    closeResult();
}

void TestQuestionWindow::accessKeysActOnlyWhereTheirButtonIsShown_data()
{
    QTest::addColumn<bool>("questionView");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("pressed"); // the button the key presses, if any
    QTest::addColumn<QString>("outcome"); // "starts", "reports", "closes" or "nothing"
    QTest::newRow("selection view Alt+S") << false << 's' << "cmdStart"
                                          << "starts";
    QTest::newRow("selection view Alt+E") << false << 'e' << ""
                                          << "nothing";
    QTest::newRow("selection view Alt+C") << false << 'c' << ""
                                          << "nothing";
    QTest::newRow("selection view Escape") << false << '\x1b' << ""
                                           << "nothing";
    QTest::newRow("question view Alt+E") << true << 'e' << "cmdEndTest"
                                         << "reports";
    QTest::newRow("question view Alt+C") << true << 'c' << "cmdClose"
                                         << "closes";
    QTest::newRow("question view Alt+S") << true << 's' << ""
                                         << "nothing";
    QTest::newRow("question view Escape") << true << '\x1b' << ""
                                          << "nothing";
}

void TestQuestionWindow::accessKeysActOnlyWhereTheirButtonIsShown()
{
    QFETCH(bool, questionView);
    QFETCH(char, key);
    QFETCH(QString, pressed);
    QFETCH(QString, outcome);

    inQuestionWindow("cmdMath(0)", [&] {
        if (questionView)
            input::click(&input(), "cmdStart");
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY(focus->window() == &input());
        if (key == '\x1b')
            input::keyClick(Qt::Key_Escape);
        else
            QCOMPARE(input::accessKey(key), pressed);

        const bool running = outcome == QLatin1String("starts")
                || (outcome == QLatin1String("nothing") && questionView);
        QCOMPARE(input().isTestRunning(), running);
        QCOMPARE(shown(&input(), "Frame1"), running);
        QCOMPARE(input().isVisible(), running || outcome == QLatin1String("nothing"));
        if (running)
            QCOMPARE(QApplication::focusWidget(), control(&input(), "txtAnswer"));
        if (input().isVisible() && input().isTestRunning())
            input::click(&input(), "cmdClose");
        else if (input().isVisible())
            input().close();
    });
    QCOMPARE(!reportShown().isEmpty(), outcome == QLatin1String("reports"));
    closeResult();
}

void TestQuestionWindow::closeBoxDuringTestReportsAndRebuilds()
{
    inQuestionWindow("cmdMath(0)", [&] {
        input::click(&input(), "optMode(1)");
        QVERIFY(session().bVertical);
        input::click(&input(), "cmdStart");
        answer(true);
        answer(false);
        m_fx.clock.advance(30);
        QVERIFY(input().close());
        QVERIFY(!input().isVisible());
    });
    QCOMPARE(reportShown(), expectedReport(2, 1, "30"));
    closeResult();
    QCOMPARE(session().iAsked, 2);
    QCOMPARE(session().iWrong, 1);

    // Rebuilt in its first state; the layout it will apply agrees with the marked option.
    inQuestionWindow("cmdMath(0)", [&] {
        QVERIFY(shown(&input(), "Frame2"));
        QVERIFY(!shown(&input(), "Frame1"));
        QVERIFY(!shown(&input(), "cmdEndTest"));
        QVERIFY(!shown(&input(), "cmdClose"));
        QVERIFY(control<QRadioButton>(&input(), "optMode(0)")->isChecked());
        QVERIFY(!control<QRadioButton>(&input(), "optMode(1)")->isChecked());
        QCOMPARE(text(&input(), "lblQuestion"), QStringLiteral("2 + 2"));
        QCOMPARE(text(&input(), "txtAnswer"), QStringLiteral("4"));
        QVERIFY(!session().bVertical);
        QCOMPARE(session().iAsked, 2);
        QVERIFY(input().close());
    });
    QVERIFY(reportShown().isEmpty());
}

void TestQuestionWindow::closeBoxWhileIdleReportsNothing()
{
    inQuestionWindow("cmdSeries(0)", [&] { QVERIFY(input().close()); });
    QVERIFY(!m_fx.program().hasResult());

    // Also after a finished test, whose result the user has already dismissed.
    inQuestionWindow("cmdSeries(0)", [&] {
        input::click(&input(), "cmdStart");
        input::click(&input(), "cmdEndTest");
    });
    QVERIFY(!reportShown().isEmpty());
    closeResult();
    inQuestionWindow("cmdSeries(0)", [&] { QVERIFY(input().close()); });
    QVERIFY(reportShown().isEmpty());
}

void TestQuestionWindow::seriesQuestionKeepsLastArithmeticAlignment_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("closeBoxBetween");
    QTest::addColumn<bool>("seriesCentred");
    QTest::newRow("after vertical") << "optMode(1)" << false << true;
    QTest::newRow("after horizontal") << "optMode(0)" << false << false;
    QTest::newRow("after vertical, window rebuilt") << "optMode(1)" << true << false;
}

void TestQuestionWindow::seriesQuestionKeepsLastArithmeticAlignment()
{
    QFETCH(QString, mode);
    QFETCH(bool, closeBoxBetween);
    QFETCH(bool, seriesCentred);
    const bool centred = mode == QLatin1String("optMode(1)");
    const auto question = [this] { return control<QLabel>(&input(), "lblQuestion"); };

    inQuestionWindow("cmdMath(0)", [&] {
        input::click(&input(), mode);
        input::click(&input(), "cmdStart");
        QCOMPARE(question()->font().pointSizeF(), 48.0);
        QCOMPARE(bool(question()->alignment() & Qt::AlignHCenter), centred);
        const QStringList lines = question()->text().split(u'\n');
        if (centred) {
            // "   7" over " + 5": the blanks balance the operator on the second line.
            QCOMPARE(lines.size(), 2);
            QVERIFY2(lines[0].startsWith(QLatin1String("   ")) && lines[0].at(3).isDigit(),
                     qPrintable(lines[0]));
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY(question()->text().endsWith(QLatin1String(" =")));
        }
        input::click(&input(), "cmdEndTest");
    });
    closeResult();
    if (closeBoxBetween)
        inQuestionWindow("cmdSeries(0)", [&] { QVERIFY(input().close()); });

    inQuestionWindow("cmdSeries(0)", [&] {
        input::click(&input(), "cmdStart");
        QCOMPARE(question()->font().pointSizeF(), 14.0);
        QCOMPARE(bool(question()->alignment() & Qt::AlignHCenter), seriesCentred);
        QVERIFY(question()->text().endsWith(QLatin1String(",  ?")));
        input::click(&input(), "cmdEndTest");
    });
    closeResult();

    // Unless the window was rebuilt, the layout chosen before holds for every question of the
    // next arithmetic test.
    const bool vertical = centred && !closeBoxBetween;
    inQuestionWindow("cmdMath(2)", [&] {
        QCOMPARE(control<QRadioButton>(&input(), "optMode(1)")->isChecked(), vertical);
        input::click(&input(), "cmdStart");
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(question()->font().pointSizeF(), 48.0);
            QCOMPARE(question()->text().contains(u'\n'), vertical);
            QCOMPARE(bool(question()->alignment() & Qt::AlignHCenter), vertical);
            answer(true);
        }
        input::click(&input(), "cmdClose");
    });
}

QTEST_MAIN(TestQuestionWindow)
#include "tst_questionwindow.moc"
