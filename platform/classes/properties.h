#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "platform/classes/component.h"
#include "platform/classes/enum_info.h"
#include "platform/core/currency.h"
#include "platform/core/events.h"
#include "platform/core/exceptions.h"
#include "platform/core/object.h"
#include "platform/core/sets.h"
#include "platform/core/strings.h"
#include "platform/core/variant.h"

// Published properties: per class, by name, with their type, default and stored rule, so that
// streaming, designers and code can find, read and set them by name.
//
// How a class publishes its properties (copy this pattern):
//
//   enum TSampleShape : uint8_t { ssNone, ssRound, ssSquare };
//   DECLARE_ENUM_NAMES(TSampleShape, "ssNone", "ssRound", "ssSquare")
//
//   class TSampleWidget : public TComponent {
//     DECLARE_CLASS(TSampleWidget, TComponent)
//    public:
//     explicit TSampleWidget(TComponent* owner);
//     static void Publish();        // found by DECLARE_CLASS, run on first use
//     int Count() const;            void SetCount(int v);
//     TSampleShape Shape() const;   void SetShape(TSampleShape v);
//     TFont* Font() const;          void SetFont(TFont* v);      // nested object: Assign
//     TSampleWidget* Buddy() const; void SetBuddy(TSampleWidget* v);  // + FreeNotification
//     TNotifyEvent OnChange;
//     ...
//   };
//
//   void TSampleWidget::Publish() {
//     TPublisher<TSampleWidget> p;
//     p.Property("Count", &TSampleWidget::Count, &TSampleWidget::SetCount).Default(0);
//     p.Property("Shape", &TSampleWidget::Shape, &TSampleWidget::SetShape).Default(ssRound);
//     p.Property("Caption", &TSampleWidget::Caption, &TSampleWidget::SetCaption)
//         .Stored(&TSampleWidget::IsCaptionStored);
//     p.Property("Font", &TSampleWidget::Font, &TSampleWidget::SetFont);
//     p.Property("Buddy", &TSampleWidget::Buddy, &TSampleWidget::SetBuddy);
//     p.Event("OnChange", &TSampleWidget::OnChange);
//     RegisterMethod<TSampleWidget>("HandleChange", &TSampleWidget::HandleChange);
//   }
//
// The kind of a property follows from its getter's type: bool is pkBoolean; enumerations
// pkEnum and Set<E> pkSet (names from DECLARE_ENUM_NAMES); integers up to 32 bits pkInteger
// (unsigned ones keep their bit pattern), 64-bit ones pkInt64; float and double pkFloat
// (`.AsDateTime()` for TDateTime); Currency pkCurrency; String pkString; a pointer to a
// component pkComponent (a reference to a component that lives elsewhere); a pointer to any
// other object pkClass (a nested object the owner keeps, streamed by its own properties).
// A descendant changes an inherited property's default or stored rule with Redeclare("Color").

enum TPropKind : uint8_t {
  pkInteger,
  pkInt64,
  pkEnum,
  pkSet,
  pkBoolean,
  pkString,
  pkFloat,
  pkCurrency,
  pkClass,
  pkComponent,
  pkMethod,
};

// How a pkFloat property is stored: a double, a 4-byte single, or a TDateTime.
enum TFloatType : uint8_t { fltDouble, fltSingle, fltDateTime };

// Identifiers for an integer property's well-known values (colours: "clBtnFace"), read and
// written by streams and accepted by SetPropValue.
struct TIdentMap {
  std::function<bool(std::string_view ident, int64_t& value)> IdentToInt;
  std::function<bool(int64_t value, String& ident)> IntToIdent;
};

// One published property. Values cross the type-erased accessors as Variants:
//   pkInteger int32, pkInt64 int64, pkEnum the ordinal (int), pkSet the mask (int64),
//   pkBoolean bool, pkString String, pkFloat double, pkCurrency Currency.
// Class and component kinds go through GetObject/SetObject, events through GetEvent.
struct TPropInfo {
  String Name;
  TPropKind Kind = pkInteger;
  TClass OwnerClass = nullptr;                // the class that registered it
  const TEnumInfo* EnumInfo = nullptr;        // pkEnum, pkSet (element names), pkBoolean
  TFloatType FloatType = fltDouble;            // pkFloat
  TClass PropClass = nullptr;                 // pkClass, pkComponent: class of the value, if known
  const TIdentMap* Idents = nullptr;          // pkInteger, optional
  const std::type_info* EventSignature = nullptr;  // pkMethod
  Variant Default;                            // Unassigned: no default
  std::function<bool(TObject*)> StoredRule;   // empty: always stored

