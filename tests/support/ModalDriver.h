#pragma once

#include <functional>

class QWidget;

namespace sumwright::testing {

// Runs `body` inside the modal loop of the window that `open` shows, as soon as that window is
// shown and active (the window system's own signal, nothing polled), then hides whatever the
// body left open so a failed check cannot leave exec() waiting for ever. Fails the test if
// `open` showed nothing modal.
void whileModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body);

} // namespace sumwright::testing
