// Pointer lists and object lists.
#include "platform/core/lists.h"

#include <algorithm>
#include <string>

#include "platform/core/exceptions.h"
#include "platform/core/vector_move.h"

// ---- TList ------------------------------------------------------------------------------

TList::~TList() { Clear(); }

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
}

int TList::Add(void* item) {
  items_.push_back(item);
  Notify(item, lnAdded);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) RaiseListIndexError(index);
  items_.insert(items_.begin() + index, item);
  Notify(item, lnAdded);
}

void TList::Delete(int index) {
  CheckIndex(index);
  void* item = items_[index];
  items_.erase(items_.begin() + index);
  Notify(item, lnDeleted);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(item, lnExtracted);
  return item;
}

void TList::Clear() {
  // One at a time from the end, so that a notified owner always sees a consistent list.
  while (!items_.empty()) Delete(Count() - 1);
  items_.shrink_to_fit();
}

int TList::IndexOf(void* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void* TList::Items(int index) const {
  CheckIndex(index);
  return items_[index];
}

void TList::SetItems(int index, void* item) {
  CheckIndex(index);
  void* old = items_[index];
  if (old == item) return;
  items_[index] = item;
  if (old != nullptr) Notify(old, lnDeleted);
  if (item != nullptr) Notify(item, lnAdded);
}

void TList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[index1], items_[index2]);
}

void TList::Move(int curIndex, int newIndex) {
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  MoveElement(items_, curIndex, newIndex);
}

void TList::Sort(TListSortCompare compare) {
  std::stable_sort(items_.begin(), items_.end(),
                   [compare](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::SetCapacity(int capacity) {
  if (capacity < Count()) {
    throw EListError("List capacity out of bounds (" + std::to_string(capacity) + ")");
  }
  if (capacity > Capacity()) {
    items_.reserve(static_cast<size_t>(capacity));
  } else {
    std::vector<void*> trimmed;
    trimmed.reserve(static_cast<size_t>(capacity));
    trimmed.assign(items_.begin(), items_.end());
    items_.swap(trimmed);
  }
}

void TList::Notify(void*, TListNotification) {}

// ---- TObjectList ------------------------------------------------------------------------

// The base destructor's Clear would no longer reach our Notify, so owned objects are
// deleted here.
TObjectList::~TObjectList() { Clear(); }

void TObjectList::SetItems(int index, TObject* item) { TList::SetItems(index, item); }

void TObjectList::Notify(void* item, TListNotification action) {
  if (ownsObjects_ && action == lnDeleted) delete static_cast<TObject*>(item);
}
