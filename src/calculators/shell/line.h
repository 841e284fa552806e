#pragma once
// A straight line A·x + B·y + C = 0 as the point calculators read it from three boxes.

namespace suite::calc {

struct Line {
    double A;
    double B;
    double C;
    // Only A = 0 and B = 0 together make no line; A² + B² = 0 would also take A = 1E-170.
    bool IsLine() const { return A != 0 || B != 0; }
};

// The same line with A, B and C scaled by one power of two, so that the larger of |A| and
// |B| lies in [1, 2): the squares and products of tiny or huge coefficients neither
// underflow nor overflow. Scaling by a power of two is exact, so for ordinary
// coefficients every result keeps the digits it had unscaled. No line, or one with an
// infinite coefficient, comes back as it is.
Line Scaled(const Line& line);

}  // namespace suite::calc
