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

TEST(SolveCubic, ThreeRealRootsComeLargestFirstAndExactWhereADoubleHoldsThem)
{
    const double root3 = std::sqrt(3.0);
    const struct {
        double p, q;
        double roots[3];
    } cases[] = {
        {-7, 6, {2, 1, -3}},
        {-3, 0, {root3, 0, -root3}},
        {-1, 0, {1, 0, -1}},
        {-4, 0, {2, 0, -2}},
        {-21, 20, {4, 1, -5}},
        // p³ overflows, yet the roots ±√(-p) and 0 are ordinary numbers.
        {-1e200, 0, {1e100, 0, -1e100}},
    };
    for (const auto& k : cases) {
        const Solution s = SolveCubic(k.p, k.q);
        ASSERT_EQ(s.found, Found::Roots);
        ASSERT_EQ(s.values.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(s.values[i], k.roots[i]) << k.p << " " << k.q << " root " << i;
        EXPECT_EQ(JudgeCubic(k.p, k.q, s.unrounded), Verdict::Right);
    }
}

TEST(SolveCubic, OneRootOrThreeByTheExactSignOfTheDiscriminant)
{
    const struct {
        double p, q;
        std::size_t roots;
    } cases[] = {
        // X³ - 3X + 2 = (X - 1)²(X + 2): Δ = 0, and the formula gives the simple root.
        {-3, 2, 1},
        // Δ a hair above or below 0.
        {-3, std::nextafter(2.0, 3.0), 1},
        {-3, std::nextafter(2.0, 1.0), 3},
        // q² and p³ overflow, their balance does not.
        {-3e200, 2.1e300, 1},
        {-3e200, 1.9e300, 3},
        // q² and p³ underflow to 0, their balance does not.
        {-3e-200, 2.1e-300, 1},
        {-3e-200, 1.9e-300, 3},
    };
    for (const auto& k : cases) {
        const Solution s = SolveCubic(k.p, k.q);
        ASSERT_EQ(s.found, Found::Roots);
        EXPECT_EQ(s.values.size(), k.roots) << k.p << " " << k.q;
    }
    EXPECT_EQ(SolveCubic(-3, 2).values, std::vector<double>{-2});
}

TEST(SolveQuadratic, RealOrComplexByTheExactSignOfTheDiscriminant)
{
    const double justAbove1 = 1 + 0x1p-52, justBelow1 = 1 - 0x1p-52;
    const struct {
        double a, b, c;
        Found found;
    } cases[] = {
        {1, 2, 1, Found::Roots},
        // 4ac is 4 - 2^-102, just under b²: two real roots, where doubles round 4ac to b².
        {justAbove1, 2, justBelow1, Found::Roots},
        {justAbove1, 2, justAbove1, Found::ComplexRoots},
        // b² and 4ac underflow to 0 in doubles.
        {-7.4e-188, 2.2e-308, -6.4e-258, Found::ComplexRoots},
        {7.4e-188, 2.2e-308, -6.4e-258, Found::Roots},
        // b² overflows: the roots are -1e200 and -1e-200.
        {1, 1e200, 1, Found::Roots},
        {1e-300, 1e300, 1, Found::OutOfRange},  // X2 = -1e600
        {1, 1, std::numeric_limits<double>::infinity(), Found::OutOfRange},
    };
    for (const auto& k : cases) EXPECT_EQ(SolveQuadratic(k.a, k.b, k.c).found, k.found) << k.a << " " << k.b << " " << k.c;
    const Solution s = SolveQuadratic(1, 1e200, 1);
    ExpectClose(s.values[0], -1e-200);
    ExpectClose(s.values[1], -1e200);
}

// The checks' rule: a residual within 1e-7 of the size of the equation's terms at the root.
TEST(Judges, MeasureTheResidualAgainstTheSizeOfTheTerms)
{
    // X² - 100000000X + 1 = 0: its right roots leave a residual far above 1e-7.
    const Solution large = SolveQuadratic(1, -1e8, 1);
    EXPECT_EQ(JudgeQuadratic(1, -1e8, 1, large.unrounded), Verdict::Right);
    // Tiny coefficients: a root off in its sixth digit is not right, though every residual
    // is far below 1e-7.
    const Solution tiny = SolveQuadratic(1e-20, -3e-20, 2e-20);
    EXPECT_EQ(JudgeQuadratic(1e-20, -3e-20, 2e-20, tiny.unrounded), Verdict::Right);
    EXPECT_EQ(JudgeQuadratic(1e-20, -3e-20, 2e-20, {2.00001}), Verdict::Doubtful);
    EXPECT_EQ(JudgeLinear(1e-20, -2e-20, 2.000001), Verdict::Doubtful);
    // X³ - 7e-20 X + 6e-30 = 0 has the roots 2e-10, 1e-10 and -3e-10.
    EXPECT_EQ(JudgeCubic(-7e-20, 6e-30, SolveCubic(-7e-20, 6e-30).unrounded), Verdict::Right);
    EXPECT_EQ(JudgeCubic(-7e-20, 6e-30, {2.00001e-10, 1e-10, -3e-10}), Verdict::Doubtful);
    // Terms of order 1 keep the old verdicts: 2.00000001 in 2X - 4 leaves 2e-8 of 4.
    EXPECT_EQ(JudgeLinear(2, -4, 2.00000001), Verdict::Right);
    EXPECT_EQ(JudgeLinear(2, -4, 2.000001), Verdict::Doubtful);
    EXPECT_EQ(JudgeCubic(-7, 6, {2.00000001, 1, -3}), Verdict::Right);
    EXPECT_EQ(JudgeCubic(-7, 6, {2.000001, 1, -3}), Verdict::Doubtful);
    // Every row counts; row 3 only with three unknowns.
    const std::array<SystemRow, 3> rows = {{{1, 1, 0, -3}, {1, -1, 0, -1}, {5, 7, 0, 9}}};
    EXPECT_EQ(JudgeSystem(rows, {2, 1}), Verdict::Right);
    EXPECT_EQ(JudgeSystem(rows, {2, 1.00001}), Verdict::Doubtful);
    EXPECT_EQ(JudgeSystem(rows, {2, 1, 0}), Verdict::Doubtful);
    // A root below the range of doubles is judged as found, not as the 0 it is written as.
    const Solution below = SolveLinear(1e200, 1e-200);
    EXPECT_EQ(below.values, std::vector<double>{-0.0});
    EXPECT_EQ(JudgeLinear(1e200, 1e-200, below.unrounded[0]), Verdict::Right);
    EXPECT_EQ(JudgeLinear(1e200, 1e-200, 0.0), Verdict::Doubtful);
}

TEST(SolveSystem, RefusalsComeInTheOrderOfTheirTestsAndOnTheExactDeterminants)
{
    using Rows = std::array<SystemRow, 3>;
    const double justAbove1 = std::nextafter(1.0, 2.0), justBelow1 = std::nextafter(1.0, 0.0);
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
        // a1 b2 rounds to a2 b1: parallel as the elimination rounds, though not exactly.
        {Rows{{{justAbove1, 1, 0, 1}, {1, justBelow1, 0, 2}, {0, 0, 0, 0}}}, Found::ParallelLines},
        // Products past double range: parallel, and not.
        {Rows{{{1e200, 2e200, 0, 1}, {3e200, 6e200, 0, 1}, {0, 0, 0, 0}}}, Found::ParallelLines},
        {Rows{{{1e200, 2e200, 0, -3e200}, {3e200, 1e200, 0, -4e200}, {0, 0, 0, 0}}}, Found::Roots},
        // Row 3 three times row 2 as typed: the elimination rounds to 0 ...
        {Rows{{{0.9, -0.1, -0.2, -0.2}, {-0.6, 0.9, 0.7, -0.3}, {-1.8, 2.7, 2.1, -0.9}}}, Found::NoUniqueSolution},
        // ... or the rows of doubles are dependent exactly, and the elimination rounds to noise.
        {Rows{{{0.4, -0.6, 0.9, -0.1}, {-0.8, 0.4, 0.8, 0.2}, {-2.4, 1.2, 2.4, 0.6}}}, Found::NoUniqueSolution},
        {Rows{{{1, 7, 3, 1}, {3, 1, 7, 2}, {9, 3, 21, 3}}}, Found::NoUniqueSolution},
        // A solution past double range.
        {Rows{{{1e-300, 1, 0, -1e300}, {0, 1, 0, 0}, {0, 0, 0, 0}}}, Found::OutOfRange},
    };
    for (const auto& k : cases) EXPECT_EQ(SolveSystem(k.rows).found, k.found) << &k - cases;
    const Solution huge = SolveSystem(cases[7].rows);
    ExpectClose(huge.values[0], 1);
    ExpectClose(huge.values[1], 1);
}

}  // namespace
}  // namespace suite::tools
