// Device contexts: selected objects, clipping, mapping and origins.
#include "platform/graphics/device_context.h"

#include <algorithm>

#include "platform/graphics/dc_state.h"
#include "platform/graphics/live_handles.h"

namespace {

// Never destroyed, for device contexts freed by other statics at exit.
TLiveHandles<HDC__>& LiveDCs() {
  static auto* live = new TLiveHandles<HDC__>;
  return *live;
}

HBITMAP StockBitmap() {
  static HBITMAP stock = [] {
    HBITMAP b = CreateBitmap32(1, 1);
    b->Stock = true;
    return b;
  }();
  return stock;
}

// Refreshes the resolved object pointers after the state's selections changed. The clip
// depends on the bitmap only: selecting pens, brushes and fonts, which painting does all the
// time, keeps the clip worked out.
void Resolve(HDC__& dc) {
  dc.Pen = ObjectAs<PenObject>(dc.State.Pen.Get(), OBJ_PEN);
  dc.Brush = ObjectAs<BrushObject>(dc.State.Brush.Get(), OBJ_BRUSH);
  dc.Font = ObjectAs<FontObject>(dc.State.Font.Get(), OBJ_FONT);
  BitmapObject* bitmap = ObjectAs<BitmapObject>(dc.State.Bitmap.Get(), OBJ_BITMAP);
  if (bitmap != dc.Bitmap) InvalidateClip(dc);
  dc.Bitmap = bitmap;
}

int RegionKind(const TRegion& r) {
  if (r.IsEmpty()) return NULLREGION;
  return r.IsRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

TRect AreaRelative(HDC__& dc, const TRect& logical) {
  TRect r = DeviceRect(dc, logical);
  TRect area = AreaOf(dc);
  OffsetRect(r, -area.Left, -area.Top);
  return r;
}

TRegion CurrentClipOrArea(HDC__& dc) {
  if (dc.State.Clip) return *dc.State.Clip;
  TRect area = AreaOf(dc);
  return TRegion(Rect(0, 0, area.Width(), area.Height()));
}

template <typename T>
T Exchange(T& slot, T value) {
  T old = slot;
  slot = value;
  return old;
}

bool OriginEx(HDC dc, TPoint DCState::*field, int x, int y, TPoint* old, bool relative) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  TPoint& p = d->State.*field;
  if (old) *old = p;
  p = relative ? TPoint{p.x + x, p.y + y} : TPoint{x, y};
  return true;
}

bool ReadOrigin(HDC dc, TPoint DCState::*field, TPoint* origin) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || origin == nullptr) return false;
  *origin = d->State.*field;
  return true;
}

}  // namespace

HDC__* LiveDC(HDC dc) {
  if (!LiveDCs().Contains(dc)) return nullptr;
  return dc;
}

TRect AreaOf(HDC__& dc) {
  if (dc.Area) return *dc.Area;
  return SurfaceOf(dc).Bounds();
}

const TRegion& ClipOf(HDC__& dc) {
  TPixelSurface& s = SurfaceOf(dc);
  TSize size{s.Width(), s.Height()};
  if (!dc.ClipStale && size == dc.ClipSurfaceSize) return dc.EffectiveClip;
  TRect area = AreaOf(dc);
  TRect visible;
  IntersectRect(visible, area, s.Bounds());
  dc.EffectiveClip.SetRect(visible);
  for (const std::optional<TRegion>* extra : {&dc.SystemClip, &dc.State.Clip}) {
    if (!*extra) continue;
    const TRegion& r = **extra;
    if (r.Rects().size() <= 1 && dc.EffectiveClip.Rects().size() <= 1) {
      // Rectangles are met in place: a paint narrows and widens its clip many times.
      const TRect box = r.IsEmpty() ? TRect{} : r.Rects().front();
      dc.EffectiveClip.IntersectWith(
          SaturateRect(Rect(box.Left + area.Left, box.Top + area.Top, box.Right + area.Left, box.Bottom + area.Top)));
      continue;
    }
    TRegion moved = r;
    moved.Offset(area.Left, area.Top);
    dc.EffectiveClip = dc.EffectiveClip.Intersect(moved);
  }
  dc.ClipBounds = dc.EffectiveClip.Bounds();
  dc.ClipSurfaceSize = size;
  dc.ClipStale = false;
  return dc.EffectiveClip;
}

