// Rows through the record-access interface: every record has a grid row, the vertical bar
// scrolls rows, and the data set is asked for more records as they come into view.
#include "gridlib/grid/record_access_rows.h"

#include <algorithm>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_scroll_bars.h"
#include "gridlib/grid/mem_table_interface.h"
#include "platform/windows/scroll_bars.h"

TDBGridExRecordAccessRows::~TDBGridExRecordAccessRows() {
  if (rowSelected_) table_->RestoreRow();
}

void TDBGridExRecordAccessRows::SetRowHeights() {
  // A data set without records still shows one (empty) data row.
  grid_->SetRowCountKeepingCurrent(grid_->TitleOffset() + std::max(1, table_->RecordCount()));
  UpdateActive();
}

void TDBGridExRecordAccessRows::UpdateActive() {
  if (!grid_->HandleAllocated() || grid_->IsLoading()) return;
  const int first = grid_->TitleOffset();
  const int target = table_->CurrentIndex() + first;
  if (target == grid_->Row() || target < first || target >= grid_->RowCount()) return;
  grid_->MoveCurrentRowTo(target, true);
}

// Every record keeps its row, so there is no window of records to scroll: the rows are laid
// out afresh.
void TDBGridExRecordAccessRows::RecordWindowScrolled(int) { grid_->DataChanged(); }

void TDBGridExRecordAccessRows::TopRowChanged() { FetchVisibleRecords(); }

void TDBGridExRecordAccessRows::FetchVisibleRecords() {
  const int visible = std::max(1, grid_->VisibleRowCount());
  if (grid_->TopRow() + visible < grid_->RowCount()) table_->FetchRecords(visible);
  else table_->FetchRecords(1);
}

SCROLLINFO TDBGridExRecordAccessRows::VertScrollRange(const SCROLLINFO&) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (grid_->VertScrollBar()->VisibleMode() == sbAlwaysShowEx) info.fMask |= SIF_DISABLENOSCROLL;
  info.nMin = 1;
  info.nMax = std::max(1, grid_->RowCount() - grid_->FixedRows());
  info.nPage = static_cast<uint32_t>(std::max(1, grid_->VisibleRowCount()));
  info.nPos = grid_->TopRow() - grid_->FixedRows() + 1;
  return info;
}

void TDBGridExRecordAccessRows::VertScroll(int code, int pos) {
  const int first = grid_->FixedRows();
  const int page = std::max(1, grid_->VisibleRowCount());
  int top = grid_->TopRow();
  switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_THUMBTRACK:
      if (!grid_->VertScrollBar()->Tracking()) return;
      top = first + pos - 1;
      break;
    case SB_THUMBPOSITION: top = first + pos - 1; break;
    case SB_TOP: top = first; break;
    case SB_BOTTOM: top = grid_->RowCount() - 1; break;
    default: return;
  }
  TGridDrawInfo draw;
  grid_->CalcDrawInfo(draw);
  const int lastTop = grid_->CalcMaxTopLeft({grid_->ColCount() - 1, grid_->RowCount() - 1}, draw).Y;
  top = std::clamp(top, first, std::max(first, lastTop));
  if (top != grid_->TopRow()) grid_->SetTopRow(top);
  grid_->UpdateVertScrollBar();
}

// The records a move down reaches are made available before the cursor goes there.
void TDBGridExRecordAccessRows::FetchAhead(int distance) {
  if (distance <= 0) return;
  const int missing = table_->CurrentIndex() + distance + 1 - table_->RecordCount();
  if (missing > 0) table_->FetchRecords(missing);
}

// Every record has a row of its own: the view scrolls and the cursor stays.
int TDBGridExRecordAccessRows::ScrollPastRows(int direction) {
  const int top = grid_->TopRow() + direction;
  if (top >= grid_->FixedRows() && top + grid_->VisibleRowCount() <= grid_->RowCount()) grid_->SetTopRow(top);
  return 0;
}

// Every record has its grid row, so the rows that can be read are the ones on screen.
std::pair<int, int> TDBGridExRecordAccessRows::ReadableDataRows() {
  const int first = std::max(0, grid_->TopRow() - grid_->FixedRows());
  const int last = std::min(table_->RecordCount(), first + std::max(1, grid_->VisibleRowCount()));
  return {first, std::max(first, last)};
}

// Each selection is undone before the next, so the data set keeps one saved state at a time.
void TDBGridExRecordAccessRows::SelectDataRow(int dataRow) {
  if (rowSelected_) table_->RestoreRow();
  rowSelected_ = true;
  table_->SelectRow(dataRow);
}

void TDBGridExRecordAccessRows::RestoreDataRow() {
  if (rowSelected_) {
    rowSelected_ = false;
    table_->RestoreRow();
  }
  grid_->TDBGridExHost::RestoreDataRow();
}

int TDBGridExRecordAccessRows::CurrentDataRow() { return table_->CurrentIndex(); }
