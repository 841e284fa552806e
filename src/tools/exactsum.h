#pragma once
// The exact value of a sum of products of doubles. A discriminant or a determinant is zero
// or negative by this, not by the rounding of its terms; a residual is not lost in it.

#include "tools/widedouble.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace suite::tools {

class ExactSum {
public:
    // Adds k times the product of up to three factors (doubles, or wide ones); k is a small
    // whole number.
    ExactSum& Add(std::initializer_list<WideDouble> factors, int k = 1);

    int Sign() const;
    // The sum rounded once, to the nearest WideDouble.
    WideDouble Value() const;

private:
    // A product as a whole number times a power of two.
    struct Term {
        bool negative = false;
        std::array<std::uint32_t, 6> digits{};  // lowest first, base 2^32
        std::int64_t exponent = 0;              // of the lowest bit
    };
    // The sum as a whole number (lowest digit first) times 2^exponent, and its sign.
    struct Whole {
        int sign = 0;
        std::vector<std::uint32_t> digits;
        std::int64_t exponent = 0;
    };
    Whole Reduce() const;

    // A determinant of three rows has six terms, and no sum here has more.
    std::array<Term, 6> terms_;
    std::size_t count_ = 0;
};

}  // namespace suite::tools
