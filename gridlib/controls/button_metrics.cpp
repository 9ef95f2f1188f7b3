// Widths of edit buttons: the flat button width from the screen font, and scaling for flat looks.
#include "gridlib/controls/button_metrics.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/text_out.h"
#include "platform/windows/system_metrics.h"

namespace {

// Text height of the font a screen device context starts with.
int ScreenFontHeight() {
  TGdiOwner<HDC> screen(CreateCompatibleDC(nullptr));
  TEXTMETRIC tm;
  GetTextMetrics(screen.get(), &tm);
  return tm.tmHeight;
}

int ComputeFlatButtonWidth() {
  int width = static_cast<int>(std::nearbyint(ScreenFontHeight() * 2.0 / 3.0));
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
