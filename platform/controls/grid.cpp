// The base grid: cells, column and row sizes, moving, scrolling and focus.
#include "platform/controls/grid.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/inplace_edit.h"
#include "platform/windows/focus.h"
#include "platform/windows/painting.h"

namespace {

[[noreturn]] void InvalidOp(const char* message) { throw EInvalidGridOperation(message); }

[[noreturn]] void IndexOutOfRange(int index) {
  throw EInvalidGridOperation("Grid index out of range (" + std::to_string(index) + ")");
}

// Where a cell index ends up after the cell at `from` moved to `to`.
void MoveAdjust(int& pos, int from, int to) {
  if (pos == from) pos = to;
  else if (pos > from && pos <= to) --pos;
  else if (pos < from && pos >= to) ++pos;
}

template <typename T>
void MoveItem(std::vector<T>& items, int from, int to) {
  T item = items[static_cast<size_t>(from)];
  items.erase(items.begin() + from);
  items.insert(items.begin() + to, item);
}

}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  // No csClickEvents: the grid reports Click and DblClick itself, once per cell change.
  controlStyle_ = {csCaptureMouse, csOpaque, csDoubleClicks};
  colWidths_.assign(5, defaultColWidth_);
  rowHeights_.assign(5, defaultRowHeight_);
  tabStops_.assign(5, true);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() {
  // The editor outlives this destructor for a moment (as a child, then as an owned
  // component); it must not call back into a grid that is going.
  if (inplaceEdit_) inplaceEdit_->SetGrid(nullptr);
}

void TCustomGrid::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == inplaceEdit_) {
    inplaceEdit_ = nullptr;
    inplaceCol_ = inplaceRow_ = -1;
  }
}

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_TABSTOP;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::SetColCount(int v) {
  if (v == ColCount()) return;
  v = std::max(v, 1);
  if (v <= fixedCols_) SetFixedCols(v - 1);
  ChangeSize(v, RowCount());
  if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
}

void TCustomGrid::SetRowCount(int v) {
  if (v == RowCount()) return;
  v = std::max(v, 1);
  if (v <= fixedRows_) SetFixedRows(v - 1);
  ChangeSize(ColCount(), v);
}

// New columns and rows take the default sizes; the current cell, the anchor and the first
// scrolled cells stay inside the new counts.
void TCustomGrid::ChangeSize(int newColCount, int newRowCount) {
  int oldCols = ColCount();
  int oldRows = RowCount();
  HideEdit();
  colWidths_.resize(static_cast<size_t>(newColCount), defaultColWidth_);
  tabStops_.resize(static_cast<size_t>(newColCount), true);
  rowHeights_.resize(static_cast<size_t>(newRowCount), defaultRowHeight_);
  auto clampCoord = [&](TGridCoord& c) {
    c.X = std::clamp(c.X, fixedCols_, newColCount - 1);
    c.Y = std::clamp(c.Y, fixedRows_, newRowCount - 1);
  };
  clampCoord(current_);
  clampCoord(anchor_);
  clampCoord(topLeft_);
  SizeChanged(oldCols, oldRows);
  UpdateScrollRange();
  Invalidate();
  UpdateEdit();
}

void TCustomGrid::SetFixedCols(int v) {
  SetFixedCount(fixedCols_, v, ColCount(), "Fixed column count must be less than column count");
}

void TCustomGrid::SetFixedRows(int v) {
  SetFixedCount(fixedRows_, v, RowCount(), "Fixed row count must be less than row count");
}

void TCustomGrid::SetFixedCount(int& field, int v, int count, const char* tooBig) {
  if (v == field) return;
  if (v < 0) IndexOutOfRange(v);
  if (v >= count) InvalidOp(tooBig);
  field = v;
  Initialize();
  Invalidate();
}

void TCustomGrid::Initialize() {
  topLeft_ = {fixedCols_, fixedRows_};
  current_ = topLeft_;
  anchor_ = current_;
  if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  UpdateScrollRange();
}

int TCustomGrid::ColWidths(int index) const {
  if (index < 0 || index >= ColCount()) IndexOutOfRange(index);
  return colWidths_[static_cast<size_t>(index)];
}

int TCustomGrid::RowHeights(int index) const {
  if (index < 0 || index >= RowCount()) IndexOutOfRange(index);
  return rowHeights_[static_cast<size_t>(index)];
}

