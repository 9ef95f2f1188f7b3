// Side-bar buttons and their collection: properties, actions and order.
#include "sidebar/buttons.h"

#include "platform/classes/properties.h"
#include "platform/core/format.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"

// ---- TnbButton -------------------------------------------------------------------------------

TnbButton::TnbButton(TCollection* collection)
    : TnbBarItem(collection), font_(std::make_unique<TFont>()),
      highlightFont_(std::make_unique<TFont>()) {
  TNotifyEvent fontChanged;
  fontChanged.Bind(this, "", &TnbButton::FontChanged);
  font_->OnChange = fontChanged;
  highlightFont_->OnChange = fontChanged;
  if (TnbButtons* buttons = Buttons()) buttons->Adopt(this);
}

TnbButton::~TnbButton() {
  // The bar forgets every reference to the button before any of it is freed.
  if (TnbSideBar* bar = Bar()) bar->ButtonGone(this);
}

void TnbButton::Publish() {
  using B = TnbButton;
  TPublisher<B> p;
  p.Property("Action", &B::Action, &B::SetAction);
  p.Property("AutoSize", &B::AutoSize, &B::SetAutoSize);
  p.Property("Alignment", &B::Alignment, &B::SetAlignment).Default(taCenter);
  p.Property("AllowGrayed", &B::AllowGrayed, &B::SetAllowGrayed);
  p.Property("ButtonIndex", &B::ButtonIndex, &B::SetButtonIndex).Stored(false);
  p.Property("ButtonKind", &B::ButtonKind, &B::SetButtonKind).Default(bkButton);
  p.Property("ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle);
  p.Property("ButtonView", &B::ButtonView, &B::SetButtonView);
  p.Property("BiDiMode", &B::BiDiMode, &B::SetBiDiMode)
      .Default(bdLeftToRight)
      .Stored([](B* b) { return !b->ParentBiDiMode(); });
  p.Property("Checked", &B::Checked, &B::SetChecked);
  p.Property("Caption", &B::Caption, &B::SetCaption);
  p.Property("Color", &B::Color, &B::SetColor);
  p.Property("Cursor", &B::Cursor, &B::SetCursor).Default(TCursor{0});
  p.Property("CheckState", &B::CheckState, &B::SetCheckState);
  p.Property("Enabled", &B::Enabled, &B::SetEnabled);
  p.Property("Font", &B::Font, &B::SetFont);
  p.Property("HighlightFont", &B::HighlightFont, &B::SetHighlightFont);
  p.Property("HelpContext", &B::HelpContext, &B::SetHelpContext);
  p.Property("Height", &B::Height, &B::SetHeight).Default(uint16_t{20});
  p.Property("Hint", &B::Hint, &B::SetHint);
  p.Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex);
  p.Property("Margin", &B::Margin, &B::SetMargin).Default(4);
  p.Property("Name", &B::Name, &B::SetName);
  p.Property("ShowAccelChar", &B::ShowAccelChar, &B::SetShowAccelChar).Default(true);
  p.Property("ParentBiDiMode", &B::ParentBiDiMode, &B::SetParentBiDiMode).Default(true);
  p.Property("Tag", &B::Tag, &B::SetTag).Default(intptr_t{0});
  p.Property("Transparent", &B::Transparent, &B::SetTransparent);
  p.Property("Options", &B::Options, &B::SetOptions);
  p.Property("PopupMenu", &B::PopupMenu, &B::SetPopupMenu);
  p.Property("UserString", &B::UserString, &B::SetUserString);
  p.Property("Visible", &B::Visible, &B::SetVisible);
  p.Property("Width", &B::Width, &B::SetWidth).Default(uint16_t{20});
  p.Property("WordWrap", &B::WordWrap, &B::SetWordWrap).Default(false);
  p.Event("OnClick", &B::OnClick);
  p.Event("OnBeforeDrawButton", &B::OnBeforeDrawButton);
  p.Event("OnDrawButton", &B::OnDrawButton);
  p.Event("OnAfterDrawButton", &B::OnAfterDrawButton);
}

TnbButtons* TnbButton::Buttons() const { return dynamic_cast<TnbButtons*>(Collection()); }
TnbHeader* TnbButton::Header() const { return Buttons() ? Buttons()->Header() : nullptr; }
TnbSideBar* TnbButton::Bar() const { return Buttons() ? Buttons()->Bar() : nullptr; }

