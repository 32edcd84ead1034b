#include "core/ResultReport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace sumwright;

TEST(ReportLines, areLaidOutByteForByte)
{
    const TestOutcome outcome {125.0 / SecondsPerDay, 25, 3};
    const auto lines = reportLines(outcome);
    EXPECT_EQ(lines[0], "Total Questions:                           25");
    EXPECT_EQ(lines[1], "Wrong Answered:                       \t3");
    EXPECT_EQ(lines[2], "Time Taken (in sec.)                   \t125");
    EXPECT_EQ(lines[0].size() - 2, 43U);
    EXPECT_EQ(lines[1].size() - 1, 39U);
}

TEST(ReportLines, padTranslatedLabelsToTheSameColumnsAndKeepTheNumbers)
{
    const TestOutcome outcome {3600.0 / SecondsPerDay, 200, 17};
    struct Case
    {
        ReportLabels labels;
        std::array<std::string, 3> lines;
    };
    const Case cases[] = {
            // Accented letters count once though UTF-8 writes them in two bytes.
            {{"Réponses :", "Fausses :", "Temps (en s)"},
             {"Réponses :" + std::string(33, ' ') + "200",
              "Fausses :" + std::string(29, ' ') + "\t17",
              "Temps (en s)" + std::string(27, ' ') + "\t3600"}},
            // A label as long as the column, or longer, keeps one blank before the number.
            {{std::string(43, 'x'), std::string(50, 'y'),
              "Benötigte Zeit, gemessen in Sekunden (s)"},
             {std::string(43, 'x') + " 200", std::string(50, 'y') + " \t17",
              "Benötigte Zeit, gemessen in Sekunden (s) \t3600"}},
            {{"", "", ""},
             {std::string(43, ' ') + "200", std::string(38, ' ') + "\t17",
              std::string(39, ' ') + "\t3600"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(reportLines(outcome, c.labels), c.lines) << c.labels.totalQuestions;
}

TEST(SecondsText, hasAtLeastTwoDigits)
{
    const std::pair<double, const char *> cases[] = {
            {0, "00"},      {1, "01"},        {7, "07"},   {59, "59"},     {123, "123"},
            {3600, "3600"}, {86400, "86400"}, {-5, "-05"}, {-125, "-125"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(secondsText(seconds / SecondsPerDay), text) << seconds;
}

TEST(SecondsText, survivesSpansNoClockProduces)
{
    for (const double span :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        const std::string text = secondsText(span);
        EXPECT_FALSE(text.empty());
        EXPECT_LT(text.size(), 20U);
    }
}

TEST(SecondsText, wholeSecondsFromDayCountsDoNotDrift)
{
    // Two readings an hour apart, as day counts in 2026, differ by a value that is not exactly
    // 3600 seconds in binary; rounding must still give 3600.
    const double start = 46363.0 + 34200.0 / SecondsPerDay;
    const double end = start + 3600.0 / SecondsPerDay;
    EXPECT_EQ(secondsText(end - start), "3600");
}
