#pragma once

#include <QCoreApplication>
#include <optional>

namespace sumwright {

// The program's command line: --help and --version, Qt's own options left for Qt. Runs before
// any window system is touched, so it answers on a machine without a display.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    // The exit status when the command line asks for something other than the program itself
    // (help, the version, or an option the program does not know); nothing when the program
    // should start. Leaves argc and argv as they were for the application to read.
    [[nodiscard]] static std::optional<int> handle(int argc, char **argv);
};

} // namespace sumwright
