// Pixel formats and palettes: converting pixels between them.
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/graphics/pixel_surface.h"

namespace {

std::vector<uint32_t> MakeVgaPalette() {
  return {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
          0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
}

// The 16 standard colours, a 6x6x6 colour cube and 24 greys.
std::vector<uint32_t> MakeBytePalette() {
  std::vector<uint32_t> p = MakeVgaPalette();
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        p.push_back(0xFF000000u | (r * 51u) << 16 | (g * 51u) << 8 | b * 51u);
  for (int i = 0; i < 24; ++i) {
    uint32_t v = 8 + i * 10;
    p.push_back(0xFF000000u | v << 16 | v << 8 | v);
  }
  return p;
}

int Nearest(const std::vector<uint32_t>& palette, uint32_t c) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (size_t i = 0; i < palette.size(); ++i) {
    int dr = static_cast<int>((palette[i] >> 16) & 0xFF) - static_cast<int>((c >> 16) & 0xFF);
    int dg = static_cast<int>((palette[i] >> 8) & 0xFF) - static_cast<int>((c >> 8) & 0xFF);
    int db = static_cast<int>(palette[i] & 0xFF) - static_cast<int>(c & 0xFF);
    int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
      if (d == 0) break;
    }
  }
  return best;
}

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

uint32_t Expand5(uint32_t v) { return (v << 3) | (v >> 2); }
uint32_t Expand6(uint32_t v) { return (v << 2) | (v >> 4); }

void PackIndexed(TPixelFormat format, const uint32_t* pixels, int width, uint8_t* row) {
  const std::vector<uint32_t>& palette = FormatPalette(format);
  int bits = BitsPerPixel(format);
  int perByte = 8 / bits;
  std::memset(row, 0, static_cast<size_t>(BytesPerScanLine(format, width)));
  for (int x = 0; x < width; ++x) {
    int index = Nearest(palette, pixels[x]);
    int shift = 8 - bits * (x % perByte + 1);
    row[x / perByte] = static_cast<uint8_t>(row[x / perByte] | (index << shift));
  }
}

void UnpackIndexed(TPixelFormat format, const uint8_t* row, int width, uint32_t* pixels) {
  const std::vector<uint32_t>& palette = FormatPalette(format);
  int bits = BitsPerPixel(format);
  int perByte = 8 / bits;
  int mask = (1 << bits) - 1;
  for (int x = 0; x < width; ++x) {
    int shift = 8 - bits * (x % perByte + 1);
    size_t index = static_cast<size_t>((row[x / perByte] >> shift) & mask);
    pixels[x] = index < palette.size() ? palette[index] : 0xFF000000u;
  }
}

}  // namespace

const std::vector<uint32_t>& FormatPalette(TPixelFormat format) {
  static const std::vector<uint32_t> mono = {0xFF000000, 0xFFFFFFFF};
  static const std::vector<uint32_t> vga = MakeVgaPalette();
  static const std::vector<uint32_t> byte = MakeBytePalette();
  static const std::vector<uint32_t> none;
  switch (format) {
    case pf1bit: return mono;
    case pf4bit: return vga;
    case pf8bit: return byte;
    default: return none;
  }
}

int BytesPerScanLine(TPixelFormat format, int width) {
  int64_t bits = int64_t{width} * BitsPerPixel(format);
  return static_cast<int>(((bits + 31) / 32) * 4);
}

void PackRow(TPixelFormat format, const uint32_t* pixels, int width, uint8_t* row) {
  switch (format) {
    case pf1bit:
    case pf4bit:
    case pf8bit: PackIndexed(format, pixels, width, row); return;
    case pf15bit:
    case pf16bit:
      for (int x = 0; x < width; ++x) {
        uint32_t c = pixels[x];
        uint32_t r = (c >> 19) & 0x1F, b = (c >> 3) & 0x1F;
        uint32_t word = format == pf15bit ? (r << 10 | ((c >> 11) & 0x1F) << 5 | b)
                                          : (r << 11 | ((c >> 10) & 0x3F) << 5 | b);
        row[2 * x] = static_cast<uint8_t>(word);
        row[2 * x + 1] = static_cast<uint8_t>(word >> 8);
      }
      return;
    case pf24bit:
      for (int x = 0; x < width; ++x) {
        row[3 * x] = static_cast<uint8_t>(pixels[x]);
        row[3 * x + 1] = static_cast<uint8_t>(pixels[x] >> 8);
        row[3 * x + 2] = static_cast<uint8_t>(pixels[x] >> 16);
      }
      return;
    default: std::memcpy(row, pixels, sizeof(uint32_t) * width); return;
  }
}

void UnpackRow(TPixelFormat format, const uint8_t* row, int width, uint32_t* pixels) {
  switch (format) {
    case pf1bit:
    case pf4bit:
    case pf8bit: UnpackIndexed(format, row, width, pixels); return;
    case pf15bit:
    case pf16bit:
      for (int x = 0; x < width; ++x) {
        uint32_t w = row[2 * x] | (uint32_t{row[2 * x + 1]} << 8);
        uint32_t r = format == pf15bit ? Expand5((w >> 10) & 0x1F) : Expand5((w >> 11) & 0x1F);
        uint32_t g = format == pf15bit ? Expand5((w >> 5) & 0x1F) : Expand6((w >> 5) & 0x3F);
        pixels[x] = 0xFF000000u | r << 16 | g << 8 | Expand5(w & 0x1F);
      }
      return;
    case pf24bit:
      for (int x = 0; x < width; ++x)
        pixels[x] = 0xFF000000u | uint32_t{row[3 * x + 2]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x];
      return;
    default: std::memcpy(pixels, row, sizeof(uint32_t) * width); return;
  }
}
