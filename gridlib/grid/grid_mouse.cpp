// The grid under the mouse: a press moves the data set to the clicked record, titles act as
// buttons and sort markers, the indicator and the cells select, edges size, titles move
// columns, the wheel steps records.
#include <algorithm>
#include <cstdlib>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_width_optimizer.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/head_tree.h"
#include "gridlib/grid/record_drag.h"
#include "gridlib/grid/row_source.h"
#include "platform/core/scope_guard.h"
#include "platform/data/dataset.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"

namespace {

// Past this many pixels sideways a held title button becomes a column being moved.
constexpr int kTitleMoveThreshold = 3;
// The strip at the bottom of a title cell where a press selects the column.
constexpr int kColumnSelectStrip = 7;
constexpr int kDragTimerInterval = 60;

// Makes the record shown in `dataRow` current. Leaving a record being edited posts it, where
// it may move to its sorted place, or drops a new record left untouched: either can shift the
// rows on screen, so the record under the press is named before and gone to after, in the
// same row.
void MoveToPressedRecord(TCustomDBGridEx* grid, int dataRow) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  const int active = grid->DataLink()->ActiveRecord();
  if (dataRow == active || dataSet->State() == dsBrowse) {
    dataSet->MoveBy(dataRow - active);
    return;
  }
  TBookmark pressed;
  {
    DataRowReader reader(grid);
    if (reader.Select(dataRow)) pressed = dataSet->Bookmark();
  }
  dataSet->CheckBrowseMode();
  if (!pressed.empty() && dataSet->BookmarkValid(pressed)) dataSet->GotoBookmarkAtRow(pressed, dataRow);
}

}  // namespace

void TDBGridExInput::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbRight) grid_->SetMouseCapture(true);
  checkCell_ = {-1, -1};
  downPoint_ = lastPoint_ = {x, y};
  if (!grid_->TrySetFocus()) return;
  if (grid_->FilterEditorShown() && grid_->DataRect().Contains({x, y})) grid_->CloseFilterEditor();
  // OnMouseDown fires last, however the press was handled, unless a handler freed the grid
  // (and this controller with it).
  const TWatchedComponent watch(grid_);
  ScopeGuard fire([&watch, base = base_, button, shift, x, y] {
    if (watch.Get() != nullptr) base->FireMouseDown(button, shift, x, y);
  });
  if (shift.Contains(ssDouble) && button == mbLeft) {
    DoubleClick(shift, x, y);
    return;
  }
  TFrozenSizing frozen;
  if (button == mbLeft && FrozenSizingAt(x, y, frozen)) {
    grid_->DataLink()->UpdateRecord();
    StartFrozenSizing(frozen);
    return;
  }
  if (button == mbLeft && grid_->OptionsEx().Contains(dghTraceColSizing) && base_->ColumnSizingAt(x, y, frozen)) {
    // The width follows the mouse: the controller sizes the column as it sizes frozen ones.
    grid_->DataLink()->UpdateRecord();
    StartFrozenSizing(frozen);
    return;
  }
  // A press of any button on an edge is the base grid's: only the left one sizes.
  if (base_->OverSizingLine(x, y)) {
    grid_->DataLink()->UpdateRecord();
    fire.Keep();  // the base grid fires it
    base_->BaseMouseDown(button, shift, x, y);
    if (grid_->GridState() == gsColSizing || grid_->GridState() == gsRowSizing) SetState(gisSizing);
    return;
  }
  const TGridCoord cell = grid_->CoordAt(x, y);
  if (cell.X < 0 || cell.Y < 0) return;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.RowKind == grkTitle) {
    if (TitlePress(button, shift, cell, type, x, y)) fire.Keep();
    return;
  }
  if (type.RowKind == grkData && grid_->DataLink()->Active()) DataPress(button, shift, cell, type, x, y);
}

