#pragma once
// The equation solver's mathematics, free of widgets: each solver says what it found, and
// each judge tells from the residuals whether a solution satisfies its equation.
//
// The sign of a discriminant is that of its exact value for the numbers read; the system's
// decisions are its elimination's, rounded step by step as in doubles. Every value found is
// the true one within a few units in its last place: the steps are arranged so that
// neither cancellation nor an intermediate value beyond double range costs digits.

#include "tools/widedouble.h"

#include <array>
#include <vector>

namespace suite::tools {

enum class Found {
    Roots,             // values hold the solution
    NoLeadingTerm,     // a = 0 where the equation needs it
    ComplexRoots,      // values hold the real part and the (positive) imaginary part
    OutOfRange,        // an input, or a value of the solution, lies beyond double range
    NoXOrY,            // the system: all X or all Y coefficients are 0
    ParallelLines,     // the system in two unknowns: determinant 0
    FirstXZero,        // the system in three unknowns: row 1 has no X
    NoUniqueSolution,  // the system in three unknowns: the eliminated determinant is 0
};

struct Solution {
    Found found;
    std::vector<double> values = {};
    // The same before their rounding to doubles, for the checks: below the normal range of
    // doubles that rounding is coarse, and a root of 1E-400 is 0 as a double.
    std::vector<WideDouble> unrounded = {};
};

// a X + b = 0.
Solution SolveLinear(double a, double b);

// a X² + b X + c = 0 with a not 0: X1 from +√Δ, X2 from -√Δ (a double root twice).
Solution SolveQuadratic(double a, double b, double c);

// X³ + p X + q = 0: while q²/4 + p³/27 ≥ 0 the one root Cardano's formula gives, otherwise
// the three real roots, largest first.
Solution SolveCubic(double p, double q);

// Rows a X + b Y + c Z + d = 0. Two unknowns (X, Y) when every c is 0, using rows 1 and 2;
// else three (X, Y, Z), row 1 having to hold X.
using SystemRow = std::array<double, 4>;
Solution SolveSystem(const std::array<SystemRow, 3>& rows);
bool IsTwoUnknownSystem(const std::array<SystemRow, 3>& rows);

// Right when each residual is within 1e-7 of the size of its equation's terms at the
// solution (for a X² + b X + c: |a X²| + |b X| + |c|).
enum class Verdict { Right, Doubtful };

using Values = std::vector<WideDouble>;
Verdict JudgeLinear(double a, double b, WideDouble x);
Verdict JudgeQuadratic(double a, double b, double c, const Values& roots);
Verdict JudgeCubic(double p, double q, const Values& roots);
// Tests rows 1 and 2 against X, Y, or all three rows against X, Y, Z.
Verdict JudgeSystem(const std::array<SystemRow, 3>& rows, const Values& xyz);

}  // namespace suite::tools
