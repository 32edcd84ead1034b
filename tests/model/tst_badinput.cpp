// Input no one should send, sent anyway: every case must leave the counts right and the
// program ready for the next test.

#include "ModelDriver.h"
#include "core/Answer.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

namespace {

// A click as the windowing system delivers it: a window blocked by a modal one never sees it.
void userClick(QWidget *control)
{
    static int time = 0;
    time += 1000;
    QWidget *window = control->window();
    // An option button takes clicks on its mark and caption only: aim at the mark.
    const QPoint inControl = qobject_cast<QRadioButton *>(control)
            ? QPoint(8, control->height() / 2)
            : control->rect().center();
    const QPointF local = control->mapTo(window, QPointF(inControl));
    const QPointF global = window->mapToGlobal(local);
    qt_handleMouseEvent(window->windowHandle(), local, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, time);
    qt_handleMouseEvent(window->windowHandle(), local, global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, Qt::NoModifier, time + 1);
}

} // namespace

class tst_badinput : public QObject
{
    Q_OBJECT

private:
    DriverClock m_clock;
    std::unique_ptr<DriverRandom> m_random;
    std::unique_ptr<AddressLog> m_addresses;
    std::unique_ptr<sumwright::Program> m_forms;
    bool m_ended = false;

    MainWindow &main() { return m_forms->frmMain(); }
    QuestionWindow &input() { return m_forms->frmInput(); }
    QLineEdit *answerBox() { return shownChild<QLineEdit>(&input(), QStringLiteral("txtAnswer")); }
    QString expected()
    {
        return QString::fromStdString(sumwright::answerText(input().session().vAnswer));
    }
    QString resultLine(const char *name)
    {
        return shownChild<QLabel>(&m_forms->frmResult(), QLatin1String(name))->text();
    }