void TDBGridExInput::DoubleClick(TShiftState shift, int x, int y) {
  if (FitColumnsAtDivider(x, y)) return;
  const TGridCoord cell = grid_->CoordAt(x, y);
  if (cell.X >= 0 && cell.Y >= 0 && grid_->DataLink()->Active()) {
    const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
    if (type.RowKind == grkData && type.ColKind == gckData) {
      TColumnEx* column = grid_->Columns()->Items(type.DataCol);
      const TColumnCellType kind = column->GetColumnType();
      const bool graphic = kind == cctImageList || kind == cctCheckboxes;
      if (graphic && column->DblClickNextVal() && column->CanModify(true)) {
        column->SetNextFieldValue(shift.Contains(ssShift) ? -1 : 1);
      }
    }
  }
  grid_->DblClick();
}

// With dghDblClickOptimizeColWidth a double click on a column's sizing line fits the column (or
// the selected columns it belongs to) instead of being a double click.
bool TDBGridExInput::FitColumnsAtDivider(int x, int y) {
  if (!grid_->OptionsEx().Contains(dghDblClickOptimizeColWidth)) return false;
  TFrozenSizing sizing;
  if (!base_->ColumnSizingAt(x, y, sizing) && !FrozenSizingAt(x, y, sizing)) return false;
  const int dataCol = sizing.Col - grid_->IndicatorOffset();
  if (dataCol < 0 || dataCol >= grid_->Columns()->Count()) return false;
  grid_->OptimizeColsWidth(ColumnsFitAtDivider(grid_, grid_->Columns()->Items(dataCol)));
  return true;
}

// Whether the base grid took the press (and fired OnMouseDown itself).
bool TDBGridExInput::TitlePress(TMouseButton button, TShiftState shift, TGridCoord cell,
                                const TDBGridExCellType& type, int x, int y) {
  if (type.ColKind == gckData && ColumnSelectStrip(cell, y)) {
    StartColumnSelection(shift, type.DataCol);
    return false;
  }
  const bool designing = grid_->IsDesigning();
  if (type.ColKind == gckData && !designing && InLeafTitle(cell, type.DataCol, y)) {
    if (button == mbRight && grid_->Options().Contains(dgColumnResize)) {
      rightAsLeft_ = true;
      button = mbLeft;
    }
    if (button == mbLeft && TitleButtonEnabled(type.DataCol)) {
      grid_->SetMouseCapture(true);
      SetState(gisTitleDown);
      pressedTitleCol_ = cell.X;
      titleLooksPressed_ = true;
      grid_->InvalidateCell(cell.X, cell.Y);
      return false;
    }
  }
  if (!designing && !grid_->Options().Contains(dgColumnResize)) return false;
  if (type.ColKind == gckIndicator) IndicatorTitlePress();
  StartColumnMove(shift, x, y);
  return true;
}

// Under multi-level titles only a column's own caption, below the headings it shares, is its
// button.
bool TDBGridExInput::InLeafTitle(TGridCoord cell, int dataCol, int y) {
  if (!grid_->UseMultiTitle() || !grid_->Options().Contains(dgTitles)) return true;
  const THeadTreeNode* leaf = grid_->Layout()->TitleLeaf(dataCol);
  return leaf == nullptr || y >= grid_->CellRect(cell.X, cell.Y).Bottom - leaf->Height;
}

bool TDBGridExInput::TitleButtonEnabled(int dataCol) {
  if (dataCol < 0 || dataCol >= grid_->Columns()->Count()) return false;
  return grid_->CheckTitleBtn(dataCol);
}

// The indicator's title selects every record, or clears a selection there is.
void TDBGridExInput::IndicatorTitlePress() {
  if (!grid_->Options().Contains(dgMultiSelect) || !grid_->DataLink()->Active()) return;
  if (!grid_->SelectionTypeAllowed(gstAll)) return;
  if (grid_->Selection()->SelectionType() != gstNon) grid_->Selection()->Clear();
  else grid_->Selection()->SelectAll();
}

