// The filter row's text: what each form reads as, how it is written back, and where bad text
// is reported.
#include <gtest/gtest.h>

#include "gridlib/grid/filter_expression.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"

namespace {

Variant Date(int y, int m, int d) { return Variant::FromDateTime(EncodeDate(y, m, d)); }
Variant List(Variant::Array items) { return Variant::FromArray(std::move(items)); }

TSTFilterExpressionEx Parsed(TSTFilterValueKindEx kind, const String& text) {
  TSTFilterExpressionEx expression;
  expression.ExpressionType = kind;
  ParseFilterCellText(text, expression);
  return expression;
}

struct ReadCase {
  TSTFilterValueKindEx kind;
  const char* text;
  TSTFilterOperatorEx op1;
  Variant operand1;
  TSTFilterOperatorEx relation;
  TSTFilterOperatorEx op2;
  Variant operand2;
  const char* written;  // the text written back
};

TEST(FilterExpressionText, ReadsEveryFormAndWritesItBackToTheSameExpression) {
  const Variant null = Variant::Null();
  const ReadCase cases[] = {
      {fvkStringEx, "", foNoneEx, null, foNoneEx, foNoneEx, null, ""},
      {fvkStringEx, "   ", foNoneEx, null, foNoneEx, foNoneEx, null, ""},
      {fvkStringEx, "abc", foEqualEx, "abc", foNoneEx, foNoneEx, null, "= 'abc'"},
      {fvkStringEx, "= 'abc'", foEqualEx, "abc", foNoneEx, foNoneEx, null, "= 'abc'"},
      {fvkStringEx, "<>abc", foNotEqualEx, "abc", foNoneEx, foNoneEx, null, "<> 'abc'"},
      {fvkNumericEx, ">5", foGreaterEx, 5.0, foNoneEx, foNoneEx, null, "> 5"},
      {fvkNumericEx, "<  -2.5", foLessEx, -2.5, foNoneEx, foNoneEx, null, "< -2.5"},
      {fvkNumericEx, ">=0.1", foGreaterOrEqualEx, 0.1, foNoneEx, foNoneEx, null, ">= 0.1"},
      {fvkNumericEx, "<=1e20", foLessOrEqualEx, 1e20, foNoneEx, foNoneEx, null, "<= 1e+20"},
      {fvkStringEx, "~张", foLikeEx, "张", foNoneEx, foNoneEx, null, "~ '张'"},
      {fvkNumericEx, "!~ 1%", foNotLikeEx, "1%", foNoneEx, foNoneEx, null, "!~ '1%'"},
      {fvkStringEx, "In ('a', 'b c')", foInEx, List({"a", "b c"}), foNoneEx, foNoneEx, null, "In ('a','b c')"},
      {fvkStringEx, "in(张三,李四)", foInEx, List({"张三", "李四"}), foNoneEx, foNoneEx, null, "In ('张三','李四')"},
      {fvkNumericEx, "!In (1, 2.5)", foNotInEx, List({1.0, 2.5}), foNoneEx, foNoneEx, null, "!In (1,2.5)"},
      {fvkStringEx, "Null", foNullEx, null, foNoneEx, foNoneEx, null, "=Null"},
      {fvkStringEx, "=null", foNullEx, null, foNoneEx, foNoneEx, null, "=Null"},
      {fvkDateTimeEx, "<> NULL", foNotNullEx, null, foNoneEx, foNoneEx, null, "<>Null"},
      {fvkStringEx, "'Null'", foEqualEx, "Null", foNoneEx, foNoneEx, null, "= 'Null'"},
      {fvkStringEx, "Nullable", foEqualEx, "Nullable", foNoneEx, foNoneEx, null, "= 'Nullable'"},
      {fvkStringEx, "India", foEqualEx, "India", foNoneEx, foNoneEx, null, "= 'India'"},
      {fvkNumericEx, ">1 AND <9", foGreaterEx, 1.0, foAndEx, foLessEx, 9.0, "> 1 AND < 9"},
      {fvkNumericEx, "<1 or >9", foLessEx, 1.0, foOrEx, foGreaterEx, 9.0, "< 1 OR > 9"},
      {fvkStringEx, "New York OR =Null", foEqualEx, "New York", foOrEx, foNullEx, null, "= 'New York' OR =Null"},
      {fvkStringEx, "Oregon", foEqualEx, "Oregon", foNoneEx, foNoneEx, null, "= 'Oregon'"},
      {fvkStringEx, "'O''Brien'", foEqualEx, "O'Brien", foNoneEx, foNoneEx, null, "= 'O''Brien'"},
      {fvkStringEx, "x' OR 1=1 --", foEqualEx, "x'", foOrEx, foEqualEx, "1=1 --", "= 'x''' OR = '1=1 --'"},
      {fvkStringEx, "'x'' OR 1=1 --'", foEqualEx, "x' OR 1=1 --", foNoneEx, foNoneEx, null, "= 'x'' OR 1=1 --'"},
      {fvkStringEx, "='a AND b'", foEqualEx, "a AND b", foNoneEx, foNoneEx, null, "= 'a AND b'"},
      {fvkDateTimeEx, ">2024-05-01", foGreaterEx, Date(2024, 5, 1), foNoneEx, foNoneEx, null, "> '2024-05-01'"},
      {fvkDateTimeEx, "='2024-05-01 13:45:30'", foEqualEx,
       Variant::FromDateTime(EncodeDate(2024, 5, 1) + EncodeTime(13, 45, 30, 0)), foNoneEx, foNoneEx, null,
       "= '2024-05-01 13:45:30'"},
      {fvkBooleanEx, "true", foEqualEx, true, foNoneEx, foNoneEx, null, "= True"},
      {fvkBooleanEx, "<>FALSE", foNotEqualEx, false, foNoneEx, foNoneEx, null, "<> False"},
  };
  for (const ReadCase& c : cases) {
    const TSTFilterExpressionEx e = Parsed(c.kind, c.text);
    EXPECT_EQ(e.ExpressionType, c.kind) << c.text;
    EXPECT_EQ(e.Operator1, c.op1) << c.text;
    EXPECT_EQ(e.Operand1, c.operand1) << c.text;
    EXPECT_EQ(e.Relation, c.relation) << c.text;
    EXPECT_EQ(e.Operator2, c.op2) << c.text;
    EXPECT_EQ(e.Operand2, c.operand2) << c.text;
    EXPECT_EQ(FilterExpressionText(e), c.written) << c.text;
    const TSTFilterExpressionEx again = Parsed(c.kind, FilterExpressionText(e));
    EXPECT_EQ(again.Operator1, e.Operator1) << c.text;
    EXPECT_EQ(again.Operand1, e.Operand1) << c.text;
    EXPECT_EQ(again.Operand2, e.Operand2) << c.text;
  }
}

TEST(FilterExpressionText, NumbersAndDatesReadBackTheSameWhateverTheLocale) {
  const TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ShortDateFormat = "dd.mm.yyyy";
  FormatSettings.DateSeparator = '.';
  const TSTFilterExpressionEx number = Parsed(fvkNumericEx, ">0.1");
  const TSTFilterExpressionEx date = Parsed(fvkDateTimeEx, "=2024-05-01");
  const String numberText = FilterExpressionText(number), dateText = FilterExpressionText(date);
  FormatSettings = saved;
  EXPECT_EQ(numberText, "> 0.1");
  EXPECT_EQ(dateText, "= '2024-05-01'");
  EXPECT_EQ(Parsed(fvkNumericEx, numberText).Operand1, Variant(0.1));
  EXPECT_EQ(Parsed(fvkNumericEx, FilterPartText(foEqualEx, 1.0 / 3)).Operand1, Variant(1.0 / 3));
}

struct BadCase {
  TSTFilterValueKindEx kind;
  const char* text;
  const char* message;
  int position;
};

TEST(FilterExpressionText, BadTextNamesTheProblemAndWhereItIsAndChangesNothing) {
  const BadCase cases[] = {
      {fvkNumericEx, ">abc", "'abc' is not a number at position 2", 2},
      {fvkNumericEx, "= 1,5", "'1,5' is not a number at position 3", 3},
      {fvkStringEx, "='abc", "Closing quote missing at position 2", 2},
      {fvkStringEx, "张三 OR '李", "Closing quote missing at position 7", 7},
      {fvkStringEx, "In (a, b", "',' or ')' expected at position 9", 9},
      {fvkStringEx, "In (a,)", "Value expected at position 7", 7},
      {fvkStringEx, ">", "Value expected at position 2", 2},
      {fvkStringEx, "a AND", "Value expected at position 6", 6},
      {fvkNumericEx, ">1 XOR <2", "AND or OR expected at position 4", 4},
      {fvkNumericEx, ">1 AND <2 3", "Unexpected text at position 11", 11},
      {fvkStringEx, ">Null", "Null can only follow = or <> at position 2", 2},
      {fvkDateTimeEx, "=2024-13-01", "'2024-13-01' is not a date at position 2", 2},
      {fvkBooleanEx, "=yes", "'yes' is not True or False at position 2", 2},
  };
  for (const BadCase& c : cases) {
    TSTFilterExpressionEx e;
    e.ExpressionType = c.kind;
    ParseFilterCellText("=Null", e);
    try {
      ParseFilterCellText(c.text, e);
      ADD_FAILURE() << c.text << " was read";
    } catch (const EFilterExpressionError& error) {
      EXPECT_EQ(error.Message(), c.message) << c.text;
      EXPECT_EQ(error.Position(), c.position) << c.text;
    }
    EXPECT_EQ(e.Operator1, foNullEx) << c.text << ": the expression before stays";
  }
}

TEST(FilterExpressionText, ResetKeepsTheValueKind) {
  TSTFilterExpressionEx e = Parsed(fvkNumericEx, ">1 OR <0");
  ResetFilterExpression(e);
  EXPECT_EQ(e.ExpressionType, fvkNumericEx);
  EXPECT_EQ(e.Operator1, foNoneEx);
  EXPECT_EQ(e.Relation, foNoneEx);
  EXPECT_TRUE(e.Operand1.IsNull());
  EXPECT_EQ(FilterExpressionText(e), "");
}

}  // namespace