bool IsMirrored(const HDC__& dc) { return (dc.State.Layout & LAYOUT_RTL) != 0; }

namespace {

int64_t OffsetX(const HDC__& dc) { return int64_t{dc.State.ViewportOrg.x} - dc.State.WindowOrg.x; }
int64_t OffsetY(const HDC__& dc) { return int64_t{dc.State.ViewportOrg.y} - dc.State.WindowOrg.y; }

}  // namespace

int DeviceX(HDC__& dc, int x) {
  TRect area = AreaOf(dc);
  int64_t lx = x + OffsetX(dc);
  if (IsMirrored(dc)) lx = area.Width() - 1 - lx;
  return Saturate(lx + area.Left);
}

int DeviceY(HDC__& dc, int y) { return Saturate(y + OffsetY(dc) + AreaOf(dc).Top); }

TPoint DevicePoint(HDC__& dc, TPoint p) { return {DeviceX(dc, p.x), DeviceY(dc, p.y)}; }

namespace {

// Mirroring swaps a span's ends inside the area's width.
void MirrorSpan(const HDC__& dc, const TRect& area, int64_t& left, int64_t& right) {
  if (!IsMirrored(dc)) return;
  int64_t l = area.Width() - right;
  right = area.Width() - left;
  left = l;
}

}  // namespace

TRect DeviceRect(HDC__& dc, const TRect& r) {
  TRect area = AreaOf(dc);
  int64_t left = r.Left + OffsetX(dc), right = r.Right + OffsetX(dc);
  MirrorSpan(dc, area, left, right);
  int64_t dy = OffsetY(dc) + area.Top;
  return {Saturate(left + area.Left), Saturate(r.Top + dy), Saturate(right + area.Left), Saturate(r.Bottom + dy)};
}

TRect LogicalRect(HDC__& dc, const TRect& r) {
  TRect area = AreaOf(dc);
  int64_t left = int64_t{r.Left} - area.Left, right = int64_t{r.Right} - area.Left;
  MirrorSpan(dc, area, left, right);
  int64_t dy = OffsetY(dc) + area.Top;
  return {Saturate(left - OffsetX(dc)), Saturate(r.Top - dy), Saturate(right - OffsetX(dc)), Saturate(r.Bottom - dy)};
}

HDC CreateCompatibleDC(HDC) {
  auto* dc = new HDC__;
  dc->State.Pen = ObjectRef(GetStockObject(BLACK_PEN));
  dc->State.Brush = ObjectRef(GetStockObject(WHITE_BRUSH));
  dc->State.Font = ObjectRef(GetStockObject(SYSTEM_FONT));
  dc->State.Bitmap = ObjectRef(StockBitmap());
  Resolve(*dc);
  LiveDCs().Insert(dc);
  return dc;
}

bool DeleteDC(HDC dc) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  LiveDCs().Erase(d);
  delete d;
  return true;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  HDC__* d = LiveDC(dc);
  HGDIOBJ__* o = LiveObject(object, 0);
  if (d == nullptr || o == nullptr) return nullptr;
  ObjectRef* slot = nullptr;
  switch (o->Kind) {
    case OBJ_PEN: slot = &d->State.Pen; break;
    case OBJ_BRUSH: slot = &d->State.Brush; break;
    case OBJ_FONT: slot = &d->State.Font; break;
    case OBJ_BITMAP: slot = &d->State.Bitmap; break;
    case OBJ_REGION:
      return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(SelectClipRgn(dc, object)));
    default: return nullptr;
  }
  ObjectRef previous = *slot;
  *slot = ObjectRef(object);
  Resolve(*d);
  return previous.Get();
}

