// Actions, action lists and the links that tie controls to actions.
#include "platform/controls/actions.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/application.h"
#include "platform/controls/control.h"
#include "platform/controls/forms.h"
#include "platform/controls/screen.h"
#include "platform/controls/notified_link.h"
#include "platform/graphics/image_list.h"

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action_ == action) return;
  if (action_) {
    auto& links = action_->links_;
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
  }
  action_ = action;
  if (!action) return;
  action->links_.push_back(this);
  ActionAssigned();
}

bool TBasicActionLink::Execute(TComponent* target) {
  if (!action_) return false;
  action_->SetActionComponent(target);
  struct TForget {
    TBasicAction* action;
    ~TForget() { action->SetActionComponent(nullptr); }
  } forget{action_};
  return action_->Execute();
}

bool TBasicActionLink::Update() { return action_ && action_->Update(); }

TBasicAction::~TBasicAction() {
  Destroying();
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(links_)) link->SetAction(nullptr);
  SetActionComponent(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetActionComponent(TComponent* c) { SetNotifiedLink(this, actionComponent_, c); }

void TBasicAction::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == actionComponent_) actionComponent_ = nullptr;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& v) {
  TellLinks([&](TBasicActionLink* link) { link->SetOnExecute(v); });
  OnExecute = v;
}

TContainedAction::~TContainedAction() {
  Destroying();
  SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* list) {
  if (actionList_ == list) return;
  if (actionList_) {
    auto& actions = actionList_->actions_;
    actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
  }
  actionList_ = list;
  if (list) list->actions_.push_back(this);
}

int TContainedAction::Index() const {
  if (!actionList_) return -1;
  auto& actions = actionList_->actions_;
  return static_cast<int>(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

namespace {

// The focused control first, then its form.
template <typename F>
bool OfferToFocus(F offer) {
  if (Screen == nullptr) return false;
  if (TWinControl* control = Screen->ActiveControl(); control != nullptr && offer(control)) return true;
  TCustomForm* form = Screen->ActiveForm();
  return form != nullptr && offer(form);
}

}  // namespace

// The list has the first word, then the action's own handler, then the focused control.
bool TContainedAction::Execute() {
  if (actionList_ && actionList_->ExecuteAction(this)) return true;
  if (TBasicAction::Execute()) return true;
  return OfferToFocus([this](TControl* control) { return control->ExecuteAction(this); });
}

bool TContainedAction::Update() {
  if (actionList_ && actionList_->UpdateAction(this)) return true;
  if (TBasicAction::Update()) return true;
  return OfferToFocus([this](TControl* control) { return control->UpdateAction(this); });
}

void TCustomAction::SetCaption(const String& v) { Store(caption_, v, &TBasicActionLink::SetCaption); }

void TCustomAction::SetEnabled(bool v) { Store(enabled_, v, &TBasicActionLink::SetEnabled); }

void TCustomAction::SetChecked(bool v) { Store(checked_, v, &TBasicActionLink::SetChecked); }

void TCustomAction::SetHint(const String& v) { Store(hint_, v, &TBasicActionLink::SetHint); }

void TCustomAction::SetImageIndex(int v) { Store(imageIndex_, v, &TBasicActionLink::SetImageIndex); }

void TCustomAction::SetHelpContext(int v) { Store(helpContext_, v, &TBasicActionLink::SetHelpContext); }

void TCustomAction::SetShortCut(TShortCut v) { Store(shortCut_, v, &TBasicActionLink::SetShortCut); }

void TCustomAction::SetVisible(bool v) { Store(visible_, v, &TBasicActionLink::SetVisible); }

// The state is brought up to date first; a disabled action does nothing.
bool TCustomAction::Execute() {
  Update();
  if (!enabled_) return false;
  if (autoCheck_) SetChecked(!checked_);
  return TContainedAction::Execute();
}

TCustomActionList::~TCustomActionList() {
  Destroying();
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) action->SetActionList(nullptr);
  SetImages(nullptr);
}

TContainedAction* TCustomActionList::Actions(int index) const {
  if (index < 0 || index >= ActionCount()) RaiseListIndexError(index);
  return actions_[static_cast<size_t>(index)];
}

void TCustomActionList::SetImages(TCustomImageList* v) { SetNotifiedLink(this, images_, v); }

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

bool TCustomActionList::ExecuteAction(TBasicAction* action) {
  bool handled = false;
  OnExecute.Call(action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action) {
  bool handled = false;
  OnUpdate.Call(action, handled);
  return handled;
}

bool TCustomActionList::IsShortCut(uint16_t key, TShiftState shift) {
  TShortCut wanted = ::ShortCut(key, shift);
  if (wanted == scNone) return false;
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) {
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (!custom || custom->ShortCut() != wanted) continue;
    custom->Update();
    return custom->Enabled() && custom->Execute();
  }
  return false;
}

void TCustomActionList::UpdateActions() {
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) action->Update();
}