void TCustomGrid::SetColWidths(int index, int v) {
  int old = ColWidths(index);
  if (old == v) return;
  colWidths_[static_cast<size_t>(index)] = std::max(v, -1);
  ResizeLine(index, true);
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int index, int v) {
  int old = RowHeights(index);
  if (old == v) return;
  rowHeights_[static_cast<size_t>(index)] = std::max(v, -1);
  ResizeLine(index, false);
  RowHeightsChanged();
}

// Everything from the resized line on moves; the cells before it stay.
void TCustomGrid::ResizeLine(int index, bool cols) {
  if (!HandleAllocated()) return;
  TRect r = ClientRect();
  TRect cell = cols ? CellRect(index, 0) : CellRect(0, index);
  if (!cell.IsEmpty()) {
    if (cols) r.Left = cell.Left;
    else r.Top = cell.Top;
  }
  ::InvalidateRect(Handle(), &r, false);
}

bool TCustomGrid::TabStops(int index) const {
  if (index < 0 || index >= ColCount()) IndexOutOfRange(index);
  return tabStops_[static_cast<size_t>(index)];
}

void TCustomGrid::SetTabStops(int index, bool v) {
  TabStops(index);
  tabStops_[static_cast<size_t>(index)] = v;
}

void TCustomGrid::SetDefaultColWidth(int v) {
  defaultColWidth_ = v;
  std::fill(colWidths_.begin(), colWidths_.end(), v);
  ColWidthsChanged();
  Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int v) {
  defaultRowHeight_ = v;
  std::fill(rowHeights_.begin(), rowHeights_.end(), v);
  RowHeightsChanged();
  Invalidate();
}

void TCustomGrid::SetGridLineWidth(int v) {
  v = std::max(v, 0);
  if (v == gridLineWidth_) return;
  gridLineWidth_ = v;
  UpdateScrollRange();
  InvalidateEditor();
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions v) {
  // A whole-row selection has no cell to edit in place.
  if (v.Contains(goRowSelect)) v.Exclude(goAlwaysShowEditor);
  if (v == options_) return;
  options_ = v;
  if (!editorMode_ && options_.Contains(goAlwaysShowEditor)) editorMode_ = true;
  if (editorMode_ && (!options_.Contains(goEditing) || options_.Contains(goRowSelect))) HideEditor();
  if (options_.Contains(goRowSelect)) {
    anchor_.X = ColCount() - 1;
    current_.X = fixedCols_;
  }
  UpdateScrollRange();
  Invalidate();
  UpdateEdit();
}

void TCustomGrid::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  RecreateWnd();
  UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomGrid::SetFixedColor(TColor v) {
  if (v == fixedColor_) return;
  fixedColor_ = v;
  Invalidate();
}

void TCustomGrid::SetCol(int v) {
  if (v != Col()) FocusCell(v, Row(), true);
}

void TCustomGrid::SetRow(int v) {
  if (v != Row()) FocusCell(Col(), v, true);
}

TGridRect TCustomGrid::Selection() const { return GridRect(current_, anchor_); }

void TCustomGrid::SetSelection(const TGridRect& v) {
  if (v.Left < 0 || v.Top < 0 || v.Right >= ColCount() || v.Bottom >= RowCount()) IndexOutOfRange(v.Right);
  TGridRect old = Selection();
  current_ = {v.Left, v.Top};
  anchor_ = {v.Right, v.Bottom};
  SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& oldSel) {
  InvalidateRect(oldSel);
  InvalidateRect(Selection());
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
  MoveCurrent(col, row, moveAnchor, true);
  UpdateEdit();
  Click();
}

void TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) IndexOutOfRange(col < 0 || col >= ColCount() ? col : row);
  if (!SelectCell(col, row)) return;
  TGridRect oldSel = Selection();
  TGridCoord oldCurrent = current_;
  current_ = {col, row};
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
  if (moveAnchor || !options_.Contains(goRangeSelect)) {
    anchor_ = current_;
    if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  }
  if (options_.Contains(goRowSelect)) current_.X = fixedCols_;
  if (show) ClampInView(current_);
  SelectionMoved(oldSel);
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(col, row);
}

