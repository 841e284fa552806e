#include "solver.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace triangle {
namespace {

struct SolvedCase {
    const char* name;
    double a, b, c;
    const char* area;
    const char* circumradius;
    const char* inradius;
    std::array<const char*, 3> angles, sides, medians, bisectors, altitudes;
};

const SolvedCase kSolved[] = {
    {"right_3_4_5", 3, 4, 5, "6", "2.5", "1",
     {" 36.87", " 53.13", " 90"}, {"3", "4", "5"}, {"4.27", "3.61", "2.5"},
     {"4.22", "3.35", "2.42"}, {"4", "3", "2.4"}},
    {"obtuse_2_2_3", 2, 2, 3, "1.98431348329844", "1.51", "0.57",
     {" 41.41", " 41.41", " 97.18"}, {"2", "2", "3"}, {"2.35", "2.35", "1.32"},
     {"2.24", "2.24", "1.32"}, {"1.98", "1.98", "1.32"}},
    {"equilateral_1_1_1", 1, 1, 1, "0.433012701892219", "0.58", "0.29",
     {" 60", " 60", " 60"}, {"1", "1", "1"}, {"0.87", "0.87", "0.87"},
     {"0.87", "0.87", "0.87"}, {"0.87", "0.87", "0.87"}},
    // The obtuse angle opposite the first side: the 180 correction lands on A.
    {"obtuse_first_3_2_2", 3, 2, 2, "1.98431348329844", "1.51", "0.57",
     {" 97.18", " 41.41", " 41.41"}, {"3", "2", "2"}, {"1.32", "2.35", "2.35"},
     {"1.32", "2.24", "2.24"}, {"1.32", "1.98", "1.98"}},
};

class SolvedTriangle : public ::testing::TestWithParam<SolvedCase> {};

TEST_P(SolvedTriangle, ShowsEveryQuantityAsTheLearnerReadsIt)
{
    const SolvedCase& k = GetParam();
    const Result result = Solve(k.a, k.b, k.c);
    ASSERT_EQ(result.outcome, Outcome::Solved);
    const SolutionTexts t = Present(k.a, k.b, k.c, result.solution);
    EXPECT_EQ(t.area, QString::fromUtf8(k.area));
    EXPECT_EQ(t.circumradius, QString::fromUtf8(k.circumradius));
    EXPECT_EQ(t.inradius, QString::fromUtf8(k.inradius));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.angles[i], QString::fromUtf8(k.angles[i]) + kDegree);
        EXPECT_EQ(t.sides[i], QString::fromUtf8(k.sides[i]));
        EXPECT_EQ(t.medians[i], QString::fromUtf8(k.medians[i]));
        EXPECT_EQ(t.bisectors[i], QString::fromUtf8(k.bisectors[i]));
        EXPECT_EQ(t.altitudes[i], QString::fromUtf8(k.altitudes[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, SolvedTriangle, ::testing::ValuesIn(kSolved),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    double a, b, c;
    Outcome outcome;
};

const RefusedCase kRefused[] = {
    {"degenerate_1_2_3", 1, 2, 3, Outcome::NotATriangle},
    {"degenerate_other_order", 3, 1, 2, Outcome::NotATriangle},
    {"too_long_side", 1, 1, 5, Outcome::NotATriangle},
    {"negative_side", -3, 4, 5, Outcome::NotATriangle},
    {"all_negative", -1, -1, -1, Outcome::NotATriangle},
    {"huge_sides_overflow", 1e100, 1e100, 1e100, Outcome::OutOfRange},
    {"past_heron_range", 1e80, 1e80, 1e80, Outcome::OutOfRange},
    {"tiny_sides_underflow", 1e-170, 1e-170, 1e-170, Outcome::OutOfRange},
    // Heron's product of about 1E-312 keeps only 11 digits: the area would be wrong.
    {"tiny_sides_lose_digits", 1e-78, 1e-78, 1e-78, Outcome::OutOfRange},
    {"tiny_right_triangle_loses_digits", 3e-78, 4e-78, 5e-78, Outcome::OutOfRange},
    {"infinite_sides", INFINITY, INFINITY, INFINITY, Outcome::OutOfRange},
};

class RefusedTriangle : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTriangle, IsRefusedWithItsReason)
{
    const RefusedCase& k = GetParam();
    EXPECT_EQ(Solve(k.a, k.b, k.c).outcome, k.outcome);
}

INSTANTIATE_TEST_SUITE_P(Edges, RefusedTriangle, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Triangle, LargeButInRangeSidesStillSolve)
{
    const Result result = Solve(3e70, 4e70, 5e70);
    ASSERT_EQ(result.outcome, Outcome::Solved);
    EXPECT_DOUBLE_EQ(result.solution.circumradius, 2.5e70);
    EXPECT_EQ(Present(3e70, 4e70, 5e70, result.solution).angles[2], QStringLiteral(" 90") + kDegree);
}

TEST(Triangle, SmallButInRangeSidesStillSolveToTheLastDigit)
{
    const Result result = Solve(3e-70, 4e-70, 5e-70);
    ASSERT_EQ(result.outcome, Outcome::Solved);
    EXPECT_EQ(Present(3e-70, 4e-70, 5e-70, result.solution).area, QStringLiteral("6E-140"));
}

TEST(Triangle, VeryFlatTrianglesShowFiniteAnglesSummingToAStraightAngle)
{
    for (const auto& sides : {std::array<double, 3>{1e-8, 1, 1}, std::array<double, 3>{1, 1, 1.9999999}}) {
        const Result result = Solve(sides[0], sides[1], sides[2]);
        ASSERT_EQ(result.outcome, Outcome::Solved);
        const auto& angles = result.solution.angles;
        for (double angle : angles) {
            EXPECT_TRUE(std::isfinite(angle));
            EXPECT_GE(angle, 0);
            EXPECT_LE(angle, 180);
        }
        EXPECT_NEAR(angles[0] + angles[1] + angles[2], 180, 1e-3);
    }
}

TEST(Triangle, AnglesUseTheFifteenDigitPi)
{
    // With the nearest double to pi these come out a few units lower in the last place.
    EXPECT_EQ(AngleDegrees(0.5, std::sqrt(0.75)), 60.00000000000006);
    EXPECT_EQ(AngleDegrees(0.8, 0.6), 36.869897645844055);
    EXPECT_EQ(Solve(3, 4, 5).solution.angles[1], 53.13010235415604);
}

struct AngleCase {
    double cosine;
    double degrees;
};

TEST(Triangle, AngleFromCosineCoversRightStraightAndRoundedPastOne)
{
    const AngleCase cases[] = {
        {0, 90},
        {1, 0},
        {-1, 180},  // atan of -0 would give 0
        {1.0000000000000002, 0},
        {-1.0000000000000002, 180},
        {0.5, 60},
        {-0.5, 120},
    };
    for (const AngleCase& k : cases) {
        SCOPED_TRACE(k.cosine);
        const double sine = std::sqrt(1 - k.cosine * k.cosine);
        EXPECT_NEAR(AngleDegrees(k.cosine, sine), k.degrees, 1e-9);
    }
}

TEST(Triangle, MessageListsTheSignedLengthsJoinedByFullWidthCommas)
{
    EXPECT_EQ(SidesMessage(1, 2, 3, kNotATriangle),
              QStringLiteral(" 1") + kSeparator + " 2" + kSeparator + " 3" + kNotATriangle);
    EXPECT_EQ(SidesMessage(-1.5, 2, 3, kNotATriangle),
              QStringLiteral("-1.5") + kSeparator + " 2" + kSeparator + " 3" + kNotATriangle);
}

}  // namespace
}  // namespace triangle
