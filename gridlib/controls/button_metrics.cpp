#include "gridlib/controls/button_metrics.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/system_metrics.h"

namespace {

int ComputeFlatButtonWidth() {
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  const int textHeight = bitmap.Canvas()->TextHeight("0");
  int width = static_cast<int>(std::nearbyint(textHeight * 2.0 / 3.0));
  if (width % 2 == 0) ++width;
  return std::min(width, GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace

int FlatButtonWidth() {
  static const int width = ComputeFlatButtonWidth();
  return width;
}

int ScaleButtonWidthEx(int width, bool scale) {
  if (!scale) return width;
  return static_cast<int>(std::nearbyint(width * 3.0 / 2.0));
}
