#pragma once

#include <optional>
#include <vector>

#include "platform/graphics/coordinates.h"
#include "platform/graphics/gdi_object_types.h"

// A reference to a selected object that keeps it alive.
class ObjectRef {
 public:
  ObjectRef() = default;
  explicit ObjectRef(HGDIOBJ h) : h_(h) { RetainObject(h_); }
  ObjectRef(const ObjectRef& o) : h_(o.h_) { RetainObject(h_); }
  ObjectRef& operator=(const ObjectRef& o) {
    if (this != &o) {
      RetainObject(o.h_);
      ReleaseObject(h_);
      h_ = o.h_;
    }
    return *this;
  }
  ~ObjectRef() { ReleaseObject(h_); }
  HGDIOBJ Get() const { return h_; }

 private:
  HGDIOBJ h_ = nullptr;
};

// Everything SaveDC keeps.
struct DCState {
  ObjectRef Pen;
  ObjectRef Brush;
  ObjectRef Font;
  ObjectRef Bitmap;
  COLORREF TextColor = 0;
  COLORREF BkColor = 0xFFFFFF;
  int BkMode = OPAQUE;
  int Rop2 = R2_COPYPEN;
  int PolyFillMode = 1;
  int StretchMode = 3;
  UINT TextAlign = 0;
  DWORD Layout = LAYOUT_LTR;
  TPoint ViewportOrg;
  TPoint WindowOrg;
  TPoint BrushOrg;
  TPoint Position;
  std::optional<TRegion> Clip;  // the program's clip, relative to the device area
};

struct HDC__ {
  DCState State;
  std::vector<DCState> Saved;
  std::optional<TRect> Area;  // absolute device area; none: the whole bitmap
  std::optional<TRegion> SystemClip;

  // The selected objects, resolved (kept alive by State's references).
  PenObject* Pen = nullptr;
  BrushObject* Brush = nullptr;
  FontObject* Font = nullptr;
  BitmapObject* Bitmap = nullptr;

  // Derived, recomputed when stale: the absolute clip (bitmap, area, system and program clip).
  bool ClipStale = true;
  TRegion EffectiveClip;
  TRect ClipBounds;
  TSize ClipSurfaceSize;
};

// The device context behind a handle, or nullptr for handles that are not live DCs.
HDC__* LiveDC(HDC dc);
// The surface of the selected bitmap.
inline TPixelSurface& SurfaceOf(HDC__& dc) { return dc.Bitmap->Surface; }
TRect AreaOf(HDC__& dc);
// Absolute device clip (cached).
const TRegion& ClipOf(HDC__& dc);
inline void InvalidateClip(HDC__& dc) { dc.ClipStale = true; }

// Logical to absolute device coordinates.
int DeviceX(HDC__& dc, int x);
int DeviceY(HDC__& dc, int y);
TPoint DevicePoint(HDC__& dc, TPoint p);
// A logical rectangle in device coordinates (mirrored rectangles stay ordered).
TRect DeviceRect(HDC__& dc, const TRect& r);
// Device rectangle back to logical coordinates.
TRect LogicalRect(HDC__& dc, const TRect& r);
bool IsMirrored(const HDC__& dc);
