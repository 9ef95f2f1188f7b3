// The grid's selection: its kinds, what each covers, and the notifications it sends.
#include "gridlib/grid/grid_selection.h"

#include <algorithm>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/data_row_walk.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "platform/data/dataset.h"

TDBGridExSelection::TDBGridExSelection(TDBGridExHost* grid)
    : grid_(grid),
      columns_(std::make_unique<TDBGridExSelectionCols>(grid)),
      rect_(std::make_unique<TDBGridExSelectionRect>(grid)) {}

TDBGridExSelection::~TDBGridExSelection() = default;

TBookmarkListEx* TDBGridExSelection::Rows() const { return grid_->SelectedRows(); }

void TDBGridExSelection::SetSelectionType(TDBGridExSelectionType value) {
  if (selectionType_ == value) return;
  selectionType_ = value;
  grid_->RefreshInplaceEditor();
}

bool TDBGridExSelection::ClearQuietly() {
  switch (selectionType_) {
    case gstNon: return false;
    case gstRecordBookmarks: Rows()->ClearQuietly(); break;
    case gstRectangle: rect_->ClearQuietly(); break;
    case gstColumns: columns_->ClearQuietly(); break;
    case gstAll: grid_->InvalidateGrid(); break;
  }
  SetSelectionType(gstNon);
  return true;
}

void TDBGridExSelection::Clear() {
  if (ClearQuietly()) grid_->SelectionChanged();
  if (grid_->Options().Contains(dgAlwaysShowEditor)) grid_->ShowInplaceEditor();
}

void TDBGridExSelection::LinkActive(bool value) {
  Rows()->SetLinkActive(value);
  Clear();
  rect_->ClearQuietly();
  columns_->ClearQuietly();
}

void TDBGridExSelection::SelectAll() {
  if (selectionType_ == gstAll) return;
  ClearQuietly();
  SetSelectionType(gstAll);
  grid_->InvalidateGrid();
  grid_->SelectionChanged();
}

void TDBGridExSelection::UpdateState() {
  const bool emptyRows = selectionType_ == gstRecordBookmarks && Rows()->Count() == 0;
  const bool emptyColumns = selectionType_ == gstColumns && columns_->Count() == 0;
  if (!emptyRows && !emptyColumns) return;
  SetSelectionType(gstNon);
  grid_->InvalidateGrid();
}

bool TDBGridExSelection::DataCellSelected(int dataCol, const TBookmark& bookmark) const {
  switch (selectionType_) {
    case gstRecordBookmarks: return Rows()->IndexOf(bookmark) >= 0;
    case gstRectangle: return dataCol >= 0 && rect_->CellSelected(dataCol, bookmark);
    case gstColumns:
      return dataCol >= 0 && dataCol < grid_->Columns()->Count() &&
             columns_->Contains(grid_->Columns()->Items(dataCol));
    case gstAll: return true;
    case gstNon: return false;
  }
  return false;
}

TRect TDBGridExSelection::SelectionToGridRect() const {
  switch (selectionType_) {
    case gstRecordBookmarks: return Rows()->SelectedRowsRect();
    case gstRectangle: return rect_->GridRect();
    case gstColumns: return columns_->SelectionRect();
    default: return kEmptyGridRect;
  }
}

// ---- Columns.

bool TDBGridExSelectionCols::Contains(const TColumnEx* column) const {
  return std::find(list_.begin(), list_.end(), column) != list_.end();
}

void TDBGridExSelectionCols::RepaintColumn(const TColumnEx* column) {
  grid_->InvalidateDataCol(column->Index());
}

bool TDBGridExSelectionCols::ClearQuietly() {
  const bool had = !list_.empty();
  for (TColumnEx* column : list_) RepaintColumn(column);
  list_.clear();
  shiftSelected_.clear();
  anchor_ = nullptr;
  shiftCol_ = nullptr;
  return had;
}

void TDBGridExSelectionCols::Clear() {
  if (!ClearQuietly()) return;
  grid_->Selection()->UpdateState();
  grid_->SelectionChanged();
}

void TDBGridExSelectionCols::Add(TColumnEx* column) {
  if (Contains(column)) return;
  auto place = std::find_if(list_.begin(), list_.end(),
                            [&](TColumnEx* c) { return c->Index() > column->Index(); });
  list_.insert(place, column);
  RepaintColumn(column);
}

void TDBGridExSelectionCols::Remove(TColumnEx* column) {
  std::erase(list_, column);
  RepaintColumn(column);
}

