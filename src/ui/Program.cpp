#include "ui/Program.h"

#include "Version.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/Addresses.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"
#include "ui/ScreenPixelAccessibility.h"
#include "ui/Tags.h"
#include "ui/platform/WindowSystem.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace sumwright {

Program::Program(RandomSource &random, const Clock &clock)
    : m_random(random)
    , m_clock(clock)
{
}

// Windows are destroyed in the reverse order of their use, the main window last.
Program::~Program()
{
    m_aboutProgrammer.reset();
    m_aboutProduct.reset();
    m_result.reset();
    m_input.reset();
    m_main.reset();
}

void Program::setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quorvane Sumwright"));
    QApplication::setApplicationVersion(QString::fromLatin1(VersionText));
    QApplication::setDesktopFileName(QStringLiteral("example.quorvane.Sumwright"));
    QApplication::setQuitOnLastWindowClosed(false);
    windowsystem::reportHeldKeysAsOnePress();
    accessibility::reportScreenPixels();
}

void Program::showMainWindow()
{
    frmMain().show();
    windowsystem::activateFirstWindow(&frmMain());
}

MainWindow &Program::frmMain()
{
    if (m_main)
        return *m_main;
    m_main = std::make_unique<MainWindow>();
    MainWindow *main = m_main.get();
    connect(main, &MainWindow::levelChanged, this,
            [this](std::int16_t level) { m_selection.Level = level; });
    connect(main, &MainWindow::levelTagChanged, this,
            [this](const std::string &tag) { m_selection.LevelTag = tag; });
    connect(main, &MainWindow::countTextChanged, this,
            [this](const std::string &text) { m_selection.countText = text; });
    connect(main, &MainWindow::kindChosen, this, &Program::chooseKind);
    connect(main, &MainWindow::aboutProgrammerRequested, this,
            [this] { frmAboutProgrammer().showModal(); });
    connect(main, &MainWindow::aboutProductRequested, this,
            [this] { frmAboutProduct().showModal(); });
    connect(main, &MainWindow::websiteRequested, this, [] { openAddress(addresses::WebsiteUrl); });
    connect(main, &MainWindow::leaveRequested, this, [this] {
        openAddress(addresses::ExitUrl);
        endProgram();
    });
    connect(main, &MainWindow::endRequested, this, &Program::endProgram);
    main->load();
    return *main;
}

QuestionWindow &Program::frmInput()
{
    if (m_input)
        return *m_input;
    m_input = std::make_unique<QuestionWindow>(m_selection, m_random, m_clock);
    connect(m_input.get(), &QuestionWindow::testEnded, this,
            [this](const TestOutcome &outcome) { frmResult().ShowResult(outcome); });
    return *m_input;
}

ResultWindow &Program::frmResult()
{
    if (!m_result)
        m_result = std::make_unique<ResultWindow>();
    return *m_result;
}

AboutProductWindow &Program::frmAboutProduct()
{
    if (m_aboutProduct)
        return *m_aboutProduct;
    m_aboutProduct = std::make_unique<AboutProductWindow>();
    connect(m_aboutProduct.get(), &AboutProductWindow::websiteRequested, this,
            [] { openAddress(addresses::WebsiteUrl); });
    return *m_aboutProduct;
}

AboutProgrammerWindow &Program::frmAboutProgrammer()
{
    if (!m_aboutProgrammer)
        m_aboutProgrammer = std::make_unique<AboutProgrammerWindow>();
    return *m_aboutProgrammer;
}

void Program::chooseKind(std::int16_t qType, std::int16_t qIndex)
{
    m_selection.QType = qType;
    m_selection.QIndex = qIndex;
    QuestionWindow &input = frmInput();
    // The kind button's tag, then the level's, both in the program's language.
    input.setTitle(Tags::kind(qType, qIndex) + QString::fromStdString(m_selection.LevelTag));
    input.showModal();
}

void Program::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void Program::endProgram() const
{
    if (m_ender)
        m_ender();
    else
        QCoreApplication::exit(0);
}

} // namespace sumwright
