// Skinned check boxes and radio buttons.
#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/actions.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"
#include "skin/check_boxes.h"
#include "skin/file_theme.h"
#include "skin/inherited_message.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"

namespace {

constexpr int kGlyphCells = 4;
constexpr int kCaptionGap = 4;

}  // namespace

TskCheckBox::TskCheckBox(TComponent* owner) : TskThemed<TCustomControl>(owner) {
  TControlStyle style = ControlStyle();
  style.Exclude(csDoubleClicks);
  style.Exclude(csAcceptsControls);
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 93, 17);
  SetTabStop(true);
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

void TskCheckBox::Publish() {
  using B = TskCheckBox;
  TPublisher<B> p;
  p.Property("Checked", &B::Checked, &B::SetChecked).Default(false);
  p.Property("State", &B::State, &B::SetState).Default(cbUnchecked);
  p.Property("AutoSize", &B::AutoSize, &B::SetAutoSize).Default(true);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Redeclare("TabStop").Default(true);
}

const TMessageMap& TskCheckBox::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_ERASEBKGND, &TskCheckBox::WMEraseBkgnd);
    m.On(CM_DIALOGCHAR, &TskCheckBox::CMDialogChar);
    for (UINT msg : {CM_FONTCHANGED, CM_TEXTCHANGED}) m.On(msg, &TskCheckBox::CMChanged);
    for (UINT msg : {WM_SETFOCUS, WM_KILLFOCUS, CM_FOCUSCHANGED}) m.On(msg, &TskCheckBox::RepaintAfter);
    return m;
  }();
  return map;
}

void TskCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Invalidate();
  DoClick();
}

void TskCheckBox::SetAutoSize(bool value) {
  autoSize_ = value;
  UpdateSize();
  Invalidate();
}

void TskCheckBox::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TskCheckBox::StyleChanged() {
  UpdateSize();
  Invalidate();
}

void TskCheckBox::SetEnabled(bool value) {
  TCustomControl::SetEnabled(value);
  Invalidate();
}

void TskCheckBox::DoClick() {
  // While OnClick is only the linked action's handler, the box has no handler of its own: the
  // action runs with the click itself, not with every change of Checked.
  if (!Loading() && HasOwnClickHandler()) OnClick.Call(this);
}

void TskCheckBox::Toggle() {
  BeforeToggle();
  SetChecked(!checked_);
}

void TskCheckBox::Click() {
  if (CanFocus() && Enabled()) SetFocus();
  // A handler of the box's own runs with the change of Checked, and alone, as on every control;
  // a box without one (or whose handler is still the action's) runs the linked action.
  const bool ownHandler = HasOwnClickHandler();
  Toggle();
  if (!ownHandler && ActionLink() != nullptr) ActionLink()->Execute(this);
}

void TskCheckBox::KeyUp(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (!WantKeys() || (key != VK_SPACE && key != VK_RETURN) || !Focused() || !Enabled()) return;
  Invalidate();
  Click();
}

void TskCheckBox::CMDialogChar(TMessage& m) {
  InheritedMessage(TCustomControl::ClassMessages(), this, m);
  m.Result = 0;
  if (!IsAccel(static_cast<uint16_t>(m.WParam), Caption()) || !Enabled()) return;
  if (CanFocus()) SetFocus();
  Click();
  m.Result = 1;
}

void TskCheckBox::CMChanged(TMessage&) {
  UpdateSize();
  Invalidate();
}

void TskCheckBox::RepaintAfter(TMessage& m) {
  InheritedMessage(TCustomControl::ClassMessages(), this, m);
  Invalidate();
}

// ---- size and painting ----

void TskCheckBox::LoadGlyph(TBitmap* glyph) const {
  const int cell = (checked_ ? 1 : 2) + (Enabled() ? 0 : 2);
  Theme().BitmapCell(GlyphKey(), glyph, kGlyphCells, cell);
}

// Sized when what it depends on changes, so that painting only reads the size.
void TskCheckBox::UpdateSize() {
  if (!autoSize_) return;
  TBitmap glyph;
  LoadGlyph(&glyph);
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(Font());
  const int lineHeight = measure.Canvas()->TextHeight("W");
  const int height = std::max(glyph.Height(), lineHeight + 2) + 4;
  const int width = glyph.Width() + 8 + measure.Canvas()->TextWidth(Caption());
  SetBounds(Left(), Top(), width, height);
}

void TskCheckBox::Paint() {
  TBitmap glyph;
  LoadGlyph(&glyph);
  glyph.SetTransparent(GlyphTransparent());
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  canvas->SetFont(Font());
  PaintControlBackground(canvas, this, transparent_);
  canvas->Draw(1, (ClientHeight() - glyph.Height()) / 2, &glyph);
  const int lineHeight = canvas->TextHeight("W");
  const int x = glyph.Width() + kCaptionGap;
  const int y = (ClientHeight() - lineHeight) / 2;
  canvas->Brush()->SetStyle(bsClear);
  TRect text = Rect(x, y, Width(), Height());
  DrawText(canvas->Handle(), Caption(), text, DT_SINGLELINE | DT_LEFT | DT_TOP);
  if (ShowFocus()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->DrawFocusRect(Rect(x - 1, y, Width(), y + lineHeight + 2));
  }
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}

// ---- TskRadioButton ----

void TskRadioButton::Publish() {
  TPublisher<TskRadioButton> p;
  p.Property("GroupIndex", &TskRadioButton::GroupIndex, &TskRadioButton::SetGroupIndex).Default(0);
}

const TMessageMap& TskRadioButton::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TskCheckBox::ClassMessages());
    m.On(WM_SETFOCUS, &TskRadioButton::WMSetFocus);
    return m;
  }();
  return map;
}

void TskRadioButton::CreateParams(TCreateParams& params) {
  TskCheckBox::CreateParams(params);
  params.WinClassName = kWindowClass;
}

void TskRadioButton::WMSetFocus(TMessage& m) {
  InheritedMessage(TskCheckBox::ClassMessages(), this, m);
  const auto lost = reinterpret_cast<HWND>(m.WParam);
  if (lost != nullptr && lost != Handle() && GetClassName(lost) == kWindowClass) Click();
}

void TskRadioButton::Toggle() {
  if (!Checked()) SetChecked(true);
}

void TskRadioButton::DoClick() {
  if (!Checked()) return;
  UncheckGroup();
  TskCheckBox::DoClick();
}

void TskRadioButton::UncheckGroup() {
  TWinControl* parent = Parent();
  if (parent == nullptr) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TskRadioButton*>(parent->Controls(i));
    if (other != nullptr && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
  }
}
