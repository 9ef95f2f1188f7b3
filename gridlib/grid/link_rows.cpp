// Rows through the data link's buffer: as many data rows as fit in the window, the footers at
// the bottom, the current row on the link's active record and the vertical bar on the data set.
#include "gridlib/grid/link_rows.h"

#include <algorithm>
#include <cstdlib>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_sum_list.h"
#include "platform/data/dataset.h"
#include "platform/windows/painting.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/window_styles.h"

namespace {

// The rows of data records on screen, lines included, across the whole client width.
TRect DataRowsArea(TCustomDBGridEx* grid) {
  const int first = grid->TitleRowCount();
  const int last = first + grid->DataRowCount() - 1;
  TRect area = grid->BoxRect(0, first, grid->ColCount() - 1, last);
  area.Left = 0;
  area.Right = grid->ClientWidth();
  if (grid->Options().Contains(dgRowLines)) area.Bottom += grid->GridLineWidth();
  return area;
}

// Where the thumb is being dragged or was let go, read whole rather than from the 16-bit
// message; the bar's position itself still shows where the records were before.
int ThumbPosition(TCustomDBGridEx* grid) {
  SCROLLINFO info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(grid->Handle(), SB_VERT, info);
  return info.nTrackPos;
}

// The thumb of a data set without record numbers has five places: first, a page up, here, a
// page down, last.
void FiveStepThumb(TDataSet* dataSet, int position, int page) {
  switch (position) {
    case 0: dataSet->First(); break;
    case 1: dataSet->MoveBy(-page); break;
    case 3: dataSet->MoveBy(page); break;
    case 4: dataSet->Last(); break;
    default: break;
  }
}

}  // namespace

void TDBGridExLinkRows::SetRowHeights() {
  const int line = grid_->Options().Contains(dgRowLines) ? grid_->GridLineWidth() : 0;
  const int pitch = std::max(1, grid_->DefaultRowHeight() + line);
  const int used = grid_->UsedRowHeight();
  const int titleHeight = grid_->RowHeights(0);
  grid_->SetDefaultRowHeight(grid_->DefaultRowHeight());
  if (grid_->Options().Contains(dgTitles)) grid_->TCustomGrid::SetRowHeights(0, titleHeight);
  if (grid_->TopRow() != grid_->FixedRows()) grid_->SetTopRow(grid_->FixedRows());
  const int footers = grid_->FooterRowCount();
  const int footerRows = footers > 0 ? footers + 1 : 0;
  int records = 1;
  TGridDataLinkEx* link = grid_->DataLink();
  const bool filled = link->Active() && link->RecordCount() > 0 && grid_->HandleAllocated();
  if (filled) {
    link->SetBufferCount(std::max(1, (grid_->ClientHeight() - used) / pitch));
    records = std::max(1, link->RecordCount());
  }
  const bool withFooters = footerRows > 0 && (filled || grid_->HandleAllocated());
  grid_->SetRowCountKeepingCurrent(grid_->TitleOffset() + records + (withFooters ? footerRows : 0));
  if (withFooters) {
    const int filler = grid_->ClientHeight() - used - records * pitch;
    grid_->TCustomGrid::SetRowHeights(grid_->TitleOffset() + records, std::max(0, filler));
  }
  if (filled) grid_->UpdateActive();
}

void TDBGridExLinkRows::UpdateActive() {
  TGridDataLinkEx* link = grid_->DataLink();
  if (!link->Active() || !grid_->HandleAllocated() || grid_->IsLoading()) return;
  const int target = link->ActiveRecord() + grid_->TitleOffset();
  if (target != grid_->Row() && target < grid_->RowCount()) grid_->MoveCurrentRowTo(target, false);
  grid_->ReloadInplaceEditor();
}

// The rows that stay in view move with their pixels and only what came into view, the current
// rows and the footers are painted again.
void TDBGridExLinkRows::RecordWindowScrolled(int distance) {
  if (!MovesPixels(distance)) {
    grid_->DataChanged();
    return;
  }
  const int oldCurrent = grid_->Row();
  const TRect before = DataRowsArea(grid_);
  grid_->UpdateVertScrollBar();
  grid_->UpdateActive();
  const int pitch = grid_->DefaultRowHeight() + (grid_->Options().Contains(dgRowLines) ? grid_->GridLineWidth() : 0);
  ScrollWindowEx(grid_->Handle(), 0, -distance * pitch, &before, &before, nullptr, nullptr, SW_INVALIDATE);
  // The rows that were and are current change their highlight and indicator.
  const int moved = oldCurrent - distance;
  const int first = grid_->TitleRowCount();
  if (moved >= first && moved < first + grid_->DataRowCount()) grid_->InvalidateRow(moved);
  grid_->InvalidateRow(grid_->Row());
  grid_->InvalidateFooter();
}

