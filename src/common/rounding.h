#pragma once
// Rounding as the windows need it: half to even, and the integer part as floor.

#include <cstdint>
#include <optional>

namespace suite {

// Largest whole number not above the value (IntPart(-2.5) == -3).
double IntPart(double value);

// Half to even to a whole number (12.5 -> 12, 13.5 -> 14), in double.
double RoundHalfEven(double value);
// Half to even to a number of decimal places (places >= 0).
double RoundHalfEven(double value, int places);

// Half to even to a 16-bit whole number, or nothing when the rounded value lies outside
// -32768..32767 or is not a number; callers that can say so refuse such a value.
std::optional<std::int16_t> TryRoundToInt16(double value);
// The same, clamped to the 16-bit range where a refusal has nowhere to go (NaN gives 0).
std::int16_t RoundToInt16(double value);

std::optional<std::int32_t> TryRoundToInt32(double value);
std::int32_t RoundToInt32(double value);

// True when the value is a whole number (equal to its integer part).
bool IsWhole(double value);

}  // namespace suite
