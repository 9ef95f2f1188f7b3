#pragma once

#include "platform/classes/collection.h"
#include "platform/core/events.h"
#include "sidebar/item_names.h"

// What headers and buttons share: a name unique in their collection and the change notice
// the bar listens to.
class TnbBarItem : public TCollectionItem {
  DECLARE_CLASS(TnbBarItem, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  const String& Name() const { return name_; }
  // Gives a new item its first name; a named item keeps its own.
  void GiveName(const String& name) {
    if (name_.empty()) name_ = name;
  }
  TNotifyEvent OnChangeParameter;

 protected:
  String GetDisplayName() override { return name_; }
  void Notify() { OnChangeParameter.Call(this); }
  template <typename T>
  void Update(T& field, const T& value) {
    if (nbChanged(field, value)) Notify();
  }
  String name_;
};

// Clears `ref` when it names `item`; only the address is compared, so the item may be half
// destroyed.
template <typename T>
void nbForget(T*& ref, const TCollectionItem* item) {
  if (ref != nullptr && static_cast<const TCollectionItem*>(ref) == item) ref = nullptr;
}
