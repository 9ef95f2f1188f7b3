// Where a press sizes a column or a row: the base grid's edges, corrected for the data grid's
// indicator, frozen columns and a column wider than the window.
#include <algorithm>

#include "gridlib/grid/db_grid.h"

void TCustomDBGridEx::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                      TGridDrawInfo& info) {
  TCustomGrid::CalcSizingState(x, y, state, index, sizingPos, sizingOfs, info);
  if (state == gsColSizing) {
    // The base grid names the column after the last whole one at the window's edge: past the
    // last column that is none, and with no whole column shown it is the one after the
    // column that fills the window.
    if (info.Horz.FullVisBoundary == info.Horz.FixedBoundary) index = info.Horz.FirstGridCell;
    index = std::min(index, ColCount() - 1);
  } else if (state == gsRowSizing) {
    // Frozen columns lie in the fixed area too, but rows are sized by the indicator's edges.
    int indicator = 0;
    for (int col = 0; col < IndicatorOffset(); ++col) indicator += std::max(0, ColWidths(col)) + info.Horz.EffectiveLineWidth;
    if (x >= indicator) {
      state = gsNormal;
      index = -1;
    }
  }
}

bool TCustomDBGridEx::ColumnSizingAt(int x, int y, TFrozenSizing& sizing) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridState state = gsNormal;
  int index = -1;
  int pos = 0;
  int ofs = 0;
  CalcSizingState(x, y, state, index, pos, ofs, info);
  if (state != gsColSizing || index < 0) return false;
  sizing = {index, pos, ofs};
  return true;
}
