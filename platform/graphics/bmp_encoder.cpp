// Writing BMP file images: always bottom-up and uncompressed, rows padded to 4 bytes.

#include <string>

#include "platform/core/streams.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/bmp_format.h"

namespace {

using bmp::ByteWriter;

constexpr uint32_t kSrgbColorSpace = 0x73524742;  // 'sRGB'
constexpr uint32_t kIntentImages = 4;

// How the chosen depth is stored.
struct Target {
  int bits = 0;  // stored bits per pixel (15 is stored as 16)
  uint32_t compression = bmp::BI_RGB;
  uint32_t headerSize = bmp::kInfoHeaderSize;
  std::vector<uint32_t> masks;  // written after a 40-byte header, or inside a longer one
  bmp::IndexedPixels indexed;
};

Target ChooseTarget(const TBmpImage& image, int bitsPerPixel) {
  Target t;
  t.bits = bitsPerPixel == 15 ? 16 : bitsPerPixel;
  if (bitsPerPixel <= 8) t.indexed = bmp::ToIndexed(image.Pixels, image.Palette, bitsPerPixel);
  if (bitsPerPixel == 16) {
    t.compression = bmp::BI_BITFIELDS;
    t.masks = {0xF800, 0x07E0, 0x001F};
  }
  if (bitsPerPixel == 32 && image.HasAlpha) {
    t.compression = bmp::BI_BITFIELDS;
    t.headerSize = bmp::kV5HeaderSize;
    t.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  }
  return t;
}

void CheckImage(const TBmpImage& image, int bitsPerPixel) {
  static constexpr int kDepths[] = {1, 4, 8, 15, 16, 24, 32};
  bool known = false;
  for (int d : kDepths) known = known || d == bitsPerPixel;
  if (!known) bmp::Invalid("cannot save with " + std::to_string(bitsPerPixel) + " bits per pixel");
  if (image.Width < 0 || image.Height < 0 ||
      image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height)) {
    bmp::Invalid("pixel count does not match " + std::to_string(image.Width) + " x " +
                 std::to_string(image.Height));
  }
}

void WriteHeaders(ByteWriter& w, const TBmpImage& image, const Target& t, uint32_t imageBytes) {
  uint32_t maskBytes = t.headerSize == bmp::kInfoHeaderSize ? 4 * t.masks.size() : 0;
  uint32_t offBits = bmp::kFileHeaderSize + t.headerSize + maskBytes +
                     4 * static_cast<uint32_t>(t.indexed.palette.size());
  w.U8('B');
  w.U8('M');
  w.U32(offBits + imageBytes);
  w.U32(0);
  w.U32(offBits);
  w.U32(t.headerSize);
  w.U32(static_cast<uint32_t>(image.Width));
  w.U32(static_cast<uint32_t>(image.Height));
  w.U16(1);
  w.U16(static_cast<uint16_t>(t.bits));
  w.U32(t.compression);
  w.U32(imageBytes);
  w.U32(0);  // pixels per metre: unknown
  w.U32(0);
  w.U32(static_cast<uint32_t>(t.indexed.palette.size()));
  w.U32(0);
  for (uint32_t m : t.masks) w.U32(m);
  if (t.headerSize == bmp::kV5HeaderSize) {
    w.U32(kSrgbColorSpace);
    w.Zeros(36 + 12);  // end points and gamma: unused with sRGB
    w.U32(kIntentImages);
    w.Zeros(12);  // no profile; reserved
  }
}

void WritePalette(ByteWriter& w, const std::vector<uint32_t>& palette) {
  for (uint32_t c : palette) {
    w.U8(static_cast<uint8_t>(c));
    w.U8(static_cast<uint8_t>(c >> 8));
    w.U8(static_cast<uint8_t>(c >> 16));
    w.U8(0);
  }
}

void PackIndexes(const uint8_t* indexes, int width, int bits, uint8_t* row) {
  int perByte = 8 / bits;
  for (int x = 0; x < width; ++x) {
    int shift = 8 - bits * (x % perByte + 1);
    row[x / perByte] = static_cast<uint8_t>(row[x / perByte] | indexes[x] << shift);
  }
}

uint16_t Pack16(uint32_t p, bool sixBitGreen) {
  uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  if (sixBitGreen) return static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
  return static_cast<uint16_t>((r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
}

void PackDirect(const uint32_t* pixels, int width, int bitsPerPixel, bool alpha, uint8_t* row) {
  for (int x = 0; x < width; ++x) {
    uint32_t p = pixels[x];
    if (bitsPerPixel == 15 || bitsPerPixel == 16) {
      uint16_t v = Pack16(p, bitsPerPixel == 16);
      row[2 * x] = static_cast<uint8_t>(v);
      row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
      continue;
    }
    uint8_t* out = row + x * (bitsPerPixel / 8);
    out[0] = static_cast<uint8_t>(p);
    out[1] = static_cast<uint8_t>(p >> 8);
    out[2] = static_cast<uint8_t>(p >> 16);
    if (bitsPerPixel == 32) out[3] = alpha ? static_cast<uint8_t>(p >> 24) : 0;
  }
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const TBmpImage& image, int bitsPerPixel) {
  CheckImage(image, bitsPerPixel);
  Target t = ChooseTarget(image, bitsPerPixel);
  uint64_t stride = bmp::RowStride(static_cast<uint64_t>(image.Width), t.bits);
  uint64_t imageBytes = stride * static_cast<uint64_t>(image.Height);
  if (imageBytes > 0x7FFFFFFF) bmp::Invalid("image too large to save");
  std::vector<uint8_t> out;
  ByteWriter w(out);
  WriteHeaders(w, image, t, static_cast<uint32_t>(imageBytes));
  WritePalette(w, t.indexed.palette);
  size_t pixelStart = out.size();
  out.resize(pixelStart + imageBytes, 0);
  for (int r = 0; r < image.Height; ++r) {
    size_t y = static_cast<size_t>(image.Height - 1 - r);
    uint8_t* row = out.data() + pixelStart + stride * r;
    size_t first = y * static_cast<size_t>(image.Width);
    if (t.bits <= 8) {
      PackIndexes(t.indexed.indexes.data() + first, image.Width, t.bits, row);
    } else {
      PackDirect(image.Pixels.data() + first, image.Width, bitsPerPixel, image.HasAlpha, row);
    }
  }
  return out;
}

void WriteBmp(TStream& stream, const TBmpImage& image, int bitsPerPixel) {
  std::vector<uint8_t> bytes = EncodeBmp(image, bitsPerPixel);
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

namespace bmp {

void ByteWriter::U16(uint16_t v) {
  out_.push_back(static_cast<uint8_t>(v));
  out_.push_back(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::U32(uint32_t v) {
  U16(static_cast<uint16_t>(v));
  U16(static_cast<uint16_t>(v >> 16));
}

}  // namespace bmp
