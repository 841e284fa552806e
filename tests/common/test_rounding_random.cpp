#include "common/random.h"
#include "common/rounding.h"
#include "testkit/fakes.h"

#include <gtest/gtest.h>
#include <cmath>
#include <set>

using namespace suite;

TEST(Rounding, HalfGoesToTheEvenNeighbour)
{
    const struct {
        double value;
        double whole;
    } cases[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {-0.6, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.whole) << c.value;
        EXPECT_EQ(RoundToInt16(c.value), c.whole) << c.value;
        EXPECT_EQ(RoundToInt32(c.value), c.whole) << c.value;
    }
    EXPECT_EQ(RoundHalfEven(36.865, 2), 36.86);  // 36.865 is held just below the half
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(RoundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(RoundHalfEven(97.1809, 2), 97.18);
}

TEST(Rounding, IntegerPartIsTheFloor)
{
    EXPECT_EQ(IntPart(-2.5), -3);
    EXPECT_EQ(IntPart(2.5), 2);
    EXPECT_EQ(IntPart(-3), -3);
    EXPECT_TRUE(IsWhole(4));
    EXPECT_FALSE(IsWhole(4.5));
    EXPECT_FALSE(IsWhole(NAN));
}

TEST(Rounding, OutsideSixteenBitsIsRefusedOrClamped)
{
    const struct {
        double value;
        bool fits;
        int clamped;
    } cases[] = {
        {32767, true, 32767},   {32767.4, true, 32767}, {32767.5, false, 32767}, {-32768, true, -32768},
        {-32768.5, true, -32768}, {-32769, false, -32768}, {1e9, false, 32767},  {NAN, false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryRoundToInt16(c.value).has_value(), c.fits) << c.value;
        EXPECT_EQ(RoundToInt16(c.value), c.clamped) << c.value;
    }
    EXPECT_FALSE(TryRoundToInt32(3e9).has_value());
    EXPECT_EQ(RoundToInt32(-3e9), INT32_MIN);
}

TEST(DrawNumber, CoversOneToNAndTheOddRanges)
{
    suite::testing::ScriptedRandom random;
    const struct {
        float r;
        int n;
        int drawn;
    } cases[] = {
        {0.0f, 10, 1},   {0.999f, 10, 10}, {0.5f, 3, 2},   {0.7f, 0, 1},
        {0.0f, -5, 1},   {0.01f, -5, 0},   {0.999f, -5, 4}, {0.5f, 1, 1},
        {0.999f, -2, 1}, {0.5f, -1, 0},    {0.0f, -1, 1},
    };
    for (const auto& c : cases) {
        random.values = {c.r};
        EXPECT_EQ(DrawNumber(random, c.n), c.drawn) << c.r << " * " << c.n;
    }
}

TEST(DrawNumber, ScriptedDrawsGiveTheQueuedNumber)
{
    suite::testing::ScriptedRandom random;
    for (int n : {1, 3, 9, 100, 32767})
        for (int k : {1, n / 2 + 1, n}) {
            random.QueueDraw(k, n);
            EXPECT_EQ(DrawNumber(random, n), k) << k << " of " << n;
        }
}

TEST(ClockRandomSource, StaysInTheUnitIntervalAndVaries)
{
    ClockRandomSource random;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const float r = random.NextSingle();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        seen.insert(DrawNumber(random, 9));
    }
    EXPECT_EQ(seen.size(), 9u);
    random.ReseedFromClock();
    EXPECT_LT(random.NextSingle(), 1.0f);
}
