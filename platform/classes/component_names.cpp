// Component names: finding components by name and checking new names.
#include "platform/classes/component.h"

#include "platform/core/exceptions.h"

namespace {

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

}  // namespace

bool IsValidIdent(std::string_view name) {
  if (name.empty() || !IsIdentStart(name[0])) return false;
  for (char c : name)
    if (!IsIdentChar(c)) return false;
  return true;
}

void TComponent::SetName(const String& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("Component name \"" + name + "\" is not a valid identifier");
  if (owner_ != nullptr)
    owner_->ValidateRename(this, name_, name);
  else
    ValidateRename(nullptr, name_, name);
  ChangeName(name);
}

void TComponent::ValidateRename(TComponent* component, const String& currentName,
                                const String& newName) {
  if (component != nullptr && !SameText(currentName, newName) && component->owner_ == this)
    CheckNameIsFree(component, newName);
  // A designer validates names against the whole tree it edits.
  if (state_.Contains(csDesigning) && owner_ != nullptr)
    owner_->ValidateRename(component, currentName, newName);
}

void TComponent::CheckNameIsFree(TComponent* component, const String& name) const {
  TComponent* existing = FindComponent(name);
  if (existing != nullptr && existing != component)
    throw EComponentError("A component named " + name + " already exists");
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}
