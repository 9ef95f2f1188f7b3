// Where the data lies between the titles and the footers, the draw information with the
// footer rows fixed at the bottom, and repainting the cells of a field or a column.
#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/windows/painting.h"

namespace {

int FooterRowsWithFiller(int footerRowCount) { return footerRowCount > 0 ? footerRowCount + 1 : 0; }

}  // namespace

TGridRect TCustomDBGridEx::DataBox() {
  const int bottom = RowCount() - FooterRowsWithFiller(footerRowCount_) - 1;
  return {IndicatorOffset(), TitleRowCount(), ColCount() - 1, bottom};
}

TRect TCustomDBGridEx::DataRect() {
  const TGridRect box = DataBox();
  return BoxRect(box.Left, box.Top, box.Right, box.Bottom);
}

int TCustomDBGridEx::DataRowCount() {
  return RowCount() - TitleRowCount() - FooterRowsWithFiller(footerRowCount_);
}

// Footers are the last grid rows; the layout sizes the rows so that they end at the bottom.
void TCustomDBGridEx::CalcGridDrawInfo(TDBGridExDrawInfo& info) {
  CalcDrawInfo(info);
  info.HorzTrail = {0, 0, info.Horz.GridExtent};
  const int footers = std::clamp(footerRowCount_, 0, RowCount() - FixedRows());
  int extent = 0;
  for (int row = RowCount() - footers; row < RowCount(); ++row) extent += info.Vert.Span(row);
  info.VertTrail = {footers, extent, info.Vert.GridExtent - extent};
}

void TCustomDBGridEx::InvalidateFieldColumns(const TField* field) {
  if (field == nullptr) return;
  for (int i = 0; i < Columns()->Count(); ++i) {
    if (Columns()->Items(i)->Field() == field) InvalidateCol(i + IndicatorOffset());
  }
}

void TCustomDBGridEx::InvalidateCurrentCell(int dataCol) { InvalidateCell(dataCol + IndicatorOffset(), Row()); }

void TCustomDBGridEx::InvalidateCell(int col, int row) {
  TCustomGrid::InvalidateCell(col, row);
  if (!HandleAllocated() || !Options().Contains(dgRowLines)) return;
  TRect above = CellRect(col, row);
  if (above.IsEmpty()) return;
  above.Top -= GridLineWidth();
  ::InvalidateRect(Handle(), &above, false);
}
