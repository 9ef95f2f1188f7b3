// Reading and writing icon and cursor files.
#include "platform/graphics/icon_file.h"

#include <algorithm>
#include <string>

#include "platform/core/exceptions.h"
#include "platform/graphics/bmp_format.h"

namespace {

constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr int kMaxIconSide = 256;

[[noreturn]] void IconInvalid(const std::string& what) {
  throw EInvalidGraphic("Icon image is not valid: " + what);
}

struct Entry {
  int width = 0;
  int height = 0;
  uint16_t planesOrHotX = 0;
  uint16_t bitsOrHotY = 0;
  uint32_t size = 0;
  uint32_t offset = 0;
};

Entry ReadEntry(const bmp::ByteView& in, uint32_t at) {
  Entry e;
  e.width = in.Data()[at] == 0 ? kMaxIconSide : in.Data()[at];
  e.height = in.Data()[at + 1] == 0 ? kMaxIconSide : in.Data()[at + 1];
  e.planesOrHotX = in.U16(at + 4, "icon directory");
  e.bitsOrHotY = in.U16(at + 6, "icon directory");
  e.size = in.U32(at + 8, "icon directory");
  e.offset = in.U32(at + 12, "icon directory");
  return e;
}

// The largest picture wins; among icons of one size, the deepest.
bool Better(const Entry& a, const Entry& b, bool cursor) {
  int64_t areaA = int64_t{a.width} * a.height, areaB = int64_t{b.width} * b.height;
  if (areaA != areaB) return areaA > areaB;
  return !cursor && a.bitsOrHotY > b.bitsOrHotY;
}

// The colours: the image's header with the height halved, behind a made-up file header,
// decoded as a BMP (a zero pixel offset means "right after the colour table").
TBmpImage DecodeColours(const bmp::ByteView& dib) {
  // Sized once and filled in place: the header in front of the image as a BMP file has it.
  std::vector<uint8_t> file(bmp::kFileHeaderSize + dib.Size(), 0);
  file[0] = 'B';
  file[1] = 'M';
  std::copy_n(dib.Data(), dib.Size(), file.begin() + bmp::kFileHeaderSize);
  int32_t doubled = dib.I32(8, "icon image header");
  int32_t height = doubled / 2;
  for (int i = 0; i < 4; ++i)
    file[bmp::kFileHeaderSize + 8 + i] = static_cast<uint8_t>(height >> (8 * i));
  return DecodeBmp(file);
}

uint64_t MaskOffset(const bmp::ByteView& dib, const TBmpImage& colours) {
  uint32_t headerSize = dib.U32(0, "icon image header");
  uint32_t compression = dib.U32(16, "icon image header");
  uint64_t masks = headerSize == bmp::kInfoHeaderSize && compression == bmp::BI_BITFIELDS ? 12 : 0;
  return headerSize + masks + 4 * uint64_t{colours.Palette.size()} +
         bmp::RowStride(static_cast<uint64_t>(colours.Width), colours.SourceBitsPerPixel) *
             static_cast<uint64_t>(colours.Height);
}

// 32-bit pictures may carry alpha in the fourth byte; the BMP reader ignores it there.
bool ApplyStoredAlpha(const bmp::ByteView& dib, TBmpImage& colours) {
  if (colours.SourceBitsPerPixel != 32 || dib.U32(16, "icon image header") != bmp::BI_RGB)
    return false;
  uint64_t start = dib.U32(0, "icon image header");
  bool any = false;
  for (int r = 0; r < colours.Height; ++r) {
    for (int x = 0; x < colours.Width; ++x) {
      uint32_t alpha =
          dib.U8(start + (static_cast<uint64_t>(r) * colours.Width + x) * 4 + 3, "icon pixels");
      uint32_t& p = colours.Pixels[static_cast<size_t>(colours.Height - 1 - r) * colours.Width + x];
      p = (p & 0x00FFFFFFu) | alpha << 24;
      any = any || alpha != 0;
    }
  }
  return any;
}

// Pixels whose mask bit is set become see-through; a missing mask leaves every pixel shown.
void ApplyMask(const bmp::ByteView& dib, TBmpImage& colours) {
  uint64_t at = MaskOffset(dib, colours);
  uint64_t stride = bmp::RowStride(static_cast<uint64_t>(colours.Width), 1);
  bool present = dib.Has(at, stride * static_cast<uint64_t>(colours.Height));
  for (int r = 0; r < colours.Height; ++r) {
    const uint8_t* row = present ? dib.Data() + at + stride * r : nullptr;
    for (int x = 0; x < colours.Width; ++x) {
      bool clear = row != nullptr && (row[x / 8] >> (7 - x % 8) & 1) != 0;
      uint32_t& p = colours.Pixels[static_cast<size_t>(colours.Height - 1 - r) * colours.Width + x];
      p = clear ? (p & 0x00FFFFFFu) : (p | 0xFF000000u);
    }
  }
}

}  // namespace

