#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/classes/persistent.h"
#include "platform/core/sets.h"
#include "platform/core/strings.h"

enum TComponentStateItem : uint8_t {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance,
};
using TComponentState = Set<TComponentStateItem>;

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent;
using TGetChildProc = std::function<void(TComponent* child)>;

// A named, owned object. An owner frees the components it owns, once, last inserted first.
// A component that keeps a pointer to another one that it does not own calls FreeNotification
// on it and clears the pointer in Notification(other, opRemove); when a component is destroyed,
// every component registered that way and every other component of its owner is told first,
// so no pointer dangles. `delete` of an owned component removes it from its owner with the same
// notifications.
class TComponent : public TPersistent {
  DECLARE_CLASS(TComponent, TPersistent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  // Publishes Name (not stored: a stream names the component in its record) and Tag.
  static void Publish();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  TPersistent* GetOwner() override { return owner_; }
  String GetNamePath() override { return name_; }

  // Owned components, in insertion order.
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TComponent* Components(int index) const;
  // Position among the owner's components (-1 without owner); the setter moves it there.
  int ComponentIndex() const;
  void SetComponentIndex(int index);
  // The owned component of that name (ignoring Latin case); nullptr for "" or none.
  TComponent* FindComponent(std::string_view name) const;
  // Takes ownership of `component` (taking it from a previous owner), validates its name
  // among this owner's components and sends Notification(component, opInsert).
  void InsertComponent(TComponent* component);
  // Gives up ownership: sends Notification(component, opRemove) to this owner and its
  // components, then forgets it. The component is not freed.
  void RemoveComponent(TComponent* component);
  // Frees every owned component, last inserted first.
  void DestroyComponents();

  // Name: empty, or a valid identifier that no other component of the same owner has
  // (ignoring Latin case). Raises EComponentError "Component name \"%s\" is not a valid
  // identifier" or "A component named %s already exists".
  const String& Name() const { return name_; }
  virtual void SetName(const String& name);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  // Marks the component as being destroyed (csDestroying) and its owned components too; a
  // descendant's destructor may call it early so that notifications see the state.
  void Destroying();
  // csUpdating, around changes made through a designer or a reader.
  void Updating() { state_.Include(csUpdating); }
  void Updated() { state_.Exclude(csUpdating); }
  // State switches used by component streaming (prefer TComponentStateScope).
  void SetLoading(bool on) { SetStateFlag(csLoading, on); }
  void SetReading(bool on) { SetStateFlag(csReading, on); }
  void SetWriting(bool on) { SetStateFlag(csWriting, on); }
  void SetAncestor(bool on) { SetStateFlag(csAncestor, on); }
  void SetInline(bool on) { SetStateFlag(csInline, on); }
  // csDesigning for this component and the components it owns.
  void SetDesigning(bool on, bool setChildren = true);
  void SetStateFlag(TComponentStateItem flag, bool on);

  // Called once after the component was read from a stream; the default clears csLoading.
  virtual void Loaded();

  // `component` will be told (Notification(this, opRemove)) when this one is destroyed, and
  // this one when `component` is destroyed, so each can drop its pointer to the other.
  // Registrations are counted per direction: a.FreeNotification(b) and b.FreeNotification(a)
  // are two, and RemoveFreeNotification undoes only its own.
  void FreeNotification(TComponent* component);
  // `component` no longer needs to hear of this one's destruction.
  void RemoveFreeNotification(TComponent* component);
  // Told when `component` is inserted into or removed from this component's owner chain, or
  // destroyed after FreeNotification. Overrides call the inherited method, which forwards the
  // notice to the components this one owns.
  virtual void Notification(TComponent* component, TOperation operation);

  // Streaming hooks. GetChildren calls `proc` for each child this component writes (the
  // default writes none); SetChildOrder moves a child read from a stream to `order`.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual void SetChildOrder(TComponent* child, int order);
  // The component that displays this one (a control's parent); nullptr by default.
  virtual TComponent* GetParentComponent() { return nullptr; }
  virtual bool HasParent() { return false; }
  virtual void SetParentComponent(TComponent* parent);

 protected:
  // Raises EComponentError when `component` (owned by this one) may not change its name from
  // `currentName` to `newName`.
  virtual void ValidateRename(TComponent* component, const String& currentName,
                              const String& newName);
  // Stores a name already validated.
  void ChangeName(const String& name) { name_ = name; }
  // Tells the components that watch this one, and its owner (which passes the notice on to
  // the components it owns), that this one goes, and leaves the owner. The base destructor
  // does it last of all; a descendant's destructor calls it first, while its own part still
  // stands, when those told need to see what kind of component went.
  void AnnounceDestruction();

 private:
  void CheckNameIsFree(TComponent* component, const String& name) const;
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void NotifyFreeNotifiesOfDestruction();
  void ForgetLinksWith(TComponent* component);
  static void RemoveFromList(std::vector<TComponent*>& list, TComponent* component);
  static void AddToList(std::vector<TComponent*>& list, TComponent* component);

  TComponent* owner_ = nullptr;
  String name_;
  intptr_t tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> watchers_;  // to tell when this one is destroyed
  std::vector<TComponent*> watched_;   // components this one asked to be told about
};

// Sets a state flag for the life of the scope and restores its previous value on exit, also
// when an exception leaves the scope:  TComponentStateScope loading(root, csLoading);
class TComponentStateScope {
 public:
  TComponentStateScope(TComponent* component, TComponentStateItem flag);
  ~TComponentStateScope();
  TComponentStateScope(const TComponentStateScope&) = delete;
  TComponentStateScope& operator=(const TComponentStateScope&) = delete;
  // Leaves the flag as it is now when the scope ends (a reader that finished loading hands
  // csLoading on to Loaded).
  void Release() { component_ = nullptr; }

 private:
  TComponent* component_;
  TComponentStateItem flag_;
  bool wasSet_;
};

// True when `name` is a valid identifier: a letter or '_' followed by letters, digits or '_'.
bool IsValidIdent(std::string_view name);
