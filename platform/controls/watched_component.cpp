// A component pointer that clears itself when the component is freed.
#include "platform/controls/watched_component.h"

#include "platform/controls/notified_link.h"

void TWatchedComponent::Set(TComponent* component) {
  SetNotifiedLink<TComponent>(this, component_, component);
}

void TWatchedComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == component_) component_ = nullptr;
}
