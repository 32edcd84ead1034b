#pragma once

#include "core/Answer.h"
#include "core/DateTime.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace sumwright {

// The outcome handed to the result window.
struct TestOutcome
{
    DateTime CountTime = 0.0;
    std::int16_t iTotalQuestions = 0;
    std::int16_t iWrongAnswered = 0;
};

// The state of the running test, one for the whole process. Hiding or rebuilding the question
// window leaves it as it is; only the operations below write it.
class TestSession
{
public:
    bool bVertical = false;
    std::int16_t iAsked = 0;
    std::int16_t iWrong = 0;
    Answer vAnswer;
    DateTime dStartTime = 0.0;
    DateTime dTimeTaken = 0.0;

    // Resets the counts, asks the first question, then starts the clock: the time runs from
    // the moment the first question is on screen.
    void startTest(const Clock &clock, const std::function<void()> &showQuestion);

    enum class Next { Question, EndOfTest };
    // One submitted answer: counts it, checks it, and tells whether the count is reached.
    // The count text is read afresh at every answer.
    [[nodiscard]] Next submitAnswer(std::string_view typed, std::string_view countText);

    // Stops the clock; the question on screen is not counted.
    [[nodiscard]] TestOutcome endTest(const Clock &clock);
};

} // namespace sumwright
