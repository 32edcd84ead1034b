#pragma once

#include "core/Answer.h"
#include "core/Question.h"
#include "core/QuestionSelection.h"
#include "core/Random.h"

#include <string>

namespace sumwright {

inline constexpr int ArithmeticFontSize = 48;
inline constexpr int SeriesFontSize = 14;

// The question label as the question window shows it. Font size and alignment persist between
// questions: a series question keeps the alignment of the last arithmetic one.
struct QuestionLabel
{
    std::string caption = "2 + 2";
    int fontSize = 0; // 0: the window's own font, as built
    Alignment alignment = Alignment::Left;
};

// The logic of ShowQuestion without the widgets: picks the generator for the selection and
// applies its result to the label and the expected answer. A type or kind without a generator
// leaves caption and answer as they are.
void dispatchQuestion(const QuestionSelection &selection, bool vertical, RandomSource &random,
                      QuestionLabel &label, Answer &vAnswer);

} // namespace sumwright