void TnbButton::StoreSize(uint16_t& field, uint16_t v) {
  if (field == v) return;
  field = v;
  // An auto-sized button does not take its stored size, so nothing shows the change.
  if (!autoSize_) Notify();
}

void TnbButton::SetColor(TColor v) {
  if (color_ == v) return;
  color_ = v;
  if (!transparent_) Notify();
}

void TnbButton::SetBiDiMode(TBiDiMode v) {
  biDiMode_ = v;
  parentBiDiMode_ = false;
  Notify();
}

void TnbButton::SetFont(TFont* v) {
  font_->Assign(v);
  Notify();
}

void TnbButton::SetHighlightFont(TFont* v) {
  highlightFont_->Assign(v);
  Notify();
}

void TnbButton::SetButtonIndex(int v) {
  if (Buttons() == nullptr || v == Index()) return;
  SetIndex(std::clamp(v, 0, Buttons()->Count() - 1));
  Notify();
}

void TnbButton::SetIndex(int index) {
  TnbHeader* header = Header();
  TnbButton* selected = header != nullptr ? header->GetButton(header->SelectedIndex()) : nullptr;
  TnbBarItem::SetIndex(index);
  if (selected != nullptr) header->SelectionMoved(selected->Index());
}

void TnbButton::SetChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  checkState_ = v ? cbChecked : cbUnchecked;
  Notify();
}

void TnbButton::SetCheckState(TCheckBoxState v) {
  if (checkState_ == v) return;
  checkState_ = v;
  if (v != cbGrayed) checked_ = v == cbChecked;
  Notify();
}

void TnbButton::SetName(const String& v) {
  TnbSideBar* bar = Bar();
  Rename(Buttons(), v, bar != nullptr && bar->Reading(), "nbButton", "header", "button");
}

const TnbBarSettings& TnbButton::Settings() const {
  static const TnbBarSettings defaults;
  TnbHeader* header = Header();
  return header ? *header->EffectiveSettings() : defaults;
}

TnbButtonView TnbButton::EffectiveView() const {
  return options_.Contains(boCustomView) ? buttonView_ : Settings().ButtonView();
}

TnbButtonStyle TnbButton::EffectiveStyle() const {
  return options_.Contains(boCustomStyle) ? buttonStyle_ : Settings().ButtonStyle();
}

void TnbButton::SetVisible(bool v) {
  if (visible_ == v) return;
  TnbSideBar* bar = Bar();
  if (!v && bar != nullptr) bar->ContentShrank();
  Update(visible_, v);
}

bool TnbButton::IsFirstVisible() const { return Header() && Header()->FirstVisibleButton() == this; }
bool TnbButton::IsLastVisible() const { return Header() && Header()->LastVisibleButton() == this; }

void TnbButton::Click() {
  if (!enabled_) return;
  TnbSideBar* bar = Bar();
  if (bar != nullptr && bar->AlertButton() == this) bar->SetAlertButton(nullptr);
  if (OnClick && link_ && link_->Action() && !link_->IsOnExecuteLinked()) {
    OnClick(this);
  } else if (link_ && link_->Action()) {
    link_->Execute();
  } else {
    OnClick.Call(this);
  }
}

void TnbButton::SetAction(TBasicAction* v) {
  if (v == nullptr) {
    link_.reset();
    return;
  }
  if (!link_) link_ = std::make_unique<TnbButtonActionLink>(this);
  link_->SetAction(v);
  TnbSideBar* bar = Bar();
  ApplyAction(bar != nullptr && !bar->IsLoaded());
}

void TnbButton::ApplyAction(bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Action());
  if (action == nullptr) return;
  if (!checkDefaults || caption_.empty() || caption_ == name_) SetCaption(action->Caption());
  // With check defaults a value is taken only where the button still has its own default.
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
  if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
  if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute;
}

