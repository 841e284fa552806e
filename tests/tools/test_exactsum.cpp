#include "tools/exactsum.h"
#include "tools/widedouble.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace suite::tools {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

TEST(ExactSum, SignAndValueAreThoseOfTheExactSum)
{
    const struct {
        const char* name;
        ExactSum sum;
        int sign;
        double value;
    } cases[] = {
        {"empty", ExactSum(), 0, 0},
        {"whole numbers", ExactSum().Add({3, 3}).Add({9}, -1), 0, 0},
        // (1 + 2^-52)(1 - 2^-52) - 1 = -2^-104, where doubles round the product to 1.
        {"below the last place", ExactSum().Add({1 + 0x1p-52, 1 - 0x1p-52}).Add({1}, -1), -1, -0x1p-104},
        {"products past the largest double",
         ExactSum().Add({kMax, kMax, kMax}).Add({kMax, kMax, kMax}, -1).Add({1}), 1, 1},
        {"a subnormal left over",
         ExactSum().Add({1e300, 1e300}).Add({1e300, 1e300}, -1).Add({kTiniest}), 1, kTiniest},
        {"27 q² + 4 p³ of X³ - 3X + 2", ExactSum().Add({2, 2}, 27).Add({-3, -3, -3}, 4), 0, 0},
        {"a quarter of the last place rounds down", ExactSum().Add({1}).Add({0x1p-54}), 1, 1},
        // Exactly halfway between 1 and 1 + 2^-52 rounds to even; anything beyond it, up.
        {"a tie rounds to even", ExactSum().Add({1}).Add({0x1p-53}), 1, 1},
        {"past the tie rounds up", ExactSum().Add({1}).Add({0x1p-53}).Add({0x1p-600}), 1, 1 + 0x1p-52},
        {"negative past the tie", ExactSum().Add({-1}).Add({0x1p-53}, -1).Add({0x1p-600}, -1), -1, -1 - 0x1p-52},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.sum.Sign(), c.sign) << c.name;
        EXPECT_EQ(c.sum.Value().ToDouble(), c.value) << c.name;
    }
}

TEST(ExactSum, HoldsValuesBeyondDoubleRange)
{
    const WideDouble cube = ExactSum().Add({1e300, 1e300, 1e300}).Value();
    EXPECT_TRUE(std::isinf(cube.ToDouble()));
    EXPECT_EQ((cube / 1e300 / 1e300).ToDouble(), 1e300);
    const WideDouble tiny = ExactSum().Add({1e-300, 1e-300}).Value();
    EXPECT_EQ(tiny.ToDouble(), 0);
    EXPECT_NEAR((tiny / 1e-300).ToDouble(), 1e-300, 1e-315);
}

TEST(WideDouble, RoundsEachStepAsDoublesWouldWithoutLeavingRange)
{
    EXPECT_EQ((WideDouble(0.1) + 0.2).ToDouble(), 0.1 + 0.2);
    EXPECT_EQ((WideDouble(1) / 3).ToDouble(), 1.0 / 3);
    EXPECT_EQ((WideDouble(2) * 3 - 7).ToDouble(), -1);
    EXPECT_EQ((WideDouble(1) + 0x1p-53).ToDouble(), 1);               // a tie, to even
    EXPECT_EQ((WideDouble(1e300) + 1e-300).ToDouble(), 1e300);        // far below the last place
    EXPECT_EQ((WideDouble(kMax) * 2 / 4).ToDouble(), kMax / 2);       // past the largest double and back
    EXPECT_EQ((WideDouble(kTiniest) / 2 * 4).ToDouble(), 2 * kTiniest);  // below the smallest and back
    EXPECT_EQ(Sqrt(WideDouble(1e300) * 1e300).ToDouble(), 1e300);
    EXPECT_EQ(Sqrt(WideDouble(2)).ToDouble(), std::sqrt(2.0));
    EXPECT_TRUE(std::isinf(Cbrt(WideDouble(-8) * kMax * kMax * kMax).ToDouble()));
    EXPECT_DOUBLE_EQ(Cbrt(WideDouble(-27) * 0x1p-1000 * 0x1p-1000 * 0x1p-1000).ToDouble(), -3 * 0x1p-1000);
    EXPECT_TRUE(SmallerMagnitude(-1e-300, WideDouble(1e300) * 1e300));
    EXPECT_FALSE(SmallerMagnitude(WideDouble(-2), 2));
    EXPECT_TRUE(SmallerMagnitude(0, kTiniest));
}

}  // namespace
}  // namespace suite::tools
