// Field types with their own text and value rules: strings, numbers, currency, booleans, dates.
#include "platform/data/field_kinds.h"

#include <cmath>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"

namespace {

Variant ToCurrency(const Variant& v) { return v.IsNull() ? v : Variant(v.AsCurrency()); }

// Money text: a FormatCurr mask when given, else the locale's money form (fixed for editing),
// else plain.
String CurrencyText(Currency value, const String& mask, bool asMoney, bool displayText) {
  if (!mask.empty()) return FormatCurr(mask, value);
  if (!asMoney) return CurrToStr(value);
  return CurrToStrF(value, displayText ? ffCurrency : ffFixed, FormatSettings.CurrencyDecimals);
}

}  // namespace

Variant TStringField::Coerce(const Variant& value) const {
  if (value.IsEmptyOrNull()) return Variant::Null();
  String text = value.AsString();
  if (Size() > 0 && CharLength(text) > Size()) text = Copy(text, 1, Size());
  return Variant(text);
}

TNumericField::TNumericField(TComponent* owner, TFieldType type) : TField(owner, type, 0) {
  SetAlignment(taRightJustify);
}

const String& TNumericField::FormatFor(bool displayText) const {
  return displayText || editFormat_.empty() ? displayFormat_ : editFormat_;
}

bool TNumericField::IsValidChar(char32_t c) const {
  if (c == '+' || c == '-' || (c >= '0' && c <= '9')) return true;
  return AcceptsFraction() &&
         (c == static_cast<unsigned char>(FormatSettings.DecimalSeparator) || c == 'E' || c == 'e');
}

TIntegerField::TIntegerField(TComponent* owner, TFieldType type, int64_t minValue, int64_t maxValue)
    : TNumericField(owner, type), minValue_(minValue), maxValue_(maxValue) {}

Variant TIntegerField::Coerce(const Variant& value) const {
  Variant v = TField::Coerce(value);
  if (v.IsNull()) return v;
  int64_t n = v.VarType() == varDouble || v.VarType() == varCurrency ? Round(v.AsDouble()) : v.AsInt64();
  if (n < minValue_ || n > maxValue_)
    DatabaseError(Format(db_messages::FieldRange, {IntToStr(n), DisplayName(), minValue_, maxValue_}));
  return Native(n);
}

Variant TIntegerField::ParseText(const String& text) const { return Variant(StrToInt64(Trim(text))); }

String TIntegerField::FormatText(const Variant& value, bool displayText) const {
  const String& mask = FormatFor(displayText);
  if (mask.empty()) return IntToStr(value.AsInt64());
  return FormatFloat(mask, static_cast<double>(value.AsInt64()));
}

TFloatField::TFloatField(TComponent* owner, TFieldType type) : TNumericField(owner, type) {}

Variant TFloatField::Coerce(const Variant& value) const {
  Variant v = TField::Coerce(value);
  return v.IsNull() ? v : Variant(v.AsDouble());
}

Variant TFloatField::ParseText(const String& text) const { return Variant(StrToFloat(Trim(text))); }

String TFloatField::FormatText(const Variant& value, bool displayText) const {
  const String& mask = FormatFor(displayText);
  double v = value.AsDouble();
  if (!mask.empty()) return FormatFloat(mask, v);
  if (currency_)
    return FloatToStrF(v, displayText ? ffCurrency : ffFixed, precision_, FormatSettings.CurrencyDecimals);
  return FloatToStrF(v, ffGeneral, precision_, 0);
}

TCurrencyField::TCurrencyField(TComponent* owner) : TFloatField(owner, ftCurrency) { SetCurrency(true); }

Variant TCurrencyField::Coerce(const Variant& value) const { return ToCurrency(TField::Coerce(value)); }

String TCurrencyField::FormatText(const Variant& value, bool displayText) const {
  return CurrencyText(value.AsCurrency(), FormatFor(displayText), Currency(), displayText);
}

TBCDField::TBCDField(TComponent* owner) : TNumericField(owner, ftBCD) { SetSize(4); }

Variant TBCDField::Coerce(const Variant& value) const { return ToCurrency(TField::Coerce(value)); }

Variant TBCDField::ParseText(const String& text) const { return Variant(StrToCurr(Trim(text))); }

String TBCDField::FormatText(const Variant& value, bool displayText) const {
  return CurrencyText(value.AsCurrency(), FormatFor(displayText), currency_, displayText);
}