// Dragging or Shift-clicking moves the far corner of the selection; the current cell stays.
void TCustomGrid::MoveAnchor(TGridCoord anchor) {
  if (!options_.Contains(goRangeSelect) || options_.Contains(goEditing)) {
    MoveCurrent(anchor.X, anchor.Y, true, true);
    return;
  }
  TGridRect oldSel = Selection();
  anchor_ = anchor;
  if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
  ClampInView(anchor);
  SelectionMoved(oldSel);
}

void TCustomGrid::MoveColumn(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  ColWidths(fromIndex);
  ColWidths(toIndex);
  MoveItem(colWidths_, fromIndex, toIndex);
  MoveItem(tabStops_, fromIndex, toIndex);
  FollowMovedLine(&TGridCoord::X, inplaceCol_, fromIndex, toIndex);
  ColumnMoved(fromIndex, toIndex);
  ColWidthsChanged();
  UpdateEdit();
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  RowHeights(fromIndex);
  RowHeights(toIndex);
  MoveItem(rowHeights_, fromIndex, toIndex);
  FollowMovedLine(&TGridCoord::Y, inplaceRow_, fromIndex, toIndex);
  RowMoved(fromIndex, toIndex);
  RowHeightsChanged();
  UpdateEdit();
}

// The current cell, the selection's anchor and the editor's cell move with their line.
void TCustomGrid::FollowMovedLine(int TGridCoord::*axis, int& inplace, int fromIndex, int toIndex) {
  MoveAdjust(current_.*axis, fromIndex, toIndex);
  MoveAdjust(anchor_.*axis, fromIndex, toIndex);
  MoveAdjust(inplace, fromIndex, toIndex);
  Invalidate();
}

void TCustomGrid::InvalidateRect(const TGridRect& rect) {
  if (!HandleAllocated()) return;
  TRect r = GridRectToScreenRect(rect, true);
  if (!r.IsEmpty()) ::InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::InvalidateCell(int col, int row) { InvalidateRect({col, row, col, row}); }

void TCustomGrid::InvalidateCol(int col) {
  if (!HandleAllocated()) return;
  InvalidateRect({col, 0, col, TopRow() + VisibleRowCount() + 1});
}

void TCustomGrid::InvalidateRow(int row) {
  if (!HandleAllocated()) return;
  InvalidateRect({0, row, LeftCol() + VisibleColCount() + 1, row});
}

bool TCustomGrid::IsActiveControl() {
  // On a form the grid counts as focused while it is the form's active control, also when
  // its editor has the keyboard or the form is not the active window.
  if (TCustomForm* form = GetParentForm(this)) return form->ActiveControl() == this;
  if (!HandleAllocated()) return false;
  for (HWND h = GetFocus(); h; h = GetParent(h))
    if (h == Handle()) return true;
  return false;
}

// The default hooks: a subclass overrides what it needs.
void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}
bool TCustomGrid::SelectCell(int, int) { return true; }
void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::SizeChanged(int, int) {}
bool TCustomGrid::BeginColumnDrag(int&, int&, TPoint) { return true; }
bool TCustomGrid::CheckColumnDrag(int&, int&, TPoint) { return true; }
bool TCustomGrid::EndColumnDrag(int&, int&, TPoint) { return true; }
bool TCustomGrid::BeginRowDrag(int&, int&, TPoint) { return true; }
bool TCustomGrid::CheckRowDrag(int&, int&, TPoint) { return true; }
bool TCustomGrid::EndRowDrag(int&, int&, TPoint) { return true; }

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollRange();
  InvalidateEditor();
}

void TCustomGrid::RowHeightsChanged() {
  UpdateScrollRange();
  InvalidateEditor();
}

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  OnDrawCell.Call(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int col, int row) {
  bool can = true;
  OnSelectCell.Call(this, col, row, can);
  return can;
}

void TCustomGrid::Publish() {
  TPublisher<TCustomGrid> p;
  p.Redeclare("Color").Default(clWindow);
  p.Redeclare("TabStop").Default(true);
  p.Property("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).Default(5);
  p.Property("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).Default(5);
  p.Property("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).Default(1);
  p.Property("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).Default(1);
  p.Property("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth).Default(64);
  p.Property("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight).Default(24);
  p.Property("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth).Default(1);
  p.Property("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars).Default(ssBoth);
  p.Property("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing).Default(true);
  p.Property("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions)
      .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
  p.Property("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor).Default(clBtnFace);
  p.Property("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle).Default(bsSingle);
}
