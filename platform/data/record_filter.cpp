// Record filters: comparing values, lists and patterns.
#include "platform/data/record_filter.h"

#include "platform/data/mem_dataset.h"

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One character of `text` at byte `at` against one pattern character at byte `p`.
bool SameCharacter(std::string_view text, size_t at, std::string_view pattern, size_t p) {
  const size_t textLength = CharByteLength(text, at), patternLength = CharByteLength(pattern, p);
  if (textLength != patternLength) return false;
  if (textLength == 1) return FoldAscii(text[at]) == FoldAscii(pattern[p]);
  return text.substr(at, textLength) == pattern.substr(p, patternLength);
}

bool Compares(const Variant& value, const Variant& operand, TFilterOperator op) {
  const int order = CompareValues(value, operand, true);
  switch (op) {
    case foEqual: return order == 0;
    case foNotEqual: return order != 0;
    case foGreater: return order > 0;
    case foLess: return order < 0;
    case foGreaterOrEqual: return order >= 0;
    case foLessOrEqual: return order <= 0;
    default: return false;
  }
}

bool InList(const Variant& value, const Variant& list) {
  for (const Variant& item : FilterListValues(list))
    if (!item.IsNull() && CompareValues(value, item, true) == 0) return true;
  return false;
}

}  // namespace

std::vector<Variant> FilterListValues(const Variant& value) {
  if (value.IsArray()) return value.AsArray();
  return {value};
}

String FilterLikePattern(const Variant& value) {
  String pattern = value.AsString();
  if (pattern.find_first_of("%_") != String::npos) return pattern;
  return "%" + pattern + "%";
}

// Walks text and pattern once, going back only to the last "%" when a later part fails.
bool MatchesLikePattern(std::string_view text, std::string_view pattern) {
  size_t t = 0, p = 0;
  size_t starP = String::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '%') {
      starP = ++p;
      starT = t;
    } else if (p < pattern.size() && (pattern[p] == '_' || SameCharacter(text, t, pattern, p))) {
      t += CharByteLength(text, t);
      p += pattern[p] == '_' ? 1 : CharByteLength(pattern, p);
    } else if (starP != String::npos) {
      starT += CharByteLength(text, starT);
      t = starT;
      p = starP;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '%') ++p;
  return p == pattern.size();
}

bool PassesFilterTest(const TFilterTest& test, const Variant& value) {
  if (test.Operator == foIsNull) return value.IsEmptyOrNull();
  if (test.Operator == foIsNotNull) return !value.IsEmptyOrNull();
  if (value.IsEmptyOrNull()) return false;
  switch (test.Operator) {
    case foLike: return MatchesLikePattern(value.AsString(), FilterLikePattern(test.Value));
    case foNotLike: return !MatchesLikePattern(value.AsString(), FilterLikePattern(test.Value));
    case foIn: return InList(value, test.Value);
    case foNotIn: return !InList(value, test.Value);
    default: return !test.Value.IsEmptyOrNull() && Compares(value, test.Value, test.Operator);
  }
}

bool PassesFieldFilter(const TFieldFilter& filter, const Variant& value) {
  const bool first = PassesFilterTest(filter.First, value);
  if (!filter.HasSecond) return first;
  if (filter.OrSecond) return first || PassesFilterTest(filter.Second, value);
  return first && PassesFilterTest(filter.Second, value);
}
