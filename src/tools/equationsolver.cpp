#include "equationsolver.h"

#include "tools/exactsum.h"
#include "tools/widedouble.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <initializer_list>
#include <numbers>

namespace suite::tools {

namespace {

bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The values as doubles; a value beyond double range makes the whole solution so.
Solution Rounded(std::initializer_list<WideDouble> values, Found found = Found::Roots)
{
    Solution s{found, {}, values};
    for (WideDouble v : values) {
        const double x = v.ToDouble();
        if (!std::isfinite(x)) return {Found::OutOfRange, {}, {}};
        s.values.push_back(x);
    }
    return s;
}

// --- the incomplete cubic ---------------------------------------------------------------

// X³ + p X + q at x, exactly, then rounded.
WideDouble CubicAt(double p, double q, double x) { return ExactSum().Add({x, x, x}).Add({p, x}).Add({q}).Value(); }

// Exact too: next to a turning point the slope is a difference that cancels.
double NewtonStep(double p, double x, WideDouble fx)
{
    const WideDouble slope = ExactSum().Add({x, x}, 3).Add({p}).Value();
    if (slope.IsZero()) return x;
    const double next = x - (fx / slope).ToDouble();
    return std::isfinite(next) ? next : x;
}

// Newton's steps from an estimate a few units in the last place off, on the exact value
// of the cubic, so that the root ends within a unit of its last place.
double Polish(double p, double q, double x)
{
    double before = x;
    for (int step = 0; step < 8; ++step) {
        const WideDouble fx = CubicAt(p, q, x);
        if (fx.IsZero()) return x;
        const double next = NewtonStep(p, x, fx);
        if (next == x) return x;
        // To and fro between two neighbours: the one where the cubic is nearer zero.
        if (next == before) return SmallerMagnitude(CubicAt(p, q, next), fx) ? next : x;
        before = x;
        x = next;
    }
    return x;
}

// The same for a root between lo and hi, where the cubic changes sign: two roots close
// together can draw a step from one to the other, and the bracket keeps it on its own.
// Where the ends show no change of sign, the roots lie closer than the rounding of the
// ends, and the end nearer zero is the root.
double PolishBetween(double p, double q, double x, double lo, double hi)
{
    WideDouble fLo = CubicAt(p, q, lo);
    WideDouble fHi = CubicAt(p, q, hi);
    if (fLo.IsZero()) return lo;
    if (fHi.IsZero()) return hi;
    if (fLo.Sign() == fHi.Sign()) return SmallerMagnitude(fHi, fLo) ? hi : lo;
    if (!(lo < x && x < hi)) x = lo + (hi - lo) / 2;
    for (int step = 0; step < 200; ++step) {
        const WideDouble fx = CubicAt(p, q, x);
        if (fx.IsZero()) return x;
        if (fx.Sign() == fLo.Sign()) {
            lo = x;
            fLo = fx;
        } else {
            hi = x;
            fHi = fx;
        }
        double next = NewtonStep(p, x, fx);
        if (next == x) return x;
        if (!(lo < next && next < hi)) {
            next = lo + (hi - lo) / 2;
            if (next == lo || next == hi) return SmallerMagnitude(fHi, fLo) ? hi : lo;
        }
        x = next;
    }
    return x;
}

// A first value of the one real root while Δ ≥ 0 (delta108 = 108 Δ), close enough for
// Newton's steps: Cardano's sum where it does not cancel, the hyperbolic form where it would.
WideDouble OneRootEstimate(double p, double q, WideDouble delta108)
{
    if (p == 0) return -Cbrt(q);
    if (p > 0) {
        // X = -2 √(p/3) sinh(asinh(z) / 3) with z = q / (2 √(p/3)³).
        const WideDouble turn = Sqrt(WideDouble(p) / 3.0);
        const WideDouble z = WideDouble(q) / (turn * turn * turn * 2.0);
        if (SmallerMagnitude(z, 0x1p-26)) return -WideDouble(q) / p;  // sinh(asinh(z)/3) = z/3 there
        if (!SmallerMagnitude(1.0, z)) return turn * (-2 * std::sinh(std::asinh(z.ToDouble()) / 3));
    }
    // Of u = -q/2 + √Δ and v = -q/2 - √Δ, the one whose terms have the same sign; the cube
    // root of the other is -p / (3 t), as cbrt(u) · cbrt(v) = -p/3.
    const WideDouble root = Sqrt(delta108 / 108.0);
    const WideDouble half = WideDouble(q) / 2.0;
    const WideDouble w = q > 0 ? -(half + root) : root - half;
    const WideDouble t = Cbrt(w);
    return t - WideDouble(p) / (t * 3.0);
}

// Newton's steps work on doubles; a root below their normal range keeps the value of its
// formula, which for such a root is one without cancellation.
WideDouble Polished(WideDouble estimate, const std::function<double(double)>& polish)
{
    if (SmallerMagnitude(estimate, std::numeric_limits<double>::min())) return estimate;
    return polish(estimate.ToDouble());
}

// --- the judges -------------------------------------------------------------------------

// A residual is small enough within 1e-7 of the size of the terms it sums.
bool Holds(const ExactSum& residual, WideDouble size)
{
    return !SmallerMagnitude(WideDouble(1e-7) * size, residual.Value());
}

Verdict VerdictOf(bool right) { return right ? Verdict::Right : Verdict::Doubtful; }

bool QuadraticHolds(double a, double b, double c, WideDouble x)
{
    const ExactSum residual = ExactSum().Add({a, x, x}).Add({b, x}).Add({c});
    return Holds(residual, Abs(a * x * x) + Abs(b * x) + Abs(c));
}

bool CubicHolds(double p, double q, WideDouble x)
{
    const ExactSum residual = ExactSum().Add({x, x, x}).Add({p, x}).Add({q});
    return Holds(residual, Abs(x * x * x) + Abs(p * x) + Abs(q));
}

bool RowHolds(const SystemRow& row, const Values& xyz)
{
    ExactSum residual;
    WideDouble size = Abs(row[3]);
    residual.Add({row[3]});
    for (std::size_t i = 0; i < xyz.size(); ++i) {
        residual.Add({row[i], xyz[i]});
        size = size + Abs(row[i] * xyz[i]);
    }
    return Holds(residual, size);
}

// --- the system -------------------------------------------------------------------------

using Column = std::array<double, 3>;

ExactSum Determinant(const Column& x, const Column& y, const Column& z)
{
    return ExactSum()
        .Add({x[0], y[1], z[2]})
        .Add({x[0], y[2], z[1]}, -1)
        .Add({x[1], y[0], z[2]}, -1)
        .Add({x[1], y[2], z[0]})
        .Add({x[2], y[0], z[1]})
        .Add({x[2], y[1], z[0]}, -1);
}

ExactSum Determinant(double a1, double b1, double a2, double b2)
{
    return ExactSum().Add({a1, b2}).Add({a2, b1}, -1);
}

}  // namespace

Solution SolveLinear(double a, double b)
{
    if (a == 0) return {Found::NoLeadingTerm, {}};
    if (!AllFinite({a, b})) return {Found::OutOfRange, {}};
    const double x = (-1 * b) / a;
    if (!std::isfinite(x)) return {Found::OutOfRange, {}};
    return {Found::Roots, {x}, {-WideDouble(b) / a}};
}

Solution SolveQuadratic(double a, double b, double c)
{
    if (a == 0) return {Found::NoLeadingTerm, {}};
    if (!AllFinite({a, b, c})) return {Found::OutOfRange, {}};
    const WideDouble delta = ExactSum().Add({b, b}).Add({a, c}, -4).Value();
    const WideDouble twoA = WideDouble(a) * 2.0;
    if (delta.Sign() < 0) return Rounded({-WideDouble(b) / twoA, Sqrt(-delta) / Abs(twoA)}, Found::ComplexRoots);
    const WideDouble root = Sqrt(delta);
    // -b and the root of the same sign add without loss; where they have opposite signs
    // the sum would cancel to noise, and the product of the roots, c / a, gives that root.
    if (b == 0) return Rounded({root / twoA, -root / twoA});
    if (b < 0) {
        const WideDouble x1 = (root - b) / twoA;
        return Rounded({x1, WideDouble(c) / (WideDouble(a) * x1)});
    }
    const WideDouble x2 = -(root + b) / twoA;
    return Rounded({WideDouble(c) / (WideDouble(a) * x2), x2});
}

Solution SolveCubic(double p, double q)
{
    if (!AllFinite({p, q})) return {Found::OutOfRange, {}};
    // Δ = q²/4 + p³/27 has the sign of 108 Δ = 27 q² + 4 p³.
    const ExactSum delta108 = ExactSum().Add({q, q}, 27).Add({p, p, p}, 4);
    if (delta108.Sign() >= 0) {
        // With q = 0 here p ≥ 0, and X (X² + p) = 0 has the root 0 alone.
        if (q == 0) return Rounded({0.0});
        return Rounded({Polished(OneRootEstimate(p, q, delta108.Value()), [&](double x) { return Polish(p, q, x); })});
    }
    // Three real roots (Δ < 0 needs p < 0): X = 2 t cos(θ/3 - 2πk/3) with the turning points
    // ±t = ±√(-p/3) and cos θ = -q / (2 t³). The cosines give the outer roots, and the
    // relation x0 x1 x2 = -q the middle one, which the cosine would give as noise near 0;
    // each then goes to its own place between the turning points.
    const WideDouble turn = Sqrt(-WideDouble(p) / 3.0);
    const double cosine = std::clamp((-WideDouble(q) / (turn * turn * turn * 2.0)).ToDouble(), -1.0, 1.0);
    const double theta = std::acos(cosine);
    const WideDouble twice = turn * 2.0;
    const double t = turn.ToDouble();
    const double outer = (twice * (1 + 0x1p-48)).ToDouble();  // just beyond both outer roots
    const double x0 = PolishBetween(p, q, (twice * std::cos(theta / 3)).ToDouble(), t, outer);
    const double x2 = PolishBetween(p, q, (twice * -std::cos((std::numbers::pi - theta) / 3)).ToDouble(), -outer, -t);
    const WideDouble x1 = Polished(-WideDouble(q) / (WideDouble(x0) * x2),
                                   [&](double x) { return PolishBetween(p, q, x, -t, t); });
    return Rounded({x0, x1, x2});
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

    // The decisions are the elimination's own, each step rounded as in doubles but never
    // out of range. The values are Cramer's rule with each determinant exact until its one
    // rounding, right to a unit or two in their last place.
    if (IsTwoUnknownSystem(rows)) {
        if (!AllFinite({a1, b1, d1, a2, b2, d2})) return {Found::OutOfRange, {}};
        if ((WideDouble(a1) * b2 - WideDouble(a2) * b1).IsZero()) return {Found::ParallelLines, {}};
        // Not zero rounded, so not zero exactly.
        const WideDouble d = Determinant(a1, b1, a2, b2).Value();
        return Rounded({Determinant(-d1, b1, -d2, b2).Value() / d, Determinant(a1, -d1, a2, -d2).Value() / d});
    }

    if (a1 == 0) return {Found::FirstXZero, {}};
    if (!AllFinite({a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3})) return {Found::OutOfRange, {}};
    auto eliminated = [a1](double x2, double x1, double a) { return WideDouble(a1) * x2 - WideDouble(a) * x1; };
    const WideDouble B2 = eliminated(b2, b1, a2), C2 = eliminated(c2, c1, a2);
    const WideDouble B3 = eliminated(b3, b1, a3), C3 = eliminated(c3, c1, a3);
    // B2 C3 - C2 B3 is a1 times the determinant of the rows, which may yet be 0 where the
    // rounded one is not: there the values would be noise over noise.
    const Column a{a1, a2, a3}, b{b1, b2, b3}, c{c1, c2, c3}, minusD{-d1, -d2, -d3};
    const ExactSum delta = Determinant(a, b, c);
    if ((B2 * C3 - C2 * B3).IsZero() || delta.Sign() == 0) return {Found::NoUniqueSolution, {}};
    const WideDouble det = delta.Value();
    return Rounded({Determinant(minusD, b, c).Value() / det, Determinant(a, minusD, c).Value() / det,
                    Determinant(a, b, minusD).Value() / det});
}

Verdict JudgeLinear(double a, double b, WideDouble x)
{
    const ExactSum residual = ExactSum().Add({a, x}).Add({b});
    return VerdictOf(Holds(residual, Abs(a * x) + Abs(b)));
}

Verdict JudgeQuadratic(double a, double b, double c, const Values& roots)
{
    return VerdictOf(std::all_of(roots.begin(), roots.end(), [&](WideDouble x) { return QuadraticHolds(a, b, c, x); }));
}

Verdict JudgeCubic(double p, double q, const Values& roots)
{
    return VerdictOf(std::all_of(roots.begin(), roots.end(), [&](WideDouble x) { return CubicHolds(p, q, x); }));
}

Verdict JudgeSystem(const std::array<SystemRow, 3>& rows, const Values& xyz)
{
    const auto used = rows.begin() + (xyz.size() == 2 ? 2 : 3);
    return VerdictOf(std::all_of(rows.begin(), used, [&](const SystemRow& row) { return RowHolds(row, xyz); }));
}

}  // namespace suite::tools
