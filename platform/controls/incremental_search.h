#pragma once

#include <cstdint>

#include "platform/core/string_list.h"

// Typing to find an item in a list: characters typed within a second of each other form a
// prefix matched against the items ignoring case; a lone character typed again moves on to
// the next item that starts with it.
class TIncrementalSearch {
 public:
  // The item matching after typing `code`, searching from `current`; -1 when none matches.
  int Type(const TStrings& items, char32_t code, int current);
  void Reset() { prefix_.clear(); }

 private:
  String prefix_;
  uint32_t lastTick_ = 0;
};

inline constexpr uint32_t IncrementalSearchTimeout = 1000;
