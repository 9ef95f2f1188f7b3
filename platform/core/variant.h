#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/core/currency.h"
#include "platform/core/datetime.h"
#include "platform/core/strings.h"

// Variant type codes, as VarType reports them. An array of variants reports
// varArray | varVariant.
enum TVarType : uint16_t {
  varEmpty = 0x0000,
  varNull = 0x0001,
  varSmallint = 0x0002,
  varInteger = 0x0003,
  varSingle = 0x0004,
  varDouble = 0x0005,
  varCurrency = 0x0006,
  varDate = 0x0007,
  varBoolean = 0x000B,
  varVariant = 0x000C,
  varShortInt = 0x0010,
  varByte = 0x0011,
  varWord = 0x0012,
  varLongWord = 0x0013,
  varInt64 = 0x0014,
  varString = 0x0100,
  varArray = 0x2000,
  varTypeMask = 0x0FFF,
};

// A value of one of several kinds: Unassigned (empty), Null, Boolean, integers, double,
// Currency, TDateTime, String, or an array of variants. Conversions raise EVariantError
// ("Could not convert variant of type (X) into type (Y)") when the value cannot convert,
// "Overflow while converting variant of type (X) into type (Y)" when it does not fit, and
// "Invalid variant type conversion" for an array where a single value is wanted.
// Text converts to numbers by the StrToFloat rules, numbers to text by FloatToStr/IntToStr,
// booleans to "True"/"False" (and to -1/0 as numbers), dates by DateTimeToStr.
class Variant {
 public:
  struct EmptyTag { bool operator==(const EmptyTag&) const = default; };
  struct NullTag { bool operator==(const NullTag&) const = default; };
  struct DateTag { double value; bool operator==(const DateTag&) const = default; };
  using Array = std::vector<Variant>;

  Variant() = default;  // Unassigned
  Variant(bool v) : v_(v) {}
  Variant(int v) : v_(static_cast<int32_t>(v)) {}
  Variant(int64_t v) : v_(v) {}
  Variant(double v) : v_(v) {}
  Variant(Currency v) : v_(v) {}
  Variant(const char* v) : v_(String(v ? v : "")) {}
  Variant(String v) : v_(std::move(v)) {}
  Variant(std::string_view v) : v_(String(v)) {}
  static Variant Null();
  static Variant FromDateTime(TDateTime v);
  static Variant FromArray(Array items);

  TVarType VarType() const;
  bool IsEmpty() const { return std::holds_alternative<EmptyTag>(v_); }
  bool IsNull() const { return std::holds_alternative<NullTag>(v_); }
  bool IsEmptyOrNull() const { return IsEmpty() || IsNull(); }
  bool IsArray() const { return std::holds_alternative<std::shared_ptr<Array>>(v_); }
  bool IsNumeric() const;  // integers, double, currency
  bool IsString() const { return std::holds_alternative<String>(v_); }

  // Conversions. Unassigned converts to 0/""/false; Null raises for numbers, "" for text.
  // Doubles round to integers halves to even.
  String AsString() const;
  int32_t AsInteger() const;
  int64_t AsInt64() const;
  double AsDouble() const;
  bool AsBoolean() const;
  Currency AsCurrency() const;
  TDateTime AsDateTime() const;
  const Array& AsArray() const;  // raises when not an array

  // Same kind and value; numbers compare by value across integer/double/currency; arrays
  // element by element; Null equals only Null, Unassigned only Unassigned.
  bool operator==(const Variant& other) const;

 private:
  // The value as an integer within [lo, hi], reported as a conversion to `target`.
  int64_t IntegerIn(TVarType target, int64_t lo, int64_t hi) const;
  [[noreturn]] void CannotConvert(TVarType target) const;
  bool NumberEquals(const Variant& other) const;

  std::variant<EmptyTag, NullTag, bool, int32_t, int64_t, double, Currency, DateTag, String,
               std::shared_ptr<Array>>
      v_;
};

inline Variant Null() { return Variant::Null(); }
inline Variant Unassigned() { return Variant(); }
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
inline TVarType VarType(const Variant& v) { return v.VarType(); }
Variant VarArrayOf(Variant::Array items);
String VarToStr(const Variant& v);  // Null and Unassigned give ""
String VarTypeName(TVarType t);     // "Integer", "String", "Null", ...
