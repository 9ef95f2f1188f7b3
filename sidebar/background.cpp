// Side-bar backgrounds: colour, gradient or bitmap, blended and greyed.
#include "sidebar/background.h"

#include "platform/classes/properties.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/clip_scope.h"

namespace {

DWORD RasterOperation(TnbBitmapCopy copy) {
  switch (copy) {
    case bcMergeCopy: return MERGECOPY;
    case bcMergePaint: return MERGEPAINT;
    case bcSrcErase: return SRCERASE;
    case bcSrcPaint: return SRCPAINT;
    case bcSrcCopy: break;
  }
  return SRCCOPY;
}

}  // namespace

TnbCustomBackground::TnbCustomBackground()
    : bitmap_(std::make_unique<TBitmap>()), gradient_(std::make_unique<TnbGradient>()) {}

TnbCustomBackground::~TnbCustomBackground() = default;

void TnbBackground::Publish() {
  TPublisher<TnbBackground> p;
  // A new background is opaque (255) and grey, neither of them the stored defaults (0,
  // clBtnFace): both are always written, so a layout loads back as it was saved.
  p.Property("AlphaBlend", &TnbBackground::AlphaBlend, &TnbBackground::SetAlphaBlend);
  p.Property("Bitmap", &TnbBackground::Bitmap, &TnbBackground::SetBitmap);
  p.Property("BitmapCopy", &TnbBackground::BitmapCopy, &TnbBackground::SetBitmapCopy).Default(bcSrcCopy);
  p.Property("Color", &TnbBackground::Color, &TnbBackground::SetColor);
  p.Property("Gradient", &TnbBackground::Gradient, &TnbBackground::SetGradient);
  p.Property("Grayscale", &TnbBackground::Grayscale, &TnbBackground::SetGrayscale).Default(false);
  p.Property("Style", &TnbBackground::Style, &TnbBackground::SetStyle).Default(btSolid);
}

void TnbCustomBackground::SetBitmap(TBitmap* v) {
  bitmap_->Assign(v);
  Change();
}

void TnbCustomBackground::SetOnChangeParameter(const TNotifyEvent& handler) {
  OnChangeParameter = handler;
  gradient_->OnChangeParameter = handler;
}

void TnbCustomBackground::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbCustomBackground*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  alphaBlend_ = other->alphaBlend_;
  bitmap_->Assign(other->bitmap_.get());
  style_ = other->style_;
  bitmapCopy_ = other->bitmapCopy_;
  color_ = other->color_;
  gradient_->Assign(other->gradient_.get());
  grayscale_ = other->grayscale_;
  Change();
}

void TnbCustomBackground::Paint(TBitmap* target, const TRect& rect) {
  if (target == nullptr) return;
  Paint(target->Canvas(), rect);
  target->SetModified(true);
}

void TnbCustomBackground::Paint(TCanvas* canvas, const TRect& rect) {
  if (painting_ || rect.Width() < 1 || canvas == nullptr) return;
  auto painting = ScopedValue(painting_, true);
  canvas->Brush()->SetStyle(bsSolid);
  switch (style_) {
    case btBitmap:
      Fill(canvas, rect);
      DrawBitmap(canvas, rect, false);
      break;
    case btGradient:
      Fill(canvas, rect);
      gradient_->Draw(canvas, rect);
      break;
    case btSolid: Fill(canvas, rect); break;
    case btTileBitmap:
      Fill(canvas, rect);
      DrawBitmap(canvas, rect, true);
      break;
    case btTransparent: break;
  }
  Blend(canvas, rect);
  Gray(canvas, rect);
}

void TnbCustomBackground::Fill(TCanvas* canvas, const TRect& rect) {
  canvas->Brush()->SetColor(color_);
  canvas->FillRect(rect);
}

void TnbCustomBackground::DrawBitmap(TCanvas* canvas, const TRect& rect, bool tile) {
  if (bitmap_->Empty()) return;
  HDC dc = canvas->Handle();
  TnbClipScope clip(dc, rect);
  HDC src = bitmap_->Canvas()->Handle();
  const int bw = bitmap_->Width(), bh = bitmap_->Height();
  const DWORD rop = RasterOperation(bitmapCopy_);
  if (!tile) {
    BitBlt(dc, rect.Left, rect.Top, bw, bh, src, 0, 0, rop);
    return;
  }
  for (int y = rect.Top; y < rect.Bottom; y += bh)
    for (int x = rect.Left; x < rect.Right; x += bw) BitBlt(dc, x, y, bw, bh, src, 0, 0, rop);
}

void TnbCustomBackground::Blend(TCanvas* target, const TRect& rect) {
  if (alphaBlend_ < 255) nbAlphaBlend(target, rect, static_cast<uint8_t>(255 - alphaBlend_), color_);
}

void TnbCustomBackground::Gray(TCanvas* target, const TRect& rect) {
  if (grayscale_) nbGrayscale(target, rect);
}
