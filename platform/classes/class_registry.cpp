// The registry of classes that streaming finds by name.
#include "platform/classes/class_registry.h"

#include <algorithm>

#include "platform/classes/component.h"
#include "platform/core/exceptions.h"

namespace {

std::vector<TClass>& Registry() {
  static std::vector<TClass> classes;
  return classes;
}

}  // namespace

void RegisterClass(TClass cls) {
  if (cls == nullptr) return;
  TClass existing = GetClass(cls->ClassName());
  if (existing == cls) return;
  if (existing != nullptr)
    throw EFilerError("A class named " + cls->ClassName() + " already exists");
  Registry().push_back(cls);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass cls : classes) RegisterClass(cls);
}

void UnRegisterClass(TClass cls) {
  auto& registry = Registry();
  registry.erase(std::remove(registry.begin(), registry.end(), cls), registry.end());
}

TClass GetClass(std::string_view className) {
  for (TClass cls : Registry())
    if (cls->ClassNameIs(className)) return cls;
  return nullptr;
}

TClass FindClass(std::string_view className) {
  TClass cls = GetClass(className);
  if (cls == nullptr) throw EClassNotFound("Class " + String(className) + " not found");
  return cls;
}

std::vector<TClass> RegisteredClasses() { return Registry(); }

TComponent* CreateComponent(TClass cls, TComponent* owner) {
  if (cls == nullptr || !cls->InheritsFrom(TComponent::StaticClass()))
    throw EInvalidCast((cls != nullptr ? cls->ClassName() : String("nil")) +
                       " is not a component class");
  auto* component = static_cast<TComponent*>(cls->Create(owner));
  // A class made by its default constructor has not met its owner yet.
  if (owner != nullptr && component->Owner() != owner) owner->InsertComponent(component);
  return component;
}

TClassRegistration::TClassRegistration(std::initializer_list<TClass> classes) {
  try {
    for (TClass cls : classes) {
      if (GetClass(cls->ClassName()) == cls) continue;
      RegisterClass(cls);
      added_.push_back(cls);
    }
  } catch (...) {
    // No destructor runs for a half-made registration: undo it here, then report the clash.
    Unregister();
    throw;
  }
}

TClassRegistration::~TClassRegistration() { Unregister(); }

void TClassRegistration::Unregister() {
  for (TClass cls : added_) UnRegisterClass(cls);
  added_.clear();
}
