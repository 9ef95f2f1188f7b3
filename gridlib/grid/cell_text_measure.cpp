// Measuring a cell text's extent, wrapped or turned, the way cell painting lays it out.
#include "gridlib/grid/cell_text_measure.h"

#include <algorithm>

#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"

TCellTextSize MeasureCellTextEx(TCanvas* canvas, const String& text, int availableWidth, int availableHeight,
                                int indent, bool wordWrap, unsigned readingFlag) {
  UINT format = DT_CALCRECT | DT_NOPREFIX | readingFlag;
  if (wordWrap) format |= DT_WORDBREAK;
  TRect box = Rect(0, 0, std::max(1, availableWidth - 2 - indent), 0);
  DrawText(canvas->Handle(), text, box, format);
  TCellTextSize size;
  size.Width = box.Right - box.Left;
  size.Height = box.Bottom - box.Top;
  size.TooLarge = size.Width > availableWidth - 2 - indent || size.Height > availableHeight;
  return size;
}

void TurnRectEx(TRect& rect) {
  const int width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
  rect.Right = rect.Left + height;
  rect.Bottom = rect.Top + width;
}
