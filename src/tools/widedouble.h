#pragma once
// A double with an exponent of its own, for the steps of a formula whose intermediate
// values (b², p³, a product of coefficients) leave double range while the result does not.

#include <cstdint>

namespace suite::tools {

// m · 2^e with 0.5 ≤ |m| < 1, or m = 0. Each operation rounds once, to the 53 bits of a
// double, as the same operation on doubles would; none of them overflows or underflows.
struct WideDouble {
    double m = 0;
    std::int64_t e = 0;

    WideDouble() = default;
    WideDouble(double x);  // a finite double; implicit, so that doubles mix in formulas
    static WideDouble Of(double m, std::int64_t e);  // m · 2^e for any finite m

    // The nearest double: ±infinity past the largest one, a subnormal or 0 below the
    // smallest normal one.
    double ToDouble() const;
    int Sign() const { return m > 0 ? 1 : (m < 0 ? -1 : 0); }
    bool IsZero() const { return m == 0; }
};

WideDouble operator-(WideDouble a);
WideDouble operator+(WideDouble a, WideDouble b);
WideDouble operator-(WideDouble a, WideDouble b);
WideDouble operator*(WideDouble a, WideDouble b);
WideDouble operator/(WideDouble a, WideDouble b);
WideDouble Abs(WideDouble a);
WideDouble Sqrt(WideDouble a);  // of a ≥ 0
WideDouble Cbrt(WideDouble a);  // real cube root, sign kept
// |a| < |b|.
bool SmallerMagnitude(WideDouble a, WideDouble b);

}  // namespace suite::tools
