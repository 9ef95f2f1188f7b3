// The side bar's off-screen pixel buffer for painting.
#include "sidebar/pixel_window.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"

TRect TnbPixelWindow::Device(const TRect& logical) const {
  TRect r = logical;
  OffsetRect(r, Offset.x, Offset.y);
  TRect cut;
  if (!IntersectRect(cut, r, Clip)) return TRect{};
  return cut;
}

bool nbPixelWindow(TCanvas* canvas, TnbPixelWindow& out) {
  HDC dc = canvas->Handle();
  if (GetLayout(dc) & LAYOUT_RTL) return false;
  TSize size{};
  uint32_t* bits = GetBitmapBits32(GetCurrentObject(dc, OBJ_BITMAP), size);
  if (bits == nullptr) return false;
  TRect box;
  const int kind = GetClipBox(dc, box);
  if (kind != SIMPLEREGION && kind != NULLREGION) return false;
  TPoint origin{0, 0};
  LPtoDP(dc, &origin, 1);
  const TRect area = GetDeviceArea(dc);
  out.Bits = bits;
  out.Stride = size.cx;
  out.Offset = {origin.x + area.Left, origin.y + area.Top};
  out.Clip = TRect{};
  if (kind == SIMPLEREGION) {
    OffsetRect(box, out.Offset.x, out.Offset.y);
    IntersectRect(out.Clip, box, Rect(0, 0, size.cx, size.cy));
  }
  return true;
}
