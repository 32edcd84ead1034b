// Input no one should send, sent anyway: every case must leave the counts right and the
// program ready for the next test.

#include "core/Answer.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace sumwright;
using namespace sumwright::testing;

class TestBadInput : public QObject
{
    Q_OBJECT

private:
    ProgramFixture m_fx;

    MainWindow &main() { return m_fx.main(); }
    QuestionWindow &input() { return m_fx.input(); }
    QLineEdit *answerBox() { return control<QLineEdit>(&input(), QStringLiteral("txtAnswer")); }
    QString expected() { return QString::fromStdString(answerText(input().session().vAnswer)); }
    QString resultLine(const char *name) { return text(&m_fx.result(), QLatin1String(name)); }

    // Opens an Addition test and runs `body` inside the question window's own modal loop;
    // the test is ended with "&End Test" if the body leaves it running.
    void duringTest(const std::function<void()> &body)
    {
        m_fx.reactivateMain();
        bool ran = false;
        whileModal([this] { input::click(&main(), QStringLiteral("cmdMath(0)")); },
                   [&](QWidget *) {
                       [&] {
                           input::click(&input(), QStringLiteral("cmdStart"));
                           QVERIFY(input().isTestRunning());
                           QVERIFY(answerBox()->hasFocus());
                           body();
                           ran = true;
                       }();
                       if (input().isTestRunning())
                           input::click(&input(), QStringLiteral("cmdEndTest"));
                   });
        QVERIFY(ran);
    }

    // Types the expected answer and Enter: the next question (or the result) must follow and
    // count it right, which shows the program is still usable.
    void answerRight()
    {
        const int asked = input().session().iAsked;
        const int wrong = input().session().iWrong;
        input::answer(expected());
        QCOMPARE(input().session().iAsked, asked + 1);
        QCOMPARE(input().session().iWrong, wrong);
    }

    // Submits whatever the box holds and expects it counted wrong.
    void submitExpectingWrong()
    {
        const int asked = input().session().iAsked;
        const int wrong = input().session().iWrong;
        input::keyClick(Qt::Key_Return);
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
        QVERIFY(m_fx.result().isVisible());
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 25")));
        QVERIFY(resultLine("lblWrongAnswered").endsWith(QLatin1String("\t0")));
        QCOMPARE(m_fx.programEnds, 0);
    }

private slots:

    void init() { m_fx.setUp(); }

    void cleanup()
    {
        if (!QTest::currentTestFailed())
            nextTestRuns();
        m_fx.result().hide();
        m_fx.tearDown();
    }

    void countTheLongestAnswerAsOneWrongAnswer()
    {
        duringTest([this] {
            QLineEdit *box = answerBox();
            box->setFocus();
            // Pasted up to one short of the limit (typing it key by key takes a minute), then
            // typed.
            QApplication::clipboard()->setText(QString(32766, QLatin1Char('7')));
            input::keyClick(Qt::Key_V, Qt::ControlModifier);
            input::type(QStringLiteral("789"));
            QCOMPARE(box->text().size(), 32767); // the box's own limit: the rest is dropped
            submitExpectingWrong();
            answerRight();
        });
    }

