#pragma once

#include "gridlib/grid/grid_host.h"

// Calls `visit(dataRow)` for each data row whose record can be read now, with that row's
// record the one fields read; the current record is back afterwards, however the walk ends.
template <typename Visit>
void ForEachReadableDataRow(TDBGridExHost* grid, Visit visit) {
  DataRowReader reader(grid);
  const auto [from, to] = grid->ReadableDataRows();
  for (int row = from; row < to; ++row) {
    reader.Select(row);
    visit(row);
  }
}
