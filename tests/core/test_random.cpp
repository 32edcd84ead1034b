#include "core/Random.h"
#include "support/ScriptedRandom.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace sumwright;
using namespace sumwright::testing;

TEST(RoundHalfEven, tiesGoToTheEvenNeighbour)
{
    const std::pair<double, long> cases[] = {
            {0.5, 0},  {1.5, 2},  {2.5, 2},   {19.5, 20}, {0.49, 0},
            {0.51, 1}, {-0.5, 0}, {-1.5, -2}, {3.0, 3},
    };
    for (const auto &[x, expected] : cases)
        EXPECT_EQ(RoundHalfEven(x), expected) << x;
}

TEST(DrawInteger, roundsTheSinglePrecisionProduct)
{
    struct Case
    {
        float r;
        int k, m;
        int expected;
    };
    const Case cases[] = {
            {0.5F, 1, 0, 0}, // exactly one half: even neighbour
            {0.5F + 1.0F / 16777216.0F, 1, 0, 1},
            {0.25F, 10, 0, 2}, // 2.5 rounds to 2
            {0.35F, 10, 0, 4}, // 3.5 in single precision rounds to 4
            {0.0F, 20, 1, 1},
            {0.999999F, 20, 1, 21},
            // 900 r is 169.4999993 in double, but exactly 169.5 once rounded to a float: 170.
            {3159709.0F / 16777216.0F, 900, 0, 170},
    };
    for (const Case &c : cases) {
        ScriptedRandom random({c.r});
        EXPECT_EQ(DrawInteger(random, c.k, c.m), c.expected) << c.r << " * " << c.k << " + " << c.m;
    }
}

TEST(ProcessRandom, startsFromTheSameStateInEveryProcess)
{
    ProcessRandom a;
    ProcessRandom b;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.NextRandom(), b.NextRandom());
}

TEST(ProcessRandom, yieldsExactSinglePrecisionValuesInTheUnitInterval)
{
    ProcessRandom random;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.NextRandom();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        const double scaled = static_cast<double>(r) * 16777216.0;
        ASSERT_EQ(scaled, std::floor(scaled)) << "not a multiple of 2^-24";
    }
}

TEST(ProcessRandom, reseedsWithinOneClockTickStillDiffer)
{
    ProcessRandom random;
    constexpr std::int64_t sameTick = 1'700'000'000'000'000'000;
    std::set<std::vector<float>> seen;
    for (int question = 0; question < 50; ++question) {
        random.reseedWith(sameTick);
        seen.insert({random.NextRandom(), random.NextRandom()});
    }
    EXPECT_EQ(seen.size(), 50U);
}

TEST(ProcessRandom, reseedDependsOnTheClock)
{
    ProcessRandom early;
    ProcessRandom late;
    early.reseedWith(1000);
    late.reseedWith(1001);
    EXPECT_NE(early.NextRandom(), late.NextRandom());
}

TEST(DrawInteger, endValuesAreHalfAsLikelyAsInnerOnes)
{
    ProcessRandom random;
    std::map<int, int> counts;
    constexpr int N = 400000;
    for (int i = 0; i < N; ++i)
        ++counts[DrawInteger(random, 4, 1)];
    ASSERT_EQ(counts.size(), 5U);
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 5);
    const double inner = N / 4.0;
    for (const auto &[value, count] : counts) {
        const double expected = (value == 1 || value == 5) ? inner / 2 : inner;
        EXPECT_NEAR(count, expected, expected * 0.03) << value;
    }
}
