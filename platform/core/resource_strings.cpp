// Named, replaceable texts and the tables that hold them.
#include "platform/core/resource_strings.h"

namespace {

std::vector<TResourceTable*>& Tables() {
  static std::vector<TResourceTable*> tables;
  return tables;
}

}  // namespace

TResourceString::TResourceString(TResourceTable& table, const char* name, const char* english)
    : name_(name), english_(english), text_(english) {
  table.strings_.push_back(this);
}

TResourceTable::TResourceTable(const char* name) : name_(name) { Tables().push_back(this); }

TResourceString* TResourceTable::Find(std::string_view name) const {
  for (TResourceString* s : strings_)
    if (name == s->Name()) return s;
  return nullptr;
}

bool TResourceTable::Replace(std::string_view name, const String& text) {
  TResourceString* s = Find(name);
  if (s != nullptr) s->Replace(text);
  return s != nullptr;
}

void TResourceTable::RestoreAll() {
  for (TResourceString* s : strings_) s->Restore();
}

const std::vector<TResourceTable*>& ResourceTables() { return Tables(); }

TResourceTable& PlatformTexts() {
  static TResourceTable table("platform");
  return table;
}
