#include "CommandLine.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Forms.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = CommandLine::handle(argc, argv))
        return *status;
    QApplication app(argc, argv);
    const Language language(Language::systemLocale());
    Forms::setUpApplication();
    const sumwright::SystemClock clock;
    Forms forms(sumwright::ProcessSequence(), clock);
    forms.frmMain().show();
    return QApplication::exec();
}
