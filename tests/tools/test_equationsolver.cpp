#include "tools/equationsolver.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace suite::tools {
namespace {

// Within a few units in the last place of the expected value.
void ExpectClose(double got, double expected)
{
    EXPECT_NEAR(got, expected, 4 * std::numeric_limits<double>::epsilon() * std::fabs(expected))
        << "expected " << expected;
}

TEST(SolveQuadratic, BothRootsKeepFifteenDigitsWhereTheFormulaWouldCancel)
{
    const struct {
        double a, b, c;
        double x1, x2;  // from +√Δ and from -√Δ
    } cases[] = {
        {1, -1e6, 1, 999999.999999, 1.000000000001e-6},
        {1, 1e6, 1, -1.000000000001e-6, -999999.999999},
        {-1, 1e6, 1, -9.99999999999e-7, 1000000.000001},
        {2, -1e8, 3, 4.99999999999999999e7, 3.0000000000000018e-8},
        {1, -3, 2, 2, 1},
        {1, 0, -4, 2, -2},
        {3, 5, 0, 0, -5.0 / 3},
    };
    for (const auto& k : cases) {
        const Solution s = SolveQuadratic(k.a, k.b, k.c);
        ASSERT_EQ(s.found, Found::Roots);
        ASSERT_EQ(s.values.size(), 2u);
        ExpectClose(s.values[0], k.x1);
        ExpectClose(s.values[1], k.x2);
    }
}

TEST(SolveCubic, ThreeRealRootsComeLargestFirstAndSatisfyTheEquation)
{
    const struct {
        double p, q;
        double roots[3];
    } cases[] = {
        {-7, 6, {2, 1, -3}},
        {-3, 0, {std::sqrt(3.0), 0, -std::sqrt(3.0)}},
        {-1, 0, {1, 0, -1}},
        {-21, 20, {4, 1, -5}},
    };
    for (const auto& k : cases) {
        const Solution s = SolveCubic(k.p, k.q);
        ASSERT_EQ(s.found, Found::Roots);
        ASSERT_EQ(s.values.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(s.values[i], k.roots[i], 1e-12) << k.p << " " << k.q << " root " << i;
        EXPECT_EQ(JudgeCubic(k.p, k.q, s.values), Verdict::Right);
    }
}

TEST(SolveCubic, AZeroDiscriminantKeepsCardanosSingleRoot)
{
    // X³ - 3X + 2 = (X - 1)²(X + 2): the formula gives the simple root.
    const Solution s = SolveCubic(-3, 2);
    ASSERT_EQ(s.found, Found::Roots);
    ASSERT_EQ(s.values.size(), 1u);
    ExpectClose(s.values[0], -2);
}

TEST(SolveCubic, LargeCoefficientsWithThreeRootsStayInRange)
{
    // p³ overflows, yet the roots ±√(-p) and 0 are ordinary numbers.
    const Solution s = SolveCubic(-1e200, 0);
    ASSERT_EQ(s.found, Found::Roots);
    ExpectClose(s.values[0], 1e100);
    EXPECT_NEAR(s.values[1], 0, 1e86);
    ExpectClose(s.values[2], -1e100);
}

TEST(Judge, AllowsResidualsUpToOneTenMillionth)
{
    EXPECT_EQ(Judge({0, 1e-7, -1e-7}), Verdict::Right);
    EXPECT_EQ(Judge({0, 1.0000001e-7}), Verdict::Doubtful);
    EXPECT_EQ(Judge({1e-7, std::numeric_limits<double>::infinity()}), Verdict::OutOfRange);
    EXPECT_EQ(Judge({std::nan("")}), Verdict::OutOfRange);
}

TEST(SolveSystem, RefusalsComeInTheOrderOfTheirTests)
{
    using Rows = std::array<SystemRow, 3>;
    const struct {
        Rows rows;
        Found found;
    } cases[] = {
        // No X at all outranks the missing X of row 1.
        {Rows{{{0, 1, 1, 1}, {0, 2, 1, 1}, {0, 1, 3, 1}}}, Found::NoXOrY},
        {Rows{{{1, 0, 1, 1}, {2, 0, 1, 1}, {1, 0, 3, 1}}}, Found::NoXOrY},
        // Without Z the missing X of row 1 does not matter.
        {Rows{{{0, 1, 0, -1}, {1, 1, 0, -3}, {0, 0, 0, 0}}}, Found::Roots},
        {Rows{{{0, 1, 1, 1}, {1, 1, 1, 1}, {1, 2, 1, 1}}}, Found::FirstXZero},
        {Rows{{{1, 2, 3, 1}, {1, 2, 3, 2}, {2, 1, 1, 1}}}, Found::NoUniqueSolution},
    };
    for (const auto& k : cases) EXPECT_EQ(SolveSystem(k.rows).found, k.found);
}

}  // namespace
}  // namespace suite::tools
