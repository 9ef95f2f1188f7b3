#pragma once

#include <cstdint>

#include "platform/core/exceptions.h"
#include "platform/core/strings.h"
#include "platform/core/variant.h"

// What the filter row's text means for one column: an operator and a value, a list of values,
// a Null test, a pattern, or two such parts joined by AND or OR.
//
// "STFilter" is the grid's own name for its filter row, the row of per-column filter cells under
// the titles; types named TSTFilter... and TSTColumnFilter... belong to that row and nothing else.

// The kind of value the column's field holds; it decides how values in the text are read.
enum TSTFilterValueKindEx : uint8_t {
  fvkNoneEx, fvkStringEx, fvkNumericEx, fvkDateTimeEx, fvkBooleanEx
};

// Operators, and the words that join two parts (foAndEx, foOrEx).
enum TSTFilterOperatorEx : uint8_t {
  foNoneEx, foEqualEx, foNotEqualEx, foGreaterEx, foLessEx, foGreaterOrEqualEx, foLessOrEqualEx,
  foLikeEx, foNotLikeEx, foInEx, foNotInEx, foNullEx, foNotNullEx, foAndEx, foOrEx
};

struct TSTFilterExpressionEx {
  TSTFilterValueKindEx ExpressionType = fvkNoneEx;
  TSTFilterOperatorEx Operator1 = foNoneEx;
  Variant Operand1 = Variant::Null();  // an array of values for foInEx and foNotInEx
  TSTFilterOperatorEx Relation = foNoneEx;  // foNoneEx, foAndEx or foOrEx
  TSTFilterOperatorEx Operator2 = foNoneEx;
  Variant Operand2 = Variant::Null();
};

// Text the filter row cannot read; Position is the 1-based character where reading stopped.
class EFilterExpressionError : public Exception {
 public:
  EFilterExpressionError(const String& problem, int position);
  int Position() const { return position_; }

 private:
  int position_;
};

// Reads `text` into the expression, whose ExpressionType the caller has set. Empty text gives
// an empty expression. On text it cannot read it raises EFilterExpressionError and leaves the
// expression as it was.
//   = <> > < >= <=   a comparison; a value without an operator is compared with "="
//   ~ !~             a pattern ("%" any run, "_" one character; without them: contains)
//   In !In           a list in parentheses: In ('a', 'b')
//   Null             =Null, <>Null (Null alone is =Null)
//   AND OR           join two parts
// Values are text in single quotes ('' for a quote inside), or unquoted: text up to AND/OR,
// numbers with "." as the decimal point, dates as 2024-05-01 or '2024-05-01 13:45:00',
// True/False. Words are read in any case.
void ParseFilterCellText(const String& text, TSTFilterExpressionEx& expression);
// Operators and operands empty, the value kind kept.
void ResetFilterExpression(TSTFilterExpressionEx& expression);

// The word shown for an operator ("=", "In", "AND", ...; "Null" for the Null tests).
String FilterOperatorWord(TSTFilterOperatorEx op);
// A value as the filter row writes it, so that it reads back the same whatever the locale:
// numbers with "." and as many digits as the value needs, dates in ISO form, text quoted.
String QuotedFilterValue(const Variant& value);
// One operator with its operand: "=Null", "<>Null", "In ('a','b')", "> 5".
String FilterPartText(TSTFilterOperatorEx op, const Variant& operand);
// The whole expression as text that reads back into the same expression; "" when it is empty.
String FilterExpressionText(const TSTFilterExpressionEx& expression);
