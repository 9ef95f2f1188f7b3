#pragma once

#include <cstdint>

#include "platform/graphics/colors.h"

// Colours (0x00BBGGRR; system colours resolve through the fixed table) as opaque 0xAARRGGBB
// pixels of a bitmap or a decoded BMP, and back.
inline uint32_t ColorToArgb(TColor color) {
  uint32_t c = static_cast<uint32_t>(ColorToRGB(color));
  return 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

inline TColor ArgbToColor(uint32_t pixel) {
  return static_cast<TColor>((pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16);
}
