#include "ui/platform/WindowSystem.h"

namespace sumwright::windowsystem {

// Built without X11: every other window system reports a held key as presses and one release.
void reportHeldKeysAsOnePress() { }

std::optional<QPoint> screenPixelOrigin(const QWindow &)
{
    return std::nullopt;
}

} // namespace sumwright::windowsystem
