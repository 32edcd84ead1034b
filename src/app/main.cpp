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
    forms.frmMain().show();
    return QApplication::exec();
}
