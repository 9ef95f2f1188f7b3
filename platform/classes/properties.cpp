// Published property descriptions: kinds, writability and type checks.
#include "platform/classes/properties.h"

#include <map>

namespace {

struct Interceptor {
  int handle;
  TClass cls;
  String name;
  TPropertyInterceptor hooks;
};

struct PropRegistry {
  std::map<TClass, std::vector<std::unique_ptr<TPropInfo>>> own;
  std::map<TClass, std::vector<const TPropInfo*>> lists;  // GetPropList results
  std::vector<Interceptor> interceptors;
  int nextHandle = 1;
};

PropRegistry& Registry() {
  static PropRegistry registry;
  return registry;
}

void EnsureChainPublished(TClass cls) {
  for (TClass c = cls; c != nullptr; c = c->ClassParent()) c->EnsurePublished();
}

void AddOwnProps(TClass cls, std::vector<const TPropInfo*>& list) {
  auto& own = Registry().own;
  auto it = own.find(cls);
  if (it == own.end()) return;
  for (const auto& info : it->second) {
    auto same = std::find_if(list.begin(), list.end(), [&](const TPropInfo* p) {
      return SameText(p->Name, info->Name);
    });
    if (same != list.end())
      *same = info.get();
    else
      list.push_back(info.get());
  }
}

std::vector<const TPropInfo*> BuildPropList(TClass cls) {
  std::vector<TClass> chain;
  for (TClass c = cls; c != nullptr; c = c->ClassParent()) chain.push_back(c);
  std::vector<const TPropInfo*> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) AddOwnProps(*it, list);
  return list;
}

[[noreturn]] void NoSuchProperty(std::string_view name) {
  throw EPropertyError("Property " + String(name) + " does not exist");
}

[[noreturn]] void InvalidValue() { throw EPropertyError("Invalid property value"); }

[[noreturn]] void InvalidType(const TPropInfo& info) {
  throw EPropertyError("Invalid property type: " + info.Name);
}

bool Applies(const Interceptor& icp, TObject* obj, const TPropInfo& info) {
  return obj->InheritsFrom(icp.cls) && (icp.name.empty() || SameText(icp.name, info.Name));
}

// Runs `visit` on the hooks of every interceptor for this property of this object until one
// returns false; returns false then.
template <typename Visit>
bool ForEachInterceptor(TObject* obj, const TPropInfo& info, Visit visit) {
  const auto& interceptors = Registry().interceptors;
  // By index, on a copy of each: a hook may add or remove interceptors while it runs.
  for (size_t i = 0; i < interceptors.size(); ++i) {
    if (!Applies(interceptors[i], obj, info)) continue;
    TPropertyInterceptor hooks = interceptors[i].hooks;
    if (!visit(hooks)) return false;
  }
  return true;
}

// Finds the property a dotted path names, moving `obj` to the object that holds it.
const TPropInfo* FindPath(TObject*& obj, std::string_view path) {
  while (obj != nullptr) {
    size_t dot = path.find('.');
    const TPropInfo* info = GetPropInfo(obj, path.substr(0, dot));
    if (info == nullptr || dot == std::string_view::npos) return info;
    if (info->Kind != pkClass && info->Kind != pkComponent) return nullptr;
    obj = GetObjectProp(obj, info);
    path = path.substr(dot + 1);
  }
  return nullptr;
}

const TPropInfo* ResolvePath(TObject*& obj, std::string_view path) {
  const TPropInfo* info = FindPath(obj, path);
  if (info == nullptr) NoSuchProperty(path);
  return info;
}

int EnumOrdinal(const TPropInfo& info, const Variant& value) {
  int ordinal = value.IsString() ? info.EnumInfo->Value(value.AsString()) : value.AsInteger();
  if (ordinal < 0 || ordinal >= info.EnumInfo->Count()) InvalidValue();
  return ordinal;
}

Variant IntegerFromVariant(const TPropInfo& info, const Variant& value) {
  int64_t ident = 0;
  if (value.IsString() && info.Idents != nullptr && info.Idents->IdentToInt &&
      info.Idents->IdentToInt(value.AsString(), ident))
    return Variant(static_cast<int>(static_cast<int32_t>(ident)));
  return Variant(static_cast<int>(value.AsInteger()));
}

Variant BooleanFromVariant(const Variant& value) {
  if (!value.IsString()) return Variant(value.AsBoolean());
  int ordinal = BooleanEnumInfo().Value(Trim(value.AsString()));
  if (ordinal < 0) InvalidValue();
  return Variant(ordinal == 1);
}

// A caller's value in the form the property's accessors take.
Variant ToCanonical(const TPropInfo& info, const Variant& value) {
  switch (info.Kind) {
    case pkInteger: return IntegerFromVariant(info, value);
    case pkInt64: return Variant(value.AsInt64());
    case pkEnum: return Variant(EnumOrdinal(info, value));
    case pkSet:
      if (value.IsString())
        return Variant(static_cast<int64_t>(StringToSet(*info.EnumInfo, value.AsString())));
      return Variant(value.AsInt64());
    case pkBoolean: return BooleanFromVariant(value);
    case pkString: return Variant(value.AsString());
    case pkFloat:
      return Variant(info.FloatType == fltDateTime ? value.AsDateTime() : value.AsDouble());
    case pkCurrency: return Variant(value.AsCurrency());
    default: InvalidType(info);
  }
}

