// The skinned track bar: slider, ticks, keys and mouse.
#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/timer.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/picture.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "skin/always_written.h"
#include "skin/file_theme.h"
#include "skin/inherited_message.h"
#include "skin/panels.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"
#include "skin/track_bars.h"

TskTrackBar::TskTrackBar(TComponent* owner)
    : TskThemed<TCustomPanel>(owner), barImage_(std::make_unique<TPicture>()), preparedBar_(std::make_unique<TBitmap>()) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  SetControlStyle(style);
  SetBevelOuter(bvNone);
  SetParentColor(true);
  SetTabStop(true);
  slider_ = new TskImagePanel(this);
  slider_->SetParent(this);
  slider_->SetAutoSize(true);
  slider_->OnMouseDown.Bind(this, "SliderDown", [this](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbLeft) StartDrag();
  });
  slider_->OnMouseMove.Bind(this, "SliderMove", [this](TObject*, TShiftState, int x, int y) {
    if (dragging_) DragTo(Point(slider_->Left() + x, slider_->Top() + y));
  });
  slider_->OnMouseUp.Bind(this, "SliderUp", [this](TObject*, TMouseButton, TShiftState, int, int) { EndDrag(); });
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TskTrackBar::~TskTrackBar() = default;

void TskTrackBar::Publish() {
  using B = TskTrackBar;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter", "ParentColor"});
  p.Property("Min", &B::Min, &B::SetMin).Default(0);
  p.Property("Max", &B::Max, &B::SetMax).Default(10);
  p.Property("Position", &B::Position, &B::SetPosition).Default(0);
  p.Property("Orientation", &B::Orientation, &B::SetOrientation).Default(skHorizontal);
  p.Property("PageSize", &B::PageSize, &B::SetPageSize).Default(2);
  p.Property("LineSize", &B::LineSize, &B::SetLineSize).Default(1);
  p.Property("Frequency", &B::Frequency, &B::SetFrequency).Default(1);
  p.Property("ShowTick", &B::ShowTick, &B::SetShowTick).Default(true);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
  p.Property("BarImage", &B::BarImage, &B::SetBarImage);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Event("OnChange", &B::OnChange);
  p.Redeclare("TabStop").Default(true);
}

const TMessageMap& TskTrackBar::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TskTrackBar::WMEraseBkgnd);
    m.On(WM_GETDLGCODE, &TskTrackBar::WMGetDlgCode);
    m.On(CM_FOCUSCHANGED, &TskTrackBar::CMFocusChanged);
    m.On(WM_CAPTURECHANGED, &TskTrackBar::WMCaptureChanged);
    return m;
  }();
  return map;
}

// ---- properties ----

void TskTrackBar::SetMax(int value) {
  if (value == max_) return;
  max_ = std::max(value, min_);
  position_ = std::min(position_, max_);
  UpdateSlider();
}

void TskTrackBar::SetMin(int value) {
  if (value == min_) return;
  min_ = std::min(value, max_);
  position_ = std::max(position_, min_);
  UpdateSlider();
}

void TskTrackBar::SetPosition(int value) {
  position_ = std::clamp(value, min_, max_);
  UpdateSlider();
}

void TskTrackBar::SetPageSize(int value) {
  if (value >= 0 && value <= max_) pageSize_ = value;
}

void TskTrackBar::SetLineSize(int value) {
  if (value >= 0 && value <= max_) lineSize_ = value;
}

void TskTrackBar::SetOrientation(TskProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  Refresh();
}

void TskTrackBar::SetFrequency(int value) {
  frequency_ = value;
  Invalidate();
}

void TskTrackBar::SetShowTick(bool value) {
  showTick_ = value;
  Invalidate();
}

void TskTrackBar::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TskTrackBar::SetBarImage(TPicture* value) {
  barImage_->Assign(value);
  Refresh();
}

TPicture* TskTrackBar::SliderImage() const { return slider_->Picture(); }

void TskTrackBar::SetSliderImage(TPicture* value) {
  slider_->SetPicture(value);
  Invalidate();
}

void TskTrackBar::StyleChanged() {
  Refresh();
  // Graphite's bar is drawn over the parent's background.
  if (UIStyle() == Graphite) SetTransparent(true);
}

// ---- layout ----

void TskTrackBar::UpdatePictures() {
  if (CustomPictures()) return;
  const TskThemeValues theme = Theme();
  TBitmap bar;
  theme.BitmapOrStandIn(tkTrackBarBarImage, &bar);
  barImage_->SetGraphic(bar.Empty() ? nullptr : &bar);
  TBitmap slider;
  theme.BitmapOrStandIn(Horizontal() ? tkTrackBarSliderImage : tkTrackBarSliderVImage, &slider);
  slider_->Picture()->SetGraphic(slider.Empty() ? nullptr : &slider);
}

// The bar picture stretched to the control's length, turned upright for a vertical bar.
void TskTrackBar::PrepareBar() {
  preparedBar_ = std::make_unique<TBitmap>();
  TGraphic* graphic = barImage_->Graphic();
  auto* bar = dynamic_cast<TBitmap*>(graphic);
  if (bar == nullptr || bar->Empty()) return;
  const int length = Horizontal() ? Width() : Height();
  preparedBar_->SetSize(std::max(length, 0), bar->Height());
  preparedBar_->Canvas()->Brush()->SetColor(Color());
  preparedBar_->Canvas()->FillRect(Rect(0, 0, preparedBar_->Width(), preparedBar_->Height()));
  DrawThreePieceHorizontal(bar, preparedBar_->Canvas(), Rect(0, 0, preparedBar_->Width(), bar->Height()), false);
  if (!Horizontal()) RotateBitmapLeft(preparedBar_.get());
}

