#pragma once

#include <utility>

// Brackets held by objects: whatever a scope changes for its own length (a flag, a state item,
// a variable, a selected object, a lock) is undone on every way out, an exception included.
//
//   ScopeGuard unlock([&] { grid.EndLayout(); });          // any release action
//   auto painting = ScopedValue(painting_, true);          // a value for the scope
//   auto quiet = ScopedRestore(OnChange);                  // put back whatever the scope does
//   auto creating = ScopedInclude(controlState_, csCreating);  // an item of a set
template <typename Release>
class [[nodiscard]] ScopeGuard {
 public:
  explicit ScopeGuard(Release release) : release_(std::move(release)) {}
  ~ScopeGuard() {
    if (armed_) release_();
  }
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;

  // The scope's change is to stay: the release action is not run.
  void Keep() { armed_ = false; }

 private:
  Release release_;
  bool armed_ = true;
};

// Gives `slot` the value `value` for the length of the scope and puts the old value back.
template <typename T, typename U>
[[nodiscard]] auto ScopedValue(T& slot, U&& value) {
  T saved = std::exchange(slot, std::forward<U>(value));
  return ScopeGuard([&slot, saved = std::move(saved)]() mutable { slot = std::move(saved); });
}

// Puts `slot` back as it was when the scope began, whatever the scope does to it.
template <typename T>
[[nodiscard]] auto ScopedRestore(T& slot) {
  return ScopeGuard([&slot, saved = T(slot)]() mutable { slot = std::move(saved); });
}

// Includes `item` in `set` for the length of the scope.
template <typename SetT, typename Item>
[[nodiscard]] auto ScopedInclude(SetT& set, Item item) {
  set.Include(item);
  return ScopeGuard([&set, item] { set.Exclude(item); });
}