// The raw value of a property in the form a caller of GetPropValue sees it.
Variant ToPresented(TObject* obj, const TPropInfo& info, bool preferStrings) {
  switch (info.Kind) {
    case pkClass: InvalidType(info);
    case pkComponent: {
      auto* component = dynamic_cast<TComponent*>(GetObjectProp(obj, &info));
      return Variant(component != nullptr ? component->Name() : String());
    }
    case pkMethod: return Variant(GetMethodProp(obj, &info)->MethodName());
    default: break;
  }
  Variant value = GetPropVariant(obj, &info);
  if (info.Kind == pkFloat && info.FloatType == fltDateTime)
    return Variant::FromDateTime(value.AsDouble());
  if (!preferStrings) return value;
  if (info.Kind == pkEnum) return Variant(info.EnumInfo->Name(value.AsInteger()));
  if (info.Kind == pkSet)
    return Variant(SetToString(*info.EnumInfo, static_cast<uint64_t>(value.AsInt64())));
  return value;
}

}  // namespace

bool TPropInfo::IsOrdinal() const {
  return Kind == pkInteger || Kind == pkEnum || Kind == pkSet || Kind == pkBoolean;
}

bool TPropInfo::IsWritable() const {
  switch (Kind) {
    case pkMethod: return static_cast<bool>(GetEvent);
    case pkClass: return static_cast<bool>(GetObject);
    case pkComponent: return static_cast<bool>(SetObject);
    default: return static_cast<bool>(SetValue);
  }
}

void prop_detail::RaiseWrongObjectClass(const String& propName, TObject* value) {
  throw EPropertyError("Invalid property value: a " + value->ClassName() +
                       " cannot be assigned to " + propName);
}

// ---------------------------------------------------------------------------------------------
// Registration and lookup.

TPropInfo* RegisterPropInfo(TClass cls, TPropInfo info) {
  PropRegistry& registry = Registry();
  info.OwnerClass = cls;
  registry.lists.clear();
  auto& own = registry.own[cls];
  for (auto& existing : own) {
    if (SameText(existing->Name, info.Name)) {
      *existing = std::move(info);
      return existing.get();
    }
  }
  own.push_back(std::make_unique<TPropInfo>(std::move(info)));
  return own.back().get();
}

TPropInfo* RedeclarePropInfo(TClass cls, std::string_view name) {
  const TPropInfo* inherited = GetPropInfo(cls->ClassParent(), name);
  if (inherited == nullptr) NoSuchProperty(name);
  return RegisterPropInfo(cls, *inherited);
}

namespace {

// The cached list of `cls`; valid until the next registration.
const std::vector<const TPropInfo*>& CachedPropList(TClass cls) {
  EnsureChainPublished(cls);
  auto& lists = Registry().lists;
  auto it = lists.find(cls);
  if (it == lists.end()) it = lists.emplace(cls, BuildPropList(cls)).first;
  return it->second;
}

}  // namespace

std::vector<const TPropInfo*> GetPropList(TClass cls) {
  if (cls == nullptr) return {};
  return CachedPropList(cls);
}

std::vector<const TPropInfo*> GetPropList(const TObject* obj) {
  return obj != nullptr ? GetPropList(obj->ClassType()) : std::vector<const TPropInfo*>{};
}

const TPropInfo* GetPropInfo(TClass cls, std::string_view name) {
  if (cls == nullptr) return nullptr;
  for (const TPropInfo* info : CachedPropList(cls))
    if (SameText(info->Name, name)) return info;
  return nullptr;
}

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
  return obj != nullptr ? GetPropInfo(obj->ClassType(), name) : nullptr;
}

bool HasProperty(TObject* obj, std::string_view path) { return FindPath(obj, path) != nullptr; }