void TDBGridExSelectionCols::StartColumnSelection() {
  TDBGridExSelection* selection = grid_->Selection();
  if (selection->SelectionType() != gstColumns) selection->ClearQuietly();
}

void TDBGridExSelectionCols::FinishColumnSelection() {
  grid_->Selection()->SetSelectionType(list_.empty() ? gstNon : gstColumns);
  grid_->SelectionChanged();
}

void TDBGridExSelectionCols::InvertSelect(TColumnEx* column) {
  StartColumnSelection();
  if (Contains(column)) Remove(column);
  else Add(column);
  anchor_ = shiftCol_ = column;
  shiftSelected_.clear();
  FinishColumnSelection();
}

void TDBGridExSelectionCols::Select(TColumnEx* column, bool addSel) {
  StartColumnSelection();
  if (!addSel) {
    for (TColumnEx* c : list_) RepaintColumn(c);
    list_.clear();
  }
  if (!Contains(column)) Add(column);
  anchor_ = shiftCol_ = column;
  shiftSelected_.clear();
  FinishColumnSelection();
}

void TDBGridExSelectionCols::SelectShift(TColumnEx* column) {
  StartColumnSelection();
  if (anchor_ == nullptr) {
    Select(column, true);
    return;
  }
  const int low = std::min(anchor_->Index(), column->Index());
  const int high = std::max(anchor_->Index(), column->Index());
  UndoShiftOutside(low, high);
  ApplyShift(low, high, Contains(anchor_));
  shiftCol_ = column;
  FinishColumnSelection();
}

// Columns the previous extension changed that the new one no longer reaches get back the
// state they had before it.
void TDBGridExSelectionCols::UndoShiftOutside(int low, int high) {
  std::vector<ShiftChange> kept;
  for (const ShiftChange& change : shiftSelected_) {
    const int index = change.column->Index();
    if (index >= low && index <= high) {
      kept.push_back(change);
    } else if (change.added) {
      Remove(change.column);
    } else {
      Add(change.column);
    }
  }
  shiftSelected_ = std::move(kept);
}

bool TDBGridExSelectionCols::ApplyShift(int low, int high, bool anchorSelected) {
  bool changed = false;
  TDBGridColumnsEx* columns = grid_->Columns();
  for (int i = low; i <= high && i < columns->Count(); ++i) {
    TColumnEx* column = columns->Items(i);
    if (column == anchor_) continue;
    if (anchorSelected && column->Visible() && !Contains(column)) {
      Add(column);
      shiftSelected_.push_back({column, true});
      changed = true;
    } else if (!anchorSelected && Contains(column)) {
      Remove(column);
      shiftSelected_.push_back({column, false});
      changed = true;
    }
  }
  return changed;
}

void TDBGridExSelectionCols::Refresh() {
  TDBGridColumnsEx* columns = grid_->Columns();
  auto gone = [&](const TColumnEx* c) {
    for (int i = 0; i < columns->Count(); ++i) {
      if (columns->Items(i) == c) return false;
    }
    return true;
  };
  std::erase_if(list_, gone);
  std::erase_if(shiftSelected_, [&](const ShiftChange& s) { return gone(s.column); });
  if (anchor_ != nullptr && gone(anchor_)) anchor_ = nullptr;
  if (shiftCol_ != nullptr && gone(shiftCol_)) shiftCol_ = nullptr;
  std::stable_sort(list_.begin(), list_.end(),
                   [](TColumnEx* a, TColumnEx* b) { return a->Index() < b->Index(); });
}

void TDBGridExSelectionCols::ColumnRemoved(const TCollectionItem* column) {
  std::erase_if(list_, [&](const TColumnEx* c) { return c == column; });
  std::erase_if(shiftSelected_, [&](const ShiftChange& s) { return s.column == column; });
  if (anchor_ != nullptr && anchor_ == column) anchor_ = nullptr;
  if (shiftCol_ != nullptr && shiftCol_ == column) shiftCol_ = nullptr;
}

TRect TDBGridExSelectionCols::SelectionRect() const {
  if (list_.empty()) return kEmptyGridRect;
  const int offset = grid_->IndicatorOffset();
  return Rect(list_.front()->Index() + offset, 0, list_.back()->Index() + offset,
              grid_->GridRowCount() - 1);
}

// ---- Rectangle.

bool TDBGridExSelectionRect::ClearQuietly() {
  const bool had = anchorCol_ >= 0 || shiftCol_ >= 0;
  anchorCol_ = shiftCol_ = -1;
  anchorBookmark_.clear();
  shiftBookmark_.clear();
  if (had) grid_->InvalidateGrid();
  return had;
}

