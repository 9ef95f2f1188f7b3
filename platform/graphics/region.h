#pragma once

#include <vector>

#include "platform/core/types.h"
#include "platform/graphics/gdi_handles.h"

// An area of pixels kept as disjoint rectangles in bands (rows of equal top and bottom,
// sorted by top then left). Used for clipping device contexts and for window regions.
class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& r);
  static TRegion RoundRect(const TRect& bounds, int ellipseWidth, int ellipseHeight);
  static TRegion Ellipse(const TRect& bounds);
  // Pixels whose centres lie inside the polygon (alternate filling).
  static TRegion Polygon(const std::vector<TPoint>& points);
  // One rectangle per (y, x0, x1) run; runs may overlap and come in any order.
  static TRegion FromRuns(const std::vector<TRect>& rows);

  bool IsEmpty() const { return rects_.empty(); }
  bool IsRectangle() const { return rects_.size() == 1; }
  TRect Bounds() const;
  const std::vector<TRect>& Rects() const { return rects_; }
  bool Contains(TPoint p) const;
  bool Intersects(const TRect& r) const;
  void Offset(int dx, int dy);

  TRegion Union(const TRegion& o) const;
  TRegion Intersect(const TRegion& o) const;
  TRegion Subtract(const TRegion& o) const;
  TRegion Xor(const TRegion& o) const;
  TRegion Intersect(const TRect& r) const;
  // In place, keeping the storage: what a clip does many times a paint.
  void SetRect(const TRect& r);
  void IntersectWith(const TRect& r);

  bool operator==(const TRegion& o) const { return rects_ == o.rects_; }

 private:
  enum class Op { Or, And, Diff, Xor };
  TRegion Combine(const TRegion& o, Op op) const;
  std::vector<TRect> rects_;
};

// The window system's region API over TRegion.
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
constexpr int ERROR = RGN_ERROR;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect& r);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const TRect& r);
HRGN CreatePolygonRgn(const TPoint* points, int count);
HRGN CreateRegion(const TRegion& region);
// Returns the region kind of dst, or RGN_ERROR when a handle is not a region.
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
bool SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
bool PtInRegion(HRGN rgn, int x, int y);
bool RectInRegion(HRGN rgn, const TRect& r);
bool EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN rgn, TRect& box);
// The region's rectangles (the window system's GetRegionData, as a list).
std::vector<TRect> GetRegionRects(HRGN rgn);
// The region behind a handle, or nullptr when the handle is not a live region.
const TRegion* RegionOf(HRGN rgn);
