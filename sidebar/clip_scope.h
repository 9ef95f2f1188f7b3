#pragma once

#include "platform/core/types.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/region.h"

// Puts a device context's own clip back when the scope ends, and only the clip: the pens,
// brushes and fonts a canvas selected meanwhile stay, so the canvas's idea of what is
// selected stays true.
class TnbSavedClip {
 public:
  explicit TnbSavedClip(HDC dc) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    had_ = GetClipRgn(dc_, saved_.get()) == 1;
  }
  ~TnbSavedClip() { SelectClipRgn(dc_, had_ ? saved_.get() : nullptr); }
  TnbSavedClip(const TnbSavedClip&) = delete;
  TnbSavedClip& operator=(const TnbSavedClip&) = delete;

 private:
  HDC dc_;
  TGdiOwner<HRGN> saved_;
  bool had_ = false;
};

// Narrows drawing on a device context to a rectangle (or a region) for the life of a scope:
// the clip the context already has (the part of the bar being painted) still holds, and the
// context's clip comes back on every way out.
class TnbClipScope {
 public:
  TnbClipScope(HDC dc, const TRect& r) : saved_(dc) { IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom); }
  // Takes over `region`, given in logical coordinates.
  TnbClipScope(HDC dc, HRGN region) : saved_(dc) {
    TGdiOwner<HRGN> owned(region);
    // Clip regions are given in device coordinates.
    TPoint origin{0, 0};
    LPtoDP(dc, &origin, 1);
    OffsetRgn(region, origin.x, origin.y);
    ExtSelectClipRgn(dc, region, RGN_AND);
  }
  TnbClipScope(const TnbClipScope&) = delete;
  TnbClipScope& operator=(const TnbClipScope&) = delete;

 private:
  TnbSavedClip saved_;
};
