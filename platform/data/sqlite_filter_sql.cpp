// Record filters turned into SQL conditions.
#include "platform/data/sqlite_filter_sql.h"

#include "platform/data/sqlite_values.h"

namespace {

const char* ComparisonSql(TFilterOperator op) {
  switch (op) {
    case foEqual: return " = ?";
    case foNotEqual: return " <> ?";
    case foGreater: return " > ?";
    case foLess: return " < ?";
    case foGreaterOrEqual: return " >= ?";
    default: return " <= ?";
  }
}

String ListMarks(size_t count) {
  String marks;
  for (size_t i = 0; i < count; ++i) marks += i ? ", ?" : "?";
  return marks;
}

// One test; its values go to `values` in the order of its marks.
String TestSql(const TFilterTest& test, const TSqlFilterColumn& column, std::vector<Variant>& values) {
  const String collate = IsTextType(column.Type) ? " COLLATE ANSI" : "";
  switch (test.Operator) {
    case foIsNull: return column.Sql + " IS NULL";
    case foIsNotNull: return column.Sql + " IS NOT NULL";
    case foLike:
    case foNotLike:
      values.push_back(Variant(FilterLikePattern(test.Value)));
      return column.Sql + (test.Operator == foLike ? " LIKE ?" : " NOT LIKE ?");
    case foIn:
    case foNotIn: {
      const std::vector<Variant> items = FilterListValues(test.Value);
      for (const Variant& item : items) values.push_back(ToStored(column.Type, item));
      return column.Sql + collate + (test.Operator == foIn ? " IN (" : " NOT IN (") + ListMarks(items.size()) + ")";
    }
    default:
      values.push_back(ToStored(column.Type, test.Value));
      return column.Sql + ComparisonSql(test.Operator) + collate;
  }
}

}  // namespace

TSqlCondition FilterCondition(const TRecordFilter& filter,
                              const std::function<TSqlFilterColumn(const String& fieldName)>& columnOf) {
  TSqlCondition condition;
  for (const TFieldFilter& field : filter) {
    const TSqlFilterColumn column = columnOf(field.FieldName);
    String text = TestSql(field.First, column, condition.Values);
    if (field.HasSecond)
      text = "(" + text + (field.OrSecond ? " OR " : " AND ") + TestSql(field.Second, column, condition.Values) + ")";
    condition.Text += (condition.Text.empty() ? "" : " AND ") + text;
  }
  return condition;
}
