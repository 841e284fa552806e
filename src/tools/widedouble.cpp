#include "widedouble.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace suite::tools {

WideDouble WideDouble::Of(double m, std::int64_t e)
{
    WideDouble w;
    int k = 0;
    w.m = std::frexp(m, &k);
    w.e = w.m == 0 ? 0 : e + k;
    return w;
}

WideDouble::WideDouble(double x) { *this = Of(x, 0); }

double WideDouble::ToDouble() const
{
    // Far outside the range ldexp takes whole, the result is already decided.
    const int e2 = static_cast<int>(std::clamp<std::int64_t>(e, -1200, 1200));
    return std::ldexp(m, e2);
}

WideDouble operator-(WideDouble a)
{
    a.m = -a.m;
    return a;
}

WideDouble operator+(WideDouble a, WideDouble b)
{
    if (a.IsZero()) return b;
    if (b.IsZero()) return a;
    if (a.e < b.e) std::swap(a, b);
    // b then lies below half of the smallest step of the doubles next to a: the sum rounds to a.
    const std::int64_t shift = a.e - b.e;
    if (shift > 55) return a;
    return WideDouble::Of(a.m + std::ldexp(b.m, static_cast<int>(-shift)), a.e);
}

WideDouble operator-(WideDouble a, WideDouble b) { return a + (-b); }

WideDouble operator*(WideDouble a, WideDouble b) { return WideDouble::Of(a.m * b.m, a.e + b.e); }

WideDouble operator/(WideDouble a, WideDouble b) { return WideDouble::Of(a.m / b.m, a.e - b.e); }

WideDouble Abs(WideDouble a)
{
    a.m = std::fabs(a.m);
    return a;
}

WideDouble Sqrt(WideDouble a)
{
    if (a.IsZero()) return a;
    // An even exponent halves exactly.
    const std::int64_t odd = a.e & 1;
    return WideDouble::Of(std::sqrt(std::ldexp(a.m, static_cast<int>(odd))), (a.e - odd) / 2);
}

WideDouble Cbrt(WideDouble a)
{
    if (a.IsZero()) return a;
    const std::int64_t rest = ((a.e % 3) + 3) % 3;
    return WideDouble::Of(std::cbrt(std::ldexp(a.m, static_cast<int>(rest))), (a.e - rest) / 3);
}

bool SmallerMagnitude(WideDouble a, WideDouble b)
{
    if (a.IsZero()) return !b.IsZero();
    if (b.IsZero()) return false;
    if (a.e != b.e) return a.e < b.e;
    return std::fabs(a.m) < std::fabs(b.m);
}

}  // namespace suite::tools
