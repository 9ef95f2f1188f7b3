// The grid under the mouse: selecting cells and ranges, sizing columns and rows at their
// edges, moving columns and rows by their fixed cells, scrolling while the mouse is held
// outside, and the wheel.
#include <algorithm>

#include "platform/controls/grid.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/screen.h"
#include "platform/controls/application.h"
#include "platform/windows/input.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/timers.h"

namespace {

constexpr uintptr_t kScrollTimer = 1;
constexpr int kScrollInterval = 60;

// Whether `pos` is near the end of a cell on this axis: the index of that cell and where its
// end is.
bool NearCellEnd(const TGridAxisDrawInfo& axis, int pos, int& index, int& linePos) {
  int range = axis.EffectiveLineWidth;
  int back = 0;
  if (range < 7) {
    range = 7;
    back = (range - axis.EffectiveLineWidth) / 2;
  }
  int line = axis.FixedBoundary;
  for (int i = axis.FirstGridCell; i < axis.GridCellCount; ++i) {
    if (axis.GetExtent(i) < 0) continue;
    line += axis.GetExtent(i);
    if (line > axis.GridBoundary) break;
    if (pos >= line - back && pos <= line - back + range) {
      index = i;
      linePos = line;
      return true;
    }
    line += axis.EffectiveLineWidth;
  }
  if (axis.GridBoundary == axis.GridExtent && pos >= axis.GridExtent - back && pos <= axis.GridExtent) {
    index = axis.LastFullVisibleCell + 1;
    linePos = axis.GridExtent;
    return true;
  }
  return false;
}

}  // namespace

// Columns are sized by the edges of the fixed rows, rows by the edges of the fixed columns.
void TCustomGrid::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                  TGridDrawInfo& info) {
  state = gsNormal;
  index = -1;
  if (!options_.Contains(goColSizing) && !options_.Contains(goRowSizing)) return;
  TRect client = ClientRect();
  info.Horz.GridExtent = client.Width();
  info.Vert.GridExtent = client.Height();
  int line = 0;
  if (x > info.Horz.FixedBoundary && options_.Contains(goColSizing)) {
    if (y >= info.Vert.FixedBoundary || !NearCellEnd(info.Horz, x, index, line)) return;
    state = gsColSizing;
    sizingPos = line;
    sizingOfs = line - x;
  } else if (y > info.Vert.FixedBoundary && options_.Contains(goRowSizing)) {
    if (x >= info.Horz.FixedBoundary || !NearCellEnd(info.Vert, y, index, line)) return;
    state = gsRowSizing;
    sizingPos = line;
    sizingOfs = line - y;
  }
}

bool TCustomGrid::Sizing(int x, int y) { return SizingStateAt(GridX(x), y) != gsNormal; }

