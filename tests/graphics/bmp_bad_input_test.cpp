#include <gtest/gtest.h>

#include <random>

#include "platform/core/exceptions.h"
#include "platform/graphics/bmp_codec.h"
#include "tests/graphics/bmp_test_support.h"

using bmp_test::Bytes;
using bmp_test::InfoFile;

namespace {

// Decoding must raise EInvalidGraphic whose message names the problem.
void ExpectRejected(const std::vector<uint8_t>& bytes, const std::string& fragment) {
  try {
    DecodeBmp(bytes);
    ADD_FAILURE() << "decoded without error; expected: " << fragment;
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message().rfind("Bitmap image is not valid", 0), 0u) << e.Message();
    EXPECT_NE(e.Message().find(fragment), std::string::npos) << e.Message();
  }
}

Bytes Valid8Bit() {
  Bytes b = InfoFile(3, 2, 8, 0, 14 + 40 + 8, 2);
  b.Rgbq(0x000000).Rgbq(0xFFFFFF);
  b.Raw({0, 1, 0, 0, 1, 0, 1, 0});
  return b;
}

TEST(BmpBadInput, HeadersAreChecked) {
  ExpectRejected({}, "signature");
  ExpectRejected({'B', 'M', 0}, "signature");
  Bytes magic = Valid8Bit();
  magic.data[0] = 'X';
  ExpectRejected(magic.data, "signature");
  Bytes headerSize = Valid8Bit();
  headerSize.data[14] = 41;
  ExpectRejected(headerSize.data, "unknown header size 41");
  std::vector<uint8_t> cut = Valid8Bit().data;
  cut.resize(30);
  ExpectRejected(cut, "header lies past the end");
  ExpectRejected(InfoFile(1, 1, 7, 0, 54).data, "unsupported bit count 7");
  ExpectRejected(InfoFile(1, 1, 24, 4, 54).data, "unsupported compression 4");
  ExpectRejected(InfoFile(1, 1, 24, 1, 54).data, "needs 8 bits per pixel");
  ExpectRejected(InfoFile(1, 1, 8, 3, 54).data, "bit fields need 16 or 32");
  ExpectRejected(InfoFile(1, -1, 8, 1, 54).data, "cannot be top-down");
}

TEST(BmpBadInput, HostileSizesAreRefusedBeforeAllocating) {
  ExpectRejected(InfoFile(-5, 1, 24, 0, 54).data, "negative width");
  ExpectRejected(InfoFile(1, INT32_MIN, 24, 0, 54).data, "too large");
  ExpectRejected(InfoFile(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 54).data, "too large");
  ExpectRejected(InfoFile(30000, 30000, 1, 0, 54).data, "too large");
  // Within the cap, but the pixels are not there.
  ExpectRejected(InfoFile(4000, 4000, 32, 0, 54).data, "truncated pixel data");
}

TEST(BmpBadInput, PaletteAndOffsetsMustLieInsideTheFile) {
  Bytes palette = InfoFile(1, 1, 8, 0, 0);
  palette.Rgbq(0).Rgbq(0);
  ExpectRejected(palette.data, "colour table lies past the end");
  Bytes offset = Valid8Bit();
  offset.data[10] = 0xFF;
  offset.data[11] = 0x7F;
  ExpectRejected(offset.data, "pixel data offset 32767 lies past the end");
  Bytes inside = Valid8Bit();
  inside.data[10] = 20;
  ExpectRejected(inside.data, "lies inside the header");
  Bytes masks = InfoFile(1, 1, 16, 3, 54 + 12);
  masks.U32(0xF800);
  ExpectRejected(masks.data, "colour masks lies past the end");
}

TEST(BmpBadInput, ColourMasksMustBeSane) {
  Bytes overlap = InfoFile(1, 1, 16, 3, 66);
  overlap.U32(0xF800).U32(0x0FE0).U32(0x001F).U32(0);
  ExpectRejected(overlap.data, "overlap");
  Bytes wide = InfoFile(1, 1, 16, 3, 66);
  wide.U32(0xF8000).U32(0x07E0).U32(0x001F).U32(0);
  ExpectRejected(wide.data, "exceeds 16 bits");
  Bytes empty = InfoFile(1, 1, 32, 3, 66);
  empty.U32(0).U32(0).U32(0).U32(0);
  ExpectRejected(empty.data, "all empty");
}

TEST(BmpBadInput, TruncatedPixelDataIsReported) {
  std::vector<uint8_t> bytes = Valid8Bit().data;
  bytes.pop_back();
  ExpectRejected(bytes, "truncated pixel data (8 bytes needed, 7 present)");
}

Bytes Rle8(int width, int height, std::initializer_list<uint8_t> codes, uint32_t imageSize = 0) {
  Bytes b = InfoFile(width, height, 8, 1, 14 + 40 + 4, 1, imageSize);
  b.Rgbq(0xFFFFFF);
  b.Raw(codes);
  return b;
}

