#include "counting.h"

#include <cmath>

namespace tobrask {

// Both loops count passes rather than step the factor itself: from 2^53 up, n - 1 rounds
// back to n and a loop on the factor would never reach its end. Every factor is at least 1,
// so once the product has overflowed it stays infinite; stopping there gives the same
// result and keeps a huge m from running for minutes (at most about 171 passes).
double FallingProduct(double n, double m)
{
    double product = 1;
    for (double k = 0; k < m; ++k) {
        product = (n - k) * product;
        if (std::isinf(product)) break;
    }
    return product;
}

double Factorial(double m)
{
    double product = 1;
    for (double j = 1; j <= m; ++j) {
        product = j * product;
        if (std::isinf(product)) break;
    }
    return product;
}

}  // namespace tobrask
