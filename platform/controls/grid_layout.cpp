// Where the grid's cells lie on screen, which cells are scrolled into view, and the scroll bars.
#include <algorithm>
#include <optional>

#include "platform/controls/grid.h"
#include "platform/controls/inplace_edit.h"
#include "platform/windows/scroll_bars.h"

namespace {

// The pixel position where cell `line` starts, or nothing when it is not in view (scrolled
// off before the first scrolled cell, or past the grid's extent).
std::optional<int> LinePos(const TGridAxisDrawInfo& axis, int line) {
  int pos = 0;
  int start = 0;
  if (line >= axis.FixedCellCount) {
    if (line < axis.FirstGridCell) return std::nullopt;
    pos = axis.FixedBoundary;
    start = axis.FirstGridCell;
  }
  for (int i = start; i < line; ++i) {
    pos += axis.Span(i);
    if (pos > axis.GridExtent) return std::nullopt;
  }
  return pos;
}

// The screen span of cells first..last on one axis; false when none of them is in view.
bool ScreenSpan(const TGridAxisDrawInfo& axis, int first, int last, bool includeLine, int& from, int& to) {
  first = std::max(first, 0);
  if (last < first || first >= axis.GridCellCount) return false;
  if (first >= axis.FixedCellCount && first < axis.FirstGridCell) {
    if (last < axis.FirstGridCell) return false;
    first = axis.FirstGridCell;
  }
  last = std::min(last, axis.LastFullVisibleCell + 1);
  last = std::min(last, axis.GridCellCount - 1);
  std::optional<int> start = LinePos(axis, first);
  if (!start || *start >= axis.GridExtent) return false;
  while (last > first && !LinePos(axis, last)) --last;
  std::optional<int> end = LinePos(axis, last);
  from = *start;
  to = std::min(*end + std::max(axis.GetExtent(last), 0), axis.GridExtent);
  if (includeLine) to += axis.EffectiveLineWidth;
  return to > from;
}

int CoordOnAxis(const TGridAxisDrawInfo& axis, int n) {
  int start = 0;
  int stop = axis.FixedCellCount - 1;
  int line = 0;
  if (n >= axis.FixedBoundary) {
    start = axis.FirstGridCell;
    stop = axis.GridCellCount - 1;
    line = axis.FixedBoundary;
  }
  // Room past the extent (a subclass may keep some for itself) holds no cell.
  if (n < 0 || n >= axis.GridExtent) return -1;
  for (int i = start; i <= stop; ++i) {
    line += axis.Span(i);
    if (n < line) return i;
    if (line > axis.GridExtent) break;
  }
  return -1;
}

// The smallest first scrolled cell that still shows cell `last` whole.
int MaxFirstCell(const TGridAxisDrawInfo& axis, int last) {
  int result = last;
  int line = axis.GridExtent + axis.EffectiveLineWidth;
  for (int i = last; i >= axis.FixedCellCount; --i) {
    int span = axis.Span(i);
    if (span == 0) continue;
    line -= span;
    if (line < axis.FixedBoundary) break;
    result = i;
  }
  return result;
}

}  // namespace

void TCustomGrid::CalcFixedAxis(TGridAxisDrawInfo& axis, TGridOptions lineOptions, int fixedCount, int firstCell,
                                int cellCount, std::function<int(int)> extent) {
  axis.EffectiveLineWidth = (options_ * lineOptions).Empty() ? 0 : gridLineWidth_;
  axis.GetExtent = std::move(extent);
  axis.FixedBoundary = 0;
  for (int i = 0; i < fixedCount; ++i) axis.FixedBoundary += axis.Span(i);
  axis.FixedCellCount = fixedCount;
  axis.FirstGridCell = firstCell;
  axis.GridCellCount = cellCount;
}

void TCustomGrid::CalcAxis(TGridAxisDrawInfo& axis, int useExtent) {
  axis.GridExtent = useExtent;
  axis.GridBoundary = axis.FixedBoundary;
  axis.FullVisBoundary = axis.FixedBoundary;
  axis.LastFullVisibleCell = axis.FirstGridCell;
  for (int i = axis.FirstGridCell; i < axis.GridCellCount; ++i) {
    axis.GridBoundary += axis.Span(i);
    if (axis.GridBoundary > axis.GridExtent + axis.EffectiveLineWidth) {
      axis.GridBoundary = axis.GridExtent;
      break;
    }
    axis.LastFullVisibleCell = i;
    axis.FullVisBoundary = axis.GridBoundary;
  }
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& info) {
  TRect client = ClientRect();
  CalcDrawInfoXY(info, client.Width(), client.Height());
}

