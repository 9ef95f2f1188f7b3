#pragma once

#include <cstdint>

#include "platform/core/strings.h"

// Days since 1899-12-30; the fraction is the time of day. Before 1899-12-30 the whole part
// counts days back and the fraction is still the time of day: -1.25 is 1899-12-29 06:00.
using TDateTime = double;

struct TDateParts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
};

TDateTime EncodeDate(int year, int month, int day);                  // EConvertError if invalid
TDateTime EncodeTime(int hour, int minute, int second, int msec);    // EConvertError if invalid
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Rounds to the millisecond first, so 23:59:59.9996 is the next day. EConvertError for a value
// outside the years 1 to 9999.
TDateParts DecodeDateTime(TDateTime dt);
int DayOfWeek(TDateTime dt);  // 1 = Sunday
TDateTime Now();
TDateTime Date();

// Pattern letters (any case): d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes when the
// letter before was h), yy yyyy, h hh (12-hour when an am/pm marker follows), n nn, s ss,
// z zzz, t tt, am/pm a/p ampm, c (short date and long time; no time at 00:00:00), / and :
// for the date and time separators, "quoted" 'quoted' text; anything else is copied. An empty
// pattern is "c". The separators, names and formats come from FormatSettings.
String FormatDateTime(std::string_view format, TDateTime dt);
void DateTimeToString(String& result, std::string_view format, TDateTime dt);
String DateTimeToStr(TDateTime dt);
String DateToStr(TDateTime dt);
String TimeToStr(TDateTime dt);
// The order of day, month and year comes from ShortDateFormat, numbers are separated by
// DateSeparator, a missing year is this year, years of one or two digits fall in the window
// of TwoDigitYearCenturyWindow. Times are h:n[:s[.z]] with an optional AM/PM marker.
// Bad text raises EConvertError ("'x' is not a valid date", "... valid time", "... valid date
// and time").
TDateTime StrToDate(std::string_view s);
TDateTime StrToDateTime(std::string_view s);
TDateTime StrToTime(std::string_view s);
bool TryStrToDate(std::string_view s, TDateTime& out);
bool TryStrToDateTime(std::string_view s, TDateTime& out);
bool TryStrToTime(std::string_view s, TDateTime& out);
