#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    sumwright::Program::setUpApplication();
    const sumwright::SystemClock clock;
    sumwright::Program program(sumwright::processSequence(), clock);
    program.frmMain().show();
    return QApplication::exec();
}
