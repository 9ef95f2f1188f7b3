#pragma once

// Internal to the BMP codec: the file layout's constants and bounded byte access.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bmp {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV5HeaderSize = 124;

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t BI_ALPHABITFIELDS = 6;

// Raises EInvalidGraphic("Bitmap image is not valid: <what>").
[[noreturn]] void Invalid(const std::string& what);

// Bytes per row of a bitmap of the given width and depth, padded to 4 bytes.
constexpr uint64_t RowStride(uint64_t width, uint32_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

// Read-only view over the file's bytes; every read is checked against the end and raises
// with the name of the part being read.
class ByteView {
 public:
  ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t Size() const { return size_; }
  const uint8_t* Data() const { return data_; }
  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= size_ && count <= size_ - offset;
  }
  void Require(uint64_t offset, uint64_t count, const char* what) const;
  uint8_t U8(uint64_t offset, const char* what) const;
  uint16_t U16(uint64_t offset, const char* what) const;
  uint32_t U32(uint64_t offset, const char* what) const;
  int32_t I32(uint64_t offset, const char* what) const {
    return static_cast<int32_t>(U32(offset, what));
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

// Appends little-endian values to a byte buffer.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}
  void U8(uint8_t v) { out_.push_back(v); }
  void U16(uint16_t v);
  void U32(uint32_t v);
  void Zeros(size_t count) { out_.insert(out_.end(), count, 0); }

 private:
  std::vector<uint8_t>& out_;
};

// One colour channel described by a bit mask; widens its value to 8 bits.
class MaskChannel {
 public:
  MaskChannel() = default;
  explicit MaskChannel(uint32_t mask);
  bool Present() const { return mask_ != 0; }
  uint32_t Mask() const { return mask_; }
  uint8_t Extract(uint32_t pixel) const;

 private:
  uint32_t mask_ = 0;
  int shift_ = 0;
  uint32_t max_ = 0;
};

// Decodes compressed pixel data into palette indexes, bottom row first; skipped pixels keep
// index 0. Raises on runs past a row or the image, and on data that ends early.
std::vector<uint8_t> DecodeRle(ByteView data, uint64_t offset, uint64_t length, int width,
                               int height, bool fourBit);

// A colour table for an indexed depth and each pixel's index into it (see EncodeBmp).
struct IndexedPixels {
  std::vector<uint32_t> palette;  // 0xFFRRGGBB
  std::vector<uint8_t> indexes;   // one per pixel, rows top-down
};
IndexedPixels ToIndexed(const std::vector<uint32_t>& pixels,
                        const std::vector<uint32_t>& givenPalette, int bitsPerPixel);

}  // namespace bmp
