// Drawing pictures through masks, and splitting images with alpha into picture and mask.
#include "platform/graphics/masked_draw.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr uint32_t kBlackPixel = 0xFF000000u;
constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;

bool Visible(uint32_t pixel) { return (pixel >> 24) >= 0x80; }

std::unique_ptr<TBitmap> BitmapOf(const TBmpImage& image) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromImage(image);
  return bitmap;
}

}  // namespace

void DrawThroughMask(HDC dc, const TRect& dest, TBitmap& picture, TBitmap& mask) {
  int w = picture.Width(), h = picture.Height();
  if (w == 0 || h == 0) return;
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), mask.Canvas()->Handle(), 0, 0, w,
             h, SRCAND);
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), picture.Canvas()->Handle(), 0, 0,
             w, h, SRCPAINT);
}

TMaskedBitmaps SplitByAlpha(const TBmpImage& image) {
  TBmpImage picture = image, mask = image;
  for (size_t i = 0; i < image.Pixels.size(); ++i) {
    bool visible = Visible(image.Pixels[i]);
    picture.Pixels[i] = visible ? (image.Pixels[i] | kBlackPixel) : kBlackPixel;
    mask.Pixels[i] = visible ? kBlackPixel : kWhitePixel;
  }
  picture.HasAlpha = mask.HasAlpha = false;
  picture.Palette.clear();
  picture.SourceBitsPerPixel = 24;
  mask.Palette = {kBlackPixel, kWhitePixel};
  mask.SourceBitsPerPixel = 1;
  return {BitmapOf(picture), BitmapOf(mask)};
}
