// FormatDateTime and the conversions of dates and times to text built on it.
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/number_text.h"

namespace {

constexpr int kMaxNesting = 2;  // formats named inside formats ("c", "ddddd", "t") stop here

// Pattern letters are ASCII; the process locale plays no part in reading them.
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return Upper(c) >= 'A' && Upper(c) <= 'Z'; }

bool StartsWithText(std::string_view s, size_t i, std::string_view word) {
  return SameText(s.substr(i, word.size()), word);
}

size_t SkipQuoted(std::string_view f, size_t i) {
  size_t close = f.find(f[i], i + 1);
  return close == std::string_view::npos ? f.size() : close + 1;
}

// Whether an am/pm marker follows position i: it turns h and hh into a 12-hour clock.
bool AmPmFollows(std::string_view f, size_t i) {
  while (i < f.size()) {
    if (f[i] == '"' || f[i] == '\'') {
      i = SkipQuoted(f, i);
      continue;
    }
    if (StartsWithText(f, i, "am/pm") || StartsWithText(f, i, "a/p") || StartsWithText(f, i, "ampm")) return true;
    ++i;
  }
  return false;
}

String Padded(int value, int width) { return ZeroPadded(std::to_string(value), width); }

class DateTimeWriter {
 public:
  explicit DateTimeWriter(TDateTime dt) : dt_(dt), p_(DecodeDateTime(dt)) {}

  void Write(std::string_view f, int nesting) {
    if (nesting > kMaxNesting) return;
    size_t i = 0;
    while (i < f.size()) {
      char c = f[i];
      if (c == '"' || c == '\'') {
        size_t close = f.find(c, i + 1);
        if (close == std::string_view::npos) close = f.size();
        out_ += f.substr(i + 1, close - i - 1);
        i = close + 1;
        continue;
      }
      size_t run = RunLength(f, i);
      i = WriteToken(f, i, run, nesting);
    }
  }

  String Result() { return std::move(out_); }

 private:
  static size_t RunLength(std::string_view f, size_t i) {
    size_t n = 1;
    while (i + n < f.size() && Upper(f[i + n]) == Upper(f[i])) ++n;
    return n;
  }

  // "c" leaves out a time of no whole second.
  bool Midnight() const { return p_.hour == 0 && p_.minute == 0 && p_.second == 0; }

  int DayIndex() const { return DayOfWeek(dt_) - 1; }

  // Writes the token at f[i] (`run` equal letters long) and returns the position after it.
  size_t WriteToken(std::string_view f, size_t i, size_t run, int nesting) {
    const TFormatSettings& fs = FormatSettings;
    int n = static_cast<int>(run);
    bool afterHour = lastWasHour_;
    lastWasHour_ = false;
    switch (Upper(f[i])) {
      case 'Y': out_ += n <= 2 ? Padded(p_.year % 100, 2) : Padded(p_.year, 4); return i + run;
      case 'M':
        if (afterHour) {
          out_ += Padded(p_.minute, n >= 2 ? 2 : 1);
        } else {
          WriteMonth(n);
        }
        return i + run;
      case 'D': WriteDay(n, nesting); return i + run;
      case 'H': WriteHour(n, AmPmFollows(f, i + run)); return i + run;
      case 'N': out_ += Padded(p_.minute, n >= 2 ? 2 : 1); return i + run;
      case 'S': out_ += Padded(p_.second, n >= 2 ? 2 : 1); return i + run;
      case 'Z': out_ += Padded(p_.msec, n >= 3 ? 3 : 1); return i + run;
      case 'T': Write(n == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, nesting + 1); return i + run;
      case 'C': WriteDateAndTime(nesting); return i + 1;
      case 'A': return WriteAmPm(f, i);
      default: break;
    }
    // Separators and other non-letters leave "hh:mm" meaning minutes; other letters do not.
    lastWasHour_ = afterHour && !IsLetter(f[i]);
    out_ += f[i] == '/' ? fs.DateSeparator : f[i] == ':' ? fs.TimeSeparator : f[i];
    return i + 1;
  }

  void WriteMonth(int n) {
    const TFormatSettings& fs = FormatSettings;
    if (n <= 2) {
      out_ += Padded(p_.month, n);
    } else {
      out_ += n == 3 ? fs.ShortMonthNames[p_.month - 1] : fs.LongMonthNames[p_.month - 1];
    }
  }

  void WriteDay(int n, int nesting) {
    const TFormatSettings& fs = FormatSettings;
    switch (n) {
      case 1:
      case 2: out_ += Padded(p_.day, n); break;
      case 3: out_ += fs.ShortDayNames[DayIndex()]; break;
      case 4: out_ += fs.LongDayNames[DayIndex()]; break;
      case 5: Write(fs.ShortDateFormat, nesting + 1); break;
      default: Write(fs.LongDateFormat, nesting + 1); break;
    }
  }

  void WriteHour(int n, bool twelveHour) {
    int hour = p_.hour;
    if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    out_ += Padded(hour, n >= 2 ? 2 : 1);
    lastWasHour_ = true;
  }

  void WriteDateAndTime(int nesting) {
    Write(FormatSettings.ShortDateFormat, nesting + 1);
    if (!Midnight()) {
      out_ += ' ';
      Write(FormatSettings.LongTimeFormat, nesting + 1);
    }
  }

  // "am/pm" and "a/p" show the half of the marker as written; "ampm" the locale's words.
  size_t WriteAmPm(std::string_view f, size_t i) {
    bool pm = p_.hour >= 12;
    if (StartsWithText(f, i, "am/pm")) {
      out_ += f.substr(pm ? i + 3 : i, 2);
      return i + 5;
    }
    if (StartsWithText(f, i, "a/p")) {
      out_ += f[pm ? i + 2 : i];
      return i + 3;
    }
    if (StartsWithText(f, i, "ampm")) {
      out_ += pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
      return i + 4;
    }
    out_ += f[i];
    return i + 1;
  }

  TDateTime dt_;
  TDateParts p_;
  String out_;
  bool lastWasHour_ = false;
};

}  // namespace

void DateTimeToString(String& result, std::string_view format, TDateTime dt) {
  DateTimeWriter writer(dt);
  writer.Write(format.empty() ? std::string_view("c") : format, 0);
  result = writer.Result();
}

String FormatDateTime(std::string_view format, TDateTime dt) {
  String result;
  DateTimeToString(result, format, dt);
  return result;
}

String DateTimeToStr(TDateTime dt) { return FormatDateTime("c", dt); }
String DateToStr(TDateTime dt) { return FormatDateTime("ddddd", dt); }
String TimeToStr(TDateTime dt) { return FormatDateTime("tt", dt); }
