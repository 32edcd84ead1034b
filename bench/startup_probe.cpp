// The program's own start-up, exactly as its entry point does it, ending once the main window's
// first paint is done. A separate entry point so the program itself keeps no bench-only options.

#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Forms.h"
#include "ui/MainWindow.h"

#include "Version.h"

#include <QApplication>

namespace {

// Ends the event loop once the window's first paint has been delivered. Queued, so it runs after
// the whole window has been painted and flushed; exit() rather than quit(), which would first
// send every window a close request.
class QuitOnFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane Sumwright"));
    QApplication::setApplicationVersion(QString::fromLatin1(sumwright::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("example.quorvane.Sumwright"));
    QApplication::setQuitOnLastWindowClosed(false);

    const sumwright::SystemClock clock;
    Forms forms(sumwright::ProcessSequence(), clock);
    QuitOnFirstPaint quitter;
    forms.frmMain().installEventFilter(&quitter);
    forms.frmMain().show();
    return QApplication::exec();
}
