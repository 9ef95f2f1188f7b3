// TStringList: strings stored in the list, optionally sorted, reporting its changes.
#include "platform/core/string_list.h"

#include <algorithm>
#include <numeric>

#include "platform/core/exceptions.h"
#include "platform/core/vector_move.h"

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
}

void TStringList::CheckNotSorted() const {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
}

String TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[index].text;
}

void TStringList::SetStrings(int index, const String& s) {
  CheckNotSorted();
  CheckIndex(index);
  Changing();
  items_[index].text = s;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return items_[index].object;
}

void TStringList::SetObjects(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  items_[index].object = object;
  Changed();
}

void TStringList::InsertObject(int index, const String& s, TObject* object) {
  CheckNotSorted();
  if (index < 0 || index > Count()) RaiseListIndexError(index);
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
}

int TStringList::AddObject(const String& s, TObject* object) {
  if (!sorted_) return TStrings::AddObject(s, object);
  int index = 0;
  if (Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EListError("String list does not allow duplicates");
    index = UpperBound(s);
  }
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
  return index;
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  items_.shrink_to_fit();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckNotSorted();
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(items_[index1], items_[index2]);
  Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
  CheckNotSorted();
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  if (curIndex == newIndex) return;
  Changing();
  MoveElement(items_, curIndex, newIndex);
  Changed();
}

int TStringList::IndexOf(const String& s) const {
  if (sorted_) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(items_[i].text, s) == 0) return i;
  }
  return -1;
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
  return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

bool TStringList::Find(const String& s, int& index) const {
  const auto it = std::lower_bound(items_.begin(), items_.end(), s, [this](const Item& item, const String& key) {
    return CompareStrings(item.text, key) < 0;
  });
  index = static_cast<int>(it - items_.begin());
  return it != items_.end() && CompareStrings(it->text, s) == 0;
}

int TStringList::UpperBound(const String& s) const {
  const auto it = std::upper_bound(items_.begin(), items_.end(), s, [this](const String& key, const Item& item) {
    return CompareStrings(key, item.text) < 0;
  });
  return static_cast<int>(it - items_.begin());
}

template <typename Less>
void TStringList::SortIndexes(Less less) {
  if (Count() < 2) return;
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), less);
  Changing();
  std::vector<Item> sorted;
  sorted.reserve(items_.size());
  for (int i : order) sorted.push_back(std::move(items_[i]));
  items_.swap(sorted);
  Changed();
}

void TStringList::Sort() {
  SortIndexes([this](int a, int b) { return CompareStrings(items_[a].text, items_[b].text) < 0; });
}

void TStringList::CustomSort(TStringListSortCompare compare) {
  if (sorted_ || compare == nullptr) return;
  SortIndexes([this, compare](int a, int b) { return compare(this, a, b) < 0; });
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating || !changePending_) return;
  changePending_ = false;
  OnChange.Call(this);
}

void TStringList::Changing() {
  if (changePending_) return;
  if (UpdateCount() > 0) changePending_ = true;
  OnChanging.Call(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange.Call(this);
}
