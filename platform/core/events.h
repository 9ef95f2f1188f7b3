#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "platform/core/exceptions.h"
#include "platform/core/object.h"
#include "platform/core/strings.h"

// ---------------------------------------------------------------------------------------------
// Registered methods: a class names the member functions that streamed events may bind to,
// usually in its static Publish():
//
//   void TForm1::Publish() {
//     RegisterMethod<TForm1>("Button1Click", &TForm1::Button1Click);
//   }
//
// An event read from a stream is resolved by method name against the root component's class
// (and its parents).

// One registered method, independent of its signature.
class TMethodEntry {
 public:
  TMethodEntry(String name, TClass cls, const std::type_info& signature)
      : name_(std::move(name)), class_(cls), signature_(&signature) {}
  virtual ~TMethodEntry() = default;
  const String& Name() const { return name_; }
  TClass Class() const { return class_; }
  const std::type_info& Signature() const { return *signature_; }

 private:
  String name_;
  TClass class_;
  const std::type_info* signature_;
};

// A registered method of signature Sig; BindTo gives the callable for one target object.
template <typename Sig>
class TTypedMethodEntry : public TMethodEntry {
 public:
  using TMethodEntry::TMethodEntry;
  // `target` is an instance of Class() or a descendant.
  virtual std::function<Sig> BindTo(TObject* target) const = 0;
};

// Adds a method to the registry of `cls`; a second method of the same name (ignoring case) in
// the same class replaces the first.
void RegisterMethodEntry(TClass cls, std::unique_ptr<TMethodEntry> entry);
// Looks a method up by name (ignoring case) in `cls` and then its parents; nullptr if none.
const TMethodEntry* FindMethod(TClass cls, std::string_view name);

namespace event_detail {

template <typename T, typename Member, typename R, typename... A>
class MemberMethodEntry : public TTypedMethodEntry<R(A...)> {
 public:
  MemberMethodEntry(String name, Member method)
      : TTypedMethodEntry<R(A...)>(std::move(name), T::StaticClass(), typeid(R(A...))),
        method_(method) {}
  std::function<R(A...)> BindTo(TObject* target) const override {
    T* self = dynamic_cast<T*>(target);
    if (self == nullptr) return {};
    Member method = method_;
    return [self, method](A... args) -> R { return (self->*method)(std::forward<A>(args)...); };
  }

 private:
  Member method_;
};

}  // namespace event_detail

template <typename T, typename R, typename... A>
void RegisterMethod(String name, R (T::*method)(A...)) {
  using Entry = event_detail::MemberMethodEntry<T, R (T::*)(A...), R, A...>;
  RegisterMethodEntry(T::StaticClass(), std::make_unique<Entry>(std::move(name), method));
}

template <typename T, typename R, typename... A>
void RegisterMethod(String name, R (T::*method)(A...) const) {
  using Entry = event_detail::MemberMethodEntry<T, R (T::*)(A...) const, R, A...>;
  RegisterMethodEntry(T::StaticClass(), std::make_unique<Entry>(std::move(name), method));
}

// ---------------------------------------------------------------------------------------------
// Events.

// What every event shares, whatever its signature: the target object and the method name.
// Streaming and the property registry handle events through this type.
class TEventBase {
 public:
  virtual ~TEventBase() = default;

  TObject* Target() const { return target_; }
  const String& MethodName() const { return name_; }
  // True when the event can be called. An event read from a stream whose method could not
  // be resolved keeps its name but is not callable.
  virtual bool Assigned() const = 0;
  explicit operator bool() const { return Assigned(); }
  virtual const std::type_info& SignatureType() const = 0;

  // Binds the event to `root`'s registered method `name`. An empty name clears the event.
  // When no method of that name is registered the event keeps the name, targets `root`, and
  // is not callable. Raises EPropertyError ("Method Button1Click has an incompatible
  // signature") when the method exists with another signature.
  virtual void BindByName(TObject* root, const String& name) = 0;
  virtual void Clear() = 0;