    void takePastedTextAsTypedText_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("two lines") << QStringLiteral("12\n34");
        QTest::newRow("Windows line ends") << QStringLiteral("1\r\n2\r\n");
        QTest::newRow("a page of text") << QStringLiteral("line of text\n").repeated(2000);
        QTest::newRow("tabs and NUL") << QStringLiteral("1\t2") + QChar(0) + QStringLiteral("3");
    }

    void takePastedTextAsTypedText()
    {
        QFETCH(QString, pasted);
        duringTest([&] {
            QApplication::clipboard()->setText(pasted);
            input::keyClick(Qt::Key_V, Qt::ControlModifier);
            QVERIFY(!answerBox()->text().isEmpty());
            submitExpectingWrong();
            // The right answer pasted alone is right.
            QApplication::clipboard()->setText(expected());
            input::keyClick(Qt::Key_V, Qt::ControlModifier);
            const int wrong = input().session().iWrong;
            input::keyClick(Qt::Key_Return);
            QCOMPARE(input().session().iWrong, wrong);
            QCOMPARE(input().session().iAsked, 2);
        });
    }

    void countForeignScriptsAsWrong_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Hebrew") << QStringLiteral("שלום") << QString();
        QTest::newRow("Arabic-Indic digits before ASCII ones") << QStringLiteral("١٢٣") << QString();
        QTest::newRow("right-to-left mark before") << QStringLiteral("\u200f") << QString();
        QTest::newRow("left-to-right override around")
                << QStringLiteral("\u202d") << QStringLiteral("\u202c");
        QTest::newRow("combining acute after") << QString() << QStringLiteral("\u0301");
        QTest::newRow("combining marks alone") << QStringLiteral("\u0308\u0301\u0327") << QString();
        QTest::newRow("full-width digits before ASCII ones") << QStringLiteral("１２") << QString();
        QTest::newRow("emoji") << QStringLiteral("😀") << QString();
    }

    void countForeignScriptsAsWrong()
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

    void ignoreControlCharacters_data()
    {
        QTest::addColumn<int>("code");
        for (const int code : {0x01, 0x07, 0x08, 0x09, 0x0a, 0x0d, 0x1b, 0x1f, 0x7f})
            QTest::addRow("U+%04X", code) << code;
    }

    void ignoreControlCharacters()
    {
        QFETCH(int, code);
        duringTest([&] {
            const QString right = expected();
            input::type(right);
            // As a keyboard sends them: a key with a control character as its text.
            input::keyClick(Qt::Key_unknown, Qt::NoModifier, QString(QChar(code)));
            QCOMPARE(answerBox()->text(), right);
            input::keyClick(Qt::Key_Return);
            QCOMPARE(input().session().iWrong, 0);
            QCOMPARE(input().session().iAsked, 1);
        });
    }

    void submitOnceWhileEnterIsHeld_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("repeats");
        QTest::newRow("Return, brief") << int {Qt::Key_Return} << 1;
        QTest::newRow("Return, long") << int {Qt::Key_Return} << 200;
        QTest::newRow("keypad Enter, long") << int {Qt::Key_Enter} << 200;
    }

    void submitOnceWhileEnterIsHeld()
    {
        QFETCH(int, key);
        QFETCH(int, repeats);
        duringTest([&] {
            const Qt::KeyboardModifiers modifiers
                    = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            const QString cr = QStringLiteral("\r");
            input::type(expected());
            input::key(QEvent::KeyPress, key, modifiers, cr);
            for (int i = 0; i < repeats; ++i) {
                input::key(QEvent::KeyRelease, key, modifiers, cr, true);
                input::key(QEvent::KeyPress, key, modifiers, cr, true);
            }
            QCOMPARE(input().session().iAsked, 0); // nothing until the key comes up
            input::key(QEvent::KeyRelease, key, modifiers, cr);
            QCOMPARE(input().session().iAsked, 1);
            QCOMPARE(input().session().iWrong, 0);
            QVERIFY(input().isTestRunning());
        });
    }

    void ignoreTheMainWindowWhileATestIsOpen()
    {
        duringTest([this] {
            for (const char *name :
                 {"Options(2)", "cmdMath(1)", "cmdSeries(2)", "cmdVisitWebsite", "cmdExit"})
                input::click(&main(), QLatin1String(name));
            // Its access keys and close box take nothing either.
            input::keyClick(Qt::Key_V, Qt::AltModifier, QStringLiteral("v"), &main());
            QVERIFY(!buttonHeldDown());
            QCOMPARE(QApplication::activeModalWidget(), &input());
            QCOMPARE(m_fx.program().selection().Level, 0);
            QCOMPARE(m_fx.program().selection().QIndex, 0);
            QVERIFY(m_fx.urls->opened.isEmpty());
            QCOMPARE(m_fx.programEnds, 0);
            QVERIFY(input().isTestRunning());
            answerRight();
        });
        // Once the test window is gone the same click works.
        input::click(&main(), QStringLiteral("Options(2)"));
        QCOMPARE(m_fx.program().selection().Level, 2);
        input::click(&main(), QStringLiteral("Options(0)"));
    }

    void showTimeWhenTheClockIsSetBack_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("five seconds back") << -5 << QStringLiteral("-05");
        QTest::newRow("an hour back") << -3600 << QStringLiteral("-3600");
        QTest::newRow("a day back") << -86400 << QStringLiteral("-86400");
        QTest::newRow("seven forward") << 7 << QStringLiteral("07");
    }

    void showTimeWhenTheClockIsSetBack()
    {
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        duringTest([&] {
            answerRight();
            m_fx.clock.advance(seconds);
        });
        QCOMPARE(resultLine("lblTimeTaken"),
                 QStringLiteral("Time Taken (in sec.)") + QString(19, QLatin1Char(' '))
                         + QLatin1Char('\t') + shown);
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 1")));
    }

    // A button clicked to leave a test is hidden with the focus still on it; when the window
    // comes back, keys must reach what is shown, not it (Space would "click" the hidden Close).
    void keepKeysOffButtonsHiddenWithTheTest_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::newRow("Close") << QStringLiteral("cmdClose");
        QTest::newRow("End Test") << QStringLiteral("cmdEndTest");
    }

    void keepKeysOffButtonsHiddenWithTheTest()
    {
        QFETCH(QString, leaveBy);
        duringTest([&] {
            answerRight();
            input::click(&input(), leaveBy);
            QVERIFY(!input().isVisible());
        });
        m_fx.reactivateMain();
        bool stayed = false;
        whileModal([this] { input::click(&main(), QStringLiteral("cmdMath(1)")); },
                   [&](QWidget *) {
                       input::keyClick(Qt::Key_Space);
                       stayed = input().isVisible();
                       QCOMPARE(QApplication::focusWidget(),
                                control(&input(), QStringLiteral("optMode(0)")));
                   });
        QVERIFY(stayed);
    }

    // The last answer hides the window and a menu click already queued behind it runs while
    // the old modal loop is still winding down: the window must come back all the same.
    void showTheTestWindowChosenRightAfterTheLastAnswer()
    {
        QPushButton *series = control<QPushButton>(&main(), QStringLiteral("cmdSeries(1)"));
        QVERIFY(series);
        bool shownAgain = false;
        duringTest([&] {
            for (int i = 0; i < 24; ++i)
                answerRight();
            input::type(expected());
            // A fast user's Enter and click arrive together, both handled before the modal loop
            // of the finished test has returned.
            QMetaObject::invokeMethod(
                    this,
                    [this] {
                        input::keyClick(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                    },
                    Qt::QueuedConnection);
            QMetaObject::invokeMethod(
                    this, [series] { input::click(series); }, Qt::QueuedConnection);
            QTRY_VERIFY(m_fx.program().selection().QType == 1);
            shownAgain = input().isVisible() && QApplication::activeModalWidget() == &input();
            QVERIFY(!input().isTestRunning());
            input().close();
        });
        QVERIFY(shownAgain);
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 25")));
    }

    // Alt with a letter that names no shown button must not type that letter into the answer
    // (Qt line edits would take it as text).
    void keepStrayAccessKeysOutOfTheAnswer_data()
    {
        QTest::addColumn<QChar>("letter");
        for (const char letter : {'S', 'V', 'N', 'A', 'H', 'Q'})
            QTest::addRow("Alt+%c", letter) << QChar(QLatin1Char(letter));
    }

    void keepStrayAccessKeysOutOfTheAnswer()
    {
        QFETCH(QChar, letter);
        duringTest([&] {
            const QString right = expected();
            input::type(right);
            QCOMPARE(input::accessKey(letter.toLatin1()), QString());
            QVERIFY(input().isTestRunning());
            QCOMPARE(answerBox()->text(), right);
            input::keyClick(Qt::Key_Return);
            QCOMPARE(input().session().iWrong, 0);
            // The access keys of the shown buttons still work.
            QCOMPARE(input::accessKey('e'), QStringLiteral("cmdEndTest"));
            QVERIFY(!input().isTestRunning());
        });
        QVERIFY(resultLine("lblTotalQuestions").endsWith(QLatin1String(" 1")));
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
