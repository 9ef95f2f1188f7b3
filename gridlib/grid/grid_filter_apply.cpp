// Turning the filter row's column expressions into a record filter for the data set.
#include "gridlib/grid/grid_filter_apply.h"

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/dataset.h"

namespace {

TFilterOperator FieldOperator(TSTFilterOperatorEx op) {
  switch (op) {
    case foNotEqualEx: return foNotEqual;
    case foGreaterEx: return foGreater;
    case foLessEx: return foLess;
    case foGreaterOrEqualEx: return foGreaterOrEqual;
    case foLessOrEqualEx: return foLessOrEqual;
    case foLikeEx: return foLike;
    case foNotLikeEx: return foNotLike;
    case foInEx: return foIn;
    case foNotInEx: return foNotIn;
    case foNullEx: return foIsNull;
    case foNotNullEx: return foIsNotNull;
    default: return foEqual;
  }
}

TFieldFilter ColumnFieldFilter(TSTColumnFilterEx* filter) {
  const TSTFilterExpressionEx e = filter->GetExpression();
  TFieldFilter field;
  field.FieldName = filter->GetDataField();
  field.First = {FieldOperator(e.Operator1), e.Operator1 == foInEx ? filter->GetFilterValue() : e.Operand1};
  if (e.Relation != foNoneEx) {
    field.HasSecond = true;
    field.OrSecond = e.Relation == foOrEx;
    field.Second = {FieldOperator(e.Operator2), e.Operand2};
  }
  return field;
}

}  // namespace

TRecordFilter GridColumnFilter(TCustomDBGridEx* grid) {
  TRecordFilter filter;
  for (int i = 0; i < grid->Columns()->Count(); ++i) {
    TSTColumnFilterEx* column = grid->Columns()->Items(i)->STFilter();
    if (column->GetExpression().Operator1 == foNoneEx || column->GetDataField().empty()) continue;
    filter.push_back(ColumnFieldFilter(column));
  }
  return filter;
}

void ApplyGridColumnFilters(TCustomDBGridEx* grid, TDataSet* dataSet) {
  dataSet->SetRecordFilter(GridColumnFilter(grid));
}
