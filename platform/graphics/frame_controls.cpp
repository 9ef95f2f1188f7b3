// Standard frame controls: buttons, check and radio glyphs, arrows and caption buttons.
#include <algorithm>

#include "platform/graphics/draw_edges.h"
#include "platform/graphics/raster.h"
#include "platform/graphics/shape_spans.h"

namespace {

constexpr int kGlyph = 13;  // check and radio glyphs are 13 x 13
constexpr int kMaxGlyph = 256;  // arrows and caption glyphs grow with their button up to this

COLORREF Sys(int index) { return GetSysColor(index); }

void Fill(HDC__& dc, const TRect& logical, COLORREF color) {
  if (!logical.IsEmpty()) PaintDeviceRect(dc, DeviceRect(dc, logical), SolidPaint(color, R2_COPYPEN));
}

void Pixel(HDC__& dc, int x, int y, COLORREF color) {
  TPoint p = DevicePoint(dc, {x, y});
  PaintPixel(dc, p.x, p.y, PixelOf(color), R2_COPYPEN);
}

TRect GlyphBox(const TRect& r) {
  int size = std::min({kGlyph, r.Width(), r.Height()});
  int left = r.Left + (r.Width() - size) / 2, top = r.Top + (r.Height() - size) / 2;
  return Bounds(left, top, size, size);
}

COLORREF GlyphInk(UINT state) { return Sys((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT); }
COLORREF GlyphBack(UINT state) {
  return Sys((state & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW);
}

// The classic check mark, seven pixels square, three pixels thick.
void DrawCheckMark(HDC__& dc, int left, int top, COLORREF ink) {
  static const char* kMark[7] = {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X...."};
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      if (kMark[y][x] == 'X') Pixel(dc, left + x, top + y, ink);
}

void DrawCheckBox(HDC dc, HDC__& d, const TRect& rect, UINT state) {
  TRect box = GlyphBox(rect);
  if (state & (DFCS_FLAT | DFCS_MONO)) {
    Fill(d, box, Sys((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW));
    InflateRect(box, -1, -1);
    Fill(d, box, GlyphBack(state));
  } else {
    TRect edge = box;
    DrawEdge(dc, edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    Fill(d, edge, GlyphBack(state));
  }
  if (state & DFCS_CHECKED) {
    COLORREF ink = (state & DFCS_BUTTON3STATE) ? Sys(COLOR_BTNSHADOW) : GlyphInk(state);
    DrawCheckMark(d, box.Left + (box.Width() - 7) / 2, box.Top + (box.Height() - 7) / 2, ink);
  }
}

// Pixels of the ring between two concentric discs, split into the upper-left and the
// lower-right half along the anti-diagonal.
void DrawRadioRing(HDC__& dc, int left, int top, int outer, COLORREF upperLeft, COLORREF lowerRight) {
  int off = (12 - outer) / 2;
  TRegion ring = TRegion::FromRuns(EllipseRows(Bounds(off, off, outer, outer)))
                     .Subtract(TRegion::FromRuns(EllipseRows(Bounds(off + 1, off + 1, outer - 2, outer - 2))));
  for (const TRect& r : ring.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) Pixel(dc, left + x, top + y, x + y < 11 ? upperLeft : lowerRight);
}

void DrawRadio(HDC__& d, const TRect& rect, UINT state) {
  TRect box = GlyphBox(rect);
  int l = box.Left, t = box.Top;
  if (state & (DFCS_FLAT | DFCS_MONO)) {
    COLORREF c = Sys((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
    DrawRadioRing(d, l, t, 12, c, c);
  } else {
    DrawRadioRing(d, l, t, 12, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    DrawRadioRing(d, l, t, 10, Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
  }
  for (const TRect& r : EllipseRows(Bounds(2, 2, 8, 8))) Fill(d, Rect(l + r.Left, t + r.Top, l + r.Right, t + r.Bottom), GlyphBack(state));
  if (state & DFCS_CHECKED)
    for (const TRect& r : EllipseRows(Bounds(4, 4, 4, 4)))
      Fill(d, Rect(l + r.Left, t + r.Top, l + r.Right, t + r.Bottom), GlyphInk(state));
}

// A push-like button face: raised, or sunken when pushed or checked.
void DrawButtonFace(HDC dc, TRect& rect, UINT state) {
  UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST;
  if (state & DFCS_FLAT) flags |= BF_FLAT;
  if (state & DFCS_MONO) flags |= BF_MONO;
  TRect r = rect;
  DrawEdge(dc, r, (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED, flags);
  if (state & DFCS_ADJUSTRECT) rect = r;
}

// A filled triangle pointing in `direction` (0 up, 1 down, 2 left, 3 right), centred.
void DrawArrow(HDC__& d, const TRect& r, int direction, COLORREF ink, int shift) {
  int size = std::min({r.Width(), r.Height(), kMaxGlyph});
  int h = std::max(2, (size - 2) / 4 + 1);
  int cx = r.Left + r.Width() / 2 + shift, cy = r.Top + r.Height() / 2 + shift;
  for (int i = 0; i < h; ++i) {
    int half = (direction == 0 || direction == 2) ? i : h - 1 - i;
    int along = i - h / 2;
    if (direction <= 1) Fill(d, Rect(cx - half, cy + along, cx + half + 1, cy + along + 1), ink);
    else Fill(d, Rect(cx + along, cy - half, cx + along + 1, cy + half + 1), ink);
  }
}

// Three groups of diagonal ridges in the bottom-right corner: a highlight line, then two shadow
// lines, on the face.
void DrawSizeGrip(HDC__& d, const TRect& rect) {
  Fill(d, rect, Sys(COLOR_BTNFACE));
  int size = std::min({rect.Width(), rect.Height(), 13});
  for (int ry = 0; ry < size; ++ry)
    for (int rx = 0; rx + ry < size - 1; ++rx) {
      int line = rx + ry;  // distance from the corner along the diagonal
      if (line < 1 || line % 4 == 0) continue;
      Pixel(d, rect.Right - 1 - rx, rect.Bottom - 1 - ry, Sys(line % 4 == 1 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
    }
}

void DrawScroll(HDC dc, HDC__& d, TRect& rect, UINT state) {
  UINT kind = state & 0xFF;
  if (kind == DFCS_SCROLLSIZEGRIP) {
    DrawSizeGrip(d, rect);
    return;
  }
  TRect face = rect;
  if (state & DFCS_PUSHED) {
    Fill(d, face, Sys(COLOR_BTNSHADOW));
    InflateRect(face, -1, -1);
    Fill(d, face, Sys(COLOR_BTNFACE));
  } else {
    DrawButtonFace(dc, face, state);
  }
  int direction = kind == DFCS_SCROLLCOMBOBOX ? 1 : static_cast<int>(kind & 3);
  int shift = (state & DFCS_PUSHED) ? 1 : 0;
  if (state & DFCS_INACTIVE) {
    DrawArrow(d, rect, direction, Sys(COLOR_BTNHIGHLIGHT), 1);
    DrawArrow(d, rect, direction, Sys(COLOR_BTNSHADOW), 0);
  } else {
    DrawArrow(d, rect, direction, Sys(COLOR_BTNTEXT), shift);
  }
}

void DrawCaptionGlyph(HDC__& d, const TRect& r, UINT kind, COLORREF ink, int shift) {
  int size = std::max(4, std::min({r.Width(), r.Height(), kMaxGlyph}) / 2);
  int l = r.Left + (r.Width() - size) / 2 + shift, t = r.Top + (r.Height() - size) / 2 + shift;
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i < size; ++i) {
        Fill(d, Rect(l + i, t + i, l + i + 2, t + i + 1), ink);
        Fill(d, Rect(l + size - 2 - i, t + i, l + size - i, t + i + 1), ink);
      }
      break;
    case DFCS_CAPTIONMIN: Fill(d, Rect(l, t + size - 2, l + size - 2, t + size), ink); break;
    case DFCS_CAPTIONMAX:
      Fill(d, Rect(l, t, l + size, t + 2), ink);
      Fill(d, Rect(l, t, l + 1, t + size), ink);
      Fill(d, Rect(l + size - 1, t, l + size, t + size), ink);
      Fill(d, Rect(l, t + size - 1, l + size, t + size), ink);
      break;
    case DFCS_CAPTIONRESTORE: {
      int s = size * 2 / 3;
      for (int k : {0, 1}) {
        int bl = l + (k ? 0 : size - s), bt = t + (k ? size - s : 0);
        Fill(d, Rect(bl, bt, bl + s, bt + 2), ink);
        Fill(d, Rect(bl, bt, bl + 1, bt + s), ink);
        Fill(d, Rect(bl + s - 1, bt, bl + s, bt + s), ink);
        Fill(d, Rect(bl, bt + s - 1, bl + s, bt + s), ink);
      }
      break;
    }
    default:  // help: a question mark of bars
      Fill(d, Rect(l + 1, t, l + size - 1, t + 2), ink);
      Fill(d, Rect(l + size - 2, t, l + size, t + size / 2), ink);
      Fill(d, Rect(l + size / 2 - 1, t + size / 2 - 1, l + size - 1, t + size / 2 + 1), ink);
      Fill(d, Rect(l + size / 2 - 1, t + size - 2, l + size / 2 + 1, t + size), ink);
      break;
  }
}

}  // namespace

bool DrawFrameControl(HDC dc, TRect& rect, UINT type, UINT state) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || type < DFC_CAPTION || type > DFC_BUTTON) return false;
  rect = SaturateRect(rect);
  if (rect.IsEmpty()) return true;
  switch (type) {
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH) DrawButtonFace(dc, rect, state);
      else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE)) DrawRadio(*d, rect, state);
      else DrawCheckBox(dc, *d, rect, state);
      return true;
    case DFC_SCROLL: DrawScroll(dc, *d, rect, state); return true;
    case DFC_CAPTION: {
      TRect face = rect;
      DrawButtonFace(dc, face, state);
      int shift = (state & DFCS_PUSHED) ? 1 : 0;
      if (state & DFCS_INACTIVE) {
        DrawCaptionGlyph(*d, rect, state & 0xFF, Sys(COLOR_BTNHIGHLIGHT), 1);
        DrawCaptionGlyph(*d, rect, state & 0xFF, Sys(COLOR_BTNSHADOW), 0);
      } else {
        DrawCaptionGlyph(*d, rect, state & 0xFF, Sys(COLOR_BTNTEXT), shift);
      }
      return true;
    }
    default: return false;
  }
}
