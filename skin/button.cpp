// The common part of the skinned buttons: state, theme, mouse and keyboard, the hold-down
// repeat and the painting frame that asks the descendants for faces, caption and focus mark.

#include <algorithm>

#include "platform/controls/forms.h"
#include "platform/controls/timer.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "skin/buttons.h"
#include "skin/inherited_message.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"

namespace {

constexpr int kMissingFaceWidth = 74;
constexpr int kMissingFaceHeight = 21;
constexpr TColor kEmbossLight = static_cast<TColor>(0xFFFFFF);
constexpr TColor kEmbossGray = static_cast<TColor>(0x808080);

}  // namespace

TskCustomButton::TskCustomButton(TComponent* owner) : TskThemed<TCustomControl>(owner) {
  TControlStyle style = ControlStyle();
  style.Exclude(csDoubleClicks);
  style.Exclude(csAcceptsControls);
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  SetControlStyle(style);
  SetTabStop(true);
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TskCustomButton::~TskCustomButton() = default;

const TMessageMap& TskCustomButton::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_ERASEBKGND, &TskCustomButton::WMEraseBkgnd);
    m.On(CM_MOUSEENTER, &TskCustomButton::CMMouseEnter);
    m.On(CM_MOUSELEAVE, &TskCustomButton::CMMouseLeave);
    m.On(CM_DIALOGCHAR, &TskCustomButton::CMDialogChar);
    m.On(CM_DIALOGKEY, &TskCustomButton::CMDialogKey);
    m.On(CM_TEXTCHANGED, &TskCustomButton::CMTextChanged);
    m.On(CM_FONTCHANGED, &TskCustomButton::CMFontChanged);
    m.On(CM_VISIBLECHANGED, &TskCustomButton::CMVisibleChanged);
    m.On(WM_CAPTURECHANGED, &TskCustomButton::WMCaptureChanged);
    m.On(WM_CANCELMODE, &TskCustomButton::WMCancelMode);
    for (UINT msg : {WM_SETFOCUS, WM_KILLFOCUS, CM_FOCUSCHANGED}) m.On(msg, &TskCustomButton::RepaintAfter);
    return m;
  }();
  return map;
}

// ---- properties ----

void TskCustomButton::SetCaption(const String& value) {
  caption_ = value;
  CaptionChanged();
  Invalidate();
}

void TskCustomButton::SetAutoSize(bool value) {
  autoSize_ = value;
  UpdateAutoSize();
  Invalidate();
}

void TskCustomButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated()) return;
  // The form re-evaluates which button Return clicks.
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TskCustomButton::SetTransparent(bool value) {
  transparent_ = value;
  TransparentChanged();
  Invalidate();
}

void TskCustomButton::StyleChanged() {
  UIStyleChanged();
  Invalidate();
}

void TskCustomButton::SetFocusedRectMargin(int value) {
  focusedRectMargin_ = value;
  Invalidate();
}

void TskCustomButton::SetEnabled(bool value) {
  TCustomControl::SetEnabled(value);
  // A disabled button is not held down any more.
  if (!value) EndPress();
  EnabledChanged();
  Invalidate();
}

void TskCustomButton::UpdateAutoSize() {
  if (!autoSize_) return;
  // The face strip of the theme in use; a theme without one leaves a face of the usual size.
  TBitmap strip;
  Theme().Bitmap(tkButtonImage, &strip);
  if (strip.Empty()) strip.SetSize(kMissingFaceWidth, kMissingFaceHeight);
  SetBounds(Left(), Top(), strip.Width() / 3, strip.Height());
}

void TskCustomButton::FontChanged() {
  Canvas()->SetFont(Font());
  Invalidate();
}

void TskCustomButton::TransparentChanged() {
  transparentDrawing_ = transparent_;
  Invalidate();
}

// ---- mouse and keyboard ----

void TskCustomButton::CMMouseEnter(TMessage& m) {
  Inherited(m);
  if (ComponentState().Contains(csDesigning)) return;
  mouseOn_ = true;
  Invalidate();
  OnMouseEnter.Call(this);
}

void TskCustomButton::CMMouseLeave(TMessage& m) {
  Inherited(m);
  mouseOn_ = false;
  mouseDown_ = false;
  StopRepeat();
  Invalidate();
  OnMouseExit.Call(this);
}

void TskCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    mouseDown_ = true;
    StartRepeat();
    Invalidate();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TskCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (x >= 0 && x <= Width() && y >= 0 && y <= Height()) return;
  if (!mouseOn_ && !mouseDown_) return;
  mouseOn_ = false;
  mouseDown_ = false;
  Invalidate();
}

void TskCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // A release outside the button gives no click; the repeat ends with the press all the same.
  if (button == mbLeft) EndPress();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TskCustomButton::ActionChange(TObject* sender, bool checkDefaults) {
  TCustomControl::ActionChange(sender, checkDefaults);
  SetCaption(Text());
}

void TskCustomButton::Click() {
  if (mouseDown_) {
    StopRepeat();
    mouseDown_ = false;
    Invalidate();
  }
  if (TabStop() && CanFocus() && Enabled()) SetFocus();
  if (Parent() != nullptr) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  }
  TCustomControl::Click();
}

