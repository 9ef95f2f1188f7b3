// The decimal digits of doubles and currency values, rounded to decimals or significant digits.
#include "platform/core/decimal_number.h"

#include <algorithm>
#include <cmath>
#include <charconv>

namespace {

void TrimZeros(DecimalNumber& d) {
  size_t first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    d.digits.clear();
    d.exponent = 0;
    return;
  }
  d.digits.erase(0, first);
  d.exponent -= static_cast<int>(first);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
void KeepDigits(DecimalNumber& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    d.exponent = 0;
    return;
  }
  bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  TrimZeros(d);
}

}  // namespace

void DecimalNumber::RoundToDecimals(int decimals) { KeepDigits(*this, exponent + decimals); }

void DecimalNumber::RoundToSignificant(int count) { KeepDigits(*this, std::max(count, 0)); }

DecimalNumber DecimalFromDouble(double value, int precision) {
  DecimalNumber d;
  d.negative = std::signbit(value);
  // Eighteen digits of the exact binary value ("d.ddddde+XX", whatever the C locale says),
  // then rounded on those decimal digits: the two steps the class library takes, so 1234.5
  // to four digits is 1235.
  char buf[64];
  auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17).ptr;
  const char* e = std::find(buf, end, 'e');
  for (const char* c = buf; c != e; ++c) {
    if (*c != '.') d.digits.push_back(*c);
  }
  std::from_chars(e + 2, end, d.exponent);
  if (e[1] == '-') d.exponent = -d.exponent;
  d.exponent += 1;
  TrimZeros(d);
  d.RoundToSignificant(std::clamp(precision, 1, 18));
  return d;
}

DecimalNumber DecimalFromCurrency(int64_t raw) {
  DecimalNumber d;
  d.negative = raw < 0;
  // Magnitude as unsigned, so the most negative value has a magnitude too.
  uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
  d.digits = std::to_string(magnitude);
  d.exponent = static_cast<int>(d.digits.size()) - 4;
  TrimZeros(d);
  return d;
}