  // Two events are the same when they target the same object with the same method name
  // (ignoring Latin case). A nameless handler equals only itself; two unassigned events
  // are equal.
  bool SameMethod(const TEventBase& other) const;

 protected:
  TEventBase() = default;
  TEventBase(const TEventBase&) = default;
  TEventBase& operator=(const TEventBase&) = default;

  TObject* target_ = nullptr;
  String name_;
};

template <typename Sig>
class TEvent;

// One event type for every event of the class library: a target, a method name and the
// callable. Called only when assigned:
//
//   if (OnClick) OnClick(this);      // or
//   OnClick.Call(this);              // a no-op when unassigned
//
// Bind it to a registered or plain member function with its name, or to a lambda with a
// target and a name:
//
//   button->OnClick.Bind(form, "Button1Click", &TForm1::Button1Click);
//   button->OnClick.Bind(form, "Button1Click", [form](TObject* s) { form->Button1Click(s); });
//
// "var" parameters are references: TEvent<void(TObject* Sender, bool& Allow)>.
template <typename R, typename... A>
class TEvent<R(A...)> : public TEventBase {
 public:
  using Signature = R(A...);
  using Function = std::function<R(A...)>;

  TEvent() = default;
  TEvent(std::nullptr_t) {}
  TEvent(const TEvent&) = default;
  TEvent& operator=(const TEvent&) = default;
  TEvent& operator=(std::nullptr_t) {
    Clear();
    return *this;
  }

  bool Assigned() const override { return fn_ != nullptr; }
  const std::type_info& SignatureType() const override { return typeid(R(A...)); }

  // Calls the handler; raises EInvalidOperation when the event is not assigned.
  R operator()(A... args) const {
    if (!fn_) throw EInvalidOperation("Event " + name_ + " is not assigned");
    return Run(std::forward<A>(args)...);
  }
  // Calls the handler when assigned; otherwise does nothing and returns R's default value.
  R Call(A... args) const {
    if (!fn_) return R();
    return Run(std::forward<A>(args)...);
  }

  template <typename T, typename M>
    requires std::is_member_function_pointer_v<M>
  void Bind(T* target, String name, M method) {
    target_ = target;
    name_ = std::move(name);
    if (target == nullptr) {
      fn_ = nullptr;
      return;
    }
    Keep([target, method](A... args) -> R { return (target->*method)(std::forward<A>(args)...); });
  }
  template <typename F>
    requires(!std::is_member_function_pointer_v<std::decay_t<F>> &&
             std::is_invocable_r_v<R, F&, A...>)
  void Bind(TObject* target, String name, F&& fn) {
    target_ = target;
    name_ = std::move(name);
    Keep(Function(std::forward<F>(fn)));
  }

  void BindByName(TObject* root, const String& name) override {
    Clear();
    if (name.empty()) return;
    target_ = root;
    name_ = name;
    const TMethodEntry* entry = root != nullptr ? FindMethod(root->ClassType(), name) : nullptr;
    if (entry == nullptr) return;
    auto typed = dynamic_cast<const TTypedMethodEntry<R(A...)>*>(entry);
    if (typed == nullptr) {
      Clear();
      throw EPropertyError("Method " + name + " has an incompatible signature");
    }
    Keep(typed->BindTo(root));
  }

  void Clear() override {
    target_ = nullptr;
    name_.clear();
    fn_ = nullptr;
  }
  void Assign(const TEvent& source) { *this = source; }

  bool operator==(const TEvent& other) const { return SameMethod(other); }

  // The callable itself (for handing the handler on).
  const Function& Handler() const {
    static const Function none;
    return fn_ ? *fn_ : none;
  }

 private:
  void Keep(Function fn) { fn_ = fn ? std::make_shared<const Function>(std::move(fn)) : nullptr; }
  // The handler may free the object that holds this event, and with it the event: the call
  // holds the callable itself until it returns.
  R Run(A... args) const {
    const std::shared_ptr<const Function> running = fn_;
    return (*running)(std::forward<A>(args)...);
  }

  // Shared by copies of the event; never changed in place, only replaced.
  std::shared_ptr<const Function> fn_;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;
