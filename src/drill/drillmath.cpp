#include "drill/drillmath.h"

#include "common/random.h"

#include <cmath>
#include <cstdlib>

namespace suite::drill {

std::int32_t DrawFromZero(RandomSource& random, std::int16_t range)
{
    const float u = random.NextSingle();
    const double scaled = static_cast<double>(u) * (static_cast<std::int32_t>(range) + 1);
    return std::abs(static_cast<std::int32_t>(std::floor(scaled)));
}

std::int32_t LargestDrawFromZero(std::int16_t range)
{
    return range >= 0 ? range : -(static_cast<std::int32_t>(range) + 1);
}

std::optional<double> Factorial(int n)
{
    if (n < 0 || n > kLargestExactFactorial) return std::nullopt;
    double product = 1;
    for (int k = 2; k <= n; ++k) product *= k;
    return product;
}

std::optional<double> Permutations(int n, int r)
{
    if (r < 0 || r > n) return std::nullopt;
    const auto all = Factorial(n);
    const auto rest = Factorial(n - r);
    if (!all || !rest) return std::nullopt;
    return *all / *rest;
}

std::optional<double> Combinations(int n, int r)
{
    const auto ordered = Permutations(n, r);
    if (!ordered) return std::nullopt;
    return *ordered / *Factorial(r);
}

}  // namespace suite::drill
