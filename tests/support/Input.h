#pragma once

#include <QEvent>
#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

// Input as the window system delivers it: keys to the window that has the keyboard (its focused
// control, or the open menu), clicks to whatever lies on top at that point of a window. A window
// blocked by a modal one never sees either.
namespace sumwright::testing::input {

// One key event to the window that has the keyboard.
void key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString &text = {}, bool autoRepeat = false);
// Press and release; the release is skipped if the press closed the window. To another window
// than the one with the keyboard only as a window system would, for one blocked by a modal
// window, which must take nothing.
void keyClick(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {},
              QWidget *window = nullptr);
// One chord as QKeySequence writes it ("Alt+T", "Right", "Space", "Shift+Tab"); false if no
// window has the keyboard.
bool press(const QString &chord);
// Character by character.
void type(const QString &text);
// What a user does to give an answer: select all, type it (or erase it), Enter.
void answer(const QString &text, int enterKey = Qt::Key_Return);
// Enter held down: auto-repeated presses and releases, then the real release.
void holdEnter(int enterKey, int repeats);
// Alt+letter. An access key presses its button at once and clicks it a moment later, as the
// platform animates it; returns the name of the button it pressed, or an empty name, once that
// click has run.
QString accessKey(char letter);

// A left click at a point of a window.
void clickAt(QWidget *window, QPoint at);
// A left click on a control, by default in the middle of what takes clicks (an option button's
// mark and caption).
void click(QWidget *control, std::optional<QPoint> at = std::nullopt);
void click(const QWidget *window, const QString &name);

} // namespace sumwright::testing::input
