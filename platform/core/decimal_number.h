#pragma once

#include <cstdint>
#include <string>

// A number as decimal digits, the form every number formatter works on: the value is
// 0.d1d2d3... x 10^exponent. Digits carry no leading or trailing zeros; no digits means zero.
// Rounding works on these decimal digits, half away from zero, as the class library's
// formatters do, so 2.5 shows as 3 and 1.005 (stored as 1.00499999999999989...) as 1.01 when
// the value was taken to 15 significant digits first.
struct DecimalNumber {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // Rounds to keep `decimals` digits after the decimal point.
  void RoundToDecimals(int decimals);
  // Rounds to keep `count` significant digits.
  void RoundToSignificant(int count);
};

// The double to `precision` significant digits (1 to 18); finite values only.
DecimalNumber DecimalFromDouble(double value, int precision);
// A currency value exactly: the raw integer with four implied decimals.
DecimalNumber DecimalFromCurrency(int64_t raw);
