#pragma once

#include "core/TestSession.h"

#include <array>
#include <string>

namespace sumwright {

// Whole seconds of a span, with at least two digits: 07, 59, 123; a negative span (the clock
// was set back during the test) keeps its sign: -05.
[[nodiscard]] std::string secondsText(DateTime span);

// The three lines of the result window, blanks and tabs exactly as the window lays them out.
[[nodiscard]] std::array<std::string, 3> reportLines(const TestOutcome &outcome);

} // namespace sumwright