void TnbButton::Assign(TPersistent* source) {
  auto* o = dynamic_cast<TnbButton*>(source);
  if (o == nullptr) return TnbBarItem::Assign(source);
  SetAction(o->Action());
  alignment_ = o->alignment_;
  autoSize_ = o->autoSize_;
  biDiMode_ = o->biDiMode_;
  buttonStyle_ = o->buttonStyle_;
  buttonView_ = o->buttonView_;
  caption_ = o->caption_;
  color_ = o->color_;
  cursor_ = o->cursor_;
  enabled_ = o->enabled_;
  font_->Assign(o->font_.get());
  height_ = o->height_;
  helpContext_ = o->helpContext_;
  highlightFont_->Assign(o->highlightFont_.get());
  hint_ = o->hint_;
  imageIndex_ = o->imageIndex_;
  options_ = o->options_;
  parentBiDiMode_ = o->parentBiDiMode_;
  showAccelChar_ = o->showAccelChar_;
  tag_ = o->tag_;
  transparent_ = o->transparent_;
  visible_ = o->visible_;
  width_ = o->width_;
  wordWrap_ = o->wordWrap_;
  OnClick = o->OnClick;
  OnBeforeDrawButton = o->OnBeforeDrawButton;
  OnDrawButton = o->OnDrawButton;
  OnAfterDrawButton = o->OnAfterDrawButton;
  Notify();
}

// ---- TnbButtonActionLink ---------------------------------------------------------------------

// Each change reaches the button only while the button still shows the action's old value.
void TnbButtonActionLink::SetCaption(const String& v) {
  if (Custom() && client_->Caption() == Custom()->Caption()) client_->SetCaption(v);
}
void TnbButtonActionLink::SetEnabled(bool v) {
  if (Custom() && client_->Enabled() == Custom()->Enabled()) client_->SetEnabled(v);
}
void TnbButtonActionLink::SetHelpContext(int v) {
  if (Custom() && client_->HelpContext() == Custom()->HelpContext()) client_->SetHelpContext(v);
}
void TnbButtonActionLink::SetHint(const String& v) {
  if (Custom() && client_->Hint() == Custom()->Hint()) client_->SetHint(v);
}
void TnbButtonActionLink::SetImageIndex(int v) {
  if (Custom() && client_->ImageIndex() == Custom()->ImageIndex()) client_->SetImageIndex(v);
}
void TnbButtonActionLink::SetVisible(bool v) {
  if (Custom() && client_->Visible() == Custom()->Visible()) client_->SetVisible(v);
}
void TnbButtonActionLink::SetOnExecute(const TNotifyEvent& v) {
  if (IsOnExecuteLinked()) client_->OnClick = v;
}

bool TnbButtonActionLink::IsOnExecuteLinked() const {
  return Action() != nullptr && client_->OnClick == Action()->OnExecute;
}

// ---- TnbButtons ------------------------------------------------------------------------------

TnbButtons::TnbButtons(TnbHeader* header)
    : TOwnedCollection(header, TCollectionItemClass::Of<TnbButton>()), header_(header) {}

TnbSideBar* TnbButtons::Bar() const { return header_ != nullptr ? header_->Bar() : nullptr; }

void TnbButtons::Notify(TCollectionItem* item, TCollectionNotification action) {
  TOwnedCollection::Notify(item, action);
  // An item created by `new` is announced before its own constructor ran; it adopts itself.
  if (action == cnAdded) {
    if (auto* button = dynamic_cast<TnbButton*>(item)) Adopt(button);
  } else if (action == cnExtracting) {
    if (header_ != nullptr) header_->ButtonLeaving(item->Index());
    if (TnbSideBar* bar = Bar()) bar->ItemGone(item);
    // A button that lives on outside reports to the bar no more, which may be freed before it.
    if (auto* button = dynamic_cast<TnbButton*>(item)) button->OnChangeParameter = nullptr;
  }
}

void TnbButtons::Adopt(TnbButton* button) {
  button->NameOnEntry(*this, "nbButton");
  TnbSideBar* bar = Bar();
  if (bar == nullptr) return;
  button->OnChangeParameter = bar->ParameterChangedHandler();
}

void TnbButtons::DeleteButton(int index) { DeleteButton(Items(index)); }

void TnbButtons::DeleteButton(TnbButton* button) {
  if (button == nullptr || button->Collection() != this) return;
  TnbSideBar* bar = Bar();
  if (bar != nullptr && bar->AlertButton() == button) bar->SetAlertButton(nullptr);
  Delete(button->Index());
}

void TnbButtons::ClearButtons() {
  while (Count() > 0) DeleteButton(Count() - 1);
}
