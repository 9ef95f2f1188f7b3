#include "platform/core/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "platform/core/exceptions.h"
#include "tests/core/expect_message.h"
#include "tests/core/format_settings_scope.h"

namespace {

class FormatTest : public ::testing::Test {
  FormatSettingsScope settings_;
};

struct MaskCase {
  const char* mask;
  double value;
  const char* expected;
};

TEST_F(FormatTest, FormatFloatMasks) {
  const MaskCase cases[] = {
      {"#,##0.00", 1234.5, "1,234.50"},
      {"0.00;(0.00)", -1.5, "(1.50)"},
      {"0.00;(0.00)", 1.5, "1.50"},
      {"#", 0, ""},
      {"#.##", 0, ""},
      {"0.###E+00", 12345, "1.235E+04"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0", 0.5, "1"},
      {"0", 3.5, "4"},
      {"#,##0", -1234567, "-1,234,567"},
      {"#,##0", 999, "999"},
      {"#,###", 1000, "1,000"},
      {"#,##0.00", 0, "0.00"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"0.00", 1.005, "1.01"},
      {"0.00", 0.125, "0.13"},
      {"0.00", -0.125, "-0.13"},
      {"#.##", 0.5, ".5"},
      {"0.##", 1, "1"},
      {"0.0#", 1, "1.0"},
      {"0.0#", 1.256, "1.26"},
      {"000", 7, "007"},
      {"000-000", 12345, "012-345"},
      {"0", 1e20, "100000000000000000000"},
      {"$#,##0.00", -5, "-$5.00"},
      {"'Total: '0.0", 3.14159, "Total: 3.1"},
      {"\"x\"0", 2, "x2"},
      {"0 'kg;g'", 3, "3 kg;g"},
      {"0.00E-00", 0.000123, "1.23E-04"},
      {"0.00E-00", 123, "1.23E02"},
      {"0.0e+0", 12345, "1.2e+4"},
      {"00.0E+0", 12345, "12.3E+3"},
      {"0.00E+00", 0, "0.00E+00"},
      {"0.###E+00", 12000, "1.2E+04"},
      {"0.###E+00", -12345, "-1.235E+04"},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(FormatFloat(c.mask, c.value), c.expected) << c.mask << " with " << c.value;
  }
}

TEST_F(FormatTest, FormatFloatSectionsAndZero) {
  const MaskCase cases[] = {
      {"0.00;(0.00);'zero'", 0, "zero"},
      {"0.00;(0.00);'zero'", -0.001, "zero"},
      {"0.00;(0.00);'zero'", 0.001, "zero"},
      {"0.00;(0.00)", -0.001, "0.00"},
      {"0.00", -0.001, "0.00"},
      {"0", -0.4, "0"},
      {"0.00;;'zero'", -3, "-3.00"},
      {"0.00;;'zero'", 0, "zero"},
      {"0;-0;", 0, "0"},
      {"0;'neg';'zero';'fourth'", -2, "neg"},
      {"#,##0.00;;Zero", 0.001, "Zero"},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(FormatFloat(c.mask, c.value), c.expected) << c.mask << " with " << c.value;
  }
}

TEST_F(FormatTest, FormatFloatFollowsSeparatorsAndEmptyMask) {
  EXPECT_EQ(FormatFloat("", 1234.5), "1234.5");
  EXPECT_EQ(FormatFloat("", 1e20), "1E20");
  EXPECT_EQ(FormatFloat("0.00", std::nan("")), "NAN");
  EXPECT_EQ(FormatFloat("0", -std::numeric_limits<double>::infinity()), "-INF");
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
  EXPECT_EQ(FloatToStr(1.5), "1,5");
}

struct GeneralCase {
  double value;
  const char* expected;
};

TEST_F(FormatTest, FloatToStrUsesFifteenDigitsAndGeneralForm) {
  const GeneralCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1.5, "1.5"},
      {-1.5, "-1.5"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {100, "100"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1234567890123456.0, "1.23456789012346E15"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {-1.5e-10, "-1.5E-10"},
      {1e100, "1E100"},
      {std::numeric_limits<double>::max(), "1.79769313486232E308"},
      {std::nan(""), "NAN"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
  };
  for (const GeneralCase& c : cases) EXPECT_EQ(FloatToStr(c.value), c.expected) << c.value;
}

struct FloatFCase {
  double value;
  TFloatFormat format;
  int precision, digits;
  const char* expected;
};

TEST_F(FormatTest, FloatToStrFFormats) {
  const FloatFCase cases[] = {
      {1234.5678, ffFixed, 15, 2, "1234.57"},
      {1234.5678, ffNumber, 15, 2, "1,234.57"},
      {-1234.5678, ffNumber, 15, 0, "-1,235"},
      {1234.5, ffExponent, 4, 2, "1.235E+03"},
      {0, ffExponent, 3, 2, "0.00E+00"},
      {0.000123, ffExponent, 3, 0, "1.23E-4"},
      {1.23456, ffFixed, 3, 5, "1.23000"},
      {1e20, ffFixed, 15, 2, "1E20"},
      {-0.001, ffFixed, 15, 2, "0.00"},
      {2.5, ffFixed, 15, 0, "3"},
      {1.005, ffFixed, 15, 2, "1.01"},
      {1.005, ffFixed, 18, 2, "1.00"},
      {123.456, ffGeneral, 4, 0, "123.5"},
      {123456, ffGeneral, 4, 0, "1.235E5"},
      {123456, ffGeneral, 4, 2, "1.235E05"},
      {1234.5, ffCurrency, 15, 2, "$1,234.50"},
      {-1234.5, ffCurrency, 15, 2, "-$1,234.50"},
      {-0.001, ffCurrency, 15, 2, "$0.00"},
  };
  for (const FloatFCase& c : cases) {
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected)
        << c.value << " format " << int(c.format) << " " << c.precision << "," << c.digits;
  }
}

TEST_F(FormatTest, IntegersToText) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(int64_t{-1}, 1), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(0xABCDEF01u, 0), "ABCDEF01");
  EXPECT_EQ(IntToHex(uint64_t{0x1F}, 4), "001F");
}

