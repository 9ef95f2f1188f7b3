#pragma once

#include <cstdint>
#include <string_view>
#include <initializer_list>

#include "platform/core/currency.h"
#include "platform/core/datetime.h"
#include "platform/core/strings.h"

// Locale settings that formatting reads. One process-wide instance, `FormatSettings`.
// The defaults are those of a Chinese (PRC) desktop of the era the libraries were written for:
// "￥" before the amount, negative amounts as "￥-1.00", dates as 2024-03-05, a 24-hour clock
// with 上午/下午 markers, Chinese month and day names. Code that depends on a setting should
// set it rather than rely on the default.
struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  String CurrencyString = "￥";
  uint8_t CurrencyFormat = 0;     // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  uint8_t NegCurrFormat = 2;      // 0 "($1)", 1 "-$1", 2 "$-1", ... 15 "(1 $)", as the class library numbers them
  uint8_t CurrencyDecimals = 2;
  char DateSeparator = '-';
  char TimeSeparator = ':';
  String ShortDateFormat = "yyyy-mm-dd";
  String LongDateFormat = "yyyy'年'm'月'd'日'";
  String ShortTimeFormat = "hh:nn";
  String LongTimeFormat = "hh:nn:ss";
  String TimeAMString = "上午";
  String TimePMString = "下午";
  String ShortMonthNames[12] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                                "七月", "八月", "九月", "十月", "十一月", "十二月"};
  String LongMonthNames[12] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                               "七月", "八月", "九月", "十月", "十一月", "十二月"};
  String ShortDayNames[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  String LongDayNames[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  // Two-digit years read by StrToDate fall within this many years before the current year
  // (and less than 100 - this after it); 0 takes them in the current century.
  int TwoDigitYearCenturyWindow = 50;
};
extern TFormatSettings FormatSettings;

enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

String IntToStr(int64_t value);
// Hexadecimal, upper case, at least `digits` digits; negative values in two's complement of
// their own width (IntToHex(-1, 2) is "FFFFFFFF" for an int, sixteen F for an int64).
String IntToHex(int32_t value, int digits);
String IntToHex(uint32_t value, int digits);
String IntToHex(int64_t value, int digits);
String IntToHex(uint64_t value, int digits);
// Numbers to text by the class library's rules. Digits come from the value taken to 15
// significant digits (FloatToStr, FormatFloat) or to `precision` (FloatToStrF), then rounded
// half away from zero on those decimal digits; "-0" is never shown; NaN and infinities show
// as "NAN", "INF", "-INF".
// ffGeneral: fixed point, unless the value has more than `precision` integer digits or is
//   below 0.0001: then "1.5E-10", "1E15" (at least `digits` exponent digits, sign only if -).
// ffExponent: `precision` digits, "1.50E+03" (at least `digits` exponent digits, signed).
// ffFixed, ffNumber (with thousands separators), ffCurrency (symbol placed by
//   CurrencyFormat/NegCurrFormat): `digits` decimals; past `precision` integer digits, as
//   ffGeneral.
// FormatFloat masks: "0" digit or zero, "#" digit if any, "." decimal point, "," thousands
// separators, "E+00" "E-00" "e+00" "e-00" exponents, '..' and ".." literals, up to three
// ';' sections: positive;negative;zero. An empty negative section shows the positive one
// with "-"; a value that rounds to zero shows as zero does. An empty mask is FloatToStr.
String FloatToStr(double value);
String FloatToStrF(double value, TFloatFormat format, int precision, int digits);
String FormatFloat(std::string_view format, double value);
String FormatCurr(std::string_view format, Currency value);
// Currency digits are exact: CurrToStr shows every held decimal ("1.5", "-0.0001").
String CurrToStr(Currency value);
String CurrToStrF(Currency value, TFloatFormat format, int digits);

// Integers: leading blanks, a sign, decimal digits or "$"/"0x" hex digits, nothing after.
// Floats: blanks around, a sign, digits with DecimalSeparator, an exponent; nothing else.
// StrToCurr reads the decimal text exactly and rounds halves to even at four decimals.
// Raise EConvertError ("'abc' is not a valid integer value", "'x' is not a valid floating
// point value") on bad text; the Try forms leave `out` untouched then.
int StrToInt(std::string_view s);
int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int def);
bool TryStrToInt(std::string_view s, int& out);
bool TryStrToInt64(std::string_view s, int64_t& out);
double StrToFloat(std::string_view s);
bool TryStrToFloat(std::string_view s, double& out);
Currency StrToCurr(std::string_view s);
bool TryStrToCurr(std::string_view s, Currency& out);

// An argument of Format: integer, float, string or pointer. An integer remembers whether it
// was 64 bits wide, since %u and %x show a negative value in two's complement of its width.
class TVarRec {
 public:
  TVarRec(int v) : kind_(kInt), i_(v) {}
  TVarRec(unsigned v) : kind_(kInt), i_(v) {}
  TVarRec(int64_t v) : kind_(kInt64), i_(v) {}
  TVarRec(uint64_t v) : kind_(kInt64), i_(static_cast<int64_t>(v)) {}
  TVarRec(double v) : kind_(kFloat), d_(v) {}
  TVarRec(const char* v) : kind_(kString), s_(v ? v : "") {}
  TVarRec(std::string_view v) : kind_(kString), s_(v) {}
  TVarRec(const String& v) : kind_(kString), s_(v) {}
  TVarRec(const void* v) : kind_(kPointer), i_(static_cast<int64_t>(reinterpret_cast<uintptr_t>(v))) {}
  enum Kind { kInt, kInt64, kFloat, kString, kPointer };
  Kind kind() const { return kind_; }
  bool IsInteger() const { return kind_ == kInt || kind_ == kInt64; }
  int64_t AsInt() const { return i_; }
  double AsFloat() const { return d_; }
  std::string_view AsString() const { return s_; }

 private:
  Kind kind_;
  int64_t i_ = 0;
  double d_ = 0;
  std::string_view s_;
};
// %d %u %x %s %f %g %e %n %m %p %% with index, width and precision ("%-10s", "%.2f", "%0:s",
// "%*d" taking the width from the arguments); width and precision count characters. Raises
// EConvertError ("Format 'x' invalid or incompatible with argument") on a mismatch.
String Format(std::string_view format, std::initializer_list<TVarRec> args);

// Integer helpers of the window system: MulDiv rounds half away from zero and returns -1 when
// the divisor is 0 or the result does not fit; Round rounds halves to even; Round and Trunc
// raise EMathError for a value outside the int64 range.
int MulDiv(int number, int numerator, int denominator);
int64_t Round(double value);
int64_t Trunc(double value);
constexpr int MaxInt = 2147483647;
constexpr int MinInt = -2147483647 - 1;
inline int Min(int a, int b) { return a < b ? a : b; }
inline int Max(int a, int b) { return a > b ? a : b; }
