#pragma once

#include "core/Answer.h"

#include <string>
#include <string_view>

namespace sumwright {

// The typed text in capitals. Only a to z change: every expected answer is digits or capital
// letters, so no other character can make an answer right, and the result must not depend on
// the user's locale.
[[nodiscard]] std::string upperCase(std::string_view text);

// Right exactly when the whole typed text, in capitals and with nothing trimmed, equals the
// text form of the expected answer: "012", "+12", "12.0" and " 12" are all wrong for 12.
[[nodiscard]] bool isRightAnswer(std::string_view typed, const Answer &expected);

// The number at the start of a count text, leading blanks skipped; 0 when there is none.
[[nodiscard]] double countValue(std::string_view countText);

} // namespace sumwright
