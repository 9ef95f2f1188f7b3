#pragma once

#include <array>
#include <cstdint>

// The stream's 10-byte real: 64-bit mantissa with an explicit integer bit, 15-bit exponent
// biased by 16383, sign bit; stored little-endian. Converted to and from double by bit
// arithmetic, so every platform reads and writes the same bytes.
using TExtendedBytes = std::array<uint8_t, 10>;

TExtendedBytes DoubleToExtended(double value);
// Rounds to the nearest double; values beyond the double range become infinities.
double ExtendedToDouble(const TExtendedBytes& bytes);
