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

namespace {

// Characters, not bytes: a translated label may hold letters that UTF-8 writes in two or three.
std::size_t characters(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

std::string padded(const std::string &label, std::size_t column)
{
    const std::size_t length = characters(label);
    return label + std::string(length < column ? column - length : 1, ' ');
}

} // namespace

std::array<std::string, 3> reportLines(const TestOutcome &outcome, const ReportLabels &labels)
{
    return {
            padded(labels.totalQuestions, 43) + std::to_string(outcome.iTotalQuestions),
            padded(labels.wrongAnswered, 38) + '\t' + std::to_string(outcome.iWrongAnswered),
            padded(labels.timeTaken, 39) + '\t' + secondsText(outcome.CountTime),
    };
}

} // namespace sumwright
