#include "core/SeriesQuestions.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>

using namespace sumwright;
using namespace sumwright::testing;

namespace {

struct Example
{
    int level;
    std::vector<float> draws;
    const char *text;
    Answer answer;
};

void expectExamples(Question (*generator)(RandomSource &, int),
                    const std::vector<Example> &examples)
{
    for (const Example &e : examples) {
        ScriptedRandom random(e.draws);
        const Question q = generator(random, e.level);
        EXPECT_EQ(q.text, e.text);
        EXPECT_EQ(q.vAnswer, e.answer) << e.text;
        EXPECT_FALSE(q.alignment.has_value()) << "series questions keep the label's alignment";
        EXPECT_TRUE(random.allConsumed()) << e.text;
        EXPECT_EQ(random.reseeds, 0);
    }
}

// Draws that make NumberSeriesTerms yield step, factor, offset (and the direction).
std::vector<float> numberDraws(int level, int step, int factor, int offset, int descending = -1)
{
    const int span = level == 0 ? 4 : level == 1 ? 9 : 19;
    std::vector<float> draws
            = {forDraw(step, span, 1), forDraw(factor, span + 1, 1), forDraw(offset, span + 1, 0)};
    if (descending >= 0)
        draws.push_back(coin(descending == 1));
    return draws;
}

// Draws that make LetterSeriesTerms yield step and first code (and the direction).
std::vector<float> letterDraws(int level, int step, int first, int descending = -1)
{
    const int span = 25 - 4 * step;
    std::vector<float> draws
            = {forDraw(step - 1, level == 2 ? 4 : 3, 0),
               level == 0 ? forDraw(first - 65, span, 0) : forDraw(first - 64, span, 1)};
    if (descending >= 0)
        draws.push_back(coin(descending == 1));
    return draws;
}

std::vector<float> join(std::vector<float> a, const std::vector<float> &b, float last)
{
    a.insert(a.end(), b.begin(), b.end());
    a.push_back(last);
    return a;
}

} // namespace

TEST(NumberSeries, reproducesTheWorkedExamples)
{
    expectExamples(
            numberSeriesQuestion,
            {
                    {0, numberDraws(0, 3, 2, 4), "10,  13,  16,  19,  ?", std::int16_t {22}},
                    {1, numberDraws(1, 7, 5, 3, 1), "66,  59,  52,  45,  ?", std::int16_t {38}},
                    {2, numberDraws(2, 17, 12, 9, 0), "213,  230,  247,  264,  ?",
                     std::int16_t {281}},
                    {1, numberDraws(1, 1, 1, 0, 0), "1,  2,  3,  4,  ?", std::int16_t {5}},
                    {2, numberDraws(2, 1, 1, 0, 1), "5,  4,  3,  2,  ?", std::int16_t {1}},
                    {2, numberDraws(2, 20, 21, 20, 0), "440,  460,  480,  500,  ?",
                     std::int16_t {520}},
                    {2, numberDraws(2, 20, 21, 20, 1), "520,  500,  480,  460,  ?",
                     std::int16_t {440}},
            });
}

TEST(AlphabetSeries, reproducesTheWorkedExamples)
{
    expectExamples(alphabetSeriesQuestion,
                   {
                           {0, letterDraws(0, 3, 69), "E,  H,  K,  N,  ?", std::string("Q")},
                           {1, letterDraws(1, 4, 74), "J,  N,  R,  V,  ?", std::string("Z")},
                           {2, letterDraws(2, 5, 66, 1), "Q,  L,  G,  ?", std::string("B")},
                           {2, letterDraws(2, 5, 66, 0), "B,  G,  L,  ?", std::string("Q")},
                           {0, letterDraws(0, 1, 65), "A,  B,  C,  D,  ?", std::string("E")},
                           {2, letterDraws(2, 1, 65, 1), "D,  C,  B,  ?", std::string("A")},
                   });
}

TEST(AlphaNumericSeries, reproducesTheWorkedExamples)
{
    const auto easy
            = [](float lead) { return join(numberDraws(0, 2, 3, 1), letterDraws(0, 2, 67), lead); };
    expectExamples(
            alphaNumericSeriesQuestion,
            {
                    {0, easy(coin(true)), "C,  7,  E,  9,  G,  11,  ?", std::string("I")},
                    {0, easy(coin(false)), "7,  C,  9,  E,  11,  G,  ?", std::string("13")},
                    {1, join(numberDraws(1, 4, 6, 5, 1), letterDraws(1, 1, 80), coin(false)),
                     "45,  P,  41,  Q,  37,  R,  ?", std::string("33")},
                    {2, join(numberDraws(2, 15, 8, 11, 0), letterDraws(2, 3, 70, 1), coin(true)),
                     "O,  131,  L,  146,  I,  161,  ?", std::string("F")},
            });
}

