#pragma once

#include <cstdint>

#include "platform/core/strings.h"

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

struct TDateParts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
};

TDateTime EncodeDate(int year, int month, int day);                  // EConvertError if invalid
TDateTime EncodeTime(int hour, int minute, int second, int msec);    // EConvertError if invalid
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
TDateParts DecodeDateTime(TDateTime dt);
int DayOfWeek(TDateTime dt);  // 1 = Sunday
TDateTime Now();
TDateTime Date();

// Pattern letters: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes after h), yy yyyy,
// h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm, c, / and : separators, "quoted" 'quoted'.
String FormatDateTime(std::string_view format, TDateTime dt);
void DateTimeToString(String& result, std::string_view format, TDateTime dt);
String DateTimeToStr(TDateTime dt);
String DateToStr(TDateTime dt);
String TimeToStr(TDateTime dt);
TDateTime StrToDate(std::string_view s);      // EConvertError on bad text
TDateTime StrToDateTime(std::string_view s);  // EConvertError on bad text
TDateTime StrToTime(std::string_view s);      // EConvertError on bad text
bool TryStrToDate(std::string_view s, TDateTime& out);
bool TryStrToDateTime(std::string_view s, TDateTime& out);
