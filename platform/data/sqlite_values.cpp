// SQLite values and declared column types mapped to field types and values.
#include "platform/data/sqlite_values.h"

#include <cstdio>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"

namespace {

bool Has(const String& upper, const char* word) { return upper.find(word) != String::npos; }

// The numbers in "(p)" or "(p,s)" of a declared type.
void DeclaredSizes(std::string_view decl, int& first, int& second) {
  first = second = 0;
  size_t open = decl.find('(');
  if (open == std::string_view::npos) return;
  std::sscanf(String(decl.substr(open + 1)).c_str(), "%d , %d", &first, &second);
}

Variant Integer(int64_t n) {
  if (n >= MinInt && n <= MaxInt) return Variant(static_cast<int>(n));
  return Variant(n);
}

}  // namespace

TFieldType FieldTypeOfDecl(std::string_view declared, int& size) {
  String u = UpperCase(declared);
  int first = 0, second = 0;
  DeclaredSizes(u, first, second);
  size = 0;
  if (Has(u, "INT")) {
    if (Has(u, "BIG")) return ftLargeint;
    if (Has(u, "SMALL") || Has(u, "TINY")) return ftSmallint;
    return ftInteger;
  }
  if (Has(u, "BOOL")) return ftBoolean;
  if (Has(u, "CLOB") || Has(u, "MEMO")) return ftMemo;
  if (Has(u, "CHAR") || Has(u, "TEXT")) {
    size = first;
    return ftString;
  }
  if (Has(u, "BLOB")) return ftBlob;
  if (Has(u, "REAL") || Has(u, "FLOA") || Has(u, "DOUB")) return ftFloat;
  if (Has(u, "MONEY") || Has(u, "CURRENCY")) return ftCurrency;
  if (Has(u, "DEC") || Has(u, "NUMERIC")) {
    if (second > 0 && second <= 4) {
      size = second;
      return ftBCD;
    }
    return ftFloat;
  }
  if (Has(u, "DATETIME")) return ftDateTime;
  if (Has(u, "TIMESTAMP")) return ftTimeStamp;
  if (Has(u, "DATE")) return ftDate;
  if (Has(u, "TIME")) return ftTime;
  return ftString;
}

String IsoDateTimeText(TFieldType type, TDateTime value) {
  TDateParts p = DecodeDateTime(value);
  char date[16], time[24];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", p.year, p.month, p.day);
  if (p.msec != 0)
    std::snprintf(time, sizeof time, "%02d:%02d:%02d.%03d", p.hour, p.minute, p.second, p.msec);
  else
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  if (type == ftDate) return date;
  if (type == ftTime) return time;
  return String(date) + " " + time;
}

bool ParseIsoDateTime(std::string_view text, TDateTime& value) {
  String t = Trim(text);
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0, used = 0;
  TDateTime date = 0;
  const char* rest = t.c_str();
  if (std::sscanf(rest, "%4d-%2d-%2d%n", &y, &mo, &d, &used) == 3) {
    if (!TryEncodeDate(y, mo, d, date)) return false;
    rest += used;
    if (*rest == 'T' || *rest == ' ') ++rest;
  }
  if (*rest != '\0') {
    // The time must take up the rest of the text: "12:30 tomorrow" is no time.
    int end = 0;
    int n = std::sscanf(rest, "%2d:%2d%n:%2d%n.%3d%n", &h, &mi, &end, &s, &end, &ms, &end);
    bool inRange = h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59 && ms >= 0;
    if (n < 2 || !inRange || rest[end] != '\0') return false;
  } else if (used == 0) {
    return false;
  }
  value = date + (((h * 60.0 + mi) * 60.0 + s) * 1000.0 + ms) / 86400000.0;
  return true;
}

Variant FromStored(TFieldType type, const Variant& stored) {
  if (stored.IsEmptyOrNull()) return Variant::Null();
  try {
    switch (type) {
      case ftSmallint:
      case ftInteger:
      case ftWord:
      case ftAutoInc: return Integer(stored.IsString() ? StrToInt64(stored.AsString()) : stored.AsInt64());
      case ftLargeint: return Variant(stored.IsString() ? StrToInt64(stored.AsString()) : stored.AsInt64());
      case ftBoolean:
        if (stored.IsString()) return Variant(SameText(stored.AsString(), "true") || stored.AsString() == "1");
        return Variant(stored.AsInt64() != 0);
      case ftFloat: return Variant(stored.IsString() ? StrToFloat(stored.AsString()) : stored.AsDouble());
      case ftCurrency:
      case ftBCD:
        return Variant(stored.IsString() ? StrToCurr(stored.AsString()) : Currency::FromDouble(stored.AsDouble()));
      case ftDate:
      case ftTime:
      case ftDateTime:
      case ftTimeStamp: {
        TDateTime dt = 0;
        if (!stored.IsString()) return Variant::FromDateTime(stored.AsDouble());
        return ParseIsoDateTime(stored.AsString(), dt) ? Variant::FromDateTime(dt) : Variant::Null();
      }
      default: return Variant(stored.AsString());
    }
  } catch (const Exception&) {
    // A stored value the column's kind cannot show reads as Null; it stays stored untouched.
    return Variant::Null();
  }
}

Variant ToStored(TFieldType type, const Variant& value) {
  if (value.IsEmptyOrNull()) return Variant::Null();
  switch (type) {
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp: return Variant(IsoDateTimeText(type, value.AsDateTime()));
    case ftBoolean: return Variant(value.AsBoolean() ? 1 : 0);
    case ftCurrency:
    case ftBCD: return Variant(value.AsCurrency().ToDouble());
    default: return value;
  }
}
