// The framed tab control: its strip along the top, its theme colours, its frame and the area
// its children are laid out in.

#include "platform/classes/properties.h"
#include "platform/controls/watched_component.h"
#include "skin/always_written.h"
#include "skin/file_theme.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/messages.h"
#include "skin/inherited_message.h"
#include "skin/style_propagation.h"
#include "skin/tab_control.h"

namespace {
// The gap between the frame and the children.
constexpr int kInnerMargin = 3;
constexpr TColor kPearlBody = static_cast<TColor>(0xFFFFFF);
}  // namespace

TskTab::TskTab(TComponent* owner) : TskThemed<TCustomPanel>(owner) {
  SetBevelOuter(bvNone);
  SetBevelInner(bvNone);
  SetHeight(80);
  SetText(" ");
}

TskTab::~TskTab() = default;

void TskTab::BuildTopPanel() {
  topPanel_ = CreateTopPanel();
  topPanel_->SetTabControl(this);
  topPanel_->SetParent(this);
  SetUIStyle(GetOwnerFormUIStyle(Owner()));
  PlaceTopPanel();
}

void TskTab::Publish() {
  using B = TskTab;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter", "Color"});
  // A new control's text is one blank: an empty one is written.
  p.Redeclare("Caption").Default(String(" "));
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Property("LeftMargin", &B::LeftMargin, &B::SetLeftMargin).Default(10);
  p.Property("BorderColor", &B::BorderColor, &B::SetBorderColor);
  p.Property("FullRepaint", &B::FullRepaint, &B::SetFullRepaint).Default(true);
  p.Property("Locked", &B::Locked, &B::SetLocked).Default(false);
  p.Event("OnTabActive", &B::OnTabActive);
  p.Event("OnChange", &B::OnChange);
  p.Event("OnChanging", &B::OnChanging);
}

const TMessageMap& TskTab::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TskTab::WMEraseBkgnd);
    m.On(CM_CURSORCHANGED, &TskTab::CMCursorChanged);
    m.On(CM_FONTCHANGED, &TskTab::CMFontChanged);
    m.On(CM_CHILDKEY, &TskTab::CMChildKey);
    return m;
  }();
  return map;
}

void TskTab::SetBorderColor(TColor value) {
  borderColor_ = value;
  BorderColorChanged();
  Invalidate();
  if (topPanel_ != nullptr) topPanel_->Invalidate();
}

void TskTab::TabActive(int index) {
  if (ComponentState().Contains(csLoading)) return;
  // The handlers may free the control (a tab that closes its form).
  const TWatchedComponent self(this);
  OnTabActive.Call(this, index);
  if (self.Get() != nullptr) OnChange.Call(this);
}

void TskTab::ApplyChildrenStyle(TskUIStyle style, TskFileTheme* fileTheme) {
  ContainerApplyUIStyle(this, style, fileTheme);
}

void TskTab::StyleChanged() {
  if (topPanel_ == nullptr) return;
  topPanel_->SetFileTheme(FileTheme());
  topPanel_->SetUIStyle(UIStyle());
  ApplyChildrenStyle(UIStyle(), FileTheme());
  const TskThemeValues theme = Theme();
  topPanel_->SetColor(theme.Color(tkControlBackgroundColor));
  SetBorderColor(theme.Color(tkControlBorderColor));
  const bool pearl = !theme.FromFile() && theme.EffectiveStyle() == Pearl;
  SetColor(pearl ? kPearlBody : theme.Color(tkControlBackgroundColor));
  PlaceTopPanel();
  Realign();
  Invalidate();
}

void TskTab::CMCursorChanged(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  if (topPanel_ != nullptr) topPanel_->SetCursor(Cursor());
}

void TskTab::CMFontChanged(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  if (topPanel_ != nullptr) topPanel_->TabFontChanged();
}

// ---- layout and painting ----

void TskTab::PlaceTopPanel() {
  if (topPanel_ != nullptr) topPanel_->SetBounds(0, 0, Width(), topPanel_->Height());
}

void TskTab::Resize() {
  TskThemed<TCustomPanel>::Resize();
  PlaceTopPanel();
}

void TskTab::AdjustClientRect(TRect& rect) {
  TskThemed<TCustomPanel>::AdjustClientRect(rect);
  rect.Left += kInnerMargin;
  rect.Right -= kInnerMargin;
  rect.Bottom -= kInnerMargin;
  rect.Top = (topPanel_ != nullptr ? topPanel_->Height() : 0) + kInnerMargin;
}

void TskTab::Paint() {
  const int stripHeight = topPanel_ != nullptr ? topPanel_->Height() : 0;
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, stripHeight, Width(), Height()));
  canvas->Pen()->SetColor(borderColor_);
  canvas->Polyline({Point(0, stripHeight), Point(0, Height() - 1), Point(Width() - 1, Height() - 1),
                    Point(Width() - 1, stripHeight - 1)});
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}
