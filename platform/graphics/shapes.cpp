// Drawing shapes with pens and brushes: lines, rectangles, ellipses and polygons.
#include "platform/graphics/shapes.h"

#include <algorithm>

#include "platform/graphics/raster.h"
#include "platform/graphics/shape_spans.h"

namespace {

TRect Normalized(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// The area a pen of width w covers around the outline path of `box` (centred on the path;
// inside the box for psInsideFrame), and what remains inside it.
void PenFrame(const PenObject& pen, const TRect& box, TRect& outer, TRect& inner) {
  int w = pen.Style == PS_NULL ? 0 : pen.Width;
  if (pen.Style == PS_INSIDEFRAME || w <= 1) {
    outer = box;
    inner = {box.Left + w, box.Top + w, box.Right - w, box.Bottom - w};
    if (w == 0) inner = {box.Left, box.Top, box.Right - 1, box.Bottom - 1};
    return;
  }
  int lo = w / 2, hi = w - lo;
  outer = {box.Left - lo, box.Top - lo, box.Right - 1 + hi, box.Bottom - 1 + hi};
  inner = {box.Left + hi, box.Top + hi, box.Right - 1 - lo, box.Bottom - 1 - lo};
}

bool IsStyled(const PenObject& pen) {
  return pen.Width <= 1 && pen.Style != PS_SOLID && pen.Style != PS_INSIDEFRAME && pen.Style != PS_NULL;
}

void FillInterior(HDC__& dc, const std::vector<TRect>& runs) {
  Paint paint;
  if (BrushPaint(dc, nullptr, dc.State.Rop2, paint)) PaintRuns(dc, runs, paint);
}

void AddSegment(HDC__& dc, const TRect& reach, TPoint a, TPoint b, int& offset, PenPixels& pixels) {
  if (ClipSegment(a, b, reach)) AddLinePixels(*dc.Pen, a, b, offset, pixels);
}

void StrokePath(HDC__& dc, const std::vector<TPoint>& devicePoints, bool closed) {
  if (dc.Pen == nullptr || devicePoints.empty()) return;
  TRect reach = ReachBox(dc);
  PenPixels pixels;
  pixels.Keep = reach;
  int offset = 0;
  size_t n = devicePoints.size();
  for (size_t i = 0; i + 1 < n; ++i) AddSegment(dc, reach, devicePoints[i], devicePoints[i + 1], offset, pixels);
  if (closed && n > 1) AddSegment(dc, reach, devicePoints[n - 1], devicePoints[0], offset, pixels);
  PaintPenPixels(dc, *dc.Pen, pixels);
}

std::vector<TPoint> ToDevice(HDC__& dc, const TPoint* points, int count) {
  std::vector<TPoint> out;
  if (points == nullptr || count <= 0) return out;
  out.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back(DevicePoint(dc, points[i]));
  return out;
}

// The device box of a shape (corners in any order) and what its pen covers: false when
// there is nothing to draw.
struct ShapeFrame {
  HDC__* Dc = nullptr;
  TRect Box, Outer, Inner;
};
bool FrameShape(HDC dc, int left, int top, int right, int bottom, ShapeFrame& f) {
  f.Dc = LiveDC(dc);
  if (f.Dc == nullptr || f.Dc->Pen == nullptr) return false;
  f.Box = DeviceRect(*f.Dc, Normalized(left, top, right, bottom));
  PenFrame(*f.Dc->Pen, f.Box, f.Outer, f.Inner);
  return !f.Box.IsEmpty();
}

// Outline and inside of a convex shape given by a row generator over its outer box.
template <typename Rows>
bool ConvexShape(HDC dc, int left, int top, int right, int bottom, Rows rows) {
  ShapeFrame f;
  if (!FrameShape(dc, left, top, right, bottom, f)) return f.Dc != nullptr && f.Dc->Pen != nullptr;
  HDC__* d = f.Dc;
  const TRect &outer = f.Outer, &inner = f.Inner;
  int w = d->Pen->Style == PS_NULL ? 0 : d->Pen->Width;
  TRect reach = ReachBox(*d);
  std::vector<TRect> shape = rows(w == 0 ? inner : outer, reach.Top - w, reach.Bottom + w);
  std::vector<TRect> inside = w == 0 ? shape : ErodeRows(shape, w);
  FillInterior(*d, inside);
  if (w > 0) {
    TRegion outline = TRegion::FromRuns(shape).Subtract(TRegion::FromRuns(inside));
    PaintRegion(*d, outline, SolidPaint(d->Pen->Color, d->State.Rop2));
  }
  return true;
}

}  // namespace

bool MoveToEx(HDC dc, int x, int y, TPoint* old) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  if (old) *old = d->State.Position;
  d->State.Position = {x, y};
  return true;
}

bool GetCurrentPositionEx(HDC dc, TPoint* position) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || position == nullptr) return false;
  *position = d->State.Position;
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  StrokePath(*d, {DevicePoint(*d, d->State.Position), DevicePoint(*d, {x, y})}, false);
  d->State.Position = {x, y};
  return true;
}

bool Polyline(HDC dc, const TPoint* points, int count) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || count < 0) return false;
  StrokePath(*d, ToDevice(*d, points, count), false);
  return true;
}

bool PolyPolyline(HDC dc, const TPoint* points, const DWORD* counts, int polyCount) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || points == nullptr || counts == nullptr || polyCount < 0) return false;
  size_t start = 0;
  for (int i = 0; i < polyCount; ++i) {
    StrokePath(*d, ToDevice(*d, points + start, static_cast<int>(counts[i])), false);
    start += counts[i];
  }
  return true;
}