struct IntCase {
  const char* text;
  int expected;
};

TEST_F(FormatTest, StrToIntAcceptsDecimalAndHex) {
  const IntCase cases[] = {
      {"123", 123},          {"  123", 123},        {"+5", 5},          {"-5", -5},
      {"$FF", 255},          {"0x1f", 31},          {"0X1F", 31},       {"-$10", -16},
      {"2147483647", MaxInt}, {"-2147483648", MinInt}, {"$FFFFFFFF", -1}, {"007", 7},
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
    int out = 0;
    EXPECT_TRUE(TryStrToInt(c.text, out)) << c.text;
    EXPECT_EQ(out, c.expected);
  }
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("$100000000"), int64_t{1} << 32);
}

TEST_F(FormatTest, StrToIntRejectsBadText) {
  for (const char* text : {"", " ", "12 ", "1a", "2147483648", "-2147483649", "$", "0x", "1.5", "--1",
                           "$100000000", "+", "１２"}) {
    int out = 99;
    EXPECT_FALSE(TryStrToInt(text, out)) << text;
    EXPECT_EQ(out, 99) << "left untouched on failure: " << text;
    EXPECT_EQ(StrToIntDef(text, 7), 7) << text;
  }
  int64_t wide = 0;
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", wide));
  EXPECT_FALSE(TryStrToInt64("$1FFFFFFFFFFFFFFFF", wide));
  ExpectRaises<EConvertError>([] { StrToInt("12 "); }, "'12 ' is not a valid integer value");
  ExpectRaises<EConvertError>([] { StrToInt64("abc"); }, "'abc' is not a valid integer value");
}

TEST_F(FormatTest, StrToFloatReadsDecimalSeparatorAndExponent) {
  const GeneralCase cases[] = {
      {1.5, "1.5"},   {1.5, " 1.5 "}, {-1000, "-1e3"}, {0.01, "1E-2"}, {0.5, ".5"},
      {5, "5."},      {2, "+2"},      {0, "1e-400"},   {1e300, "1e+300"}, {123, "000123"},
  };
  for (const GeneralCase& c : cases) EXPECT_DOUBLE_EQ(StrToFloat(c.expected), c.value) << c.expected;
  for (const char* text : {"", "abc", "1.5x", "e5", "1e", "1e+", "1e400", ".", "-", "1,5", "1 5", "0x10"}) {
    double out = 42;
    EXPECT_FALSE(TryStrToFloat(text, out)) << text;
    EXPECT_EQ(out, 42) << text;
  }
  ExpectRaises<EConvertError>([] { StrToFloat("abc"); }, "'abc' is not a valid floating point value");
  FormatSettings.DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
  double out = 0;
  EXPECT_FALSE(TryStrToFloat("1.5", out));
}

struct FormatCase {
  const char* format;
  std::initializer_list<TVarRec> args;
  const char* expected;
};

