#include "ui/platform/WindowSystem.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>
// The generated XKB header names a structure field "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace sumwright::windowsystem {

// A held key makes an X server repeat it as release-and-press pairs, and the toolkit tells a
// repeat from a real release only by finding the paired press already queued, which a busy
// program often has not yet read: a held Enter then submits many answers. Asked for detectable
// auto-repeat, the server sends the repeats as presses alone and one release at the end.
// Asked on the toolkit's own connection, so nothing more is opened or loaded.
void reportHeldKeysAsOnePress()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return; // Wayland, offscreen: the keys come as presses already.
    const auto cookie = xcb_xkb_per_client_flags(
            connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
            XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0);
    // Waited for, so the setting holds before the first key event can arrive.
    std::free(xcb_xkb_per_client_flags_reply(connection, cookie, nullptr));
}

} // namespace sumwright::windowsystem
