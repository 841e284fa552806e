#pragma once
// Pseudo-random draws. Windows take a RandomSource so tests can script the draws.

#include <cstdint>

namespace suite {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform single-precision number in [0, 1).
    virtual float NextSingle() = 0;
    // Reseed from the time of day before a series of draws.
    virtual void ReseedFromClock() = 0;
};

// |IntPart(r * n) + 1| with r = NextSingle() and the product in single precision:
// 1..n for n >= 1, 1 for n == 0, 0..|n|-1 for n <= -2. For n == -1 it is 0, or 1 when the
// draw is exactly 0 (IntPart(-0) + 1).
std::int32_t DrawNumber(RandomSource& random, std::int32_t n);

// The production source: a Mersenne twister reseeded from the clock.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    float NextSingle() override;
    void ReseedFromClock() override;

private:
    std::uint64_t state_[4]{};
    std::uint64_t Next();
    void Seed(std::uint64_t seed);
};

}  // namespace suite
