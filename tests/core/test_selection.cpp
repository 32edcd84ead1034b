#include "core/QuestionSelection.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

using namespace sumwright;

TEST(TestTitle, joinsTheButtonTagAndTheLevelTag)
{
    struct Case
    {
        int qType, qIndex, level;
        const char *title;
    };
    const Case cases[] = {
            {0, 0, 0, "Addition [Easy Mode]"},
            {0, 3, 0, "Division [Easy Mode]"},
            {0, 2, 2, "Multiplication [Hard Mode]"},
            {1, 2, 1, "Alpha Numeric Series [Medium Mode]"},
            {1, 2, 2, "Alpha Numeric Series [Hard Mode]"},
            {1, 0, 1, "Number Series [Medium Mode]"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(testTitle(c.qType, c.qIndex, levelTag(c.level)), c.title);
}

TEST(TestTitle, everyKindAndLevelGivesItsOwnTitle)
{
    std::set<std::string> titles;
    for (int level = 0; level < LevelCount; ++level) {
        for (int i = 0; i < ArithmeticKindCount; ++i)
            titles.insert(testTitle(ArithmeticType, i, levelTag(level)));
        for (int i = 0; i < SeriesKindCount; ++i)
            titles.insert(testTitle(SeriesType, i, levelTag(level)));
    }
    EXPECT_EQ(titles.size(), 21U);
}

TEST(KindTag, refusesKindsThatDoNotExist)
{
    EXPECT_THROW((void)kindTag(0, 4), std::out_of_range);
    EXPECT_THROW((void)kindTag(1, 3), std::out_of_range);
    EXPECT_THROW((void)kindTag(2, 0), std::out_of_range);
    EXPECT_THROW((void)levelTag(3), std::out_of_range);
}
