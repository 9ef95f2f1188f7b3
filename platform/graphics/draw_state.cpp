// Drawing text and pictures in a state: greyed, embossed or in one colour.
#include <algorithm>
#include <cstring>

#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/raster.h"
#include "platform/graphics/text_out.h"

namespace {

// Paints the ink of a bitmap (pixels unlike its bottom-left pixel) in one colour at (x, y).
void PaintInk(HDC__& dc, TPixelSurface& source, int x, int y, int cx, int cy, COLORREF color) {
  int w = std::min(cx, source.Width()), h = std::min(cy, source.Height());
  if (w <= 0 || h <= 0) return;
  uint32_t background = source.Row(source.Height() - 1)[0] & 0xFFFFFF;
  std::vector<TRect> runs;
  for (int row = 0; row < h; ++row) {
    const uint32_t* line = source.Row(row);
    for (int col = 0; col < w; ++col)
      if ((line[col] & 0xFFFFFF) != background) runs.push_back(DeviceRect(dc, Bounds(x + col, y + row, 1, 1)));
  }
  PaintRuns(dc, runs, SolidPaint(color, R2_COPYPEN));
}

void DrawStateText(HDC dc, std::string_view text, int x, int y, int cx, int cy, UINT flags, COLORREF color) {
  COLORREF old = SetTextColor(dc, color);
  int mode = SetBkMode(dc, TRANSPARENT);
  TRect r = Bounds(x, y, cx > 0 ? cx : 1 << 20, cy > 0 ? cy : 1 << 20);
  UINT format = DT_SINGLELINE | DT_NOCLIP | ((flags & 0xF) == DST_TEXT ? static_cast<UINT>(DT_NOPREFIX) : 0u);
  if (flags & DSS_RIGHT) format |= DT_RIGHT;
  DrawText(dc, text, r, format);
  SetBkMode(dc, mode);
  SetTextColor(dc, old);
}

}  // namespace

bool DrawState(HDC dc, HBRUSH brush, intptr_t data, uintptr_t dataLength, int x, int y, int cx, int cy, UINT flags) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  UINT kind = flags & 0xF;
  x = Saturate(x), y = Saturate(y);
  COLORREF mono = GetSysColor(COLOR_WINDOWTEXT);
  if (auto* b = ObjectAs<BrushObject>(brush, OBJ_BRUSH)) mono = b->Color;
  if (kind == DST_BITMAP) {
    auto* bitmap = ObjectAs<BitmapObject>(reinterpret_cast<HBITMAP>(data), OBJ_BITMAP);
    if (bitmap == nullptr) return false;
    TPixelSurface& s = bitmap->Surface;
    if (cx <= 0) cx = s.Width();
    if (cy <= 0) cy = s.Height();
    if (flags & DSS_DISABLED) {
      PaintInk(*d, s, x + 1, y + 1, cx, cy, GetSysColor(COLOR_BTNHIGHLIGHT));
      PaintInk(*d, s, x, y, cx, cy, GetSysColor(COLOR_BTNSHADOW));
    } else if (flags & DSS_MONO) {
      PaintInk(*d, s, x, y, cx, cy, mono);
    } else {
      for (int row = 0; row < std::min(cy, s.Height()); ++row)
        for (int col = 0; col < std::min(cx, s.Width()); ++col) {
          TPoint p = DevicePoint(*d, {x + col, y + row});
          PaintPixel(*d, p.x, p.y, s.Row(row)[col] | 0xFF000000u, R2_COPYPEN);
        }
    }
    return true;
  }
  if (kind != DST_TEXT && kind != DST_PREFIXTEXT) return false;
  const char* text = reinterpret_cast<const char*>(data);
  if (text == nullptr) return false;
  std::string_view view(text, dataLength != 0 ? dataLength : std::strlen(text));
  if (flags & DSS_DISABLED) {
    DrawStateText(dc, view, x + 1, y + 1, cx, cy, flags, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawStateText(dc, view, x, y, cx, cy, flags, GetSysColor(COLOR_BTNSHADOW));
  } else {
    DrawStateText(dc, view, x, y, cx, cy, flags, (flags & DSS_MONO) ? mono : GetTextColor(dc));
  }
  return true;
}
