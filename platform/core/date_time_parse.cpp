// Dates and times read from text in the order and with the separators of FormatSettings.
#include "platform/core/datetime.h"
#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/sys_texts.h"

namespace {

enum DateOrder { doMDY, doDMY, doYMD };

DateOrder OrderOf(std::string_view shortDateFormat) {
  for (size_t i = 0; i < shortDateFormat.size(); ++i) {
    char c = shortDateFormat[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == '"' || c == '\'') {
      size_t close = shortDateFormat.find(shortDateFormat[i], i + 1);
      if (close == std::string_view::npos) break;
      i = close;
    } else if (c == 'D') {
      return doDMY;
    } else if (c == 'Y') {
      return doYMD;
    } else if (c == 'M') {
      return doMDY;
    }
  }
  return doMDY;
}

class Scanner {
 public:
  explicit Scanner(std::string_view s) : s_(s) {}

  void SkipBlanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ == s_.size();
  }
  bool Char(char c) {
    SkipBlanks();
    if (pos_ >= s_.size() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  // Up to four digits; `length` tells how many were written, which decides the year window.
  bool Number(int& value, int& length) {
    SkipBlanks();
    value = 0;
    length = 0;
    while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9' && length < 5) {
      value = value * 10 + (s_[pos_++] - '0');
      ++length;
    }
    return length > 0 && length <= 4;
  }
  bool Number(int& value) {
    int length = 0;
    return Number(value, length);
  }
  // A word such as "PM", ignoring the case of ASCII letters.
  bool Word(std::string_view word) {
    SkipBlanks();
    if (word.empty() || !SameText(s_.substr(pos_, word.size()), word)) return false;
    pos_ += word.size();
    return true;
  }
  size_t Position() const { return pos_; }
  void SetPosition(size_t pos) { pos_ = pos; }

 private:
  std::string_view s_;
  size_t pos_ = 0;
};

int CurrentYear() { return DecodeDateTime(Date()).year; }

int WindowedYear(int year, int length) {
  if (length > 2) return year;
  int window = FormatSettings.TwoDigitYearCenturyWindow;
  int base = CurrentYear() - window;
  year += base / 100 * 100;
  if (window > 0 && year < base) year += 100;
  return year;
}

bool ScanDate(Scanner& in, TDateTime& out) {
  int n[3] = {0, 0, 0}, len[3] = {0, 0, 0};
  if (!in.Number(n[0], len[0]) || !in.Char(FormatSettings.DateSeparator) || !in.Number(n[1], len[1])) return false;
  bool hasYear = false;
  size_t beforeThird = in.Position();
  if (in.Char(FormatSettings.DateSeparator) && in.Number(n[2], len[2])) {
    hasYear = true;
  } else {
    in.SetPosition(beforeThird);
  }
  int year = CurrentYear(), month = 0, day = 0, yearLength = 4;
  switch (OrderOf(FormatSettings.ShortDateFormat)) {
    case doMDY: month = n[0], day = n[1]; if (hasYear) year = n[2], yearLength = len[2]; break;
    case doDMY: day = n[0], month = n[1]; if (hasYear) year = n[2], yearLength = len[2]; break;
    case doYMD:
      if (hasYear) {
        year = n[0], yearLength = len[0], month = n[1], day = n[2];
      } else {
        month = n[0], day = n[1];
      }
      break;
  }
  return TryEncodeDate(WindowedYear(year, yearLength), month, day, out);
}

// An AM/PM marker in the locale's words or in English; 0 none, 1 am, 2 pm.
int ScanAmPm(Scanner& in) {
  if (in.Word(FormatSettings.TimeAMString) || in.Word("AM")) return 1;
  if (in.Word(FormatSettings.TimePMString) || in.Word("PM")) return 2;
  return 0;
}

bool ScanTime(Scanner& in, TDateTime& out) {
  int marker = ScanAmPm(in);
  int hour = 0, minute = 0, second = 0, msec = 0;
  if (!in.Number(hour)) return false;
  bool hasMinute = false;
  if (in.Char(FormatSettings.TimeSeparator)) {
    if (!in.Number(minute)) return false;
    hasMinute = true;
    if (in.Char(FormatSettings.TimeSeparator)) {
      if (!in.Number(second)) return false;
      if (in.Char(FormatSettings.DecimalSeparator) && !in.Number(msec)) return false;
    }
  }
  if (marker == 0) marker = ScanAmPm(in);
  if (!hasMinute && marker == 0) return false;
  if (marker != 0) {
    if (hour > 12) return false;
    hour %= 12;
    if (marker == 2) hour += 12;
  }
  return TryEncodeTime(hour, minute, second, msec, out);
}

// `scan` must take all of `s` (blanks aside); `out` changes only when it does.
bool ScanWhole(std::string_view s, bool (*scan)(Scanner&, TDateTime&), TDateTime& out) {
  Scanner in(s);
  TDateTime value = 0;
  if (!scan(in, value) || !in.AtEnd()) return false;
  out = value;
  return true;
}

TDateTime ParseOrRaise(std::string_view s, bool (*tryParse)(std::string_view, TDateTime&), const TResourceString& message) {
  TDateTime out = 0;
  if (!tryParse(s, out)) RaiseConvertError(message, s);
  return out;
}

}  // namespace

bool TryStrToDate(std::string_view s, TDateTime& out) { return ScanWhole(s, ScanDate, out); }

bool TryStrToTime(std::string_view s, TDateTime& out) { return ScanWhole(s, ScanTime, out); }

bool TryStrToDateTime(std::string_view s, TDateTime& out) {
  Scanner in(s);
  TDateTime date = 0, time = 0;
  if (!ScanDate(in, date)) return TryStrToTime(s, out);
  if (!in.AtEnd() && (!ScanTime(in, time) || !in.AtEnd())) return false;
  // Before 1899-12-30 the time still counts forward from the start of the day.
  out = date >= 0 ? date + time : date - time;
  return true;
}

TDateTime StrToDate(std::string_view s) { return ParseOrRaise(s, TryStrToDate, sys_texts::SInvalidDate); }
TDateTime StrToTime(std::string_view s) { return ParseOrRaise(s, TryStrToTime, sys_texts::SInvalidTime); }
TDateTime StrToDateTime(std::string_view s) { return ParseOrRaise(s, TryStrToDateTime, sys_texts::SInvalidDateTime); }
