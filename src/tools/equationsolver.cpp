#include "equationsolver.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace suite::tools {

namespace {

bool AllFinite(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A solution is only as good as every number that went into it.
Solution Checked(std::vector<double> values, const std::vector<double>& steps)
{
    if (!AllFinite(steps) || !AllFinite(values)) return {Found::OutOfRange, {}};
    return {Found::Roots, std::move(values)};
}

// The cube root with its sign kept, through the power one third as the formula has it.
double SignedCubeRoot(double w)
{
    const double third = 1.0 / 3.0;
    return w <= 0 ? -std::pow(-w, third) : std::pow(w, third);
}

}  // namespace

Solution SolveLinear(double a, double b)
{
    if (a == 0) return {Found::NoLeadingTerm, {}};
    return Checked({(-1 * b) / a}, {a, b});
}

Solution SolveQuadratic(double a, double b, double c)
{
    if (a == 0) return {Found::NoLeadingTerm, {}};
    const double delta = b * b - 4 * a * c;
    const double twoA = 2 * a;
    if (!AllFinite({a, b, c, delta, twoA})) return {Found::OutOfRange, {}};
    if (delta < 0) {
        const double re = (-1 * b) / twoA;
        const double im = std::sqrt(-delta) / (2 * std::fabs(a));
        Solution s = Checked({re, im}, {});
        if (s.found == Found::Roots) s.found = Found::ComplexRoots;
        return s;
    }
    const double root = std::sqrt(delta);
    double x1 = (-b + root) / twoA;
    double x2 = (-b - root) / twoA;
    // Where -b and the root have opposite signs their sum cancels to noise ("0.0000010000076145"
    // for the small root of X² - 1000000X + 1); the product of the roots, c / a, gives it exactly.
    if (b < 0)
        x2 = c / (a * x1);
    else if (b > 0)
        x1 = c / (a * x2);
    return Checked({x1, x2}, {});
}

Solution SolveCubic(double p, double q)
{
    const double delta = q * q / 4 + p * p * p / 27;
    if (!AllFinite({p, q}) || std::isnan(delta)) return {Found::OutOfRange, {}};
    if (delta >= 0) {
        const double s = std::sqrt(delta);
        const double u = -0.5 * q + s;
        const double v = -0.5 * q - s;
        return Checked({SignedCubeRoot(u) + SignedCubeRoot(v)}, {});
    }
    // Three real roots (delta < 0 needs p < 0): X = m cos(θ/3 - 2πk/3).
    const double m = 2 * std::sqrt(-p / 3);
    const double cosine = std::clamp(3 * q / (2 * p) * std::sqrt(-3 / p), -1.0, 1.0);
    const double theta = std::acos(cosine);
    std::vector<double> roots;
    for (int k = 0; k < 3; ++k) roots.push_back(m * std::cos(theta / 3 - 2 * std::numbers::pi * k / 3));
    return Checked(std::move(roots), {m});
}

bool IsTwoUnknownSystem(const std::array<SystemRow, 3>& rows)
{
    return rows[0][2] == 0 && rows[1][2] == 0 && rows[2][2] == 0;
}

Solution SolveSystem(const std::array<SystemRow, 3>& rows)
{
    const auto [a1, b1, c1, d1] = rows[0];
    const auto [a2, b2, c2, d2] = rows[1];
    const auto [a3, b3, c3, d3] = rows[2];
    if ((a1 == 0 && a2 == 0 && a3 == 0) || (b1 == 0 && b2 == 0 && b3 == 0)) return {Found::NoXOrY, {}};

    if (IsTwoUnknownSystem(rows)) {
        const double D = a1 * b2 - a2 * b1;
        if (D == 0) return {Found::ParallelLines, {}};
        const double x = (b1 * d2 - b2 * d1) / D;
        const double y = (a2 * d1 - a1 * d2) / D;
        return Checked({x, y}, {a1, b1, d1, a2, b2, d2, D});
    }

    if (a1 == 0) return {Found::FirstXZero, {}};
    const double B2 = a1 * b2 - a2 * b1, C2 = a1 * c2 - a2 * c1, D2 = a1 * d2 - a2 * d1;
    const double B3 = a1 * b3 - a3 * b1, C3 = a1 * c3 - a3 * c1, D3 = a1 * d3 - a3 * d1;
    const double delta = B2 * C3 - C2 * B3;
    if (delta == 0) return {Found::NoUniqueSolution, {}};
    const double y = (C2 * D3 - D2 * C3) / delta;
    const double z = (B3 * D2 - B2 * D3) / delta;
    const double x = (-b1 * y) / a1 - (c1 * z) / a1 - d1 / a1;
    return Checked({x, y, z}, {a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3, B2, C2, D2, B3, C3, D3, delta});
}

Verdict Judge(const std::vector<double>& residuals)
{
    if (!AllFinite(residuals)) return Verdict::OutOfRange;
    const bool right = std::all_of(residuals.begin(), residuals.end(),
                                   [](double r) { return std::fabs(r) <= 1e-7; });
    return right ? Verdict::Right : Verdict::Doubtful;
}

Verdict JudgeLinear(double a, double b, double x) { return Judge({a * x + b}); }

Verdict JudgeQuadratic(double a, double b, double c, const std::vector<double>& roots)
{
    std::vector<double> residuals;
    for (double x : roots) residuals.push_back(a * x * x + b * x + c);
    return Judge(residuals);
}

Verdict JudgeCubic(double p, double q, const std::vector<double>& roots)
{
    std::vector<double> residuals;
    for (double x : roots) residuals.push_back(x * x * x + p * x + q);
    return Judge(residuals);
}

Verdict JudgeSystem(const std::array<SystemRow, 3>& rows, const std::vector<double>& xyz)
{
    std::vector<double> residuals;
    if (xyz.size() == 2) {
        for (int i = 0; i < 2; ++i) residuals.push_back(rows[i][0] * xyz[0] + rows[i][1] * xyz[1] + rows[i][3]);
    } else {
        for (const SystemRow& r : rows) residuals.push_back(r[0] * xyz[0] + r[1] * xyz[1] + r[2] * xyz[2] + r[3]);
    }
    return Judge(residuals);
}

}  // namespace suite::tools
