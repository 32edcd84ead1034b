#include "core/AnswerCheck.h"
#include "core/TestSession.h"
#include "support/SettableClock.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sumwright;
using namespace sumwright::testing;

TEST(IsRightAnswer, comparesTheWholeTextInCapitals)
{
    struct Case
    {
        std::string typed;
        Answer expected;
        bool right;
    };
    const Case cases[] = {
            {"12", std::int16_t {12}, true},
            {"012", std::int16_t {12}, false},
            {"+12", std::int16_t {12}, false},
            {"12.0", std::int16_t {12}, false},
            {" 12", std::int16_t {12}, false},
            {"12 ", std::int16_t {12}, false},
            {"", std::int16_t {12}, false},
            {"0", std::int16_t {0}, true},
            {"-5", std::int16_t {-5}, true},
            {"q", std::string("Q"), true},
            {"Q", std::string("Q"), true},
            {"13", std::string("13"), true},
            {"i", std::string("I"), true},
            // Dotless i and long s upper-case to ASCII in Unicode; they are still not the letter.
            {"\u0131", std::string("I"), false},
            {"\u017F", std::string("S"), false},
            {"\xEF\xBC\x91\xEF\xBC\x92", std::int16_t {12}, false}, // full-width digits
            {std::string("1\0"
                         "2",
                         3),
             std::int16_t {12}, false},
            {"1\t2", std::int16_t {12}, false},
            {"\xFF\xFE", std::string("Q"), false},
            {std::string(32767, '1'), std::int16_t {1}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isRightAnswer(c.typed, c.expected), c.right) << c.typed.substr(0, 20);
}

TEST(CountValue, readsTheNumberAtTheStartOfTheText)
{
    const std::pair<const char *, double> cases[] = {
            {"25", 25}, {"200", 200}, {"  50", 50}, {"75abc", 75}, {"", 0},
            {"abc", 0}, {"-3", -3},   {"+7", 7},    {"1.5", 1.5},  {".5", 0.5},
            {"inf", 0}, {"nan", 0},   {"1e2", 100}, {"   ", 0},    {"-", 0},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(countValue(text), value) << text;
    EXPECT_TRUE(std::isinf(countValue(std::string(400, '9'))));
}

TEST(TestSession, countsAndEndsAtTheChosenCount)
{
    SettableClock clock;
    TestSession session;
    int shown = 0;
    session.startTest(clock, [&] {
        ++shown;
        session.vAnswer = std::int16_t {12};
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(session.iAsked, 0);
    EXPECT_EQ(session.vAnswer, Answer {std::int16_t {12}});

    for (int i = 1; i <= 24; ++i)
        ASSERT_EQ(session.submitAnswer(i % 4 == 0 ? "wrong" : "12", "25"),
                  TestSession::Next::Question);
    EXPECT_EQ(session.submitAnswer("12", "25"), TestSession::Next::EndOfTest);
    clock.advance(125);
    const TestOutcome outcome = session.endTest(clock);
    EXPECT_EQ(outcome.iTotalQuestions, 25);
    EXPECT_EQ(outcome.iWrongAnswered, 6);
    EXPECT_EQ(std::lround(outcome.CountTime * SecondsPerDay), 125);
    EXPECT_EQ(session.dTimeTaken, outcome.CountTime);
}

TEST(TestSession, startResetsCountsAndTheExpectedAnswer)
{
    SettableClock clock;
    TestSession session;
    session.iAsked = 7;
    session.iWrong = 3;
    session.vAnswer = std::string("Q");
    Answer seenDuringFirstQuestion;
    session.startTest(clock, [&] { seenDuringFirstQuestion = session.vAnswer; });
    EXPECT_EQ(seenDuringFirstQuestion, Answer {std::int16_t {0}});
    EXPECT_EQ(session.iAsked, 0);
    EXPECT_EQ(session.iWrong, 0);
    EXPECT_EQ(session.dStartTime, clock.now());
}

TEST(TestSession, endTestAtOnceReportsNothingAnswered)
{
    SettableClock clock;
    TestSession session;
    session.startTest(clock, [] {});
    const TestOutcome outcome = session.endTest(clock);
    EXPECT_EQ(outcome.iTotalQuestions, 0);
    EXPECT_EQ(outcome.iWrongAnswered, 0);
    EXPECT_EQ(outcome.CountTime, 0.0);
}

TEST(TestSession, aCountTextWithoutNumberEndsAfterOneAnswer)
{
    SettableClock clock;
    TestSession session;
    session.startTest(clock, [] {});
    EXPECT_EQ(session.submitAnswer("", "none"), TestSession::Next::EndOfTest);
    EXPECT_EQ(session.iWrong, 1);
}

TEST(TestSession, counterOverflowIsRefusedNotWrapped)
{
    SettableClock clock;
    TestSession session;
    session.startTest(clock, [] {});
    session.iAsked = 32767;
    EXPECT_THROW((void)session.submitAnswer("0", "25"), std::overflow_error);
}
