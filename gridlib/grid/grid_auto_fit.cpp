// Auto-fit: columns share the client width in proportion to their design widths, within
// their own limits.
#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/core/format.h"

namespace {

struct FitSums {
  int Fixed = 0;  // widths of columns that keep their width
  int Fit = 0;    // design widths of the columns that share the rest
};

}  // namespace

void TCustomDBGridEx::AutoFitColumns() {
  const std::vector<int>& visible = layout_->VisibleColumns();
  const size_t count = visible.size();
  if (count == 0) return;
  TCollectionUpdateLock lock(*Columns());
  std::vector<bool> limited(count, false);
  auto column = [&](size_t k) { return Columns()->Items(visible[k]); };
  auto shares = [&](size_t k) { return column(k)->AutoFitColWidth() && !limited[k]; };
  int available = 0;
  int sum = 0;
  for (size_t pass = 0; pass < count; ++pass) {
    FitSums sums;
    int sharing = 0;
    for (size_t k = 0; k < count; ++k) {
      if (shares(k)) {
        sums.Fit += std::max(0, column(k)->InitWidth());
        ++sharing;
      } else {
        sums.Fixed += column(k)->Width();
      }
    }
    available = std::max(0, std::max(ClientWidth(), minAutoFitWidth_) - sums.Fixed);
    const bool indicator = Options().Contains(dgIndicator);
    const bool lines = Options().Contains(dgColLines);
    if (indicator) available -= kIndicatorWidth;
    if (lines) available -= static_cast<int>(count);
    if (indicator && lines) available -= 1;
    available = std::max(0, available);
    sum = 0;
    bool newlyLimited = false;
    for (size_t k = 0; k < count; ++k) {
      if (!shares(k)) continue;
      // Columns without design widths share the room equally rather than dividing by zero.
      const int width = sums.Fit > 0 ? MulDiv(std::max(0, column(k)->InitWidth()), available, sums.Fit)
                                     : available / std::max(1, sharing);
      column(k)->SetWidth(width);
      if (column(k)->Width() != width) {
        limited[k] = true;
        newlyLimited = true;
      }
      sum += column(k)->Width();
    }
    if (!newlyLimited) break;
  }
  for (size_t k = count; k-- > 0;) {
    if (!shares(k)) continue;
    if (sum != available) column(k)->SetWidth(std::max(0, column(k)->Width() + available - sum));
    break;
  }
}