TGridState TCustomGrid::SizingStateAt(int gridX, int y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridState state = gsNormal;
  int index = 0, pos = 0, ofs = 0;
  CalcSizingState(gridX, y, state, index, pos, ofs, info);
  return state;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (CanFocus() && !Focused()) {
    SetFocus();
    if (!IsActiveControl()) {
      SetMouseCapture(false);
      return;
    }
  }
  if (button == mbLeft && shift.Contains(ssDouble)) {
    DblClick();
  } else if (button == mbLeft) {
    // The hit tests run on the layout, the events get the client point.
    const int gx = GridX(x);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    CalcSizingState(gx, y, gridState_, sizingIndex_, sizingPos_, sizingOfs_, info);
    if (gridState_ != gsNormal) {
      DrawSizingLine(info);
    } else {
      TGridCoord hit = CalcCoordFromPoint(gx, y, info);
      if (hit.X >= fixedCols_ && hit.Y >= fixedRows_) {
        if (options_.Contains(goEditing)) {
          if (hit.X == Col() && hit.Y == Row()) {
            ShowEditor();
          } else {
            MoveCurrent(hit.X, hit.Y, true, true);
            UpdateEdit();
          }
          Click();
        } else {
          gridState_ = gsSelecting;
          SetTimer(Handle(), kScrollTimer, kScrollInterval);
          if (shift.Contains(ssShift)) MoveAnchor(hit);
          else MoveCurrent(hit.X, hit.Y, true, true);
        }
      } else {
        StartMoving(hit, {x, y});
      }
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

// A press on a fixed cell starts moving its row (in the fixed columns) or its column (in
// the fixed rows) when the options allow it and the hooks agree.
bool TCustomGrid::StartMoving(TGridCoord hit, TPoint mousePt) {
  bool rows = options_.Contains(goRowMoving) && hit.X >= 0 && hit.X < fixedCols_ && hit.Y >= fixedRows_;
  bool cols = options_.Contains(goColMoving) && hit.Y >= 0 && hit.Y < fixedRows_ && hit.X >= fixedCols_;
  if (!rows && !cols) return false;
  moveIndex_ = movePos_ = rows ? hit.Y : hit.X;
  bool begin = rows ? BeginRowDrag(moveIndex_, movePos_, mousePt) : BeginColumnDrag(moveIndex_, movePos_, mousePt);
  if (!begin) return false;
  gridState_ = rows ? gsRowMoving : gsColMoving;
  Update();
  DrawMove();
  moveDrawn_ = true;
  SetTimer(Handle(), kScrollTimer, kScrollInterval);
  return true;
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  const int gx = GridX(x);
  TGridDrawInfo info;
  CalcDrawInfo(info);
  switch (gridState_) {
    case gsSelecting:
    case gsColMoving:
    case gsRowMoving: {
      TGridCoord hit = CalcCoordFromPoint(gx, y, info);
      bool inGrid = hit.X >= fixedCols_ && hit.Y >= fixedRows_ && hit.X <= info.Horz.LastFullVisibleCell + 1 &&
                    hit.Y <= info.Vert.LastFullVisibleCell + 1;
      if (gridState_ == gsSelecting) {
        if (inGrid && hit != anchor_) MoveAnchor(hit);
      } else if (gridState_ == gsColMoving) {
        MoveAndScroll(gx, hit.X, info, true, {x, y});
      } else {
        MoveAndScroll(y, hit.Y, info, false, {x, y});
      }
      break;
    }
    case gsColSizing:
    case gsRowSizing:
      DrawSizingLine(info);
      sizingPos_ = (gridState_ == gsRowSizing ? y : gx) + sizingOfs_;
      DrawSizingLine(info);
      break;
    default: break;
  }
  TCustomControl::MouseMove(shift, x, y);
}

// Follows the mouse with the move mark, scrolling by a cell when the mouse is before the
// first scrolled cell or past the last whole one.
void TCustomGrid::MoveAndScroll(int mouse, int cellHit, TGridDrawInfo& info, bool cols, TPoint mousePt) {
  const TGridAxisDrawInfo* axis = cols ? &info.Horz : &info.Vert;
  if (cellHit == movePos_) return;
  if (movePos_ == axis->FixedCellCount && mouse < axis->FixedBoundary) return;
  if (movePos_ == axis->GridCellCount - 1 && mouse > axis->GridBoundary) return;
  if (moveDrawn_) DrawMove();
  if (mouse < axis->FixedBoundary) {
    if (movePos_ > axis->FixedCellCount) {
      ScrollBy(cols ? SB_HORZ : SB_VERT, SB_LINEUP, 0);
      Update();
      CalcDrawInfo(info);
    }
    cellHit = axis->FirstGridCell;
  } else if (mouse >= axis->FullVisBoundary) {
    if (movePos_ == axis->LastFullVisibleCell && movePos_ < axis->GridCellCount - 1) {
      ScrollBy(cols ? SB_HORZ : SB_VERT, SB_LINEDOWN, 0);
      Update();
      CalcDrawInfo(info);
    }
    cellHit = axis->LastFullVisibleCell;
  } else if (cellHit < 0) {
    cellHit = movePos_;
  }
  int destination = cellHit;
  bool allowed = cols ? CheckColumnDrag(moveIndex_, destination, mousePt) : CheckRowDrag(moveIndex_, destination, mousePt);
  if (allowed) movePos_ = destination;
  DrawMove();
  moveDrawn_ = true;
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  struct TEndState {
    TCustomGrid* grid;
    ~TEndState() { grid->EndGridState(); }
  } end{this};
  switch (gridState_) {
    case gsSelecting:
      MouseMove(shift, x, y);
      KillTimer(Handle(), kScrollTimer);
      UpdateEdit();
      Click();
      break;
    case gsColSizing:
    case gsRowSizing: FinishSizing(); break;
    case gsColMoving:
    case gsRowMoving: FinishMoving({x, y}); break;
    default: UpdateEdit(); break;
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::FinishSizing() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  DrawSizingLine(info);
  bool cols = gridState_ == gsColSizing;
  const TGridAxisDrawInfo& axis = cols ? info.Horz : info.Vert;
  int count = cols ? ColCount() : RowCount();
  if (sizingIndex_ < 0 || sizingIndex_ >= count) return;
  int start = 0;
  int from = sizingIndex_ < axis.FixedCellCount ? 0 : axis.FirstGridCell;
  if (sizingIndex_ >= axis.FixedCellCount) start = axis.FixedBoundary;
  for (int i = from; i < sizingIndex_; ++i) start += axis.Span(i);
  int size = sizingPos_ - start;
  if (size <= 1) return;
  if (cols) SetColWidths(sizingIndex_, size);
  else SetRowHeights(sizingIndex_, size);
}

void TCustomGrid::FinishMoving(TPoint mousePt) {
  bool cols = gridState_ == gsColMoving;
  if (moveDrawn_) DrawMove();
  moveDrawn_ = false;
  KillTimer(Handle(), kScrollTimer);
  bool done = cols ? EndColumnDrag(moveIndex_, movePos_, mousePt) : EndRowDrag(moveIndex_, movePos_, mousePt);
  if (done && moveIndex_ != movePos_) {
    if (cols) MoveColumn(moveIndex_, movePos_);
    else MoveRow(moveIndex_, movePos_);
  }
  UpdateEdit();
}

void TCustomGrid::EndGridState() {
  if (gridState_ != gsNormal && HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  gridState_ = gsNormal;
  moveDrawn_ = false;
}

// Losing the mouse in the middle of a drag ends it without applying it.
void TCustomGrid::WMCancelMode(TMessage& m) {
  if (gridState_ == gsColSizing || gridState_ == gsRowSizing) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    DrawSizingLine(info);
  } else if ((gridState_ == gsColMoving || gridState_ == gsRowMoving) && moveDrawn_) {
    DrawMove();
  }
  EndGridState();
  DefaultHandler(m);
}

void TCustomGrid::WMTimer(TMessage& m) {
  if (m.WParam != kScrollTimer) return DefaultHandler(m);
  if (gridState_ != gsSelecting && gridState_ != gsRowMoving && gridState_ != gsColMoving) return;
  TPoint p = ScreenToClient(GetCursorPos());
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const int gx = GridX(p.x);
  TGridCoord hit = CalcCoordFromPoint(gx, p.y, info);
  if (gridState_ == gsColMoving) return MoveAndScroll(gx, hit.X, info, true, p);
  if (gridState_ == gsRowMoving) return MoveAndScroll(p.y, hit.Y, info, false, p);
  TGridScrollDirection direction;
  if (gx < info.Horz.FixedBoundary) direction += sdLeft;
  else if (gx > info.Horz.FullVisBoundary) direction += sdRight;
  if (p.y < info.Vert.FixedBoundary) direction += sdUp;
  else if (p.y > info.Vert.FullVisBoundary) direction += sdDown;
  if (!direction.Empty()) TimedScroll(direction);
}

void TCustomGrid::TimedScroll(TGridScrollDirection direction) {
  TGridCoord next = anchor_;
  if (direction.Contains(sdLeft) && anchor_.X > fixedCols_) --next.X;
  if (direction.Contains(sdRight) && anchor_.X < ColCount() - 1) ++next.X;
  if (direction.Contains(sdUp) && anchor_.Y > fixedRows_) --next.Y;
  if (direction.Contains(sdDown) && anchor_.Y < RowCount() - 1) ++next.Y;
  if (next != anchor_) MoveAnchor(next);
}

void TCustomGrid::WMSetCursor(TMessage& m) {
  TGridState state = gsNormal;
  if (LoSigned(m.LParam) == HTCLIENT && gridState_ == gsNormal) {
    TPoint p = ScreenToClient(GetCursorPos());
    state = SizingStateAt(GridX(p.x), p.y);
  }
  if (state == gsNormal) return TWinControl::WMSetCursor(m);
  ::SetCursor(Screen->Cursors(state == gsRowSizing ? crVSplit : crHSplit));
  m.Result = 1;
}

// Each notch of the wheel moves the current row by one, which scrolls it into view.
bool TCustomGrid::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  wheelAccumulator_ += wheelDelta;
  while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
    bool down = wheelAccumulator_ < 0;
    wheelAccumulator_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
    int row = std::clamp(Row() + (down ? 1 : -1), fixedRows_, RowCount() - 1);
    if (row != Row()) SetRow(row);
  }
  return true;
}
