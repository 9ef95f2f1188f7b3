#pragma once

#include "platform/core/sets.h"

// Brackets held by objects, so that every way out of a scope (an exception too) undoes them.

// Gives a variable a value for the length of a scope and puts the old value back.
template <typename T>
class TScopedValue {
 public:
  TScopedValue(T& variable, T value) : variable_(variable), old_(variable) { variable_ = value; }
  ~TScopedValue() { variable_ = old_; }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& variable_;
  T old_;
};

// Includes an item in a state set for the length of a scope.
template <typename E>
class TScopedInclude {
 public:
  TScopedInclude(Set<E>& set, E item) : set_(set), item_(item) { set_.Include(item); }
  ~TScopedInclude() { set_.Exclude(item_); }
  TScopedInclude(const TScopedInclude&) = delete;
  TScopedInclude& operator=(const TScopedInclude&) = delete;

 private:
  Set<E>& set_;
  E item_;
};
