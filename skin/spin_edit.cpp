// The skinned spin edit and its buttons.
#include "skin/spin_edit.h"

#include <algorithm>
#include <limits>

#include "platform/classes/properties.h"
#include "platform/core/format.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/window_styles.h"
#include "skin/style_propagation.h"

namespace {
constexpr int kMinButtonsWidth = 15;
}  // namespace

// ---- spin buttons ----

TSkSpinButtons::TSkSpinButtons(TComponent* owner) : TWinControl(owner) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  style.Exclude(csSetCaption);
  style.Include(csFramed);
  style.Include(csOpaque);
  SetControlStyle(style);
  up_ = new TSkArrowButton(this);
  down_ = new TSkArrowButton(this);
  down_->SetArrow(skDown);
  for (TSkArrowButton* arrow : {up_, down_}) {
    arrow->SetParent(this);
    arrow->SetTabStop(false);
    arrow->SetMouseContinuouslyDownInterval(kRepeatInterval);
    arrow->OnClick.Bind(this, "ArrowClick", [this](TObject* sender) { ArrowClicked(sender); });
    arrow->OnMouseContinuouslyDown.Bind(this, "ArrowClick", [this](TObject* sender) { ArrowClicked(sender); });
  }
  SetBounds(0, 0, 20, 25);
}

void TSkSpinButtons::Publish() {
  TPublisher<TSkSpinButtons> p;
  p.Property("FileTheme", &TSkSpinButtons::FileTheme, &TSkSpinButtons::SetFileTheme);
  p.Property("UIStyle", &TSkSpinButtons::UIStyle, &TSkSpinButtons::SetUIStyle).Default(Marine);
}

TskUIStyle TSkSpinButtons::UIStyle() const { return up_ != nullptr ? up_->UIStyle() : Marine; }
TskFileTheme* TSkSpinButtons::FileTheme() const { return up_ != nullptr ? up_->FileTheme() : nullptr; }

void TSkSpinButtons::SetUIStyle(TskUIStyle value) {
  up_->SetUIStyle(value);
  down_->SetUIStyle(value);
}

void TSkSpinButtons::SetFileTheme(TskFileTheme* value) {
  up_->SetFileTheme(value);
  down_->SetFileTheme(value);
}

void TSkSpinButtons::ArrowClicked(TObject* sender) {
  if (sender == up_) OnUpClick.Call(this);
  else if (sender == down_) OnDownClick.Call(this);
}

void TSkSpinButtons::KeyDown(uint16_t& key, TShiftState shift) {
  if (key == VK_UP) up_->Click();
  else if (key == VK_DOWN) down_->Click();
  TWinControl::KeyDown(key, shift);
}

void TSkSpinButtons::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, std::max(width, kMinButtonsWidth), height);
  LayOut();
}

void TSkSpinButtons::Loaded() {
  TWinControl::Loaded();
  LayOut();
}

void TSkSpinButtons::Resize() {
  TWinControl::Resize();
  LayOut();
}

// The up arrow takes the upper half and a pixel more; the down arrow starts on that pixel.
void TSkSpinButtons::LayOut() {
  if (up_ == nullptr || down_ == nullptr || ComponentState().Contains(csLoading)) return;
  const int upHeight = Height() / 2 + 1;
  up_->SetBounds(0, 0, Width(), upHeight);
  down_->SetBounds(0, upHeight - 1, Width(), Height() - upHeight + 1);
}

// ---- spin edit ----

TSkSpinEdit::TSkSpinEdit(TComponent* owner) : TskEdit(owner) {
  buttons_ = new TSkSpinButtons(this);
  buttons_->SetParent(this);
  buttons_->OnUpClick.Bind(this, "UpClick", [this](TObject*) { UpClick(); });
  buttons_->OnDownClick.Bind(this, "DownClick", [this](TObject*) { DownClick(); });
  UIStyleChanged();
  SetText("0");
}

