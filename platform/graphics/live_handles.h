#pragma once

#include <array>
#include <cstdint>
#include <unordered_set>

// The handles of one kind that are live. Drawing checks a handle on every call, mostly the same
// few (the selected pen, brush, font and the context itself), so a small table of handles
// recently found live answers before the set is asked. A handle leaves the table when it dies,
// so a freed handle is never taken for live.
template <typename T>
class TLiveHandles {
 public:
  void Insert(T* handle) { set_.insert(handle); }
  void Erase(T* handle) {
    set_.erase(handle);
    T*& slot = recent_[Slot(handle)];
    if (slot == handle) slot = nullptr;
  }
  bool Contains(T* handle) {
    if (handle == nullptr) return false;
    T*& slot = recent_[Slot(handle)];
    if (slot == handle) return true;
    if (set_.count(handle) == 0) return false;
    slot = handle;
    return true;
  }

 private:
  static constexpr size_t kRecent = 64;
  static size_t Slot(T* handle) {
    // Heap blocks are at least 16 bytes apart: the low bits carry nothing.
    const auto bits = reinterpret_cast<uintptr_t>(handle);
    return ((bits >> 4) ^ (bits >> 10)) % kRecent;
  }
  std::unordered_set<T*> set_;
  std::array<T*, kRecent> recent_{};
};
