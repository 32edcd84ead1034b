#include "core/ArithmeticQuestion.h"
#include "support/ScriptedRandom.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

std::int16_t integerAnswer(const Question &q)
{
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(q.vAnswer))
            << "arithmetic answers are integers";
    return std::get<std::int16_t>(q.vAnswer);
}

// The two numbers of a horizontal question text "first op second =".
std::pair<int, int> shownNumbers(const std::string &text)
{
    std::istringstream in(text);
    int first = 0;
    int second = 0;
    std::string op;
    std::string equals;
    in >> first >> op >> second >> equals;
    EXPECT_EQ(equals, "=") << text;
    return {first, second};
}

} // namespace

TEST(ArithmeticQuestion, reproducesTheWorkedExamples)
{
    struct Case
    {
        int qIndex;
        std::vector<float> draws;
        const char *horizontal;
        const char *vertical;
        int answer;
    };
    const Case cases[] = {
            {Addition, {forDraw(12, 20), forDraw(7, 20)}, "12 + 7 =", "   12\r\n + 7", 19},
            {Subtraction, {forDraw(12, 20), forDraw(7, 20)}, "12 - 7 =", "   12\r\n - 7", 5},
            {Multiplication, {forDraw(3, 10), forDraw(7, 10)}, "7 x 3 =", "   7\r\n x 3", 21},
            {Division, {forDraw(3, 10), forDraw(7, 10)}, "21 / 3 =", "   21\r\n \u00F7 3", 7},
            // Equal operands: the answer is 0.
            {Subtraction, {forDraw(9, 20), forDraw(9, 20)}, "9 - 9 =", "   9\r\n - 9", 0},
            // The second draw larger: still the larger number first.
            {Subtraction, {forDraw(4, 20), forDraw(15, 20)}, "15 - 4 =", "   15\r\n - 4", 11},
            // A zero draw shows as 1, for every operation.
            {Addition, {forDraw(0, 20), forDraw(0, 20)}, "1 + 1 =", "   1\r\n + 1", 2},
            {Division, {forDraw(0, 10), forDraw(0, 10)}, "1 / 1 =", "   1\r\n \u00F7 1", 1},
    };
    for (const Case &c : cases) {
        for (const bool vertical : {false, true}) {
            ScriptedRandom random(c.draws);
            const Question q = arithmeticQuestion(random, c.qIndex, 0, vertical);
            EXPECT_EQ(q.text, vertical ? c.vertical : c.horizontal);
            EXPECT_EQ(integerAnswer(q), c.answer);
            EXPECT_EQ(q.alignment, vertical ? Alignment::Centre : Alignment::Left);
        }
    }
}

TEST(ArithmeticQuestion, higherLevelsAddTheSelectedSpanForEveryLaterPass)
{
    struct Case
    {
        int qIndex, level;
        std::vector<float> draws;
        const char *text;
        int answer;
    };
    const Case cases[] = {
            // Only the first pass's draws count; later passes add the span of the selected level.
            {Addition, 1, {forDraw(5, 80), forDraw(0, 80), 0.9F, 0.9F}, "85 + 80 =", 165},
            {Subtraction, 1, {forDraw(90, 90), forDraw(3, 90), 0.1F, 0.1F}, "180 - 93 =", 87},
            {Addition,
             2,
             {forDraw(900, 900), forDraw(0, 900), 0.5F, 0.5F, 0.5F, 0.5F},
             "2700 + 1800 =",
             4500},
            {Multiplication, 1, {forDraw(10, 10), forDraw(20, 20)}, "20 x 10 =", 200},
            {Division, 2, {forDraw(20, 20), forDraw(20, 20)}, "400 / 20 =", 20},
    };
    for (const Case &c : cases) {
        ScriptedRandom random(c.draws);
        const Question q = arithmeticQuestion(random, c.qIndex, c.level, false);
        EXPECT_EQ(q.text, c.text);
        EXPECT_EQ(integerAnswer(q), c.answer);
    }
}

TEST(ArithmeticQuestion, reseedsOnceThenConsumesItsDraws)
{
    for (int qIndex = Addition; qIndex <= Division; ++qIndex) {
        for (int level = 0; level < 3; ++level) {
            const int expected = qIndex <= Subtraction ? 2 * (level + 1) : 2;
            ScriptedRandom random(std::vector<float>(static_cast<std::size_t>(expected), 0.3F));
            (void)arithmeticQuestion(random, qIndex, level, level == 1);
            EXPECT_EQ(random.draws, expected) << qIndex << "/" << level;
            EXPECT_EQ(random.reseeds, 1);
            EXPECT_TRUE(random.allConsumed());
        }
    }
}