bool IsPublishedProp(const TObject* obj, std::string_view name) {
  return GetPropInfo(obj, name) != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Values.

Variant GetPropValue(TObject* obj, std::string_view path, bool preferStrings) {
  const TPropInfo* info = ResolvePath(obj, path);
  return ToPresented(obj, *info, preferStrings);
}

void SetPropValue(TObject* obj, std::string_view path, const Variant& value) {
  const TPropInfo* info = ResolvePath(obj, path);
  SetPropVariant(obj, info, ToCanonical(*info, value));
}

Variant GetPropVariant(TObject* obj, const TPropInfo* info) {
  if (!info->GetValue) InvalidType(*info);
  Variant value = info->GetValue(obj);
  ForEachInterceptor(obj, *info, [&](const TPropertyInterceptor& hooks) {
    if (hooks.AfterGet) hooks.AfterGet(obj, *info, value);
    return true;
  });
  return value;
}

void SetPropVariant(TObject* obj, const TPropInfo* info, const Variant& value) {
  if (!info->GetValue) InvalidType(*info);
  if (!info->SetValue) throw EPropertyError("Property " + info->Name + " is read-only");
  Variant adjusted = value;
  bool allowed = ForEachInterceptor(obj, *info, [&](const TPropertyInterceptor& hooks) {
    return !hooks.BeforeSet || hooks.BeforeSet(obj, *info, adjusted);
  });
  if (allowed) info->SetValue(obj, adjusted);
}

int64_t GetOrdProp(TObject* obj, const TPropInfo* info) {
  return GetPropVariant(obj, info).AsInt64();
}

void SetOrdProp(TObject* obj, const TPropInfo* info, int64_t value) {
  switch (info->Kind) {
    case pkInteger: SetPropVariant(obj, info, Variant(static_cast<int>(value))); break;
    case pkEnum: SetPropVariant(obj, info, Variant(EnumOrdinal(*info, Variant(value)))); break;
    case pkBoolean: SetPropVariant(obj, info, Variant(value != 0)); break;
    case pkInt64:
    case pkSet: SetPropVariant(obj, info, Variant(value)); break;
    default: InvalidType(*info);
  }
}

String GetStrProp(TObject* obj, const TPropInfo* info) {
  return GetPropVariant(obj, info).AsString();
}

void SetStrProp(TObject* obj, const TPropInfo* info, const String& value) {
  SetPropVariant(obj, info, ToCanonical(*info, Variant(value)));
}

double GetFloatProp(TObject* obj, const TPropInfo* info) {
  return GetPropVariant(obj, info).AsDouble();
}

void SetFloatProp(TObject* obj, const TPropInfo* info, double value) {
  if (info->Kind == pkCurrency)
    SetPropVariant(obj, info, Variant(Currency::FromDouble(value)));
  else if (info->Kind == pkFloat)
    SetPropVariant(obj, info, Variant(value));
  else
    InvalidType(*info);
}

String GetEnumProp(TObject* obj, const TPropInfo* info) {
  if (info->EnumInfo == nullptr || info->Kind == pkSet) InvalidType(*info);
  return info->EnumInfo->Name(static_cast<int>(GetOrdProp(obj, info)));
}

void SetEnumProp(TObject* obj, const TPropInfo* info, std::string_view name) {
  if (info->EnumInfo == nullptr || info->Kind == pkSet) InvalidType(*info);
  int ordinal = info->EnumInfo->Value(Trim(name));
  if (ordinal < 0) InvalidValue();
  SetOrdProp(obj, info, ordinal);
}

String GetSetProp(TObject* obj, const TPropInfo* info, bool brackets) {
  if (info->Kind != pkSet) InvalidType(*info);
  return SetToString(*info->EnumInfo, static_cast<uint64_t>(GetOrdProp(obj, info)), brackets);
}

void SetSetProp(TObject* obj, const TPropInfo* info, std::string_view text) {
  if (info->Kind != pkSet) InvalidType(*info);
  SetOrdProp(obj, info, static_cast<int64_t>(StringToSet(*info->EnumInfo, text)));
}

TObject* GetObjectProp(TObject* obj, const TPropInfo* info) {
  if (!info->GetObject) InvalidType(*info);
  return info->GetObject(obj);
}

void SetObjectProp(TObject* obj, const TPropInfo* info, TObject* value) {
  if (!info->GetObject) InvalidType(*info);
  if (!info->SetObject) throw EPropertyError("Property " + info->Name + " is read-only");
  info->SetObject(obj, value);
}

TEventBase* GetMethodProp(TObject* obj, const TPropInfo* info) {
  if (!info->GetEvent) InvalidType(*info);
  return info->GetEvent(obj);
}

bool IsStoredProp(TObject* obj, const TPropInfo* info) {
  return !info->StoredRule || info->StoredRule(obj);
}

bool IsDefaultPropValue(TObject* obj, const TPropInfo* info) {
  switch (info->Kind) {
    case pkClass: return false;
    case pkComponent: return GetObjectProp(obj, info) == nullptr;
    case pkMethod: return GetMethodProp(obj, info)->MethodName().empty();
    default: break;
  }
  Variant value = GetPropVariant(obj, info);
  if (!info->Default.IsEmpty()) return value == info->Default;
  if (info->IsOrdinal()) return false;
  if (info->Kind == pkString) return value.AsString().empty();
  return value.AsDouble() == 0;
}

// ---------------------------------------------------------------------------------------------
// Interceptors.

int AddPropertyInterceptor(TClass cls, String name, TPropertyInterceptor interceptor) {
  PropRegistry& registry = Registry();
  int handle = registry.nextHandle++;
  registry.interceptors.push_back({handle, cls, std::move(name), std::move(interceptor)});
  return handle;
}

void RemovePropertyInterceptor(int handle) {
  auto& list = Registry().interceptors;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [handle](const Interceptor& icp) { return icp.handle == handle; }),
             list.end());
}
