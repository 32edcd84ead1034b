#pragma once

#include "core/Answer.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sumwright {

// The typed text in capitals. Only a to z change: every expected answer is digits or capital
// letters, so no other character can make an answer right, and the result must not depend on
// the user's locale. Digits of every script stay as they are.
[[nodiscard]] std::string upperCase(std::string_view text);

// The digit zero of every script that has decimal digits, ascending: each starts a run of ten
// code points, 0 to 9 in order, and nothing else in Unicode is a decimal digit.
[[nodiscard]] std::span<const char32_t> decimalZeros();

// A number typed in the decimal digits of any one script, with an optional minus sign in front,
// in ASCII: "١٢" and "１２" give "12", "−٥" gives "-5". A minus sign is "-", the minus sign
// U+2212 or the full-width "－" that Japanese input gives. Nothing for any other text, digits of
// two scripts in one number included ("1٢", "١۲"): mixed digits are a well-known way to show
// one number and mean another, so they are no number at all.
[[nodiscard]] std::optional<std::string> asciiNumber(std::string_view typed);

// Right exactly when the whole typed text, in capitals and with nothing trimmed, equals the
// text form of the expected answer: "012", "+12", "12.0" and " 12" are all wrong for 12. A
// number counts the same in any script's digits, so "١٢" is right and "٠١٢" wrong.
[[nodiscard]] bool isRightAnswer(std::string_view typed, const Answer &expected);

// The number at the start of a count text, leading blanks skipped; 0 when there is none.
[[nodiscard]] double countValue(std::string_view countText);

} // namespace sumwright
