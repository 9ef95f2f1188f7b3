#include "platform/core/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "tests/core/expect_message.h"
#include "tests/core/format_settings_scope.h"

namespace {

class DateTimeTest : public ::testing::Test {
 protected:
  FormatSettingsScope settings_;
  // Tuesday 2024-03-05 14:07:09.045
  TDateTime sample_ = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
};

void ExpectParts(const TDateParts& p, TDateParts expected) {
  EXPECT_EQ(p.year, expected.year);
  EXPECT_EQ(p.month, expected.month);
  EXPECT_EQ(p.day, expected.day);
  EXPECT_EQ(p.hour, expected.hour);
  EXPECT_EQ(p.minute, expected.minute);
  EXPECT_EQ(p.second, expected.second);
  EXPECT_EQ(p.msec, expected.msec);
}

TEST_F(DateTimeTest, EncodeDateCountsDaysFrom1899_12_30) {
  struct Case {
    int y, m, d;
    double expected;
  };
  const Case cases[] = {{1899, 12, 30, 0},     {1899, 12, 29, -1},  {1900, 1, 1, 2},
                        {2000, 1, 1, 36526},   {2024, 2, 29, 45351}, {1, 1, 1, -693593},
                        {9999, 12, 31, 2958465}, {1900, 3, 1, 61}};
  for (const Case& c : cases) EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.expected) << c.y << "-" << c.m << "-" << c.d;
}

TEST_F(DateTimeTest, EncodeRejectsImpossibleDatesAndTimes) {
  const int bad[][3] = {{2023, 2, 29}, {1900, 2, 29}, {0, 1, 1},  {10000, 1, 1},
                        {2024, 13, 1}, {2024, 0, 1},  {2024, 1, 0}, {2024, 4, 31}};
  for (const auto& d : bad) {
    TDateTime out = 7;
    EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2], out));
    EXPECT_EQ(out, 7);
    ExpectRaises<EConvertError>([&] { EncodeDate(d[0], d[1], d[2]); }, "Invalid argument to date encode");
  }
  const int badTimes[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
  for (const auto& t : badTimes) {
    ExpectRaises<EConvertError>([&] { EncodeTime(t[0], t[1], t[2], t[3]); }, "Invalid argument to time encode");
  }
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST_F(DateTimeTest, DecodeIsTheInverseOfEncodeOverTheWholeRange) {
  // Every 97th day from year 1 to 9999, and every day across two leap-year boundaries.
  auto check = [](int day) {
    TDateParts p = DecodeDateTime(day);
    ASSERT_EQ(EncodeDate(p.year, p.month, p.day), day) << day;
    ASSERT_EQ(p.hour + p.minute + p.second + p.msec, 0);
  };
  for (int day = -693593; day <= 2958465; day += 97) check(day);
  for (int day = EncodeDate(1899, 12, 1); day < EncodeDate(1900, 4, 1); ++day) check(day);
  for (int day = EncodeDate(2000, 1, 1); day < EncodeDate(2001, 1, 1); ++day) check(day);
  ExpectParts(DecodeDateTime(sample_), {2024, 3, 5, 14, 7, 9, 45});
}

TEST_F(DateTimeTest, BeforeTheEpochTheFractionIsStillTheTime) {
  ExpectParts(DecodeDateTime(-1.25), {1899, 12, 29, 6, 0, 0, 0});
  ExpectParts(DecodeDateTime(-0.5), {1899, 12, 30, 12, 0, 0, 0});
  ExpectParts(DecodeDateTime(-2.75), {1899, 12, 28, 18, 0, 0, 0});
  // Rounded to the millisecond first: a hair before midnight is the next day.
  ExpectParts(DecodeDateTime(EncodeDate(2024, 12, 31) + 0.99999999999), {2025, 1, 1, 0, 0, 0, 0});
  EXPECT_THROW(DecodeDateTime(std::nan("")), EConvertError);
  EXPECT_THROW(DecodeDateTime(3e6), EConvertError);
  EXPECT_THROW(DecodeDateTime(-7e5), EConvertError);
}

TEST_F(DateTimeTest, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(0), 7);                      // 1899-12-30, a Saturday
  EXPECT_EQ(DayOfWeek(-1), 6);
  EXPECT_EQ(DayOfWeek(sample_), 3);                // Tuesday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);  // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);     // Monday
}

TEST_F(DateTimeTest, NowIsTodayAndLocal) {
  TDateTime now = Now(), today = Date();
  EXPECT_EQ(today, std::floor(today));
  EXPECT_GE(now, today);
  EXPECT_LT(now, today + 1.0001);
  EXPECT_GE(DecodeDateTime(now).year, 2024);
}

