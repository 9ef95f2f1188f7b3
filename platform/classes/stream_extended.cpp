// The 10-byte extended floating-point numbers of stored layouts, to and from doubles.
#include "platform/classes/stream_extended.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kExponentBias = 16383;
constexpr uint16_t kExponentAllOnes = 0x7FFF;
constexpr uint64_t kIntegerBit = uint64_t{1} << 63;

TExtendedBytes Pack(bool negative, uint16_t exponent, uint64_t mantissa) {
  TExtendedBytes bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  const uint16_t signAndExponent = static_cast<uint16_t>((negative ? 0x8000 : 0) | exponent);
  bytes[8] = static_cast<uint8_t>(signAndExponent);
  bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
  return bytes;
}

}  // namespace

TExtendedBytes DoubleToExtended(double value) {
  const bool negative = std::signbit(value);
  if (std::isnan(value)) return Pack(negative, kExponentAllOnes, kIntegerBit | (kIntegerBit >> 1));
  if (std::isinf(value)) return Pack(negative, kExponentAllOnes, kIntegerBit);
  if (value == 0) return Pack(negative, 0, 0);
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
  // A double's 53 significant bits fit exactly in the top of the 64-bit mantissa.
  const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
  return Pack(negative, static_cast<uint16_t>(exponent - 1 + kExponentBias), mantissa);
}

double ExtendedToDouble(const TExtendedBytes& bytes) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const uint16_t signAndExponent = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
  const bool negative = (signAndExponent & 0x8000) != 0;
  const int exponent = signAndExponent & kExponentAllOnes;
  double magnitude;
  if (exponent == kExponentAllOnes) {
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::quiet_NaN();
  } else {
    // Denormals (exponent 0) use the smallest exponent without an implied integer bit.
    const int unbiased = (exponent == 0 ? 1 : exponent) - kExponentBias;
    magnitude = std::ldexp(static_cast<double>(mantissa), unbiased - 63);
  }
  return negative ? -magnitude : magnitude;
}
