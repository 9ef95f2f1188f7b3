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
  // Names an item entering `items`: a new one gets the first free "<prefix><n>"; one that
  // comes from elsewhere keeps its own name unless an item here carries it already, so every
  // collection can be stored and read back.
  template <typename Items>
  void NameOnEntry(const Items& items, std::string_view prefix) {
    if (name_.empty() || nbNameTaken(items, this, name_)) name_ = nbUniqueName(items, this, prefix);
  }
  TNotifyEvent OnChangeParameter;

 protected:
  // Takes `name` within `items` (ignoring case, a name of another item is refused with the
  // message the user sees). While the bar reads a layout, a name an item read before carries
  // gives way to a free "<prefix><n>" instead, so layouts written with a repeated name load.
  template <typename Items>
  void Rename(const Items* items, const String& name, bool reading, std::string_view prefix,
              std::string_view container, std::string_view kind) {
    // An item keeps a name: an empty one is not written, and the item would come back from a
    // layout named anew.
    if (name.empty() || AnsiSameText(name, name_)) return;
    if (items != nullptr && !reading) nbCheckNameFree(*items, this, name, container, kind);
    name_ = name;
    if (items != nullptr && reading) NameOnEntry(*items, prefix);
    Changed(false);
  }
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
