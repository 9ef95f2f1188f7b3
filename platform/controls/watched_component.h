#pragma once

#include "platform/classes/component.h"

// A pointer to a component kept by an object that is not a component itself (a collection
// item, a look object), which has no Notification to hear of the component's end: the pointer
// turns nil when the component is freed, wherever its holder is and whoever else watches it.
class TWatchedComponent final : private TComponent {
 public:
  TWatchedComponent() : TComponent(nullptr) {}
  explicit TWatchedComponent(TComponent* component) : TWatchedComponent() { Set(component); }
  ~TWatchedComponent() override = default;
  TComponent* Get() const { return component_; }
  void Set(TComponent* component);

 private:
  void Notification(TComponent* component, TOperation operation) override;
  TComponent* component_ = nullptr;
};
