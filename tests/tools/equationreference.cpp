#include "equationreference.h"

#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <quadmath.h>

namespace suite::tools::reference {

namespace {

Quad Abs(Quad x) { return x < 0 ? -x : x; }

Quad CubicAt(Quad p, Quad q, Quad x) { return (x * x + p) * x + q; }

// Newton's steps on a simple root, from an estimate good to a dozen digits or more.
Quad NewtonCubic(Quad p, Quad q, Quad x)
{
    for (int step = 0; step < 6; ++step) {
        const Quad slope = 3 * x * x + p;
        if (slope == 0) break;
        const Quad correction = CubicAt(p, q, x) / slope;
        x -= correction;
        if (Abs(correction) <= Quad(0x1p-100) * Abs(x)) break;  // the next step is below 2^-200
    }
    return x;
}

}  // namespace

double ToDouble(Quad x) { return static_cast<double>(x); }

double UlpsBetween(double x, Quad truth)
{
    const double nearest = ToDouble(truth);
    const double magnitude = std::max(std::fabs(nearest), std::numeric_limits<double>::min());
    const double ulp = std::nextafter(magnitude, INFINITY) - magnitude;
    return static_cast<double>(Abs(Quad(x) - truth) / ulp);
}

Roots Quadratic(double a, double b, double c)
{
    // b² and 4ac are exact in 113 bits, and so is their difference wherever it cancels.
    const Quad delta = Quad(b) * b - 4 * Quad(a) * c;
    if (delta < 0) return {true, {-Quad(b) / (2 * Quad(a)), sqrtq(-delta) / Abs(2 * Quad(a))}};
    const Quad root = sqrtq(delta);
    const Quad plus = (-Quad(b) + root) / (2 * Quad(a));
    const Quad minus = (-Quad(b) - root) / (2 * Quad(a));
    // The one without cancellation, and the other from the product of the roots.
    if (b >= 0) return {false, {minus == 0 ? plus : Quad(c) / (Quad(a) * minus), minus}};
    return {false, {plus, Quad(c) / (Quad(a) * plus)}};
}

Roots Cubic(double p, double q)
{
    const Quad P = p, Q = q;
    const Quad delta108 = 27 * Q * Q + 4 * P * P * P;
    if (delta108 >= 0) {
        if (q == 0) return {false, {0}};
        Quad x;
        if (p > 0) {
            const Quad t = sqrtq(P / 3);
            x = -2 * t * sinhq(asinhq(Q / (2 * t * t * t)) / 3);
        } else if (p < 0) {
            // Δ ≥ 0 with p < 0 means |q| ≥ 2 t³, and X = -2 t cosh(acosh(|z|) / 3) sign(q).
            const Quad t = sqrtq(-P / 3);
            const Quad z = Abs(Q) / (2 * t * t * t);
            x = (q > 0 ? -2 : 2) * t * coshq(acoshq(z < 1 ? Quad(1) : z) / 3);
        } else {
            x = -cbrtq(Q);
        }
        return {false, {NewtonCubic(P, Q, x)}};
    }
    const Quad t = sqrtq(-P / 3);
    Quad cosine = -Q / (2 * t * t * t);
    cosine = std::clamp(cosine, Quad(-1), Quad(1));
    const Quad theta = acosq(cosine);
    const Quad x0 = NewtonCubic(P, Q, 2 * t * cosq(theta / 3));
    const Quad x2 = NewtonCubic(P, Q, -2 * t * cosq((acosq(Quad(-1)) - theta) / 3));
    return {false, {x0, -Q / (x0 * x2), x2}};
}

// The elimination's decisions as the solver takes them, in plain doubles: each row and each
// column is first scaled by a power of two, which changes no rounding, so that the steps
// stay in range where they can. Where one still leaves the normal range, there is no
// telling what doubles of a wider range would have done.
class Elimination {
public:
    explicit Elimination(const std::array<SystemRow, 3>& rows) : m_{}
    {
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) m_[i][j] = rows[i][j];
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < 3; ++i) Scale([&](int k) -> double& { return m_[i][k]; });
            for (int j = 0; j < 3; ++j) Scale([&](int k) -> double& { return m_[k][j]; });
        }
    }
    // a1 b2 - a2 b1 rounded is 0; nothing when a step leaves the normal range.
    std::optional<bool> TwoByTwoZero() const
    {
        const double p = Product(m_[0][0], m_[1][1]), q = Product(m_[1][0], m_[0][1]);
        if (!ok_) return std::nullopt;
        return p == q;
    }
    // B2 C3 - C2 B3 rounded is 0.
    std::optional<bool> EliminatedZero()
    {
        auto eliminated = [&](int row, int column) {
            return Difference(Product(m_[0][0], m_[row][column]), Product(m_[row][0], m_[0][column]));
        };
        const double B2 = eliminated(1, 1), C2 = eliminated(1, 2), B3 = eliminated(2, 1), C3 = eliminated(2, 2);
        const double delta = Difference(Product(B2, C3), Product(C2, B3));
        if (!ok_) return std::nullopt;
        return delta == 0;
    }