  std::function<Variant(TObject*)> GetValue;  // simple kinds
  std::function<void(TObject*, const Variant&)> SetValue;  // simple kinds; empty: read-only
  std::function<TObject*(TObject*)> GetObject;             // pkClass, pkComponent
  std::function<void(TObject*, TObject*)> SetObject;       // pkClass, pkComponent; optional
  std::function<TEventBase*(TObject*)> GetEvent;           // pkMethod

  bool IsSimple() const { return Kind <= pkCurrency; }
  // Integer, enumeration, set and Boolean: the kinds whose default must be declared.
  bool IsOrdinal() const;
  // Whether a reader can set it: simple kinds and references need a setter, events always
  // can, nested objects are read into the object the getter gives.
  bool IsWritable() const;
};

// ---------------------------------------------------------------------------------------------
// Registration.

// Adds `info` to the properties of `cls` (replacing one of the same name registered by `cls`
// itself) and returns the stored entry, which stays valid for the life of the program.
TPropInfo* RegisterPropInfo(TClass cls, TPropInfo info);

template <typename T>
class TPropBuilder {
 public:
  explicit TPropBuilder(TPropInfo* info) : info_(info) {}
  // The default value: a value of the property's own type (enumerator, Set, number, ...).
  template <typename V>
  TPropBuilder& Default(V value);
  TPropBuilder& NoDefault() {
    info_->Default = Variant();
    return *this;
  }
  TPropBuilder& Stored(bool stored) {
    info_->StoredRule = [stored](TObject*) { return stored; };
    return *this;
  }
  // A predicate over the object: a member function `bool IsFooStored() const` or a callable.
  template <typename F>
    requires std::is_invocable_r_v<bool, F, T*>
  TPropBuilder& Stored(F rule) {
    info_->StoredRule = [rule](TObject* obj) { return std::invoke(rule, static_cast<T*>(obj)); };
    return *this;
  }
  TPropBuilder& AsDateTime() {
    info_->FloatType = fltDateTime;
    return *this;
  }
  TPropBuilder& Idents(const TIdentMap* idents) {
    info_->Idents = idents;
    return *this;
  }
  TPropInfo& Info() { return *info_; }

 private:
  TPropInfo* info_;
};

namespace prop_detail {

template <typename V>
struct IsSet : std::false_type {};
template <typename E>
struct IsSet<Set<E>> : std::true_type {
  using Element = E;
};

template <typename V>
constexpr TPropKind KindOf() {
  if constexpr (std::is_same_v<V, bool>) return pkBoolean;
  else if constexpr (IsSet<V>::value) return pkSet;
  else if constexpr (std::is_enum_v<V>) return pkEnum;
  else if constexpr (std::is_integral_v<V> && sizeof(V) <= 4) return pkInteger;
  else if constexpr (std::is_integral_v<V>) return pkInt64;
  else if constexpr (std::is_floating_point_v<V>) return pkFloat;
  else if constexpr (std::is_same_v<V, Currency>) return pkCurrency;
  else if constexpr (std::is_same_v<V, String>) return pkString;
  else if constexpr (std::is_pointer_v<V> &&
                     std::is_base_of_v<TComponent, std::remove_cv_t<std::remove_pointer_t<V>>>)
    return pkComponent;
  else if constexpr (std::is_pointer_v<V> &&
                     std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<V>>>)
    return pkClass;
  else
    static_assert(sizeof(V) == 0, "this type cannot be published");
}

template <typename V>
Variant ToVariant(const V& v) {
  if constexpr (std::is_same_v<V, bool>) return Variant(v);
  else if constexpr (IsSet<V>::value) return Variant(static_cast<int64_t>(v.Mask()));
  else if constexpr (std::is_enum_v<V>) return Variant(static_cast<int>(v));
  else if constexpr (std::is_integral_v<V> && sizeof(V) <= 4)
    return Variant(static_cast<int>(static_cast<int32_t>(v)));
  else if constexpr (std::is_integral_v<V>) return Variant(static_cast<int64_t>(v));
  else if constexpr (std::is_floating_point_v<V>) return Variant(static_cast<double>(v));
  else if constexpr (std::is_same_v<V, Currency>) return Variant(v);
  else return Variant(String(v));
}

template <typename V>
V FromVariant(const Variant& v) {
  if constexpr (std::is_same_v<V, bool>) return v.AsBoolean();
  else if constexpr (IsSet<V>::value) return V::FromMask(static_cast<uint64_t>(v.AsInt64()));
  else if constexpr (std::is_enum_v<V>) return static_cast<V>(v.AsInteger());
  else if constexpr (std::is_integral_v<V>) return static_cast<V>(v.AsInt64());
  else if constexpr (std::is_floating_point_v<V>) return static_cast<V>(v.AsDouble());
  else if constexpr (std::is_same_v<V, Currency>) return v.AsCurrency();
  else return V(v.AsString());
}

template <typename V>
const TEnumInfo* EnumInfoOf() {
  if constexpr (std::is_same_v<V, bool>) return &BooleanEnumInfo();
  else if constexpr (IsSet<V>::value) return &GetEnumInfo(typename IsSet<V>::Element{});
  else if constexpr (std::is_enum_v<V>) return &GetEnumInfo(V{});
  else return nullptr;
}

template <typename V>
Variant DefaultToVariant(const V& v) {
  if constexpr (IsSet<V>::value || std::is_enum_v<V> || std::is_integral_v<V> ||
                std::is_floating_point_v<V> || std::is_same_v<V, Currency>)
    return ToVariant(v);
  else
    return Variant(v);
}

[[noreturn]] void RaiseWrongObjectClass(const String& propName, TObject* value);

}  // namespace prop_detail

