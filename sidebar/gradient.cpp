// Gradients: colours, direction and the computed colour ramp.
#include "sidebar/gradient.h"

#include <cmath>

#include "platform/classes/properties.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"

namespace {

struct Channels {
  int r, g, b;
};

Channels Split(TColor c) {
  // System colours become their RGB value first, so a ramp from clBtnFace starts grey.
  const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(c));
  return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

TColor Join(int r, int g, int b) { return r + g * 256 + b * 65536; }

// Rounds halves to even, as the ramp has always been computed.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

TColor Step(const Channels& from, const Channels& d, int i, double steps) {
  return Join(from.r + RoundEven(d.r * i / steps), from.g + RoundEven(d.g * i / steps),
              from.b + RoundEven(d.b * i / steps));
}

}  // namespace

TnbGradient::TnbGradient() : cache_(std::make_unique<TBitmap>()) {
  cache_->SetPixelFormat(pf32bit);
  ComputeRamp();
}

TnbGradient::~TnbGradient() = default;

void TnbGradient::Publish() {
  TPublisher<TnbGradient> p;
  // A new gradient begins in the button face colour, not in its stored default (black): the
  // colour is always written, so that black comes back as black. A layout without it leaves
  // the new gradient's own.
  p.Property("BeginColor", &TnbGradient::BeginColor, &TnbGradient::SetBeginColor);
  p.Property("EndColor", &TnbGradient::EndColor, &TnbGradient::SetEndColor).Default(clBlue);
  p.Property("DrawStyle", &TnbGradient::DrawStyle, &TnbGradient::SetDrawStyle).Default(gtLeftToRight);
  p.Property("Direction", &TnbGradient::Direction, &TnbGradient::SetDirection).Default(gdNormal);
}

void TnbGradient::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbGradient*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  beginColor_ = other->beginColor_;
  endColor_ = other->endColor_;
  drawStyle_ = other->drawStyle_;
  direction_ = other->direction_;
  Changed();
}

void TnbGradient::Changed() {
  ClearCache();
  ComputeRamp();
  Change();
}

void TnbGradient::ComputeRamp() {
  TColor first = beginColor_, last = endColor_;
  if (direction_ == gdInverse) std::swap(first, last);
  const Channels b = Split(first), e = Split(last);
  const Channels d{e.r - b.r, e.g - b.g, e.b - b.b};
  ramp_[0] = Join(b.r, b.g, b.b);
  if (drawStyle_ != gtVerticalToCenter && drawStyle_ != gtHorizontalToCenter) {
    for (int i = 1; i < 256; ++i) ramp_[i] = Step(b, d, i - 1, 255.0);
    return;
  }
  // Out to the end colour in the first half and back to the begin colour in the second.
  for (int i = 1; i < 128; ++i) ramp_[i] = Step(b, d, i - 1, 127.0);
  const Channels back{-d.r, -d.g, -d.b};
  for (int i = 128; i < 256; ++i) ramp_[i] = Step(e, back, i - 128, 127.0);
}

void TnbGradient::Draw(TCanvas* canvas, const TRect& rect) {
  const int w = rect.Width(), h = rect.Height();
  if (w != cachedSize_.cx || h != cachedSize_.cy) {
    cachedSize_ = {w, h};
    cache_->SetSize(w, h);
    Render(w, h);
  }
  if (canvas == nullptr || w <= 0 || h <= 0) return;
  if (drawStyle_ == gtEllipse) {
    // The corners outside the ellipse, left in clSilver, keep what lies beneath.
    cache_->SetTransparentMode(tmFixed);
    cache_->SetTransparentColor(clSilver);
    cache_->SetTransparent(true);
    canvas->Draw(rect.Left, rect.Top, cache_.get());
    cache_->SetTransparent(false);
    return;
  }
  BitBlt(canvas->Handle(), rect.Left, rect.Top, w, h, cache_->Canvas()->Handle(), 0, 0, SRCCOPY);
}