void TCustomGrid::CalcDrawInfoXY(TGridDrawInfo& info, int useWidth, int useHeight) {
  CalcFixedAxis(info.Horz, {goFixedVertLine, goVertLine}, fixedCols_, topLeft_.X, ColCount(),
                [this](int i) { return colWidths_[static_cast<size_t>(i)]; });
  CalcFixedAxis(info.Vert, {goFixedHorzLine, goHorzLine}, fixedRows_, topLeft_.Y, RowCount(),
                [this](int i) { return rowHeights_[static_cast<size_t>(i)]; });
  CalcAxis(info.Horz, useWidth);
  CalcAxis(info.Vert, useHeight);
}

TGridCoord TCustomGrid::CalcMaxTopLeft(TGridCoord coord, const TGridDrawInfo& info) {
  return {MaxFirstCell(info.Horz, coord.X), MaxFirstCell(info.Vert, coord.Y)};
}

TGridCoord TCustomGrid::CalcCoordFromPoint(int x, int y, const TGridDrawInfo& info) {
  return {CoordOnAxis(info.Horz, x), CoordOnAxis(info.Vert, y)};
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) { return CoordAt(GridX(x), y); }

TGridCoord TCustomGrid::CoordAt(int gridX, int y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord c = CalcCoordFromPoint(gridX, y, info);
  if (c.X < 0 || c.Y < 0) return {-1, -1};
  return c;
}

// Mirrored, pixel column x is seen at pixel column ClientWidth - 1 - x, so a rectangle's
// right edge (just past its last pixel column) becomes the left one.
int TCustomGrid::GridX(int x) { return ColumnsMirrored() ? ClientWidth() - 1 - x : x; }

TRect TCustomGrid::GridToClient(const TRect& rect) {
  if (!ColumnsMirrored() || rect.IsEmpty()) return rect;
  return {ClientWidth() - rect.Right, rect.Top, ClientWidth() - rect.Left, rect.Bottom};
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) {
  TGridCoord c = MouseCoord(x, y);
  col = c.X;
  row = c.Y;
}

TRect TCustomGrid::GridRectToScreenRect(const TGridRect& rect, bool includeLine) {
  if (rect.Left > rect.Right || rect.Top > rect.Bottom) return {};
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (rect.Left > info.Horz.LastFullVisibleCell + 1 || rect.Top > info.Vert.LastFullVisibleCell + 1) return {};
  TRect r;
  if (!ScreenSpan(info.Horz, rect.Left, rect.Right, includeLine, r.Left, r.Right)) return {};
  if (!ScreenSpan(info.Vert, rect.Top, rect.Bottom, includeLine, r.Top, r.Bottom)) return {};
  return r;
}

TRect TCustomGrid::CellRect(int col, int row) { return BoxRect(col, row, col, row); }

TRect TCustomGrid::BoxRect(int left, int top, int right, int bottom) {
  return GridRectToScreenRect(GridRect({left, top}, {right, bottom}), false);
}

int TCustomGrid::VisibleColCount() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Horz.LastFullVisibleCell - LeftCol() + 1;
}

int TCustomGrid::VisibleRowCount() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Vert.LastFullVisibleCell - TopRow() + 1;
}

int TCustomGrid::GridWidth() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Horz.GridBoundary;
}

int TCustomGrid::GridHeight() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.Vert.GridBoundary;
}

void TCustomGrid::SetLeftCol(int v) {
  if (v != LeftCol()) MoveTopLeft(v, TopRow());
}

void TCustomGrid::SetTopRow(int v) {
  if (v != TopRow()) MoveTopLeft(LeftCol(), v);
}

