// Copying pixels between device contexts with raster operations and stretching.
#include "platform/graphics/blit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/graphics/raster.h"

namespace {

bool UsesSource(DWORD rop) {
  unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 2) & 0x33) != (t & 0x33);
}

bool UsesPattern(DWORD rop) {
  unsigned t = (rop >> 16) & 0xFF;
  return (t >> 4) != (t & 0xF);
}

// The ternary raster operation on one pixel; SRCCOPY keeps the source's alpha.
inline uint32_t Rop3(DWORD rop, uint32_t p, uint32_t s, uint32_t d) {
  switch (rop) {
    case SRCCOPY: return s;
    case SRCPAINT: return (s | d) | 0xFF000000u;
    case SRCAND: return (s & d) | 0xFF000000u;
    case SRCINVERT: return (s ^ d) | 0xFF000000u;
    case SRCERASE: return (s & ~d) | 0xFF000000u;
    case NOTSRCCOPY: return ~s | 0xFF000000u;
    case NOTSRCERASE: return ~(s | d) | 0xFF000000u;
    case MERGECOPY: return (p & s) | 0xFF000000u;
    case MERGEPAINT: return (~s | d) | 0xFF000000u;
    case PATCOPY: return p | 0xFF000000u;
    case PATINVERT: return (p ^ d) | 0xFF000000u;
    case DSTINVERT: return ~d | 0xFF000000u;
    case BLACKNESS: return 0xFF000000u;
    case WHITENESS: return 0xFFFFFFFFu;
    default: break;
  }
  unsigned t = (rop >> 16) & 0xFF;
  uint32_t r = 0;
  for (unsigned i = 0; i < 8; ++i)
    if (t & (1u << i)) r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  return r | 0xFF000000u;
}

// Extents past any bitmap's size are refused rather than mapped pixel by pixel.
bool SaneExtents(int w, int h, int sw, int sh) {
  constexpr int64_t kMaxExtent = 1 << 20;
  for (int64_t v : {int64_t{w}, int64_t{h}, int64_t{sw}, int64_t{sh}})
    if (v > kMaxExtent || v < -kMaxExtent) return false;
  return true;
}

// Which source pixel each destination pixel takes (-1: none), for one axis.
struct AxisMap {
  int DeviceStart = 0;   // first destination device coordinate
  std::vector<int> Src;  // source device coordinate per destination coordinate
};

// Maps `count` destination logical coordinates starting at `dst` to `srcCount` source
// logical coordinates starting at `src` (nearest neighbour; flipped when the signs differ).
template <typename ToDstDevice, typename ToSrcDevice>
AxisMap BuildAxis(int dst, int count, int src, int srcCount, int srcLimit, bool extraFlip, ToDstDevice toDst,
                  ToSrcDevice toSrc) {
  AxisMap map;
  int n = std::abs(count), sn = std::abs(srcCount);
  int dstFirst = count >= 0 ? dst : dst + count;
  int srcFirst = srcCount >= 0 ? src : src + srcCount;
  bool flip = ((count < 0) != (srcCount < 0)) != extraFlip;
  int a = toDst(dstFirst), b = toDst(dstFirst + n - 1);
  map.DeviceStart = std::min(a, b);
  map.Src.assign(static_cast<size_t>(n), -1);
  for (int i = 0; i < n; ++i) {
    int j = static_cast<int>((static_cast<int64_t>(i) * 2 + 1) * sn / (2 * static_cast<int64_t>(n)));
    if (flip) j = sn - 1 - j;
    int s = toSrc(srcFirst + j);
    int d = toDst(dstFirst + i) - map.DeviceStart;
    if (d >= 0 && d < n) map.Src[static_cast<size_t>(d)] = (s >= 0 && s < srcLimit) ? s : -1;
  }
  return map;
}

// The pixels of a source snapshot, so that copies within one bitmap read the original.
struct SourceView {
  const uint32_t* Bits = nullptr;
  int Stride = 0;
  std::vector<uint32_t> Copy;
};

SourceView ViewSource(HDC__* src, HDC__& dst) {
  SourceView v;
  if (src == nullptr) return v;
  TPixelSurface& s = SurfaceOf(*src);
  v.Stride = s.Width();
  v.Bits = s.Bits();
  if (&s == &SurfaceOf(dst)) {
    v.Copy.assign(v.Bits, v.Bits + static_cast<size_t>(s.Width()) * s.Height());
    v.Bits = v.Copy.data();
  }
  return v;
}

