// Selecting whole columns by dragging across the titles: the columns under the mouse join the
// selection, and past the scrolled columns they scroll into view a column a tick.
#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"

namespace {

// The farther past the edge the mouse is held, the faster the columns scroll.
int ColumnScrollInterval(int distance) { return std::max(0, 200 - 10 * distance); }

}  // namespace

void TDBGridExInput::ColumnDrag(int x, int y) {
  const TRect data = grid_->DataRect();
  if (x < data.Left || x >= data.Right) {
    ColumnScrollStep(x);
    return;
  }
  SelectColumnsTo(grid_->MouseCoord(x, std::max(0, std::min(y, data.Top))).X);
}

// The selection reaches from its anchor column to grid column `col`.
void TDBGridExInput::SelectColumnsTo(int col) {
  const int dataCol = col - grid_->IndicatorOffset();
  if (dataCol < 0 || dataCol >= grid_->Columns()->Count()) return;
  grid_->Selection()->Columns()->SelectShift(grid_->Columns()->Items(dataCol));
}

void TDBGridExInput::ColumnScrollStep(int x) {
  const TRect data = grid_->DataRect();
  int distance = 0;
  if (x < data.Left) {
    distance = data.Left - x;
    if (grid_->LeftCol() > grid_->FixedCols()) grid_->SetLeftCol(grid_->LeftCol() - 1);
    SelectColumnsTo(grid_->LeftCol());
  } else if (x >= data.Right) {
    distance = x - data.Right + 1;
    TGridDrawInfo info;
    grid_->CalcDrawInfo(info);
    if (info.Horz.LastFullVisibleCell < grid_->ColCount() - 1) {
      grid_->SetLeftCol(grid_->LeftCol() + 1);
      grid_->CalcDrawInfo(info);
    }
    SelectColumnsTo(info.Horz.LastFullVisibleCell);
  } else {
    return;
  }
  StartTimer(ColumnScrollInterval(distance));
}
