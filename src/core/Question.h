#pragma once

#include "core/Answer.h"

#include <optional>
#include <string>

namespace sumwright {

enum class Alignment { Left, Centre };

// What a generator hands the question window: the label's caption, the expected answer and,
// for arithmetic only, the label's alignment (series questions leave it as it was).
struct Question
{
    std::string text;
    Answer vAnswer;
    std::optional<Alignment> alignment;
};

} // namespace sumwright
