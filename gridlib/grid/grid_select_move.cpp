// Moving the data set's cursor and the current column while keeping the selection: what
// arrows, pages, Tab and dragging the mouse share.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/core/scope_guard.h"
#include "platform/data/dataset.h"

void TDBGridExInput::SelectMoveBy(bool select, int distance, bool noRectangle, bool toEnd) {
  if (!noRectangle && !grid_->Options().Contains(dgRowSelect)) {
    SelectRectangleMove(select, distance, toEnd);
    return;
  }
  SelectRecordsMove(select, distance, toEnd);
}

void TDBGridExInput::MoveDataSet(int distance, bool toEnd) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (!toEnd) dataSet->MoveBy(distance);
  else if (distance < 0) dataSet->First();
  else dataSet->Last();
}

void TDBGridExInput::SelectRectangleMove(bool select, int distance, bool toEnd) {
  if (!select || !grid_->SelectionTypeAllowed(gstRectangle)) {
    MoveDataSet(distance, toEnd);
    return;
  }
  {
    GridUpdateLock lock(grid_);
    TDBGridExSelectionRect* rect = grid_->Selection()->Rect();
    const int dataCol = grid_->SelectedIndex();
    if (grid_->Selection()->SelectionType() != gstRectangle) {
      rect->Select(dataCol, grid_->SelectedRows()->CurrentRow(), false);
    }
    MoveDataSet(distance, toEnd);
    rect->Select(dataCol, grid_->SelectedRows()->CurrentRow(), true);
  }
  grid_->Invalidate();
}

void TDBGridExInput::SelectRecordsMove(bool select, int distance, bool toEnd) {
  select = select && grid_->SelectionTypeAllowed(gstRecordBookmarks);
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  // The data set's handlers may free the grid, and this controller with it.
  const TWatchedComponent watch(grid_);
  {
    GridUpdateLock lock(grid_);
    const bool longJump = toEnd || grid_->DataLink()->BufferCount() <= std::abs(distance);
    // A long walk keeps the data set's controls quiet and lets them show only its end.
    std::optional<DisableControlsGuard> quiet;
    if (longJump) quiet.emplace(dataSet);
    const int step = distance < 0 ? -1 : 1;
    for (int done = 0; toEnd || done < std::abs(distance); ++done) {
      const bool mark = MarkBeforeStep(select, step);
      if (dataSet->MoveBy(step) == 0 || watch.Get() == nullptr) break;
      if (mark) grid_->SelectedRows()->SetCurrentRowSelected(AnchorGivesSelected());
    }
  }
  if (watch.Get() == nullptr) return;
  grid_->SelectionChanged();
  grid_->Invalidate();
}

// The state a record reached while extending gets: the opposite of the anchor's former state
// in toggle mode, else selected.
bool TDBGridExInput::AnchorGivesSelected() const { return toggleMode_ ? !anchorWasSelected_ : true; }

// Before one step of a record walk: starts or undoes the extension at the current record;
// whether the record reached next is to be marked.
bool TDBGridExInput::MarkBeforeStep(bool select, int step) {
  if (!grid_->Options().Contains(dgMultiSelect) || !grid_->DataLink()->Active()) return false;
  if (!select) {
    ClearSelectionOnMove();
    return false;
  }
  TBookmarkListEx* rows = grid_->SelectedRows();
  if (!extending_) {
    anchorBookmark_ = rows->CurrentRow();
    anchorWasSelected_ = rows->CurrentRowSelected();
    rows->SetCurrentRowSelected(AnchorGivesSelected());
    extending_ = true;
    return true;
  }
  // Moving back towards the anchor gives the record left behind its former state.
  const int side = rows->Compare(rows->CurrentRow(), anchorBookmark_);
  if (side != 0 && (side < 0) != (step < 0)) {
    rows->SetCurrentRowSelected(toggleMode_ ? anchorWasSelected_ : false);
    return false;
  }
  return true;
}

void TDBGridExInput::ClearSelectionOnMove() {
  const TDBGridExOptions options = grid_->OptionsEx();
  extending_ = false;
  if (!options.Contains(dghClearSelection)) return;
  if (grid_->Options().Contains(dgMultiSelect)) grid_->SelectedRows()->Clear();
  if (grid_->Selection()->SelectionType() == gstNon) return;
  grid_->ClearSelection();
  grid_->Invalidate();
  grid_->RefreshInplaceEditor();
}

void TDBGridExInput::MoveCol(int col, int direction, bool select) {
  const bool rectangle = select && RectangleWanted();
  if (rectangle && grid_->Selection()->SelectionType() != gstRectangle) {
    grid_->Selection()->Rect()->Select(grid_->SelectedIndex(), grid_->SelectedRows()->CurrentRow(), false);
  }
  grid_->DataLink()->UpdateRecord();
  col = std::clamp(col, grid_->IndicatorOffset(), grid_->ColCount() - 1);
  if (direction != 0) {
    while (col >= grid_->IndicatorOffset() && col < grid_->ColCount() && grid_->ColWidths(col) <= 0) col += direction;
    if (col < grid_->IndicatorOffset() || col >= grid_->ColCount()) return;
  }
  if (col != grid_->Col() && !ChangeColumn(col)) return;
  if (rectangle) grid_->Selection()->Rect()->Select(grid_->SelectedIndex(), grid_->SelectedRows()->CurrentRow(), true);
  editKeys_->StopSearch();
}

// Leaves the current column for `col`; false when the application moved elsewhere meanwhile,
// or freed the grid.
bool TDBGridExInput::ChangeColumn(int col) {
  const int before = grid_->Col();
  // The handlers may free the grid, and this controller with it.
  const TWatchedComponent watch(grid_);
  if (!inColExit_) {
    ScopeGuard exiting([this, &watch] {
      if (watch.Get() != nullptr) inColExit_ = false;
    });
    inColExit_ = true;
    grid_->ColExit();
  }
  if (watch.Get() == nullptr || grid_->Col() != before) return false;
  if (!grid_->EditorAlwaysShown()) grid_->HideEditor();
  if (!grid_->Options().Contains(dgRowSelect)) grid_->SetCol(col);
  grid_->ColEnter();
  return watch.Get() != nullptr;
}

void TDBGridExInput::TabMove(bool forward) {
  ClearSelectionOnMove();
  GridUpdateLock lock(grid_);
  const int first = grid_->IndicatorOffset();
  const int last = grid_->ColCount() - 1;
  const int start = grid_->Col();
  int col = start;
  for (;;) {
    col += forward ? 1 : -1;
    if (col > last) {
      NextRow(false);
      col = first;
    } else if (col < first) {
      PriorRow(false);
      col = last;
    }
    if (col == start) return;
    if (grid_->TabStops(col)) {
      MoveCol(col, 0, false);
      return;
    }
  }
}