int SetPolyFillMode(HDC dc, int mode) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return 0;
  int old = d->State.PolyFillMode;
  d->State.PolyFillMode = mode;
  return old;
}

bool Polygon(HDC dc, const TPoint* points, int count) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || count < 0) return false;
  std::vector<TPoint> device = ToDevice(*d, points, count);
  TRect reach = ReachBox(*d);
  FillInterior(*d, PolygonRows(device, d->State.PolyFillMode == WINDING, reach.Top, reach.Bottom));
  StrokePath(*d, device, true);
  return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  ShapeFrame f;
  if (!FrameShape(dc, left, top, right, bottom, f)) return f.Dc != nullptr && f.Dc->Pen != nullptr;
  HDC__* d = f.Dc;
  const TRect &box = f.Box, &outer = f.Outer, &inner = f.Inner;
  FillInterior(*d, {inner});
  if (d->Pen->Style == PS_NULL) return true;
  if (IsStyled(*d->Pen)) {
    TPoint a{box.Left, box.Top}, b{box.Right - 1, box.Bottom - 1};
    StrokePath(*d, {a, {b.x, a.y}, b, {a.x, b.y}}, true);
    return true;
  }
  PaintRegion(*d, TRegion(outer).Subtract(TRegion(inner)), SolidPaint(d->Pen->Color, d->State.Rop2));
  return true;
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return ConvexShape(dc, left, top, right, bottom,
                     [&](const TRect& box, int from, int to) {
                       return RoundRectRows(box, ellipseWidth, ellipseHeight, from, to);
                     });
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  return ConvexShape(dc, left, top, right, bottom,
                     [](const TRect& box, int from, int to) { return EllipseRows(box, from, to); });
}

int FillRect(HDC dc, const TRect& r, HBRUSH brush) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || LiveObject(brush, OBJ_BRUSH) == nullptr) return 0;
  Paint paint;
  if (BrushPaint(*d, brush, R2_COPYPEN, paint) && !r.IsEmpty()) PaintDeviceRect(*d, DeviceRect(*d, r), paint);
  return 1;
}

int FrameRect(HDC dc, const TRect& r, HBRUSH brush) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || LiveObject(brush, OBJ_BRUSH) == nullptr) return 0;
  Paint paint;
  if (r.IsEmpty() || !BrushPaint(*d, brush, R2_COPYPEN, paint)) return 1;
  TRect box = DeviceRect(*d, r);
  TRegion frame = TRegion(box).Subtract(TRegion(Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1)));
  PaintRegion(*d, frame, paint);
  return 1;
}

bool InvertRect(HDC dc, const TRect& r) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  if (!r.IsEmpty()) PaintDeviceRect(*d, DeviceRect(*d, r), SolidPaint(0, R2_NOT));
  return true;
}

namespace {

// A region given in logical coordinates, in device coordinates.
TRegion DeviceRegion(HDC__& d, const TRegion& region) {
  std::vector<TRect> rects;
  for (const TRect& r : region.Rects()) rects.push_back(DeviceRect(d, r));
  return TRegion::FromRuns(rects);
}

}  // namespace

bool FillRgn(HDC dc, HRGN region, HBRUSH brush) {
  HDC__* d = LiveDC(dc);
  const TRegion* r = RegionOf(region);
  Paint paint;
  if (d == nullptr || r == nullptr || !BrushPaint(*d, brush, R2_COPYPEN, paint)) return false;
  PaintRegion(*d, DeviceRegion(*d, *r), paint);
  return true;
}

bool FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height) {
  HDC__* d = LiveDC(dc);
  const TRegion* r = RegionOf(region);
  Paint paint;
  if (d == nullptr || r == nullptr || !BrushPaint(*d, brush, R2_COPYPEN, paint)) return false;
  TRegion device = DeviceRegion(*d, *r);
  width = std::clamp(width, 0, kMaxPenWidth);
  height = std::clamp(height, 0, kMaxPenWidth);
  // Inside pixels farther than width/height from the outside stay untouched.
  TRegion core = device;
  for (int dx = -width; dx <= width; dx += std::max(1, width)) {
    for (int dy = -height; dy <= height; dy += std::max(1, height)) {
      TRegion moved = device;
      moved.Offset(dx, dy);
      core = core.Intersect(moved);
    }
  }
  PaintRegion(*d, device.Subtract(core), paint);
  return true;
}

bool InvertRgn(HDC dc, HRGN region) {
  HDC__* d = LiveDC(dc);
  const TRegion* r = RegionOf(region);
  if (d == nullptr || r == nullptr) return false;
  PaintRegion(*d, DeviceRegion(*d, *r), SolidPaint(0, R2_NOT));
  return true;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return CLR_INVALID;
  TPoint p = DevicePoint(*d, {x, y});
  if (!ClipOf(*d).Contains(p)) return CLR_INVALID;
  COLORREF c = GetNearestColor(dc, color);
  PaintPixel(*d, p.x, p.y, PixelOf(c), R2_COPYPEN);
  return c;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return CLR_INVALID;
  TPoint p = DevicePoint(*d, {x, y});
  if (!ClipOf(*d).Contains(p)) return CLR_INVALID;
  return ColorOfPixel(SurfaceOf(*d).Row(p.y)[p.x]);
}