void TDBGridExInput::StartColumnMove(TShiftState shift, int x, int y) {
  grid_->DataLink()->UpdateRecord();
  base_->BaseMouseDown(mbLeft, shift, x, y);
  if (grid_->GridState() == gsColMoving) SetState(gisMovingColumn);
}

// The bottom strip of a title cell selects whole columns, where column selection is allowed.
bool TDBGridExInput::ColumnSelectStrip(TGridCoord cell, int y) {
  if (!grid_->Options().Contains(dgTitles) || cell.Y != 0 || grid_->Options().Contains(dgRowSelect)) return false;
  if (grid_->IsDesigning()) return false;
  if (!grid_->SelectionTypeAllowed(gstColumns) || !grid_->DataLink()->Active()) return false;
  const TRect rect = grid_->CellRect(cell.X, cell.Y);
  return y >= rect.Bottom - std::min(kColumnSelectStrip, rect.Height());
}

void TDBGridExInput::StartColumnSelection(TShiftState shift, int dataCol) {
  TColumnEx* column = grid_->Columns()->Items(dataCol);
  TDBGridExSelectionCols* columns = grid_->Selection()->Columns();
  SetState(gisSelecting, gsdColumns);
  grid_->SetMouseCapture(true);
  StartTimer(kDragTimerInterval);
  if (shift.Contains(ssShift)) {
    columns->SelectShift(column);
  } else if (Ctrl(shift)) {
    columns->InvertSelect(column);
  } else {
    grid_->Invalidate();
    columns->Select(column, false);
  }
}

void TDBGridExInput::DataPress(TMouseButton button, TShiftState shift, TGridCoord cell,
                               const TDBGridExCellType& type, int x, int y) {
  if (button == mbLeft && recordDrag_->MouseDown(x, y, shift, false)) {
    if (!recordDrag_->Moving()) return;
    SetState(gisDraggingRecords);
    grid_->SetMouseCapture(true);
    StartTimer(kDragTimerInterval);
    return;
  }
  if (treeNodes_.MouseDown(x, y)) return;
  const bool indicator = type.ColKind == gckIndicator;
  const bool rowSelect = grid_->Options().Contains(dgRowSelect);
  const bool multiSelect = grid_->Options().Contains(dgMultiSelect);
  // The data set's and the column's handlers may free the grid, and this controller with it.
  const TWatchedComponent watch(grid_);
  {
    GridUpdateLock lock(grid_);
    grid_->DataLink()->UpdateRecord();
    if (!grid_->EditorAlwaysShown()) grid_->HideEditor();
    const int oldCol = grid_->SelectedIndex();
    const TBookmark oldBookmark = grid_->SelectedRows()->CurrentRow();
    const bool wasCurrent = cell.X == grid_->Col() && type.DataRow == grid_->DataLink()->ActiveRecord();
    const bool selectionMoves = shift.Contains(ssShift) && multiSelect && (rowSelect || indicator);
    if (!selectionMoves) MoveToPressedRecord(grid_, type.DataRow);
    if (watch.Get() == nullptr) return;
    if (!indicator) MoveCol(cell.X, 0, false);
    if (watch.Get() == nullptr) return;
    if (button == mbLeft && !shift.Contains(ssShift) && grid_->MouseCapture() && !indicator &&
        grid_->Selection()->DataCellSelected(type.DataCol, grid_->SelectedRows()->CurrentRow())) {
      clickOnSelection_ = true;
      return;
    }
    if (!(multiSelect && rowSelect) && !indicator) CellSelectionPress(button, shift, type, oldCol, oldBookmark);
    if (indicator || rowSelect) RecordSelectionPress(button, shift, type, indicator);
    // A press on a cell's edit buttons opens the editor and presses the button in one click.
    const bool onButtons = button == mbLeft && !indicator && grid_->EditButtonRects(cell.X, cell.Y).ButtonAt(Point(x, y)) >= 0;
    if (button == mbLeft && !indicator && (grid_->EditorAlwaysShown() || wasCurrent || onButtons)) grid_->ShowInplaceEditor();
    if (onButtons && grid_->InplaceEditorShowing()) {
      StopTracking();
      grid_->PressInplaceEditor(x, y);
      return;
    }
    if (button == mbLeft && !indicator) {
      const TColumnCellType kind = grid_->Columns()->Items(type.DataCol)->GetColumnType();
      if (kind == cctImageList || kind == cctCheckboxes) checkCell_ = cell;
    }
  }
}

