#pragma once
// The equation solver's mathematics, free of widgets: each solver says what it found, and
// each judge tells from the residuals whether a solution satisfies its equation.

#include <array>
#include <vector>

namespace suite::tools {

enum class Found {
    Roots,             // values hold the solution
    NoLeadingTerm,     // a = 0 where the equation needs it
    ComplexRoots,      // values hold the real part and the (positive) imaginary part
    OutOfRange,        // an input or a step of the computation left double range
    NoXOrY,            // the system: all X or all Y coefficients are 0
    ParallelLines,     // the system in two unknowns: determinant 0
    FirstXZero,        // the system in three unknowns: row 1 has no X
    NoUniqueSolution,  // the system in three unknowns: the eliminated determinant is 0
};

struct Solution {
    Found found;
    std::vector<double> values;
};

// a X + b = 0.
Solution SolveLinear(double a, double b);

// a X² + b X + c = 0 with a not 0: X1 from +√Δ, X2 from -√Δ (a double root twice). The
// root that the formula would get by cancellation comes from the product of the roots.
Solution SolveQuadratic(double a, double b, double c);

// X³ + p X + q = 0: one root by Cardano's formula while q²/4 + p³/27 ≥ 0, otherwise the
// three real roots by the trigonometric form, largest first.
Solution SolveCubic(double p, double q);

// Rows a X + b Y + c Z + d = 0. Two unknowns (X, Y) when every c is 0, using rows 1 and 2;
// else three (X, Y, Z), eliminating X with row 1.
using SystemRow = std::array<double, 4>;
Solution SolveSystem(const std::array<SystemRow, 3>& rows);
bool IsTwoUnknownSystem(const std::array<SystemRow, 3>& rows);

enum class Verdict { Right, Doubtful, OutOfRange };

// Right when every residual is within 1e-7 of 0; OutOfRange when one is not a number.
Verdict Judge(const std::vector<double>& residuals);

Verdict JudgeLinear(double a, double b, double x);
Verdict JudgeQuadratic(double a, double b, double c, const std::vector<double>& roots);
Verdict JudgeCubic(double p, double q, const std::vector<double>& roots);
// Tests rows 1 and 2 against X, Y, or all three rows against X, Y, Z.
Verdict JudgeSystem(const std::array<SystemRow, 3>& rows, const std::vector<double>& xyz);

}  // namespace suite::tools
