// Filling pixel spans with solid, hatched and dashed paints, and wide stores for long fills.
#include "platform/graphics/raster.h"

#include <algorithm>
#include <cwchar>
#include <cmath>
#include <cstdlib>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

bool HatchBit(int hatch, int x, int y) {
  int hx = x & 7, hy = y & 7;
  bool h = hy == 7, v = hx == 7, f = hx == hy, b = hx + hy == 7;
  switch (hatch) {
    case HS_HORIZONTAL: return h;
    case HS_VERTICAL: return v;
    case HS_FDIAGONAL: return f;
    case HS_BDIAGONAL: return b;
    case HS_CROSS: return h || v;
    case HS_DIAGCROSS: return f || b;
    default: return false;
  }
}

int Mod(int a, int m) {
  int r = a % m;
  return r < 0 ? r + m : r;
}

#if defined(__x86_64__)
// Long fills are bound by how many stores reach memory: 32-byte stores that never straddle a
// cache line are the fewest. The rows of a bitmap start anywhere, so the span's ends get one
// store each, overlapping the aligned stores between them (the same colour twice is harmless).
// Spans are at least 8 pixels long.
__attribute__((target("avx2"))) void FillAlignedWide(uint32_t* p, uint32_t* end, uint32_t color) {
  const __m256i wide = _mm256_set1_epi32(static_cast<int>(color));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), wide);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(end - 8), wide);
  auto* block = reinterpret_cast<__m256i*>(reinterpret_cast<uintptr_t>(p + 8) & ~uintptr_t{31});
  auto* last = reinterpret_cast<__m256i*>(reinterpret_cast<uintptr_t>(end) & ~uintptr_t{31});
#pragma GCC unroll 4
  for (; block < last; ++block) _mm256_store_si256(block, wide);
}

bool HasWideStores() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

// A long span of one colour.
void FillLong(uint32_t* p, int count, uint32_t color) {
#if defined(__x86_64__)
  if (HasWideStores()) return FillAlignedWide(p, p + count, color);
#endif
  // The C library's wide fill stores whole vector registers.
  static_assert(sizeof(wchar_t) == sizeof(uint32_t));
  wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(color), static_cast<size_t>(count));
}

void FillSpan(uint32_t* row, int x0, int x1, int y, const Paint& paint) {
  if (paint.Brush == nullptr) {
    if (paint.Rop2 == R2_COPYPEN) {
      constexpr int kLongSpan = 32;  // shorter spans (lines, edges) are cheaper without the call
      if (x1 - x0 >= kLongSpan) FillLong(row + x0, x1 - x0, paint.Color);
      else
        for (int x = x0; x < x1; ++x) row[x] = paint.Color;
      return;
    }
    for (int x = x0; x < x1; ++x) row[x] = Mix2(paint.Rop2, paint.Color, row[x]);
    return;
  }
  uint32_t c = 0;
  for (int x = x0; x < x1; ++x)
    if (paint.ColorAt(x, y, c)) row[x] = paint.Rop2 == R2_COPYPEN ? c : Mix2(paint.Rop2, c, row[x]);
}

// The dash pattern (on, off, on, off, ...) of a cosmetic pen style.
const std::vector<int>* DashPattern(int style) {
  static const std::vector<int> dash = {18, 6}, dot = {3, 3}, dashDot = {9, 6, 3, 6},
                                dashDotDot = {9, 3, 3, 3, 3, 3}, alternate = {1, 1};
  switch (style) {
    case PS_DASH: return &dash;
    case PS_DOT: return &dot;
    case PS_DASHDOT: return &dashDot;
    case PS_DASHDOTDOT: return &dashDotDot;
    case PS_ALTERNATE: return &alternate;
    default: return nullptr;
  }
}

bool DashOn(const std::vector<int>& pattern, int offset) {
  int total = 0;
  for (int v : pattern) total += v;
  int pos = Mod(offset, total);
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pos < pattern[i]) return i % 2 == 0;
    pos -= pattern[i];
  }
  return true;
}

// A disc of diameter `width` over the pixel (cx, cy), covering the same rows and columns as a
// straight line of that width through the pixel.
void AddDisc(std::vector<TRect>& runs, int cx, int cy, int width) {
  int lo = width / 2;
  double centreX = cx - lo + width / 2.0, centreY = cy - lo + width / 2.0, r = width / 2.0;
  for (int y = cy - lo; y < cy - lo + width; ++y) {
    double dy = y + 0.5 - centreY;
    double half = std::sqrt(std::max(0.0, r * r - dy * dy));
    int x0 = static_cast<int>(std::ceil(centreX - half - 0.5));
    int x1 = static_cast<int>(std::floor(centreX + half - 0.5)) + 1;
    if (x1 > x0) runs.push_back({x0, y, x1, y + 1});
  }
}

