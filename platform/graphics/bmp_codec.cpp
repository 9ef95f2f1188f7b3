// Reading and writing BMP files.
#include "platform/graphics/bmp_codec.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/core/exceptions.h"
#include "platform/core/streams.h"
#include "platform/graphics/bmp_format.h"

namespace bmp {

void Invalid(const std::string& what) {
  throw EInvalidGraphic("Bitmap image is not valid: " + what);
}

void ByteView::Require(uint64_t offset, uint64_t count, const char* what) const {
  if (!Has(offset, count)) Invalid(std::string(what) + " lies past the end of the data");
}

uint8_t ByteView::U8(uint64_t offset, const char* what) const {
  Require(offset, 1, what);
  return data_[offset];
}

uint16_t ByteView::U16(uint64_t offset, const char* what) const {
  Require(offset, 2, what);
  return static_cast<uint16_t>(data_[offset] | data_[offset + 1] << 8);
}

uint32_t ByteView::U32(uint64_t offset, const char* what) const {
  Require(offset, 4, what);
  return static_cast<uint32_t>(data_[offset]) | static_cast<uint32_t>(data_[offset + 1]) << 8 |
         static_cast<uint32_t>(data_[offset + 2]) << 16 |
         static_cast<uint32_t>(data_[offset + 3]) << 24;
}

MaskChannel::MaskChannel(uint32_t mask) : mask_(mask) {
  if (mask == 0) return;
  while (((mask >> shift_) & 1) == 0) ++shift_;
  max_ = mask >> shift_;
}

uint8_t MaskChannel::Extract(uint32_t pixel) const {
  if (mask_ == 0) return 0;
  uint64_t value = (pixel & mask_) >> shift_;
  return static_cast<uint8_t>((value * 255 + max_ / 2) / max_);
}

}  // namespace bmp