// A press among the cells: tracking starts, the selection goes unless a modifier keeps it,
// and a rectangle starts at the cell (Shift: from the old current cell).
void TDBGridExInput::CellSelectionPress(TMouseButton button, TShiftState shift, const TDBGridExCellType& type,
                                        int oldCol, const TBookmark& oldBookmark) {
  SetState(gisSelecting, gsdCells);
  const bool keep = button == mbRight && grid_->Selection()->DataCellSelected(type.DataCol, grid_->SelectedRows()->CurrentRow());
  if (!Ctrl(shift) && !shift.Contains(ssShift) && grid_->OptionsEx().Contains(dghClearSelection) && !keep) {
    grid_->ClearSelection();
  }
  if (button != mbLeft || !grid_->SelectionTypeAllowed(gstRectangle) || grid_->DataLink()->DataSet()->IsEmpty()) return;
  TDBGridExSelectionRect* rect = grid_->Selection()->Rect();
  const TBookmark here = grid_->SelectedRows()->CurrentRow();
  if (shift.Contains(ssShift)) {
    if (grid_->Selection()->SelectionType() != gstRectangle) rect->Select(oldCol, oldBookmark, false);
    rect->Select(type.DataCol, here, true);
  } else {
    rect->Select(type.DataCol, here, false);
  }
  selectDrag_ = gsdRectangle;
}

// A press in the indicator (or anywhere with whole-row selection) selects records.
void TDBGridExInput::RecordSelectionPress(TMouseButton button, TShiftState shift, const TDBGridExCellType& type,
                                          bool indicator) {
  if (!grid_->SelectionTypeAllowed(gstRecordBookmarks)) return;
  TBookmarkListEx* rows = grid_->SelectedRows();
  const int distance = type.DataRow - grid_->DataLink()->ActiveRecord();
  if (shift.Contains(ssShift) && distance != 0) {
    // Shift selects the records up to the clicked one; only Ctrl makes it a toggle.
    toggleMode_ = Ctrl(shift);
    SelectMoveBy(true, distance, true, false);
  } else if (button == mbLeft) {
    const bool toggle = Ctrl(shift) || !grid_->OptionsEx().Contains(dghClearSelection);
    if (toggle) {
      rows->SetCurrentRowSelected(!rows->CurrentRowSelected());
    } else {
      grid_->ClearSelection();
      rows->SetCurrentRowSelected(true);
    }
  }
  if (!indicator && !grid_->Options().Contains(dgRowSelect)) return;
  SetState(gisSelecting, gsdRecords);
  anchorBookmark_ = rows->CurrentRow();
  anchorWasSelected_ = !rows->CurrentRowSelected();
  extending_ = true;
  toggleMode_ = Ctrl(shift) || !grid_->OptionsEx().Contains(dghClearSelection);
}

void TDBGridExInput::MouseMove(TShiftState shift, int x, int y) {
  const bool moved = TPoint{x, y} != lastPoint_;
  lastPoint_ = {x, y};
  lastShift_ = shift;
  if (clickOnSelection_) {
    clickOnSelection_ = false;
    grid_->BeginDrag(false);
    return;
  }
  switch (state_) {
    case gisTitleDown: TitleDrag(shift, x, y); break;
    case gisSelecting:
      if (selectDrag_ == gsdColumns) ColumnDrag(x, y);
      else SelectionDrag(moved, shift, x, y);
      break;
    case gisDraggingRecords: recordDrag_->Follow(x, y, false); break;
    case gisSizing:
      if (frozenSizing_) FrozenSizingMove(x);
      break;
    default: break;
  }
  base_->BaseMouseMove(shift, x, y);
}