TEST(BmpBadInput, RunLengthDataStaysInsideTheImage) {
  ExpectRejected(Rle8(4, 1, {5, 0, 0, 1}).data, "past the end of a row");
  ExpectRejected(Rle8(4, 1, {2, 0, 0, 3, 1, 1, 1, 0}).data, "past the end of a row");
  ExpectRejected(Rle8(4, 1, {0, 0, 1, 0}).data, "past the end of the image");
  ExpectRejected(Rle8(4, 1, {0, 0, 0, 0}).data, "end of line past the last row");
  ExpectRejected(Rle8(4, 2, {0, 2, 5, 0}).data, "delta moves past the image");
  ExpectRejected(Rle8(4, 2, {0, 2, 0, 3}).data, "delta moves past the image");
  ExpectRejected(Rle8(4, 1, {0, 4, 1, 1}).data, "truncated run-length data");
  ExpectRejected(Rle8(4, 1, {2, 0}).data, "ends before the end-of-bitmap mark");
  ExpectRejected(Rle8(4, 1, {2, 0, 0, 1}, 100).data, "truncated pixel data (100 bytes declared");
  // The declared size limits the data: the end mark after it is not seen.
  ExpectRejected(Rle8(4, 1, {2, 0, 0, 1}, 2).data, "ends before the end-of-bitmap mark");
}

// A few bytes of codes that skip to the end cannot stand for a picture of millions of pixels:
// such a file is refused before anything of its size is allocated.
TEST(BmpBadInput, RunLengthDataMustBeAbleToDescribeThePicture) {
  ExpectRejected(Rle8(8192, 8192, {0, 1}).data, "more pixels than its run-length data");
  Bytes rle4 = InfoFile(8192, 8192, 4, 2, 14 + 40 + 4, 1);
  rle4.Rgbq(0xFFFFFF);
  rle4.Raw({0, 2, 255, 255, 0, 2, 255, 255, 0, 1});
  ExpectRejected(rle4.data, "more pixels than its run-length data");
  // A picture of the data's measure still reads, skipped pixels and all.
  TBmpImage small = DecodeBmp(Rle8(40, 12, {4, 0, 0, 1}).data);
  EXPECT_EQ(small.Width * small.Height, 480);
}

// Each case either decodes or raises EInvalidGraphic; the sanitizers catch any stray access.
void DecodeOrReject(const std::vector<uint8_t>& bytes) {
  try {
    TBmpImage image = DecodeBmp(bytes);
    ASSERT_EQ(image.Pixels.size(), static_cast<size_t>(image.Width) * image.Height);
  } catch (const EInvalidGraphic&) {
  }
}

std::vector<std::vector<uint8_t>> FuzzSeeds() {
  Bytes v5;
  v5.Raw({'B', 'M'}).U32(0).U32(0).U32(14 + 124);
  v5.U32(124).U32(3).U32(2).U16(1).U16(32).U32(3).U32(24).U32(0).U32(0).U32(0).U32(0);
  v5.U32(0xFF0000).U32(0xFF00).U32(0xFF).U32(0xFF000000);
  for (int i = 0; i < 17; ++i) v5.U32(0);
  for (int i = 0; i < 6; ++i) v5.U32(0x80402010u * (i + 1));
  Bytes rle4 = InfoFile(7, 3, 4, 2, 14 + 40 + 8, 2);
  rle4.Rgbq(0).Rgbq(0xFF);
  rle4.Raw({7, 0x10, 0, 0, 0, 5, 0x01, 0x10, 0x10, 0, 0, 2, 1, 1, 1, 0x11, 0, 1});
  Bytes rle8 = Rle8(6, 3, {3, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1, 2, 0, 0, 1});
  Bytes bits16 = InfoFile(3, -2, 16, 3, 66);
  bits16.U32(0xF800).U32(0x07E0).U32(0x1F);
  bits16.Raw({1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0});
  Bytes core;
  core.Raw({'B', 'M'}).U32(0).U32(0).U32(32).U32(12).U16(9).U16(2).U16(1).U16(1);
  core.Raw({0, 0, 0, 255, 255, 255, 0xAA, 0x80, 0, 0, 0x55, 0x00, 0, 0});
  return {Valid8Bit().data, v5.data, rle4.data, rle8.data, bits16.data, core.data};
}

TEST(BmpBadInput, MutatedAndTruncatedFilesNeverMisbehave) {
  std::mt19937 random(20261207);
  int cases = 0;
  for (const std::vector<uint8_t>& sample : FuzzSeeds()) {
    ASSERT_NO_THROW(DecodeBmp(sample));
    for (size_t cut = 0; cut < sample.size(); ++cut) {
      DecodeOrReject(std::vector<uint8_t>(sample.begin(), sample.begin() + cut));
      ++cases;
    }
    for (int round = 0; round < 1000; ++round) {
      std::vector<uint8_t> bytes = sample;
      int flips = 1 + static_cast<int>(random() % 4);
      for (int i = 0; i < flips; ++i) {
        size_t at = random() % bytes.size();
        bytes[at] = random() % 3 == 0 ? static_cast<uint8_t>(bytes[at] ^ (1u << random() % 8))
                                      : static_cast<uint8_t>(random());
      }
      if (random() % 4 == 0) bytes.resize(random() % bytes.size());
      DecodeOrReject(bytes);
      ++cases;
    }
  }
  EXPECT_GT(cases, 6000);
}

}  // namespace