// Runs `row(pixels, y, left, right)` for each destination row part inside the clip and target.
template <typename Row>
void ForEachClippedRow(HDC__& dst, const TRect& target, Row row) {
  TPixelSurface& ds = SurfaceOf(dst);
  uint32_t* bits = nullptr;
  for (const TRect& c : ClipOf(dst).Rects()) {
    TRect part;
    if (!IntersectRect(part, c, target)) continue;
    if (bits == nullptr) bits = ds.Bits();
    for (int y = part.Top; y < part.Bottom; ++y)
      row(bits + static_cast<size_t>(y) * ds.Width(), y, part.Left, part.Right);
  }
}

bool SameScaleCopy(HDC__& dst, HDC__* src, DWORD rop, int w, int h, int sw, int sh) {
  return rop == SRCCOPY && src != nullptr && w == sw && h == sh && w > 0 && h > 0 && !IsMirrored(dst) &&
         !IsMirrored(*src);
}

// Copies `target` (destination device pixels; the source is `offY` rows away) in one block when
// it covers whole rows of both bitmaps inside a clip of one rectangle; false when it cannot.
bool CopyAsOneBlock(HDC__& dst, TPixelSurface& source, const TRect& target, int offX, int offY) {
  TPixelSurface& ds = SurfaceOf(dst);
  const TRegion& clip = ClipOf(dst);
  if (offX != 0 || source.Width() != ds.Width() || !clip.IsRectangle()) return false;
  TRect part;
  if (!IntersectRect(part, clip.Rects().front(), target)) return true;  // nothing to copy
  if (part.Left != 0 || part.Right != ds.Width()) return false;
  const uint32_t* from = source.Row(part.Top + offY);
  uint32_t* to = ds.Row(part.Top);
  std::memmove(to, from, sizeof(uint32_t) * static_cast<size_t>(ds.Width()) * static_cast<size_t>(part.Height()));
  return true;
}

// Whole-row copies when nothing is scaled, flipped or mirrored. When the rows are whole in
// both bitmaps and the clip is one rectangle, they lie back to back in memory and go in one
// block copy (which also handles a copy within one bitmap without a snapshot).
void CopyRows(HDC__& dst, HDC__& src, int x, int y, int w, int h, int sx, int sy) {
  TRect target = DeviceRect(dst, Bounds(x, y, w, h));
  TPoint from = DevicePoint(src, {sx, sy});
  int offX = from.x - target.Left, offY = from.y - target.Top;
  TPixelSurface& ss = SurfaceOf(src);
  TRect reachable = ss.Bounds();
  OffsetRect(reachable, -offX, -offY);
  IntersectRect(target, target, reachable);
  if (CopyAsOneBlock(dst, ss, target, offX, offY)) return;
  SourceView view = ViewSource(&src, dst);
  ForEachClippedRow(dst, target, [&](uint32_t* row, int rowY, int left, int right) {
    std::memcpy(row + left, view.Bits + static_cast<size_t>(rowY + offY) * view.Stride + left + offX,
                sizeof(uint32_t) * static_cast<size_t>(right - left));
  });
}

// Runs `op(dstPixel&, srcPixelOrNull, deviceX, deviceY)` for every destination pixel of a
// (possibly scaled and mirrored) transfer inside the destination's clip.
template <typename Op>
bool Transfer(HDC__& dst, int x, int y, int w, int h, HDC__* src, int sx, int sy, int sw, int sh, Op op) {
  if (!SaneExtents(w, h, sw, sh)) return false;
  if (w == 0 || h == 0 || (src != nullptr && (sw == 0 || sh == 0))) return true;
  x = Saturate(x), y = Saturate(y), sx = Saturate(sx), sy = Saturate(sy);
  bool preserve = (dst.State.Layout & LAYOUT_BITMAPORIENTATIONPRESERVED) && IsMirrored(dst);
  int srcW = src != nullptr ? SurfaceOf(*src).Width() : 0, srcH = src != nullptr ? SurfaceOf(*src).Height() : 0;
  auto srcX = [&](int v) { return src != nullptr ? DeviceX(*src, v) : 0; };
  auto srcY = [&](int v) { return src != nullptr ? DeviceY(*src, v) : 0; };
  if (src == nullptr) {
    sw = w;
    sh = h;
    srcW = srcH = 1 << 30;
  }
  AxisMap cols = BuildAxis(x, w, sx, sw, srcW, preserve, [&](int v) { return DeviceX(dst, v); }, srcX);
  AxisMap rows = BuildAxis(y, h, sy, sh, srcH, false, [&](int v) { return DeviceY(dst, v); }, srcY);
  TRect target = Bounds(cols.DeviceStart, rows.DeviceStart, static_cast<int>(cols.Src.size()),
                        static_cast<int>(rows.Src.size()));
  SourceView view = ViewSource(src, dst);
  ForEachClippedRow(dst, target, [&](uint32_t* row, int rowY, int left, int right) {
    int srow = rows.Src[static_cast<size_t>(rowY - target.Top)];
    if (srow < 0) return;
    const uint32_t* line = view.Bits != nullptr ? view.Bits + static_cast<size_t>(srow) * view.Stride : nullptr;
    for (int px = left; px < right; ++px) {
      int scol = cols.Src[static_cast<size_t>(px - target.Left)];
      if (scol >= 0) op(row[px], line != nullptr ? &line[scol] : nullptr, px, rowY);
    }
  });
  return true;
}

