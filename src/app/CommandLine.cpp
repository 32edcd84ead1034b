#include "CommandLine.h"

#include "Version.h"
#include "ui/Language.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <string_view>

namespace sumwright {

namespace {

// The options Qt's application objects take out of the command line themselves, as Qt documents
// them for QGuiApplication, QApplication and the X11 platform. Each may be written with one
// dash or two; those that take a value take the next argument, or follow "=".
struct ToolkitOption
{
    std::string_view name;
    bool takesValue;
};
constexpr ToolkitOption ToolkitOptions[] = {
        {"platform", true},
        {"platformpluginpath", true},
        {"platformtheme", true},
        {"plugin", true},
        {"qwindowgeometry", true},
        {"qwindowicon", true},
        {"qwindowtitle", true},
        {"qmljsdebugger", true},
        {"session", true},
        {"style", true},
        {"stylesheet", true},
        {"display", true},
        {"geometry", true},
        {"title", true},
        {"icon", true},
        {"name", true},
        {"reverse", false},
        {"widgetcount", false},
        {"testability", false},
        {"nograb", false},
        {"dograb", false},
};

// The arguments left for this program once Qt's own are set aside (argv[0] included).
QStringList ownArguments(int argc, char **argv)
{
    QStringList own;
    if (argc > 0)
        own << QString::fromLocal8Bit(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        const bool dashed = arg.size() > 1 && arg[0] == '-';
        if (dashed) {
            std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
            const std::size_t equals = name.find('=');
            const bool inlineValue = equals != std::string_view::npos;
            name = name.substr(0, equals);
            const auto *option = std::find_if(
                    std::begin(ToolkitOptions), std::end(ToolkitOptions),
                    [name](const ToolkitOption &known) { return known.name == name; });
            if (option != std::end(ToolkitOptions) && (!inlineValue || option->takesValue)) {
                if (option->takesValue && !inlineValue)
                    ++i;
                continue;
            }
        }
        own << QString::fromLocal8Bit(argv[i]);
    }
    return own;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> CommandLine::handle(int argc, char **argv)
{
    const QStringList arguments = ownArguments(argc, argv);
    // The usual start: nothing to read, and nothing is set up for it.
    if (arguments.size() <= 1)
        return std::nullopt;

    QCoreApplication::setApplicationName(QStringLiteral("Quorvane Sumwright"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(sumwright::VersionText));
    // Translators need an application object; a plain one needs no display. It is gone again
    // before the program makes its own.
    int coreArgc = 1;
    QCoreApplication core(coreArgc, argv);
    const Language language(Language::systemLocale());

    QCommandLineParser parser;
    parser.setApplicationDescription(
            tr("Practise mental arithmetic and number, alphabet and alphanumeric series.\n"
               "Qt's own options, such as -platform or -style, are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        //: The program takes no file names or other arguments; %1 is what was given.
        error = tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        print(stderr, error + QStringLiteral("\n\n") + parser.helpText());
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout,
              QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                            QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace sumwright