namespace {

using bmp::ByteView;
using bmp::Invalid;
using bmp::MaskChannel;

// What the headers say, after validation.
struct BmpLayout {
  uint32_t headerSize = 0;
  int width = 0;
  int height = 0;
  bool topDown = false;
  uint32_t bitCount = 0;
  uint32_t compression = bmp::BI_RGB;
  uint32_t colorsUsed = 0;
  uint32_t imageSize = 0;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha
  uint64_t paletteOffset = 0;
  uint32_t paletteEntrySize = 4;
  uint64_t pixelOffset = 0;
};

bool IsKnownHeaderSize(uint32_t size) {
  return size == bmp::kCoreHeaderSize || size == bmp::kInfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == bmp::kV5HeaderSize;
}

void CheckBitCount(const BmpLayout& l) {
  static constexpr uint32_t kInfoDepths[] = {1, 4, 8, 16, 24, 32};
  bool known = std::find(std::begin(kInfoDepths), std::end(kInfoDepths), l.bitCount) !=
               std::end(kInfoDepths);
  if (l.headerSize == bmp::kCoreHeaderSize && (l.bitCount == 16 || l.bitCount == 32)) known = false;
  if (!known) Invalid("unsupported bit count " + std::to_string(l.bitCount));
}

void CheckCompression(const BmpLayout& l) {
  switch (l.compression) {
    case bmp::BI_RGB:
      return;
    case bmp::BI_RLE8:
    case bmp::BI_RLE4: {
      uint32_t needed = l.compression == bmp::BI_RLE8 ? 8 : 4;
      if (l.bitCount != needed) {
        Invalid("run-length compression " + std::to_string(l.compression) + " needs " +
                std::to_string(needed) + " bits per pixel, not " + std::to_string(l.bitCount));
      }
      if (l.topDown) Invalid("a run-length compressed image cannot be top-down");
      return;
    }
    case bmp::BI_BITFIELDS:
    case bmp::BI_ALPHABITFIELDS:
      if (l.bitCount != 16 && l.bitCount != 32) {
        Invalid("bit fields need 16 or 32 bits per pixel, not " + std::to_string(l.bitCount));
      }
      return;
    default:
      Invalid("unsupported compression " + std::to_string(l.compression));
  }
}

void CheckGeometry(int64_t width, int64_t height) {
  if (width < 0) Invalid("negative width " + std::to_string(width));
  if (width > kMaxBmpDimension || height > kMaxBmpDimension || width * height > kMaxBmpPixels) {
    Invalid(std::to_string(width) + " x " + std::to_string(height) + " pixels is too large");
  }
}

void ReadCoreHeader(const ByteView& in, BmpLayout& l) {
  l.width = in.U16(18, "header");
  l.height = in.U16(20, "header");
  l.bitCount = in.U16(24, "header");
  l.paletteEntrySize = 3;
  CheckGeometry(l.width, l.height);
}

void ReadInfoHeader(const ByteView& in, BmpLayout& l) {
  int64_t width = in.I32(18, "header");
  int64_t height = in.I32(22, "header");
  l.topDown = height < 0;
  height = height < 0 ? -height : height;
  CheckGeometry(width, height);
  l.width = static_cast<int>(width);
  l.height = static_cast<int>(height);
  l.bitCount = in.U16(28, "header");
  l.compression = in.U32(30, "header");
  l.imageSize = in.U32(34, "header");
  l.colorsUsed = in.U32(46, "header");
}

// Channel masks: given after a 40-byte header or inside a longer one when bit fields are
// used; otherwise the defaults of each depth (5-5-5 for 16 bits, 8-8-8 for 32, no alpha).
void ReadMasks(const ByteView& in, BmpLayout& l) {
  bool fields = l.compression == bmp::BI_BITFIELDS || l.compression == bmp::BI_ALPHABITFIELDS;
  uint64_t afterHeader = bmp::kFileHeaderSize + l.headerSize;
  l.paletteOffset = afterHeader;
  if (!fields) {
    if (l.bitCount == 16) l.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (l.bitCount == 32) l.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
    return;
  }
  uint64_t at = bmp::kFileHeaderSize + bmp::kInfoHeaderSize;
  int count = l.compression == bmp::BI_ALPHABITFIELDS || l.headerSize >= 56 ? 4 : 3;
  for (int i = 0; i < count; ++i) l.masks[i] = in.U32(at + 4 * i, "colour masks");
  if (l.headerSize == bmp::kInfoHeaderSize) l.paletteOffset = at + 4 * count;
}

void CheckMasks(const BmpLayout& l) {
  if (l.bitCount != 16 && l.bitCount != 32) return;
  uint32_t seen = 0;
  for (uint32_t m : l.masks) {
    if ((seen & m) != 0) Invalid("colour masks overlap");
    if (l.bitCount == 16 && m > 0xFFFF) Invalid("colour mask exceeds 16 bits");
    seen |= m;
  }
  if ((l.masks[0] | l.masks[1] | l.masks[2]) == 0) Invalid("colour masks are all empty");
}

void LocatePixels(const ByteView& in, BmpLayout& l, uint64_t paletteEnd) {
  uint32_t offBits = in.U32(10, "file header");
  if (offBits == 0) {
    l.pixelOffset = paletteEnd;
  } else if (offBits < bmp::kFileHeaderSize + l.headerSize) {
    Invalid("pixel data offset " + std::to_string(offBits) + " lies inside the header");
  } else {
    l.pixelOffset = offBits;
  }
  if (l.pixelOffset > in.Size()) {
    Invalid("pixel data offset " + std::to_string(l.pixelOffset) + " lies past the end (" +
            std::to_string(in.Size()) + " bytes)");
  }
}

BmpLayout ReadLayout(const ByteView& in) {
  if (in.Size() < bmp::kFileHeaderSize || in.Data()[0] != 'B' || in.Data()[1] != 'M') {
    Invalid("missing \"BM\" signature");
  }
  BmpLayout l;
  l.headerSize = in.U32(14, "header");
  if (!IsKnownHeaderSize(l.headerSize)) {
    Invalid("unknown header size " + std::to_string(l.headerSize));
  }
  in.Require(bmp::kFileHeaderSize, l.headerSize, "header");
  if (l.headerSize == bmp::kCoreHeaderSize) {
    ReadCoreHeader(in, l);
  } else {
    ReadInfoHeader(in, l);
  }
  CheckBitCount(l);
  CheckCompression(l);
  ReadMasks(in, l);
  CheckMasks(l);
  return l;
}

uint32_t PaletteCount(const BmpLayout& l) {
  if (l.bitCount > 8) return 0;
  uint32_t full = 1u << l.bitCount;
  return l.colorsUsed == 0 ? full : std::min(l.colorsUsed, full);
}

// Reads the colour table; entries that would overlap the pixel data are left out.
std::vector<uint32_t> ReadPalette(const ByteView& in, BmpLayout& l) {
  uint32_t count = PaletteCount(l);
  uint64_t offBits = in.U32(10, "file header");
  if (offBits > l.paletteOffset) {
    count = static_cast<uint32_t>(
        std::min<uint64_t>(count, (offBits - l.paletteOffset) / l.paletteEntrySize));
  }
  in.Require(l.paletteOffset, uint64_t{count} * l.paletteEntrySize, "colour table");
  std::vector<uint32_t> palette(count);
  const uint8_t* p = in.Data() + l.paletteOffset;
  for (uint32_t i = 0; i < count; ++i, p += l.paletteEntrySize) {
    palette[i] = 0xFF000000u | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
  }
  LocatePixels(in, l, l.paletteOffset + uint64_t{count} * l.paletteEntrySize);
  return palette;
}

uint32_t PaletteColor(const std::vector<uint32_t>& palette, uint32_t index) {
  return index < palette.size() ? palette[index] : 0xFF000000u;
}

uint32_t ReadPacked(const uint8_t* p, uint32_t bytes) {
  uint32_t v = 0;
  for (uint32_t i = 0; i < bytes; ++i) v |= uint32_t{p[i]} << (8 * i);
  return v;
}

// Converts one stored row into 0xAARRGGBB pixels.
class RowDecoder {
 public:
  RowDecoder(const BmpLayout& l, const std::vector<uint32_t>& palette)
      : bits_(l.bitCount),
        palette_(palette),
        red_(l.masks[0]),
        green_(l.masks[1]),
        blue_(l.masks[2]),
        alpha_(l.masks[3]) {}