uint32_t Blend(uint32_t s, uint32_t d, uint32_t sourceWeight, uint32_t keep) {
  auto channel = [&](int shift) {
    uint32_t v = (((s >> shift) & 0xFF) * sourceWeight + ((d >> shift) & 0xFF) * keep + 127) / 255;
    return std::min<uint32_t>(v, 255) << shift;
  };
  return channel(24) | channel(16) | channel(8) | channel(0);
}

}  // namespace

bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop) {
  if (!SaneExtents(width, height, srcWidth, srcHeight)) return false;
  x = Saturate(x), y = Saturate(y), srcX = Saturate(srcX), srcY = Saturate(srcY);
  HDC__* d = LiveDC(dst);
  HDC__* s = UsesSource(rop) ? LiveDC(src) : nullptr;
  if (d == nullptr || (UsesSource(rop) && s == nullptr)) return false;
  if (SameScaleCopy(*d, s, rop, width, height, srcWidth, srcHeight)) {
    CopyRows(*d, *s, x, y, width, height, srcX, srcY);
    return true;
  }
  Paint pattern;
  bool hasPattern = UsesPattern(rop) && BrushPaint(*d, nullptr, R2_COPYPEN, pattern);
  return Transfer(*d, x, y, width, height, s, srcX, srcY, srcWidth, srcHeight,
                  [&](uint32_t& pixel, const uint32_t* source, int px, int py) {
                    uint32_t p = 0;
                    if (hasPattern) pattern.ColorAt(px, py, p);
                    pixel = Rop3(rop, p, source != nullptr ? *source : 0, pixel);
                  });
}

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
  return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  if (UsesSource(rop)) return false;
  return StretchBlt(dc, x, y, width, height, nullptr, 0, 0, width, height, rop);
}

int SetStretchBltMode(HDC dc, int mode) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return 0;
  int old = d->State.StretchMode;
  d->State.StretchMode = mode;
  return old;
}

bool AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
  HDC__* d = LiveDC(dst);
  HDC__* s = LiveDC(src);
  if (d == nullptr || s == nullptr || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) return false;
  uint32_t constant = blend.SourceConstantAlpha;
  bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
  return Transfer(*d, x, y, width, height, s, srcX, srcY, srcWidth, srcHeight,
                  [&](uint32_t& pixel, const uint32_t* source, int, int) {
                    uint32_t sp = *source;
                    if (!perPixel) {
                      pixel = Blend(sp, pixel, constant, 255 - constant);
                      return;
                    }
                    // Premultiplied source: colour scaled by the constant, destination kept by
                    // what the scaled source alpha leaves.
                    uint32_t alpha = ((sp >> 24) * constant + 127) / 255;
                    pixel = Blend(sp, pixel, constant, 255 - alpha);
                  });
}

bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT transparent) {
  HDC__* d = LiveDC(dst);
  HDC__* s = LiveDC(src);
  if (d == nullptr || s == nullptr) return false;
  uint32_t key = PixelOf(GetNearestColor(dst, transparent)) & 0xFFFFFF;
  return Transfer(*d, x, y, width, height, s, srcX, srcY, srcWidth, srcHeight,
                  [&](uint32_t& pixel, const uint32_t* source, int, int) {
                    if ((*source & 0xFFFFFF) != key) pixel = *source | 0xFF000000u;
                  });
}

