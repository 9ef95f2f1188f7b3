// The data grid control: what it creates, its settings and how its cells are classified.
#include "gridlib/grid/db_grid.h"

#include <algorithm>

#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/data_source.h"
#include "platform/graphics/image_list.h"

TCustomDBGridEx::TCustomDBGridEx(TComponent* owner)
    : TCustomGrid(owner), titleImageLink_(std::make_unique<TChangeLink>()) {
  CreateGridObjects();
  titleImageLink_->OnChange.Bind(nullptr, "", [this](TObject*) { InvalidateGrid(); });
  SetDefaultDrawing(false);
  SetScrollBars(ssHorizontal);
  GridOptionsChanged();
  SetRowCount(2);
  SetColCount(2);
  SetColor(clWindow);
  SetParentColor(false);
}

TCustomDBGridEx::~TCustomDBGridEx() {
  Destroying();
  DestroyGridObjects();
}

// The base grid draws lines, sizes and moves columns and edits as the data grid's options say.
void TCustomDBGridEx::GridOptionsChanged() {
  const TDBGridOptions options = TDBGridExHost::Options();
  TGridOptions grid;
  if (rowSizingAllowed_) grid += goRowSizing;
  if (options.Contains(dgColLines)) grid += TGridOptions{goFixedVertLine, goVertLine};
  if (options.Contains(dgRowLines)) grid += TGridOptions{goFixedHorzLine, goHorzLine};
  if (options.Contains(dgColumnResize)) grid += TGridOptions{goColSizing, goColMoving};
  if (options.Contains(dgTabs)) grid += goTabs;
  if (options.Contains(dgRowSelect)) grid += goRowSelect;
  if (options.Contains(dgEditing)) grid += goEditing;
  if (options.Contains(dgAlwaysShowEditor)) grid += goAlwaysShowEditor;
  TCustomGrid::SetOptions(grid);
}

int TCustomDBGridEx::GridColWidth(int dataCol) {
  const int col = dataCol + IndicatorOffset();
  return col >= 0 && col < ColCount() ? ColWidths(col) : -1;
}

void TCustomDBGridEx::SetGridColWidth(int dataCol, int width) {
  const int col = dataCol + IndicatorOffset();
  if (col >= 0 && col < ColCount()) SetColWidths(col, width);
}

int TCustomDBGridEx::TitleRowCount() { return Options().Contains(dgTitles) ? 1 : 0; }

int TCustomDBGridEx::VisibleDataRowCount() {
  const int rows = VisibleRowCount() - (footerRowCount_ > 0 ? footerRowCount_ + 1 : 0);
  return std::max(1, rows);
}

bool TCustomDBGridEx::InplaceEditorShowing() {
  return EditorMode() && InplaceEditor() != nullptr && InplaceEditor()->Visible();
}

// Repainting the whole client area covers any block of cells.
void TCustomDBGridEx::InvalidateGridRect(const TRect& cells) {
  if (cells.Left >= 0 && cells.Top >= 0) Invalidate();
}

TDBGridExCellType TCustomDBGridEx::GetCellType(int col, int row) {
  TDBGridExCellType type;
  const int indicator = IndicatorOffset();
  type.ColKind = col < indicator ? 0 : 1;
  type.DataCol = col - indicator;
  const int titles = TitleRowCount();
  const int filler = footerRowCount_ > 0 ? RowCount() - footerRowCount_ - 1 : RowCount();
  if (row >= 0 && row < titles) {
    type.RowKind = 0;
    type.DataRow = row;
  } else if (row >= titles && row < filler) {
    type.RowKind = 2;
    type.DataRow = row - titles;
  } else if (footerRowCount_ > 0 && row == filler) {
    type.RowKind = 3;
  } else if (footerRowCount_ > 0 && row > filler && row < RowCount()) {
    type.RowKind = 4;
    type.DataRow = row - filler;
  } else {
    throw Exception("Algorithm error in TCustomDBGridEx.GetCellType");
  }
  return type;
}

void TCustomDBGridEx::SetFooterRowCount(int value) {
  if (value < 0 || value == footerRowCount_) return;
  footerRowCount_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetFrozenCols(int value) {
  frozenCols_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetMinAutoFitWidth(int value) {
  minAutoFitWidth_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetRowHeight(int value) {
  rowHeight_ = std::max(0, value);
  LayoutChanged();
}

void TCustomDBGridEx::SetRowLines(int value) {
  rowLines_ = std::max(0, value);
  LayoutChanged();
}

void TCustomDBGridEx::SetTitleHeight(int value) {
  titleHeight_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetTitleLines(int value) {
  titleLines_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetVTitleMargin(int value) {
  vTitleMargin_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetRowSizingAllowed(bool value) {
  rowSizingAllowed_ = value;
  GridOptionsChanged();
}

void TCustomDBGridEx::SetEvenRowColor(TColor value) {
  const bool changed = EvenRowColor() != value;
  evenRowColor_ = value;
  evenRowColorAssigned_ = true;
  if (changed) InvalidateGrid();
}

void TCustomDBGridEx::SetOddRowColor(TColor value) {
  const bool changed = OddRowColor() != value;
  oddRowColor_ = value;
  oddRowColorAssigned_ = true;
  if (changed) InvalidateGrid();
}

void TCustomDBGridEx::SetTitleImages(TCustomImageList* value) {
  if (titleImages_ == value) return;
  if (titleImageLink_->Sender() != nullptr) titleImageLink_->Sender()->UnRegisterChanges(titleImageLink_.get());
  titleImages_ = value;
  if (value != nullptr) {
    value->RegisterChanges(titleImageLink_.get());
    value->FreeNotification(this);
  }
  LayoutChanged();
}

TComponent* TCustomDBGridEx::DataSourceComponent() const { return DataSource(); }

void TCustomDBGridEx::SetDataSourceComponent(TComponent* value) {
  SetDataSource(dynamic_cast<TDataSource*>(value));
}

void TCustomDBGridEx::Notification(TComponent* component, TOperation operation) {
  TCustomGrid::Notification(component, operation);
  if (operation != opRemove) return;
  // Compared by address: the component's own destructor has already run.
  if (static_cast<const void*>(component) == static_cast<const void*>(titleImages_)) {
    titleImages_ = nullptr;
  }
  GridNotification(component, operation);
}

void TCustomDBGridEx::Loaded() {
  TCustomGrid::Loaded();
  if (Columns()->Count() > 0) SetColCount(Columns()->Count() + IndicatorOffset());
  RebuildSortMarkedColumns();
  if (DataSource() != nullptr) SumList()->EndLoading();
  LayoutChanged();
}
