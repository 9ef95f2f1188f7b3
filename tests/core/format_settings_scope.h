#pragma once

#include "platform/core/format.h"

// Gives a test known, neutral locale settings and puts the process-wide ones back afterwards,
// so no test depends on the defaults or on another test's changes.
class FormatSettingsScope {
 public:
  FormatSettingsScope() : saved_(FormatSettings) {
    TFormatSettings& fs = FormatSettings;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    fs.CurrencyString = "$";
    fs.CurrencyFormat = 0;
    fs.NegCurrFormat = 1;
    fs.CurrencyDecimals = 2;
    fs.DateSeparator = '-';
    fs.TimeSeparator = ':';
    fs.ShortDateFormat = "yyyy-mm-dd";
    fs.LongDateFormat = "yyyy'年'm'月'd'日'";
    fs.ShortTimeFormat = "hh:nn";
    fs.LongTimeFormat = "hh:nn:ss";
    fs.TimeAMString = "AM";
    fs.TimePMString = "PM";
    static const char* const kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static const char* const kLongMonths[12] = {"January", "February", "March",     "April",
                                                "May",     "June",     "July",      "August",
                                                "September", "October", "November", "December"};
    static const char* const kShortDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kLongDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 12; ++i) fs.ShortMonthNames[i] = kShortMonths[i], fs.LongMonthNames[i] = kLongMonths[i];
    for (int i = 0; i < 7; ++i) fs.ShortDayNames[i] = kShortDays[i], fs.LongDayNames[i] = kLongDays[i];
    fs.TwoDigitYearCenturyWindow = 50;
  }
  ~FormatSettingsScope() { FormatSettings = saved_; }
  FormatSettingsScope(const FormatSettingsScope&) = delete;
  FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;

 private:
  TFormatSettings saved_;
};
