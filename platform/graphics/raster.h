#pragma once

#include <vector>

#include "platform/graphics/dc_state.h"

// The pixel engine under every shape: colours in the pixel layout, the mix modes, and
// painting runs of pixels through a device context's clip.

inline uint32_t PixelOf(COLORREF c) {
  return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorOfPixel(uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16; }

// The window system's binary mix (R2_*) of pen or brush colour p with destination d; the
// result is opaque.
inline uint32_t Mix2(int rop2, uint32_t p, uint32_t d) {
  unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
  uint32_t r = 0;
  if (table & 1) r |= ~p & ~d;
  if (table & 2) r |= ~p & d;
  if (table & 4) r |= p & ~d;
  if (table & 8) r |= p & d;
  return r | 0xFF000000u;
}

// Where the colour of each painted pixel comes from.
struct Paint {
  uint32_t Color = 0;              // solid colour, or hatch line colour
  const BrushObject* Brush = nullptr;  // pattern and hatch brushes
  TPoint Origin;                   // brush origin (device)
  uint32_t Background = 0;         // hatch gaps when OpaqueBackground
  bool OpaqueBackground = false;
  int Rop2 = R2_COPYPEN;
  // The colour at (x, y); false where a hatch gap leaves the destination alone.
  bool ColorAt(int x, int y, uint32_t& color) const;
};

Paint SolidPaint(COLORREF color, int rop2);
// The selected brush (nullptr result: the null brush, nothing to paint).
bool BrushPaint(HDC__& dc, HBRUSH brush, int rop2, Paint& paint);

// Paints runs (absolute device coordinates, may overlap only if the paint is not a mix that
// depends on the destination) through the clip.
void PaintRuns(HDC__& dc, const std::vector<TRect>& runs, const Paint& paint);
void PaintDeviceRect(HDC__& dc, const TRect& rect, const Paint& paint);
void PaintRegion(HDC__& dc, const TRegion& region, const Paint& paint);
void PaintPixel(HDC__& dc, int x, int y, uint32_t color, int rop2);

// The visible part of what a shape or pen can touch: the clip bounds with room for the pen.
TRect ReachBox(HDC__& dc);
// Cuts a segment to the box when it reaches far beyond any bitmap; false when nothing of it
// is inside. Other segments stay whole, so their pixels are exactly those of the whole line.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box);

// The pixels a pen puts on a line from `from` to `to` (device coordinates, end excluded for
// cosmetic pens), as runs; `styleOffset` carries the dash pattern along a polyline.
struct PenPixels {
  std::vector<TRect> On;   // pen colour
  std::vector<TRect> Off;  // gaps of styled pens (background colour when opaque)
  // Only pixels here are kept; the walk along the line still counts the others, so the
  // kept ones are exactly those of the whole line.
  TRect Keep{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};
};
void AddLinePixels(const PenObject& pen, TPoint from, TPoint to, int& styleOffset, PenPixels& out);
// Paints what AddLinePixels collected with the pen colour and the DC's mix and background.
void PaintPenPixels(HDC__& dc, const PenObject& pen, const PenPixels& pixels);
