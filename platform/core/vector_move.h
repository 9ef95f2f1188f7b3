#pragma once

#include <algorithm>
#include <vector>

// Moves the element at `from` so that it ends up at `to`, shifting those in between; both
// indexes must be valid.
template <typename T>
void MoveElement(std::vector<T>& items, int from, int to) {
  const auto source = items.begin() + from;
  const auto target = items.begin() + to;
  if (from < to) {
    std::rotate(source, source + 1, target + 1);
  } else if (to < from) {
    std::rotate(target, source, source + 1);
  }
}
