#include "platform/core/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "tests/core/expect_message.h"
#include "tests/core/format_settings_scope.h"

namespace {

class CurrencyTest : public ::testing::Test {
  FormatSettingsScope settings_;
};

constexpr Currency kMax = Currency::FromRaw(INT64_MAX);
constexpr Currency kMin = Currency::FromRaw(INT64_MIN);

TEST_F(CurrencyTest, FromDoubleRoundsHalvesToEvenAtFourDecimals) {
  // 1/32 and 3/32 are exact doubles whose fifth decimal is an exact half.
  const std::pair<double, int64_t> cases[] = {
      {1.5, 15000},     {-2.25, -22500}, {0.03125, 312},   {0.09375, 938},
      {-0.03125, -312}, {0.12346, 1235}, {1234.5678, 12345678}, {922337203685477.0, 9223372036854770000},
  };
  for (auto [value, raw] : cases) EXPECT_EQ(Currency::FromDouble(value).Raw(), raw) << value;
  EXPECT_DOUBLE_EQ(Currency::FromRaw(12345).ToDouble(), 1.2345);
}

TEST_F(CurrencyTest, FromDoubleRaisesOutsideTheRange) {
  for (double bad : {1e15, -1e15, std::nan(""), std::numeric_limits<double>::infinity()}) EXPECT_THROW(Currency::FromDouble(bad), EConvertError) << bad;
  ExpectRaises<EConvertError>([] { Currency::FromDouble(1e20); }, "'1E20' is not a valid currency value");
}

struct CurrTextCase {
  Currency value;
  const char* expected;
};

TEST_F(CurrencyTest, CurrToStrShowsEveryHeldDecimal) {
  const CurrTextCase cases[] = {
      {Currency::FromRaw(15000), "1.5"},      {Currency::FromInt(100), "100"},
      {Currency::FromRaw(-1), "-0.0001"},     {Currency(), "0"},
      {kMax, "922337203685477.5807"},         {kMin, "-922337203685477.5808"},
  };
  for (const CurrTextCase& c : cases) EXPECT_EQ(CurrToStr(c.value), c.expected) << c.value.Raw();
}

TEST_F(CurrencyTest, CurrToStrFAndFormatCurrRoundOnTheDecimalDigits) {
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345), ffFixed, 2), "1.23");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(11250), ffFixed, 2), "1.13");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(-11250), ffFixed, 2), "-1.13");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345), ffFixed, 6), "1.234500");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345675000), ffNumber, 2), "1,234,567.50");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(-40), ffFixed, 2), "0.00");
  EXPECT_EQ(CurrToStrF(kMin, ffNumber, 4), "-922,337,203,685,477.5808");
  EXPECT_EQ(CurrToStrF(Currency::FromInt(-5), ffCurrency, 2), "-$5.00");
  EXPECT_EQ(FormatCurr("#,##0.00", Currency::FromRaw(12345000)), "1,234.50");
  EXPECT_EQ(FormatCurr("0.0000", Currency::FromRaw(-1)), "-0.0001");
  EXPECT_EQ(FormatCurr("0.00", Currency::FromRaw(-1)), "0.00");
  EXPECT_EQ(FormatCurr("0.00;(0.00)", Currency::FromRaw(-15000)), "(1.50)");
  EXPECT_EQ(FormatCurr("", Currency::FromRaw(15000)), "1.5");
  EXPECT_EQ(FormatCurr("0", kMax), "922337203685478");
}

TEST_F(CurrencyTest, AllCurrencyPlacements) {
  const char* const positive[] = {"$1.00", "1.00$", "$ 1.00", "1.00 $"};
  const char* const negative[] = {"($1.00)", "-$1.00",  "$-1.00",  "$1.00-",  "(1.00$)",  "-1.00$",
                                  "1.00-$",  "1.00$-",  "-1.00 $", "-$ 1.00", "1.00 $-",  "$ 1.00-",
                                  "$ -1.00", "1.00- $", "($ 1.00)", "(1.00 $)"};
  for (int i = 0; i < 4; ++i) {
    FormatSettings.CurrencyFormat = static_cast<uint8_t>(i);
    EXPECT_EQ(CurrToStrF(Currency::FromInt(1), ffCurrency, 2), positive[i]) << "CurrencyFormat " << i;
  }
  for (int i = 0; i < 16; ++i) {
    FormatSettings.NegCurrFormat = static_cast<uint8_t>(i);
    EXPECT_EQ(CurrToStrF(Currency::FromInt(-1), ffCurrency, 2), negative[i]) << "NegCurrFormat " << i;
    EXPECT_EQ(FloatToStrF(-1, ffCurrency, 15, 2), negative[i]) << "NegCurrFormat " << i;
  }
}

TEST_F(CurrencyTest, DefaultSettingsAreThoseOfAChineseDesktop) {
  FormatSettings = TFormatSettings{};
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345000), ffCurrency, 2), "￥1,234.50");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(-12345000), ffCurrency, 2), "￥-1,234.50");
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0)), "2024-03-05 14:07:09");
  EXPECT_EQ(FormatDateTime("dddddd ampm", EncodeDate(2024, 3, 5) + 0.75), "2024年3月5日 下午");
}

TEST_F(CurrencyTest, StrToCurrReadsExactlyAndRoundsHalvesToEven) {
  const std::pair<const char*, int64_t> cases[] = {
      {"1.23455", 12346},
      {"1.23445", 12344},
      {"1.234451", 12345},
      {"-1.5", -15000},
      {" 2 ", 20000},
      {"1e3", 10000000},
      {"1.5e-4", 2},
      {"922337203685477.5807", INT64_MAX},
      {"-922337203685477.5808", INT64_MIN},
      {"0.00000000000000000001", 0},
  };
  for (auto [text, raw] : cases) EXPECT_EQ(StrToCurr(text).Raw(), raw) << text;
  for (const char* text : {"922337203685477.5808", "-922337203685477.5809", "1e16", "abc", "", "1.2.3"}) {
    Currency out = Currency::FromInt(7);
    EXPECT_FALSE(TryStrToCurr(text, out)) << text;
    EXPECT_EQ(out, Currency::FromInt(7)) << text;
  }
  ExpectRaises<EConvertError>([] { StrToCurr("abc"); }, "'abc' is not a valid floating point value");
}

}  // namespace
