// The keyboard and the mouse into the filter row: Up from the first record, or Ctrl+Up, goes up
// into it, a press on a filter cell edits it, and what is typed while it is edited goes there.
#include <algorithm>

#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "platform/data/dataset.h"
#include "platform/windows/messages.h"

// Whether the key went into the filter row.
bool TDBGridExInput::EnterFilterRow(TShiftState shift) {
  TGridDataLinkEx* link = grid_->DataLink();
  if (!grid_->STFilterVisible() || !link->Active()) return false;
  TDataSet* dataSet = link->DataSet();
  if (!Ctrl(shift) && !dataSet->Bof() && dataSet->RecNo() != 1) return false;
  const int dataCol = FilterColumnToEnter();
  if (dataCol < 0) return false;
  grid_->ShowFilterEditor(dataCol);
  return grid_->FilterEditorShown();
}

// While a filter cell is edited, what is typed to the grid is typed there: it goes on to the
// editor behind the characters already queued for it.
bool TDBGridExInput::CharToFilterRow(const TMessage& m) {
  const bool typed = m.WParam == VK_BACK || m.WParam >= 32;
  if (!typed || !grid_->FilterEditorShown()) return false;
  grid_->PlaceFilterEditor(false);
  TInplaceFilterEditEx* editor = grid_->FilterEditor();
  if (editor == nullptr || !editor->Visible()) return false;
  PostMessage(editor->EditControl()->Handle(), WM_CHAR, m.WParam, m.LParam);
  return true;
}

// The current column; with whole rows selected, which have no current column, the first
// filterable one from the column edited last (from the left-most column shown when that one is
// scrolled out of view).
int TDBGridExInput::FilterColumnToEnter() {
  if (!grid_->Options().Contains(dgRowSelect)) return grid_->SelectedIndex();
  const int offset = grid_->IndicatorOffset();
  const int count = grid_->Columns()->Count();
  int from = grid_->FilterEditing()->FilterCol();
  const int col = from + offset;
  const bool onScreen = col >= grid_->LeftCol() && col < grid_->LeftCol() + grid_->VisibleColCount();
  if (from < 0 || (!onScreen && col >= grid_->FixedCols())) from = grid_->LeftCol() - offset;
  for (int dataCol = std::max(from, 0); dataCol < count; ++dataCol) {
    if (grid_->FilterCellEditable(dataCol)) return dataCol;
  }
  return -1;
}

// The press reaches the editor too, so that its list button drops the list in the same click;
// the grid's own press handling does not run.
bool TDBGridExInput::FilterRowPress(TMessage& m) {
  if (grid_->IsDesigning() || !grid_->STFilterVisible()) return false;
  const TPoint at{LoSigned(m.LParam), HiSigned(m.LParam)};
  const TGridCoord cell = grid_->MouseCoord(at.x, at.y);
  if (cell.X < 0 || cell.Y < 0) return false;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.RowKind != grkFilter || type.ColKind != gckData || !grid_->FilterCellEditable(type.DataCol)) return false;
  ClearSelectionOnMove();
  grid_->ShowFilterEditor(type.DataCol);
  TInplaceFilterEditEx* editor = grid_->FilterEditor();
  if (m.Msg == WM_LBUTTONDOWN && editor != nullptr && editor->Visible()) {
    const TPoint inside = editor->ScreenToClient(grid_->ClientToScreen(at));
    editor->Perform(WM_LBUTTONDOWN, m.WParam, PointToLParam(inside));
  }
  return true;
}
