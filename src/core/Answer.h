#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace sumwright {

// The expected answer of the question on screen: a 16-bit integer (arithmetic and number
// series) or a text (one capital letter, or digits for an alphanumeric series led by numbers).
using Answer = std::variant<std::int16_t, std::string>;

// The text an answer is compared against: plain decimal digits with a minus sign only when
// negative, or the text unchanged.
[[nodiscard]] std::string answerText(const Answer &answer);

// 16-bit arithmetic that refuses to wrap. Every range the program uses stays far inside the
// limits, so these never throw in practice; they exist so that a future change cannot silently
// produce a wrong answer.
[[nodiscard]] std::int16_t checkedInt16(long value);
[[nodiscard]] inline std::int16_t add16(std::int16_t a, std::int16_t b)
{
    return checkedInt16(long {a} + long {b});
}
[[nodiscard]] inline std::int16_t sub16(std::int16_t a, std::int16_t b)
{
    return checkedInt16(long {a} - long {b});
}
[[nodiscard]] inline std::int16_t mul16(std::int16_t a, std::int16_t b)
{
    return checkedInt16(long {a} * long {b});
}

} // namespace sumwright
