// The grid's filter row: applying the columns' expressions and clearing them.
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/filter_editor_placement.h"
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
  TDBGridExDataService* service = DBGridExDataService();
  if (service == nullptr) return;
  service->ApplyFilter(this);
  FilterEditing()->FiltersApplied();
}

void TCustomDBGridEx::ApplyFilterNow() {
  TDBGridExFilterEditing* editing = filterEditing_.get();
  // Text the user cannot have meant leaves the filter in force; the editing part says why.
  if (editing != nullptr && editing->EditorVisible() && !editing->StoreText(editing->FilterCol())) return;
  const int leftCol = LeftCol();
  if (OnApplyFilter.Assigned()) OnApplyFilter.Call(this);
  else ApplyFilter();
  FilterEditing()->FiltersApplied();
  if (leftCol < ColCount()) SetLeftCol(leftCol);
  PlaceFilterEditor(true);
  if (SumList()->Active()) SumList()->RecalcAll();
  Invalidate();
}

TDBGridExFilterEditing* TCustomDBGridEx::FilterEditing() {
  if (filterEditing_ == nullptr) filterEditing_ = std::make_unique<TDBGridExFilterEditing>(this);
  return filterEditing_.get();
}

void TCustomDBGridEx::ShowFilterEditor(int dataCol) { FilterEditing()->Show(dataCol); }

void TCustomDBGridEx::HideFilterEditor() {
  if (filterEditing_ != nullptr) filterEditing_->Hide();
}

void TCustomDBGridEx::CloseFilterEditor() {
  if (filterEditing_ != nullptr) filterEditing_->Close();
}

void TCustomDBGridEx::PlaceFilterEditor(bool refresh) {
  if (filterEditing_ != nullptr && filterEditing_->Shown()) filterEditing_->Place(refresh);
}

bool TCustomDBGridEx::FilterEditorShown() const { return filterEditing_ != nullptr && filterEditing_->Shown(); }

TInplaceFilterEditEx* TCustomDBGridEx::FilterEditor() const {
  return filterEditing_ != nullptr ? filterEditing_->Editor() : nullptr;
}

void TCustomDBGridEx::FilterExpressionShown() {
  if (filterEditing_ != nullptr && filterEditing_->EditorVisible()) filterEditing_->Place(true);
}

void TCustomDBGridEx::ClearAllFilters() {
  CloseFilterEditor();
  for (int i = 0; i < Columns()->Count(); ++i) Columns()->Items(i)->STFilter()->Clear();
  Invalidate();
}
