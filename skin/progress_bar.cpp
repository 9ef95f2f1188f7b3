// The skinned progress bar: pictures, position and caption.
#include "skin/progress_bar.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/picture.h"
#include "skin/always_written.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"

TskProgressBar::TskProgressBar(TComponent* owner)
    : TskThemed<TCustomPanel>(owner), picture_(std::make_unique<TPicture>()) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  SetControlStyle(style);
  SetBevelOuter(bvNone);
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 150, kThickness);
  picture_->OnChange.Bind(this, "PictureChanged", [this](TObject*) { Invalidate(); });
  UpdateCaption();
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TskProgressBar::~TskProgressBar() = default;

void TskProgressBar::Publish() {
  using B = TskProgressBar;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter", "Color"});
  // The caption is the percentage, made again from the range and position.
  p.Redeclare("Caption").Stored(false);
  p.Property("Min", &B::Min, &B::SetMin).Default(0);
  p.Property("Max", &B::Max, &B::SetMax).Default(100);
  p.Property("Position", &B::Position, &B::SetPosition).Default(50);
  p.Property("Orientation", &B::Orientation, &B::SetOrientation).Default(skHorizontal);
  p.Property("ShowCaption", &B::ShowCaption, &B::SetShowCaption).Default(true);
  p.Property("SmartShowCaption", &B::SmartShowCaption, &B::SetSmartShowCaption).Default(false);
  p.Property("CaptionColor", &B::CaptionColor, &B::SetCaptionColor).Default(clBlack);
  p.Property("BorderColor", &B::BorderColor, &B::SetBorderColor).Default(clBlack);
  p.Property("Picture", &B::Picture, &B::SetPicture);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
}

void TskProgressBar::SetMin(int value) {
  min_ = value;
  Changed();
}

void TskProgressBar::SetMax(int value) {
  max_ = value;
  Changed();
}

void TskProgressBar::SetPosition(int value) {
  position_ = value;
  Changed();
}

void TskProgressBar::Changed() {
  UpdateCaption();
  Invalidate();
}

// The percentage done, not held to 0..100; computed in 64 bits so large ranges do not wrap.
void TskProgressBar::UpdateCaption() {
  const int64_t range = static_cast<int64_t>(max_) - min_;
  const int64_t percent = range == 0 ? 0 : (static_cast<int64_t>(position_) - min_) * 100 / range;
  SetText(std::to_string(percent) + "%");
}

void TskProgressBar::SetOrientation(TskProgressBarOrientation value) {
  orientation_ = value;
  LoadThemePictures();
  const int length = std::max(Width(), Height());
  if (value == skHorizontal) TCustomPanel::SetBounds(Left(), Top(), length, kThickness);
  else TCustomPanel::SetBounds(Left(), Top(), kThickness, length);
}

void TskProgressBar::SetBounds(int left, int top, int width, int height) {
  // A layout gives the size before the orientation it was made for: the thickness is held
  // once both are read.
  if (!ComponentState().Contains(csLoading)) {
    if (orientation_ == skHorizontal) height = kThickness;
    else width = kThickness;
  }
  TCustomPanel::SetBounds(left, top, width, height);
}

void TskProgressBar::Loaded() {
  TskThemed<TCustomPanel>::Loaded();
  SetBounds(Left(), Top(), Width(), Height());
}

void TskProgressBar::SetShowCaption(bool value) {
  showCaption_ = value;
  Invalidate();
}

void TskProgressBar::SetSmartShowCaption(bool value) {
  smartShowCaption_ = value;
  Invalidate();
}

void TskProgressBar::SetCaptionColor(TColor value) {
  captionColor_ = value;
  Invalidate();
}

void TskProgressBar::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TskProgressBar::SetPicture(TPicture* value) {
  picture_->Assign(value);
  Invalidate();
}

void TskProgressBar::LoadThemePictures() {
  const TskThemeValues theme = Theme();
  TBitmap bar;
  theme.Bitmap(tkProgressBarImage, &bar);
  if (orientation_ == skVertical && !bar.Empty()) RotateBitmapLeft(&bar);
  picture_->SetGraphic(bar.Empty() ? nullptr : &bar);
  SetColor(theme.Color(tkControlBackgroundColor));
  borderColor_ = theme.Color(tkControlBorderColor);
  Invalidate();
}

int TskProgressBar::DoneLength(int length) const {
  int done = 0;
  if (min_ >= max_ || min_ >= position_) done = 0;
  else if (position_ > max_) done = length;
  else done = static_cast<int>((static_cast<int64_t>(position_) - min_) * length / (static_cast<int64_t>(max_) - min_));
  return std::max(done, 1);
}

void TskProgressBar::Paint() {
  const int w = ClientWidth(), h = ClientHeight();
  TBitmap buffer(w, h);
  TCanvas* canvas = buffer.Canvas();
  TGraphic* graphic = picture_->Graphic();
  const bool horizontal = orientation_ == skHorizontal;
  const int done = DoneLength((horizontal ? w : h) - 1);
  const TRect donePart = horizontal ? Rect(1, 1, done, h - 1) : Rect(1, h - done, w - 1, h - 1);
  const TRect rest = horizontal ? Rect(done, 1, w - 1, h - 1) : Rect(1, 1, w - 1, h - done);
  if (graphic != nullptr && !graphic->Empty()) canvas->StretchDraw(donePart, graphic);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(rest);
  // A vertical bar is too narrow for a caption.
  const String caption = GetText();
  if (horizontal && showCaption_ && !(smartShowCaption_ && position_ == min_)) {
    canvas->Font()->SetColor(captionColor_);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut((w - canvas->TextWidth(caption)) / 2, (h - canvas->TextHeight(caption)) / 2, caption);
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(borderColor_);
  canvas->FrameRect(ClientRect());
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}
