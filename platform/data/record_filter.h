#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/variant.h"

// A filter on a data set's records, made of tests on fields. Every data set that filters
// applies the same meaning, whether it tests its records in memory or asks a database:
// - a record's Null value passes only the Null test (foIsNull), never a comparison;
// - text compares in the locale order ignoring Latin case (AnsiCompareText);
// - a pattern (foLike) matches "%" to any run of characters and "_" to one character, ASCII
//   letters in either case; a pattern without either matches any text containing it.
enum TFilterOperator : uint8_t {
  foEqual, foNotEqual, foGreater, foLess, foGreaterOrEqual, foLessOrEqual,
  foLike, foNotLike, foIn, foNotIn, foIsNull, foIsNotNull
};

// One test; for foIn and foNotIn the value is an array of values (a single value is a list of
// one); the Null tests take no value.
struct TFilterTest {
  TFilterOperator Operator = foEqual;
  Variant Value;
};

// The tests on one field: the first alone, or both joined by AND or by OR.
struct TFieldFilter {
  String FieldName;
  TFilterTest First;
  bool HasSecond = false;
  bool OrSecond = false;  // OR joins the two tests; AND when false
  TFilterTest Second;
};

// A record passes when it passes every field's tests; an empty filter passes every record.
using TRecordFilter = std::vector<TFieldFilter>;

// Whether a field value (Null, or a value of the field's own kind) passes.
bool PassesFilterTest(const TFilterTest& test, const Variant& value);
bool PassesFieldFilter(const TFieldFilter& filter, const Variant& value);

// The pattern a foLike test matches with: the value as given when it holds "%" or "_",
// otherwise the value between two "%".
String FilterLikePattern(const Variant& value);
// Whether `text` matches a pattern of "%" and "_" wildcards, ASCII letters in either case.
bool MatchesLikePattern(std::string_view text, std::string_view pattern);
// The values of a foIn or foNotIn test.
std::vector<Variant> FilterListValues(const Variant& value);
