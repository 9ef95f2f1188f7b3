#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/core/strings.h"

// The names of an enumeration's values, in ordinal order from 0, as streams and
// GetPropValue/SetPropValue spell them ("alClient", "[fsBold,fsItalic]").
class TEnumInfo {
 public:
  TEnumInfo(String typeName, std::initializer_list<const char*> names);
  const String& TypeName() const { return typeName_; }
  int Count() const { return static_cast<int>(names_.size()); }
  // The name of `value`; an empty string when out of range.
  const String& Name(int value) const;
  // The ordinal of `name` (ignoring Latin case), or -1.
  int Value(std::string_view name) const;

 private:
  String typeName_;
  std::vector<String> names_;
};

// "[a,b]" (or "a,b" without brackets) for the bits of `mask`, in ordinal order.
String SetToString(const TEnumInfo& info, uint64_t mask, bool brackets = true);
// Parses "[a, b]" or "a,b" (spaces allowed, case ignored); raises EPropertyError
// "Invalid property element: x" for a name the enumeration does not have.
uint64_t StringToSet(const TEnumInfo& info, std::string_view text);

// The names of Boolean values: False, True.
const TEnumInfo& BooleanEnumInfo();

// Gives an enumeration its names, next to its declaration (in the enumeration's namespace):
//
//   enum TSampleShape : uint8_t { ssNone, ssRound, ssSquare };
//   DECLARE_ENUM_NAMES(TSampleShape, "ssNone", "ssRound", "ssSquare")
//
// Properties of that type, and of Set<TSampleShape>, then find the names by themselves.
#define DECLARE_ENUM_NAMES(E, ...)                               \
  inline const TEnumInfo& GetEnumInfo(E) {                       \
    static const TEnumInfo info(#E, {__VA_ARGS__});               \
    return info;                                                 \
  }
