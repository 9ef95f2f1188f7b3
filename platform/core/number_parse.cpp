// Integers and floating point numbers to and from text.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/number_text.h"
#include "platform/core/sys_texts.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Accumulates digits of `base` from s[i] to the end; false on no digit, a stray character or a
// value above `limit`.
bool ReadDigits(std::string_view s, size_t i, int base, uint64_t limit, uint64_t& value) {
  value = 0;
  if (i >= s.size()) return false;
  for (; i < s.size(); ++i) {
    int digit = HexValue(s[i]);
    if (digit < 0 || digit >= base) return false;
    if (value > (limit - digit) / base) return false;
    value = value * base + digit;
  }
  return true;
}

// Leading blanks, a sign, then decimal digits or "$"/"0x" and hex digits, and nothing after.
// Hex takes the full unsigned range of the width and wraps, so "$FFFFFFFF" is -1 as an int.
bool ParseInteger(std::string_view s, bool wide, int64_t& out) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  uint64_t value = 0;
  bool hex = i < s.size() && s[i] == '$';
  bool cHex = i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X');
  if (hex || cHex) {
    uint64_t limit = wide ? UINT64_MAX : UINT32_MAX;
    if (!ReadDigits(s, i + (hex ? 1 : 2), 16, limit, value)) return false;
    if (!wide) value = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value))));
  } else {
    uint64_t limit = (wide ? uint64_t{INT64_MAX} : uint64_t{INT32_MAX}) + (negative ? 1 : 0);
    if (!ReadDigits(s, i, 10, limit, value)) return false;
  }
  out = static_cast<int64_t>(negative ? 0 - value : value);
  return true;
}

template <class T>
T ParseOrRaise(std::string_view s, bool (*tryParse)(std::string_view, T&), const TResourceString& message) {
  T value{};
  if (!tryParse(s, value)) RaiseConvertError(message, s);
  return value;
}

// A decimal number in text: [blanks][sign]digits[separator digits][e[sign]digits][blanks].
struct NumberText {
  bool negative = false;
  String intDigits, fracDigits;
  int exponent = 0;
};

size_t ReadDecimalRun(std::string_view s, size_t i, String& digits) {
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') digits += s[i++];
  return i;
}

size_t ReadExponent(std::string_view s, size_t i, int& exponent, bool& ok) {
  bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  String digits;
  i = ReadDecimalRun(s, i, digits);
  ok = !digits.empty();
  long value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), 100000L);  // far past any range
  exponent = static_cast<int>(negative ? -value : value);
  return i;
}

bool SplitNumberText(std::string_view s, NumberText& n) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  n.negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  i = ReadDecimalRun(s, i, n.intDigits);
  if (i < s.size() && s[i] == FormatSettings.DecimalSeparator) i = ReadDecimalRun(s, i + 1, n.fracDigits);
  if (n.intDigits.empty() && n.fracDigits.empty()) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    bool ok = false;
    i = ReadExponent(s, i + 1, n.exponent, ok);
    if (!ok) return false;
  }
  while (i < s.size() && IsBlank(s[i])) ++i;
  return i == s.size();
}

// Position of the leading significant digit relative to the decimal point (1 for 1.5e0).
long Magnitude(const NumberText& n) {
  size_t lead = n.intDigits.find_first_not_of('0');
  if (lead != String::npos) return static_cast<long>(n.intDigits.size() - lead) + n.exponent;
  size_t fracLead = n.fracDigits.find_first_not_of('0');
  return -static_cast<long>(fracLead) + n.exponent;
}

bool IsZeroText(const NumberText& n) {
  return n.intDigits.find_first_not_of('0') == String::npos && n.fracDigits.find_first_not_of('0') == String::npos;
}

// Currency raw value (x 10000) of a decimal text, halves to even; false when out of range.
bool ScaleToCurrency(const NumberText& n, int64_t& raw) {
  if (IsZeroText(n)) {
    raw = 0;
    return true;
  }
  if (Magnitude(n) > 16) return false;
  String digits = n.intDigits + n.fracDigits;
  long keep = static_cast<long>(n.intDigits.size()) + n.exponent + 4;  // digits that stay whole
  if (keep < 0) keep = 0;
  String kept = digits.substr(0, std::min<size_t>(keep, digits.size()));
  if (static_cast<long>(kept.size()) < keep) kept.resize(keep, '0');
  String dropped = static_cast<size_t>(keep) < digits.size() ? digits.substr(keep) : String();
  unsigned __int128 value = 0;
  for (char c : kept) value = value * 10 + (c - '0');
  bool above = !dropped.empty() && (dropped[0] > '5' || (dropped[0] == '5' && dropped.find_first_not_of('0', 1) != String::npos));
  bool half = !dropped.empty() && dropped[0] == '5' && !above;
  if (above || (half && value % 2 == 1)) ++value;
  unsigned __int128 limit = static_cast<unsigned __int128>(INT64_MAX) + (n.negative ? 1 : 0);
  if (value > limit) return false;
  raw = static_cast<int64_t>(n.negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
  return true;
}

}  // namespace

String IntToStr(int64_t value) { return std::to_string(value); }

String IntToHex(uint64_t value, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  String out;
  do {
    out.insert(out.begin(), kHex[value & 15]);
    value >>= 4;
  } while (value != 0);
  return ZeroPadded(std::move(out), digits);
}
String IntToHex(int64_t value, int digits) { return IntToHex(static_cast<uint64_t>(value), digits); }
String IntToHex(uint32_t value, int digits) { return IntToHex(static_cast<uint64_t>(value), digits); }
String IntToHex(int32_t value, int digits) { return IntToHex(static_cast<uint32_t>(value), digits); }

bool TryStrToInt64(std::string_view s, int64_t& out) { return ParseInteger(s, true, out); }

bool TryStrToInt(std::string_view s, int& out) {
  int64_t value = 0;
  if (!ParseInteger(s, false, value)) return false;
  out = static_cast<int>(value);
  return true;
}

int64_t StrToInt64(std::string_view s) { return ParseOrRaise(s, TryStrToInt64, sys_texts::SInvalidInteger); }

int StrToInt(std::string_view s) { return ParseOrRaise(s, TryStrToInt, sys_texts::SInvalidInteger); }

int StrToIntDef(std::string_view s, int def) {
  int value = 0;
  return TryStrToInt(s, value) ? value : def;
}

bool TryStrToFloat(std::string_view s, double& out) {
  NumberText n;
  if (!SplitNumberText(s, n)) return false;
  String plain = (n.intDigits.empty() ? "0" : n.intDigits) + "." + n.fracDigits + "e" + std::to_string(n.exponent);
  double value = 0;
  auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (Magnitude(n) > 0) return false;  // too large for a double
    value = 0;                            // too small: underflows to zero
  } else if (error != std::errc() || end != plain.data() + plain.size()) {
    return false;
  }
  out = n.negative ? -value : value;
  return true;
}

double StrToFloat(std::string_view s) { return ParseOrRaise(s, TryStrToFloat, sys_texts::SInvalidFloat); }

bool TryStrToCurr(std::string_view s, Currency& out) {
  NumberText n;
  int64_t raw = 0;
  if (!SplitNumberText(s, n) || !ScaleToCurrency(n, raw)) return false;
  out = Currency::FromRaw(raw);
  return true;
}

Currency StrToCurr(std::string_view s) { return ParseOrRaise(s, TryStrToCurr, sys_texts::SInvalidFloat); }
