#pragma once

#include <cstdint>

#include "platform/core/types.h"

// Coordinates are kept far inside the int range, so that sums of a coordinate and a size
// never overflow; nothing that far out is visible anyway.
constexpr int64_t kCoordinateLimit = int64_t{1} << 29;

inline int Saturate(int64_t v) {
  return static_cast<int>(v < -kCoordinateLimit ? -kCoordinateLimit : v > kCoordinateLimit ? kCoordinateLimit : v);
}

inline TRect SaturateRect(const TRect& r) {
  return {Saturate(r.Left), Saturate(r.Top), Saturate(r.Right), Saturate(r.Bottom)};
}
