// Variants: values of any field type and their conversions.
#include "platform/core/variant.h"

#include <cmath>
#include <limits>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"

namespace {

[[noreturn]] void InvalidCast() { throw EVariantError("Invalid variant type conversion"); }

[[noreturn]] void Overflow(TVarType from, TVarType to) {
  throw EVariantError("Overflow while converting variant of type (" + VarTypeName(from) + ") into type (" +
                      VarTypeName(to) + ")");
}

// Doubles round halves to even; false for NaN and values past [lo, hi].
bool RoundInto(double value, int64_t lo, int64_t hi, int64_t& out) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= static_cast<double>(lo) && rounded <= static_cast<double>(hi))) return false;
  // The bounds as doubles can round up past the int64 range; stay inside it.
  if (rounded >= 9223372036854775807.0) return false;
  out = static_cast<int64_t>(rounded);
  return true;
}

int64_t CurrencyToInteger(Currency c) {
  int64_t whole = c.Raw() / Currency::Scale, rest = c.Raw() % Currency::Scale;
  int64_t half = Currency::Scale / 2;
  if (rest > half || (rest == half && whole % 2 != 0)) return whole + 1;
  if (rest < -half || (rest == -half && whole % 2 != 0)) return whole - 1;
  return whole;
}

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

Variant Variant::Null() {
  Variant v;
  v.v_ = NullTag{};
  return v;
}

Variant Variant::FromDateTime(TDateTime value) {
  Variant v;
  v.v_ = DateTag{value};
  return v;
}

Variant Variant::FromArray(Array items) {
  Variant v;
  v.v_ = std::make_shared<Array>(std::move(items));
  return v;
}

Variant VarArrayOf(Variant::Array items) { return Variant::FromArray(std::move(items)); }

TVarType Variant::VarType() const {
  static const TVarType kTypes[] = {varEmpty,    varNull, varBoolean, varInteger, varInt64,
                                    varDouble,   varCurrency, varDate, varString,
                                    static_cast<TVarType>(varArray | varVariant)};
  return kTypes[v_.index()];
}

bool Variant::IsNumeric() const {
  return std::holds_alternative<int32_t>(v_) || std::holds_alternative<int64_t>(v_) ||
         std::holds_alternative<double>(v_) || std::holds_alternative<Currency>(v_);
}

void Variant::CannotConvert(TVarType target) const {
  if (IsArray()) InvalidCast();
  throw EVariantError("Could not convert variant of type (" + VarTypeName(VarType()) + ") into type (" +
                      VarTypeName(target) + ")");
}

String Variant::AsString() const {
  return std::visit(Overloaded{
                        [](const EmptyTag&) { return String(); },
                        [](const NullTag&) { return String(); },
                        [](bool b) { return String(b ? "True" : "False"); },
                        [](int32_t i) { return IntToStr(i); },
                        [](int64_t i) { return IntToStr(i); },
                        [](double d) { return FloatToStr(d); },
                        [](Currency c) { return CurrToStr(c); },
                        [](const DateTag& d) { return DateTimeToStr(d.value); },
                        [](const String& s) { return s; },
                        [](const std::shared_ptr<Array>&) -> String { InvalidCast(); },
                    },
                    v_);
}

int64_t Variant::IntegerIn(TVarType target, int64_t lo, int64_t hi) const {
  int64_t out = 0;
  bool fits = std::visit(Overloaded{
                             [](const EmptyTag&) { return true; },
                             [&](const NullTag&) -> bool { CannotConvert(target); },
                             [&](bool b) { out = b ? -1 : 0; return true; },
                             [&](int32_t i) { out = i; return i >= lo && i <= hi; },
                             [&](int64_t i) { out = i; return i >= lo && i <= hi; },
                             [&](double d) { return RoundInto(d, lo, hi, out); },
                             [&](Currency c) { out = CurrencyToInteger(c); return out >= lo && out <= hi; },
                             [&](const DateTag& d) { return RoundInto(d.value, lo, hi, out); },
                             [&](const String& s) {
                               double d = 0;
                               if (TryStrToInt64(s, out)) return out >= lo && out <= hi;
                               if (TryStrToFloat(s, d)) return RoundInto(d, lo, hi, out);
                               CannotConvert(target);
                             },
                             [](const std::shared_ptr<Array>&) -> bool { InvalidCast(); },
                         },
                         v_);
  if (!fits) Overflow(VarType(), target);
  return out;
}

