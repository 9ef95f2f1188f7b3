#pragma once

#include <string_view>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/strings.h"

// Names of headers within a bar and of buttons within a header: unique ignoring case.

// Stores a value that differs from the field's; answers whether it changed.
template <typename T>
bool nbChanged(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

// Whether an item of `items` other than `except` carries `name` (ignoring case).
template <typename Items, typename Item>
bool nbNameTaken(const Items& items, const Item* except, std::string_view name) {
  for (int i = 0; i < items.Count(); ++i)
    if (items.Items(i) != except && AnsiSameText(items.Items(i)->Name(), name)) return true;
  return false;
}

// The first "<prefix><n>", n from 1, that no other item carries, so gaps are reused.
template <typename Items, typename Item>
String nbUniqueName(const Items& items, const Item* except, std::string_view prefix) {
  for (int n = 1;; ++n) {
    const String name = String(prefix) + IntToStr(n);
    if (!nbNameTaken(items, except, name)) return name;
  }
}

// Refuses a name another item already carries, with the message the user sees.
template <typename Items, typename Item>
void nbCheckNameFree(const Items& items, const Item* self, const String& name, std::string_view container,
                     std::string_view kind) {
  if (nbNameTaken(items, self, name))
    throw Exception("This " + String(container) + " already contains " + String(kind) + " with name " + name +
                    "\n\rPlease type another one to continue.");
}
