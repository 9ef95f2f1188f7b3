// The data set moved its window of records: the rows that stay in view move with their pixels
// and only what came into view, the current rows and the footers are painted again.
#include <algorithm>
#include <cstdlib>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_styles.h"

namespace {

// The rows of data records on screen, lines included, across the whole client width.
TRect DataRowsArea(TCustomDBGridEx* grid) {
  const int first = grid->TitleRowCount();
  const int last = first + grid->DataRowCount() - 1;
  TRect area = grid->BoxRect(0, first, grid->ColCount() - 1, last);
  area.Left = 0;
  area.Right = grid->ClientWidth();
  if (grid->Options().Contains(dgRowLines)) area.Bottom += grid->GridLineWidth();
  return area;
}

}  // namespace

void TCustomDBGridEx::Scroll(int distance) {
  const bool movesPixels = distance != 0 && HandleAllocated() && !inLayoutPass_ && !settingRows_ &&
                           !InMemTableMode() && !InplaceEditorShowing() &&
                           std::abs(distance) < DataRowCount();
  if (!movesPixels) {
    DataChanged();
    return;
  }
  // A record window that keeps its size keeps the rows as they are.
  if (DataLink()->RecordCount() != DataRowCount()) {
    DataChanged();
    return;
  }
  const int oldCurrent = Row();
  const TRect before = DataRowsArea(this);
  UpdateVertScrollBar();
  UpdateActive();
  const int pitch = DefaultRowHeight() + (Options().Contains(dgRowLines) ? GridLineWidth() : 0);
  ScrollWindowEx(Handle(), 0, -distance * pitch, &before, &before, nullptr, nullptr, SW_INVALIDATE);
  // The rows that were and are current change their highlight and indicator.
  const int moved = oldCurrent - distance;
  if (moved >= TitleRowCount() && moved < TitleRowCount() + DataRowCount()) InvalidateRow(moved);
  InvalidateRow(Row());
  InvalidateFooter();
}
