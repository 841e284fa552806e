#pragma once
// Widget-free arithmetic of the drills: the draws that start at 0, and factorial and
// counting answers that are only offered where a double holds them and every whole number
// near them exactly.

#include <cstdint>
#include <optional>

namespace suite {
class RandomSource;
}

namespace suite::drill {

// Largest n whose answers the factorial and counting windows can judge exactly: 18! is below
// 2^53, 19! is not, so from 19 on a typed neighbour of the right answer would read as equal.
constexpr int kLargestExactFactorial = 18;

// |floor(u * (range + 1))| for the next u in [0, 1): 0..range for range >= 0.
std::int32_t DrawFromZero(RandomSource& random, std::int16_t range);
// The largest value DrawFromZero can give for a range.
std::int32_t LargestDrawFromZero(std::int16_t range);

// n! and the counts A(n, r) = n!/(n-r)! and C(n, r) = n!/(r!(n-r)!), for
// 0 <= r <= n <= kLargestExactFactorial; nothing outside that.
std::optional<double> Factorial(int n);
std::optional<double> Permutations(int n, int r);
std::optional<double> Combinations(int n, int r);

}  // namespace suite::drill
