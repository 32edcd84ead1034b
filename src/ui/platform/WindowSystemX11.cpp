#include "ui/platform/WindowSystem.h"

#include <QGuiApplication>
#include <QWindow>
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
namespace {

xcb_connection_t *toolkitConnection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

void reportHeldKeysAsOnePress()
{
    xcb_connection_t *connection = toolkitConnection();
    if (!connection)
        return; // Wayland, offscreen: the keys come as presses already.
    const auto cookie = xcb_xkb_per_client_flags(
            connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
            XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0);
    // Waited for, so the setting holds before the first key event can arrive.
    std::free(xcb_xkb_per_client_flags_reply(connection, cookie, nullptr));
}

// Qt keeps a window's place only in whole device-independent pixels, so on a scale of 1.5 a
// window at x = 310 is at 207 and would be put back at 311; the X server knows the exact place.
std::optional<QPoint> screenPixelOrigin(const QWindow &window)
{
    xcb_connection_t *connection = toolkitConnection();
    if (!connection || !window.handle())
        return std::nullopt;
    const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!root)
        return std::nullopt;
    const auto cookie = xcb_translate_coordinates(
            connection, static_cast<xcb_window_t>(window.winId()), root->root, 0, 0);
    xcb_translate_coordinates_reply_t *reply
            = xcb_translate_coordinates_reply(connection, cookie, nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint origin(reply->dst_x, reply->dst_y);
    std::free(reply);
    return origin;
}

} // namespace sumwright::windowsystem
