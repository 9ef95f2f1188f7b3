// Scrolling while a selection is dragged past the data: one step on every mouse move and tick
// of the drag timer while the mouse is outside, up and down by records, sideways by columns,
// faster the farther out the mouse is held.
#include <algorithm>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/record_drag.h"
#include "platform/windows/input.h"

namespace {

// A step of records for every this many pixels past the data, up to kMaxRecordStep.
constexpr int kPixelsPerRecord = 6;
constexpr int kMaxRecordStep = 8;

// How far, and on which side, a point lies outside the data along one axis.
struct TAxisOutside {
  int Direction = 0;
  int Distance = 0;
};

TAxisOutside Outside(int pos, int low, int high) {
  if (pos < low) return {-1, low - pos};
  if (pos >= high) return {1, pos - high + 1};
  return {};
}

}  // namespace

TPoint TDBGridExInput::MouseInGrid() const {
  const TPoint at = grid_->ScreenToClient(GetCursorPos());
  return {grid_->GridX(at.x), at.y};
}

void TDBGridExInput::TimerTick() {
  if (state_ == gisDraggingRecords) {
    const TPoint at = MouseInGrid();
    recordDrag_->Follow(at.x, at.y, true);
    return;
  }
  if (state_ == gisSelecting) TimerStep(MouseInGrid());
}

void TDBGridExInput::TimerStep(TPoint at) {
  if (selectDrag_ == gsdColumns) ColumnScrollStep(at.x);
  else SelectionScrollStep(at);
}

// Scrolls one column towards `direction` where one is left to bring into view; whether it did.
bool TDBGridExInput::ScrollColumn(int direction) {
  if (direction < 0) {
    if (grid_->LeftCol() <= grid_->FixedCols()) return false;
    grid_->SetLeftCol(grid_->LeftCol() - 1);
    return true;
  }
  TGridDrawInfo info;
  grid_->CalcDrawInfo(info);
  if (info.Horz.LastFullVisibleCell >= grid_->ColCount() - 1) return false;
  grid_->SetLeftCol(grid_->LeftCol() + 1);
  return true;
}

// Past the titles' ends the columns scroll and the ones coming into view join the selection.
void TDBGridExInput::ColumnScrollStep(int x) {
  const TRect data = grid_->DataRect();
  const TAxisOutside out = Outside(x, data.Left, data.Right);
  if (out.Direction == 0) return;
  ScrollColumn(out.Direction);
  if (out.Direction < 0) {
    SelectColumnsTo(grid_->LeftCol());
  } else {
    TGridDrawInfo info;
    grid_->CalcDrawInfo(info);
    SelectColumnsTo(info.Horz.LastFullVisibleCell);
  }
  StartTimer(std::max(0, 200 - 10 * out.Distance));
}

// Records, cells and rectangles: the records step by the distance past the data, and a drag
// among the cells scrolls a column sideways and takes the next column.
void TDBGridExInput::SelectionScrollStep(TPoint at) {
  const TRect data = grid_->DataRect();
  const bool cells = selectDrag_ == gsdCells || selectDrag_ == gsdRectangle;
  const TAxisOutside vert = Outside(at.y, data.Top, data.Bottom);
  // Records selected in the indicator, left of the data, go only up and down.
  const TAxisOutside horz = cells ? Outside(at.x, data.Left, data.Right) : TAxisOutside{};
  if (vert.Direction == 0 && horz.Direction == 0) {
    StopTimer();
    return;
  }
  const int distance = std::max(vert.Distance, horz.Distance);
  const int step = std::min(distance / kPixelsPerRecord, kMaxRecordStep);
  {
    GridUpdateLock lock(grid_);
    if (selectDrag_ != gsdRectangle && vert.Direction != 0 && step > 0) {
      SelectMoveBy(lastShift_.Contains(ssLeft), vert.Direction * step, true, false);
    }
    if (cells && horz.Direction != 0) SideStep(horz.Direction);
    if (selectDrag_ == gsdRectangle) {
      if (vert.Direction != 0 && step > 0) MoveDataSet(vert.Direction * step, false);
      grid_->Selection()->Rect()->Select(grid_->SelectedIndex(), grid_->SelectedRows()->CurrentRow(), true);
    }
  }
  grid_->Update();
  StartTimer(std::max(0, 200 - 15 * distance));
}

// The columns scroll one towards `direction` and the next column becomes current; left of
// the scrolled columns with none left to scroll, the first column does.
void TDBGridExInput::SideStep(int direction) {
  const bool scrolled = ScrollColumn(direction);
  if (direction < 0 && !scrolled) MoveCol(grid_->IndicatorOffset(), 1, false);
  else MoveCol(grid_->Col() + direction, direction, false);
}
