#include "rounding.h"

#include <cfenv>
#include <cmath>

namespace suite {

double IntPart(double value) { return std::floor(value); }

double RoundHalfEven(double value)
{
    // nearbyint rounds in the current mode, which is round-to-nearest-even by default.
    return std::nearbyint(value);
}

double RoundHalfEven(double value, int places)
{
    if (!std::isfinite(value) || places < 0) return value;
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    return std::nearbyint(scaled) / scale;
}

std::optional<std::int16_t> TryRoundToInt16(double value)
{
    if (std::isnan(value)) return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::int16_t RoundToInt16(double value)
{
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r < -32768.0) return -32768;
    if (r > 32767.0) return 32767;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> TryRoundToInt32(double value)
{
    if (std::isnan(value)) return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::int32_t RoundToInt32(double value)
{
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0) return INT32_MIN;
    if (r > 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(r);
}

bool IsWhole(double value) { return std::isfinite(value) && value == std::floor(value); }

}  // namespace suite
