#include "CommandLine.h"
#include "DisplayCheck.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Language.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = sumwright::CommandLine::handle(argc, argv))
        return *status;
    sumwright::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.finish();
    const sumwright::Language language(sumwright::Language::systemLocale());
    sumwright::Program::setUpApplication();
    const sumwright::SystemClock clock;
    sumwright::Program program(sumwright::processSequence(), clock);
    program.showMainWindow();
    return QApplication::exec();
}
