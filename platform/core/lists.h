#pragma once

#include <vector>

#include "platform/core/object.h"

enum TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// Compares two items for Sort: negative, zero or positive.
using TListSortCompare = int (*)(void* item1, void* item2);

// A list of untyped pointers. Indexes run from 0 to Count() - 1; any other index raises
// EListError ("List index out of bounds (n)").
class TList : public TObject {
  DECLARE_CLASS(TList, TObject)
 public:
  TList() = default;
  ~TList() override;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first occurrence of item; returns its former index or -1.
  int Remove(void* item);
  // Takes the first occurrence of item out without deleting it; returns it or nullptr.
  void* Extract(void* item);
  void Clear();
  int IndexOf(void* item) const;
  int Count() const { return static_cast<int>(items_.size()); }
  void* Items(int index) const;
  void SetItems(int index, void* item);
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  void Exchange(int index1, int index2);
  // Moves the item at curIndex so that it ends up at newIndex.
  void Move(int curIndex, int newIndex);
  // Stable: items that compare equal keep their order.
  void Sort(TListSortCompare compare);
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  // Raises EListError ("List capacity out of bounds (n)") below Count().
  void SetCapacity(int capacity);

 protected:
  // Told after an item joined (lnAdded) or left the list (lnExtracted, lnDeleted); the list
  // is already consistent when this runs.
  virtual void Notify(void* item, TListNotification action);
  void CheckIndex(int index) const;

 private:
  std::vector<void*> items_;
};

// A list of objects that, while OwnsObjects() (the default), deletes an object when it is
// deleted from the list, when the list is cleared and when the list is destroyed; Extract
// hands it back undeleted.
class TObjectList : public TList {
  DECLARE_CLASS(TObjectList, TList)
 public:
  explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
  ~TObjectList() override;

  int Add(TObject* item) { return TList::Add(item); }
  void Insert(int index, TObject* item) { TList::Insert(index, item); }
  int Remove(TObject* item) { return TList::Remove(item); }
  TObject* Extract(TObject* item) { return static_cast<TObject*>(TList::Extract(item)); }
  int IndexOf(TObject* item) const { return TList::IndexOf(item); }
  TObject* Items(int index) const { return static_cast<TObject*>(TList::Items(index)); }
  void SetItems(int index, TObject* item);
  TObject* First() const { return Items(0); }
  TObject* Last() const { return Items(Count() - 1); }
  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool owns) { ownsObjects_ = owns; }

 protected:
  void Notify(void* item, TListNotification action) override;

 private:
  bool ownsObjects_;
};
