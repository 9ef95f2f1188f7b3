// Turning skin bitmaps by a quarter, for vertical bars.
#include <vector>

#include "platform/graphics/bitmap.h"
#include "skin/skin_painting.h"

namespace {

// Turns the bitmap a quarter turn; `from(newX, newY)` names the old pixel that lands there.
template <typename Source>
void Rotate(TBitmap* bitmap, Source from) {
  const int w = bitmap->Width(), h = bitmap->Height();
  if (w == 0 || h == 0) return;
  const uint32_t* bits = bitmap->Pixels32();
  std::vector<uint32_t> old(bits, bits + static_cast<size_t>(w) * h);
  bitmap->SetSize(h, w);
  uint32_t* out = bitmap->Pixels32();
  for (int y = 0; y < w; ++y) {
    for (int x = 0; x < h; ++x) {
      TPoint p = from(x, y, w, h);
      out[static_cast<size_t>(y) * h + x] = old[static_cast<size_t>(p.y) * w + p.x];
    }
  }
}

}  // namespace

void RotateBitmapLeft(TBitmap* bitmap) {
  // Old (x, y) goes to (y, W-1-x): new (X, Y) takes old (W-1-Y, X).
  Rotate(bitmap, [](int x, int y, int w, int) { return Point(w - 1 - y, x); });
}

void RotateBitmapRight(TBitmap* bitmap) {
  // New (X, Y) takes old (Y, H-1-X).
  Rotate(bitmap, [](int x, int y, int, int h) { return Point(y, h - 1 - x); });
}
