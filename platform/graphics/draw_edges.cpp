// 3D edges and frames of controls.
#include "platform/graphics/draw_edges.h"

#include <algorithm>

#include "platform/graphics/canvas.h"
#include "platform/graphics/raster.h"

namespace {

struct EdgeColors {
  COLORREF TopLeft;
  COLORREF BottomRight;
};

void Fill(HDC__& dc, const TRect& logical, COLORREF color) {
  if (!logical.IsEmpty()) PaintDeviceRect(dc, DeviceRect(dc, logical), SolidPaint(color, R2_COPYPEN));
}

// One ring of Frame3D with its corners (right and bottom inclusive): the left column and top
// row in the top colour, the right column and bottom row in the bottom colour, as its two
// polylines paint them.
void FrameSides(HDC dc, const TRect& r, TColor topColor, TColor bottomColor) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return;
  const COLORREF top = ColorToRGB(topColor), bottom = ColorToRGB(bottomColor);
  Fill(*d, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), top);
  Fill(*d, Rect(r.Left, r.Top, r.Right, r.Top + 1), top);
  Fill(*d, Rect(r.Right, r.Top, r.Right + 1, r.Bottom), bottom);
  Fill(*d, Rect(r.Left, r.Bottom, r.Right + 1, r.Bottom + 1), bottom);
}

// Colours of one ring of an edge. Outer rings: light and dark shadow raised (highlight
// first with BF_SOFT); inner rings: highlight and shadow (light with BF_SOFT).
EdgeColors RingColors(bool outer, bool raised, UINT flags) {
  if (flags & BF_MONO) return outer ? EdgeColors{GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)}
                                    : EdgeColors{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)};
  if (flags & BF_FLAT) return outer ? EdgeColors{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)}
                                    : EdgeColors{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE)};
  bool soft = (flags & BF_SOFT) != 0;
  COLORREF light = GetSysColor(COLOR_3DLIGHT), hilight = GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
  if (outer) return raised ? EdgeColors{soft ? hilight : light, dark} : EdgeColors{shadow, hilight};
  return raised ? EdgeColors{soft ? light : hilight, shadow} : EdgeColors{soft ? shadow : dark, light};
}

// One ring: top and left in the first colour, right and bottom (including the corners they
// share with the top and left lines) in the second.
void DrawRing(HDC__& dc, const TRect& r, EdgeColors colors, UINT flags) {
  int rightEnd = r.Right - ((flags & BF_RIGHT) ? 1 : 0);
  int bottomEnd = r.Bottom - ((flags & BF_BOTTOM) ? 1 : 0);
  if (flags & BF_TOP) Fill(dc, Rect(r.Left, r.Top, rightEnd, r.Top + 1), colors.TopLeft);
  if (flags & BF_LEFT) Fill(dc, Rect(r.Left, r.Top, r.Left + 1, bottomEnd), colors.TopLeft);
  if (flags & BF_RIGHT) Fill(dc, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), colors.BottomRight);
  if (flags & BF_BOTTOM) Fill(dc, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), colors.BottomRight);
}

void Shrink(TRect& r, UINT flags) {
  if (flags & BF_LEFT) ++r.Left;
  if (flags & BF_TOP) ++r.Top;
  if (flags & BF_RIGHT) --r.Right;
  if (flags & BF_BOTTOM) --r.Bottom;
}

// A one-pixel line from `from` to `to`, both ends drawn.
void DiagonalLine(HDC__& dc, TPoint from, TPoint to, COLORREF color) {
  PenObject pen;
  PenPixels pixels;
  pixels.Keep = ReachBox(dc);
  int offset = 0;
  TPoint start = DevicePoint(dc, from), end = DevicePoint(dc, to);
  PaintPixel(dc, end.x, end.y, PixelOf(color), R2_COPYPEN);
  if (!ClipSegment(start, end, pixels.Keep)) return;
  AddLinePixels(pen, start, end, offset, pixels);
  PaintRuns(dc, pixels.On, SolidPaint(color, R2_COPYPEN));
}

