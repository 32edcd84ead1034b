// One whole run of the program as a user makes it: start, one test of 25 answers, the result,
// both About windows, and the Exit button. The leak check and the no-file-writes check run
// this same session, so it keeps to what the real program does.

#include "core/Answer.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QTest>

using namespace sumwright;
using namespace sumwright::testing;

class TestWholeSession : public QObject
{
    Q_OBJECT

private slots:
    void runsOneWholeSession()
    {
        ProgramFixture fx;
        fx.setUp();
        MainWindow &main = fx.main();

        // One test of 25 answers, typed key by key, 2 of them wrong.
        whileModal([&] { input::click(&main, QStringLiteral("cmdMath(2)")); },
                   [&](QWidget *) {
                       QuestionWindow &window = fx.input();
                       input::click(&window, QStringLiteral("cmdStart"));
                       for (int i = 0; i < 25; ++i) {
                           const QString right
                                   = QString::fromStdString(answerText(window.session().vAnswer));
                           fx.clock.advance(5);
                           input::type(i % 12 == 5 ? right + QLatin1Char('0') : right);
                           input::keyClick(Qt::Key_Return);
                       }
                   });
        QVERIFY(!fx.input().isVisible());
        ResultWindow &result = fx.result();
        QVERIFY(result.isVisible());
        QCOMPARE(text(&result, QStringLiteral("lblWrongAnswered")).right(2), QStringLiteral("\t2"));
        QCOMPARE(text(&result, QStringLiteral("lblTimeTaken")).right(4), QStringLiteral("\t125"));
        input::click(&result, QStringLiteral("cmdClose"));

        // Both About windows, each left by a click on its text.
        whileModal([&] { trigger(&main, QStringLiteral("mAboutProduct")); },
                   [&](QWidget *about) { input::click(about, QStringLiteral("lbl(1)")); });
        QVERIFY(!fx.program().frmAboutProduct().isVisible());
        whileModal([&] { trigger(&main, QStringLiteral("mAboutProgrammer")); },
                   [&](QWidget *about) { input::click(about, QStringLiteral("lblLabel(0)")); });
        QVERIFY(!fx.program().frmAboutProgrammer().isVisible());

        input::click(&main, QStringLiteral("cmdExit"));
        QCOMPARE(fx.programEnds, 1);
        QCOMPARE(fx.urls->opened.size(), 1);
        fx.tearDown();
    }
};

QTEST_MAIN(TestWholeSession)
#include "tst_session.moc"
