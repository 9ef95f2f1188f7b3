#pragma once

#include <cstdint>

#include "platform/core/types.h"
#include "platform/graphics/colors.h"

class TBitmap;
class TCanvas;

// Washes `rect` of what a canvas shows with `color`: each pixel becomes
// (color * alpha + pixel * (255 - alpha)) >> 8 per channel, with the fourth byte 0; pixels that
// already hold the colour are left alone. Only pixels inside the canvas's clip change.
void nbAlphaBlend(TCanvas* target, const TRect& rect, uint8_t alpha, TColor color);
void nbAlphaBlend(TBitmap* target, const TRect& rect, uint8_t alpha, TColor color);

// Turns `rect` of what a canvas shows grey: every pixel gets (blue + green + red) >> 2 in its
// three colour bytes and 0 in the fourth. Only pixels inside the canvas's clip change.
void nbGrayscale(TCanvas* target, const TRect& rect);
void nbGrayscale(TBitmap* target, const TRect& rect);

// The side bar library's start-up and shut-down, counted: the first start creates the shared
// work bitmap of the blend, the last end frees it. Held by main, by test fixtures and by every
// bar for its lifetime.
class TnbSideBarUnit {
 public:
  TnbSideBarUnit();
  ~TnbSideBarUnit();
  TnbSideBarUnit(const TnbSideBarUnit&) = delete;
  TnbSideBarUnit& operator=(const TnbSideBarUnit&) = delete;
  // Nesting depth of the unit (0 when not started).
  static int Count();
};
