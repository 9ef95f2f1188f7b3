// The fixed-point currency type.
#include "platform/core/currency.h"

#include <cmath>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/sys_texts.h"

Currency Currency::FromDouble(double value) {
  // The product in extended precision keeps values such as 1.00005 * 10000 from drifting off
  // the half before rounding; nearbyint rounds halves to even.
  long double scaled = std::nearbyintl(static_cast<long double>(value) * Scale);
  constexpr long double kLimit = 9223372036854775808.0L;
  if (!(scaled >= -kLimit && scaled < kLimit)) {
    RaiseConvertError(sys_texts::SInvalidCurrency, FloatToStr(value));
  }
  return FromRaw(static_cast<int64_t>(scaled));
}