private:
    template <class At>
    void Scale(At at)
    {
        double largest = 0;
        for (int k = 0; k < 3; ++k) largest = std::max(largest, std::fabs(at(k)));
        if (largest == 0) return;
        const int power = std::ilogb(largest);
        for (int k = 0; k < 3; ++k) {
            const double scaled = Checked(std::ldexp(at(k), -power));
            if (scaled == 0 && at(k) != 0) ok_ = false;
            at(k) = scaled;
        }
    }
    double Checked(double x) const
    {
        if (!std::isfinite(x) || (x != 0 && std::fabs(x) < std::numeric_limits<double>::min())) ok_ = false;
        return x;
    }
    double Product(double x, double y) const
    {
        const double p = Checked(x * y);
        if (p == 0 && x != 0 && y != 0) ok_ = false;
        return p;
    }
    double Difference(double x, double y) const { return Checked(x - y); }

    double m_[3][3];
    mutable bool ok_ = true;
};

SystemSolution System(const std::array<SystemRow, 3>& rows)
{
    const auto& r = rows;
    SystemSolution s;
    if ((r[0][0] == 0 && r[1][0] == 0 && r[2][0] == 0) || (r[0][1] == 0 && r[1][1] == 0 && r[2][1] == 0)) {
        s.found = Found::NoXOrY;
        return s;
    }
    // A determinant and the sum of the magnitudes of its terms: 113 bits hold the rounded
    // terms, so the determinant is good to about 2^-110 of that sum.
    struct Det {
        Quad value;
        Quad size;
    };
    auto trusted = [](Det num, Det den) {
        const Quad error = Quad(0x1p-108) * (num.size / Abs(num.value) + den.size / Abs(den.value));
        return num.value == 0 ? den.value != 0 && num.size == 0 : error < Quad(0x1p-62);
    };
    Elimination elimination(rows);
    const bool two = r[0][2] == 0 && r[1][2] == 0 && r[2][2] == 0;
    if (two) {
        auto det2 = [](Quad a1, Quad b1, Quad a2, Quad b2) {
            return Det{a1 * b2 - a2 * b1, Abs(a1 * b2) + Abs(a2 * b1)};
        };
        const std::optional<bool> parallel = elimination.TwoByTwoZero();
        s.decided = parallel.has_value();
        if (parallel.value_or(false)) {
            s.found = Found::ParallelLines;
            return s;
        }
        const Det d = det2(r[0][0], r[0][1], r[1][0], r[1][1]);
        const Det x = det2(-Quad(r[0][3]), r[0][1], -Quad(r[1][3]), r[1][1]);
        const Det y = det2(r[0][0], -Quad(r[0][3]), r[1][0], -Quad(r[1][3]));
        s.values = {x.value / d.value, y.value / d.value};
        s.trusted = {trusted(x, d), trusted(y, d)};
        return s;
    }
    if (r[0][0] == 0) {
        s.found = Found::FirstXZero;
        return s;
    }
    using Column = std::array<Quad, 3>;
    auto det3 = [](const Column& x, const Column& y, const Column& z) {
        const Quad terms[6] = {x[0] * y[1] * z[2],  -x[0] * y[2] * z[1], -x[1] * y[0] * z[2],
                               x[1] * y[2] * z[0],  x[2] * y[0] * z[1],  -x[2] * y[1] * z[0]};
        Det d{0, 0};
        for (Quad t : terms) {
            d.value += t;
            d.size += Abs(t);
        }
        return d;
    };
    const Column a{r[0][0], r[1][0], r[2][0]}, b{r[0][1], r[1][1], r[2][1]}, c{r[0][2], r[1][2], r[2][2]};
    const Column minusD{-Quad(r[0][3]), -Quad(r[1][3]), -Quad(r[2][3])};
    const Det d = det3(a, b, c);
    // Whether the exact determinant is 0, where the rounded terms leave no doubt.
    const bool exactlyKnown = Abs(d.value) > Quad(0x1p-100) * d.size || d.size == 0;
    const std::optional<bool> eliminatedZero = elimination.EliminatedZero();
    s.decided = eliminatedZero.has_value() && (exactlyKnown || *eliminatedZero);
    if (eliminatedZero.value_or(false) || d.value == 0) {
        s.found = Found::NoUniqueSolution;
        return s;
    }
    const Det x = det3(minusD, b, c), y = det3(a, minusD, c), z = det3(a, b, minusD);
    s.values = {x.value / d.value, y.value / d.value, z.value / d.value};
    s.trusted = {trusted(x, d), trusted(y, d), trusted(z, d)};
    return s;
}