// The first scrolled cells stay between the fixed ones and the last position that still
// fills the view.
void TCustomGrid::MoveTopLeft(int left, int top) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord max = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
  left = std::clamp(left, fixedCols_, std::max(fixedCols_, max.X));
  top = std::clamp(top, fixedRows_, std::max(fixedRows_, max.Y));
  if (left == topLeft_.X && top == topLeft_.Y) return;
  TGridCoord old = topLeft_;
  topLeft_ = {left, top};
  TopLeftMoved(old);
}

void TCustomGrid::ClampInView(TGridCoord coord) {
  if (!HandleAllocated()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  bool outX = coord.X >= fixedCols_ && (coord.X > info.Horz.LastFullVisibleCell || coord.X < LeftCol());
  bool outY = coord.Y >= fixedRows_ && (coord.Y > info.Vert.LastFullVisibleCell || coord.Y < TopRow());
  if (!outX && !outY) return;
  TGridCoord max = CalcMaxTopLeft(coord, info);
  TGridCoord old = topLeft_;
  if (outX) topLeft_.X = coord.X < LeftCol() ? coord.X : max.X;
  if (outY) topLeft_.Y = coord.Y < TopRow() ? coord.Y : max.Y;
  if (topLeft_ != old) TopLeftMoved(old);
}

void TCustomGrid::TopLeftMoved(TGridCoord) {
  UpdateScrollPos();
  Invalidate();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  if (editorMode_ && inplaceEdit_) inplaceEdit_->UpdateLoc(GridToClient(CellRect(Col(), Row())));
}

// Bars count scrolled cells: position 0 is the first cell after the fixed ones and the
// page is what shows, so the last position is the largest first cell that fills the view.
void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord max = CalcMaxTopLeft({ColCount() - 1, RowCount() - 1}, info);
  TGridCoord old = topLeft_;
  topLeft_.X = std::clamp(topLeft_.X, fixedCols_, std::max(fixedCols_, max.X));
  topLeft_.Y = std::clamp(topLeft_.Y, fixedRows_, std::max(fixedRows_, max.Y));
  auto setBar = [&](int bar, bool shown, int maxFirst, int fixed, int visible) {
    if (!shown) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    int page = std::max(1, visible);
    si.nMin = 0;
    si.nMax = std::max(0, maxFirst - fixed) + page - 1;
    si.nPage = static_cast<uint32_t>(page);
    si.nPos = (bar == SB_HORZ ? topLeft_.X : topLeft_.Y) - fixed;
    SetScrollInfo(Handle(), bar, si, true);
  };
  setBar(SB_HORZ, scrollBars_ == ssHorizontal || scrollBars_ == ssBoth, max.X, fixedCols_,
         info.Horz.LastFullVisibleCell - LeftCol() + 1);
  setBar(SB_VERT, scrollBars_ == ssVertical || scrollBars_ == ssBoth, max.Y, fixedRows_,
         info.Vert.LastFullVisibleCell - TopRow() + 1);
  if (topLeft_ != old) TopLeftMoved(old);
}

void TCustomGrid::UpdateScrollPos() {
  if (!HandleAllocated()) return;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) SetScrollPos(Handle(), SB_HORZ, LeftCol() - fixedCols_, true);
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) SetScrollPos(Handle(), SB_VERT, TopRow() - fixedRows_, true);
}

void TCustomGrid::WMScroll(TMessage& m) {
  ScrollBy(m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, m.WParamLo(), m.WParamHi());
}

void TCustomGrid::ScrollBy(int bar, int code, int pos) {
  bool horz = bar == SB_HORZ;
  int first = horz ? LeftCol() : TopRow();
  int fixed = horz ? fixedCols_ : fixedRows_;
  int page = std::max(1, horz ? VisibleColCount() : VisibleRowCount());
  int target = first;
  switch (code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_THUMBTRACK:
      if (!options_.Contains(goThumbTracking)) return;
      target = fixed + pos;
      break;
    case SB_THUMBPOSITION: target = fixed + pos; break;
    case SB_TOP: target = fixed; break;
    case SB_BOTTOM: target = horz ? ColCount() - 1 : RowCount() - 1; break;
    default: return;
  }
  if (horz) MoveTopLeft(target, TopRow());
  else MoveTopLeft(LeftCol(), target);
}

void TCustomGrid::WMSize(TMessage& m) {
  TCustomControl::WMSize(m);
  UpdateScrollRange();
  InvalidateEditor();
}
