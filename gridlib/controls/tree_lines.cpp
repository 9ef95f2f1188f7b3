// Tree lines of grids that show records as a tree.
#include "gridlib/controls/tree_lines.h"

#include <cmath>

#include "platform/graphics/canvas.h"

namespace {

void DottedVertical(TCanvas* canvas, int x, int top, int bottom, bool phase, TColor color) {
  for (int y = top + ((top + (phase ? 1 : 0)) & 1); y < bottom; y += 2) canvas->SetPixels(x, y, color);
}

void DottedHorizontal(TCanvas* canvas, int left, int right, int y, bool phase, TColor color) {
  for (int x = left + ((left + y + (phase ? 1 : 0)) & 1); x < right; x += 2) canvas->SetPixels(x, y, color);
}

// A box with a minus, or a plus when collapsed, centred on (cx, cy), on the brush colour.
void NodeBox(TCanvas* canvas, int cx, int cy, int half, bool expanded, TColor color) {
  canvas->FillRect(Rect(cx - half, cy - half, cx + half + 1, cy + half + 1));
  canvas->Pen()->SetColor(color);
  canvas->Polyline({Point(cx - half, cy - half), Point(cx + half, cy - half), Point(cx + half, cy + half),
                    Point(cx - half, cy + half), Point(cx - half, cy - half)});
  canvas->MoveTo(cx - half + 2, cy);
  canvas->LineTo(cx + half - 1, cy);
  if (expanded) return;
  canvas->MoveTo(cx, cy - half + 2);
  canvas->LineTo(cx, cy + half - 1);
}

}  // namespace

void DrawTreeLinesEx(TCanvas* canvas, const TRect& rect, int lineType, double scaleX, double scaleY, bool phase) {
  const TColor color = canvas->Font()->Color();
  const int cx = rect.Left + static_cast<int>(std::lround(rect.Width() / 2 * scaleX));
  const int cy = rect.Top + static_cast<int>(std::lround(rect.Height() / 2 * scaleY));
  const bool continues = lineType == 9 || lineType == 6 || lineType == 0 || lineType == 3;
  const bool node = lineType == 0 || lineType == 1 || lineType == 3 || lineType == 4;
  DottedVertical(canvas, cx, rect.Top, continues ? rect.Bottom : cy, phase, color);
  if (lineType == 9) return;
  DottedHorizontal(canvas, cx, rect.Right, cy, phase, color);
  if (node) NodeBox(canvas, cx, cy, 4, lineType == 0 || lineType == 1, color);
}