  void Decode(const uint8_t* row, uint32_t* out, int width) const {
    if (bits_ <= 8) {
      DecodeIndexed(row, out, width);
    } else if (bits_ == 24) {
      for (int x = 0; x < width; ++x, row += 3) {
        out[x] = 0xFF000000u | uint32_t{row[2]} << 16 | uint32_t{row[1]} << 8 | row[0];
      }
    } else {
      uint32_t bytes = bits_ / 8;
      for (int x = 0; x < width; ++x, row += bytes) out[x] = FromMasks(ReadPacked(row, bytes));
    }
  }

 private:
  void DecodeIndexed(const uint8_t* row, uint32_t* out, int width) const {
    uint32_t perByte = 8 / bits_;
    uint32_t mask = (1u << bits_) - 1;
    for (int x = 0; x < width; ++x) {
      uint32_t shift = 8 - bits_ * (x % perByte + 1);
      out[x] = PaletteColor(palette_, (row[x / perByte] >> shift) & mask);
    }
  }

  uint32_t FromMasks(uint32_t v) const {
    uint32_t a = alpha_.Present() ? alpha_.Extract(v) : 0xFF;
    return a << 24 | uint32_t{red_.Extract(v)} << 16 | uint32_t{green_.Extract(v)} << 8 |
           blue_.Extract(v);
  }

