// One whole run of the program as a user makes it: start, one test of 25 answers, the result,
// both About windows, and the Exit button. The leak check and the no-file-writes check run
// this same session, so it keeps to what the real program does.

#include "ModelDriver.h"
#include "core/Answer.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void click(QWidget *control)
{
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton);
}

} // namespace

class tst_session : public QObject
{
    Q_OBJECT

private slots:
    void shouldRunOneWholeSession()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        DriverClock clock;
        DriverRandom random;
        AddressLog addresses;
        auto forms = std::make_unique<sumwright::Program>(random, clock);
        bool ended = false;
        forms->setProgramEnder([&ended] { ended = true; });
        MainWindow &main = forms->frmMain();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        // One test of 25 answers, typed key by key, 2 of them wrong.
        bool tested = false;
        QTimer::singleShot(0, &main, [&] {
            QuestionWindow &input = forms->frmInput();
            click(shownChild<QPushButton>(&input, QStringLiteral("cmdStart")));
            for (int i = 0; i < 25; ++i) {
                QLineEdit *answer = shownChild<QLineEdit>(&input, QStringLiteral("txtAnswer"));
                QVERIFY(answer);
                const QString right
                        = QString::fromStdString(sumwright::answerText(input.session().vAnswer));
                clock.seconds += 5;
                QTest::keyClicks(answer, i % 12 == 5 ? right + QLatin1Char('0') : right);
                QTest::keyClick(answer, Qt::Key_Return);
            }
            tested = !input.isVisible();
        });
        click(shownChild(&main, QStringLiteral("cmdMath(2)")));
        QVERIFY(tested);
        ResultWindow &result = forms->frmResult();
        QVERIFY(result.isVisible());
        QCOMPARE(shownChild<QLabel>(&result, QStringLiteral("lblWrongAnswered"))->text().right(2),
                 QStringLiteral("\t2"));
        QCOMPARE(shownChild<QLabel>(&result, QStringLiteral("lblTimeTaken"))->text().right(4),
                 QStringLiteral("\t125"));
        click(shownChild(&result, QStringLiteral("cmdClose")));

        // Both About windows, each left by a click on its text.
        bool aboutShown = false;
        QTimer::singleShot(0, &main, [&] {
            click(shownChild(&forms->frmAboutProduct(), QStringLiteral("lbl(1)")));
            aboutShown = true;
        });
        main.findChild<QAction *>(QStringLiteral("mAboutProduct"))->trigger();
        QVERIFY(aboutShown);
        aboutShown = false;
        QTimer::singleShot(0, &main, [&] {
            click(shownChild(&forms->frmAboutProgrammer(), QStringLiteral("lblLabel(0)")));
            aboutShown = true;
        });
        main.findChild<QAction *>(QStringLiteral("mAboutProgrammer"))->trigger();
        QVERIFY(aboutShown);

        click(shownChild(&main, QStringLiteral("cmdExit")));
        QVERIFY(ended);
        QCOMPARE(addresses.opened.size(), 1);
        forms.reset();
    }
};

QTEST_MAIN(tst_session)
#include "tst_session.moc"
