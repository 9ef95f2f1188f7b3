#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/core/types.h"

class TCanvas;

// The pixels under a canvas, for the bar's own runs of text ink and its colour washes, which
// put pixels down themselves instead of going through the drawing layer.
struct TnbPixelWindow {
  uint32_t* Bits = nullptr;
  int Stride = 0;   // pixels a row
  TPoint Offset{};  // where the canvas's logical origin lies in the picture
  TRect Clip{};     // what drawing may touch, in picture pixels

  // A logical rectangle in picture pixels, cut to the clip (empty when nothing is left).
  TRect Device(const TRect& logical) const;
  uint32_t* Row(int y) const { return Bits + static_cast<size_t>(y) * Stride; }
};

// False when the canvas cannot be written to directly: no 32-bit picture under it, a
// right-to-left layout, or a clip that is not one rectangle. Callers then draw through the
// canvas instead.
bool nbPixelWindow(TCanvas* canvas, TnbPixelWindow& out);
