// Regions: rectangles, ellipses, polygons and their combinations.
#include "platform/graphics/region.h"

#include <algorithm>

#include "platform/graphics/coordinates.h"
#include "platform/graphics/gdi_object_types.h"
#include "platform/graphics/shape_spans.h"

namespace {

struct Interval {
  int x0;
  int x1;
  bool operator==(const Interval&) const = default;
};

// The rectangles of one region that cover the current band: a sweep from top to bottom keeps
// those that started and have not ended, so each band looks only at its own rectangles.
class BandSweep {
 public:
  explicit BandSweep(const std::vector<TRect>& rects) : rects_(rects) {
    std::sort(rects_.begin(), rects_.end(), [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
  }
  // Adds +side/-side edge events of the rectangles covering [y0, y1); bands start at every top
  // and bottom, so a rectangle that has started and not ended covers the whole band.
  void AddEvents(int y0, int side, std::vector<std::pair<int, int>>& events) {
    while (next_ < rects_.size() && rects_[next_].Top <= y0) active_.push_back(rects_[next_++]);
    std::erase_if(active_, [&](const TRect& r) { return r.Bottom <= y0; });
    for (const TRect& r : active_) {
      events.push_back({r.Left, side});
      events.push_back({r.Right, -side});
    }
  }

 private:
  std::vector<TRect> rects_;
  std::vector<TRect> active_;
  size_t next_ = 0;
};

}  // namespace

TRegion::TRegion(const TRect& r) {
  if (!r.IsEmpty()) rects_.push_back(SaturateRect(r));
}

TRegion TRegion::FromRuns(const std::vector<TRect>& rows) {
  TRegion raw;
  for (const TRect& r : rows)
    if (!r.IsEmpty()) raw.rects_.push_back(SaturateRect(r));
  return raw.Combine(TRegion(), Op::Or);
}

TRegion TRegion::RoundRect(const TRect& bounds, int ellipseWidth, int ellipseHeight) {
  return FromRuns(RoundRectRows(bounds, ellipseWidth, ellipseHeight));
}

TRegion TRegion::Ellipse(const TRect& bounds) { return FromRuns(EllipseRows(bounds)); }

TRegion TRegion::Polygon(const std::vector<TPoint>& points) { return FromRuns(PolygonRows(points, false)); }

TRect TRegion::Bounds() const {
  if (rects_.empty()) return {};
  TRect b = rects_.front();
  for (const TRect& r : rects_) UnionRect(b, b, r);
  return b;
}

bool TRegion::Contains(TPoint p) const {
  for (const TRect& r : rects_)
    if (r.Contains(p)) return true;
  return false;
}

bool TRegion::Intersects(const TRect& r) const {
  TRect tmp;
  for (const TRect& own : rects_)
    if (IntersectRect(tmp, own, r)) return true;
  return false;
}

void TRegion::Offset(int dx, int dy) {
  for (TRect& r : rects_)
    r = SaturateRect(Rect(Saturate(int64_t{r.Left} + dx), Saturate(int64_t{r.Top} + dy), Saturate(int64_t{r.Right} + dx),
                          Saturate(int64_t{r.Bottom} + dy)));
}

TRegion TRegion::Union(const TRegion& o) const { return Combine(o, Op::Or); }
TRegion TRegion::Intersect(const TRegion& o) const { return Combine(o, Op::And); }
TRegion TRegion::Subtract(const TRegion& o) const { return Combine(o, Op::Diff); }
TRegion TRegion::Xor(const TRegion& o) const { return Combine(o, Op::Xor); }

TRegion TRegion::Intersect(const TRect& r) const {
  TRegion result;
  for (const TRect& own : rects_) {
    TRect part;
    if (IntersectRect(part, own, r)) result.rects_.push_back(part);
  }
  return result;  // clipping banded rectangles by one rectangle keeps them banded
}

void TRegion::SetRect(const TRect& r) {
  rects_.clear();
  if (!r.IsEmpty()) rects_.push_back(SaturateRect(r));
}

void TRegion::IntersectWith(const TRect& r) {
  if (IsRectangle()) {
    // Merged bands are what Combine gives, and a rectangle meets a rectangle in one or none.
    TRect common;
    if (IntersectRect(common, rects_.front(), r)) rects_.front() = common;
    else rects_.clear();
    return;
  }
  *this = Intersect(r);
}

namespace {

// The x-intervals inside the combination, from the sorted edge events of one band (side 1:
// the first region, side 2: the second).
template <typename Inside>
std::vector<Interval> CombineBand(const std::vector<std::pair<int, int>>& events, Inside inside) {
  std::vector<Interval> band;
  int inA = 0, inB = 0;
  for (size_t e = 0; e < events.size(); ++e) {
    int side = events[e].second;
    if (side == 1 || side == -1) inA += side;
    else inB += side / 2;
    if (e + 1 < events.size() && events[e + 1].first == events[e].first) continue;
    int x0 = events[e].first;
    int x1 = e + 1 < events.size() ? events[e + 1].first : x0;
    if (!inside(inA > 0, inB > 0) || x1 <= x0) continue;
    if (!band.empty() && band.back().x1 == x0) band.back().x1 = x1;
    else band.push_back({x0, x1});
  }
  return band;
}

// Appends a band's rectangles, or stretches the previous band when it is the same and touches.
class BandWriter {
 public:
  explicit BandWriter(std::vector<TRect>& out) : out_(out) {}
  void Add(const std::vector<Interval>& band, int y0, int y1) {
    if (band.empty()) {
      previous_.clear();
      return;
    }
    if (band == previous_ && previousBottom_ == y0) {
      for (size_t k = previousStart_; k < out_.size(); ++k) out_[k].Bottom = y1;
    } else {
      previousStart_ = out_.size();
      for (const Interval& iv : band) out_.push_back({iv.x0, y0, iv.x1, y1});
      previous_ = band;
    }
    previousBottom_ = y1;
  }

