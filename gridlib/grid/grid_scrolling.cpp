// The grid scrolled, or the data set moved its window of records: the row source decides what
// follows, the grid keeps its titles and the horizontal bar in step.
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/row_source.h"

void TCustomDBGridEx::Scroll(int distance) { RowSource()->RecordWindowScrolled(distance); }

// The title rows look different while the first rows are scrolled away: they repaint when
// the top row reaches or leaves the first data row.
void TCustomDBGridEx::TopLeftChanged() {
  const bool atTop = TopRow() == FixedRows();
  if (atTop != topRowAtTitles_) {
    topRowAtTitles_ = atTop;
    for (int row = 0; row < FixedRows(); ++row) InvalidateRow(row);
  }
  TCustomGrid::TopLeftChanged();
  UpdateHorzScrollBar();
  RowSource()->TopRowChanged();
  PlaceFilterEditor(false);
}
