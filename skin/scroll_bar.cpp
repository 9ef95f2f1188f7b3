// The skinned scroll bar: pictures, thumb, buttons and mouse.
#include "skin/scroll_bar.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/picture.h"
#include "platform/windows/messages.h"
#include "skin/always_written.h"
#include "skin/buttons.h"
#include "skin/file_theme.h"
#include "skin/inherited_message.h"
#include "skin/panels.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"
#include "skin/track_bars.h"

namespace {
constexpr int kArrowRepeatInterval = 100;
constexpr int kArrowCells = 6;
constexpr int kThumbCells = 3;
}  // namespace

TskScrollBar::TskScrollBar(TComponent* owner) : TskThemed<TCustomPanel>(owner) {
  SetBevelOuter(bvNone);
  SetBounds(Left(), Top(), Width(), 185);
  for (auto& piece : thumbPieces_) piece = std::make_unique<TBitmap>();
  track_ = new TskScrollTrackBar(this);
  track_->SetParent(this);
  track_->SetShowTick(false);
  track_->SetTabStop(false);
  track_->SetTransparent(false);
  track_->SetMax(100);
  for (int i = 0; i < 2; ++i) {
    auto* arrow = new TskImageButton(this);
    arrow->SetParent(this);
    arrow->SetTabStop(false);
    arrow->SetMouseContinuouslyDownInterval(kArrowRepeatInterval);
    const int sign = i == 0 ? -1 : 1;
    // One step when pressed, as users expect of a scroll arrow, then the hold-down repeat.
    arrow->OnMouseDown.Bind(this, "ArrowDown", [this, sign](TObject*, TMouseButton button, TShiftState, int, int) {
      if (button == mbLeft) Step(sign * smallChange_);
    });
    arrow->OnMouseContinuouslyDown.Bind(this, "ArrowHeld", [this, sign](TObject*) { Step(sign * smallChange_); });
    arrows_[i] = arrow;
  }
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TskScrollBar::~TskScrollBar() = default;

void TskScrollBar::Publish() {
  using B = TskScrollBar;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter"});
  p.Property("Orientation", &B::Orientation, &B::SetOrientation).Default(skHorizontal);
  p.Property("Min", &B::Min, &B::SetMin).Default(0);
  p.Property("Max", &B::Max, &B::SetMax).Default(100);
  p.Property("Position", &B::Position, &B::SetPosition).Default(0);
  p.Property("SmallChange", &B::SmallChange, &B::SetSmallChange).Default(1);
  p.Property("LargeChange", &B::LargeChange, &B::SetLargeChange).Default(2);
  p.Property("PageSize", &B::PageSize, &B::SetPageSize).Default(2);
  p.Property("LineButton", &B::LineButton, &B::SetLineButton).Default(0);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Event("OnChange", [](B* bar) -> TNotifyEvent& { return bar->OnChange(); });
}

const TMessageMap& TskScrollBar::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TskScrollBar::WMEraseBkgnd);
    m.On(CM_COLORCHANGED, &TskScrollBar::CMColorChanged);
    return m;
  }();
  return map;
}

int TskScrollBar::Min() const { return track_->Min(); }
void TskScrollBar::SetMin(int value) { track_->SetMin(value); }
int TskScrollBar::Max() const { return track_->Max(); }
void TskScrollBar::SetMax(int value) { track_->SetMax(value); }
int TskScrollBar::Position() const { return track_->Position(); }
int TskScrollBar::LargeChange() const { return track_->PageSize(); }
void TskScrollBar::SetLargeChange(int value) { track_->SetPageSize(value); }
bool TskScrollBar::SliderVisible() const { return track_->Slider()->Visible(); }
TNotifyEvent& TskScrollBar::OnChange() { return track_->OnChange; }

void TskScrollBar::SetPosition(int value) {
  if (value != track_->Position()) track_->SetPosition(value);
}

void TskScrollBar::SetPageSize(int value) {
  track_->SetPageSize(value);
  BuildThumb();
}

void TskScrollBar::SetLineButton(int value) {
  if (value == lineButton_ || value > TrackLength()) return;
  lineButton_ = value;
  BuildThumb();
}

void TskScrollBar::SetSliderVisible(bool value) {
  if (value != SliderVisible()) track_->Slider()->SetVisible(value);
}

void TskScrollBar::SetOrientation(TskProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  LoadPictures();
  LayOut();
}

void TskScrollBar::StyleChanged() {
  track_->SetColor(Color());
  LoadPictures();
  LayOut();
}

void TskScrollBar::CMColorChanged(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  if (track_ != nullptr) track_->SetColor(Color());
}

void TskScrollBar::Step(int delta) {
  const int64_t target = static_cast<int64_t>(Position()) + delta;
  SetPosition(static_cast<int>(std::clamp<int64_t>(target, Min(), Max())));
}