// A held title button looks pressed while the mouse is over it, like any button; far enough
// sideways it becomes a column move.
void TDBGridExInput::TitleDrag(TShiftState shift, int x, int y) {
  const int col = pressedTitleCol_;
  const bool over = OverTitle(col, x, y);
  if (over != titleLooksPressed_) {
    titleLooksPressed_ = over;
    grid_->InvalidateCell(col, 0);
  }
  if (std::abs(x - downPoint_.x) <= kTitleMoveThreshold || !grid_->Options().Contains(dgColumnResize)) return;
  pressedTitleCol_ = -1;
  SetState(gisIdle);
  grid_->InvalidateCell(col, 0);
  grid_->SetMouseCapture(true);
  StartColumnMove(shift, downPoint_.x, downPoint_.y);
}

void TDBGridExInput::SelectionDrag(bool moved, TShiftState shift, int x, int y) {
  const TRect data = grid_->DataRect();
  const int cx = std::clamp(x, data.Left, std::max(data.Left, data.Right - 1));
  const int cy = std::clamp(y, data.Top, std::max(data.Top, data.Bottom - 1));
  const TGridCoord cell = grid_->CoordAt(cx, cy);
  if (cell.Y >= 0) {
    const TDBGridExCellType type = grid_->GetCellType(std::max(cell.X, 0), cell.Y);
    const int distance = type.RowKind == grkData ? type.DataRow - grid_->DataLink()->ActiveRecord() : 0;
    const bool select = moved && shift.Contains(ssLeft);
    if (distance != 0) SelectMoveBy(select, distance, selectDrag_ != gsdRectangle, false);
    if (selectDrag_ != gsdRecords && cell.X >= grid_->IndicatorOffset() && cell.X != grid_->Col()) {
      MoveCol(cell.X, 0, false);
    }
    if (selectDrag_ == gsdRectangle) {
      grid_->Selection()->Rect()->Select(grid_->SelectedIndex(), grid_->SelectedRows()->CurrentRow(), true);
    }
  }
  TimerStep(lastPoint_);
}

void TDBGridExInput::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // The click's handlers may free the grid, and this controller with it.
  const TWatchedComponent watch(grid_);
  const TGridState baseState = grid_->GridState();
  const bool baseSized = baseState == gsColSizing || baseState == gsRowSizing || frozenSizing_;
  if (frozenSizing_) FinishFrozenSizing();
  if (state_ == gisDraggingRecords) {
    SetState(gisIdle);
    // A move that fails still lets the mouse and the timer go.
    ScopeGuard release([this] { StopTracking(); });
    recordDrag_->Stop(x, y, true);
  }
  if (clickOnSelection_) PendingClickUp(shift);
  extending_ = false;
  if (state_ == gisTitleDown) TitleRelease(shift, x, y);
  if (watch.Get() == nullptr) return;
  if (rightAsLeft_) {
    rightAsLeft_ = false;
    button = mbLeft;
  }
  StopTracking();
  base_->BaseMouseUp(button, shift, x, y);
  if (!baseSized && button == mbLeft) ClickEvents(shift, x, y);
  if (watch.Get() != nullptr) checkCell_ = {-1, -1};
}

void TDBGridExInput::PendingClickUp(TShiftState shift) {
  clickOnSelection_ = false;
  if (Ctrl(shift) && grid_->Options().Contains(dgRowSelect)) {
    TBookmarkListEx* rows = grid_->SelectedRows();
    rows->SetCurrentRowSelected(!rows->CurrentRowSelected());
  } else {
    grid_->ClearSelection();
  }
}

