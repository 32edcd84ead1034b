#include "CommandLine.h"
#include "core/DateTime.h"
#include "core/Random.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <xcb/xcb.h>
// The generated XKB header names a structure field "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

namespace {

// A held key makes an X server repeat it as release-and-press pairs, and the toolkit tells a
// repeat from a real release only by finding the paired press already queued, which a busy
// program often has not yet read: a held Enter then submits many answers. Asked for detectable
// auto-repeat, the server sends the repeats as presses alone and one release at the end.
void detectHeldKeys()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    const auto cookie = xcb_xkb_per_client_flags(
            connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
            XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0);
    // Waited for, so the setting holds before the first key event can arrive.
    std::free(xcb_xkb_per_client_flags_reply(connection, cookie, nullptr));
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = sumwright::CommandLine::handle(argc, argv))
        return *status;
    QApplication app(argc, argv);
    const sumwright::Language language(sumwright::Language::systemLocale());
    sumwright::Program::setUpApplication();
    detectHeldKeys();
    const sumwright::SystemClock clock;
    sumwright::Program program(sumwright::processSequence(), clock);
    program.frmMain().show();
    // Takes the keyboard even where no window manager hands it over.
    program.frmMain().activateWindow();
    return QApplication::exec();
}
