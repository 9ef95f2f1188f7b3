// Tool bars and their buttons: arranging, pressing, drop-down menus and actions.
#include "platform/controls/tool_bar.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/control_text.h"
#include "platform/controls/menus.h"
#include "platform/controls/notified_link.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"

TToolButtonActionLink::TToolButtonActionLink(TToolButton* client) : TControlActionLink(client), button_(client) {}

bool TToolButtonActionLink::IsImageIndexLinked() const {
  return CustomAction() && button_->ImageIndex() == CustomAction()->ImageIndex();
}

void TToolButtonActionLink::SetImageIndex(int v) {
  if (IsImageIndexLinked()) button_->SetImageIndex(v);
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
  Destroying();
  SetAction(nullptr);  // the link calls back into this button, so it goes while the button is whole
  SetDropdownMenu(nullptr);
  SetMenuItem(nullptr);
}

const TMessageMap& TToolButton::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TGraphicControl::ClassMessages());
    m.On(CM_MOUSEENTER, &TToolButton::CMMouseEnter);
    m.On(CM_MOUSELEAVE, &TToolButton::CMMouseLeave);
    return m;
  }();
  return map;
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::Changed() {
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
  Invalidate();
}

void TToolButton::SetStyle(TToolButtonStyle v) {
  if (style_ == v) return;
  style_ = v;
  Changed();
}

void TToolButton::SetImageIndex(int v) {
  if (imageIndex_ == v) return;
  imageIndex_ = v;
  Invalidate();
}