// One step of the line walk (integer error term; dy is negative).
inline void Step(TPoint& p, int& err, int dx, int dy, int sx, int sy) {
  int e2 = 2 * err;
  if (e2 >= dy) { err += dy; p.x += sx; }
  if (e2 <= dx) { err += dx; p.y += sy; }
}

void AddWideLine(const PenObject& pen, TPoint from, TPoint to, PenPixels& out) {
  int w = pen.Width;
  int lo = w / 2, hi = w - lo;  // rows (or columns) left of and right of the centre line
  int cap = pen.Geometric ? pen.EndCap : PS_ENDCAP_ROUND;
  if (from.y == to.y || from.x == to.x) {
    bool horizontal = from.y == to.y;
    int a = horizontal ? std::min(from.x, to.x) : std::min(from.y, to.y);
    int b = horizontal ? std::max(from.x, to.x) : std::max(from.y, to.y);
    if (cap == PS_ENDCAP_SQUARE) {
      a -= lo;
      b += hi;
    } else if (cap == PS_ENDCAP_ROUND) {
      ++b;
    }
    TRect r = horizontal ? TRect{a, from.y - lo, b, from.y + hi} : TRect{from.x - lo, a, from.x + hi, b};
    if (!r.IsEmpty()) out.On.push_back(r);
    if (cap == PS_ENDCAP_ROUND) {
      AddDisc(out.On, from.x, from.y, w);
      AddDisc(out.On, to.x, to.y, w);
    }
    return;
  }
  int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int err = dx + dy;
  TRect near = out.Keep;
  InflateRect(near, w, w);
  TPoint p = from;
  for (;;) {
    if (near.Contains(p)) AddDisc(out.On, p.x, p.y, w);
    if (p == to) break;
    Step(p, err, dx, dy, sx, sy);
  }
}

}  // namespace

bool Paint::ColorAt(int x, int y, uint32_t& color) const {
  if (Brush == nullptr) {
    color = Color;
    return true;
  }
  if (Brush->Style == BS_PATTERN) {
    int px = Mod(x - Origin.x, Brush->PatternWidth), py = Mod(y - Origin.y, Brush->PatternHeight);
    color = Brush->Pattern[static_cast<size_t>(py) * Brush->PatternWidth + px] | 0xFF000000u;
    return true;
  }
  if (HatchBit(Brush->Hatch, x - Origin.x, y - Origin.y)) {
    color = Color;
    return true;
  }
  color = Background;
  return OpaqueBackground;
}

Paint SolidPaint(COLORREF color, int rop2) {
  Paint p;
  p.Color = PixelOf(color);
  p.Rop2 = rop2;
  return p;
}

bool BrushPaint(HDC__& dc, HBRUSH brush, int rop2, Paint& paint) {
  const BrushObject* b = brush != nullptr ? ObjectAs<BrushObject>(brush, OBJ_BRUSH) : dc.Brush;
  if (b == nullptr || b->Style == BS_NULL) return false;
  paint = SolidPaint(b->Color, rop2);
  if (b->Style == BS_PATTERN || b->Style == BS_HATCHED) {
    paint.Brush = b;
    TRect area = AreaOf(dc);
    paint.Origin = {area.Left + dc.State.BrushOrg.x, area.Top + dc.State.BrushOrg.y};
    paint.Background = PixelOf(dc.State.BkColor);
    paint.OpaqueBackground = dc.State.BkMode == OPAQUE;
  }
  return true;
}

void PaintDeviceRect(HDC__& dc, const TRect& rect, const Paint& paint) {
  if (rect.IsEmpty()) return;
  TPixelSurface& surface = SurfaceOf(dc);
  const TRegion& clip = ClipOf(dc);
  uint32_t* bits = nullptr;
  for (const TRect& c : clip.Rects()) {
    TRect part;
    if (!IntersectRect(part, c, rect)) continue;
    if (bits == nullptr) bits = surface.Bits();
    const size_t stride = static_cast<size_t>(surface.Width());
    if (part.Right - part.Left == 1 && paint.Brush == nullptr && paint.Rop2 == R2_COPYPEN) {
      // A column (the side of a frame): one store a row.
      for (uint32_t* p = bits + part.Top * stride + part.Left; part.Top < part.Bottom; ++part.Top, p += stride)
        *p = paint.Color;
      continue;
    }
    for (int y = part.Top; y < part.Bottom; ++y) FillSpan(bits + y * stride, part.Left, part.Right, y, paint);
  }
}

