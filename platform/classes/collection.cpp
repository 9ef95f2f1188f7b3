// Collections and their items: adding, ordering, update brackets and change notification.
#include "platform/classes/collection.h"

#include <algorithm>
#include <exception>

#include "platform/classes/properties.h"
#include "platform/core/exceptions.h"
#include "platform/core/format.h"

// ---------------------------------------------------------------------------------------------
// TCollectionItem

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection_ == collection) return;
  if (collection_ != nullptr) collection_->RemoveItem(this);
  if (collection != nullptr) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  int current = Index();
  if (current < 0 || current == index) return;
  auto& items = collection_->items_;
  if (index < 0 || index >= static_cast<int>(items.size())) RaiseListIndexError(index);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

void TCollectionItem::SetDisplayName(const String&) { Changed(false); }

String TCollectionItem::GetDisplayName() { return ClassName(); }

TPersistent* TCollectionItem::GetOwner() { return collection_; }

String TCollectionItem::GetNamePath() {
  if (collection_ == nullptr) return ClassName();
  return Format("%s[%d]", {collection_->GetNamePath(), Index()});
}

void TCollectionItem::Changed(bool allItems) {
  if (collection_ == nullptr || collection_->updateCount_ != 0) return;
  collection_->Update(allItems ? nullptr : this);
}

// ---------------------------------------------------------------------------------------------
// TCollection

TCollection::TCollection(TCollectionItemClass itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
  // No Update reaches a collection that is going away.
  updateCount_ = 1;
  Clear();
}

TCollectionItem* TCollection::Items(int index) const {
  CheckIndex(index);
  return items_[index];
}

void TCollection::SetItem(int index, TCollectionItem* value) { Items(index)->Assign(value); }

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = nullptr;
  {
    adding_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{adding_};
    item = itemClass_.Create(this);
  }
  Notify(item, cnAdded);
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, cnDeleting);
  // Extracted while the item is still whole, then freed.
  RemoveItem(item);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  TCollectionUpdateLock lock(*this);
  while (!items_.empty()) {
    TCollectionItem* item = items_.back();
    RemoveItem(item);
    delete item;
  }
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : items_)
    if (item->id_ == id) return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  --updateCount_;
  Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  TCollectionUpdateLock lock(*this);
  Clear();
  for (TCollectionItem* item : other->items_) Add()->Assign(item);
}

String TCollection::GetNamePath() {
  TPersistent* owner = GetOwner();
  if (owner == nullptr) return ClassName();
  String ownerPath = owner->GetNamePath();
  if (ownerPath.empty()) return ClassName();
  for (const TPropInfo* info : GetPropList(owner))
    if (info->Kind == pkClass && GetObjectProp(owner, info) == this)
      return ownerPath + "." + info->Name;
  return ClassName();
}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
  // Add announces its item once the item is fully constructed.
  if (adding_) return;
  Notify(item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  Notify(item, cnExtracting);
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it != items_.end()) items_.erase(it);
  item->collection_ = nullptr;
  Changed();
}

void TCollection::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
}

// ---------------------------------------------------------------------------------------------

TCollectionUpdateLock::TCollectionUpdateLock(TCollection& collection)
    : collection_(collection), exceptionsOnEntry_(std::uncaught_exceptions()) {
  collection_.BeginUpdate();
}

TCollectionUpdateLock::~TCollectionUpdateLock() noexcept(false) {
  if (std::uncaught_exceptions() == exceptionsOnEntry_) {
    collection_.EndUpdate();
    return;
  }
  // Already unwinding: a second exception cannot propagate, and the first one says what
  // went wrong; the count is restored either way.
  try {
    collection_.EndUpdate();
  } catch (...) {
  }
}
