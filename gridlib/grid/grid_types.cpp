// Small shared grid helpers: the grid's error and grid-rectangle tests.
#include "gridlib/grid/grid_types.h"

void RaiseGridError(const String& message) { throw EInvalidGridOperation(message); }

bool PointInGridRect(int col, int row, const TRect& rect) {
  return col >= rect.Left && col <= rect.Right && row >= rect.Top && row <= rect.Bottom;
}
