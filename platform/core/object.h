#pragma once

#include <string_view>
#include <type_traits>

#include "platform/core/strings.h"

class TObject;
class TComponent;
class TMetaClass;

// A class reference: the run-time description of a class that declared itself with
// DECLARE_CLASS. Compare class references by pointer.
using TClass = const TMetaClass*;

// The run-time description of one class: its name, its parent, how to create an instance by
// name, and the hook that publishes its properties and methods on first use.
class TMetaClass {
 public:
  // Creates an instance owned by `owner` (classes with a (TComponent* owner) constructor) or a
  // default-constructed one (classes with only a default constructor).
  using Factory = TObject* (*)(TComponent* owner);
  // Registers the class's published properties and methods; run once, lazily.
  using Publisher = void (*)();

  TMetaClass(const char* name, TClass parent, Factory factory, Publisher publisher)
      : name_(name), parent_(parent), factory_(factory), publisher_(publisher) {}
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const String& ClassName() const { return name_; }
  TClass ClassParent() const { return parent_; }
  bool ClassNameIs(std::string_view name) const;  // ignores Latin case
  // True when `other` is this class or one of its ancestors.
  bool InheritsFrom(TClass other) const;
  bool InheritsFrom(std::string_view className) const;  // by name, ignoring Latin case
  bool CanCreate() const { return factory_ != nullptr; }
  // Raises EInvalidOperation ("Cannot create an instance of TFoo") for abstract classes.
  TObject* Create(TComponent* owner) const;
  // Runs the publisher of this class (not of its parents) the first time it is asked.
  void EnsurePublished() const;

 private:
  String name_;
  TClass parent_;
  Factory factory_;
  Publisher publisher_;
  mutable bool published_ = false;
};

namespace object_detail {

template <typename T>
TObject* CreateInstance(TComponent* owner) {
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (std::is_constructible_v<T, TComponent*>) {
    return new T(owner);
  } else {
    return new T();
  }
}

template <typename T>
constexpr TMetaClass::Factory FactoryOf() {
  if constexpr (!std::is_abstract_v<T> &&
                (std::is_constructible_v<T, TComponent*> || std::is_default_constructible_v<T>))
    return &CreateInstance<T>;
  else
    return nullptr;
}

template <typename T>
concept HasPublisher = requires { { T::Publish() }; };

// A class publishes only when it declares its own static Publish(), not an inherited one.
template <typename T, typename Parent>
TMetaClass::Publisher PublisherOf() {
  if constexpr (HasPublisher<T>) {
    if constexpr (HasPublisher<Parent>) {
      if (static_cast<void (*)()>(&T::Publish) == static_cast<void (*)()>(&Parent::Publish))
        return nullptr;
    }
    return static_cast<void (*)()>(&T::Publish);
  } else {
    return nullptr;
  }
}

}  // namespace object_detail

// Declares a class to the run-time class system. Put it first in the class body:
//
//   class TMyPanel : public TCustomPanel {
//     DECLARE_CLASS(TMyPanel, TCustomPanel)
//    public:
//     explicit TMyPanel(TComponent* owner);
//     static void Publish();  // optional: registers published properties and methods
//     ...
//
// The macro leaves the access at `public`. Publish must be public and static to be found; it
// runs the first time anyone looks up the class's properties or methods. A class that has a
// (TComponent* owner) or a default constructor can be created by name once it is registered
// (RegisterClass in platform/classes/class_registry.h). A class without the macro reports the
// class name of its nearest declared ancestor.
#define DECLARE_CLASS(Self, Parent)                                                       \
 public:                                                                                   \
  static TClass StaticClass() {                                                            \
    static const TMetaClass meta(#Self, Parent::StaticClass(),                             \
                                 ::object_detail::FactoryOf<Self>(),                       \
                                 ::object_detail::PublisherOf<Self, Parent>());            \
    return &meta;                                                                          \
  }                                                                                        \
  TClass ClassType() const override { return StaticClass(); }                              \
                                                                                           \
 public:

// An interface identifier. Interfaces are plain abstract classes that name their identifier
// as `static constexpr TGUID IID{"IMyInterface"}`; there is no reference counting.
struct TGUID {
  std::string_view Name;
  constexpr bool operator==(const TGUID& other) const { return Name == other.Name; }
};

// The root of every class of the class library: a run-time class, a class name and the
// parent-class walk, and interface queries.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
  virtual ~TObject() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }

  const String& ClassName() const { return ClassType()->ClassName(); }
  TClass ClassParent() const { return ClassType()->ClassParent(); }
  bool ClassNameIs(std::string_view name) const { return ClassType()->ClassNameIs(name); }
  bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }
  bool InheritsFrom(std::string_view className) const {
    return ClassType()->InheritsFrom(className);
  }

  // Sets `obj` to this object seen as the interface `iid` and returns true when the object
  // implements it; an override answers its own interfaces and asks its parent class for the
  // rest. The default implements none.
  virtual bool GetInterface(const TGUID& iid, void*& obj);
};

// Returns `obj` as interface I (I names its identifier as I::IID), or nullptr.
template <typename I>
I* Supports(TObject* obj) {
  void* p = nullptr;
  if (obj != nullptr && obj->GetInterface(I::IID, p)) return static_cast<I*>(p);
  return nullptr;
}
