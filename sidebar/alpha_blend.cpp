// Alpha blending and greying of areas of the bar, with the shared blending bitmap.
#include "sidebar/alpha_blend.h"

#include <algorithm>
#include <memory>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/argb_colors.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "sidebar/pixel_window.h"

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

uint32_t Mix(uint32_t s, uint32_t d, uint32_t a) {
  const uint32_t rb = ((s & 0xFF00FFu) * a + (d & 0xFF00FFu) * (255 - a)) & 0xFF00FF00u;
  const uint32_t g = ((s & 0xFF00u) * a + (d & 0xFF00u) * (255 - a)) & 0xFF0000u;
  return (rb + g) >> 8;
}

uint32_t Gray(uint32_t p) {
  // The fourth byte is not part of the colour; it counts as the 0 it holds on screen.
  const uint32_t g = ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) >> 2;
  return g | (g << 8) | (g << 16);
}

// Runs `change` over every pixel of `rect` the canvas may touch. Straight on the picture
// when the canvas allows it; otherwise the pixels are copied out to the work bitmap, changed
// there and copied back, so the canvas's clip and mapping still hold.
template <typename Change>
void ChangePixels(TCanvas* canvas, const TRect& rect, Change change) {
  TnbPixelWindow px;
  if (nbPixelWindow(canvas, px)) {
    const TRect d = px.Device(rect);
    for (int y = d.Top; y < d.Bottom; ++y) {
      uint32_t* row = px.Row(y);
      for (int x = d.Left; x < d.Right; ++x) row[x] = change(row[x]);
    }
    return;
  }
  const int w = rect.Width(), h = rect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap& work = WorkBitmap();
  if (work.Width() < w || work.Height() < h) work.SetSize(std::max(w, work.Width()), std::max(h, work.Height()));
  HDC dc = canvas->Handle(), wdc = work.Canvas()->Handle();
  BitBlt(wdc, 0, 0, w, h, dc, rect.Left, rect.Top, SRCCOPY);
  uint32_t* bits = work.Pixels32();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bits[y * work.Width() + x] = change(bits[y * work.Width() + x]);
  BitBlt(dc, rect.Left, rect.Top, w, h, wdc, 0, 0, SRCCOPY);
}

}  // namespace

void nbAlphaBlend(TCanvas* target, const TRect& rect, uint8_t alpha, TColor color) {
  if (target == nullptr) return;
  const uint32_t c = ColorToArgb(color);
  ChangePixels(target, rect, [c, alpha](uint32_t d) { return d == c ? d : Mix(c, d, alpha); });
}

void nbAlphaBlend(TBitmap* target, const TRect& rect, uint8_t alpha, TColor color) {
  if (target == nullptr) return;
  nbAlphaBlend(target->Canvas(), rect, alpha, color);
  target->SetModified(true);
}

void nbGrayscale(TCanvas* target, const TRect& rect) {
  if (target != nullptr) ChangePixels(target, rect, Gray);
}

void nbGrayscale(TBitmap* target, const TRect& rect) {
  if (target == nullptr) return;
  nbGrayscale(target->Canvas(), rect);
  target->SetModified(true);
}

TnbSideBarUnit::TnbSideBarUnit() {
  if (unitCount++ == 0) WorkBitmap();
}

TnbSideBarUnit::~TnbSideBarUnit() {
  if (--unitCount == 0) WorkBitmapSlot().reset();
}

int TnbSideBarUnit::Count() { return unitCount; }
