#pragma once

#include <vector>

#include "platform/classes/persistent.h"
#include "platform/core/strings.h"

class TCollection;
class TCollectionItem;

enum TCollectionNotification : uint8_t { cnAdded, cnExtracting, cnDeleting };

// The class of a collection's items: its run-time class and how to create one in a collection.
//   new TOwnedCollection(this, TCollectionItemClass::Of<TColumn>())
class TCollectionItemClass {
 public:
  using Factory = TCollectionItem* (*)(TCollection* collection);
  TCollectionItemClass(TClass cls, Factory factory) : class_(cls), factory_(factory) {}
  template <typename T>
  static TCollectionItemClass Of() {
    return TCollectionItemClass(T::StaticClass(),
                                [](TCollection* c) -> TCollectionItem* { return new T(c); });
  }
  TClass ClassType() const { return class_; }
  TCollectionItem* Create(TCollection* collection) const { return factory_(collection); }

 private:
  TClass class_;
  Factory factory_;
};

// One item of a collection. Creating it with a collection adds it there; deleting it removes
// it. Setting one of its properties calls Changed(false), which updates the collection.
class TCollectionItem : public TPersistent {
  DECLARE_CLASS(TCollectionItem, TPersistent)
 public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return collection_; }
  // Moves the item from its collection into `collection` (nullptr: out of any collection).
  void SetCollection(TCollection* collection);
  // Unique within the collection, never reused, stable across moves.
  int ID() const { return id_; }
  // Position in the collection (-1 when in none). The setter moves the item and calls
  // Changed(true); a bad index raises EListError.
  int Index() const;
  virtual void SetIndex(int index);
  // The name a designer shows; the default is the class name.
  String DisplayName() { return GetDisplayName(); }
  virtual void SetDisplayName(const String& name);

  TPersistent* GetOwner() override;
  // "<collection path>[<index>]", or the class name outside a collection.
  String GetNamePath() override;

 protected:
  // Tells the collection that this item (allItems = false) or all items changed: the
  // collection calls Update(this item) or Update(nullptr), unless it is inside BeginUpdate.
  void Changed(bool allItems);
  virtual String GetDisplayName();

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

// An ordered list of items of one class, owned by the collection. Notifications reach only
// whole items: Add announces its item after the item's constructor has run, Delete and Clear
// extract an item before its destructor runs. Notifications, in order:
// Add: the item is created and appended, Notify(item, cnAdded), then Changed (Update(nullptr)
// unless inside BeginUpdate). Delete: Notify(item, cnDeleting), Notify(item, cnExtracting),
// the item is removed, Changed, then the item is freed. Clear: cnExtracting for each item,
// last first, then one Update(nullptr). Insert is Add followed by moving the item.
class TCollection : public TPersistent {
  DECLARE_CLASS(TCollection, TPersistent)
 public:
  explicit TCollection(TCollectionItemClass itemClass);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  TCollectionItemClass ItemClass() const { return itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError "List index out of bounds (%d)".
  TCollectionItem* Items(int index) const;
  // Items(index)->Assign(value).
  void SetItem(int index, TCollectionItem* value);
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // The item with that ID, or nullptr.
  TCollectionItem* FindItemID(int id) const;

  // Nested brackets: while UpdateCount() > 0 no Update is sent; the last EndUpdate calls
  // Changed, which sends Update(nullptr). Prefer TCollectionUpdateLock.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Replaces the items by copies of the source collection's items (each copied by Assign),
  // inside one update bracket.
  void Assign(TPersistent* source) override;
  // The owner of the collection (nullptr for a plain TCollection); the same as GetOwner().
  TPersistent* Owner() { return GetOwner(); }
  // "<owner path>.<property name>" when the owner publishes this collection as a property;
  // otherwise the class name.
  String GetNamePath() override;

 protected:
  // Sends Update(nullptr) unless inside BeginUpdate.
  void Changed();
  // Called when `item` changed (nullptr: the whole collection). The default does nothing.
  virtual void Update(TCollectionItem* item);
  // Called when an item is added, about to be extracted or about to be deleted.
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void CheckIndex(int index) const;

  TCollectionItemClass itemClass_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
  bool adding_ = false;  // while Add constructs its item
};

// A collection owned by another persistent object (a component's columns, a panel's sections).
class TOwnedCollection : public TCollection {
  DECLARE_CLASS(TOwnedCollection, TCollection)
 public:
  TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass)
      : TCollection(itemClass), owner_(owner) {}
  TPersistent* GetOwner() override { return owner_; }

 private:
  TPersistent* owner_;
};

// BeginUpdate for the life of the scope, EndUpdate on every way out. An error raised by the
// final Update propagates, unless the scope is already being left by another exception.
class TCollectionUpdateLock {
 public:
  explicit TCollectionUpdateLock(TCollection& collection);
  ~TCollectionUpdateLock() noexcept(false);
  TCollectionUpdateLock(const TCollectionUpdateLock&) = delete;
  TCollectionUpdateLock& operator=(const TCollectionUpdateLock&) = delete;

 private:
  TCollection& collection_;
  int exceptionsOnEntry_;
};
