// The grid over a data set that offers its records directly: one grid row per record, the
// vertical bar scrolls rows, and the data set is asked for more records as they come into view.
#include <algorithm>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/windows/messages.h"

void TCustomDBGridEx::ReadMemTableIntf() {
  TDataSet* dataSet = DataLink()->Active() ? DataLink()->DataSet() : nullptr;
  IMemTableEx* found = memTableAllowed_ ? Supports<IMemTableEx>(dataSet) : nullptr;
  if (found == memTable_) return;
  if (memRowSelected_) RestoreDataRow();
  if (memTableSet_ != nullptr) memTableSet_->RemoveFreeNotification(this);
  memTable_ = found;
  memTableSet_ = found != nullptr ? dataSet : nullptr;
  if (memTableSet_ != nullptr) memTableSet_->FreeNotification(this);
  LayoutChanged();
}

void TCustomDBGridEx::SetMemTableIntfAllowed(bool value) {
  if (memTableAllowed_ == value) return;
  memTableAllowed_ = value;
  ReadMemTableIntf();
}

// The data set that lent its interface is going: the grid stops using it at once.
void TCustomDBGridEx::MemTableSetGone() {
  memTable_ = nullptr;
  memRowSelected_ = false;
  memTableSet_ = nullptr;
  if (!IsDestroying()) LayoutChanged();
}

void TCustomDBGridEx::MemTableRows() {
  if (RowCount() <= titleOffset_) SetRowCount(titleOffset_ + 1);
  SetFixedRows(titleOffset_);
  // A data set without records still shows one (empty) data row.
  SetRowCountKeepingCurrent(titleOffset_ + std::max(1, memTable_->RecordCount()));
  MemTableActive();
}

void TCustomDBGridEx::MemTableActive() {
  if (!HandleAllocated() || IsLoading()) return;
  const int target = memTable_->CurrentIndex() + titleOffset_;
  if (target == Row() || target < titleOffset_ || target >= RowCount()) return;
  if (!Options().Contains(dgAlwaysShowEditor)) HideEditor();
  MoveColRow(Col(), target, false, true);
  RefreshInplaceEditor();
}

SCROLLINFO TCustomDBGridEx::MemTableScrollRange() {
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (vertScrollBar_->VisibleMode() == sbAlwaysShowEx) info.fMask |= SIF_DISABLENOSCROLL;
  info.nMin = 1;
  info.nMax = std::max(1, RowCount() - FixedRows());
  info.nPage = static_cast<uint32_t>(std::max(1, VisibleRowCount()));
  info.nPos = TopRow() - FixedRows() + 1;
  return info;
}

// Scroll codes move the top row; the last data row never scrolls above the bottom edge.
void TCustomDBGridEx::MemTableScroll(int code, int pos) {
  const int first = FixedRows();
  const int page = std::max(1, VisibleRowCount());
  int top = TopRow();
  switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_THUMBTRACK:
      if (!vertScrollBar_->Tracking()) return;
      top = first + pos - 1;
      break;
    case SB_THUMBPOSITION: top = first + pos - 1; break;
    case SB_TOP: top = first; break;
    case SB_BOTTOM: top = RowCount() - 1; break;
    default: return;
  }
  TGridDrawInfo draw;
  CalcDrawInfo(draw);
  const int lastTop = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, draw).Y;
  top = std::clamp(top, first, std::max(first, lastTop));
  if (top != TopRow()) SetTopRow(top);
  UpdateVertScrollBar();
}

// Every record has its grid row, so the rows that can be read are the ones on screen.
std::pair<int, int> TCustomDBGridEx::ReadableDataRows() {
  if (!InMemTableMode()) return TDBGridExHost::ReadableDataRows();
  const int first = std::max(0, TopRow() - FixedRows());
  const int last = std::min(memTable_->RecordCount(), first + std::max(1, VisibleRowCount()));
  return {first, std::max(first, last)};
}

// Each selection is undone before the next, so the data set keeps one saved state at a time.
void TCustomDBGridEx::SelectDataRow(int dataRow) {
  if (!InMemTableMode()) return TDBGridExHost::SelectDataRow(dataRow);
  if (memRowSelected_) memTable_->RestoreRow();
  memRowSelected_ = true;
  memTable_->SelectRow(dataRow);
}

void TCustomDBGridEx::RestoreDataRow() {
  if (memRowSelected_) {
    memRowSelected_ = false;
    if (memTable_ != nullptr) memTable_->RestoreRow();
  }
  TDBGridExHost::RestoreDataRow();
}

int TCustomDBGridEx::CurrentDataRow() {
  if (!InMemTableMode()) return TDBGridExHost::CurrentDataRow();
  return memTable_->CurrentIndex();
}

int TCustomDBGridEx::DataRowRecNo(int dataRow) {
  const auto [first, last] = ReadableDataRows();
  if (dataRow < first || dataRow >= last) return 0;
  if (InMemTableMode()) return dataRow + 1;
  DataRowReader reader(this);
  reader.Select(dataRow);
  return DataLink()->DataSet()->RecNo();
}

// Records coming into view are made available before they are painted.
void TCustomDBGridEx::FetchVisibleRecords() {
  const int visible = std::max(1, VisibleRowCount());
  if (TopRow() + visible < RowCount()) memTable_->FetchRecords(visible);
  else memTable_->FetchRecords(1);
}

// The title rows look different while the first rows are scrolled away: they repaint when
// the top row reaches or leaves the first data row.
void TCustomDBGridEx::TopLeftChanged() {
  const bool atTop = TopRow() == FixedRows();
  if (atTop != topRowAtTitles_) {
    topRowAtTitles_ = atTop;
    for (int row = 0; row < FixedRows(); ++row) InvalidateRow(row);
  }
  TCustomGrid::TopLeftChanged();
  UpdateHorzScrollBar();
  if (InMemTableMode()) FetchVisibleRecords();
  PlaceFilterEditor(false);
}
