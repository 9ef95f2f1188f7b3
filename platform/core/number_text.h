#pragma once

#include <string_view>

#include "platform/core/decimal_number.h"
#include "platform/core/format.h"

// Shared steps of the number formatters (FloatToStrF/CurrToStrF and FormatFloat/FormatCurr),
// which differ only in where their decimal digits come from.

// `value` holds at least `precision` significant digits of the number (or all of them).
String FormatDecimal(DecimalNumber value, TFloatFormat format, int precision, int digits);
// Formats by a non-empty FormatFloat mask.
String FormatDecimalMask(std::string_view mask, const DecimalNumber& value);

// `digits` with zeros in front up to `width` characters.
String ZeroPadded(String digits, int width);
// Digits before the decimal point ("" when there are none) and exactly `count` after it.
String IntegerDigits(const DecimalNumber& value);
String FractionDigits(const DecimalNumber& value, int count);
// "E+05", "e-3", "E7": the exponent letter, its sign and at least `minDigits` digits.
String ExponentText(char letter, int exponent, bool alwaysSign, int minDigits);
// An amount placed with the currency symbol by CurrencyFormat or NegCurrFormat.
String CurrencyText(std::string_view amount, bool negative);