namespace {
bool IsPressKey(uint16_t key) { return key == VK_SPACE || key == VK_RETURN; }
}  // namespace

void TskCustomButton::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (!IsPressKey(key) || !Focused() || !Enabled()) return;
  mouseDown_ = true;
  Invalidate();
}

void TskCustomButton::KeyUp(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (!IsPressKey(key) || !Focused() || !mouseDown_ || !Enabled()) return;
  mouseDown_ = false;
  Invalidate();
  Click();
}

void TskCustomButton::CMDialogChar(TMessage& m) {
  Inherited(m);
  m.Result = 0;
  if (!IsAccel(static_cast<uint16_t>(m.WParam), caption_) || !Enabled()) return;
  Click();
  m.Result = 1;
}

void TskCustomButton::CMDialogKey(TMessage& m) {
  const auto key = static_cast<uint16_t>(m.WParam);
  const bool noShift = (KeyDataToShiftState(m.LParam) * TShiftState{ssShift, ssCtrl, ssAlt}).Empty();
  if (((key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_)) && noShift && CanFocus()) {
    Click();
    m.Result = 1;
    return;
  }
  Inherited(m);
}

void TskCustomButton::CMTextChanged(TMessage&) { SetCaption(GetText()); }

void TskCustomButton::CMFontChanged(TMessage&) { FontChanged(); }

void TskCustomButton::CMVisibleChanged(TMessage& m) {
  Inherited(m);
  if (m.WParam == 0) EndPress();
}

void TskCustomButton::WMCaptureChanged(TMessage& m) {
  Inherited(m);
  // Another window took the mouse (a modal loop started, a menu opened): the press is over.
  if (reinterpret_cast<HWND>(m.LParam) != Handle()) EndPress();
}

void TskCustomButton::WMCancelMode(TMessage& m) {
  Inherited(m);
  EndPress();
}

void TskCustomButton::RepaintAfter(TMessage& m) {
  Inherited(m);
  Invalidate();
}

// ---- hold-down repeat ----

void TskCustomButton::StartRepeat() {
  if (repeatTimer_) return;
  repeatTimer_ = std::make_unique<TTimer>(nullptr);
  repeatTimer_->SetInterval(std::max(repeatInterval_, 0));
  repeatTimer_->OnTimer.Bind(this, "RepeatTick", [this](TObject*) { OnMouseContinuouslyDown.Call(this); });
  repeatTimer_->SetEnabled(true);
}

void TskCustomButton::StopRepeat() { repeatTimer_.reset(); }

void TskCustomButton::EndPress() {
  StopRepeat();
  if (!mouseDown_) return;
  mouseDown_ = false;
  Invalidate();
}

// ---- painting ----

void TskCustomButton::ThemeFace(TBitmap* face, int cell) const {
  Theme().BitmapCell(tkButtonImage, face, 3, cell);
}

void TskCustomButton::LoadFace(TBitmap* face) {
  if (!Enabled()) PaintButtonDisabled(face);
  else if (mouseDown_) PaintButtonMouseDown(face);
  else if (mouseOn_) PaintButtonMouseOn(face);
  else PaintButtonNormal(face);
}

void TskCustomButton::Paint() {
  TBitmap face;
  try {
    LoadFace(&face);
  } catch (const Exception&) {
    // A face that cannot be loaded leaves an empty one; caption and focus mark still show.
    face.SetSize(kMissingFaceWidth, kMissingFaceHeight);
  }
  face.SetTransparent(transparentDrawing_);
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  PaintControlBackground(canvas, this, transparent_);
  PaintPic(canvas, &face);
  if (Focused() && TabStop()) PaintFocus(canvas);
  canvas->SetFont(Font());
  Canvas()->SetFont(Font());
  if (!Trim(caption_).empty()) PaintText(canvas, caption_);
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}

void TskCustomButton::PaintPic(TCanvas* canvas, TBitmap* face) {
  if (face->Empty()) return;
  TImageList images(face->Width(), face->Height());
  if (transparentDrawing_) images.AddMasked(face, face->Canvas()->Pixels(0, 0));
  else images.Add(face, nullptr);
  images.Draw(canvas, 0, 0, 0, Enabled());
}

void TskCustomButton::DrawCaption(TCanvas* canvas, const String& caption, TRect rect, UINT format) {
  canvas->Brush()->SetStyle(bsClear);
  if (boldCaption_) canvas->Font()->SetStyle(canvas->Font()->Style() + fsBold);
  if (Enabled()) DrawText(canvas->Handle(), caption, rect, format);
  else DrawEmbossedText(canvas, caption, rect, format, kEmbossLight, kEmbossGray);
  boldCaption_ = false;
}

void TskCustomButton::PaintText(TCanvas* canvas, const String& caption) {
  TRect r = ClientRect();
  if (mouseDown_) OffsetRect(r, 1, 1);
  DrawCaption(canvas, caption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TskCustomButton::PaintFocus(TCanvas* canvas) {
  const int m = focusedRectMargin_;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->DrawFocusRect(Rect(m, m, ClientWidth() - m, ClientHeight() - m));
}

void TskCustomButton::Inherited(TMessage& m) { InheritedMessage(TCustomControl::ClassMessages(), this, m); }