HGDIOBJ GetCurrentObject(HDC dc, int objectType) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return nullptr;
  switch (objectType) {
    case OBJ_PEN: return d->State.Pen.Get();
    case OBJ_BRUSH: return d->State.Brush.Get();
    case OBJ_FONT: return d->State.Font.Get();
    case OBJ_BITMAP: return d->State.Bitmap.Get();
    default: return nullptr;
  }
}

int SaveDC(HDC dc) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return 0;
  d->Saved.push_back(d->State);
  return static_cast<int>(d->Saved.size());
}

bool RestoreDC(HDC dc, int saved) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  int count = static_cast<int>(d->Saved.size());
  int level = saved > 0 ? saved : count + saved + 1;
  if (saved == 0 || level < 1 || level > count) return false;
  d->State = d->Saved[static_cast<size_t>(level - 1)];
  d->Saved.resize(static_cast<size_t>(level - 1));
  Resolve(*d);
  // The saved state brings its own clip back.
  InvalidateClip(*d);
  return true;
}

#define DC_ACCESSORS(Type, Field, SetName, GetName, Fail)        \
  Type SetName(HDC dc, Type value) {                              \
    HDC__* d = LiveDC(dc);                                        \
    return d != nullptr ? Exchange(d->State.Field, value) : Fail; \
  }                                                               \
  Type GetName(HDC dc) {                                          \
    HDC__* d = LiveDC(dc);                                        \
    return d != nullptr ? d->State.Field : Fail;                  \
  }

DC_ACCESSORS(COLORREF, TextColor, SetTextColor, GetTextColor, 0xFFFFFFFF)
DC_ACCESSORS(COLORREF, BkColor, SetBkColor, GetBkColor, 0xFFFFFFFF)
DC_ACCESSORS(int, BkMode, SetBkMode, GetBkMode, 0)
DC_ACCESSORS(int, Rop2, SetROP2, GetROP2, 0)
DC_ACCESSORS(UINT, TextAlign, SetTextAlign, GetTextAlign, 0xFFFFFFFF)
#undef DC_ACCESSORS

DWORD SetLayout(HDC dc, DWORD layout) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return 0xFFFFFFFF;
  InvalidateClip(*d);
  return Exchange(d->State.Layout, layout);
}

DWORD GetLayout(HDC dc) {
  HDC__* d = LiveDC(dc);
  return d != nullptr ? d->State.Layout : 0xFFFFFFFF;
}

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) { return OriginEx(dc, &DCState::ViewportOrg, x, y, old, false); }
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old) { return OriginEx(dc, &DCState::ViewportOrg, dx, dy, old, true); }
bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old) { return OriginEx(dc, &DCState::WindowOrg, x, y, old, false); }
bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old) { return OriginEx(dc, &DCState::WindowOrg, dx, dy, old, true); }
bool SetBrushOrgEx(HDC dc, int x, int y, TPoint* old) { return OriginEx(dc, &DCState::BrushOrg, x, y, old, false); }

bool GetViewportOrgEx(HDC dc, TPoint* origin) { return ReadOrigin(dc, &DCState::ViewportOrg, origin); }
bool GetWindowOrgEx(HDC dc, TPoint* origin) { return ReadOrigin(dc, &DCState::WindowOrg, origin); }
bool GetBrushOrgEx(HDC dc, TPoint* origin) { return ReadOrigin(dc, &DCState::BrushOrg, origin); }

namespace {

// Converts points in place between logical and area-relative device coordinates.
template <typename Convert>
bool ConvertPoints(HDC dc, TPoint* points, int count, Convert convert) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || (points == nullptr && count > 0)) return false;
  TRect area = AreaOf(*d);
  for (int i = 0; i < count; ++i) points[i] = convert(*d, area, points[i]);
  return true;
}

}  // namespace

bool LPtoDP(HDC dc, TPoint* points, int count) {
  return ConvertPoints(dc, points, count, [](HDC__& d, const TRect& area, TPoint p) {
    TPoint q = DevicePoint(d, p);
    return TPoint{q.x - area.Left, q.y - area.Top};
  });
}