struct PatternCase {
  const char* pattern;
  const char* expected;
};

TEST_F(DateTimeTest, FormatDateTimePatterns) {
  FormatSettings.LongDateFormat = "yyyy'年'm'月'd'日'";
  const PatternCase cases[] = {
      {"yyyy-mm-dd hh:nn:ss", "2024-03-05 14:07:09"},
      {"yy/m/d", "24-3-5"},
      {"yyy", "2024"},
      {"d mmm yyyy", "5 Mar 2024"},
      {"dddd, mmmm d", "Tuesday, March 5"},
      {"ddd", "Tue"},
      {"hh:mm", "14:07"},
      {"h:m", "14:7"},
      {"hh mm", "14 07"},
      {"hh mmm", "14 07"},
      {"hh x mm", "14 x 03"},
      {"hh'x'mm", "14x07"},
      {"mm", "03"},
      {"hh dd mm", "14 05 03"},
      {"h:nn am/pm", "2:07 pm"},
      {"h:nn AM/PM", "2:07 PM"},
      {"h:nn a/p", "2:07 p"},
      {"h:nn ampm", "2:07 PM"},
      {"hh:nn:ss.zzz", "14:07:09.045"},
      {"s.z", "9.45"},
      {"c", "2024-03-05 14:07:09"},
      {"", "2024-03-05 14:07:09"},
      {"ddddd", "2024-03-05"},
      {"dddddd", "2024年3月5日"},
      {"t", "14:07"},
      {"tt", "14:07:09"},
      {"'yyyy' yyyy", "yyyy 2024"},
      {"\"at\" hh", "at 14"},
      {"YYYY-MM-DD HH:NN", "2024-03-05 14:07"},
      {"x q", "x q"},
      {"'unclosed", "unclosed"},
  };
  for (const PatternCase& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, sample_), c.expected) << c.pattern;
  String result;
  DateTimeToString(result, "yyyymmdd", sample_);
  EXPECT_EQ(result, "20240305");
}

TEST_F(DateTimeTest, TwelveHourClockAtMidnightAndNoon) {
  TDateTime day = EncodeDate(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + EncodeTime(0, 30, 0, 0)), "12:30 am");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + EncodeTime(12, 5, 0, 0)), "12:05 pm");
  EXPECT_EQ(FormatDateTime("hh:nn ampm", day + EncodeTime(9, 5, 0, 0)), "09:05 AM");
  FormatSettings.TimePMString = "下午";
  EXPECT_EQ(FormatDateTime("ampm h:nn", day + EncodeTime(15, 0, 0, 0)), "下午 15:00");  // marker before h
}

TEST_F(DateTimeTest, DateTimeToStrLeavesOutMidnight) {
  TDateTime day = EncodeDate(2024, 3, 5);
  EXPECT_EQ(DateTimeToStr(day), "2024-03-05");
  EXPECT_EQ(DateTimeToStr(day + EncodeTime(0, 0, 0, 500)), "2024-03-05");
  EXPECT_EQ(DateTimeToStr(day + EncodeTime(0, 0, 1, 0)), "2024-03-05 00:00:01");
  EXPECT_EQ(DateTimeToStr(sample_), "2024-03-05 14:07:09");
  EXPECT_EQ(DateToStr(sample_), "2024-03-05");
  EXPECT_EQ(TimeToStr(sample_), "14:07:09");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
  FormatSettings.DateSeparator = '/';
  FormatSettings.ShortDateFormat = "m/d/yyyy";
  EXPECT_EQ(DateToStr(sample_), "3/5/2024");
}

TEST_F(DateTimeTest, FormatsNamingThemselvesStopTwoLevelsDown) {
  FormatSettings.ShortDateFormat = "c";
  FormatSettings.LongTimeFormat = "tt";
  EXPECT_EQ(FormatDateTime("c", sample_), "   ");  // only the blanks between date and time remain
  FormatSettings.LongTimeFormat = "hh:nn";
  EXPECT_EQ(FormatDateTime("c", sample_), "  14:07 14:07");
}

