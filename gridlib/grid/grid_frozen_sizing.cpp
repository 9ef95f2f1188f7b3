// Sizing a frozen column by the edge of its title: the base grid sizes only scrolled columns,
// so the frozen ones have their own zone, line and release.
#include <algorithm>

#include "gridlib/grid/canvas_scopes.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_input.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"

namespace {

// The zone around a column edge where a press sizes the column.
constexpr int kSizingZone = 7;

}  // namespace

bool TDBGridExInput::FrozenSizingAt(int x, int y, TFrozenSizing& sizing) {
  if (!grid_->Options().Contains(dgColumnResize) || grid_->FrozenCols() <= 0) return false;
  TGridDrawInfo info;
  grid_->CalcDrawInfo(info);
  if (y < 0 || y >= info.Vert.FixedBoundary) return false;
  const int line = info.Horz.EffectiveLineWidth;
  const int back = line < kSizingZone ? (kSizingZone - line) / 2 : 0;
  const int range = std::max(line, kSizingZone);
  int edge = 0;
  for (int col = 0; col < grid_->FixedCols(); ++col) {
    edge += std::max(0, grid_->ColWidths(col));
    const bool frozen = col >= grid_->IndicatorOffset();
    if (frozen && x >= edge - back && x <= edge - back + range) {
      sizing = {col, edge, edge - x};
      return true;
    }
    edge += line;
    if (edge > info.Horz.FixedBoundary) break;
  }
  // A fixed area as wide as the window is sized at the window's right edge.
  const int right = grid_->ClientWidth();
  if (info.Horz.FixedBoundary >= right && x >= right - back && x <= right) {
    sizing = {grid_->FixedCols() - 1, right, right - x};
    return true;
  }
  return false;
}

void TDBGridExInput::StartFrozenSizing(const TFrozenSizing& sizing) {
  frozen_ = sizing;
  SetState(gisSizing);
  frozenSizing_ = true;
  grid_->SetMouseCapture(true);
  if (!grid_->OptionsEx().Contains(dghTraceColSizing)) DrawFrozenSizingLine();
}

// The left edge of column `col`: a fixed column's after the columns before it, a scrolled
// one's after the fixed area and the columns scrolled into view before it.
int TDBGridExInput::SizedColumnLeft(int col) {
  TGridDrawInfo info;
  grid_->CalcDrawInfo(info);
  if (col < grid_->FixedCols()) {
    int left = 0;
    for (int c = 0; c < col; ++c) left += std::max(0, grid_->ColWidths(c)) + info.Horz.EffectiveLineWidth;
    return left;
  }
  int left = info.Horz.FixedBoundary;
  for (int c = grid_->LeftCol(); c < col; ++c) left += info.Horz.Span(c);
  return left;
}

// Columns fitted to the window keep at least a pixel and a line each right of the sized one.
bool TDBGridExInput::WidthFitsAutoFit(int position) {
  if (!grid_->AutoFitColWidths() || grid_->IsDesigning()) return true;
  TGridDrawInfo info;
  grid_->CalcDrawInfo(info);
  const int right = grid_->ColCount() - 1 - frozen_.Col;
  return position < info.Horz.GridBoundary - (1 + info.Horz.EffectiveLineWidth) * right;
}

void TDBGridExInput::FrozenSizingMove(int x) {
  if (grid_->OptionsEx().Contains(dghTraceColSizing)) {
    frozen_.Position = x + frozen_.Offset;
    if (!WidthFitsAutoFit(frozen_.Position)) return;
    grid_->SetColWidths(frozen_.Col, std::max(1, frozen_.Position - SizedColumnLeft(frozen_.Col)));
    return;
  }
  DrawFrozenSizingLine();
  frozen_.Position = x + frozen_.Offset;
  DrawFrozenSizingLine();
}

// A release that would leave the column one pixel wide or less keeps its width.
void TDBGridExInput::FinishFrozenSizing() {
  frozenSizing_ = false;
  if (grid_->OptionsEx().Contains(dghTraceColSizing)) return;
  DrawFrozenSizingLine();
  const int width = frozen_.Position - SizedColumnLeft(frozen_.Col);
  if (width > 1) grid_->SetColWidths(frozen_.Col, width);
}

void TDBGridExInput::CancelFrozenSizing() {
  if (!frozenSizing_) return;
  frozenSizing_ = false;
  if (!grid_->OptionsEx().Contains(dghTraceColSizing)) DrawFrozenSizingLine();
}

// The sizing line is inverted, so drawing it again takes it away.
void TDBGridExInput::DrawFrozenSizingLine() {
  TCanvas* canvas = grid_->Canvas();
  XorPenScope pen(canvas, psSolid, 1);
  const int x = grid_->GridX(frozen_.Position);
  canvas->MoveTo(x, 0);
  canvas->LineTo(x, grid_->ClientHeight());
}