bool DPtoLP(HDC dc, TPoint* points, int count) {
  return ConvertPoints(dc, points, count, [](HDC__& d, const TRect& area, TPoint p) {
    return LogicalRect(d, Bounds(p.x + area.Left, p.y + area.Top, 1, 1)).TopLeft();
  });
}

void SetDeviceArea(HDC dc, const TRect& area) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return;
  d->Area = area;
  InvalidateClip(*d);
}

TRect GetDeviceArea(HDC dc) {
  HDC__* d = LiveDC(dc);
  return d != nullptr ? AreaOf(*d) : TRect{};
}

void SetSystemClipRegion(HDC dc, HRGN region) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return;
  const TRegion* r = RegionOf(region);
  d->SystemClip = r != nullptr ? std::optional<TRegion>(*r) : std::nullopt;
  InvalidateClip(*d);
}

int SelectClipRgn(HDC dc, HRGN region) { return ExtSelectClipRgn(dc, region, RGN_COPY); }

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return RGN_ERROR;
  const TRegion* r = RegionOf(region);
  if (r == nullptr && mode != RGN_COPY) return RGN_ERROR;
  switch (mode) {
    case RGN_COPY: d->State.Clip = r != nullptr ? std::optional<TRegion>(*r) : std::nullopt; break;
    case RGN_AND: d->State.Clip = CurrentClipOrArea(*d).Intersect(*r); break;
    case RGN_OR: d->State.Clip = CurrentClipOrArea(*d).Union(*r); break;
    case RGN_DIFF: d->State.Clip = CurrentClipOrArea(*d).Subtract(*r); break;
    case RGN_XOR: d->State.Clip = CurrentClipOrArea(*d).Xor(*r); break;
    default: return RGN_ERROR;
  }
  InvalidateClip(*d);
  return RegionKind(ClipOf(*d));
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return RGN_ERROR;
  const TRect narrower = AreaRelative(*d, Rect(left, top, right, bottom));
  if (d->State.Clip) d->State.Clip->IntersectWith(narrower);
  else d->State.Clip = CurrentClipOrArea(*d).Intersect(narrower);
  InvalidateClip(*d);
  return RegionKind(ClipOf(*d));
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return RGN_ERROR;
  d->State.Clip = CurrentClipOrArea(*d).Subtract(TRegion(AreaRelative(*d, Rect(left, top, right, bottom))));
  InvalidateClip(*d);
  return RegionKind(ClipOf(*d));
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return RGN_ERROR;
  if (d->State.Clip) d->State.Clip->Offset(IsMirrored(*d) ? -dx : dx, dy);
  InvalidateClip(*d);
  return RegionKind(ClipOf(*d));
}

int GetClipBox(HDC dc, TRect& box) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return RGN_ERROR;
  const TRegion& clip = ClipOf(*d);
  box = clip.IsEmpty() ? TRect{} : LogicalRect(*d, d->ClipBounds);
  return RegionKind(clip);
}

int GetClipRgn(HDC dc, HRGN region) {
  HDC__* d = LiveDC(dc);
  auto* r = ObjectAs<RegionObject>(region, OBJ_REGION);
  if (d == nullptr || r == nullptr) return -1;
  if (!d->State.Clip) return 0;
  r->Region = *d->State.Clip;
  return 1;
}

bool PtVisible(HDC dc, int x, int y) {
  HDC__* d = LiveDC(dc);
  return d != nullptr && ClipOf(*d).Contains(DevicePoint(*d, {x, y}));
}

bool RectVisible(HDC dc, const TRect& r) {
  HDC__* d = LiveDC(dc);
  return d != nullptr && ClipOf(*d).Intersects(DeviceRect(*d, r));
}

int GetDeviceCaps(HDC dc, int index) {
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return ScreenPixelsPerInch;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case HORZRES:
    case VERTRES: {
      HDC__* d = LiveDC(dc);
      if (d == nullptr) return 0;
      return index == HORZRES ? SurfaceOf(*d).Width() : SurfaceOf(*d).Height();
    }
    default: return 0;
  }
}