bool TDBGridExLinkRows::MovesPixels(int distance) {
  const bool possible = distance != 0 && grid_->HandleAllocated() && !grid_->inLayoutPass_ && !grid_->settingRows_ &&
                        !grid_->InplaceEditorShowing() && std::abs(distance) < grid_->DataRowCount();
  // A record window that changed its size lays the rows out again.
  return possible && grid_->DataLink()->RecordCount() == grid_->DataRowCount();
}

SCROLLINFO TDBGridExLinkRows::VertScrollRange(const SCROLLINFO& old) {
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  info.nMin = 0;
  info.nMax = 1;
  info.nPage = 2;
  info.nPos = 0;
  TDataSet* dataSet = grid_->DataLink()->Active() ? grid_->DataLink()->DataSet() : nullptr;
  TDBGridExSumList* sums = grid_->SumList();
  if (dataSet != nullptr && sums->IsSequenced()) {
    const int page = grid_->VisibleDataRowCount();
    info.nMin = 1;
    info.nPage = static_cast<uint32_t>(page);
    // With every record on screen nothing scrolls: the range is one page, which the bar shows
    // without a thumb to drag. An empty data set still gets a range that holds its minimum.
    const int records = sums->RecordCount();
    info.nMax = records <= page ? info.nMin + page - 1 : records + page - 1;
    const TDataSetState state = dataSet->State();
    const bool follows = state == dsBrowse || state == dsEdit || state == dsInactive;
    info.nPos = std::clamp(follows ? sums->RecNo() : old.nPos, info.nMin, info.nMax);
  } else if (dataSet != nullptr) {
    info.nPage = 0;
    info.nMax = 4;
    info.nPos = dataSet->Bof() ? 0 : dataSet->Eof() ? 4 : 2;
  }
  return info;
}

void TDBGridExLinkRows::VertScroll(int code, int) {
  TGridDataLinkEx* link = grid_->DataLink();
  if (!link->Active() || !grid_->TrySetFocus()) return;
  TDataSet* dataSet = link->DataSet();
  const int page = grid_->VisibleDataRowCount();
  const bool numbered = grid_->SumList()->IsSequenced();
  switch (code) {
    case SB_LINEUP: dataSet->MoveBy(-link->ActiveRecord() - 1); break;
    case SB_LINEDOWN: dataSet->MoveBy(link->RecordCount() - link->ActiveRecord()); break;
    case SB_PAGEUP: dataSet->MoveBy(-page); break;
    case SB_PAGEDOWN: dataSet->MoveBy(page); break;
    case SB_THUMBPOSITION:
      if (ignoreThumbPosition_) {
        ignoreThumbPosition_ = false;
      } else if (numbered) {
        ThumbToRecord(ThumbPosition(grid_));
      } else {
        FiveStepThumb(dataSet, ThumbPosition(grid_), page);
      }
      break;
    case SB_THUMBTRACK:
      // Without record numbers a dragged thumb would page again on every message; the
      // release places the cursor by the five steps instead.
      if (grid_->VertScrollBar()->Tracking() && numbered) {
        dataSet->MoveBy(ThumbPosition(grid_) - grid_->SumList()->RecNo());
        ignoreThumbPosition_ = true;
      }
      break;
    case SB_TOP: dataSet->First(); break;
    case SB_BOTTOM: dataSet->Last(); break;
    default: break;
  }
}

void TDBGridExLinkRows::ThumbToRecord(int position) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  TDBGridExSumList* sums = grid_->SumList();
  if (position <= 1) dataSet->First();
  else if (position < sums->RecordCount()) sums->SetRecNo(position);
  else dataSet->Last();
}

// The rows are a window on the records that follows the cursor, so the cursor steps just past
// the rows shown.
int TDBGridExLinkRows::ScrollPastRows(int direction) {
  TGridDataLinkEx* link = grid_->DataLink();
  const auto [first, last] = ReadableDataRows();
  const int before = link->ActiveRecord();
  const int to = direction < 0 ? first - 1 : last;
  const int moved = link->DataSet()->MoveBy(to - before);
  return moved - (link->ActiveRecord() - before);
}

std::pair<int, int> TDBGridExLinkRows::ReadableDataRows() { return grid_->TDBGridExHost::ReadableDataRows(); }

void TDBGridExLinkRows::SelectDataRow(int dataRow) { grid_->TDBGridExHost::SelectDataRow(dataRow); }

void TDBGridExLinkRows::RestoreDataRow() { grid_->TDBGridExHost::RestoreDataRow(); }

int TDBGridExLinkRows::CurrentDataRow() { return grid_->TDBGridExHost::CurrentDataRow(); }

int TDBGridExLinkRows::ReadableRowRecNo(int dataRow) {
  DataRowReader reader(grid_);
  reader.Select(dataRow);
  return grid_->DataLink()->DataSet()->RecNo();
}