bool GradientFill(HDC dc, const TRIVERTEX* vertices, unsigned long vertexCount, const GRADIENT_RECT* rects,
                  unsigned long rectCount, DWORD mode) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr || vertices == nullptr || rects == nullptr || mode > GRADIENT_FILL_RECT_V) return false;
  for (unsigned long i = 0; i < rectCount; ++i) {
    if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return false;
    const TRIVERTEX& a = vertices[rects[i].UpperLeft];
    const TRIVERTEX& b = vertices[rects[i].LowerRight];
    TRect r = SaturateRect(Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)));
    bool vertical = mode == GRADIENT_FILL_RECT_V;
    int steps = vertical ? r.Height() : r.Width();
    // Only the bands that can be seen are painted.
    TRect box;
    GetClipBox(dc, box);
    int first = std::max(0, vertical ? box.Top - r.Top : box.Left - r.Left);
    int last = std::min(steps, vertical ? box.Bottom - r.Top : box.Right - r.Left);
    for (int k = first; k < last; ++k) {
      auto mix = [&](uint16_t from, uint16_t to) {
        int64_t v = (from >> 8) + int64_t{(to >> 8) - (from >> 8)} * k / std::max(1, steps - 1);
        return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
      };
      COLORREF c = RGB(mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue));
      TRect band = vertical ? Rect(r.Left, r.Top + k, r.Right, r.Top + k + 1) : Rect(r.Left + k, r.Top, r.Left + k + 1, r.Bottom);
      PaintDeviceRect(*d, DeviceRect(*d, band), SolidPaint(c, R2_COPYPEN));
    }
  }
  return true;
}

void GradientFillRect(HDC dc, const TRect& rect, TColor from, TColor to, bool vertical) {
  auto vertex = [](int x, int y, TColor color) {
    COLORREF c = GetNearestColor(nullptr, static_cast<COLORREF>(color));
    TRIVERTEX v;
    v.x = x;
    v.y = y;
    v.Red = static_cast<uint16_t>(GetRValue(c) << 8);
    v.Green = static_cast<uint16_t>(GetGValue(c) << 8);
    v.Blue = static_cast<uint16_t>(GetBValue(c) << 8);
    return v;
  };
  TRIVERTEX v[2] = {vertex(rect.Left, rect.Top, from), vertex(rect.Right, rect.Bottom, to)};
  GRADIENT_RECT g;
  if (!rect.IsEmpty()) GradientFill(dc, v, 2, &g, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

namespace {

// Moves the pixels of `target` (logical) over from (-dx, -dy) within the context's own surface,
// clipped as a copy would be. Row by row in the order the overlap allows, so that no picture of
// the whole surface is taken first.
void MovePixelsInPlace(HDC__& dc, const TRect& target, int dx, int dy) {
  TPixelSurface& surface = SurfaceOf(dc);
  const TRect bounds = surface.Bounds();
  const TRect device = DeviceRect(dc, target);
  struct Span {
    int Y, Left, Right;
  };
  std::vector<Span> spans;
  for (const TRect& c : ClipOf(dc).Rects()) {
    TRect part;
    if (!IntersectRect(part, c, device)) continue;
    TRect source = part;
    OffsetRect(source, -dx, -dy);
    if (!IntersectRect(source, source, bounds)) continue;
    OffsetRect(source, dx, dy);
    for (int y = source.Top; y < source.Bottom; ++y) spans.push_back({y, source.Left, source.Right});
  }
  // Rows moving up are written top first, rows moving down bottom first: a row is read before
  // anything is written over it.
  std::sort(spans.begin(), spans.end(), [dy](const Span& a, const Span& b) { return dy > 0 ? a.Y > b.Y : a.Y < b.Y; });
  for (const Span& span : spans) {
    std::memmove(surface.Row(span.Y) + span.Left, surface.Row(span.Y - dy) + span.Left - dx,
                 sizeof(uint32_t) * static_cast<size_t>(span.Right - span.Left));
  }
}

}  // namespace

bool ScrollDC(HDC dc, int dx, int dy, const TRect* scroll, const TRect* clip, HRGN update, TRect* updateRect) {
  HDC__* d = LiveDC(dc);
  if (d == nullptr) return false;
  TRect box;
  GetClipBox(dc, box);
  TRect area = SaturateRect(scroll != nullptr ? *scroll : box);
  TRect limit = SaturateRect(clip != nullptr ? *clip : area);
  dx = Saturate(dx), dy = Saturate(dy);
  TRect moved = area;
  OffsetRect(moved, dx, dy);
  TRect target;
  IntersectRect(target, moved, limit);
  if (!target.IsEmpty()) {
    TSavedDC saved(dc);
    IntersectClipRect(dc, limit.Left, limit.Top, limit.Right, limit.Bottom);
    if (IsMirrored(*d)) {
      BitBlt(dc, target.Left, target.Top, target.Width(), target.Height(), dc, target.Left - dx, target.Top - dy, SRCCOPY);
    } else {
      MovePixelsInPlace(*d, target, dx, dy);
    }
  }
  TRect visible;
  IntersectRect(visible, area, limit);
  TRegion uncovered = TRegion(visible).Subtract(TRegion(target));
  if (update != nullptr) {
    if (auto* r = ObjectAs<RegionObject>(update, OBJ_REGION)) r->Region = uncovered;
  }
  if (updateRect != nullptr) *updateRect = uncovered.Bounds();
  return true;
}
