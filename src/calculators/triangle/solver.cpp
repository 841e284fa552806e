#include "solver.h"

#include "common/numbers.h"
#include "common/rounding.h"
#include "texts.h"

#include <cmath>
#include <limits>

namespace triangle {
namespace {

// The program has always used this 15-digit value; its last digits show in the angles.
constexpr double kPi = 3.14159265358979;

bool AllFinite(const Solution& s)
{
    auto finite = [](const std::array<double, 3>& v) {
        return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
    };
    return std::isfinite(s.area) && std::isfinite(s.inradius) && std::isfinite(s.circumradius) &&
           finite(s.angles) && finite(s.medians) && finite(s.bisectors) && finite(s.altitudes);
}

QString Rounded(double value) { return suite::NumberText(suite::RoundHalfEven(value, 2)); }

// A product below the normal doubles keeps fewer than 15 digits: whatever is computed from
// it would be shown with wrong digits.
bool LostDigits(double product)
{
    return product != 0 && std::fabs(product) < std::numeric_limits<double>::min();
}

}  // namespace

double AngleDegrees(double cosine, double sine)
{
    if (cosine == 0) return 90;
    if (cosine >= 1) return 0;
    // atan(-0) is -0, which is not below 0 and would show a straight angle as 0.
    if (cosine <= -1) return 180;
    double degrees = std::atan(sine / cosine) * 180 / kPi;
    if (degrees < 0) degrees += 180;
    return degrees;
}

Result Solve(double a, double b, double c)
{
    Result result;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        result.outcome = Outcome::OutOfRange;
        return result;
    }
    if (a + b - c <= 0 || b + c - a <= 0 || c + a - b <= 0) {
        result.outcome = Outcome::NotATriangle;
        return result;
    }
    // a - b + c may round to 0 where c + a - b did not: the triangle is flat in double.
    if (a - b + c <= 0) {
        result.outcome = Outcome::NotATriangle;
        return result;
    }

    Solution& s = result.solution;
    const double p = (b + c - a) * ((a - b + c) * ((a + b - c) * (a + b + c)));
    s.area = 0.25 * std::sqrt(p);
    s.inradius = 0.5 * std::sqrt((b + c - a) * (a - b + c) * (a + b - c) / (a + b + c));
    s.circumradius = a * b * c / std::sqrt(p);

    const std::array<double, 3> cosines{
        (b * b + c * c - a * a) / (2 * b * c),
        (c * c + a * a - b * b) / (2 * c * a),
        (a * a + b * b - c * c) / (2 * a * b),
    };
    for (int i = 0; i < 3; ++i) {
        const double sine = std::sqrt(1 - cosines[i] * cosines[i]);
        s.angles[i] = AngleDegrees(cosines[i], sine);
    }

    const double half = (a + b + c) * 0.5;
    s.medians = {
        0.5 * std::sqrt(2 * b * b + 2 * c * c - a * a),
        0.5 * std::sqrt(2 * a * a + 2 * c * c - b * b),
        0.5 * std::sqrt(2 * a * a + 2 * b * b - c * c),
    };
    const std::array<double, 3> bisectorProducts{
        b * c * half * (half - a),
        a * c * half * (half - b),
        a * b * half * (half - c),
    };
    s.bisectors = {
        std::sqrt(bisectorProducts[0]) * (2 / (b + c)),
        std::sqrt(bisectorProducts[1]) * (2 / (a + c)),
        std::sqrt(bisectorProducts[2]) * (2 / (a + b)),
    };
    s.altitudes = {2 * s.area / a, 2 * s.area / b, 2 * s.area / c};

    // Past about 1E77 the product under Heron's root overflows; below about 1E-77 it
    // underflows, losing digits first (the products of four sides are the smallest ones)
    // and then reaching 0, where the circumradius divides by 0. None of that is worth
    // showing.
    const bool underflowed = LostDigits(p) || LostDigits(bisectorProducts[0]) ||
                             LostDigits(bisectorProducts[1]) || LostDigits(bisectorProducts[2]);
    result.outcome = AllFinite(s) && s.area > 0 && !underflowed ? Outcome::Solved : Outcome::OutOfRange;
    return result;
}

SolutionTexts Present(double a, double b, double c, const Solution& s)
{
    SolutionTexts t;
    t.area = suite::NumberText(s.area);
    t.circumradius = Rounded(s.circumradius);
    t.inradius = Rounded(s.inradius);
    const std::array<double, 3> sides{a, b, c};
    for (int i = 0; i < 3; ++i) {
        t.angles[i] = suite::SignedNumberText(suite::RoundHalfEven(s.angles[i], 2)) + kDegree;
        t.sides[i] = suite::NumberText(sides[i]);
        t.medians[i] = Rounded(s.medians[i]);
        t.bisectors[i] = Rounded(s.bisectors[i]);
        t.altitudes[i] = Rounded(s.altitudes[i]);
    }
    return t;
}

QString SidesMessage(double a, double b, double c, const QString& tail)
{
    return suite::SignedNumberText(a) + kSeparator + suite::SignedNumberText(b) + kSeparator +
           suite::SignedNumberText(c) + tail;
}

}  // namespace triangle
