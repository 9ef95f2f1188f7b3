// Floating-point numbers as text: fixed, scientific and general forms.
#include <algorithm>
#include <cmath>

#include "platform/core/number_text.h"

namespace {

constexpr int kCurrencyPrecision = 19;

String GroupThousands(const String& digits) {
  String out;
  for (size_t i = 0; i < digits.size(); ++i) {
    size_t fromRight = digits.size() - i;
    out += digits[i];
    if (fromRight > 1 && (fromRight - 1) % 3 == 0) out += FormatSettings.ThousandSeparator;
  }
  return out;
}

String FixedText(const DecimalNumber& d, int decimals, bool thousands) {
  String whole = IntegerDigits(d);
  if (whole.empty()) whole.push_back('0');  // not = "0": a false -Wrestrict alarm of the optimiser
  String out = thousands ? GroupThousands(whole) : whole;
  if (decimals > 0) {
    out += FormatSettings.DecimalSeparator;
    out += FractionDigits(d, decimals);
  }
  return out;
}

// d.ddd plus exponent: `mantissaDigits` digits in all (0 shows just the digits held).
String ScientificText(const DecimalNumber& d, int mantissaDigits, bool alwaysSign, int minExpDigits) {
  String digits = d.IsZero() ? String("0") : d.digits;
  if (static_cast<int>(digits.size()) < mantissaDigits) digits.resize(mantissaDigits, '0');
  String out(1, digits[0]);
  if (digits.size() > 1) {
    out += FormatSettings.DecimalSeparator;
    out.append(digits, 1);
  }
  int exponent = d.IsZero() ? 0 : d.exponent - 1;
  return out + ExponentText('E', exponent, alwaysSign, minExpDigits);
}

String GeneralText(const DecimalNumber& d, int precision, int minExpDigits) {
  if (d.IsZero()) return "0";
  if (d.exponent > precision || d.exponent < -3) return ScientificText(d, 0, false, minExpDigits);
  int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
  return FixedText(d, decimals, false);
}

String SignedText(const DecimalNumber& d, String body) {
  return d.negative && !d.IsZero() ? "-" + body : body;
}

String NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

String IntegerDigits(const DecimalNumber& d) {
  if (d.exponent <= 0) return "";
  String out = d.digits.substr(0, d.exponent);
  out.resize(d.exponent, '0');
  return out;
}

String FractionDigits(const DecimalNumber& d, int count) {
  String out;
  for (int i = 0; i < count; ++i) {
    int index = d.exponent + i;  // position in digits of the i-th decimal
    bool held = index >= 0 && index < static_cast<int>(d.digits.size());
    out += held ? d.digits[index] : '0';
  }
  return out;
}

String ExponentText(char letter, int exponent, bool alwaysSign, int minDigits) {
  String out(1, letter);
  if (exponent < 0) {
    out += '-';
  } else if (alwaysSign) {
    out += '+';
  }
  return out + ZeroPadded(std::to_string(std::abs(exponent)), minDigits);
}

String ZeroPadded(String digits, int width) {
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

String CurrencyText(std::string_view amount, bool negative) {
  // '$' stands for the currency symbol, '1' for the amount.
  static const char* const kPositive[] = {"$1", "1$", "$ 1", "1 $"};
  static const char* const kNegative[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)",  "-1$",
                                          "1-$",  "1$-",  "-1 $", "-$ 1", "1 $-",  "$ 1-",
                                          "$ -1", "1- $", "($ 1)", "(1 $)"};
  unsigned pos = FormatSettings.CurrencyFormat, neg = FormatSettings.NegCurrFormat;
  std::string_view pattern = negative ? kNegative[neg < 16 ? neg : 0] : kPositive[pos < 4 ? pos : 0];
  String out;
  for (char c : pattern) {
    if (c == '$') {
      out += FormatSettings.CurrencyString;
    } else if (c == '1') {
      out += amount;
    } else {
      out += c;
    }
  }
  return out;
}

String FormatDecimal(DecimalNumber d, TFloatFormat format, int precision, int digits) {
  precision = std::clamp(precision, 1, kCurrencyPrecision);
  d.RoundToSignificant(precision);
  if (format == ffGeneral) return SignedText(d, GeneralText(d, precision, std::clamp(digits, 0, 4)));
  if (format == ffExponent) {
    return SignedText(d, ScientificText(d, precision, true, std::clamp(digits, 0, 4)));
  }
  if (d.exponent > precision) return SignedText(d, GeneralText(d, precision, 0));
  int decimals = std::clamp(digits, 0, 18);
  d.RoundToDecimals(decimals);
  String amount = FixedText(d, decimals, format != ffFixed);
  bool negative = d.negative && !d.IsZero();
  if (format == ffCurrency) return CurrencyText(amount, negative);
  return negative ? "-" + amount : amount;
}

String FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  return FormatDecimal(DecimalFromDouble(value, precision), format, precision, digits);
}

String FloatToStr(double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

String CurrToStrF(Currency value, TFloatFormat format, int digits) {
  return FormatDecimal(DecimalFromCurrency(value.Raw()), format, kCurrencyPrecision, digits);
}

String CurrToStr(Currency value) { return CurrToStrF(value, ffGeneral, 0); }

String FormatFloat(std::string_view format, double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (format.empty()) return FloatToStr(value);
  return FormatDecimalMask(format, DecimalFromDouble(value, 15));
}

String FormatCurr(std::string_view format, Currency value) {
  if (format.empty()) return CurrToStr(value);
  return FormatDecimalMask(format, DecimalFromCurrency(value.Raw()));
}
