#pragma once
// The products behind permutation and combination counts, in double precision.

namespace tobrask {

// n (n - 1) ... (n - m + 1): m factors counted down from n, none when m < 1.
double FallingProduct(double n, double m);
// 1 * 2 * ... * m, 1 when m < 1.
double Factorial(double m);

}  // namespace tobrask
