#include "core/ResultReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sumwright {

std::string secondsText(DateTime span)
{
    const double seconds = span * SecondsPerDay;
    if (std::isnan(seconds))
        return "00";
    // Beyond this a span means nothing to a person; clamping keeps the conversion defined.
    constexpr double Limit = 1e15;
    const auto whole = static_cast<long long>(std::nearbyint(std::clamp(seconds, -Limit, Limit)));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, whole < 0 ? "-%02lld" : "%02lld", std::llabs(whole));
    return buffer;
}

std::array<std::string, 3> reportLines(const TestOutcome &outcome)
{
    return {
            "Total Questions:" + std::string(27, ' ') + std::to_string(outcome.iTotalQuestions),
            "Wrong Answered:" + std::string(23, ' ') + '\t'
                    + std::to_string(outcome.iWrongAnswered),
            "Time Taken (in sec.)" + std::string(19, ' ') + '\t' + secondsText(outcome.CountTime),
    };
}

} // namespace sumwright