 private:
  std::vector<TRect>& out_;
  std::vector<Interval> previous_;
  int previousBottom_ = 0;
  size_t previousStart_ = 0;
};

}  // namespace

// Cuts both regions into horizontal bands at every top and bottom, combines the x-intervals
// of each band, and merges bands with equal intervals that touch.
TRegion TRegion::Combine(const TRegion& o, Op op) const {
  // Narrowing a clip by a rectangle is by far the most frequent combination; two rectangles
  // meet in one rectangle or none, which is what the sweep below would find.
  if (op == Op::And && (IsEmpty() || o.IsEmpty())) return TRegion();
  if (op == Op::And && IsRectangle() && o.IsRectangle()) {
    TRegion result;
    TRect common;
    if (IntersectRect(common, rects_.front(), o.rects_.front())) result.rects_.push_back(common);
    return result;
  }
  std::vector<int> ys;
  for (const auto* list : {&rects_, &o.rects_})
    for (const TRect& r : *list) {
      ys.push_back(r.Top);
      ys.push_back(r.Bottom);
    }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  auto inside = [op](bool a, bool b) {
    return op == Op::Or ? (a || b) : op == Op::And ? (a && b) : op == Op::Diff ? (a && !b) : (a != b);
  };
  TRegion result;
  BandWriter writer(result.rects_);
  BandSweep mine(rects_), theirs(o.rects_);
  std::vector<std::pair<int, int>> events;
  for (size_t i = 0; i + 1 < ys.size(); ++i) {
    events.clear();
    mine.AddEvents(ys[i], 1, events);
    theirs.AddEvents(ys[i], 2, events);
    std::sort(events.begin(), events.end());
    writer.Add(CombineBand(events, inside), ys[i], ys[i + 1]);
  }
  return result;
}

// ---- Handles ------------------------------------------------------------------------------

namespace {

RegionObject* RegionObj(HRGN rgn) { return ObjectAs<RegionObject>(rgn, OBJ_REGION); }

int Kind(const TRegion& r) {
  if (r.IsEmpty()) return NULLREGION;
  return r.IsRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

HRGN CreateRegion(const TRegion& region) {
  auto* r = new RegionObject;
  r->Region = region;
  return AddObject(r);
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return CreateRegion(TRegion(Rect(left, top, right, bottom)));
}
HRGN CreateRectRgnIndirect(const TRect& r) { return CreateRegion(TRegion(r)); }
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return CreateRegion(TRegion::RoundRect(Rect(left, top, right, bottom), ellipseWidth, ellipseHeight));
}
HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return CreateRegion(TRegion::Ellipse(Rect(left, top, right, bottom)));
}
HRGN CreateEllipticRgnIndirect(const TRect& r) { return CreateRegion(TRegion::Ellipse(r)); }
HRGN CreatePolygonRgn(const TPoint* points, int count) {
  std::vector<TPoint> pts;
  if (points != nullptr && count > 0) pts.assign(points, points + count);
  return CreateRegion(TRegion::Polygon(pts));
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
  RegionObject* d = RegionObj(dst);
  RegionObject* a = RegionObj(src1);
  RegionObject* b = mode == RGN_COPY ? a : RegionObj(src2);
  if (d == nullptr || a == nullptr || b == nullptr) return RGN_ERROR;
  switch (mode) {
    case RGN_AND: d->Region = a->Region.Intersect(b->Region); break;
    case RGN_OR: d->Region = a->Region.Union(b->Region); break;
    case RGN_XOR: d->Region = a->Region.Xor(b->Region); break;
    case RGN_DIFF: d->Region = a->Region.Subtract(b->Region); break;
    case RGN_COPY: d->Region = a->Region; break;
    default: return RGN_ERROR;
  }
  return Kind(d->Region);
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  RegionObject* r = RegionObj(rgn);
  if (r == nullptr) return RGN_ERROR;
  r->Region.Offset(dx, dy);
  return Kind(r->Region);
}

bool SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  RegionObject* r = RegionObj(rgn);
  if (r == nullptr) return false;
  r->Region = TRegion(Rect(left, top, right, bottom));
  return true;
}

bool PtInRegion(HRGN rgn, int x, int y) {
  RegionObject* r = RegionObj(rgn);
  return r != nullptr && r->Region.Contains({x, y});
}

bool RectInRegion(HRGN rgn, const TRect& rect) {
  RegionObject* r = RegionObj(rgn);
  return r != nullptr && r->Region.Intersects(rect);
}

bool EqualRgn(HRGN a, HRGN b) {
  RegionObject* ra = RegionObj(a);
  RegionObject* rb = RegionObj(b);
  return ra != nullptr && rb != nullptr && ra->Region == rb->Region;
}

int GetRgnBox(HRGN rgn, TRect& box) {
  RegionObject* r = RegionObj(rgn);
  if (r == nullptr) return RGN_ERROR;
  box = r->Region.Bounds();
  return Kind(r->Region);
}

std::vector<TRect> GetRegionRects(HRGN rgn) {
  RegionObject* r = RegionObj(rgn);
  return r != nullptr ? r->Region.Rects() : std::vector<TRect>{};
}

const TRegion* RegionOf(HRGN rgn) {
  RegionObject* r = RegionObj(rgn);
  return r != nullptr ? &r->Region : nullptr;
}
