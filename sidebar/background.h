#pragma once

#include <cstdint>
#include <memory>

#include "platform/graphics/bitmap.h"
#include "sidebar/gradient.h"
#include "sidebar/look_classes.h"

// A background: a solid fill, optionally with a bitmap (once or tiled, with a raster
// operation) or a gradient on it, then washed with its colour and turned grey on request.
class TnbCustomBackground : public TnbLookObject {
  DECLARE_CLASS(TnbCustomBackground, TnbLookObject)
 public:
  TnbCustomBackground();
  ~TnbCustomBackground() override;
  void Assign(TPersistent* source) override;

  uint8_t AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(uint8_t v) { Update(alphaBlend_, v); }
  TBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap* v);
  TnbBitmapCopy BitmapCopy() const { return bitmapCopy_; }
  void SetBitmapCopy(TnbBitmapCopy v) { Update(bitmapCopy_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Update(color_, v); }
  TnbGradient* Gradient() const { return gradient_.get(); }
  void SetGradient(TnbGradient* v) { gradient_->Assign(v); }
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool v) { Update(grayscale_, v); }
  TnbBackgroundStyle Style() const { return style_; }
  void SetStyle(TnbBackgroundStyle v) { Update(style_, v); }
  // Also routes the gradient's change notices to the same handler.
  void SetOnChangeParameter(const TNotifyEvent& handler) override;

  // Paints the background into `rect` of a 32-bit bitmap.
  virtual void Paint(TCanvas* target, const TRect& rect);
  void Paint(TBitmap* target, const TRect& rect);

 protected:
  virtual void Fill(TCanvas* canvas, const TRect& rect);
  virtual void DrawBitmap(TCanvas* canvas, const TRect& rect, bool tile);
  virtual void Blend(TCanvas* target, const TRect& rect);
  virtual void Gray(TCanvas* target, const TRect& rect);

  TColor color_ = clGray;

 private:
  uint8_t alphaBlend_ = 255;
  std::unique_ptr<TBitmap> bitmap_;
  TnbBitmapCopy bitmapCopy_ = bcSrcCopy;
  std::unique_ptr<TnbGradient> gradient_;
  bool grayscale_ = false;
  TnbBackgroundStyle style_ = btSolid;
  bool painting_ = false;
};

class TnbBackground : public TnbCustomBackground {
  DECLARE_CLASS(TnbBackground, TnbCustomBackground)
 public:
  TnbBackground() = default;
  static void Publish();
};

// The background of one button or caption state; it starts in the button face colour.
class TnbButtonBackground : public TnbBackground {
  DECLARE_CLASS(TnbButtonBackground, TnbBackground)
 public:
  TnbButtonBackground() { color_ = clBtnFace; }
};
