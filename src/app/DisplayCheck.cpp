#include "DisplayCheck.h"

#include "ui/Language.h"

#include <cstdio>
#include <cstdlib>

namespace sumwright {

namespace {

// A message handler is a plain function: it finds its check here.
DisplayCheck *active = nullptr;

// The toolkit's own logging categories for its platform plug-ins: "qt.qpa.plugin" for loading
// them, "qt.qpa.xcb", "qt.qpa.wayland" and the like for what a plug-in says itself.
constexpr QLatin1String PluginLoading("qt.qpa.plugin");
constexpr QLatin1String PlatformPrefix("qt.qpa.");

} // namespace

DisplayCheck::DisplayCheck()
{
    active = this;
    m_previous = qInstallMessageHandler(&DisplayCheck::handle);
}

DisplayCheck::~DisplayCheck()
{
    finish();
}

void DisplayCheck::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    qInstallMessageHandler(m_previous);
    active = nullptr;
    for (const Message &message : std::as_const(m_held))
        passOn(message);
    m_held.clear();
}

void DisplayCheck::passOn(const Message &message) const
{
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    if (m_previous)
        m_previous(message.type, context, message.text);
    else
        qt_message_output(message.type, context, message.text);
}

// A platform plug-in was there and could not start: it found no display. Only a plug-in that is
// not installed at all (a misspelt -platform, say) keeps the toolkit's own advice.
bool DisplayCheck::noDisplay() const
{
    bool missing = false;
    for (const Message &message : m_held) {
        const QLatin1String category(message.category);
        if (category == PluginLoading) {
            if (message.text.startsWith(QLatin1String("Could not find")))
                missing = true;
            else
                return true;
        } else if (category.startsWith(PlatformPrefix)) {
            return true;
        }
    }
    return !missing;
}

void DisplayCheck::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    DisplayCheck *check = active;
    check->m_held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
    if (type != QtFatalMsg)
        return;
    if (!check->noDisplay()) {
        check->finish(); // the toolkit's messages and its abort, as without the check
        return;
    }
    // The application object is half made: nothing of it is torn down, and nothing else runs.
    const Language language(Language::systemLocale());
    std::fputs(noDisplayText().toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(NoDisplayStatus);
}

QString DisplayCheck::noDisplayText()
{
    const auto value = [](const char *name) { return QString::fromLocal8Bit(qgetenv(name)); };
    //: Said on the terminal when the program is started where it cannot open a window. %1 and
    //: %2 are the values of the environment variables DISPLAY and WAYLAND_DISPLAY, maybe empty.
    //: "scripts/run.sh" is a file name.
    return tr("No display found: the program needs an X11 display or a Wayland compositor to "
              "show its windows, and could reach neither (DISPLAY=%1, WAYLAND_DISPLAY=%2).\n"
              "Start it in a desktop session, or give it a display of its own: scripts/run.sh "
              "in the program's source tree starts one and shares it over VNC.\n")
            .arg(value("DISPLAY"), value("WAYLAND_DISPLAY"));
}

} // namespace sumwright
