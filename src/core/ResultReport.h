#pragma once

#include "core/TestSession.h"

#include <array>
#include <string>

namespace sumwright {

// Whole seconds of a span, with at least two digits: 07, 59, 123; a negative span (the clock
// was set back during the test) keeps its sign: -05.
[[nodiscard]] std::string secondsText(DateTime span);

// The words before each number, UTF-8, in the window's language; English is the original.
struct ReportLabels
{
    std::string totalQuestions = "Total Questions:";
    std::string wrongAnswered = "Wrong Answered:";
    std::string timeTaken = "Time Taken (in sec.)";
};

// The three lines of the result window, blanks and tabs exactly as the window lays them out.
// Each label is padded with blanks to the column where the English one's blanks end (43, 38 and
// 39 characters), at least one blank after a longer label; the numbers are never translated.
[[nodiscard]] std::array<std::string, 3> reportLines(const TestOutcome &outcome,
                                                     const ReportLabels &labels = {});

} // namespace sumwright