bool TskScrollBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (TCustomPanel::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  Step(-(wheelDelta / WHEEL_DELTA) * smallChange_);
  return true;
}

// ---- pictures and layout ----

void TskScrollBar::LoadPictures() {
  const TskThemeValues theme = Theme();
  track_->SetBarImage(nullptr);
  track_->SetColor(theme.Color(tkScrollBarBackgroundColor));
  for (int i = 0; i < kThumbCells; ++i) {
    theme.BitmapCell(tkScrollBarSliderImage, thumbPieces_[i].get(), kThumbCells, i + 1);
    if (orientation_ == skVertical && !thumbPieces_[i]->Empty()) RotateBitmapRight(thumbPieces_[i].get());
  }
  for (int cell = 1; cell <= kArrowCells; ++cell) {
    TskImageButton* arrow = arrows_[cell <= 3 ? 0 : 1];
    TPicture* pictures[] = {arrow->PicNormal(), arrow->PicMouseOn(), arrow->PicMouseDown()};
    TBitmap piece;
    theme.BitmapCell(tkScrollBarButtonImage, &piece, kArrowCells, cell);
    if (orientation_ == skHorizontal && !piece.Empty()) RotateBitmapLeft(&piece);
    pictures[(cell - 1) % 3]->SetGraphic(piece.Empty() ? nullptr : &piece);
  }
  for (TskImageButton* arrow : arrows_) arrow->SetAutoSize(true);
}

int TskScrollBar::TrackLength() const {
  return orientation_ == skHorizontal ? track_->Width() : track_->Height();
}

void TskScrollBar::Resize() {
  TCustomPanel::Resize();
  LayOut();
}

void TskScrollBar::LayOut() {
  // Setting the bar's own thickness resizes it again; and the parts come after the first size.
  if (layingOut_ || track_ == nullptr || arrows_[1] == nullptr) return;
  auto busy = ScopedValue(layingOut_, true);
  // A bar without a size hides until it has one; otherwise whether it shows is its owner's to
  // say (a list hides its bar while every item fits), so a new style or size leaves it be.
  if (Width() == 0 || Height() == 0) {
    hiddenForNoSize_ = hiddenForNoSize_ || Visible();
    SetVisible(false);
    return;
  }
  if (hiddenForNoSize_) SetVisible(true);
  hiddenForNoSize_ = false;
  track_->SetOrientation(orientation_);
  TskImageButton* dec = arrows_[0];
  TskImageButton* inc = arrows_[1];
  PlaceControl(dec, Point(0, 0));
  if (orientation_ == skHorizontal) {
    SetHeight(dec->Height());
    PlaceControlRect(track_, Rect(dec->Width(), 0, Width() - inc->Width(), track_->Height()));
    PlaceControl(inc, Point(Width() - inc->Width(), 0));
  } else {
    SetWidth(dec->Width());
    PlaceControlRect(track_, Rect(0, dec->Height(), track_->Width(), Height() - inc->Height() - 1));
    PlaceControl(inc, Point(0, Height() - inc->Height()));
  }
  BuildThumb();
}

// The thumb: start and end pieces at natural size, the middle stretched between them.
void TskScrollBar::BuildThumb() {
  const TBitmap& start = *thumbPieces_[0];
  if (start.Empty()) return;
  const bool horizontal = orientation_ == skHorizontal;
  int length = 0;
  if (lineButton_ > 0) {
    lineButton_ = std::max(lineButton_, kMinThumbLength);
    length = lineButton_;
  } else {
    int p = PageSize();
    if (p < 10 || p > 100) p = 10;
    length = TrackLength() * p / 100;
  }
  length = std::max(length, 1);
  const int thickness = horizontal ? start.Height() : start.Width();
  TBitmap thumb;
  if (horizontal) thumb.SetSize(length, thickness);
  else thumb.SetSize(thickness, length);
  TCanvas* c = thumb.Canvas();
  const TBitmap& end = *thumbPieces_[2];
  // A thumb shorter than its two ends has no middle (stretching it would mirror it).
  if (horizontal) {
    if (length - end.Width() > start.Width())
      c->StretchDraw(Rect(start.Width(), 0, length - end.Width(), thickness), thumbPieces_[1].get());
    c->Draw(0, 0, thumbPieces_[0].get());
    c->Draw(length - end.Width(), 0, thumbPieces_[2].get());
  } else {
    if (length - end.Height() > start.Height())
      c->StretchDraw(Rect(0, start.Height(), thickness, length - end.Height()), thumbPieces_[1].get());
    c->Draw(0, 0, thumbPieces_[0].get());
    c->Draw(0, length - end.Height(), thumbPieces_[2].get());
  }
  TPicture picture;
  picture.SetBitmap(&thumb);
  track_->SetSliderImage(&picture);
  track_->Slider()->SetAutoSize(true);
}