TEST_F(FormatTest, FormatDirectives) {
  const FormatCase cases[] = {
      {"%d", {42}, "42"},
      {"[%5d]", {42}, "[   42]"},
      {"[%-5d]", {42}, "[42   ]"},
      {"%.4d", {-42}, "-0042"},
      {"%d", {int64_t{1} << 40}, "1099511627776"},
      {"%u", {-1}, "4294967295"},
      {"%u", {int64_t{-1}}, "18446744073709551615"},
      {"%x", {255}, "FF"},
      {"%.4X", {255}, "00FF"},
      {"%x", {-1}, "FFFFFFFF"},
      {"%s and %s", {"abc", "def"}, "abc and def"},
      {"%.2s", {"abc"}, "ab"},
      {"[%5s]", {"中文"}, "[   中文]"},
      {"%.1s", {"中文"}, "中"},
      {"%f", {1.5}, "1.50"},
      {"%.3f", {2.0 / 3}, "0.667"},
      {"%.2f", {1.005}, "1.00"},
      {"%e", {1.5}, "1.50000000000000E+000"},
      {"%.3e", {12345.0}, "1.23E+004"},
      {"%g", {0.5}, "0.5"},
      {"%g", {1e20}, "1E020"},
      {"%n", {1234567.891}, "1,234,567.89"},
      {"%m", {-5.0}, "-$5.00"},
      {"%.0m", {5.0}, "$5"},
      {"%0:s %1:s %0:s", {"a", "b"}, "a b a"},
      {"%1:s %s", {"a", "b", "c"}, "b c"},
      {"[%*d]", {5, 42}, "[   42]"},
      {"[%-*d]", {4, 7}, "[7   ]"},
      {"%.*f", {1, 2.25}, "2.3"},
      {"[%*d]", {-3, 7}, "[7]"},
      {"100%%", {}, "100%"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
  String text = "owned";
  EXPECT_EQ(Format("[%s]", {text}), "[owned]");
  int value = 0;
  String pointer = Format("%p", {static_cast<const void*>(&value)});
  EXPECT_EQ(pointer, IntToHex(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(&value)), 16));
}

TEST_F(FormatTest, FormatMismatchRaisesNamingTheFormat) {
  const FormatCase cases[] = {
      {"%d", {"x"}, ""}, {"%s", {1}, ""},   {"%f", {1}, ""},     {"%d", {}, ""},   {"%k", {1}, ""},
      {"%", {}, ""},     {"%5", {1}, ""},   {"%*d", {"x", 1}, ""}, {"%p", {1}, ""}, {"%d %d", {1}, ""},
  };
  for (const FormatCase& c : cases) {
    ExpectRaises<EConvertError>([&] { Format(c.format, c.args); },
                                "Format '" + String(c.format) + "' invalid or incompatible with argument");
  }
}

TEST_F(FormatTest, MulDivRoundsHalfAwayFromZero) {
  struct Case {
    int number, numerator, denominator, expected;
  };
  const Case cases[] = {
      {10, 3, 2, 15},   {5, 1, 2, 3},   {-5, 1, 2, -3},    {5, -1, 2, -3},  {5, 1, -2, -3},
      {100, 1, 3, 33},  {200, 1, 3, 67}, {-200, 1, 3, -67}, {7, 1, 0, -1},  {1 << 30, 4, 1, -1},
      {MaxInt, MaxInt, MaxInt, MaxInt}, {MinInt, 1, 1, MinInt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << "*" << c.numerator << "/" << c.denominator;
  }
}

TEST_F(FormatTest, RoundIsBankersAndTruncCutsTowardsZero) {
  const std::pair<double, int64_t> rounds[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4},
                                               {2.6, 3}, {-2.6, -3}, {0.5, 0}, {1e15 + 0.5, 1000000000000000}};
  for (auto [value, expected] : rounds) EXPECT_EQ(Round(value), expected) << value;
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_THROW(Round(std::nan("")), EMathError);
  EXPECT_THROW(Round(1e300), EMathError);
  EXPECT_THROW(Trunc(-1e19), EMathError);
}

String RandomText(std::mt19937& random, std::string_view alphabet, int maxLength) {
  String text;
  int length = static_cast<int>(random() % (maxLength + 1));
  for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
  return text;
}

double RandomDouble(std::mt19937& random) {
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-30, 30);
  return mantissa(random) * std::pow(10.0, exponent(random));
}

TEST_F(FormatTest, ShownNumbersReadBackToTheirValue) {
  std::mt19937 random(7);
  for (int i = 0; i < 3000; ++i) {
    double value = RandomDouble(random);
    String text = FloatToStr(value);
    EXPECT_EQ(FloatToStr(StrToFloat(text)), text) << value;
    EXPECT_NEAR(StrToFloat(FormatFloat("0.00", value)), value, 0.005 + std::fabs(value) * 1e-14) << value;
    EXPECT_NEAR(StrToFloat(FloatToStrF(value, ffExponent, 15, 0)), value, std::fabs(value) * 1e-14) << value;
  }
}

TEST_F(FormatTest, ArbitraryMasksAndFormatsNeverBreak) {
  std::mt19937 random(11);
  for (int i = 0; i < 3000; ++i) {
    String mask = RandomText(random, "0#.,;E+-e'\"x %", 12);
    EXPECT_NO_THROW(FormatFloat(mask, RandomDouble(random))) << mask;
    EXPECT_NO_THROW(FormatCurr(mask, Currency::FromRaw(static_cast<int64_t>(random()) * 977))) << mask;
    String format = RandomText(random, "%%%-*.:019sdxufegnmp ", 10);
    try {
      Format(format, {3, 2.5, "text", int64_t{-4}});
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Format '" + format + "' invalid or incompatible with argument");
    }
  }
}

}  // namespace
