#pragma once

// Watches the X server from outside a program, as a person in front of the screen would: which
// top-level window appears, when it becomes viewable, and when its pixels on the screen change.
// Drawing is noticed through the DAMAGE extension on the root window (which covers every window
// on it), so nothing is polled and the watched program is not slowed by the watching.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace screenwatch {

using Clock = std::chrono::steady_clock;

[[nodiscard]] inline double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The pixels of one rectangle of the screen, reduced to what a comparison needs.
struct Frame
{
    std::uint64_t hash = 0;
    bool flat = true; // one colour all over: nothing drawn yet, only a background
    bool valid = false;

    [[nodiscard]] bool operator==(const Frame &other) const
    {
        return valid && other.valid && hash == other.hash;
    }
};

class ScreenWatch
{
public:
    ScreenWatch();
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch &) = delete;
    ScreenWatch &operator=(const ScreenWatch &) = delete;

    [[nodiscard]] bool ok() const { return m_display != nullptr; }
    [[nodiscard]] Display *display() const { return m_display; }

    // Forgets every window and every damage seen so far (between two runs).
    void reset();

    // Handles what the server has sent, waiting at most timeout for the first event. Returns
    // true when any damage touched the watched window's rectangle.
    bool pump(std::chrono::milliseconds timeout);

    // The first ordinary (not override-redirect) top-level window that became viewable since
    // reset(), and when that was seen.
    [[nodiscard]] std::optional<Window> mainWindow() const { return m_main; }
    [[nodiscard]] Clock::time_point mappedAt() const { return m_mappedAt; }
    // When the last damage event that touched the main window's rectangle arrived.
    [[nodiscard]] Clock::time_point lastDamageAt() const { return m_lastDamageAt; }
    // The watched window's client area in root coordinates (the window manager's frame left
    // out); empty while it is not viewable.
    [[nodiscard]] XRectangle clientRect() const;

    // Reads the screen over the rectangle.
    [[nodiscard]] Frame grab(const XRectangle &rect) const;

    // Makes this rectangle the one damage is reported for, instead of the main window's.
    void watchRect(const XRectangle &rect) { m_fixedRect = rect; }
    // Damage narrower than this is not counted: a text cursor blinking is not a new picture.
    void ignoreNarrowerThan(int width) { m_minimumWidth = width; }

private:
    void onEvent(const XEvent &event, Clock::time_point when, bool &touched);
    void checkViewable(Clock::time_point when);

    Display *m_display = nullptr;
    Window m_root = 0;
    int m_damageEvent = 0;
    Damage m_damage = 0;
    std::vector<Window> m_candidates;
    std::optional<Window> m_main;
    std::optional<XRectangle> m_fixedRect;
    int m_minimumWidth = 0;
    Clock::time_point m_mappedAt {};
    Clock::time_point m_lastDamageAt {};
};

} // namespace screenwatch