Quad LinearRatio(double a, double b, double x)
{
    const Quad ax = Quad(a) * x;
    const Quad size = Abs(ax) + Abs(Quad(b));
    return size == 0 ? 0 : Abs(ax + b) / size;
}

Quad QuadraticRatio(double a, double b, double c, double x)
{
    const Quad X = x, ax2 = Quad(a) * X * X, bx = Quad(b) * X;
    const Quad size = Abs(ax2) + Abs(bx) + Abs(Quad(c));
    return size == 0 ? 0 : Abs(ax2 + bx + c) / size;
}

Quad CubicRatio(double p, double q, double x)
{
    const Quad X = x, x3 = X * X * X, px = Quad(p) * X;
    const Quad size = Abs(x3) + Abs(px) + Abs(Quad(q));
    return size == 0 ? 0 : Abs(x3 + px + q) / size;
}

Quad SystemRatio(const std::array<SystemRow, 3>& rows, const std::vector<double>& xyz)
{
    Quad worst = 0;
    for (std::size_t i = 0; i < (xyz.size() == 2 ? 2u : 3u); ++i) {
        Quad sum = rows[i][3], size = Abs(Quad(rows[i][3]));
        for (std::size_t j = 0; j < xyz.size(); ++j) {
            const Quad term = Quad(rows[i][j]) * xyz[j];
            sum += term;
            size += Abs(term);
        }
        if (size != 0) worst = std::max(worst, Abs(sum) / size);
    }
    return worst;
}

bool TextShows(const QString& text, Quad truth, int decimals)
{
    const double shown = ReadNumber(text);
    const double nearest = ToDouble(truth);
    const double larger = std::max(std::fabs(shown), std::fabs(nearest));
    // The place of the fifteenth significant digit, taken on the larger side of a power of ten.
    const double fifteenth = larger == 0 ? 0 : std::pow(10.0, std::floor(std::log10(larger)) - 14);
    const double unit = std::max(std::pow(10.0, -decimals), fifteenth);
    const double ulp = std::nextafter(std::max(larger, std::numeric_limits<double>::min()), INFINITY) -
                       std::max(larger, std::numeric_limits<double>::min());
    return Abs(Quad(shown) - truth) <= Quad(unit) / 2 + Quad(4 * ulp);
}

}  // namespace suite::tools::reference