  uint32_t bits_;
  const std::vector<uint32_t>& palette_;
  MaskChannel red_, green_, blue_, alpha_;
};

void DecodeUncompressed(const ByteView& in, const BmpLayout& l,
                        const std::vector<uint32_t>& palette, TBmpImage& image) {
  uint64_t stride = bmp::RowStride(static_cast<uint64_t>(l.width), l.bitCount);
  uint64_t needed = stride * static_cast<uint64_t>(l.height);
  if (!in.Has(l.pixelOffset, needed)) {
    Invalid("truncated pixel data (" + std::to_string(needed) + " bytes needed, " +
            std::to_string(in.Size() - l.pixelOffset) + " present)");
  }
  RowDecoder decoder(l, palette);
  for (int r = 0; r < l.height; ++r) {
    int y = l.topDown ? r : l.height - 1 - r;
    decoder.Decode(in.Data() + l.pixelOffset + stride * r,
                   image.Pixels.data() + static_cast<size_t>(y) * l.width, l.width);
  }
}

bool IsRunLength(const BmpLayout& l) {
  return l.compression == bmp::BI_RLE8 || l.compression == bmp::BI_RLE4;
}

// Two bytes of run-length codes stand for at most 255 pixels (the longest run); the measure
// allows twice that, for pictures that leave some pixels to line ends and moves.
constexpr uint64_t kMostPixelsPerRunLengthByte = 255;

// The bytes of run-length codes: as declared, else up to the end. A picture that claims more
// pixels than they can stand for would be mostly pixels nothing describes, at the cost of its
// whole size: it is refused before that is allocated.
uint64_t RunLengthData(const ByteView& in, const BmpLayout& l) {
  uint64_t available = in.Size() - l.pixelOffset;
  uint64_t length = l.imageSize == 0 ? available : l.imageSize;
  if (length > available) {
    Invalid("truncated pixel data (" + std::to_string(length) + " bytes declared, " +
            std::to_string(available) + " present)");
  }
  if (static_cast<uint64_t>(l.width) * static_cast<uint64_t>(l.height) > length * kMostPixelsPerRunLengthByte) {
    Invalid(std::to_string(l.width) + " x " + std::to_string(l.height) +
            " pixels are more pixels than its run-length data of " + std::to_string(length) +
            " bytes can describe");
  }
  return length;
}

void DecodeCompressed(const ByteView& in, const BmpLayout& l, uint64_t length,
                      const std::vector<uint32_t>& palette, TBmpImage& image) {
  std::vector<uint8_t> indexes =
      bmp::DecodeRle(in, l.pixelOffset, length, l.width, l.height, l.compression == bmp::BI_RLE4);
  for (int r = 0; r < l.height; ++r) {
    const uint8_t* src = indexes.data() + static_cast<size_t>(r) * l.width;
    uint32_t* dst = image.Pixels.data() + static_cast<size_t>(l.height - 1 - r) * l.width;
    for (int x = 0; x < l.width; ++x) dst[x] = PaletteColor(palette, src[x]);
  }
}

// Some writers declare an alpha channel and leave it zero: such a picture is meant opaque.
void KeepVisibleWhenAlphaIsBlank(TBmpImage& image) {
  if (!image.HasAlpha) return;
  for (uint32_t p : image.Pixels) {
    if ((p >> 24) != 0) return;
  }
  for (uint32_t& p : image.Pixels) p |= 0xFF000000u;
  image.HasAlpha = false;
}

}  // namespace

TBmpSize ReadBmpSize(const uint8_t* data, size_t size) {
  const BmpLayout layout = ReadLayout(ByteView(data, size));
  return {layout.width, layout.height};
}

TBmpImage DecodeBmp(const uint8_t* data, size_t size) {
  ByteView in(data, size);
  BmpLayout layout = ReadLayout(in);
  TBmpImage image;
  image.Palette = ReadPalette(in, layout);
  image.Width = layout.width;
  image.Height = layout.height;
  image.SourceBitsPerPixel = static_cast<int>(layout.bitCount);
  image.HasAlpha = layout.masks[3] != 0;
  const uint64_t runLengthData = IsRunLength(layout) ? RunLengthData(in, layout) : 0;
  image.Pixels.assign(static_cast<size_t>(layout.width) * layout.height, 0xFF000000u);
  if (IsRunLength(layout)) {
    DecodeCompressed(in, layout, runLengthData, image.Palette, image);
  } else {
    DecodeUncompressed(in, layout, image.Palette, image);
  }
  KeepVisibleWhenAlphaIsBlank(image);
  return image;
}

TBmpImage ReadBmp(TStream& stream) {
  std::vector<uint8_t> bytes(bmp::kFileHeaderSize);
  if (stream.Read(bytes.data(), bmp::kFileHeaderSize) != bmp::kFileHeaderSize) {
    Invalid("the data ends inside the file header");
  }
  if (bytes[0] != 'B' || bytes[1] != 'M') Invalid("missing \"BM\" signature");
  int64_t remaining = std::max<int64_t>(0, stream.Size() - stream.Position());
  int64_t declared = static_cast<int64_t>(ByteView(bytes.data(), bytes.size()).U32(2, "size")) -
                     static_cast<int64_t>(bmp::kFileHeaderSize);
  int64_t rest = declared > 0 && declared <= remaining ? declared : remaining;
  bytes.resize(bmp::kFileHeaderSize + static_cast<size_t>(rest));
  int64_t got = stream.Read(bytes.data() + bmp::kFileHeaderSize, rest);
  bytes.resize(bmp::kFileHeaderSize + static_cast<size_t>(std::max<int64_t>(0, got)));
  return DecodeBmp(bytes);
}
