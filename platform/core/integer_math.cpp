// Integer arithmetic that refuses overflow: rounding, truncation and MulDiv.
#include <cmath>
#include <cstdlib>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"

namespace {

// Doubles in [-2^63, 2^63) convert to int64 without overflow.
int64_t CheckedToInt64(double whole) {
  constexpr double kLimit = 9223372036854775808.0;
  if (!(whole >= -kLimit && whole < kLimit)) throw EMathError("Invalid floating point operation");
  return static_cast<int64_t>(whole);
}

}  // namespace

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  int64_t product = static_cast<int64_t>(number) * numerator;
  bool negative = (product < 0) != (denominator < 0);
  int64_t p = std::llabs(product), d = std::llabs(static_cast<int64_t>(denominator));
  int64_t quotient = (p + d / 2) / d;  // half away from zero
  if (quotient > int64_t{MaxInt} + (negative ? 1 : 0)) return -1;
  return static_cast<int>(negative ? -quotient : quotient);
}

int64_t Round(double value) { return CheckedToInt64(std::nearbyint(value)); }

int64_t Trunc(double value) { return CheckedToInt64(std::trunc(value)); }
