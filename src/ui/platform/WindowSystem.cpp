#include "ui/platform/WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>

namespace sumwright::windowsystem {

namespace {

// On Wayland the compositor alone gives the keyboard: to a new window, and to the window focused
// before when one goes. A client may only ask through xdg-activation, which a compositor may
// answer by marking the window urgent instead (sway's default), so the program asks nothing
// there. A launcher's activation token is used by the toolkit itself when the first window
// shows.
bool compositorGivesKeyboard()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

// Without a window manager (a bare X server, the offscreen platform) a shown window does not get
// the keyboard by itself; the toolkit then sets the input focus. Under a window manager, and on
// Windows and macOS, this is an ordinary activation request the system grants to the program
// in front.
void activateFirstWindow(QWidget *window)
{
    if (!compositorGivesKeyboard())
        window->activateWindow();
}

// A window manager gives the keyboard to the window before the active one that goes. With none
// (the program's own headless mode is a bare X server shared over VNC) nobody does: the keys
// would go to the root window and access keys stay dead until a click. Asked before the window
// goes, not after: once it is unmapped, the X server has moved the focus to the root window at a
// time later than any event the program has seen, and a focus request stamped with such an
// event's time is ignored.
void handKeyboardTo(QWidget *next)
{
    if (!compositorGivesKeyboard())
        next->activateWindow();
}

} // namespace sumwright::windowsystem