TEST(ArithmeticQuestion, layoutsNeverMix)
{
    ProcessRandom random;
    for (int i = 0; i < 2000; ++i) {
        const int qIndex = i % 4;
        const Question h = arithmeticQuestion(random, qIndex, i % 3, false);
        const Question v = arithmeticQuestion(random, qIndex, i % 3, true);
        EXPECT_EQ(h.text.find('\n'), std::string::npos);
        EXPECT_EQ(v.text.find(" ="), std::string::npos);
        EXPECT_EQ(v.text.rfind("   ", 0), 0U);
        EXPECT_EQ(h.text.find("\u00F7"), std::string::npos);
    }
}

TEST(ArithmeticQuestion, operandsAndAnswersStayInTheirRanges)
{
    struct Range
    {
        int qIndex, level;
        int firstLow, firstHigh, secondLow, secondHigh;
    };
    // Shown numbers: Subtraction shows the larger first, Multiplication b before a, Division
    // the dividend and the divisor.
    const Range ranges[] = {
            {Addition, 0, 1, 20, 1, 20},           {Addition, 1, 80, 160, 80, 160},
            {Addition, 2, 1800, 2700, 1800, 2700}, {Subtraction, 0, 1, 20, 1, 20},
            {Subtraction, 1, 90, 180, 90, 180},    {Subtraction, 2, 1800, 2700, 1800, 2700},
            {Multiplication, 0, 1, 10, 1, 10},     {Multiplication, 1, 1, 20, 1, 10},
            {Multiplication, 2, 1, 20, 1, 20},     {Division, 0, 1, 100, 1, 10},
            {Division, 1, 1, 200, 1, 10},          {Division, 2, 1, 400, 1, 20},
    };
    ProcessRandom random;
    for (const Range &range : ranges) {
        int lowest = 1 << 20;
        int highest = 0;
        for (int i = 0; i < 20000; ++i) {
            const Question q = arithmeticQuestion(random, range.qIndex, range.level, false);
            const auto [first, second] = shownNumbers(q.text);
            lowest = std::min({lowest, first, second});
            highest = std::max({highest, first, second});
            ASSERT_GE(first, range.firstLow) << q.text;
            ASSERT_LE(first, range.firstHigh) << q.text;
            ASSERT_GE(second, range.secondLow) << q.text;
            ASSERT_LE(second, range.secondHigh) << q.text;
            const int answer = integerAnswer(q);
            switch (range.qIndex) {
            case Addition:
                ASSERT_EQ(answer, first + second);
                break;
            case Subtraction:
                ASSERT_GE(first, second);
                ASSERT_EQ(answer, first - second);
                break;
            case Multiplication:
                ASSERT_EQ(answer, first * second);
                break;
            default:
                ASSERT_EQ(answer * second, first);
                break;
            }
        }
        // Both ends of the ranges are reached, not just approached.
        EXPECT_EQ(lowest, std::min(range.firstLow, range.secondLow))
                << range.qIndex << "/" << range.level;
        EXPECT_EQ(highest, std::max(range.firstHigh, range.secondHigh))
                << range.qIndex << "/" << range.level;
    }
}

TEST(ArithmeticQuestion, endOperandsAreHalfAsLikelyAsInnerOnes)
{
    // Addition at Medium: a = 80 + DrawInteger(80, 0), 80 and 160 each half as likely.
    ProcessRandom random;
    std::map<int, int> counts;
    constexpr int N = 320000;
    for (int i = 0; i < N; ++i)
        ++counts[shownNumbers(arithmeticQuestion(random, Addition, 1, false).text).first];
    const double inner = N / 80.0;
    EXPECT_NEAR(counts[80], inner / 2, inner * 0.15);
    EXPECT_NEAR(counts[160], inner / 2, inner * 0.15);
    EXPECT_NEAR(counts[120], inner, inner * 0.15);
}

TEST(ArithmeticQuestion, refusesKindsAndLevelsThatDoNotExist)
{
    ScriptedRandom random({});
    EXPECT_THROW((void)arithmeticQuestion(random, 4, 0, false), std::out_of_range);
    EXPECT_THROW((void)arithmeticQuestion(random, 0, 3, false), std::out_of_range);
    EXPECT_EQ(random.reseeds, 0);
}
