#pragma once

#include "platform/core/types.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/region.h"

// Limits drawing on a device context to a rectangle (or a region) for the life of a scope,
// then removes the clip and frees the region on every way out.
class TnbClipScope {
 public:
  TnbClipScope(HDC dc, const TRect& r) : TnbClipScope(dc, CreateRectRgnIndirect(r)) {}
  // Takes over `region`.
  TnbClipScope(HDC dc, HRGN region) : dc_(dc), region_(region) { SelectClipRgn(dc_, region_.get()); }
  ~TnbClipScope() { SelectClipRgn(dc_, nullptr); }
  TnbClipScope(const TnbClipScope&) = delete;
  TnbClipScope& operator=(const TnbClipScope&) = delete;

 private:
  HDC dc_;
  TGdiOwner<HRGN> region_;
};
