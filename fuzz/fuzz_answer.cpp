// The answer check against a plain restatement of it: right exactly when the typed text, with
// a to z in capitals, is the expected answer's text, character for character, or when the
// expected text is a number and the typed one spells it in one script's digits.

#include "FuzzCheck.h"
#include "core/AnswerCheck.h"
#include "support/Spelled.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool sameInCapitals(std::string_view typed, std::string_view wanted)
{
    if (typed.size() != wanted.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c
                = typed[i] >= 'a' && typed[i] <= 'z' ? static_cast<char>(typed[i] - 32) : typed[i];
        if (c != wanted[i])
            return false;
    }
    return true;
}

bool isNumberText(std::string_view text)
{
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// Every way to write a number text: the digits of each script, each sign that means minus.
bool spells(std::string_view typed, std::string_view number)
{
    if (!isNumberText(number))
        return false;
    for (const char32_t zero : sumwright::decimalZeros()) {
        for (const char32_t minus : {U'-', U'\u2212', U'\uFF0D'}) {
            if (typed == sumwright::testing::spelled(number, zero, minus))
                return true;
            if (!number.starts_with('-'))
                break;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::string_view rest(reinterpret_cast<const char *>(data + 3), size - 3);
    if (data[0] & 1) {
        // A number: the typed text is everything after the two bytes of the number.
        std::int16_t number;
        std::memcpy(&number, data + 1, sizeof number);
        const bool right = sumwright::isRightAnswer(rest, sumwright::Answer {number});
        FUZZ_CHECK(right == spells(rest, std::to_string(number)));
        // The number's own text is always right, whatever the bytes were.
        FUZZ_CHECK(sumwright::isRightAnswer(std::to_string(number), sumwright::Answer {number}));
    } else {
        // A text: split at a byte position chosen by the input.
        const std::size_t cut = rest.empty() ? 0 : data[1] % (rest.size() + 1);
        const std::string expected(rest.substr(0, cut));
        const std::string_view typed = rest.substr(cut);
        const bool right = sumwright::isRightAnswer(typed, sumwright::Answer {expected});
        FUZZ_CHECK(right == (sameInCapitals(typed, expected) || spells(typed, expected)));
        const std::string upper = sumwright::upperCase(typed);
        FUZZ_CHECK(upper.size() == typed.size());
        FUZZ_CHECK(sameInCapitals(typed, upper));
        // Plain ASCII is never rewritten: what an English user types is compared as typed.
        const auto number = sumwright::asciiNumber(typed);
        if (number && std::ranges::all_of(typed, [](char c) { return (c & 0x80) == 0; }))
            FUZZ_CHECK(*number == typed);
    }
    return 0;
}