template <typename T>
template <typename V>
TPropBuilder<T>& TPropBuilder<T>::Default(V value) {
  info_->Default = prop_detail::DefaultToVariant(value);
  return *this;
}

// Publishes properties of class T (call it from T::Publish()).
template <typename T>
class TPublisher {
 public:
  // A read-write property through a getter and a setter (member functions or callables
  // taking T*).
  template <typename G, typename S>
  TPropBuilder<T> Property(String name, G getter, S setter) {
    using V = std::decay_t<std::invoke_result_t<G, T*>>;
    TPropInfo info = Describe<V>(std::move(name), getter);
    if constexpr (prop_detail::KindOf<V>() == pkClass || prop_detail::KindOf<V>() == pkComponent) {
      info.SetObject = [setter, name = info.Name](TObject* obj, TObject* value) {
        auto typed = dynamic_cast<V>(value);
        if (value != nullptr && typed == nullptr) prop_detail::RaiseWrongObjectClass(name, value);
        std::invoke(setter, static_cast<T*>(obj), typed);
      };
    } else {
      info.SetValue = [setter](TObject* obj, const Variant& v) {
        std::invoke(setter, static_cast<T*>(obj), prop_detail::FromVariant<V>(v));
      };
    }
    return TPropBuilder<T>(RegisterPropInfo(T::StaticClass(), std::move(info)));
  }

  // A property without a setter: a nested object read into in place, or a value that is
  // shown but not stored.
  template <typename G>
  TPropBuilder<T> Property(String name, G getter) {
    using V = std::decay_t<std::invoke_result_t<G, T*>>;
    return TPropBuilder<T>(
        RegisterPropInfo(T::StaticClass(), Describe<V>(std::move(name), getter)));
  }

  // An event: a TEvent member (or a callable giving one from T*).
  template <typename M>
  TPropBuilder<T> Event(String name, M member) {
    using E = std::remove_reference_t<std::invoke_result_t<M, T*>>;
    static_assert(std::is_base_of_v<TEventBase, E>, "an event is a TEvent");
    TPropInfo info;
    info.Name = std::move(name);
    info.Kind = pkMethod;
    info.EventSignature = &typeid(typename E::Signature);
    info.GetEvent = [member](TObject* obj) -> TEventBase* {
      return &std::invoke(member, static_cast<T*>(obj));
    };
    return TPropBuilder<T>(RegisterPropInfo(T::StaticClass(), std::move(info)));
  }

  // Takes over an inherited property (same accessors) so that T can change its default or
  // stored rule. Raises EPropertyError when no parent class publishes `name`.
  TPropBuilder<T> Redeclare(std::string_view name);

 private:
  template <typename V, typename G>
  static TPropInfo Describe(String name, G getter) {
    constexpr TPropKind kind = prop_detail::KindOf<V>();
    TPropInfo info;
    info.Name = std::move(name);
    info.Kind = kind;
    info.EnumInfo = prop_detail::EnumInfoOf<V>();
    if constexpr (std::is_same_v<V, float>) info.FloatType = fltSingle;
    if constexpr (kind == pkClass || kind == pkComponent) {
      using Obj = std::remove_cv_t<std::remove_pointer_t<V>>;
      if constexpr (requires { Obj::StaticClass(); }) info.PropClass = Obj::StaticClass();
      info.GetObject = [getter](TObject* obj) -> TObject* {
        return const_cast<Obj*>(std::invoke(getter, static_cast<T*>(obj)));
      };
    } else {
      info.GetValue = [getter](TObject* obj) {
        return prop_detail::ToVariant<V>(std::invoke(getter, static_cast<T*>(obj)));
      };
    }
    return info;
  }
};