// Diagonal edges: each ring is a line across the rectangle towards the end corner the flags
// name; the inner ring runs one pixel below the outer. A rising line ("/") shows the rings'
// upper-left colours, a falling one ("\") their lower-right colours.
void DrawDiagonalEdge(HDC__& dc, const TRect& r, UINT edge, UINT flags) {
  if (r.IsEmpty()) return;
  bool top = (flags & BF_TOP) != 0, right = (flags & BF_RIGHT) != 0;
  bool rising = top == right;
  TPoint from = rising ? TPoint{r.Left, r.Bottom - 1} : TPoint{r.Left, r.Top};
  TPoint to = rising ? TPoint{r.Right - 1, r.Top} : TPoint{r.Right - 1, r.Bottom - 1};
  UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
  if (outer != 0) {
    EdgeColors c = RingColors(true, outer == BDR_RAISEDOUTER, flags);
    DiagonalLine(dc, from, to, rising ? c.TopLeft : c.BottomRight);
  }
  if (inner != 0 && r.Height() > 1) {
    EdgeColors c = RingColors(false, inner == BDR_RAISEDINNER, flags);
    DiagonalLine(dc, {from.x, from.y + 1}, {to.x, to.y + 1}, rising ? c.TopLeft : c.BottomRight);
  }
}

}  // namespace

bool DrawEdge(HDC dc, TRect& rect, UINT edge, UINT flags) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  if (flags & BF_DIAGONAL) {
    DrawDiagonalEdge(*d, SaturateRect(rect), edge, flags);
    return true;
  }
  TRect r = SaturateRect(rect);
  UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
  if (outer != 0 && !r.IsEmpty()) {
    DrawRing(*d, r, RingColors(true, outer == BDR_RAISEDOUTER, flags), flags);
    Shrink(r, flags);
  }
  if (inner != 0 && !r.IsEmpty()) {
    DrawRing(*d, r, RingColors(false, inner == BDR_RAISEDINNER, flags), flags);
    Shrink(r, flags);
  }
  if ((flags & BF_MIDDLE) && !r.IsEmpty())
    Fill(*d, r, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
  if (flags & BF_ADJUST) rect = r;
  return true;
}

bool DrawFocusRect(HDC dc, const TRect& rect) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  if (rect.IsEmpty()) return true;
  TRect box = DeviceRect(*d, rect);
  auto invert = [&](int x, int y) {
    if (((x - box.Left) + (y - box.Top)) % 2 == 0) PaintPixel(*d, x, y, 0, R2_NOT);
  };
  // Only the part of each side that can be seen is walked.
  ClipOf(*d);
  const TRect& seen = d->ClipBounds;
  for (int x = std::max(box.Left, seen.Left); x < std::min(box.Right, seen.Right); ++x) {
    invert(x, box.Top);
    if (box.Bottom - 1 > box.Top) invert(x, box.Bottom - 1);
  }
  for (int y = std::max(box.Top + 1, seen.Top); y < std::min(box.Bottom - 1, seen.Bottom); ++y) {
    invert(box.Left, y);
    if (box.Right - 1 > box.Left) invert(box.Right - 1, y);
  }
  return true;
}

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  rect = SaturateRect(rect);
  // Past half the rectangle's size more frames would only repeat the same lines.
  width = std::min(width, std::max(rect.Width(), rect.Height()) / 2 + 1);
  canvas->Pen()->SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  // A solid pen that copies paints exactly the four sides' rectangles; they are filled
  // straight away instead of being walked pixel by pixel.
  const bool plain = canvas->Pen()->Style() == psSolid && canvas->Pen()->Mode() == pmCopy;
  for (; width > 0; --width) {
    if (plain && rect.Right > rect.Left && rect.Bottom > rect.Top) {
      FrameSides(canvas->Handle(), rect, topColor, bottomColor);
    } else {
      canvas->Pen()->SetColor(topColor);
      canvas->Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
      canvas->Pen()->SetColor(bottomColor);
      canvas->Polyline({{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
    }
    InflateRect(rect, -1, -1);
  }
  canvas->Pen()->SetColor(bottomColor);
  ++rect.Bottom;
  ++rect.Right;
}
