// Dates and times as day numbers since 1899-12-30: encoding, decoding and calendar rules.
#include "platform/core/datetime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/core/exceptions.h"

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int64_t kDateDelta = 693594;  // days from 0001-01-01 (day 1) to 1899-12-30
constexpr int kDaysPer400Years = 146097, kDaysPer100Years = 36524, kDaysPer4Years = 1461;

int DaysBeforeMonth(int year, int month) {
  int days = 0;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  return days;
}

// Day number counted from 0001-01-01 as day 1, and milliseconds into that day.
struct TimeStamp {
  int64_t date;
  int64_t time;
};

TimeStamp ToTimeStamp(TDateTime dt) {
  constexpr double kFirst = -693594.0, kLast = 2958466.0;  // 0001-01-01 and 10000-01-01
  if (!(dt > kFirst && dt < kLast)) throw EConvertError("Invalid argument to date decode");
  int64_t total = static_cast<int64_t>(std::nearbyint(dt * kMSecsPerDay));
  // Division truncates towards zero: the day before 1899-12-30 is -1 whatever the time.
  int64_t date = total / kMSecsPerDay + kDateDelta;
  int64_t time = (total < 0 ? -total : total) % kMSecsPerDay;
  if (date < 1 || date > kDateDelta + 2958465) throw EConvertError("Invalid argument to date decode");
  return {date, time};
}

void DecodeDayNumber(int64_t dayNumber, TDateParts& p) {
  int64_t n = dayNumber - 1;
  int year = 1 + 400 * static_cast<int>(n / kDaysPer400Years);
  n %= kDaysPer400Years;
  int64_t centuries = std::min<int64_t>(n / kDaysPer100Years, 3);  // the 400th year is a leap day
  year += 100 * static_cast<int>(centuries);
  n -= centuries * kDaysPer100Years;
  year += 4 * static_cast<int>(n / kDaysPer4Years);
  n %= kDaysPer4Years;
  int64_t years = std::min<int64_t>(n / 365, 3);
  year += static_cast<int>(years);
  n -= years * 365;
  int month = 1;
  while (n >= DaysInMonth(year, month)) n -= DaysInMonth(year, month++);
  p.year = year;
  p.month = month;
  p.day = static_cast<int>(n) + 1;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return false;
  }
  int64_t y = year - 1;
  int64_t dayNumber = y * 365 + y / 4 - y / 100 + y / 400 + DaysBeforeMonth(year, month) + day;
  out = static_cast<TDateTime>(dayNumber - kDateDelta);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999) {
    return false;
  }
  int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + msec;
  out = static_cast<TDateTime>(ms) / kMSecsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime out = 0;
  if (!TryEncodeDate(year, month, day, out)) throw EConvertError("Invalid argument to date encode");
  return out;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  TDateTime out = 0;
  if (!TryEncodeTime(hour, minute, second, msec, out)) throw EConvertError("Invalid argument to time encode");
  return out;
}

TDateParts DecodeDateTime(TDateTime dt) {
  TimeStamp stamp = ToTimeStamp(dt);
  TDateParts p;
  DecodeDayNumber(stamp.date, p);
  p.hour = static_cast<int>(stamp.time / 3600000);
  p.minute = static_cast<int>(stamp.time / 60000 % 60);
  p.second = static_cast<int>(stamp.time / 1000 % 60);
  p.msec = static_cast<int>(stamp.time % 1000);
  return p;
}

int DayOfWeek(TDateTime dt) { return static_cast<int>(ToTimeStamp(dt).date % 7) + 1; }

TDateTime Now() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ts.tv_nsec / 1000000));
}

TDateTime Date() { return std::floor(Now()); }
