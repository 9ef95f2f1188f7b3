// Run-length compressed pixel data (8 and 4 bits per pixel): pairs of (count, index) runs, and
// escapes after a zero count: 0 ends the line, 1 ends the bitmap, 2 moves by (dx, dy), and
// n >= 3 introduces n literal indexes padded to a 16-bit boundary.
// A run may reach into the row's padding (as far as an uncompressed row would be stored):
// some writers encode the padded row, so those pixels are dropped rather than refused.

#include <string>

#include "platform/graphics/bmp_format.h"

namespace bmp {
namespace {

class RleDecoder {
 public:
  RleDecoder(ByteView in, uint64_t offset, uint64_t length, int width, int height, bool fourBit)
      : in_(in),
        pos_(offset),
        end_(offset + length),
        width_(width),
        paddedWidth_(static_cast<int>(RowStride(static_cast<uint64_t>(width), fourBit ? 4 : 8) *
                                      (fourBit ? 2 : 1))),
        height_(height),
        fourBit_(fourBit),
        out_(static_cast<size_t>(width) * height, 0) {}

  std::vector<uint8_t> Run() {
    while (pos_ < end_) {
      uint8_t count = Next();
      uint8_t value = Next();
      if (count > 0) {
        Repeat(count, value);
      } else if (!Escape(value)) {
        return std::move(out_);
      }
    }
    if (y_ < height_) Invalid("run-length data ends before the end-of-bitmap mark");
    return std::move(out_);
  }

 private:
  uint8_t Next() {
    if (pos_ >= end_) Invalid("truncated run-length data");
    return in_.Data()[pos_++];
  }

  // Returns false at the end-of-bitmap mark.
  bool Escape(uint8_t code) {
    switch (code) {
      case 0:
        NewLine();
        return true;
      case 1:
        return false;
      case 2: {
        int dx = Next();
        int dy = Next();
        Move(dx, dy);
        return true;
      }
      default:
        Literal(code);
        return true;
    }
  }

  void NewLine() {
    if (y_ >= height_) Invalid("run-length end of line past the last row");
    x_ = 0;
    ++y_;
  }

  void Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    if (x_ > paddedWidth_ || y_ > height_) Invalid("run-length delta moves past the image");
  }

  void CheckRun(int count) const {
    if (y_ >= height_) Invalid("run-length run past the end of the image");
    if (count > paddedWidth_ - x_) Invalid("run-length run past the end of a row");
  }

  void Put(int i, uint8_t index) {
    if (x_ + i < width_) out_[static_cast<size_t>(y_) * width_ + x_ + i] = index;
  }

  void Repeat(int count, uint8_t value) {
    CheckRun(count);
    for (int i = 0; i < count; ++i) {
      Put(i, !fourBit_ ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
    }
    x_ += count;
  }

  void Literal(int count) {
    CheckRun(count);
    int bytes = fourBit_ ? (count + 1) / 2 : count;
    uint8_t packed = 0;
    for (int i = 0; i < count; ++i) {
      if (!fourBit_) {
        Put(i, Next());
      } else {
        if (i % 2 == 0) packed = Next();
        Put(i, i % 2 == 0 ? packed >> 4 : packed & 0x0F);
      }
    }
    if (bytes % 2 != 0) Next();
    x_ += count;
  }

  ByteView in_;
  uint64_t pos_;
  uint64_t end_;
  int width_;
  int paddedWidth_;
  int height_;
  bool fourBit_;
  int x_ = 0;
  int y_ = 0;
  std::vector<uint8_t> out_;
};

}  // namespace

std::vector<uint8_t> DecodeRle(ByteView data, uint64_t offset, uint64_t length, int width,
                               int height, bool fourBit) {
  return RleDecoder(data, offset, length, width, height, fourBit).Run();
}

}  // namespace bmp
