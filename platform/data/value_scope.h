#pragma once

#include <utility>

// Gives a variable a value for the life of the scope and puts the old one back on every path,
// exceptions included.
template <typename T>
class ValueScope {
 public:
  ValueScope(T& slot, T value) : slot_(slot), saved_(std::exchange(slot, std::move(value))) {}
  ~ValueScope() { slot_ = std::move(saved_); }
  ValueScope(const ValueScope&) = delete;
  ValueScope& operator=(const ValueScope&) = delete;

 private:
  T& slot_;
  T saved_;
};