TBooleanField::TBooleanField(TComponent* owner) : TField(owner, ftBoolean, 0) {}

void TBooleanField::SetDisplayValues(const String& v) {
  displayValues_ = v;
  size_t semi = v.find(';');
  trueText_ = semi == String::npos ? v : v.substr(0, semi);
  falseText_ = semi == String::npos ? String() : v.substr(semi + 1);
  PropertyChanged(false);
}

String TBooleanField::AsString() const {
  Variant v = Value();
  return v.IsNull() ? String() : FormatText(v, false);
}

Variant TBooleanField::Coerce(const Variant& value) const {
  Variant v = TField::Coerce(value);
  return v.IsNull() ? v : Variant(v.AsBoolean());
}

String TBooleanField::FormatText(const Variant& value, bool) const {
  return value.AsBoolean() ? trueText_ : falseText_;
}

// Text names false or true by a prefix of either display value, false checked first.
Variant TBooleanField::ParseText(const String& text) const {
  String upper = AnsiUpperCase(text);
  if (Pos(upper, AnsiUpperCase(falseText_)) == 1) return Variant(false);
  if (Pos(upper, AnsiUpperCase(trueText_)) == 1) return Variant(true);
  DatabaseError(Format(db_messages::NotBoolean, {text, DisplayName()}));
}

String TDateTimeField::AsString() const {
  Variant v = Value();
  return v.IsNull() ? String() : FormatText(v, false);
}

Variant TDateTimeField::Coerce(const Variant& value) const {
  Variant v = TField::Coerce(value);
  return v.IsNull() ? v : Variant::FromDateTime(v.AsDateTime());
}

String TDateTimeField::FormatText(const Variant& value, bool displayText) const {
  String format;
  if (displayText && !displayFormat_.empty())
    format = displayFormat_;
  else if (DataType() == ftDate)
    format = FormatSettings.ShortDateFormat;
  else if (DataType() == ftTime)
    format = FormatSettings.LongTimeFormat;
  String text;
  DateTimeToString(text, format, value.AsDateTime());
  return text;
}

Variant TDateTimeField::ParseText(const String& text) const {
  if (DataType() == ftTime) return Variant::FromDateTime(StrToTime(text));
  if (DataType() == ftDate) return Variant::FromDateTime(StrToDate(text));
  return Variant::FromDateTime(StrToDateTime(text));
}

namespace {
// Shown in place of the data: upper case when there is some, lower case when it is Null.
constexpr const char* kBlobShown = "(BLOB)";
constexpr const char* kBlobShownNull = "(blob)";
constexpr const char* kMemoShown = "(MEMO)";
constexpr const char* kMemoShownNull = "(memo)";
}  // namespace

String TBlobField::GetText(bool displayText) const {
  if (OnGetText) return TField::GetText(displayText);
  return IsNull() ? kBlobShownNull : kBlobShown;
}

bool TBlobField::IsPlaceholder(const String& text) {
  return text == kBlobShown || text == kBlobShownNull || text == kMemoShown || text == kMemoShownNull;
}

String TMemoField::GetText(bool displayText) const {
  if (OnGetText || !displayText) return TField::GetText(displayText);
  return IsNull() ? kMemoShownNull : kMemoShown;
}

TField* CreateFieldOfType(TFieldType type, TComponent* owner) {
  switch (type) {
    case ftString:
    case ftFixedChar:
    case ftWideString: return new TStringField(owner);
    case ftSmallint: return new TSmallintField(owner);
    case ftInteger: return new TIntegerField(owner);
    case ftWord: return new TWordField(owner);
    case ftAutoInc: return new TAutoIncField(owner);
    case ftLargeint: return new TLargeintField(owner);
    case ftBoolean: return new TBooleanField(owner);
    case ftFloat: return new TFloatField(owner);
    case ftCurrency: return new TCurrencyField(owner);
    case ftBCD: return new TBCDField(owner);
    case ftDate: return new TDateField(owner);
    case ftTime: return new TTimeField(owner);
    case ftDateTime: return new TDateTimeField(owner);
    case ftTimeStamp: return new TSQLTimeStampField(owner);
    case ftBlob:
    case ftGraphic:
    case ftBytes:
    case ftVarBytes: return new TBlobField(owner);
    case ftMemo:
    case ftFmtMemo: return new TMemoField(owner);
    default: DatabaseError(Format("Field type %d is not supported", {static_cast<int>(type)}));
  }
}
