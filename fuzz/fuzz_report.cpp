// The result lines from any span and counts: fixed prefixes, the counts' decimal text, and a
// seconds text of an optional minus and at least two digits that rounds the span.

#include "FuzzCheck.h"
#include "core/ResultReport.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool digitsOnly(const std::string &text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < sizeof(double) + 2 * sizeof(std::int16_t))
        return 0;
    sumwright::TestOutcome outcome;
    std::memcpy(&outcome.CountTime, data, sizeof(double));
    std::memcpy(&outcome.iTotalQuestions, data + 8, sizeof(std::int16_t));
    std::memcpy(&outcome.iWrongAnswered, data + 10, sizeof(std::int16_t));

    const auto lines = sumwright::reportLines(outcome);
    const std::string total = "Total Questions:" + std::string(27, ' ');
    const std::string wrong = "Wrong Answered:" + std::string(23, ' ') + '\t';
    const std::string time = "Time Taken (in sec.)" + std::string(19, ' ') + '\t';
    FUZZ_CHECK(lines[0] == total + std::to_string(outcome.iTotalQuestions));
    FUZZ_CHECK(lines[1] == wrong + std::to_string(outcome.iWrongAnswered));
    FUZZ_CHECK(lines[2].compare(0, time.size(), time) == 0);

    const std::string seconds = sumwright::secondsText(outcome.CountTime);
    FUZZ_CHECK(lines[2] == time + seconds);
    const bool negative = !seconds.empty() && seconds[0] == '-';
    const std::string magnitude = negative ? seconds.substr(1) : seconds;
    FUZZ_CHECK(digitsOnly(magnitude) && magnitude.size() >= 2);
    FUZZ_CHECK(magnitude.size() == 2 || magnitude[0] != '0');
    FUZZ_CHECK(!(negative && magnitude == "00")); // no "-00"

    // Within a human span the text is the nearest whole second.
    const double span = outcome.CountTime * 86400.0;
    if (std::isfinite(span) && std::fabs(span) < 1e12) {
        const double rounded = std::nearbyint(span);
        FUZZ_CHECK(std::stod(seconds) == rounded);
    }
    return 0;
}
