#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "support/ProgramFixture.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QLabel>

using namespace sumwright;
using namespace sumwright::testing;

class TestResultWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fx.setUp(); }
    void cleanup() { m_fx.tearDown(); }

    void showsWithoutBlockingOrOwner();
    void keysAndCloseButton_data();
    void keysAndCloseButton();
    void closeBoxDiscardsLinesAndNextResultRebuildsThem();
    void nextResultReplacesOpenOne();

private:
    ResultWindow &result() { return m_fx.program().frmResult(); }
    void activateResult();

    ProgramFixture m_fx;
};

void TestResultWindow::activateResult()
{
    result().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&result()));
}

void TestResultWindow::showsWithoutBlockingOrOwner()
{
    QVERIFY(!m_fx.program().hasResult());
    m_fx.takeTest(0, 0);
    QVERIFY(result().isVisible());
    QCOMPARE(result().windowTitle(), QStringLiteral("Result"));
    QCOMPARE(result().parentWidget(), nullptr);
    QCOMPARE(result().windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!m_fx.program().frmInput().isVisible());
    const auto px = [](int t) { return qRound(t / 15.0); };
    QCOMPARE(result().size(), QSize(px(5280), px(3255)));
    QCOMPARE(control(&result(), "cmdClose")->geometry(),
             QRect(px(1680), px(2640), px(1935), px(495)));
    result().hide();
}

void TestResultWindow::keysAndCloseButton_data()
{
    QTest::addColumn<QString>("how"); // a key name, "alt+c" or "cmdClose"
    QTest::addColumn<bool>("hides");
    QTest::newRow("Escape") << "Escape" << true;
    QTest::newRow("Return") << "Return" << false;
    QTest::newRow("keypad Enter") << "Enter" << false;
    QTest::newRow("Space on cmdClose") << "Space" << true;
    QTest::newRow("Alt+C") << "alt+c" << true;
    QTest::newRow("cmdClose") << "cmdClose" << true;
}

void TestResultWindow::keysAndCloseButton()
{
    QFETCH(QString, how);
    QFETCH(bool, hides);
    m_fx.takeTest(2, 7);
    activateResult();
    QPointer<QLabel> total = control<QLabel>(&result(), "lblTotalQuestions");
    QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus, control(&result(), "cmdClose"));

    const QHash<QString, Qt::Key> keys = {{"Escape", Qt::Key_Escape},
                                          {"Return", Qt::Key_Return},
                                          {"Enter", Qt::Key_Enter},
                                          {"Space", Qt::Key_Space}};
    if (how == QLatin1String("cmdClose"))
        input::click(&result(), how);
    else if (how == QLatin1String("alt+c"))
        QCOMPARE(input::accessKey('c'), QStringLiteral("cmdClose"));
    else
        input::keyClick(keys.value(how),
                        how == QLatin1String("Enter") ? Qt::KeypadModifier : Qt::NoModifier);

    QCOMPARE(result().isVisible(), !hides);
    // Hiding keeps the controls; only the close box discards them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(total);
    QCOMPARE(total->text().right(2), QStringLiteral(" 2"));
    result().hide();
}

void TestResultWindow::closeBoxDiscardsLinesAndNextResultRebuildsThem()
{
    m_fx.takeTest(1, 0);
    QPointer<QLabel> total = control<QLabel>(&result(), "lblTotalQuestions");
    QVERIFY(result().close());
    QVERIFY(!result().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(total.isNull());

    m_fx.reactivateMain();
    m_fx.takeTest(3, 65);
    QVERIFY(result().isVisible());
    QCOMPARE(text(&result(), "lblTotalQuestions"),
             QStringLiteral("Total Questions:") + QString(27, u' ') + "3");
    QCOMPARE(text(&result(), "lblWrongAnswered"),
             QStringLiteral("Wrong Answered:") + QString(23, u' ') + "\t3");
    QCOMPARE(text(&result(), "lblTimeTaken"),
             QStringLiteral("Time Taken (in sec.)") + QString(19, u' ') + "\t65");
    QVERIFY(shown(&result(), "cmdClose"));
    result().hide();
}

void TestResultWindow::nextResultReplacesOpenOne()
{
    m_fx.takeTest(4, 12);
    QVERIFY(result().isVisible());
    m_fx.reactivateMain();
    m_fx.takeTest(0, 3600);
    QVERIFY(result().isVisible());
    QVERIFY(text(&result(), "lblTotalQuestions").endsWith(QLatin1String(" 0")));
    QVERIFY(text(&result(), "lblWrongAnswered").endsWith(QLatin1String("\t0")));
    QVERIFY(text(&result(), "lblTimeTaken").endsWith(QLatin1String("\t3600")));
    result().hide();
}

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
