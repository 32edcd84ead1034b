#include "ui/Forms.h"

#include "Version.h"
#include "ui/AboutProductWindow.h"
#include "ui/AboutProgrammerWindow.h"
#include "ui/MainWindow.h"
#include "ui/QuestionWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

Forms::Forms(sumwright::RandomSource &random, const sumwright::Clock &clock)
    : m_random(random)
    , m_clock(clock)
{
}

void Forms::setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quorvane Sumwright"));
    QApplication::setApplicationVersion(QString::fromLatin1(sumwright::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("example.quorvane.Sumwright"));
    QApplication::setQuitOnLastWindowClosed(false);
}

// Windows are destroyed in the reverse order of their use, the main window last.
Forms::~Forms()
{
    m_aboutProgrammer.reset();
    m_aboutProduct.reset();
    m_result.reset();
    m_input.reset();
    m_main.reset();
}

namespace {
template<typename W>
W &lazy(std::unique_ptr<W> &window, Forms &forms)
{
    if (!window)
        window = std::make_unique<W>(forms);
    return *window;
}
} // namespace

MainWindow &Forms::frmMain()
{
    return lazy(m_main, *this);
}

QuestionWindow &Forms::frmInput()
{
    return lazy(m_input, *this);
}

ResultWindow &Forms::frmResult()
{
    return lazy(m_result, *this);
}

AboutProductWindow &Forms::frmAboutProduct()
{
    return lazy(m_aboutProduct, *this);
}

AboutProgrammerWindow &Forms::frmAboutProgrammer()
{
    return lazy(m_aboutProgrammer, *this);
}

void Forms::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void Forms::endProgram() const
{
    if (m_ender)
        m_ender();
    else
        QCoreApplication::exit(0);
}