TIconFileImage DecodeIconFile(const uint8_t* data, size_t size) {
  bmp::ByteView in(data, size);
  if (size < kDirectorySize || in.U16(0, "icon directory") != 0)
    IconInvalid("missing icon directory");
  uint16_t type = in.U16(2, "icon directory");
  uint16_t count = in.U16(4, "icon directory");
  if (type != kIconType && type != kCursorType)
    IconInvalid("unknown resource type " + std::to_string(type));
  if (count == 0) IconInvalid("the file holds no image");
  if (!in.Has(kDirectorySize, uint64_t{count} * kEntrySize))
    IconInvalid("icon directory lies past the end");
  bool cursor = type == kCursorType;
  Entry best = ReadEntry(in, kDirectorySize);
  for (uint32_t i = 1; i < count; ++i) {
    Entry e = ReadEntry(in, kDirectorySize + i * kEntrySize);
    if (Better(e, best, cursor)) best = e;
  }
  if (!in.Has(best.offset, best.size)) IconInvalid("icon image lies past the end");
  bmp::ByteView dib(data + best.offset, best.size);
  uint32_t header = best.size >= 4 ? dib.U32(0, "icon image") : 0;
  if (header == 0x474E5089u) IconInvalid("PNG-compressed images are not read");
  if (header < bmp::kInfoHeaderSize)
    IconInvalid("unsupported image header size " + std::to_string(header));
  TIconFileImage result;
  result.Image = DecodeColours(dib);
  if (!ApplyStoredAlpha(dib, result.Image)) ApplyMask(dib, result.Image);
  result.Image.HasAlpha = true;
  result.Cursor = cursor;
  if (cursor) result.HotSpot = Point(best.planesOrHotX, best.bitsOrHotY);
  return result;
}

std::vector<uint8_t> EncodeIconFile(const TIconFileImage& icon) {
  const TBmpImage& image = icon.Image;
  if (image.Width < 1 || image.Height < 1 || image.Width > kMaxIconSide ||
      image.Height > kMaxIconSide) {
    IconInvalid("icons are 1 to 256 pixels wide and high, not " + std::to_string(image.Width) +
                " x " + std::to_string(image.Height));
  }
  if (image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height)
    IconInvalid("pixel count does not match the size");
  uint32_t xorStride =
      static_cast<uint32_t>(bmp::RowStride(static_cast<uint64_t>(image.Width), 32));
  uint32_t andStride = static_cast<uint32_t>(bmp::RowStride(static_cast<uint64_t>(image.Width), 1));
  uint32_t imageBytes = (xorStride + andStride) * static_cast<uint32_t>(image.Height);
  std::vector<uint8_t> out;
  bmp::ByteWriter w(out);
  w.U16(0);
  w.U16(icon.Cursor ? kCursorType : kIconType);
  w.U16(1);
  w.U8(static_cast<uint8_t>(image.Width % kMaxIconSide));
  w.U8(static_cast<uint8_t>(image.Height % kMaxIconSide));
  w.U8(0);
  w.U8(0);
  w.U16(icon.Cursor ? static_cast<uint16_t>(icon.HotSpot.x) : 1);
  w.U16(icon.Cursor ? static_cast<uint16_t>(icon.HotSpot.y) : 32);
  w.U32(bmp::kInfoHeaderSize + imageBytes);
  w.U32(kDirectorySize + kEntrySize);
  w.U32(bmp::kInfoHeaderSize);
  w.U32(static_cast<uint32_t>(image.Width));
  w.U32(static_cast<uint32_t>(image.Height * 2));
  w.U16(1);
  w.U16(32);
  w.U32(bmp::BI_RGB);
  w.U32(imageBytes);
  w.Zeros(16);
  for (int r = image.Height - 1; r >= 0; --r) {
    for (int x = 0; x < image.Width; ++x) w.U32(image.Pixel(x, r));
  }
  for (int r = image.Height - 1; r >= 0; --r) {
    std::vector<uint8_t> row(andStride, 0);
    for (int x = 0; x < image.Width; ++x) {
      if ((image.Pixel(x, r) >> 24) < 0x80)
        row[x / 8] = static_cast<uint8_t>(row[x / 8] | 0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
