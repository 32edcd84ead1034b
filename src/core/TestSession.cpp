#include "core/TestSession.h"

#include "core/AnswerCheck.h"

namespace sumwright {

void TestSession::startTest(const Clock &clock, const std::function<void()> &showQuestion)
{
    iAsked = 0;
    iWrong = 0;
    vAnswer = std::int16_t {0};
    showQuestion();
    dStartTime = clock.now();
}

TestSession::Next TestSession::submitAnswer(std::string_view typed, std::string_view countText)
{
    iAsked = add16(iAsked, 1);
    if (!isRightAnswer(typed, vAnswer))
        iWrong = add16(iWrong, 1);
    return countValue(countText) <= static_cast<double>(iAsked) ? Next::EndOfTest : Next::Question;
}

TestOutcome TestSession::endTest(const Clock &clock)
{
    dTimeTaken = clock.now() - dStartTime;
    return {dTimeTaken, iAsked, iWrong};
}

} // namespace sumwright
