#include "ScreenWatch.h"

#include <algorithm>
#include <cstdio>
#include <poll.h>

namespace screenwatch {

namespace {

// A window can vanish between the event that named it and the request that asks about it; that
// is no error for a watcher.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

bool intersects(const XRectangle &a, const XRectangle &b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height
            && b.y < a.y + a.height;
}

} // namespace

ScreenWatch::ScreenWatch()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        std::fprintf(stderr, "screenwatch: cannot open the display\n");
        return;
    }
    XSetErrorHandler(ignoreErrors);
    m_root = DefaultRootWindow(m_display);
    int damageError = 0;
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &damageError)) {
        std::fprintf(stderr, "screenwatch: the X server has no DAMAGE extension\n");
        XCloseDisplay(m_display);
        m_display = nullptr;
        return;
    }
    XSelectInput(m_display, m_root, SubstructureNotifyMask);
    // Damage on the root covers the drawing into every window on the screen.
    m_damage = XDamageCreate(m_display, m_root, XDamageReportRawRectangles);
    XSync(m_display, False);
}

ScreenWatch::~ScreenWatch()
{
    if (m_display) {
        XDamageDestroy(m_display, m_damage);
        XCloseDisplay(m_display);
    }
}

void ScreenWatch::reset()
{
    XSync(m_display, False);
    while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
    }
    m_candidates.clear();
    m_main.reset();
    m_fixedRect.reset();
    m_minimumWidth = 0;
    m_mappedAt = {};
    m_lastDamageAt = {};
}

bool ScreenWatch::pump(std::chrono::milliseconds timeout)
{
    if (!XPending(m_display)) {
        pollfd fd {ConnectionNumber(m_display), POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(timeout.count())) <= 0)
            return false;
    }
    bool touched = false;
    const bool knewMain = m_main.has_value();
    while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
        onEvent(event, Clock::now(), touched);
    }
    // A window that became viewable in this batch shows whatever is on the screen under it,
    // from the moment it was seen viewable, unless drawing into it was seen later still.
    if (!knewMain && m_main) {
        touched = true;
        m_lastDamageAt = std::max(m_lastDamageAt, m_mappedAt);
    }
    return touched;
}

void ScreenWatch::onEvent(const XEvent &event, Clock::time_point when, bool &touched)
{
    if (event.type == m_damageEvent + XDamageNotify) {
        if (!m_main && !m_fixedRect)
            return;
        const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
        if (damage.area.width >= m_minimumWidth && intersects(damage.area, clientRect())) {
            touched = true;
            m_lastDamageAt = when;
        }
        return;
    }
    switch (event.type) {
    case CreateNotify:
        if (event.xcreatewindow.parent == m_root && !event.xcreatewindow.override_redirect) {
            m_candidates.push_back(event.xcreatewindow.window);
            XSelectInput(m_display, event.xcreatewindow.window, StructureNotifyMask);
        }
        break;
    case MapNotify:
    case ReparentNotify:
        if (!m_main)
            checkViewable(when);
        break;
    default:
        break;
    }
}

// Only a program's own window carries a class hint; a window manager's frame around it does not.
void ScreenWatch::checkViewable(Clock::time_point when)
{
    for (const Window window : m_candidates) {
        XWindowAttributes attributes {};
        if (!XGetWindowAttributes(m_display, window, &attributes))
            continue;
        if (attributes.map_state != IsViewable || attributes.override_redirect)
            continue;
        XClassHint hint {};
        if (!XGetClassHint(m_display, window, &hint))
            continue;
        XFree(hint.res_name);
        XFree(hint.res_class);
        m_main = window;
        m_mappedAt = when;
        return;
    }
}

XRectangle ScreenWatch::clientRect() const
{
    if (m_fixedRect)
        return *m_fixedRect;
    if (!m_main)
        return {};
    XWindowAttributes attributes {};
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XGetWindowAttributes(m_display, *m_main, &attributes) || attributes.map_state != IsViewable
        || !XTranslateCoordinates(m_display, *m_main, m_root, 0, 0, &x, &y, &child))
        return {};
    // Only what lies on the screen can be read back.
    const int screenWidth = DisplayWidth(m_display, DefaultScreen(m_display));
    const int screenHeight = DisplayHeight(m_display, DefaultScreen(m_display));
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + attributes.width, screenWidth);
    const int bottom = std::min(y + attributes.height, screenHeight);
    if (right <= left || bottom <= top)
        return {};
    return {static_cast<short>(left), static_cast<short>(top),
            static_cast<unsigned short>(right - left), static_cast<unsigned short>(bottom - top)};
}

Frame ScreenWatch::grab(const XRectangle &rect) const
{
    Frame frame;
    if (rect.width == 0 || rect.height == 0)
        return frame;
    XImage *image = XGetImage(m_display, m_root, rect.x, rect.y, rect.width, rect.height, AllPlanes,
                              ZPixmap);
    if (!image)
        return frame;
    // FNV-1a over the colour of every pixel; padding bytes and the unused alpha byte left out.
    std::uint64_t hash = 14695981039346656037ull;
    const unsigned long first = XGetPixel(image, 0, 0) & 0xffffff;
    bool flat = true;
    for (int y = 0; y < image->height; ++y) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(
                image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line);
        for (int x = 0; x < image->width; ++x) {
            const std::uint32_t pixel = image->bits_per_pixel == 32
                    ? line[x] & 0xffffff
                    : static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xffffff);
            flat = flat && pixel == first;
            hash = (hash ^ pixel) * 1099511628211ull;
        }
    }
    XDestroyImage(image);
    frame.hash = hash;
    frame.flat = flat;
    frame.valid = true;
    return frame;
}

} // namespace screenwatch
