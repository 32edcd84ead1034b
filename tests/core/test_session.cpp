#include "core/AnswerCheck.h"
#include "core/TestSession.h"
#include "support/SettableClock.h"
#include "support/Spelled.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>
#include <unicode/uchar.h>
#include <unicode/uversion.h>
#include <vector>

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
            // The digits of every script count alike; the number's other rules hold in each.
            {"\u0661\u0662", std::int16_t {12}, true},         // Arabic-Indic
            {"\u06F1\u06F2", std::int16_t {12}, true},         // Extended Arabic-Indic
            {"\u0967\u0968", std::int16_t {12}, true},         // Devanagari
            {"\u09E7\u09E8", std::int16_t {12}, true},         // Bengali
            {"\u0E51\u0E52", std::int16_t {12}, true},         // Thai
            {"\uFF11\uFF12", std::int16_t {12}, true},         // full-width
            {"\U00011F51\U00011F52", std::int16_t {12}, true}, // Kawi, new in Unicode 15
            {"\U0001D7CF\U0001D7D0", std::int16_t {12}, true}, // mathematical bold
            {"\u0669", std::int16_t {9}, true},
            {"\u0660", std::int16_t {0}, true},
            {"\u0660\u0661\u0662", std::int16_t {12}, false}, // a leading zero
            {"+\u0661\u0662", std::int16_t {12}, false},
            {"\u0661\u0662 ", std::int16_t {12}, false},
            {"\u0661\u0662\u066B\u0660", std::int16_t {12}, false}, // Arabic decimal point
            {"\u0661\u0662", std::int16_t {21}, false},             // read in typing order
            {"1\u0662", std::int16_t {12}, false},                  // two scripts in one number
            {"\u0661\u06F2", std::int16_t {12}, false},
            {"\U0001D7CF\U0001D7DA", std::int16_t {12}, false}, // bold and double-struck
            {"\u00B9\u00B2", std::int16_t {12}, false},         // superscripts are no digits
            {"\u2460\u2461", std::int16_t {12}, false},         // nor circled numbers
            {"\xC0\xB1\xC0\xB2", std::int16_t {12}, false},     // overlong "12"
            {"\xD9\xA1\xD9", std::int16_t {12}, false},         // cut short
            {"-\u0665", std::int16_t {-5}, true},
            {"\u2212\u0665", std::int16_t {-5}, true}, // the minus sign
            {"\u22125", std::int16_t {-5}, true},
            {"\uFF0D\uFF15", std::int16_t {-5}, true}, // full-width hyphen-minus
            {"\u0665-", std::int16_t {-5}, false},
            {"--\u0665", std::int16_t {-5}, false},
            {"\u2010\u0665", std::int16_t {-5}, false}, // a hyphen is no minus
            {"\u2212\u0665", std::int16_t {5}, false},
            {"\u0661\u0663", std::string("13"), true},
            {"\u0661", std::string("Q"), false},
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

TEST(IsRightAnswer, takesEveryDigitOfEveryScript)
{
    for (const char32_t zero : decimalZeros()) {
        for (const std::int16_t number : {std::int16_t {-6789}, std::int16_t {12345},
                                          std::int16_t {0}, std::int16_t {-32768}}) {
            for (const char32_t minus : {U'-', U'\u2212', U'\uFF0D'}) {
                const std::string typed = spelled(std::to_string(number), zero, minus);
                EXPECT_TRUE(isRightAnswer(typed, Answer {number}))
                        << std::hex << static_cast<unsigned>(zero) << std::dec << " " << number;
                EXPECT_EQ(upperCase(typed), typed);
            }
        }
        // The code point after the nine is another script's digit or none at all.
        EXPECT_FALSE(
                isRightAnswer(spelled("1", zero) + utf8(zero + 10), Answer {std::int16_t {10}}))
                << std::hex << static_cast<unsigned>(zero);
    }
}

TEST(DecimalZeros, areTheZerosOfTheUnicodeDataThatIcuHas)
{
    UVersionInfo version;
    u_getUnicodeVersion(version);
    std::vector<char32_t> icu;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER && u_charDigitValue(c) == 0)
            icu.push_back(static_cast<char32_t>(c));
    }
    const std::vector<char32_t> ours(decimalZeros().begin(), decimalZeros().end());
    std::ostringstream table;
    table << "Unicode " << int {version[0]} << "." << int {version[1]} << ":" << std::hex
          << std::uppercase;
    for (const char32_t zero : icu)
        table << " 0x" << std::setw(4) << std::setfill('0') << static_cast<unsigned>(zero) << ",";
    // The table is Unicode 15.0: an older ICU knows fewer scripts, a newer one may know more.
    if (version[0] < 15)
        EXPECT_TRUE(std::ranges::includes(ours, icu)) << table.str();
    else
        EXPECT_EQ(ours, icu) << "the table, made anew from ICU's data: " << table.str();
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
