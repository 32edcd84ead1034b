#include "support/ProgramFixture.h"

#include "support/Controls.h"
#include "support/Input.h"
#include "support/ModalDriver.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QTest>

namespace sumwright::testing {

void ProgramFixture::setUp()
{
    discard();
    // The test process must outlive the windows it closes.
    QApplication::setQuitOnLastWindowClosed(false);
    m_random = std::make_unique<ReplayRandom>();
    urls = std::make_unique<UrlRecorder>();
    programEnds = 0;
    m_program = std::make_unique<Program>(*m_random, clock);
    m_program->setProgramEnder([this] { ++programEnds; });
    main().show();
    reactivateMain();
}

void ProgramFixture::tearDown()
{
    if (m_program)
        main().hide();
    const QStringList leaked = visibleTopLevels();
    discard();
    QVERIFY2(leaked.isEmpty(), qPrintable(QStringLiteral("left open: ") + leaked.join(u',')));
}

void ProgramFixture::discard()
{
    m_program.reset();
    urls.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainWindow &ProgramFixture::main()
{
    return m_program->frmMain();
}

QuestionWindow &ProgramFixture::input()
{
    return m_program->frmInput();
}

ResultWindow &ProgramFixture::result()
{
    return m_program->frmResult();
}

void ProgramFixture::reactivateMain()
{
    main().activateWindow();
    if (!QTest::qWaitForWindowActive(&main()))
        QTest::qFail("the main window did not become active", __FILE__, __LINE__);
}

void ProgramFixture::takeTest(int answers, int seconds)
{
    whileModal([&] { input::click(&main(), QStringLiteral("cmdMath(0)")); },
               [&](QWidget *) {
                   input::click(&input(), QStringLiteral("cmdStart"));
                   for (int n = 0; n < answers; ++n)
                       input::keyClick(Qt::Key_Return);
                   clock.advance(seconds);
                   input::click(&input(), QStringLiteral("cmdEndTest"));
               });
}

} // namespace sumwright::testing
