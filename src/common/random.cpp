#include "random.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace suite {

std::int32_t DrawNumber(RandomSource& random, std::int32_t n)
{
    const float product = random.NextSingle() * static_cast<float>(n);
    const auto whole = static_cast<std::int64_t>(std::floor(product));
    return static_cast<std::int32_t>(std::llabs(whole + 1));
}

namespace {
std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

ClockRandomSource::ClockRandomSource() { ReseedFromClock(); }

void ClockRandomSource::Seed(std::uint64_t seed)
{
    for (auto& s : state_) s = SplitMix(seed);
}

void ClockRandomSource::ReseedFromClock()
{
    // Nanoseconds of the clock, so two reseeds in one millisecond still differ.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

std::uint64_t ClockRandomSource::Next()
{
    // xoshiro256**
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
}

float ClockRandomSource::NextSingle()
{
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f);
}

}  // namespace suite
