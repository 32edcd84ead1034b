#include "Version.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Forms.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane Sumwright"));
    QApplication::setApplicationVersion(QString::fromLatin1(sumwright::VersionText));
    QApplication::setDesktopFileName(QStringLiteral("example.quorvane.Sumwright"));
    // The program ends only through its exit paths, never because some window closed last.
    QApplication::setQuitOnLastWindowClosed(false);

    const sumwright::SystemClock clock;
    Forms forms(sumwright::ProcessSequence(), clock);
    forms.frmMain().show();
    return QApplication::exec();
}
