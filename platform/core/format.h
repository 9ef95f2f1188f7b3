#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/core/currency.h"
#include "platform/core/datetime.h"
#include "platform/core/strings.h"

// Locale settings that formatting reads. One process-wide instance, `FormatSettings`.
struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  String CurrencyString = "$";
  uint8_t CurrencyFormat = 0;     // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  uint8_t NegCurrFormat = 0;      // 0 "($1)", 1 "-$1", ... 15, as the class library numbers them
  uint8_t CurrencyDecimals = 2;
  char DateSeparator = '-';
  char TimeSeparator = ':';
  String ShortDateFormat = "yyyy-mm-dd";
  String LongDateFormat = "yyyy'年'm'月'd'日'";
  String ShortTimeFormat = "hh:nn";
  String LongTimeFormat = "hh:nn:ss";
  String TimeAMString = "AM";
  String TimePMString = "PM";
  String ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  String LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
  String ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  String LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
};
extern TFormatSettings FormatSettings;

enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

String IntToStr(int64_t value);
String IntToHex(int64_t value, int digits);
String FloatToStr(double value);
String FloatToStrF(double value, TFloatFormat format, int precision, int digits);
String FormatFloat(std::string_view format, double value);
String FormatCurr(std::string_view format, Currency value);
String CurrToStr(Currency value);
String CurrToStrF(Currency value, TFloatFormat format, int digits);

// Raise EConvertError ("'abc' is not a valid integer value", "'x' is not a valid floating
// point value") on bad text.
int StrToInt(std::string_view s);
int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int def);
bool TryStrToInt(std::string_view s, int& out);
bool TryStrToInt64(std::string_view s, int64_t& out);
double StrToFloat(std::string_view s);
bool TryStrToFloat(std::string_view s, double& out);
Currency StrToCurr(std::string_view s);
bool TryStrToCurr(std::string_view s, Currency& out);

// An argument of Format: integer, float, string or pointer-sized value.
class TVarRec {
 public:
  TVarRec(int v) : kind_(kInt), i_(v) {}
  TVarRec(int64_t v) : kind_(kInt), i_(v) {}
  TVarRec(unsigned v) : kind_(kInt), i_(v) {}
  TVarRec(double v) : kind_(kFloat), d_(v) {}
  TVarRec(const char* v) : kind_(kString), s_(v) {}
  TVarRec(std::string_view v) : kind_(kString), s_(v) {}
  TVarRec(const String& v) : kind_(kString), s_(v) {}
  enum Kind { kInt, kFloat, kString };
  Kind kind() const { return kind_; }
  int64_t AsInt() const { return i_; }
  double AsFloat() const { return d_; }
  std::string_view AsString() const { return s_; }

 private:
  Kind kind_;
  int64_t i_ = 0;
  double d_ = 0;
  std::string_view s_;
};
// %d %u %x %s %f %g %e %n %m %% with index, width and precision ("%-10s", "%.2f", "%0:s");
// raises EConvertError ("Format 'x' invalid or incompatible with argument") on a mismatch.
String Format(std::string_view format, std::initializer_list<TVarRec> args);

// Integer helpers of the window system: MulDiv rounds half away from zero and returns -1 when
// the divisor is 0; Round rounds halves to even.
int MulDiv(int number, int numerator, int denominator);
int64_t Round(double value);
int64_t Trunc(double value);
constexpr int MaxInt = 2147483647;
constexpr int MinInt = -2147483647 - 1;
inline int Min(int a, int b) { return a < b ? a : b; }
inline int Max(int a, int b) { return a > b ? a : b; }
