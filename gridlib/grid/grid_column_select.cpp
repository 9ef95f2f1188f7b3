// Selecting whole columns by dragging across the titles: the columns under the mouse join the
// selection, and past the scrolled columns they scroll into view a column a tick.
#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"

void TDBGridExInput::ColumnDrag(int x, int y) {
  const TRect data = grid_->DataRect();
  if (x < data.Left || x >= data.Right) {
    TimerStep({x, y});
    return;
  }
  SelectColumnsTo(grid_->CoordAt(x, std::max(0, std::min(y, data.Top))).X);
}

// The selection reaches from its anchor column to grid column `col`.
void TDBGridExInput::SelectColumnsTo(int col) {
  const int dataCol = col - grid_->IndicatorOffset();
  if (dataCol < 0 || dataCol >= grid_->Columns()->Count()) return;
  grid_->Selection()->Columns()->SelectShift(grid_->Columns()->Items(dataCol));
}
