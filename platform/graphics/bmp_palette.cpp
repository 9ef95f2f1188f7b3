// Choosing a colour table when an image is saved with 1, 4 or 8 bits per pixel.

#include <unordered_map>

#include "platform/graphics/bmp_format.h"

namespace bmp {
namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

std::vector<uint32_t> FixedPalette(int bitsPerPixel) {
  if (bitsPerPixel == 1) return {0xFF000000, 0xFFFFFFFF};
  if (bitsPerPixel == 4) {
    return {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
            0xFF008080, 0xFF808080, 0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
            0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
  }
  // A 6x6x6 colour cube, then a ramp of greys between the cube's grey steps.
  std::vector<uint32_t> palette;
  for (uint32_t r = 0; r < 6; ++r) {
    for (uint32_t g = 0; g < 6; ++g) {
      for (uint32_t b = 0; b < 6; ++b) {
        palette.push_back(0xFF000000 | r * 51 << 16 | g * 51 << 8 | b * 51);
      }
    }
  }
  for (uint32_t i = 1; palette.size() < 256; ++i) {
    uint32_t v = i * 255 / 41;
    palette.push_back(0xFF000000 | v << 16 | v << 8 | v);
  }
  return palette;
}

// The distinct colours of the pixels in order of appearance, or nothing when there are more
// than `limit`.
std::vector<uint32_t> DistinctColors(const std::vector<uint32_t>& pixels, size_t limit) {
  std::unordered_map<uint32_t, bool> seen;
  std::vector<uint32_t> colors;
  for (uint32_t p : pixels) {
    uint32_t rgb = p & kRgbMask;
    if (!seen.emplace(rgb, true).second) continue;
    if (colors.size() == limit) return {};
    colors.push_back(0xFF000000 | rgb);
  }
  return colors;
}

int Distance(uint32_t a, uint32_t b) {
  int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
  int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
  int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

uint8_t Nearest(const std::vector<uint32_t>& palette, uint32_t rgb) {
  size_t best = 0;
  for (size_t i = 1; i < palette.size(); ++i) {
    if (Distance(palette[i], rgb) < Distance(palette[best], rgb)) best = i;
  }
  return static_cast<uint8_t>(best);
}

std::vector<uint32_t> ChoosePalette(const std::vector<uint32_t>& pixels,
                                    const std::vector<uint32_t>& given, int bitsPerPixel) {
  size_t capacity = size_t{1} << bitsPerPixel;
  if (!given.empty() && given.size() <= capacity) return given;
  std::vector<uint32_t> distinct = DistinctColors(pixels, capacity);
  return distinct.empty() ? FixedPalette(bitsPerPixel) : distinct;
}

}  // namespace

IndexedPixels ToIndexed(const std::vector<uint32_t>& pixels,
                        const std::vector<uint32_t>& givenPalette, int bitsPerPixel) {
  IndexedPixels result;
  result.palette = ChoosePalette(pixels, givenPalette, bitsPerPixel);
  std::unordered_map<uint32_t, uint8_t> lookup;
  // Filled from the back so that the first of two equal entries wins.
  for (size_t i = result.palette.size(); i-- > 0;) {
    lookup[result.palette[i] & kRgbMask] = static_cast<uint8_t>(i);
  }
  result.indexes.reserve(pixels.size());
  for (uint32_t p : pixels) {
    uint32_t rgb = p & kRgbMask;
    auto found = lookup.find(rgb);
    if (found == lookup.end()) found = lookup.emplace(rgb, Nearest(result.palette, rgb)).first;
    result.indexes.push_back(found->second);
  }
  return result;
}

}  // namespace bmp
