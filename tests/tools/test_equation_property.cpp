// Each solver against the quadruple-precision reference on a few hundred thousand drawn
// equations: every value within a few units in its last place of the truth, every written
// text right in every digit it shows, and every check's verdict the rule's verdict.

#include "equationreference.h"

#include "common/numbers.h"
#include "tools/equationsolver.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>
#include <sstream>

namespace suite::tools {
namespace {

using reference::Quad;

constexpr double kUlps = 4;
constexpr int kCases = 200000;

// Numbers as a learner types them and as a fuzzer finds them: zero, small whole numbers,
// short decimals, ordinary magnitudes and the far ends of double range.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : random_(seed) {}

    int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Unit() { return std::uniform_real_distribution<double>(0, 1)(random_); }
    double Signed(double magnitude) { return Whole(0, 1) ? magnitude : -magnitude; }
    // sign · [1, 2) · 2^e for e between low and high.
    double Binary(int low, int high) { return Signed(std::ldexp(1 + Unit(), Whole(low, high))); }

    double Coefficient()
    {
        switch (Whole(0, 9)) {
        case 0: return 0;
        case 1:
        case 2: return Whole(-20, 20);
        case 3: return Whole(-99999, 99999) / std::pow(10.0, Whole(0, 6));
        case 4: return Binary(-1060, 1020);
        default: return Binary(-100, 100);
        }
    }
    double NonZeroCoefficient()
    {
        for (;;)
            if (const double x = Coefficient(); x != 0) return x;
    }

private:
    std::mt19937_64 random_;
};

// Tells which drawn equation failed.
std::string Equation(std::initializer_list<double> numbers)
{
    std::ostringstream out;
    out.precision(17);
    for (double x : numbers) out << x << ' ';
    return out.str();
}

// The rule of the checks is 1e-7 of the size of the terms; a point whose ratio lies this
// close to it may fall either way by rounding.
bool ClearOfTheRule(Quad ratio) { return ratio < Quad(0.99e-7) || ratio > Quad(1.01e-7); }

// A point off the root by a relative 10^-10 to 10^-4, for the check to judge.
double Nudged(Draw& draw, double x)
{
    return x * (1 + draw.Signed(std::pow(10.0, -4 - 6 * draw.Unit())));
}

struct Tally {
    double worstUlps = 0;
    int cases = 0;
    ~Tally() { std::cout << "  " << cases << " roots checked, worst " << worstUlps << " ulps\n"; }
};

// One value against its truth: the number, and the text the window writes of it with its
// decimals.
void ExpectValue(double x, Quad truth, int decimals, const std::string& which, Tally& tally)
{
    const double ulps = reference::UlpsBetween(x, truth);
    tally.worstUlps = std::max(tally.worstUlps, ulps);
    ++tally.cases;
    EXPECT_LE(ulps, kUlps) << which << "got " << x << " true " << reference::ToDouble(truth);
    const QString text = FixedDecimalText(x, decimals);
    EXPECT_TRUE(reference::TextShows(text, truth, decimals)) << which << text.toStdString();
}

TEST(SolverProperty, LinearRoots)
{
    Draw draw(14001);
    Tally tally;
    for (int i = 0; i < kCases; ++i) {
        const double a = draw.NonZeroCoefficient(), b = draw.Coefficient();
        const std::string which = Equation({a, b});
        const Quad truth = -Quad(b) / a;
        const Solution s = SolveLinear(a, b);
        if (std::isinf(reference::ToDouble(truth))) {
            EXPECT_EQ(s.found, Found::OutOfRange) << which;
            continue;
        }
        ASSERT_EQ(s.found, Found::Roots) << which;
        ExpectValue(s.values[0], truth, 18, which, tally);
        EXPECT_EQ(JudgeLinear(a, b, s.unrounded[0]), Verdict::Right) << which;
        const double nudged = Nudged(draw, s.values[0]);
        const Quad ratio = reference::LinearRatio(a, b, nudged);
        if (ClearOfTheRule(ratio)) {
            EXPECT_EQ(JudgeLinear(a, b, nudged), ratio <= Quad(1e-7) ? Verdict::Right : Verdict::Doubtful) << which;
        }
    }
}

TEST(SolverProperty, QuadraticRoots)
{
    Draw draw(14002);
    Tally tally;
    for (int i = 0; i < kCases; ++i) {
        double a = draw.NonZeroCoefficient(), b = draw.Coefficient(), c = draw.Coefficient();
        if (i % 5 == 0) {
            // Two roots close together: a (X - r)(X - r (1 + ε)).
            const double r = draw.Binary(-200, 200), e = draw.Signed(std::pow(10.0, -16 * draw.Unit()));
            b = -a * (2 * r + r * e);
            c = a * r * r * (1 + e);
            if (!std::isfinite(b) || !std::isfinite(c)) continue;
        }
        const std::string which = Equation({a, b, c});
        const reference::Roots truth = reference::Quadratic(a, b, c);
        const Solution s = SolveQuadratic(a, b, c);
        bool beyond = false;
        for (Quad v : truth.values) beyond = beyond || std::isinf(reference::ToDouble(v));
        if (beyond) {
            EXPECT_EQ(s.found, Found::OutOfRange) << which;
            continue;
        }
        ASSERT_EQ(s.found, truth.complex ? Found::ComplexRoots : Found::Roots) << which;
        if (truth.complex) {
            for (int k = 0; k < 2; ++k) {
                ExpectValue(s.values[k], truth.values[k], 400, which, tally);
                EXPECT_TRUE(reference::TextShows(SignedNumberText(s.values[k]), truth.values[k], 400)) << which;
            }
            continue;
        }
        for (int k = 0; k < 2; ++k) ExpectValue(s.values[k], truth.values[k], 16, which, tally);
        EXPECT_EQ(JudgeQuadratic(a, b, c, s.unrounded), Verdict::Right) << which;
        const double nudged = Nudged(draw, s.values[draw.Whole(0, 1)]);
        const Quad ratio = reference::QuadraticRatio(a, b, c, nudged);
        if (ClearOfTheRule(ratio)) {
            EXPECT_EQ(JudgeQuadratic(a, b, c, {nudged}), ratio <= Quad(1e-7) ? Verdict::Right : Verdict::Doubtful)
                << which << nudged;
        }
    }
}

TEST(SolverProperty, CubicRoots)
{
    Draw draw(14003);
    Tally tally;
    for (int i = 0; i < kCases; ++i) {
        double p = draw.Coefficient(), q = draw.Coefficient();
        if (i % 4 == 0) {
            // From three real roots r0 + r1 + r2 = 0, two of them close at times.
            const double r1 = draw.Binary(-150, 150);
            const double r2 = i % 8 == 0 ? r1 * (1 + draw.Signed(std::pow(10.0, -16 * draw.Unit())))
                                         : draw.Binary(-150, 150);
            const double r0 = -(r1 + r2);
            p = r0 * r1 + r0 * r2 + r1 * r2;
            q = -r0 * r1 * r2;
            if (!std::isfinite(p) || !std::isfinite(q)) continue;
        }
        const std::string which = Equation({p, q});
        // Whether one root or three hangs on the sign of 27q² + 4p³, which the reference
        // rounds: leave out the few where that rounding could decide it.
        const Quad delta108 = 27 * Quad(q) * q + 4 * Quad(p) * p * p;
        const Quad size = 27 * Quad(q) * q + 4 * (p < 0 ? -Quad(p) : Quad(p)) * p * p;
        if (delta108 != 0 && (delta108 < 0 ? -delta108 : delta108) < Quad(0x1p-100) * size) continue;
        const reference::Roots truth = reference::Cubic(p, q);
        const Solution s = SolveCubic(p, q);
        ASSERT_EQ(s.found, Found::Roots) << which;
        ASSERT_EQ(s.values.size(), truth.values.size()) << which;
        for (std::size_t k = 0; k < s.values.size(); ++k) ExpectValue(s.values[k], truth.values[k], 18, which, tally);
        EXPECT_EQ(JudgeCubic(p, q, s.unrounded), Verdict::Right) << which;
        const double nudged = Nudged(draw, s.values[draw.Whole(0, int(s.values.size()) - 1)]);
        const Quad ratio = reference::CubicRatio(p, q, nudged);
        if (ClearOfTheRule(ratio)) {
            EXPECT_EQ(JudgeCubic(p, q, {nudged}), ratio <= Quad(1e-7) ? Verdict::Right : Verdict::Doubtful)
                << which << nudged;
        }
    }
}

TEST(SolverProperty, Systems)
{
    Draw draw(14004);
    Tally tally;
    int untrusted = 0;
    int undecided = 0;
    for (int i = 0; i < kCases; ++i) {
        std::array<SystemRow, 3> rows;
        for (SystemRow& row : rows)
            for (double& x : row) x = draw.Whole(0, 3) ? draw.Coefficient() : 0;
        if (i % 3 == 0)
            for (SystemRow& row : rows) row[2] = 0;
        if (i % 10 == 1) {
            // Row 3 a multiple of row 2 (or row 2 of row 1): no unique solution.
            const double k = draw.Signed(std::ldexp(1.0, draw.Whole(0, 2)));  // an exact multiple
            for (int j = 0; j < 3; ++j) rows[2][j] = k * rows[1][j];
            if (!std::isfinite(rows[2][0] + rows[2][1] + rows[2][2])) continue;
        }
        const std::string which = Equation({rows[0][0], rows[0][1], rows[0][2], rows[0][3], rows[1][0], rows[1][1],
                                            rows[1][2], rows[1][3], rows[2][0], rows[2][1], rows[2][2], rows[2][3]});
        const reference::SystemSolution truth = reference::System(rows);
        const Solution s = SolveSystem(rows);
        if (!truth.decided) {
            // Rows made dependent; elsewhere too close to call in quadruple precision.
            if (i % 10 == 1 && !IsTwoUnknownSystem(rows)) {
                EXPECT_EQ(s.found, Found::NoUniqueSolution) << which;
            }
            ++undecided;
            continue;
        }
        bool beyond = false;
        for (Quad v : truth.values) beyond = beyond || std::isinf(reference::ToDouble(v));
        if (beyond) {
            EXPECT_EQ(s.found, Found::OutOfRange) << which;
            continue;
        }
        ASSERT_EQ(s.found, truth.found) << which;
        if (s.found != Found::Roots) continue;
        ASSERT_EQ(s.values.size(), truth.values.size()) << which;
        for (std::size_t k = 0; k < s.values.size(); ++k) {
            if (truth.trusted[k])
                ExpectValue(s.values[k], truth.values[k], 12, which, tally);
            else
                ++untrusted;
        }
        EXPECT_EQ(JudgeSystem(rows, s.unrounded), Verdict::Right) << which;
        std::vector<double> nudged = s.values;
        double& moved = nudged[draw.Whole(0, int(nudged.size()) - 1)];
        moved = Nudged(draw, moved);
        const Quad ratio = reference::SystemRatio(rows, nudged);
        if (ClearOfTheRule(ratio)) {
            EXPECT_EQ(JudgeSystem(rows, Values(nudged.begin(), nudged.end())),
                      ratio <= Quad(1e-7) ? Verdict::Right : Verdict::Doubtful)
                << which;
        }
    }
    // Quadruple precision pins down nearly every drawn system.
    EXPECT_LT(untrusted, kCases / 100);
    EXPECT_LT(undecided, kCases / 5);
}

}  // namespace
}  // namespace suite::tools