    // Opens an Addition test and runs `body` inside the question window's own modal loop;
    // the test is ended with "&End Test" if the body leaves it running.
    void duringTest(const std::function<void()> &body)
    {
        reactivateMain(); // before the timer below: waiting runs it
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            [&] {
                QPushButton *start = shownChild<QPushButton>(&input(), QStringLiteral("cmdStart"));
                QVERIFY(start);
                // The offscreen platform may leave a window shown for the second time focused
                // but not active; a user's click on it would activate it.
                input().activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), &input());
                userClick(start);
                QVERIFY(input().isTestRunning());
                QVERIFY(answerBox() && answerBox()->hasFocus());
                body();
                ran = true;
            }();
            if (auto *end = shownChild<QPushButton>(&input(), QStringLiteral("cmdEndTest")))
                userClick(end);
            if (input().isVisible())
                input().hide(); // a failed check must not leave the modal loop running
        });
        userClick(shownChild<QPushButton>(&main(), QStringLiteral("cmdMath(0)")));
        QVERIFY(ran);
    }

    // A desktop hands the focus back to the main window when a modal window goes; the
    // offscreen platform leaves no window active.
    void reactivateMain()
    {
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }

    // Types the expected answer and Enter: the next question (or the result) must follow and
    // count it right, which shows the program is still usable.
    void answerRight()
    {
        const int asked = input().session().iAsked;
        const int wrong = input().session().iWrong;
        QTest::keyClicks(answerBox(), expected());
        QTest::keyClick(answerBox(), Qt::Key_Return);
        QCOMPARE(input().session().iAsked, asked + 1);
        QCOMPARE(input().session().iWrong, wrong);
    }

    // Submits whatever the box holds and expects it counted wrong.
    void submitExpectingWrong()
    {
        const int asked = input().session().iAsked;
        const int wrong = input().session().iWrong;
        QTest::keyClick(answerBox(), Qt::Key_Return);
        QCOMPARE(input().session().iAsked, asked + 1);
        QCOMPARE(input().session().iWrong, wrong + 1);
        QVERIFY(input().isTestRunning());
        QCOMPARE(answerBox()->text(), QString());
    }

    // After every case: one more complete test of 25 answers runs and reports right.
    void nextTestRuns()
    {
        duringTest([this] {
            for (int i = 0; i < 25 && input().isTestRunning(); ++i)
                answerRight();
            QVERIFY(!input().isTestRunning());
        });
        QVERIFY(m_forms->frmResult().isVisible());
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 25")));
        QVERIFY(resultLine("lblWrongAnswered").endsWith(QLatin1String("\t0")));
        QVERIFY(!m_ended);
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        m_random = std::make_unique<DriverRandom>();
        m_addresses = std::make_unique<AddressLog>();
        m_forms = std::make_unique<sumwright::Program>(*m_random, m_clock);
        m_ended = false;
        m_forms->setProgramEnder([this] { m_ended = true; });
        main().show();
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }

    void cleanup()
    {
        if (!QTest::currentTestFailed())
            nextTestRuns();
        m_forms.reset();
        m_addresses.reset();
    }

    void shouldCountTheLongestAnswerAsOneWrongAnswer()
    {
        duringTest([this] {
            QLineEdit *box = answerBox();
            box->setFocus();
            // Pasted up to one short of the limit (typing it key by key takes a minute), then
            // typed.
            QApplication::clipboard()->setText(QString(32766, QLatin1Char('7')));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClicks(box, QStringLiteral("789"));
            QCOMPARE(box->text().size(), 32767); // the box's own limit: the rest is dropped
            submitExpectingWrong();
            answerRight();
        });
    }

    void shouldTakePastedTextAsTypedText_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("two lines") << QStringLiteral("12\n34");
        QTest::newRow("Windows line ends") << QStringLiteral("1\r\n2\r\n");
        QTest::newRow("a page of text") << QStringLiteral("line of text\n").repeated(2000);
        QTest::newRow("tabs and NUL") << QStringLiteral("1\t2") + QChar(0) + QStringLiteral("3");
    }

    void shouldTakePastedTextAsTypedText()
    {
        QFETCH(QString, pasted);
        duringTest([&] {
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(answerBox(), Qt::Key_V, Qt::ControlModifier);
            QVERIFY(!answerBox()->text().isEmpty());
            submitExpectingWrong();
            // The right answer pasted alone is right.
            QApplication::clipboard()->setText(expected());
            QTest::keyClick(answerBox(), Qt::Key_V, Qt::ControlModifier);
            const int wrong = input().session().iWrong;
            QTest::keyClick(answerBox(), Qt::Key_Return);
            QCOMPARE(input().session().iWrong, wrong);
            QCOMPARE(input().session().iAsked, 2);
        });
    }

    void shouldCountForeignScriptsAsWrong_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Hebrew") << QStringLiteral("שלום") << QString();
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("١٢٣") << QString();
        QTest::newRow("right-to-left mark before") << QStringLiteral("\u200f") << QString();
        QTest::newRow("left-to-right override around")
                << QStringLiteral("\u202d") << QStringLiteral("\u202c");
        QTest::newRow("combining acute after") << QString() << QStringLiteral("\u0301");
        QTest::newRow("combining marks alone") << QStringLiteral("\u0308\u0301\u0327") << QString();
        QTest::newRow("fullwidth digits") << QStringLiteral("１２") << QString();
        QTest::newRow("emoji") << QStringLiteral("😀") << QString();
    }

    void shouldCountForeignScriptsAsWrong()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        duringTest([&] {
            // Around the right answer, so only the odd characters make it wrong.
            answerBox()->insert(before + expected() + after);
            submitExpectingWrong();
            answerRight();
        });
    }

    void shouldIgnoreControlCharacters_data()
    {
        QTest::addColumn<int>("code");
        for (const int code : {0x01, 0x07, 0x08, 0x09, 0x0a, 0x0d, 0x1b, 0x1f, 0x7f})
            QTest::addRow("U+%04X", code) << code;
    }

    void shouldIgnoreControlCharacters()
    {
        QFETCH(int, code);
        duringTest([&] {
            const QString right = expected();
            QTest::keyClicks(answerBox(), right);
            // As a keyboard sends them: a key with a control character as its text.
            userKeyClick(&input(), Qt::Key_unknown, Qt::NoModifier, QString(QChar(code)));
            QCOMPARE(answerBox()->text(), right);
            QTest::keyClick(answerBox(), Qt::Key_Return);
            QCOMPARE(input().session().iWrong, 0);
            QCOMPARE(input().session().iAsked, 1);
        });
    }

    void shouldSubmitOnceWhileEnterIsHeld_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("repeats");
        QTest::newRow("Return, brief") << int {Qt::Key_Return} << 1;
        QTest::newRow("Return, long") << int {Qt::Key_Return} << 200;
        QTest::newRow("keypad Enter, long") << int {Qt::Key_Enter} << 200;
    }

    void shouldSubmitOnceWhileEnterIsHeld()
    {
        QFETCH(int, key);
        QFETCH(int, repeats);
        duringTest([&] {
            const Qt::KeyboardModifiers modifiers
                    = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            const QString cr = QStringLiteral("\r");
            QTest::keyClicks(answerBox(), expected());
            userKey(&input(), QEvent::KeyPress, key, modifiers, cr);
            for (int i = 0; i < repeats; ++i) {
                userKey(&input(), QEvent::KeyRelease, key, modifiers, cr, true);
                userKey(&input(), QEvent::KeyPress, key, modifiers, cr, true);
            }
            QCOMPARE(input().session().iAsked, 0); // nothing until the key comes up
            userKey(&input(), QEvent::KeyRelease, key, modifiers, cr);
            QCOMPARE(input().session().iAsked, 1);
            QCOMPARE(input().session().iWrong, 0);
            QVERIFY(input().isTestRunning());
        });
    }

    void shouldIgnoreTheMainWindowWhileATestIsOpen()
    {
        duringTest([this] {
            for (const char *name :
                 {"Options(2)", "cmdMath(1)", "cmdSeries(2)", "cmdVisitWebsite", "cmdExit"})
                userClick(shownChild(&main(), QLatin1String(name)));
            // Its access keys and close box take nothing either.
            userKeyClick(&main(), Qt::Key_V, Qt::AltModifier, QStringLiteral("v"));
            QTest::qWait(150);
            QCOMPARE(QApplication::activeModalWidget(), &input());
            QCOMPARE(m_forms->selection().Level, 0);
            QCOMPARE(m_forms->selection().QIndex, 0);
            QVERIFY(m_addresses->opened.isEmpty());
            QVERIFY(!m_ended);
            QVERIFY(input().isTestRunning());
            answerRight();
        });
        // Once the test window is gone the same click works.
        userClick(shownChild(&main(), QStringLiteral("Options(2)")));
        QCOMPARE(m_forms->selection().Level, 2);
        userClick(shownChild(&main(), QStringLiteral("Options(0)")));
    }

    void shouldShowTimeWhenTheClockIsSetBack_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("five seconds back") << -5 << QStringLiteral("-05");
        QTest::newRow("an hour back") << -3600 << QStringLiteral("-3600");
        QTest::newRow("a day back") << -86400 << QStringLiteral("-86400");
        QTest::newRow("seven forward") << 7 << QStringLiteral("07");
    }

    void shouldShowTimeWhenTheClockIsSetBack()
    {
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        duringTest([&] {
            answerRight();
            m_clock.seconds += seconds;
        });
        QCOMPARE(resultLine("lblTimeTaken"),
                 QStringLiteral("Time Taken (in sec.)") + QString(19, QLatin1Char(' '))
                         + QLatin1Char('\t') + shown);
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 1")));
    }

    // A button clicked to leave a test is hidden with the focus still on it; when the window
    // comes back, keys must reach what is shown, not it (Space would "click" the hidden Close).
    void shouldKeepKeysOffButtonsHiddenWithTheTest_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::newRow("Close") << QStringLiteral("cmdClose");
        QTest::newRow("End Test") << QStringLiteral("cmdEndTest");
    }

    void shouldKeepKeysOffButtonsHiddenWithTheTest()
    {
        QFETCH(QString, leaveBy);
        duringTest([&] {
            answerRight();
            userClick(shownChild(&input(), leaveBy));
            QVERIFY(!input().isVisible());
        });
        reactivateMain(); // before the timer below: waiting runs it
        bool stayed = false;
        QTimer::singleShot(0, this, [&] {
            [&] {
                input().activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), &input());
                userKeyClick(&input(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                stayed = input().isVisible();
                QCOMPARE(QApplication::focusWidget(),
                         shownChild(&input(), QStringLiteral("optMode(0)")));
            }();
            if (input().isVisible())
                input().hide(); // ends the modal loop the click below opened
        });
        userClick(shownChild(&main(), QStringLiteral("cmdMath(1)")));
        QVERIFY(stayed);
    }

    // The last answer hides the window and a menu click already queued behind it runs while
    // the old modal loop is still winding down: the window must come back all the same.
    void shouldShowTheTestWindowChosenRightAfterTheLastAnswer()
    {
        QPushButton *series = shownChild<QPushButton>(&main(), QStringLiteral("cmdSeries(1)"));
        QVERIFY(series);
        bool shownAgain = false;
        duringTest([&] {
            for (int i = 0; i < 24; ++i)
                answerRight();
            QTest::keyClicks(answerBox(), expected());
            // A fast user's Enter and click arrive together, both handled before the modal loop
            // of the finished test has returned.
            QMetaObject::invokeMethod(
                    this,
                    [this] {
                        userKeyClick(&input(), Qt::Key_Return, Qt::NoModifier,
                                     QStringLiteral("\r"));
                    },
                    Qt::QueuedConnection);
            QMetaObject::invokeMethod(
                    this, [series] { userClick(series); }, Qt::QueuedConnection);
            QTRY_VERIFY(m_forms->selection().QType == 1);
            shownAgain = input().isVisible() && QApplication::activeModalWidget() == &input();
            QVERIFY(!input().isTestRunning());
            input().close();
        });
        QVERIFY(shownAgain);
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 25")));
    }

    // Alt with a letter that names no shown button must not type that letter into the answer
    // (Qt line edits would take it as text).
    void shouldKeepStrayAccessKeysOutOfTheAnswer_data()
    {
        QTest::addColumn<QChar>("letter");
        for (const char letter : {'S', 'V', 'N', 'A', 'H', 'Q'})
            QTest::addRow("Alt+%c", letter) << QChar(QLatin1Char(letter));
    }

    void shouldKeepStrayAccessKeysOutOfTheAnswer()
    {
        QFETCH(QChar, letter);
        duringTest([&] {
            const QString right = expected();
            QTest::keyClicks(answerBox(), right);
            userKeyClick(&input(), Qt::Key_A + (letter.unicode() - 'A'), Qt::AltModifier,
                         QString(letter.toLower()));
            QTest::qWait(150);
            QVERIFY(input().isTestRunning());
            QCOMPARE(answerBox()->text(), right);
            QTest::keyClick(answerBox(), Qt::Key_Return);
            QCOMPARE(input().session().iWrong, 0);
            // The access keys of the shown buttons still work.
            userKeyClick(&input(), Qt::Key_E, Qt::AltModifier, QStringLiteral("e"));
            QTRY_VERIFY(!input().isTestRunning());
        });
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 1")));
    }
};

QTEST_MAIN(tst_badinput)
#include "tst_badinput.moc"