void TskTrackBar::Refresh() {
  UpdatePictures();
  slider_->SetTransparent(SliderTransparent());
  slider_->SetAutoSize(true);
  const int barHeight = barImage_->Height();
  if (Horizontal()) SetHeight(std::max(barHeight, slider_->Height()));
  else SetWidth(std::max(barHeight, slider_->Width()));
  PrepareBar();
  UpdateSlider();
  Invalidate();
}

void TskTrackBar::Resize() {
  TCustomPanel::Resize();
  PrepareBar();
  UpdateSlider();
}

TskTrackGeometry TskTrackBar::Geometry() const {
  TskTrackGeometry g;
  g.Min = min_;
  g.Max = max_;
  g.Length = Horizontal() ? Width() : Height();
  g.SliderLength = Horizontal() ? slider_->Width() : slider_->Height();
  return g;
}

void TskTrackBar::UpdateSlider() {
  const int offset = Geometry().SliderOffset(position_);
  if (Horizontal()) PlaceControl(slider_, Point(offset, std::max((Height() - slider_->Height()) / 2, 0)));
  else PlaceControl(slider_, Point(std::max((Width() - slider_->Width()) / 2, 0), offset));
  Invalidate();
  if (position_ == reportedPosition_) return;
  reportedPosition_ = position_;
  OnChange.Call(this);
}

// ---- keyboard and mouse ----

void TskTrackBar::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomPanel::KeyDown(key, shift);
  const int64_t p = position_;
  switch (key) {
    case VK_PRIOR: SetPosition(static_cast<int>(std::max<int64_t>(p - pageSize_, min_))); break;
    case VK_NEXT: SetPosition(static_cast<int>(std::min<int64_t>(p + pageSize_, max_))); break;
    case VK_END: SetPosition(max_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_LEFT:
    case VK_UP: SetPosition(static_cast<int>(std::max<int64_t>(p - lineSize_, min_))); break;
    case VK_RIGHT:
    case VK_DOWN: SetPosition(static_cast<int>(std::min<int64_t>(p + lineSize_, max_))); break;
    default: break;
  }
}

bool TskTrackBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (TCustomPanel::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  // Wheel up moves toward Min, one line per notch.
  const int64_t notches = wheelDelta / WHEEL_DELTA;
  const int64_t target = static_cast<int64_t>(position_) - notches * lineSize_;
  SetPosition(static_cast<int>(std::clamp<int64_t>(target, min_, max_)));
  return true;
}

void TskTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  lastPoint_ = Point(x, y);
  PageToward(lastPoint_, pageSize_);
  if (!pageTimer_) {
    pageTimer_ = std::make_unique<TTimer>(nullptr);
    pageTimer_->SetInterval(kPageRepeatInterval);
    pageTimer_->OnTimer.Bind(this, "PageTick", [this](TObject*) {
      PageToward(lastPoint_, Horizontal() ? 3 * pageSize_ : pageSize_);
    });
  }
  if (CanFocus() && Enabled()) SetFocus();
}

void TskTrackBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  lastPoint_ = Point(x, y);
  if (dragging_) DragTo(lastPoint_);
  else if (!ClientRect().Contains(lastPoint_)) StopPaging();
}

void TskTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseUp(button, shift, x, y);
  StopPaging();
  EndDrag();
}

void TskTrackBar::PageToward(TPoint p, int step) {
  const int target = Geometry().PositionAt(Horizontal() ? p.x : p.y);
  const int sliderStart = Horizontal() ? slider_->Left() : slider_->Top();
  const int coordinate = Horizontal() ? p.x : p.y;
  const int64_t pos = position_;
  if (coordinate > sliderStart) SetPosition(static_cast<int>(std::min<int64_t>(pos + step, target)));
  else SetPosition(static_cast<int>(std::max<int64_t>(pos - step, target)));
}

void TskTrackBar::StopPaging() { pageTimer_.reset(); }

void TskTrackBar::StartDrag() {
  dragging_ = true;
  if (CanFocus() && Enabled()) SetFocus();
  SetMouseCapture(true);
}

void TskTrackBar::DragTo(TPoint p) {
  const TskTrackGeometry g = Geometry();
  // The slider's centre follows the pointer.
  SetPosition(g.PositionAt(Horizontal() ? p.x : p.y));
}

void TskTrackBar::EndDrag() {
  StopPaging();
  if (!dragging_) return;
  dragging_ = false;
  if (MouseCapture()) SetMouseCapture(false);
}

void TskTrackBar::CMFocusChanged(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  Invalidate();
}

void TskTrackBar::WMCaptureChanged(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  // A modal loop or a menu took the mouse: no drag or paging is left running.
  if (reinterpret_cast<HWND>(m.LParam) != Handle() && !dragging_) StopPaging();
}

// ---- painting ----

void TskTrackBar::Paint() {
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  PaintControlBackground(canvas, this, transparent_);
  if (!preparedBar_->Empty()) {
    if (Horizontal()) canvas->Draw(0, (Height() - preparedBar_->Height()) / 2, preparedBar_.get());
    else canvas->Draw((Width() - preparedBar_->Width()) / 2, 0, preparedBar_.get());
  }
  if (Focused() && TabStop()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(Rect(0, 0, Width(), Height()));
  }
  if (showTick_) PaintTicks(canvas);
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}

void TskTrackBar::PaintTicks(TCanvas* canvas) {
  canvas->Pen()->SetColor(clBlack);
  for (int c : Geometry().TickCoordinates(frequency_)) {
    if (Horizontal()) {
      canvas->MoveTo(c, Height() - 3);
      canvas->LineTo(c, Height());
    } else {
      canvas->MoveTo(0, c);
      canvas->LineTo(3, c);
      canvas->MoveTo(Width() - 3, c);
      canvas->LineTo(Width(), c);
    }
  }
}
