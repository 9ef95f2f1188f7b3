#pragma once

#include "platform/graphics/canvas.h"
#include "platform/windows/painting.h"

// A canvas over a window's device context: the whole window's, frame included, or the client
// area's unless a paint message gave one. The context goes back however the drawing ends.
class TWindowCanvas {
 public:
  enum TArea : uint8_t { waWindow, waClient };
  TWindowCanvas(HWND window, TArea area, HDC given = nullptr)
      : window_(window), dc_(given != nullptr ? given : area == waWindow ? GetWindowDC(window) : GetDC(window)),
        own_(given == nullptr) {
    canvas_.SetHandle(dc_);
  }
  ~TWindowCanvas() {
    canvas_.SetHandle(nullptr);
    if (own_) ReleaseDC(window_, dc_);
  }
  TWindowCanvas(const TWindowCanvas&) = delete;
  TWindowCanvas& operator=(const TWindowCanvas&) = delete;
  TCanvas* Canvas() { return &canvas_; }

 private:
  HWND window_;
  HDC dc_;
  bool own_;
  TCanvas canvas_;
};

// A 1-pixel frame along the rectangle's edges (colours converted to RGB first).
inline void FrameIn(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(ColorToRGB(color));
  canvas->FrameRect(r);
}
