#include "drill/drillmath.h"

#include "testkit/fakes.h"

#include <gtest/gtest.h>

namespace suite::drill {
namespace {

TEST(DrillMath, FactorialsAreExactUpToTheBound)
{
    EXPECT_EQ(Factorial(0), 1.0);
    EXPECT_EQ(Factorial(1), 1.0);
    EXPECT_EQ(Factorial(14), 87178291200.0);
    EXPECT_EQ(Factorial(17), 355687428096000.0);
    EXPECT_EQ(Factorial(18), 6402373705728000.0);
    EXPECT_FALSE(Factorial(19));
    EXPECT_FALSE(Factorial(171));
    EXPECT_FALSE(Factorial(-1));
}

TEST(DrillMath, CountsOfArrangementsAndSelections)
{
    struct Case {
        int n, r;
        double permutations, combinations;
    };
    const Case cases[] = {
        {5, 0, 1, 1}, {5, 5, 120, 1}, {15, 1, 15, 15}, {15, 2, 210, 105}, {0, 0, 1, 1},
        {18, 9, 17643225600.0, 48620}, {18, 18, 6402373705728000.0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Permutations(c.n, c.r), c.permutations) << c.n << " " << c.r;
        EXPECT_EQ(Combinations(c.n, c.r), c.combinations) << c.n << " " << c.r;
    }
    EXPECT_FALSE(Permutations(3, 4));
    EXPECT_FALSE(Combinations(19, 1));
}

TEST(DrillMath, DrawsFromZeroCoverZeroToTheRange)
{
    testing::ScriptedRandom random;
    random.values = {0.0f, 0.99999f, 0.5f, 0.0f, 0.99999f};
    EXPECT_EQ(DrawFromZero(random, 10), 0);
    EXPECT_EQ(DrawFromZero(random, 10), 10);
    EXPECT_EQ(DrawFromZero(random, 17), 9);
    // A negative range draws from 0 to |range + 1|.
    EXPECT_EQ(DrawFromZero(random, -5), 0);
    EXPECT_EQ(DrawFromZero(random, -5), 4);
    EXPECT_EQ(LargestDrawFromZero(-5), 4);
    EXPECT_EQ(LargestDrawFromZero(18), 18);
    EXPECT_EQ(LargestDrawFromZero(-32768), 32767);
    // The top of the 16-bit range leaves no overflow in range + 1.
    random.values = {0.99999f};
    EXPECT_EQ(DrawFromZero(random, 32767), 32767);
}

}  // namespace
}  // namespace suite::drill