void PaintRuns(HDC__& dc, const std::vector<TRect>& runs, const Paint& paint) {
  // Runs that continue one another downwards (a vertical line) are painted as one rectangle:
  // the same pixels in the same order, without a pass over the clip for every row.
  TRect pending{};
  for (const TRect& r : runs) {
    if (!pending.IsEmpty() && r.Left == pending.Left && r.Right == pending.Right && r.Top == pending.Bottom) {
      pending.Bottom = r.Bottom;
      continue;
    }
    PaintDeviceRect(dc, pending, paint);
    pending = r;
  }
  PaintDeviceRect(dc, pending, paint);
}

void PaintRegion(HDC__& dc, const TRegion& region, const Paint& paint) { PaintRuns(dc, region.Rects(), paint); }

void PaintPixel(HDC__& dc, int x, int y, uint32_t color, int rop2) {
  const TRegion& clip = ClipOf(dc);
  if (!dc.ClipBounds.Contains({x, y}) || (!clip.IsRectangle() && !clip.Contains({x, y}))) return;
  TPixelSurface& s = SurfaceOf(dc);
  uint32_t& d = s.Row(y)[x];
  d = rop2 == R2_COPYPEN ? color : Mix2(rop2, color, d);
}

// The visible part of what a shape or pen can touch: the clip bounds with room for the pen.
TRect ReachBox(HDC__& dc) {
  ClipOf(dc);
  TRect box = dc.ClipBounds;
  int margin = (dc.Pen != nullptr ? dc.Pen->Width : 1) + 2;
  InflateRect(box, margin, margin);
  return box;
}

// Cuts a segment to the box (parametric clipping) when it reaches far outside any bitmap;
// false when nothing of it is inside. Other segments are walked whole, so their pixels are
// exactly those of the whole line.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box) {
  constexpr int kExact = 1 << 15;  // segments this short are walked whole: every pixel exact
  auto near = [&](TPoint p) { return p.x > -kExact && p.x < kExact && p.y > -kExact && p.y < kExact; };
  if (near(a) && near(b)) return true;
  double t0 = 0, t1 = 1, dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    double r = q / p;
    if (p < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
    return t0 <= t1;
  };
  if (!edge(-dx, a.x - box.Left) || !edge(dx, box.Right - 1 - a.x) || !edge(-dy, a.y - box.Top) ||
      !edge(dy, box.Bottom - 1 - a.y))
    return false;
  TPoint from = a;
  if (t1 < 1) b = {static_cast<int>(from.x + t1 * dx + 0.5), static_cast<int>(from.y + t1 * dy + 0.5)};
  if (t0 > 0) a = {static_cast<int>(from.x + t0 * dx + 0.5), static_cast<int>(from.y + t0 * dy + 0.5)};
  return true;
}

void AddLinePixels(const PenObject& pen, TPoint from, TPoint to, int& styleOffset, PenPixels& out) {
  if (pen.Style == PS_NULL) return;
  if (pen.Width > 1) {
    AddWideLine(pen, from, to, out);
    return;
  }
  const std::vector<int>* pattern = DashPattern(pen.Style);
  if (pattern == nullptr && (from.x == to.x || from.y == to.y)) {
    // Straight solid lines are one run: from the start up to, not including, the end.
    TRect run = from.x == to.x ? (from.y < to.y ? TRect{from.x, from.y, from.x + 1, to.y} : TRect{from.x, to.y + 1, from.x + 1, from.y + 1})
                               : (from.x < to.x ? TRect{from.x, from.y, to.x, from.y + 1} : TRect{to.x + 1, from.y, from.x + 1, from.y + 1});
    if (!run.IsEmpty()) out.On.push_back(run);
    return;
  }
  int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int err = dx + dy;
  TPoint p = from;
  while (p != to) {
    bool on = pattern == nullptr || DashOn(*pattern, styleOffset++);
    std::vector<TRect>& target = on ? out.On : out.Off;
    if (!out.Keep.Contains(p)) {
      Step(p, err, dx, dy, sx, sy);
      continue;
    }
    // Neighbouring pixels on one row join into one run.
    if (!target.empty() && target.back().Top == p.y && target.back().Right == p.x)
      ++target.back().Right;
    else if (!target.empty() && target.back().Top == p.y && target.back().Left == p.x + 1)
      --target.back().Left;
    else
      target.push_back({p.x, p.y, p.x + 1, p.y + 1});
    Step(p, err, dx, dy, sx, sy);
  }
}

void PaintPenPixels(HDC__& dc, const PenObject& pen, const PenPixels& pixels) {
  int rop = dc.State.Rop2;
  bool overlapping = pen.Width > 1;
  Paint on = SolidPaint(pen.Color, rop);
  if (overlapping) PaintRegion(dc, TRegion::FromRuns(pixels.On), on);
  else PaintRuns(dc, pixels.On, on);
  if (dc.State.BkMode == OPAQUE && !pixels.Off.empty()) PaintRuns(dc, pixels.Off, SolidPaint(dc.State.BkColor, rop));
}
