// The grid's filter row: applying the columns' expressions and clearing them.
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_service.h"

bool TCustomDBGridEx::FilterCellEditable(int dataCol) {
  if (dataCol < 0 || dataCol >= Columns()->Count()) return false;
  TColumnEx* column = Columns()->Items(dataCol);
  return column->Visible() && column->STFilter()->Visible();
}

String TCustomDBGridEx::FilterText(int dataCol) {
  if (dataCol < 0 || dataCol >= Columns()->Count()) return String();
  return ColumnFilterText(Columns()->Items(dataCol));
}

void TCustomDBGridEx::ApplyFilter() {
  if (TDBGridExDataService* service = DBGridExDataService()) service->ApplyFilter(this);
}

void TCustomDBGridEx::ApplyFilterNow() {
  const int leftCol = LeftCol();
  if (OnApplyFilter.Assigned()) OnApplyFilter.Call(this);
  else ApplyFilter();
  if (leftCol < ColCount()) SetLeftCol(leftCol);
  if (SumList()->Active()) SumList()->RecalcAll();
  Invalidate();
}

void TCustomDBGridEx::ClearAllFilters() {
  for (int i = 0; i < Columns()->Count(); ++i) Columns()->Items(i)->STFilter()->Clear();
  Invalidate();
}