TEST(SeriesQuestions, consumeExactlyTheirDraws)
{
    struct Case
    {
        Question (*generator)(RandomSource &, int);
        int draws[3];
    };
    const Case cases[] = {
            {numberSeriesQuestion, {3, 4, 4}},
            {alphabetSeriesQuestion, {2, 2, 3}},
            {alphaNumericSeriesQuestion, {6, 7, 8}},
    };
    for (const Case &c : cases) {
        for (int level = 0; level < 3; ++level) {
            const int n = c.draws[level];
            ScriptedRandom random(std::vector<float>(static_cast<std::size_t>(n), 0.6F));
            (void)c.generator(random, level);
            EXPECT_EQ(random.draws, n);
            EXPECT_EQ(random.reseeds, 0);
        }
    }
}

TEST(NumberSeries, termsStayInRangeAndBothDirectionsOccur)
{
    const int firstHigh[] = {35, 120, 440};
    const int largest[] = {55, 160, 520};
    ProcessRandom random;
    for (int level = 0; level < 3; ++level) {
        int descending = 0;
        constexpr int N = 20000;
        for (int i = 0; i < N; ++i) {
            const auto terms = NumberSeriesTerms(random, level);
            const bool down = terms[0] > terms[4];
            descending += down ? 1 : 0;
            const int first = down ? terms[4] : terms[0];
            ASSERT_GE(first, 1);
            ASSERT_LE(first, firstHigh[level]);
            ASSERT_LE(down ? terms[0] : terms[4], largest[level]);
            for (int k = 1; k < 5; ++k)
                ASSERT_EQ(terms[k] - terms[k - 1], terms[1] - terms[0]) << "not a progression";
            ASSERT_NE(terms[1], terms[0]);
        }
        if (level == 0)
            EXPECT_EQ(descending, 0);
        else
            EXPECT_NEAR(descending, N / 2, N * 0.03);
    }
}

TEST(AlphabetSeries, lettersStayCapitalsAndHardNeverReachesZ)
{
    const std::regex shape[] = {
            std::regex("[A-Y],  [A-Y],  [A-Y],  [A-Y],  \\?"),
            std::regex("[A-Y],  [A-Y],  [A-Y],  [A-Y],  \\?"),
            std::regex("[A-Y],  [A-Y],  [A-Y],  \\?"),
    };
    ProcessRandom random;
    for (int level = 0; level < 3; ++level) {
        std::map<std::string, int> answers;
        int descending = 0;
        constexpr int N = 20000;
        for (int i = 0; i < N; ++i) {
            const Question q = alphabetSeriesQuestion(random, level);
            ASSERT_TRUE(std::regex_match(q.text, shape[level])) << q.text;
            const std::string answer = std::get<std::string>(q.vAnswer);
            ASSERT_EQ(answer.size(), 1U);
            ASSERT_TRUE(answer[0] >= 'A' && answer[0] <= 'Z');
            ++answers[answer];
            descending += q.text[0] > q.text[4] ? 1 : 0;
        }
        EXPECT_EQ(answers.count("Z") > 0, level < 2) << level;
        EXPECT_EQ(answers.count("A") > 0, level == 2) << level;
        if (level == 2)
            EXPECT_NEAR(descending, N / 2, N * 0.03);
        else
            EXPECT_EQ(descending, 0);
    }
}

TEST(LetterSeries, firstLetterEndsAreHalfAsLikely)
{
    // Step 4 on Easy: span 9, first code 65 to 74; A and J half as likely as the rest.
    ProcessRandom random;
    std::map<int, int> firsts;
    int step4 = 0;
    for (int i = 0; i < 400000; ++i) {
        const LetterList list = LetterSeriesTerms(random, 0);
        if (list.codes[1] - list.codes[0] != 4)
            continue;
        ++step4;
        ++firsts[list.codes[0]];
    }
    const double inner = step4 / 9.0;
    EXPECT_EQ(firsts.size(), 10U);
    EXPECT_NEAR(firsts[65], inner / 2, inner * 0.1);
    EXPECT_NEAR(firsts[74], inner / 2, inner * 0.1);
    EXPECT_NEAR(firsts[70], inner, inner * 0.1);
}

TEST(AlphaNumericSeries, alternatesKindsAndLeadsEvenly)
{
    const std::regex lettersFirst("[A-Z],  \\d+,  [A-Z],  \\d+,  [A-Z],  \\d+,  \\?");
    const std::regex numbersFirst("\\d+,  [A-Z],  \\d+,  [A-Z],  \\d+,  [A-Z],  \\?");
    ProcessRandom random;
    for (int level = 0; level < 3; ++level) {
        int letters = 0;
        constexpr int N = 20000;
        for (int i = 0; i < N; ++i) {
            const Question q = alphaNumericSeriesQuestion(random, level);
            const std::string answer = std::get<std::string>(q.vAnswer);
            if (std::regex_match(q.text, lettersFirst)) {
                ++letters;
                ASSERT_TRUE(answer.size() == 1 && answer[0] >= 'A' && answer[0] <= 'Z') << q.text;
            } else {
                ASSERT_TRUE(std::regex_match(q.text, numbersFirst)) << q.text;
                ASSERT_TRUE(std::regex_match(answer, std::regex("[1-9]\\d*"))) << answer;
            }
            ASSERT_EQ((",  " + q.text).find(",  " + answer + ","), std::string::npos) << q.text;
        }
        EXPECT_NEAR(letters, N / 2, N * 0.03);
    }
}
