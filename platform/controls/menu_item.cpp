// Menu items: captions, states, shortcuts, actions and the item tree.
#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/menus.h"

bool TMenuActionLink::IsOnExecuteLinked() const {
  return Action() && client_->OnClick.SameMethod(Action()->OnExecute);
}

void TMenuActionLink::SetCaption(const String& v) {
  if (CustomAction() && client_->Caption() == CustomAction()->Caption()) client_->SetCaption(v);
}
void TMenuActionLink::SetEnabled(bool v) {
  if (CustomAction() && client_->Enabled() == CustomAction()->Enabled()) client_->SetEnabled(v);
}
void TMenuActionLink::SetChecked(bool v) {
  if (CustomAction() && client_->Checked() == CustomAction()->Checked()) client_->SetChecked(v);
}
void TMenuActionLink::SetHint(const String& v) {
  if (CustomAction() && client_->Hint() == CustomAction()->Hint()) client_->SetHint(v);
}
void TMenuActionLink::SetImageIndex(int v) {
  if (CustomAction() && client_->ImageIndex() == CustomAction()->ImageIndex()) client_->SetImageIndex(v);
}
void TMenuActionLink::SetShortCut(TShortCut v) {
  if (CustomAction() && client_->ShortCut() == CustomAction()->ShortCut()) client_->SetShortCut(v);
}
void TMenuActionLink::SetVisible(bool v) {
  if (CustomAction() && client_->Visible() == CustomAction()->Visible()) client_->SetVisible(v);
}
void TMenuActionLink::SetOnExecute(const TNotifyEvent& v) {
  if (IsOnExecuteLinked()) client_->OnClick = v;
}

void TMenuActionLink::ActionAssigned() {
  if (TCustomAction* a = CustomAction()) {
    client_->SetCaption(a->Caption());
    client_->SetEnabled(a->Enabled());
    client_->SetChecked(a->Checked());
    client_->SetHint(a->Hint());
    client_->SetImageIndex(a->ImageIndex());
    client_->SetShortCut(a->ShortCut());
    client_->SetVisible(a->Visible());
  }
  if (!client_->OnClick) client_->OnClick = Action()->OnExecute;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  Destroying();
  actionLink_.reset();
  while (!items_.empty()) delete items_.back();
  if (parent_) parent_->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) throw EInvalidOperation("Menu inserted twice");
  if (index < 0 || index > Count()) RaiseListIndexError(index);
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->ItemsChanged();
}

void TMenuItem::SetCaption(const String& v) {
  if (caption_ == v) return;
  caption_ = v;
  Changed();
}

void TMenuItem::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Changed();
}

void TMenuItem::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index < 0) throw EInvalidOperation("Sub-menu is not in menu");
  Delete(index);
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

// Compares captions without their accelerator marks, ignoring case.
TMenuItem* TMenuItem::Find(const String& caption) const {
  auto plain = [](const String& s) { return StringReplaceAll(s, "&", ""); };
  for (TMenuItem* item : items_)
    if (AnsiSameText(plain(item->caption_), plain(caption))) return item;
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  for (TMenuItem* item : items_) {
    if (item->shortCut_ == shortCut && shortCut != scNone) return item;
    if (TMenuItem* inner = item->FindShortCut(shortCut)) return inner;
  }
  return nullptr;
}

void TMenuItem::SetChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  if (v && radioItem_) UncheckRadioSiblings();
}

void TMenuItem::UncheckRadioSiblings() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::SetDefault(bool v) {
  if (v && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = v;
}

void TMenuItem::SetAction(TBasicAction* action) {
  if (!action) {
    actionLink_.reset();
    return;
  }
  if (!actionLink_) actionLink_ = std::make_unique<TMenuActionLink>(this);
  actionLink_->SetAction(action);
  action->FreeNotification(this);
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // A freed action has already let go of its links by the time its notice arrives.
  if (operation == opRemove && actionLink_ && (component == actionLink_->Action() || !actionLink_->Action()))
    actionLink_.reset();
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_ && !(radioItem_ && checked_)) SetChecked(!checked_);
  bool ownHandler = OnClick && !(actionLink_ && actionLink_->IsOnExecuteLinked());
  // The handler runs from a copy: it may free this item, and with it OnClick.
  TNotifyEvent handler = OnClick;
  if (ownHandler) handler(this);
  else if (actionLink_) actionLink_->Execute(this);
  else handler.Call(this);
}

void TMenuItem::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

void TMenuItem::Publish() {
  TPublisher<TMenuItem> p;
  p.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  p.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  p.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
  p.Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
  p.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
  p.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  p.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  p.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
  p.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
  p.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  p.Event("OnClick", &TMenuItem::OnClick);
  p.Event("OnDrawItem", &TMenuItem::OnDrawItem);
  p.Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
}
