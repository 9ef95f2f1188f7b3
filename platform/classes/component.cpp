// Components: ownership, free notification, children and loading.
#include "platform/classes/component.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/exceptions.h"

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

void TComponent::Publish() {
  TPublisher<TComponent> p;
  p.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  p.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(intptr_t{0});
}

TComponent::~TComponent() {
  Destroying();
  NotifyFreeNotifiesOfDestruction();
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::AnnounceDestruction() {
  Destroying();
  NotifyFreeNotifiesOfDestruction();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::NotifyFreeNotifiesOfDestruction() {
  // Each pair forgets its links before it is told, so a Notification override that does not
  // call the inherited method still leaves no pointer to this component behind.
  while (!watchers_.empty() || !watched_.empty()) {
    TComponent* other = !watchers_.empty() ? watchers_.back() : watched_.back();
    ForgetLinksWith(other);
    other->Notification(this, opRemove);
  }
}

void TComponent::ForgetLinksWith(TComponent* component) {
  RemoveFromList(watchers_, component);
  RemoveFromList(watched_, component);
  RemoveFromList(component->watchers_, this);
  RemoveFromList(component->watched_, this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* child = components_.back();
    Remove(child);
    // The remaining components may point at the child; they are told before it goes.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
      if (i >= ComponentCount()) continue;
      components_[i]->Notification(child, opRemove);
    }
    delete child;
  }
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    RaiseListIndexError(index);
  return components_[index];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int index) {
  if (owner_ == nullptr) return;
  auto& list = owner_->components_;
  int current = ComponentIndex();
  index = std::clamp(index, 0, static_cast<int>(list.size()) - 1);
  if (index == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + index, this);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component == nullptr || component->owner_ == this) return;
  if (!component->name_.empty()) CheckNameIsFree(component, component->name_);
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
  Insert(component);
  if (state_.Contains(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component == nullptr || component->owner_ != this) return;
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  RemoveFromList(components_, component);
  component->owner_ = nullptr;
}

void TComponent::AddToList(std::vector<TComponent*>& list, TComponent* component) {
  if (std::find(list.begin(), list.end(), component) == list.end()) list.push_back(component);
}

void TComponent::RemoveFromList(std::vector<TComponent*>& list, TComponent* component) {
  auto it = std::find(list.begin(), list.end(), component);
  if (it != list.end()) list.erase(it);
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetDesigning(bool on, bool setChildren) {
  SetStateFlag(csDesigning, on);
  if (!setChildren) return;
  for (TComponent* c : components_) c->SetDesigning(on, true);
}

void TComponent::SetStateFlag(TComponentStateItem flag, bool on) {
  if (on)
    state_.Include(flag);
  else
    state_.Exclude(flag);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  // Registered even between siblings: a sibling may later move to another owner.
  AddToList(watchers_, component);
  AddToList(component->watched_, this);
  state_.Include(csFreeNotification);
  component->state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  RemoveFromList(watchers_, component);
  RemoveFromList(component->watched_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  // Free-notification links are dropped only when a component is destroyed or asks: a
  // component merely taken from its owner is still alive and still watched.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    // A notified component may free others; stay inside the shrinking list.
    if (i >= ComponentCount()) continue;
    components_[i]->Notification(component, operation);
  }
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}
void TComponent::SetChildOrder(TComponent*, int) {}
void TComponent::SetParentComponent(TComponent*) {}

TComponentStateScope::TComponentStateScope(TComponent* component, TComponentStateItem flag)
    : component_(component), flag_(flag), wasSet_(component->ComponentState().Contains(flag)) {
  component_->SetStateFlag(flag_, true);
}

TComponentStateScope::~TComponentStateScope() {
  if (component_ != nullptr && !wasSet_) component_->SetStateFlag(flag_, false);
}
