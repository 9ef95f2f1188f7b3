// The keyboard and the mouse into the filter row: Up from the first record, or Ctrl+Up, goes up
// into it, and a press on a filter cell edits it.
#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "platform/data/dataset.h"

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

void TDBGridExInput::FilterPress(TMouseButton button, const TDBGridExCellType& type) {
  if (button != mbLeft || type.ColKind != gckData || !grid_->FilterCellEditable(type.DataCol)) return;
  grid_->ShowFilterEditor(type.DataCol);
}
