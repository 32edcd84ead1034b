// Each window built alone, without the program: what it tells through its signals is all the
// program learns from it, and what it is given is all it reads.

#include "core/AnswerCheck.h"
#include "core/ResultReport.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ReplayRandom.h"
#include "support/SettableClock.h"
#include "ui/AboutProductWindow.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace sumwright;
using namespace sumwright::testing;

Q_DECLARE_METATYPE(std::string)

class TestStandalone : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // The load handler tells the start-up selection; the controls tell every change after.
    void mainWindowTellsItsSelection()
    {
        MainWindow main;
        QSignalSpy levels(&main, &MainWindow::levelChanged);
        QSignalSpy tags(&main, &MainWindow::levelTagChanged);
        QSignalSpy counts(&main, &MainWindow::countTextChanged);
        QSignalSpy kinds(&main, &MainWindow::kindChosen);
        main.load();
        QCOMPARE(levels.last().at(0).value<std::int16_t>(), 0);
        QCOMPARE(tags.last().at(0).value<std::string>(), "[Easy Mode]");
        QCOMPARE(counts.last().at(0).value<std::string>(), "25");

        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        trigger(&main, QStringLiteral("mHard"));
        QCOMPARE(levels.last().at(0).value<std::int16_t>(), 2);
        QCOMPARE(tags.last().at(0).value<std::string>(), "[Hard Mode]");
        control<QWidget>(&main, QStringLiteral("cbCountQ"))->setFocus();
        input::keyClick(Qt::Key_Down);
        QCOMPARE(counts.last().at(0).value<std::string>(), "50");
        // A kind is only told; the window opens nothing itself.
        input::click(&main, QStringLiteral("cmdSeries(1)"));
        QCOMPARE(kinds.size(), 1);
        QCOMPARE(kinds.last().at(0).value<std::int16_t>(), 1);
        QCOMPARE(kinds.last().at(1).value<std::int16_t>(), 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The question window reads the count it is given at every answer, not once per test.
    void questionWindowReadsTheCountAtEveryAnswer()
    {
        QuestionSelection selection;
        selection.countText = "25";
        ReplayRandom random;
        SettableClock clock;
        QuestionWindow window(selection, random, clock);
        QSignalSpy ended(&window, &QuestionWindow::testEnded);
        whileModal([&] { window.showModal(); },
                   [&](QWidget *) {
                       input::click(&window, QStringLiteral("cmdStart"));
                       input::answer(QString::fromStdString(answerText(window.session().vAnswer)));
                       input::answer(QStringLiteral("x"));
                       const std::string three = "3";
                       selection.countText = three;
                       clock.advance(9);
                       input::answer(QString::fromStdString(answerText(window.session().vAnswer)));
                   });
        QCOMPARE(ended.size(), 1);
        const auto outcome = ended.last().at(0).value<TestOutcome>();
        QCOMPARE(outcome.iTotalQuestions, 3);
        QCOMPARE(outcome.iWrongAnswered, 1);
        QCOMPARE(secondsText(outcome.CountTime), "09");
    }

    // The outcome arrives whole and the lines are core's report of it.
    void resultWindowShowsTheOutcomeItIsGiven()
    {
        ResultWindow window;
        const TestOutcome outcome {125 / SecondsPerDay, 25, 2};
        window.ShowResult(outcome);
        QVERIFY(window.isVisible());
        const auto lines = reportLines(outcome);
        QCOMPARE(text(&window, QStringLiteral("lblTotalQuestions")).toStdString(), lines[0]);
        QCOMPARE(text(&window, QStringLiteral("lblWrongAnswered")).toStdString(), lines[1]);
        QCOMPARE(text(&window, QStringLiteral("lblTimeTaken")).toStdString(), lines[2]);
        window.hide();
    }

    void aboutWindowAsksForTheWebsite()
    {
        AboutProductWindow window;
        QSignalSpy asked(&window, &AboutProductWindow::websiteRequested);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        input::click(&window, QStringLiteral("lblLink"));
        QCOMPARE(asked.size(), 1);
        QVERIFY(window.isVisible());
        window.hide();
    }
};

QTEST_MAIN(TestStandalone)
#include "tst_standalone.moc"