int32_t Variant::AsInteger() const { return static_cast<int32_t>(IntegerIn(varInteger, INT32_MIN, INT32_MAX)); }

int64_t Variant::AsInt64() const { return IntegerIn(varInt64, INT64_MIN, INT64_MAX); }

double Variant::AsDouble() const {
  return std::visit(Overloaded{
                        [](const EmptyTag&) { return 0.0; },
                        [this](const NullTag&) -> double { CannotConvert(varDouble); },
                        [](bool b) { return b ? -1.0 : 0.0; },
                        [](int32_t i) { return static_cast<double>(i); },
                        [](int64_t i) { return static_cast<double>(i); },
                        [](double d) { return d; },
                        [](Currency c) { return c.ToDouble(); },
                        [](const DateTag& d) { return d.value; },
                        [this](const String& s) {
                          double d = 0;
                          if (!TryStrToFloat(s, d)) CannotConvert(varDouble);
                          return d;
                        },
                        [](const std::shared_ptr<Array>&) -> double { InvalidCast(); },
                    },
                    v_);
}

bool Variant::AsBoolean() const {
  if (const String* s = std::get_if<String>(&v_)) {
    if (SameText(*s, "True")) return true;
    if (SameText(*s, "False")) return false;
    double d = 0;
    if (!TryStrToFloat(*s, d)) CannotConvert(varBoolean);
    return d != 0;
  }
  if (const bool* b = std::get_if<bool>(&v_)) return *b;
  if (IsNull()) CannotConvert(varBoolean);
  return AsDouble() != 0;
}

Currency Variant::AsCurrency() const {
  if (const Currency* c = std::get_if<Currency>(&v_)) return *c;
  if (const String* s = std::get_if<String>(&v_)) {
    Currency c;
    if (!TryStrToCurr(*s, c)) CannotConvert(varCurrency);
    return c;
  }
  if (IsNull()) CannotConvert(varCurrency);
  double value = AsDouble();
  constexpr double kLimit = 922337203685477.0;
  if (!(std::fabs(value) <= kLimit)) Overflow(VarType(), varCurrency);
  return Currency::FromDouble(value);
}

TDateTime Variant::AsDateTime() const {
  if (const String* s = std::get_if<String>(&v_)) {
    TDateTime dt = 0;
    if (!TryStrToDateTime(*s, dt)) CannotConvert(varDate);
    return dt;
  }
  if (IsNull()) CannotConvert(varDate);
  return AsDouble();
}

const Variant::Array& Variant::AsArray() const {
  if (!IsArray()) InvalidCast();
  return *std::get<std::shared_ptr<Array>>(v_);
}

bool Variant::NumberEquals(const Variant& other) const {
  const Currency* a = std::get_if<Currency>(&v_);
  const Currency* b = std::get_if<Currency>(&other.v_);
  if (a && b) return *a == *b;
  bool anyDouble = std::holds_alternative<double>(v_) || std::holds_alternative<double>(other.v_);
  if (a || b || anyDouble) {
    // Currency and double meet as doubles, as the class library compares them; integers
    // meet doubles exactly in extended precision.
    if (a || b) return AsDouble() == other.AsDouble();
    auto exact = [](const Variant& v) -> long double {
      if (const double* d = std::get_if<double>(&v.v_)) return *d;
      return static_cast<long double>(v.AsInt64());
    };
    return exact(*this) == exact(other);
  }
  return AsInt64() == other.AsInt64();
}

bool Variant::operator==(const Variant& other) const {
  if (IsNumeric() && other.IsNumeric()) return NumberEquals(other);
  if (v_.index() != other.v_.index()) return false;
  if (IsArray()) return AsArray() == other.AsArray();
  return v_ == other.v_;
}

String VarToStr(const Variant& v) { return v.AsString(); }

String VarTypeName(TVarType t) {
  if (t & varArray) return "Array " + VarTypeName(static_cast<TVarType>(t & varTypeMask));
  switch (t) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varString: return "String";
    default: {
      String name(1, '$');
      return name + IntToHex(static_cast<uint32_t>(t), 4);
    }
  }
}
