#pragma once
// True solutions for the equation solver's tests, worked out in quadruple precision
// (113 bits, and an exponent range that holds any product of doubles) by other routes than
// the solver's: roots from the trigonometric and hyperbolic forms and Newton's steps,
// systems by Cramer's rule on rounded determinants with a measure of how far to trust them.

#include "tools/equationsolver.h"

#include <QString>
#include <array>
#include <vector>

namespace suite::tools::reference {

using Quad = __float128;

struct Roots {
    bool complex = false;  // then values are the real part and the positive imaginary part
    std::vector<Quad> values;
};

// a X² + b X + c = 0, a not 0: X1 from +√Δ, X2 from -√Δ.
Roots Quadratic(double a, double b, double c);
// X³ + p X + q = 0: the real root while q²/4 + p³/27 ≥ 0, else the three, largest first.
Roots Cubic(double p, double q);

struct SystemSolution {
    Found found = Found::Roots;
    // False where quadruple precision cannot tell which way the decision on a determinant
    // goes: the determinant lies too near 0, or the solver's rounded steps out of range.
    bool decided = true;
    std::vector<Quad> values;
    // Per value: whether quadruple precision pins it down to far below a unit in the last
    // place of a double (an ill-conditioned determinant may not).
    std::vector<bool> trusted;
};
// The decisions of the solver (X or Y missing, parallel lines, no X in row 1, no unique
// solution), then X, Y (, Z).
SystemSolution System(const std::array<SystemRow, 3>& rows);

// The nearest double (±infinity beyond range).
double ToDouble(Quad x);
// How many units in the last place of the double nearest the truth x lies from it; the
// spacing of the subnormal doubles counts below the normal range.
double UlpsBetween(double x, Quad truth);

// |residual| / (size of the terms) of each equation at a point, in quadruple precision:
// what the checks' rule of 1e-7 is measured against.
Quad LinearRatio(double a, double b, double x);
Quad QuadraticRatio(double a, double b, double c, double x);
Quad CubicRatio(double p, double q, double x);
Quad SystemRatio(const std::array<SystemRow, 3>& rows, const std::vector<double>& xyz);

// Whether a written text stands for the truth in every digit it shows: within half a unit
// of its last possible digit (the writer's decimals, or its fifteenth significant digit),
// and a few units in the last place of a double for the rounding before it.
bool TextShows(const QString& text, Quad truth, int decimals);

}  // namespace suite::tools::reference
