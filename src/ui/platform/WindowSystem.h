#pragma once

#include <QPoint>
#include <optional>

class QWidget;
class QWindow;

namespace sumwright::windowsystem {

// What the program asks of the window system beyond what the toolkit does alike everywhere: the
// one place that knows how X11 and Wayland differ. WindowSystem.cpp is built everywhere; of the
// X11 part, WindowSystemX11.cpp is built where the X11 headers are found and WindowSystemNone.cpp
// elsewhere (or with -DSUMWRIGHT_X11=OFF). Whatever is built does nothing for a platform it
// does not know.

// Once, right after the QApplication is made: a held key arrives as repeated presses and one
// release, so one held Enter is one answer.
void reportHeldKeysAsOnePress();

// The program's first window has just been shown: it takes the keyboard.
void activateFirstWindow(QWidget *window);

// The active window is about to hide or close: `next`, a shown window, takes the keyboard.
// Called before the window goes, while the program still holds the focus it hands on.
void handKeyboardTo(QWidget *next);

// Where the window's client area is on the screen in the screen's own pixels, where the window
// system knows it exactly; nothing where it does not (Wayland gives a program no place on the
// screen).
[[nodiscard]] std::optional<QPoint> screenPixelOrigin(const QWindow &window);

} // namespace sumwright::windowsystem