TEST_F(DateTimeTest, StrToDateFollowsShortDateOrder) {
  EXPECT_EQ(StrToDate("2024-03-05"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(" 2024-3-5 "), EncodeDate(2024, 3, 5));
  int year = DecodeDateTime(Date()).year;
  EXPECT_EQ(StrToDate("03-05"), EncodeDate(year, 3, 5));
  FormatSettings.DateSeparator = '/';
  FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  EXPECT_EQ(StrToDate("05/03/2024"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate("05/03"), EncodeDate(year, 3, 5));
  FormatSettings.ShortDateFormat = "m/d/yyyy";
  EXPECT_EQ(StrToDate("3/5/2024"), EncodeDate(2024, 3, 5));
}

TEST_F(DateTimeTest, TwoDigitYearsFallInTheWindow) {
  FormatSettings.DateSeparator = '/';
  FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  EXPECT_EQ(StrToDate("05/03/24"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate("05/03/99"), EncodeDate(1999, 3, 5));
  EXPECT_EQ(StrToDate("05/03/0099"), EncodeDate(99, 3, 5));  // four digits written: taken as is
  FormatSettings.TwoDigitYearCenturyWindow = 0;
  int century = DecodeDateTime(Date()).year / 100 * 100;
  EXPECT_EQ(StrToDate("05/03/99"), EncodeDate(century + 99, 3, 5));
}

TEST_F(DateTimeTest, StrToDateRejectsBadText) {
  for (const char* text : {"2024-02-30", "2024/03/05", "abc", "", "2024-03-05x", "2024-03", "2024--05",
                           "12024-03-05", "2024-03-05-01"}) {
    TDateTime out = 7;
    EXPECT_FALSE(TryStrToDate(text, out)) << text;
    EXPECT_EQ(out, 7) << text;
  }
  ExpectRaises<EConvertError>([] { StrToDate("abc"); }, "'abc' is not a valid date");
}

TEST_F(DateTimeTest, StrToTimeReadsClockAndMarkers) {
  EXPECT_EQ(StrToTime("14:07"), EncodeTime(14, 7, 0, 0));
  EXPECT_EQ(StrToTime("14:07:09"), EncodeTime(14, 7, 9, 0));
  EXPECT_EQ(StrToTime("14:07:09.045"), EncodeTime(14, 7, 9, 45));
  EXPECT_EQ(StrToTime("2:07 PM"), EncodeTime(14, 7, 0, 0));
  EXPECT_EQ(StrToTime("2 pm"), EncodeTime(14, 0, 0, 0));
  EXPECT_EQ(StrToTime("12:00 AM"), 0);
  EXPECT_EQ(StrToTime("12:30 pm"), EncodeTime(12, 30, 0, 0));
  FormatSettings.TimePMString = "下午";
  EXPECT_EQ(StrToTime("下午 2:07"), EncodeTime(14, 7, 0, 0));
  for (const char* text : {"25:00", "14:", "14", "13:00 PM", "abc", "14:07:", "14:60", "14:07 xx"}) {
    TDateTime out = 7;
    EXPECT_FALSE(TryStrToTime(text, out)) << text;
  }
  ExpectRaises<EConvertError>([] { StrToTime("25:00"); }, "'25:00' is not a valid time");
}

TEST_F(DateTimeTest, StrToDateTimeTakesDateTimeOrEither) {
  EXPECT_EQ(StrToDateTime("2024-03-05 14:07:09"), EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0));
  EXPECT_EQ(StrToDateTime("2024-03-05"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDateTime("14:07"), EncodeTime(14, 7, 0, 0));
  EXPECT_EQ(StrToDateTime("1899-12-29 06:00"), -1.25);
  ExpectRaises<EConvertError>([] { StrToDateTime("2024-03-05 xx"); },
                              "'2024-03-05 xx' is not a valid date and time");
}

TEST_F(DateTimeTest, TextRoundTripsToTheSecond) {
  for (TDateTime dt = -800.3; dt < 60000; dt += 1234.56789) {
    TDateTime whole = StrToDateTime(DateTimeToStr(dt));
    EXPECT_EQ(DateTimeToStr(whole), DateTimeToStr(dt));
    EXPECT_NEAR(whole, dt, 1.0 / 86400);
  }
}

TEST_F(DateTimeTest, ArbitraryPatternsAndTextNeverBreak) {
  std::mt19937 random(5);
  const std::string_view letters = "dmyhnsztcap/:'\" xAMPM-0123456789";
  auto randomText = [&](int maxLength) {
    String text;
    for (int n = static_cast<int>(random() % (maxLength + 1)); n > 0; --n) text += letters[random() % letters.size()];
    return text;
  };
  for (int i = 0; i < 3000; ++i) {
    TDateTime dt = static_cast<double>(random() % 3000000) - 700000 + 0.37;
    String pattern = randomText(14);
    if (dt > -693594 && dt < 2958466) {
      EXPECT_NO_THROW(FormatDateTime(pattern, dt)) << pattern;
    }
    String text = randomText(12);
    TDateTime out = 0;
    TryStrToDateTime(text, out);
    if (TryStrToDate(text, out)) {
      EXPECT_EQ(out, std::floor(out)) << text;
    }
  }
}

}  // namespace
