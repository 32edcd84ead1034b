// The program's own start-up, exactly as its entry point does it, ending once the main window's
// first paint is done. A separate entry point so the program itself keeps no bench-only options.

#include "QuitOnFirstPaint.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const sumwright::Language language(sumwright::Language::systemLocale());
    sumwright::Program::setUpApplication();
    const sumwright::SystemClock clock;
    sumwright::Program program(sumwright::processSequence(), clock);
    QuitOnFirstPaint quitter;
    program.frmMain().installEventFilter(&quitter);
    program.showMainWindow();
    return QApplication::exec();
}