void TSkSpinEdit::Publish() {
  using B = TSkSpinEdit;
  TPublisher<B> p;
  p.Property("Value", &B::Value, &B::SetValue).Default(0);
  p.Property("MinValue", &B::MinValue, &B::SetMinValue).Default(0);
  p.Property("MaxValue", &B::MaxValue, &B::SetMaxValue).Default(0);
  p.Property("Increment", &B::Increment, &B::SetIncrement).Default(1);
  p.Property("EditorEnabled", &B::EditorEnabled, &B::SetEditorEnabled).Default(true);
}

void TSkSpinEdit::CreateParams(TCreateParams& params) {
  TskEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TSkSpinEdit::CreateWnd() {
  TskEdit::CreateWnd();
  SetTextRect();
}

void TSkSpinEdit::UIStyleChanged() {
  if (buttons_ == nullptr) return;
  buttons_->SetUIStyle(UIStyle());
  buttons_->SetFileTheme(FileTheme());
}

int TSkSpinEdit::Clamped(int64_t value) const {
  if (minValue_ != maxValue_) value = std::clamp<int64_t>(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int TSkSpinEdit::Value() {
  int typed = minValue_;
  TryStrToInt(Text(), typed);
  return Clamped(typed);
}

void TSkSpinEdit::SetValue(int value) { SetText(IntToStr(Clamped(value))); }

void TSkSpinEdit::Step(int64_t delta) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  SetValue(Clamped(static_cast<int64_t>(Value()) + delta));
}

void TSkSpinEdit::UpClick() { Step(increment_); }
void TSkSpinEdit::DownClick() { Step(-static_cast<int64_t>(increment_)); }

void TSkSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
  if (key == VK_UP) UpClick();
  else if (key == VK_DOWN) DownClick();
  TskEdit::KeyDown(key, shift);
}

bool TSkSpinEdit::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (TskEdit::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  for (int notches = wheelDelta / WHEEL_DELTA; notches != 0; notches -= notches > 0 ? 1 : -1) {
    if (notches > 0) UpClick();
    else DownClick();
  }
  return true;
}

// Digits and "-" type; control characters other than Return reach the edit (its editing and
// clipboard keys), Backspace only while the editor is enabled.
bool TSkSpinEdit::IsValidChar(char16_t key) {
  const bool control = key < 0x20 && key != VK_RETURN;
  if (!editorEnabled_) return control && key != VK_BACK;
  return control || key == u'-' || (key >= u'0' && key <= u'9');
}

void TSkSpinEdit::KeyPress(char16_t& key) {
  if (!IsValidChar(key)) {
    key = 0;
    MessageBeep(0);
    return;
  }
  TskEdit::KeyPress(key);
}

// Cutting, pasting and typing change the text only while the editor is enabled.
bool TSkSpinEdit::CanChangeText() { return editorEnabled_ && TskEdit::CanChangeText(); }

// Leaving shows the Value the text stands for: a number beyond the limits, or text that is no
// number, is written again as the Value. An empty edit stays empty.
void TSkSpinEdit::DoExit() {
  TskEdit::DoExit();
  const String text = Text();
  int typed = 0;
  if (text.empty()) return;
  if (!TryStrToInt(text, typed) || Clamped(typed) != typed) SetValue(Value());
}

void TSkSpinEdit::WndProc(TMessage& m) {
  TskEdit::WndProc(m);
  if (m.Msg == WM_SIZE && buttons_ != nullptr) {
    PlaceButtons();
    SetTextRect();
  }
}

void TSkSpinEdit::PlaceButtons() {
  buttons_->SetBounds(Width() - buttons_->Width() - 4, 0, buttons_->Width(), Height() - 4);
}

// The text stops short of the buttons.
void TSkSpinEdit::SetTextRect() {
  if (!HandleAllocated() || buttons_ == nullptr) return;
  TRect r = Rect(0, 0, ClientWidth() - buttons_->Width() - 2, ClientHeight() + 1);
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}
