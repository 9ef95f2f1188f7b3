// Grid rows follow the records: the row source says how many there are and which is current,
// the grid keeps the title rows fixed and shows the vertical bar the source asks for.
#include <algorithm>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "platform/core/scope_guard.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/row_source.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/scroll_bar.h"
#include "platform/core/format.h"
#include "platform/data/dataset.h"
#include "platform/windows/messages.h"

namespace {

bool SameScrollInfo(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

}  // namespace

// Height taken by the title rows and the footers, lines included.
int TCustomDBGridEx::UsedRowHeight() const {
  const int line = Options().Contains(dgRowLines) ? GridLineWidth() : 0;
  const int pitch = DefaultRowHeight() + line;
  int used = 0;
  for (int row = 0; row < TitleOffset(); ++row) {
    used += row == 0 && Options().Contains(dgTitles) ? RowHeights(0) + line : pitch;
  }
  if (footerRowCount_ > 0) used += pitch * footerRowCount_ + line;
  return used;
}

void TCustomDBGridEx::SetRowCountKeepingCurrent(int count) {
  if (count == RowCount()) return;
  if (count < Row() + 1) MoveColRow(Col(), count - 1, false, false);
  SetRowCount(count);
  Invalidate();
}

void TCustomDBGridEx::SetRowHeights() {
  if (settingRows_ || Columns() == nullptr) return;
  // What setting rows stirs up in the data link must not start another round.
  auto scope = ScopedValue(settingRows_, true);
  if (RowCount() <= TitleOffset()) SetRowCount(TitleOffset() + 1);
  SetFixedRows(TitleOffset());
  RowSource()->SetRowHeights();
}

void TCustomDBGridEx::UpdateActive() { RowSource()->UpdateActive(); }

void TCustomDBGridEx::MoveCurrentRowTo(int row, bool show) {
  if (!Options().Contains(dgAlwaysShowEditor)) HideEditor();
  MoveColRow(Col(), row, false, show);
  RefreshInplaceEditor();
}

void TCustomDBGridEx::UpdateVertScrollBar() {
  if (!HandleAllocated() || Columns() == nullptr || IsDestroying()) return;
  SCROLLINFO old;
  old.fMask = SIF_ALL;
  GetScrollInfo(Handle(), SB_VERT, old);
  ApplyVertScrollInfo(old, RowSource()->VertScrollRange(old));
}

void TCustomDBGridEx::ApplyVertScrollInfo(const SCROLLINFO& old, SCROLLINFO info) {
  const SCROLLINFO range = info;
  // The window's own bar has nothing to scroll when it is hidden or stands in for another.
  if (!vertScrollBar_->Visible() || vertScrollBar_->ExtScrollBar() != nullptr) info.nMax = info.nMin;
  const TScrollBarVisibleModeEx mode = vertScrollBar_->VisibleMode();
  // A bar always shown stays, disabled, when there is nothing to scroll.
  if (mode == sbAlwaysShowEx && vertScrollBar_->ExtScrollBar() == nullptr) info.fMask |= SIF_DISABLENOSCROLL;
  if (!SameScrollInfo(old, info) || mode != vertModeApplied_) {
    const int clientWidth = ClientWidth();
    ShowVertBarByMode(info);
    SetScrollInfo(Handle(), SB_VERT, info, true);
    vertModeApplied_ = mode;
    // The bar came or went: mirrored cells move with the client area's right edge, and the
    // editors with them.
    if (ClientWidth() != clientWidth) {
      InvalidateEditor();
      PlaceFilterEditor(false);
    }
  }
  UpdateExtVertBar(range);
}

void TCustomDBGridEx::ShowVertBarByMode(const SCROLLINFO& info) {
  const bool fits = info.nMax <= info.nMin || info.nMax - info.nMin < static_cast<int>(info.nPage);
  const TScrollBarVisibleModeEx mode = vertScrollBar_->VisibleMode();
  if (mode == sbAlwaysShowEx && vertScrollBar_->ExtScrollBar() == nullptr) {
    ShowScrollBar(Handle(), SB_VERT, true);
    EnableScrollBar(Handle(), SB_VERT, fits ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
  } else if (mode != vertModeApplied_) {
    EnableScrollBar(Handle(), SB_VERT, ESB_ENABLE_BOTH);
    if (fits) ShowScrollBar(Handle(), SB_VERT, false);
  }
}

void TCustomDBGridEx::UpdateExtVertBar(const SCROLLINFO& info) {
  TScrollBar* bar = vertScrollBar_->ExtScrollBar();
  if (bar == nullptr) return;
  bar->SetPageSize(0);
  bar->SetParams(info.nPos, info.nMin, std::max(info.nMin, info.nMax));
  bar->SetPageSize(static_cast<int>(info.nPage));
}

// Columns that fit when the last one is at the right edge; the largest LeftCol worth
// scrolling to. Columns without width take no room.
int TCustomDBGridEx::LargestLeftCol() {
  TGridDrawInfo draw;
  CalcDrawInfo(draw);
  const int room = draw.Horz.GridBoundary - draw.Horz.FixedBoundary;
  int used = 0;
  int left = ColCount();
  while (left > FixedCols()) {
    const int width = ColWidths(left - 1);
    if (width > 0 && used + width > room) break;
    used += std::max(0, width) + (width > 0 ? draw.Horz.EffectiveLineWidth : 0);
    --left;
  }
  return std::min(left, ColCount() - 1);
}

// The external bar shows the scrolled columns on a scale of 0..127.
void TCustomDBGridEx::UpdateHorzScrollBar() {
  TScrollBar* bar = horzScrollBar_->ExtScrollBar();
  if (bar == nullptr || !HandleAllocated()) return;
  const int page = std::max(0, VisibleColCount());
  // The range goes only when nothing can scroll at all: scrolled fully right, the bar must
  // still lead back.
  const int span = LargestLeftCol() - FixedCols();
  const int maximum = span > 0 ? 127 : 0;
  // No scrollable span means nothing to divide: the thumb stays at the start.
  const int position = span > 0 ? std::clamp(MulDiv(LeftCol() - FixedCols(), 127, span), 0, 127) : 0;
  if (bar->Max() != maximum || bar->Position() != position || bar->Min() != 0) {
    bar->SetParams(std::min(position, maximum), 0, maximum);
  }
  if (bar->PageSize() != page && page <= maximum) bar->SetPageSize(page);
}

void TCustomDBGridEx::LinkActive(bool active) {
  if (!active) HideEditor();
  ReadRecordAccess();
  TDBGridExHost::LinkActive(active);
  if (active && filterEditing_ != nullptr) filterEditing_->DataSetOpened();
  if (active && EditorAlwaysShown()) ShowInplaceEditor();
  UpdateVertScrollBar();
}

// The records changed: as many rows as there are records to show, the thumb where the
// current record is.
void TCustomDBGridEx::DataChanged() {
  if (!HandleAllocated() || inLayoutPass_ || settingRows_) {
    Invalidate();
    return;
  }
  SetRowHeights();
  UpdateVertScrollBar();
  UpdateActive();
  Invalidate();
}

// Every data row is as high as the row the user sized; the other rows show it after the
// layout that RowHeight starts.
void TCustomDBGridEx::RowHeightsChanged() {
  if (userRowResize_) {
    userRowResize_ = false;
    const int row = FirstResizedDataRow();
    if (row >= 0) {
      const int height = RowHeights(row);
      {
        GridLayoutLock lock(this);
        SetRowLines(0);
        SetRowHeight(height);
      }
      UpdateVertScrollBar();
    }
  }
  TCustomGrid::RowHeightsChanged();
}

int TCustomDBGridEx::FirstResizedDataRow() {
  const int end = RowCount() - (footerRowCount_ > 0 ? footerRowCount_ + 1 : 0);
  for (int row = TitleRowCount(); row < end; ++row) {
    if (RowHeights(row) != DefaultRowHeight()) return row;
  }
  return -1;
}

// The rows show the data link's buffer: going past it moves the data set to the record just
// above the first row or just below the last one.
void TCustomDBGridEx::TimedScroll(TGridScrollDirection direction) {
  if (!DataLink()->Active()) return;
  TDataSet* dataSet = DataLink()->DataSet();
  if (direction.Contains(sdUp)) dataSet->MoveBy(-1 - DataLink()->ActiveRecord());
  if (direction.Contains(sdDown)) dataSet->MoveBy(DataLink()->RecordCount() - DataLink()->ActiveRecord());
  direction -= TGridScrollDirection{sdUp, sdDown};
  if (!direction.Empty()) TCustomGrid::TimedScroll(direction);
}
