#include "sidebar/alpha_blend.h"

#include <memory>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

int unitCount = 0;

std::unique_ptr<TBitmap>& WorkBitmapSlot() {
  static std::unique_ptr<TBitmap> bitmap;
  return bitmap;
}

TBitmap& WorkBitmap() {
  auto& slot = WorkBitmapSlot();
  if (!slot) {
    slot = std::make_unique<TBitmap>();
    slot->SetPixelFormat(pf32bit);
  }
  return *slot;
}

// Cuts `r` to the bitmap; false when nothing of it lies inside.
bool ClipToBitmap(const TBitmap& bitmap, TRect& r) {
  if (r.Top >= bitmap.Height() || r.Left >= bitmap.Width()) return false;
  if (r.Bottom > bitmap.Height()) r.Bottom = bitmap.Height();
  if (r.Right > bitmap.Width()) r.Right = bitmap.Width();
  if (r.Top < 0) r.Top = 0;
  if (r.Left < 0) r.Left = 0;
  return r.Left < r.Right && r.Top < r.Bottom;
}

uint32_t Mix(uint32_t s, uint32_t d, uint32_t a) {
  const uint32_t rb = ((s & 0xFF00FFu) * a + (d & 0xFF00FFu) * (255 - a)) & 0xFF00FF00u;
  const uint32_t g = ((s & 0xFF00u) * a + (d & 0xFF00u) * (255 - a)) & 0xFF0000u;
  return (rb + g) >> 8;
}

}  // namespace

void nbAlphaBlend(TBitmap* target, TRect r, uint8_t alpha, TColor color) {
  if (target == nullptr || !ClipToBitmap(*target, r)) return;
  TBitmap& work = WorkBitmap();
  if (work.Width() != target->Width() || work.Height() != target->Height())
    work.SetSize(target->Width(), target->Height());
  work.Canvas()->Brush()->SetStyle(bsSolid);
  work.Canvas()->Brush()->SetColor(color);
  work.Canvas()->FillRect(r);
  uint32_t* src = work.Pixels32();
  uint32_t* dst = target->Pixels32();
  const int width = target->Width();
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      const uint32_t s = src[y * width + x];
      uint32_t& d = dst[y * width + x];
      if (s != d) d = Mix(s, d, alpha);
    }
  }
  target->SetModified(true);
}

void nbGrayscale(TBitmap* target, TRect r) {
  if (target == nullptr || !ClipToBitmap(*target, r)) return;
  uint32_t* px = target->Pixels32();
  const int width = target->Width();
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      uint32_t& p = px[y * width + x];
      // The fourth byte is not part of the colour; it counts as the 0 it holds on screen.
      const uint32_t g = ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) >> 2;
      p = g | (g << 8) | (g << 16);
    }
  }
  target->SetModified(true);
}

TnbSideBarUnit::TnbSideBarUnit() {
  if (unitCount++ == 0) WorkBitmap();
}

TnbSideBarUnit::~TnbSideBarUnit() {
  if (--unitCount == 0) WorkBitmapSlot().reset();
}

int TnbSideBarUnit::Count() { return unitCount; }
