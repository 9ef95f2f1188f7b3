#pragma once

#include <array>
#include <memory>

#include "platform/graphics/bitmap.h"
#include "sidebar/look_classes.h"

class TCanvas;

// A two-colour gradient in one of twelve shapes. The 256 colours between the two ends are
// kept as a ramp, and the picture is rendered once per size into a cached bitmap.
class TnbGradient : public TnbLookObject {
  DECLARE_CLASS(TnbGradient, TnbLookObject)
 public:
  TnbGradient();
  ~TnbGradient() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  TColor BeginColor() const { return beginColor_; }
  TColor EndColor() const { return endColor_; }
  TnbGradientStyle DrawStyle() const { return drawStyle_; }
  TnbGradientDirection Direction() const { return direction_; }
  void SetBeginColor(TColor v) { Set(beginColor_, v); }
  void SetEndColor(TColor v) { Set(endColor_, v); }
  void SetDrawStyle(TnbGradientStyle v) { Set(drawStyle_, v); }
  void SetDirection(TnbGradientDirection v) { Set(direction_, v); }

  const std::array<TColor, 256>& Ramp() const { return ramp_; }
  // Brings the cached picture up to the size of `rect` and copies it there; a null canvas
  // only brings the cache up to date.
  void Draw(TCanvas* canvas, const TRect& rect);
  // Forgets the cached picture, so the next Draw renders again.
  void ClearCache() { cachedSize_ = {}; }
  TBitmap* CachedBitmap() const { return cache_.get(); }

 private:
  template <typename T>
  void Set(T& field, const T& value) {
    if (nbChanged(field, value)) Changed();
  }
  void Changed();
  void ComputeRamp();
  void Render(int w, int h);

  TColor beginColor_ = clBtnFace;
  TColor endColor_ = clBlue;
  TnbGradientStyle drawStyle_ = gtLeftToRight;
  TnbGradientDirection direction_ = gdNormal;
  std::array<TColor, 256> ramp_{};
  TSize cachedSize_{};
  std::unique_ptr<TBitmap> cache_;
};