// A grouped check button going down brings the others of its group up.
void TToolButton::SetDown(bool v) {
  if (down_ == v) return;
  down_ = v;
  if (v && grouped_ && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TToolButton*>(Parent()->Controls(i));
      if (other && other != this && other->grouped_ && other->style_ == tbsCheck && other->down_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TToolButton::SetDropdownMenu(TPopupMenu* v) { SetNotifiedLink(this, dropdownMenu_, v); }

// The bar hears the menu whose titles its buttons show, from the first such button on.
void TToolButton::SetMenuItem(TMenuItem* v) {
  SetNotifiedLink(this, menuItem_, v);
  UpdateFromMenuItem();
  if (TToolBar* bar = ToolBar(); bar != nullptr && bar->MenuKeys() != nullptr) bar->MenuKeys()->Follow();
}

void TToolButton::UpdateFromMenuItem() {
  if (menuItem_ == nullptr) return;
  SetCaption(menuItem_->Caption());
  SetEnabled(menuItem_->Enabled());
  Changed();
}

void TToolButton::SetAutoSize(bool v) {
  if (autoSize_ == v) return;
  autoSize_ = v;
  Changed();
}

std::unique_ptr<TControlActionLink> TToolButton::CreateActionLink() {
  return std::make_unique<TToolButtonActionLink>(this);
}

// Besides what every control takes, the button shows the action's image unless, while loading,
// it has one of its own.
void TToolButton::ActionChange(TObject* sender, bool checkDefaults) {
  TGraphicControl::ActionChange(sender, checkDefaults);
  if (auto* action = dynamic_cast<TCustomAction*>(sender); action && (!checkDefaults || imageIndex_ == -1))
    SetImageIndex(action->ImageIndex());
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
  if (component == menuItem_) menuItem_ = nullptr;
}

void TToolButton::Click() {
  if (style_ == tbsSeparator || style_ == tbsDivider) return;
  if (style_ == tbsCheck) {
    bool stayDown = grouped_ && down_ && !allowAllUp_;
    if (!stayDown) SetDown(!down_);
  }
  if (menuItem_ != nullptr && !OnClick && !ActionLink()) return OpenMenuItem();
  // A plain button with a menu and nothing else to run opens the menu.
  if (style_ == tbsButton && dropdownMenu_ && !OnClick && !ActionLink()) CheckMenuDropdown();
  else TGraphicControl::Click();
}

void TToolButton::OpenMenuItem() {
  auto* menu = dynamic_cast<TMainMenu*>(menuItem_->GetParentMenu());
  if (menuItem_->Count() == 0 || menu == nullptr || menuItem_->Parent() != menu->Items() || !Parent()) {
    menuItem_->Click();
    return;
  }
  if (auto* bar = dynamic_cast<TToolBar*>(Parent()); bar != nullptr && bar->MenuKeys()->Menu() == menu)
    return bar->MenuKeys()->OpenByMouse(menuItem_->MenuIndex());
  TPoint at = Parent()->ClientToScreen({Left(), Top() + Height()});
  menu->PopupSubmenu(menuItem_->MenuIndex(), at.x, at.y);
}

bool TToolButton::CheckMenuDropdown() {
  if (!dropdownMenu_ || !Parent()) return false;
  TPoint at = Parent()->ClientToScreen({Left(), Top() + Height()});
  dropdownMenu_->SetPopupComponent(this);
  dropdownMenu_->Popup(at.x, at.y);
  return true;
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled() && style_ != tbsSeparator && style_ != tbsDivider) {
    if (style_ == tbsDropDown && x >= Width() - ToolButtonArrowWidth) {
      controlState_.Exclude(csClicked);  // the arrow opens the menu instead of clicking
      SetMouseCapture(false);
      CheckMenuDropdown();
    } else {
      pressed_ = true;
      Invalidate();
    }
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseMove(TShiftState shift, int x, int y) {
  bool inside = ClientRect().Contains({x, y});
  if (MouseCapture() && inside != pressed_) {
    pressed_ = inside;
    Invalidate();
  }
  TGraphicControl::MouseMove(shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (pressed_) {
    pressed_ = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TToolButton::CMMouseEnter(TMessage& m) {
  hot_ = true;
  Invalidate();
  TToolBar* bar = ToolBar();
  if (int title = bar != nullptr && bar->MenuKeys() != nullptr ? bar->MenuKeys()->TitleOf(this) : -1; title >= 0)
    bar->MenuKeys()->MouseOver(title);
  TControl::CMMouseEnterLeave(m);
}

void TToolButton::CMMouseLeave(TMessage& m) {
  hot_ = false;
  Invalidate();
  TControl::CMMouseEnterLeave(m);
}

TToolBar::TToolBar(TComponent* owner)
    : TCustomControl(owner), menuKeys_(std::make_unique<TToolBarMenuKeys>(this)) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csOpaque};
  SetColor(clBtnFace);
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

TToolBar::~TToolBar() {
  Destroying();
  SetImages(nullptr);
  menuKeys_.reset();
}

int TToolBar::ButtonCount() const {
  int n = 0;
  for (int i = 0; i < ControlCount(); ++i) n += dynamic_cast<TToolButton*>(Controls(i)) != nullptr;
  return n;
}

TToolButton* TToolBar::Buttons(int index) const {
  for (int i = 0, n = 0; i < ControlCount(); ++i)
    if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && n++ == index) return b;
  RaiseListIndexError(index);
}

void TToolBar::SetButtonWidth(int v) {
  buttonWidth_ = std::max(v, 1);
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int v) {
  buttonHeight_ = std::max(v, 1);
  ArrangeButtons();
}

void TToolBar::SetFlat(bool v) {
  flat_ = v;
  Invalidate();
}

void TToolBar::SetShowCaptions(bool v) {
  showCaptions_ = v;
  if (v) buttonHeight_ = std::max(buttonHeight_, 36);
  ArrangeButtons();
}

void TToolBar::SetIndent(int v) {
  indent_ = std::max(v, 0);
  ArrangeButtons();
}

void TToolBar::SetImages(TCustomImageList* v) {
  SetNotifiedLink<TCustomImageList>(this, images_, v);
  Invalidate();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TToolBar::AlignControls(TControl* control, TRect& rect) {
  TCustomControl::AlignControls(control, rect);
  ArrangeButtons();
}

// Separators keep the width given to them; drop-down buttons add room for their arrow.
void TToolBar::ArrangeButtons() {
  int x = indent_;
  for (int i = 0; i < ControlCount(); ++i) {
    auto* b = dynamic_cast<TToolButton*>(Controls(i));
    if (!b || !b->Visible()) continue;
    bool separator = b->Style() == tbsSeparator || b->Style() == tbsDivider;
    int width = separator ? b->Width() : ButtonWidthOf(b) + (b->Style() == tbsDropDown ? ToolButtonArrowWidth : 0);
    if (b->Left() != x || b->Top() != 2 || b->Width() != width || b->Height() != buttonHeight_)
      b->SetBounds(x, 2, width, buttonHeight_);
    x += width;
  }
}

int TToolBar::ButtonWidthOf(TToolButton* b) {
  if (!b->AutoSize() || !showCaptions_) return buttonWidth_;
  constexpr int kCaptionMargin = 8;
  Canvas()->Font()->Assign(Font());
  TRect text = Rect(0, 0, 0, 0);
  DrawText(Canvas()->Handle(), b->Caption(), text, DT_CALCRECT | DT_SINGLELINE);
  return text.Width() + 2 * kCaptionMargin;
}

TCustomDrawState TToolBar::StateOf(TToolButton* b) const {
  TCustomDrawState state;
  if (b->Pressed()) state.Include(cdsSelected);
  if (b->Down()) state.Include(cdsChecked);
  if (b->Hot()) state.Include(cdsHot);
  if (!b->Enabled()) state.Include(cdsDisabled);
  // A menu title selected by keyboard looks as under the mouse; one whose items are open, pressed.
  int title = menuKeys_->TitleOf(b);
  if (title >= 0 && title == menuKeys_->Selected()) state.Include(menuKeys_->IsOpen() ? cdsSelected : cdsHot);
  return state;
}

// The background comes first, as an erase would; a custom drawing of the bar goes over it,
// and its default drawing is the buttons.
void TToolBar::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  bool defaultDraw = true;
  OnCustomDraw.Call(this, r, defaultDraw);
  if (!defaultDraw) return;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && b->Visible()) PaintButton(b);
}

void TToolBar::PaintButton(TToolButton* b) {
  TCanvas* canvas = Canvas();
  TRect r = b->BoundsRect();
  bool defaultDraw = true;
  OnCustomDrawButton.Call(this, b, StateOf(b), defaultDraw);
  if (!defaultDraw) return;
  if (b->Style() == tbsSeparator || b->Style() == tbsDivider) {
    if (b->Style() == tbsDivider || flat_) {
      TRect line = Rect(r.Left + r.Width() / 2 - 1, r.Top, r.Left + r.Width() / 2 + 1, r.Bottom);
      DrawEdge(canvas->Handle(), line, EDGE_ETCHED, BF_LEFT);
    }
    return;
  }
  bool sunken = b->Pressed() || b->Down();
  if (sunken) DrawEdge(canvas->Handle(), r, BDR_SUNKENOUTER, BF_RECT);
  else if (!flat_ || (b->Hot() && b->Enabled())) DrawEdge(canvas->Handle(), r, flat_ ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
  TRect face = r;
  if (b->Style() == tbsDropDown) {
    face.Right -= ToolButtonArrowWidth;
    int cx = face.Right + ToolButtonArrowWidth / 2, cy = r.Top + r.Height() / 2;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(b->Enabled() ? clBtnText : clGrayText);
    canvas->Pen()->SetColor(b->Enabled() ? clBtnText : clGrayText);
    canvas->Polygon({{cx - 2, cy - 1}, {cx + 2, cy - 1}, {cx, cy + 1}});
  }
  int shift = sunken ? 1 : 0;
  int textHeight = showCaptions_ ? canvas->TextHeight("Wg") : 0;
  if (images_ && b->ImageIndex() >= 0 && b->ImageIndex() < images_->Count()) {
    int x = face.Left + (face.Width() - images_->Width()) / 2 + shift;
    int y = face.Top + (face.Height() - images_->Height() - textHeight) / 2 + shift;
    images_->Draw(canvas, x, y, b->ImageIndex(), b->Enabled());
  }
  if (!showCaptions_) return;
  canvas->Font()->Assign(Font());
  TRect text = Rect(face.Left, face.Bottom - textHeight - 3, face.Right, face.Bottom - 3);
  OffsetRect(text, shift, shift);
  DrawControlText(canvas, b->Caption(), text, DT_CENTER | DT_SINGLELINE | DT_VCENTER, b->Enabled());
}

void TToolButton::Publish() {
  TPublisher<TToolButton> p;
  p.Property("Style", &TToolButton::Style, &TToolButton::SetStyle).Default(tbsButton);
  p.Property("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex).Default(-1);
  p.Property("Down", &TToolButton::Down, &TToolButton::SetDown).Default(false);
  p.Property("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false);
  p.Property("AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize).Default(false);
  p.Property("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
  p.Property("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp).Default(false);
  p.Property("Caption", &TToolButton::Caption, &TToolButton::SetCaption);
}

void TToolBar::Publish() {
  TPublisher<TToolBar> p;
  p.Property("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth).Default(23);
  p.Property("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight).Default(22);
  p.Property("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(false);
  p.Property("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(false);
  p.Property("Indent", &TToolBar::Indent, &TToolBar::SetIndent).Default(0);
  p.Event("OnCustomDraw", &TToolBar::OnCustomDraw);
  p.Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton);
}
