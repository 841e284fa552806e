#pragma once
// The triangle given by its three sides: every quantity the window shows, computed in the
// order and precision that decide the digits the learner sees.

#include <QString>
#include <array>

namespace triangle {

struct Solution {
    double area = 0;
    double inradius = 0;
    double circumradius = 0;
    // Each entry belongs to the vertex opposite side a, b, c.
    std::array<double, 3> angles{};  // degrees, 0 to 180
    std::array<double, 3> medians{};
    std::array<double, 3> bisectors{};
    std::array<double, 3> altitudes{};
};

enum class Outcome {
    Solved,
    NotATriangle,  // the triangle inequality fails, also for equality and negative sides
    OutOfRange,    // a product on the way leaves the double-precision range
};

struct Result {
    Outcome outcome = Outcome::NotATriangle;
    Solution solution;
};

Result Solve(double a, double b, double c);

// An angle in degrees from its cosine and sine. Rounding can push the cosine of a very flat
// triangle's angle to 1 or -1 or beyond; such an angle is 0 or 180.
double AngleDegrees(double cosine, double sine);

// The texts of the result labels, in the window's reading order.
struct SolutionTexts {
    QString area;
    QString circumradius;
    QString inradius;
    std::array<QString, 3> angles;
    std::array<QString, 3> sides;
    std::array<QString, 3> medians;
    std::array<QString, 3> bisectors;
    std::array<QString, 3> altitudes;
};

SolutionTexts Present(double a, double b, double c, const Solution& solution);

// " 1， 2， 3 三边不能构成三角形！" and its out-of-range counterpart.
QString SidesMessage(double a, double b, double c, const QString& tail);

}  // namespace triangle
