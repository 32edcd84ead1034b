// The count text: any bytes give a number (never NaN); a plain run of digits after blanks
// gives exactly that number, and text that does not start with a number gives 0.

#include "FuzzCheck.h"
#include "core/AnswerCheck.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = sumwright::countValue(text);
    FUZZ_CHECK(!std::isnan(value));

    std::size_t i = 0;
    while (i < text.size()
           && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        sign = text[i++] == '-' ? -1.0 : 1.0;
    if (i == text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) {
        FUZZ_CHECK(value == 0.0);
        return 0;
    }
    // Up to 15 digits followed by something that cannot continue a number: exact.
    double digits = 0.0;
    std::size_t end = i;
    while (end < text.size() && end - i < 16 && text[end] >= '0' && text[end] <= '9')
        digits = digits * 10.0 + (text[end++] - '0');
    const bool plain = end > i && end - i <= 15
            && (end == text.size()
                || !((text[end] >= '0' && text[end] <= '9') || text[end] == '.' || text[end] == 'e'
                     || text[end] == 'E'));
    if (plain)
        FUZZ_CHECK(value == sign * digits);
    return 0;
}