// The title button fires when released over the pressed title; with automatic sort marking
// the marker changes, and with Ctrl held the change is told once Ctrl is released.
void TDBGridExInput::TitleRelease(TShiftState shift, int x, int y) {
  const int col = pressedTitleCol_;
  const bool over = OverTitle(col, x, y);
  StopTracking();
  if (!over) return;
  const int dataCol = col - grid_->IndicatorOffset();
  TColumnEx* column = grid_->Columns()->Items(dataCol);
  const TWatchedComponent watch(grid_);
  grid_->TitleBtnClick(dataCol, column);
  if (watch.Get() == nullptr || !grid_->OptionsEx().Contains(dghAutoSortMarking)) return;
  const bool ctrl = Ctrl(shift);
  column->Title()->ToggleSortMarker(ctrl && grid_->OptionsEx().Contains(dghMultiSortMarking));
  // With Ctrl held the sort waits for Ctrl's release (or the focus going), so that several
  // clicks sort once.
  if (ctrl) sortPending_ = true;
  else grid_->SortMarkingChanged();
}

// Whether (x, y) is on the own caption of grid column `col`'s title.
bool TDBGridExInput::OverTitle(int col, int x, int y) {
  const TGridCoord cell = grid_->CoordAt(x, y);
  return grid_->ClientRect().Contains({x, y}) && cell.X == col && cell.Y == 0 &&
         InLeafTitle(cell, col - grid_->IndicatorOffset(), y);
}

void TDBGridExInput::ClickEvents(TShiftState shift, int x, int y) {
  const TGridCoord cell = grid_->CoordAt(x, y);
  if (cell.X < grid_->IndicatorOffset() || cell.Y < 0) return;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.ColKind != gckData) return;
  TColumnEx* column = grid_->Columns()->Items(type.DataCol);
  const TWatchedComponent watch(grid_);
  if (type.RowKind == grkData) grid_->CellClick(column);
  else if (type.RowKind == grkTitle || type.RowKind == grkFilter) grid_->TitleClick(column);
  if (watch.Get() == nullptr || type.RowKind != grkData || cell != checkCell_ || column->DblClickNextVal()) return;
  if (column->CanModify(true)) column->SetNextFieldValue(shift.Contains(ssShift) ? -1 : 1);
}

// The edges the controller sizes itself show the sizing cursor: frozen columns', and any
// column's while the width follows the mouse (found where it is seen when right to left).
bool TDBGridExInput::ShowsOwnSizingCursor(int x, int y) {
  if (frozenSizing_) return true;
  if (state_ != gisIdle) return false;
  TFrozenSizing unused;
  if (FrozenSizingAt(x, y, unused)) return true;
  return grid_->OptionsEx().Contains(dghTraceColSizing) && base_->ColumnSizingAt(x, y, unused);
}

// A notch steps one record. Where the rows scroll without the cursor (the record-access
// interface) the view scrolls instead, unless Shift moves the cursor; Ctrl makes either a page.
bool TDBGridExInput::MouseWheel(TShiftState shift, int wheelDelta) {
  if (!grid_->DataLink()->Active()) return false;
  const bool viewScrolls = grid_->RowSource()->WheelScrollsView();
  const bool scrollsView = viewScrolls && !shift.Contains(ssShift);
  const bool pages = viewScrolls && Ctrl(shift);
  wheelRest_ += wheelDelta;
  while (std::abs(wheelRest_) >= WHEEL_DELTA) {
    const bool down = wheelRest_ < 0;
    wheelRest_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
    if (scrollsView) {
      const int code = pages ? (down ? SB_PAGEDOWN : SB_PAGEUP) : (down ? SB_LINEDOWN : SB_LINEUP);
      grid_->Perform(WM_VSCROLL, MakeWParam(code, 0), 0);
    } else {
      const int step = pages ? grid_->VisibleDataRowCount() : 1;
      grid_->DataLink()->DataSet()->MoveBy(down ? step : -step);
    }
  }
  return true;
}
