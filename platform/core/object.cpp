// The root object class: class metadata, interfaces and method pointers.
#include "platform/core/object.h"

#include <map>
#include <memory>
#include <vector>

#include "platform/core/events.h"
#include "platform/core/exceptions.h"

bool TMetaClass::ClassNameIs(std::string_view name) const { return SameText(name_, name); }

bool TMetaClass::InheritsFrom(TClass other) const {
  for (TClass c = this; c != nullptr; c = c->parent_)
    if (c == other) return true;
  return false;
}

bool TMetaClass::InheritsFrom(std::string_view className) const {
  for (TClass c = this; c != nullptr; c = c->parent_)
    if (c->ClassNameIs(className)) return true;
  return false;
}

TObject* TMetaClass::Create(TComponent* owner) const {
  if (factory_ == nullptr) throw EInvalidOperation("Cannot create an instance of " + name_);
  return factory_(owner);
}

void TMetaClass::EnsurePublished() const {
  if (published_ || publisher_ == nullptr) return;
  // Marked first so that a publisher that looks at its own class does not run twice; a
  // publisher that fails leaves the class unpublished, so the next look-up fails the same way.
  published_ = true;
  try {
    publisher_();
  } catch (...) {
    published_ = false;
    throw;
  }
}

TClass TObject::StaticClass() {
  static const TMetaClass meta("TObject", nullptr, nullptr, nullptr);
  return &meta;
}

bool TObject::GetInterface(const TGUID&, void*& obj) {
  obj = nullptr;
  return false;
}

// ---------------------------------------------------------------------------------------------
// Registered methods.

namespace {

using MethodList = std::vector<std::unique_ptr<TMethodEntry>>;

std::map<TClass, MethodList>& MethodTables() {
  static std::map<TClass, MethodList> tables;
  return tables;
}

const TMethodEntry* FindOwnMethod(TClass cls, std::string_view name) {
  auto& tables = MethodTables();
  auto it = tables.find(cls);
  if (it == tables.end()) return nullptr;
  for (const auto& entry : it->second)
    if (SameText(entry->Name(), name)) return entry.get();
  return nullptr;
}

}  // namespace

void RegisterMethodEntry(TClass cls, std::unique_ptr<TMethodEntry> entry) {
  MethodList& list = MethodTables()[cls];
  for (auto& existing : list) {
    if (SameText(existing->Name(), entry->Name())) {
      existing = std::move(entry);
      return;
    }
  }
  list.push_back(std::move(entry));
}

const TMethodEntry* FindMethod(TClass cls, std::string_view name) {
  for (TClass c = cls; c != nullptr; c = c->ClassParent()) {
    c->EnsurePublished();
    if (const TMethodEntry* entry = FindOwnMethod(c, name)) return entry;
  }
  return nullptr;
}

bool TEventBase::SameMethod(const TEventBase& other) const {
  if (this == &other) return true;
  if (name_.empty() || other.name_.empty())
    return name_.empty() && other.name_.empty() && !Assigned() && !other.Assigned();
  return target_ == other.target_ && SameText(name_, other.name_);
}
