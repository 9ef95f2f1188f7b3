// The pointer over the grid: the record-selection arrow over the indicator, the column-selection
// arrow over the bottom strip of a title, the sizing arrows of frozen columns, and the shape
// of an operation under way.
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/record_drag.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/data/dataset.h"
#include "platform/windows/cursors.h"
#include "platform/windows/keys.h"

namespace {

// Under right-to-left alignment the indicator stands at the right edge, so its arrow points
// left, at the rows.
TDBGridExCursor RecordArrow(TCustomDBGridEx* grid) {
  return grid->BiDiMode() == bdRightToLeft ? gcLeftEx : gcRightEx;
}

}  // namespace

intptr_t TDBGridExInput::CursorAt(int x, int y) {
  if (ShowsOwnSizingCursor(x, y)) return Screen != nullptr ? Screen->Cursors(crHSplit) : 0;
  if (state_ == gisSelecting && selectDrag_ == gsdColumns) return DBGridExCursorHandle(gcDownEx);
  if (state_ != gisIdle || grid_->GridState() != gsNormal) return 0;
  if (grid_->IsDesigning() || !grid_->DataLink()->Active() || !grid_->Options().Contains(dgMultiSelect)) return 0;
  if (base_->OverSizingLine(x, y) || recordDrag_->MouseDown(x, y, GetShiftState(), true)) return 0;
  const TGridCoord cell = grid_->CoordAt(x, y);
  if (cell.X < 0 || cell.Y < 0) return 0;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.ColKind == gckIndicator && type.RowKind == grkData) {
    const bool records = !grid_->DataLink()->DataSet()->IsEmpty() && grid_->SelectionTypeAllowed(gstRecordBookmarks);
    return records ? DBGridExCursorHandle(RecordArrow(grid_)) : 0;
  }
  if (type.ColKind == gckData && ColumnSelectStrip(cell, y)) return DBGridExCursorHandle(gcDownEx);
  return 0;
}
