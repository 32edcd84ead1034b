// The program's own start-up, exactly as its entry point does it, ending once the main window's
// first paint is done. A separate entry point so the program itself keeps no bench-only options.

#include "QuitOnFirstPaint.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Forms.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Forms::setUpApplication();
    const sumwright::SystemClock clock;
    Forms forms(sumwright::ProcessSequence(), clock);
    QuitOnFirstPaint quitter;
    forms.frmMain().installEventFilter(&quitter);
    forms.frmMain().show();
    return QApplication::exec();
}
