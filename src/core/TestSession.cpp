#include "core/TestSession.h"

#include "core/AnswerCheck.h"

namespace sumwright {

void TestSession::StartTest(const Clock &clock, const std::function<void()> &showQuestion)
{
    iAsked = 0;
    iWrong = 0;
    vAnswer = std::int16_t {0};
    showQuestion();
    dStartTime = clock.Now();
}

TestSession::Next TestSession::SubmitAnswer(std::string_view typed, std::string_view countText)
{
    iAsked = Add16(iAsked, 1);
    if (!IsRightAnswer(typed, vAnswer))
        iWrong = Add16(iWrong, 1);
    return CountValue(countText) <= static_cast<double>(iAsked) ? Next::EndOfTest : Next::Question;
}

TestOutcome TestSession::EndTest(const Clock &clock)
{
    dTimeTaken = clock.Now() - dStartTime;
    return {dTimeTaken, iAsked, iWrong};
}

} // namespace sumwright