// Forgetting an anchor that spans no rectangle yet changes nothing the user sees.
void TDBGridExSelectionRect::Clear() {
  TDBGridExSelection* selection = grid_->Selection();
  const bool shown = selection->SelectionType() == gstRectangle;
  ClearQuietly();
  if (!shown) return;
  selection->SetSelectionType(gstNon);
  grid_->SelectionChanged();
}

bool TDBGridExSelectionRect::DataSetWorkable() const {
  TGridDataLinkEx* link = grid_->DataLink();
  return link->DataSource() != nullptr && link->DataSet() != nullptr && link->Active();
}

void TDBGridExSelectionRect::CheckWorkable(const char* message) const {
  if (!DataSetWorkable()) RaiseGridError(message);
}

int TDBGridExSelectionRect::CompareCorners() const {
  return grid_->DataLink()->DataSet()->CompareBookmarks(anchorBookmark_, shiftBookmark_);
}

TBookmark TDBGridExSelectionRect::GetTopRow() const {
  CheckWorkable("Error in TDBGridExSelectionRect.GetTopRow");
  return CompareCorners() <= 0 ? anchorBookmark_ : shiftBookmark_;
}

TBookmark TDBGridExSelectionRect::GetBottomRow() const {
  CheckWorkable("Error in TDBGridExSelectionRect.GetBottomRow");
  return CompareCorners() >= 0 ? anchorBookmark_ : shiftBookmark_;
}

int TDBGridExSelectionRect::GetLeftCol() const {
  CheckWorkable("Error in TDBGridExSelectionRect.GetLeftCol");
  return std::min(anchorCol_, shiftCol_);
}

int TDBGridExSelectionRect::GetRightCol() const {
  CheckWorkable("Error in TDBGridExSelectionRect.GetRightCol");
  return std::max(anchorCol_, shiftCol_);
}

bool TDBGridExSelectionRect::CellSelected(int dataCol, const TBookmark& bookmark) const {
  CheckWorkable("Error in function TDBGridExSelectionRect.CellSelected");
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  return dataSet->CompareBookmarks(GetTopRow(), bookmark) <= 0 &&
         dataSet->CompareBookmarks(bookmark, GetBottomRow()) <= 0 && GetLeftCol() <= dataCol &&
         dataCol <= GetRightCol();
}

void TDBGridExSelectionRect::Select(int col, const TBookmark& bookmark, bool addSel) {
  TDBGridExSelection* selection = grid_->Selection();
  if (selection->SelectionType() != gstRectangle) selection->ClearQuietly();
  const TRect before = selection->SelectionType() == gstRectangle ? GridRect() : kEmptyGridRect;
  if (anchorCol_ < 0 || !addSel) {
    anchorCol_ = col;
    anchorBookmark_ = bookmark;
  }
  shiftCol_ = col;
  shiftBookmark_ = bookmark;
  const bool singleCell = anchorCol_ == shiftCol_ && CompareCorners() == 0;
  if (singleCell) {
    if (selection->SelectionType() == gstRectangle) selection->SetSelectionType(gstNon);
  } else {
    selection->SetSelectionType(gstRectangle);
  }
  if (before != kEmptyGridRect) grid_->InvalidateGridRect(before);
  if (selection->SelectionType() == gstRectangle) grid_->InvalidateGridRect(GridRect());
  grid_->SelectionChanged();
}

TRect TDBGridExSelectionRect::GridRect() const {
  TGridDataLinkEx* link = grid_->DataLink();
  if (!link->Active() || anchorCol_ < 0) return kEmptyGridRect;
  TDataSet* dataSet = link->DataSet();
  const TBookmark top = GetTopRow();
  const TBookmark bottom = GetBottomRow();
  int first = -1;
  int last = -1;
  ForEachReadableDataRow(grid_, [&](int row) {
    const TBookmark here = dataSet->GetBookmark();
    if (first < 0 && dataSet->CompareBookmarks(here, top) >= 0) first = row;
    if (dataSet->CompareBookmarks(here, bottom) <= 0) last = row;
  });
  if (first < 0 || last < first) return kEmptyGridRect;
  const int offset = grid_->IndicatorOffset();
  const int titles = grid_->TitleRowCount();
  return ::Rect(GetLeftCol() + offset, titles + first, GetRightCol() + offset, titles + last);
}