// Copies the parent's entry of `name` for T; see TPublisher::Redeclare.
TPropInfo* RedeclarePropInfo(TClass cls, std::string_view name);

template <typename T>
TPropBuilder<T> TPublisher<T>::Redeclare(std::string_view name) {
  return TPropBuilder<T>(RedeclarePropInfo(T::StaticClass(), name));
}

// ---------------------------------------------------------------------------------------------
// Lookup. Names ignore Latin case; lookups walk from the class to its parents.

// The property `name` of `cls` (or an ancestor), or nullptr.
const TPropInfo* GetPropInfo(TClass cls, std::string_view name);
const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);
// Every published property of the class: parents' first, each class's in declaration order; a
// redeclared property keeps its parent's place.
std::vector<const TPropInfo*> GetPropList(TClass cls);
std::vector<const TPropInfo*> GetPropList(const TObject* obj);
// True when `path` names a published property; dotted paths ("Font.Name") go through nested
// objects.
bool HasProperty(TObject* obj, std::string_view path);
bool IsPublishedProp(const TObject* obj, std::string_view name);

// ---------------------------------------------------------------------------------------------
// Values by name (dotted paths allowed). Raise EPropertyError "Property X does not exist",
// "Property X is read-only", "Invalid property value", "Invalid property element: x".

// The value of a property. With preferStrings, enumerations come back as their names and
// sets as "[a,b]"; otherwise as the ordinal and the mask. A component reference gives the
// component's name ("" when nil); an event its method name. A nested object is not a value.
Variant GetPropValue(TObject* obj, std::string_view path, bool preferStrings = true);
// Sets a property from a Variant: enumerations by name or ordinal, sets as "[a,b]" or a
// mask, Booleans from true/false or "True"/"False", integers also by identifier when the
// property has one.
void SetPropValue(TObject* obj, std::string_view path, const Variant& value);

// Typed access through a property's entry (the interceptors apply to every one of these that
// reads or writes a value).
Variant GetPropVariant(TObject* obj, const TPropInfo* info);  // the raw value, as listed above
void SetPropVariant(TObject* obj, const TPropInfo* info, const Variant& value);
int64_t GetOrdProp(TObject* obj, const TPropInfo* info);  // integer, int64, enum, set, bool
void SetOrdProp(TObject* obj, const TPropInfo* info, int64_t value);
String GetStrProp(TObject* obj, const TPropInfo* info);
void SetStrProp(TObject* obj, const TPropInfo* info, const String& value);
double GetFloatProp(TObject* obj, const TPropInfo* info);  // float, currency
void SetFloatProp(TObject* obj, const TPropInfo* info, double value);
String GetEnumProp(TObject* obj, const TPropInfo* info);
void SetEnumProp(TObject* obj, const TPropInfo* info, std::string_view name);
String GetSetProp(TObject* obj, const TPropInfo* info, bool brackets = true);
void SetSetProp(TObject* obj, const TPropInfo* info, std::string_view text);
TObject* GetObjectProp(TObject* obj, const TPropInfo* info);
// Raises EPropertyError when the value is not of the property's class or it has no setter.
void SetObjectProp(TObject* obj, const TPropInfo* info, TObject* value);
TEventBase* GetMethodProp(TObject* obj, const TPropInfo* info);

// The stored rule of the property for this object.
bool IsStoredProp(TObject* obj, const TPropInfo* info);
// True when the value equals the declared default. Without a declared default: ordinals are
// never at their default (always written); strings are at default when empty, numbers when 0,
// references when nil, events when they have no method name; nested objects never.
bool IsDefaultPropValue(TObject* obj, const TPropInfo* info);

// ---------------------------------------------------------------------------------------------
// Interceptors: hooks a class installs to veto or adjust reads and writes of its properties
// (and its descendants') made through this registry.

struct TPropertyInterceptor {
  // Called before a write with the value about to be set (may change it); false vetoes it.
  std::function<bool(TObject* obj, const TPropInfo& info, Variant& value)> BeforeSet;
  // Called after a read with the value read (may change it).
  std::function<void(TObject* obj, const TPropInfo& info, Variant& value)> AfterGet;
};
// Installs an interceptor for property `name` of `cls` ("" for all of its properties) and
// returns a handle for RemovePropertyInterceptor.
int AddPropertyInterceptor(TClass cls, String name, TPropertyInterceptor interceptor);
void RemovePropertyInterceptor(int handle);