TCustomAction* TControlActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }

bool TControlActionLink::IsCaptionLinked() const {
  return CustomAction() && client_->Caption() == CustomAction()->Caption();
}
bool TControlActionLink::IsEnabledLinked() const {
  return CustomAction() && client_->Enabled() == CustomAction()->Enabled();
}
bool TControlActionLink::IsCheckedLinked() const {
  return CustomAction() && client_->GetLinkedChecked() == CustomAction()->Checked();
}
bool TControlActionLink::IsHintLinked() const { return CustomAction() && client_->Hint() == CustomAction()->Hint(); }
bool TControlActionLink::IsShortCutLinked() const {
  return CustomAction() && client_->GetLinkedShortCut() == CustomAction()->ShortCut();
}
bool TControlActionLink::IsVisibleLinked() const {
  return CustomAction() && client_->Visible() == CustomAction()->Visible();
}
bool TControlActionLink::IsOnExecuteLinked() const {
  return Action() && client_->OnClick.SameMethod(Action()->OnExecute);
}

void TControlActionLink::SetCaption(const String& v) {
  if (IsCaptionLinked()) client_->SetCaption(v);
}
void TControlActionLink::SetEnabled(bool v) {
  if (IsEnabledLinked()) client_->SetEnabled(v);
}
void TControlActionLink::SetChecked(bool v) {
  if (IsCheckedLinked()) client_->SetLinkedChecked(v);
}
void TControlActionLink::SetHint(const String& v) {
  if (IsHintLinked()) client_->SetHint(v);
}
void TControlActionLink::SetShortCut(TShortCut v) {
  if (IsShortCutLinked()) client_->SetLinkedShortCut(v);
}
void TControlActionLink::SetVisible(bool v) {
  if (IsVisibleLinked()) client_->SetVisible(v);
}
void TControlActionLink::SetOnExecute(const TNotifyEvent& v) {
  if (IsOnExecuteLinked()) client_->OnClick = v;
}

void TControlActionLink::ActionAssigned() {
  client_->ActionChange(Action(), client_->ComponentState().Contains(csLoading));
}

void TBasicAction::Publish() {
  TPublisher<TBasicAction> p;
  p.Event("OnExecute", &TBasicAction::OnExecute);
  p.Event("OnUpdate", &TBasicAction::OnUpdate);
}

void TContainedAction::Publish() {
  TPublisher<TContainedAction> p;
  p.Property("Category", &TContainedAction::Category, &TContainedAction::SetCategory);
}

void TCustomAction::Publish() {
  TPublisher<TCustomAction> p;
  p.Property("Caption", &TCustomAction::Caption, &TCustomAction::SetCaption);
  p.Property("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled).Default(true);
  p.Property("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked).Default(false);
  p.Property("AutoCheck", &TCustomAction::AutoCheck, &TCustomAction::SetAutoCheck).Default(false);
  p.Property("Hint", &TCustomAction::Hint, &TCustomAction::SetHint);
  p.Property("HelpContext", &TCustomAction::HelpContext, &TCustomAction::SetHelpContext).Default(0);
  p.Property("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex).Default(-1);
  p.Property("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut).Default(0);
  p.Property("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible).Default(true);
}

void TCustomActionList::Publish() {
  TPublisher<TCustomActionList> p;
  p.Event("OnExecute", &TCustomActionList::OnExecute);
  p.Event("OnUpdate", &TCustomActionList::OnUpdate);
}
