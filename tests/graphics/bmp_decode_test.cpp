#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/graphics/bmp_codec.h"
#include "tests/graphics/bmp_test_support.h"

using bmp_test::Bytes;
using bmp_test::InfoFile;

namespace {

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGreen = 0xFF00FF00,
                   kBlue = 0xFF0000FF;

std::vector<uint32_t> Row(const TBmpImage& image, int y) {
  auto first = image.Pixels.begin() + static_cast<ptrdiff_t>(y) * image.Width;
  return {first, first + image.Width};
}

TEST(BmpDecode, OneBitRowsAreBottomUpAndSpanBytes) {
  // 10 pixels wide: two bytes of bits per row, padded to four.
  Bytes b = InfoFile(10, 2, 1, 0, 14 + 40 + 8);
  b.Rgbq(0x000000).Rgbq(0xFFFFFF);
  b.Raw({0b10000000, 0b01000000, 0, 0});  // bottom row: pixels 0 and 9 white
  b.Raw({0b01111111, 0b10000000, 0, 0});  // top row: pixels 1..8 white
  TBmpImage image = DecodeBmp(b.data);
  ASSERT_EQ(image.Width, 10);
  ASSERT_EQ(image.Height, 2);
  EXPECT_EQ(image.SourceBitsPerPixel, 1);
  EXPECT_EQ(image.Palette, (std::vector<uint32_t>{kBlack, kWhite}));
  EXPECT_FALSE(image.HasAlpha);
  std::vector<uint32_t> top(10, kWhite), bottom(10, kBlack);
  top[0] = top[9] = kBlack;
  bottom[0] = bottom[9] = kWhite;
  EXPECT_EQ(Row(image, 0), top);
  EXPECT_EQ(Row(image, 1), bottom);
}

TEST(BmpDecode, FourBitTopDownUsesHighNibbleFirst) {
  Bytes b = InfoFile(3, -2, 4, 0, 14 + 40 + 16, 4);
  b.Rgbq(0x000000).Rgbq(0xFF0000).Rgbq(0x00FF00).Rgbq(0x0000FF);
  b.Raw({0x12, 0x30, 0, 0});  // top row
  b.Raw({0x32, 0x10, 0, 0});
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kRed, kGreen, kBlue}));
  EXPECT_EQ(Row(image, 1), (std::vector<uint32_t>{kBlue, kGreen, kRed}));
}

TEST(BmpDecode, EightBitIndexPastTheColourTableIsBlack) {
  Bytes b = InfoFile(2, 1, 8, 0, 14 + 40 + 8, 2);
  b.Rgbq(0x102030).Rgbq(0x405060);
  b.Raw({1, 200, 0, 0});
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(image.Palette.size(), 2u);
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{0xFF405060, kBlack}));
}

TEST(BmpDecode, TwentyFourBitRowsArePadded) {
  Bytes b = InfoFile(2, 2, 24, 0, 54);
  b.Raw({0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0});  // bottom: red, green
  b.Raw({0xFF, 0x00, 0x00, 0x33, 0x22, 0x11, 0, 0});  // top: blue, 0x112233
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kBlue, 0xFF112233}));
  EXPECT_EQ(Row(image, 1), (std::vector<uint32_t>{kRed, kGreen}));
  EXPECT_TRUE(image.Palette.empty());
}

TEST(BmpDecode, SixteenBitDefaultsToFiveFiveFive) {
  Bytes b = InfoFile(3, 1, 16, 0, 54);
  b.U16(0x7C00).U16(0x03E0).U16(0x4210).Raw({0, 0});
  TBmpImage image = DecodeBmp(b.data);
  // Five-bit 16 widens to 132 (16 * 255 / 31, rounded).
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kRed, kGreen, 0xFF848484}));
}

TEST(BmpDecode, SixteenBitFieldsFiveSixFive) {
  Bytes b = InfoFile(2, 1, 16, 3, 54 + 12);
  b.U32(0xF800).U32(0x07E0).U32(0x001F);
  b.U16(0x07E0).U16(0xFFFF);
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kGreen, kWhite}));
  EXPECT_FALSE(image.HasAlpha);
}

TEST(BmpDecode, ThirtyTwoBitWithoutAlphaMaskIsOpaque) {
  Bytes b = InfoFile(1, 1, 32, 0, 54);
  b.Raw({0x30, 0x20, 0x10, 0x00});
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_FALSE(image.HasAlpha);
  EXPECT_EQ(image.Pixel(0, 0), 0xFF102030u);
}

// Two 32-bit pixels behind a version 5 header with an alpha mask.
Bytes AlphaFile(std::initializer_list<uint8_t> pixels) {
  Bytes b;
  b.Raw({'B', 'M'}).U32(0).U32(0).U32(14 + 124);
  b.U32(124).U32(2).U32(1).U16(1).U16(32).U32(3).U32(8).U32(0).U32(0).U32(0).U32(0);
  b.U32(0x00FF0000).U32(0x0000FF00).U32(0x000000FF).U32(0xFF000000);
  for (int i = 0; i < (124 - 56) / 4; ++i) b.U32(0);
  b.Raw(pixels);
  return b;
}

TEST(BmpDecode, ThirtyTwoBitAlphaFromVersionFiveHeader) {
  TBmpImage image = DecodeBmp(AlphaFile({0x03, 0x02, 0x01, 0x80, 0xFF, 0xFF, 0xFF, 0x00}).data);
  EXPECT_TRUE(image.HasAlpha);
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{0x80010203, 0x00FFFFFF}));
  // An alpha channel left blank everywhere means an opaque picture.
  TBmpImage blank = DecodeBmp(AlphaFile({0x03, 0x02, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x00}).data);
  EXPECT_FALSE(blank.HasAlpha);
  EXPECT_EQ(Row(blank, 0), (std::vector<uint32_t>{0xFF010203, 0xFFFFFFFF}));
}

TEST(BmpDecode, CoreHeaderHasThreeByteColourEntries) {
  Bytes b;
  b.Raw({'B', 'M'}).U32(0).U32(0).U32(14 + 12 + 6);
  b.U32(12).U16(2).U16(1).U16(1).U16(1);
  b.Raw({0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00});  // red, blue
  b.Raw({0b01000000, 0, 0, 0});
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(image.Palette, (std::vector<uint32_t>{kRed, kBlue}));
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kRed, kBlue}));
}

TEST(BmpDecode, RunLengthEightBitEscapes) {
  // 6 x 3 image, rows stored bottom-up.
  Bytes b = InfoFile(6, 3, 8, 1, 14 + 40 + 12, 3);
  b.Rgbq(0x000000).Rgbq(0xFF0000).Rgbq(0x00FF00);
  b.Raw({3, 1});              // bottom row: three red
  b.Raw({0, 3, 2, 1, 2, 0});  // literal green, red, green, then a pad byte
  b.Raw({0, 0});              // end of line
  b.Raw({0, 2, 2, 0});        // delta: right two on the middle row
  b.Raw({1, 2});              // one green at x = 2
  b.Raw({0, 2, 0, 1});        // delta: up one row, same column
  b.Raw({2, 1});              // red at x = 3, 4 of the top row
  b.Raw({0, 1});              // end of bitmap
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(Row(image, 2), (std::vector<uint32_t>{kRed, kRed, kRed, kGreen, kRed, kGreen}));
  EXPECT_EQ(Row(image, 1), (std::vector<uint32_t>{kBlack, kBlack, kGreen, kBlack, kBlack, kBlack}));
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kBlack, kBlack, kBlack, kRed, kRed, kBlack}));
}

TEST(BmpDecode, RunLengthFourBitAlternatesNibbles) {
  Bytes b = InfoFile(5, 2, 4, 2, 14 + 40 + 12, 3);
  b.Rgbq(0x000000).Rgbq(0xFF0000).Rgbq(0x00FF00);
  b.Raw({5, 0x12});  // bottom row: red, green, red, green, red
  b.Raw({0, 0});
  b.Raw({0, 3, 0x21, 0x20, 2, 0x00});  // literal of three nibbles (two bytes), then black
  b.Raw({0, 1});
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(Row(image, 1), (std::vector<uint32_t>{kRed, kGreen, kRed, kGreen, kRed}));
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kGreen, kRed, kGreen, kBlack, kBlack}));
}

TEST(BmpDecode, RunLengthRunsIntoRowPaddingAreClipped) {
  // Three pixels wide: a stored row holds four, and a run may cover the padding pixel.
  Bytes b = InfoFile(3, 1, 8, 1, 14 + 40 + 8, 2);
  b.Rgbq(0x000000).Rgbq(0xFF0000);
  b.Raw({4, 1, 0, 0, 0, 1});
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(Row(image, 0), (std::vector<uint32_t>{kRed, kRed, kRed}));
  Bytes beyond = InfoFile(3, 1, 8, 1, 14 + 40 + 8, 2);
  beyond.Rgbq(0x000000).Rgbq(0xFF0000);
  beyond.Raw({5, 1, 0, 1});
  EXPECT_THROW(DecodeBmp(beyond.data), EInvalidGraphic);
}

TEST(BmpDecode, ZeroPixelOffsetMeansRightAfterTheColourTable) {
  Bytes b = InfoFile(1, 1, 8, 0, 0, 1);
  b.Rgbq(0xABCDEF);
  b.Raw({0, 0, 0, 0});
  EXPECT_EQ(DecodeBmp(b.data).Pixel(0, 0), 0xFFABCDEFu);
}

TEST(BmpDecode, EmptyImageDecodesToNoPixels) {
  Bytes b = InfoFile(0, 0, 24, 0, 54);
  TBmpImage image = DecodeBmp(b.data);
  EXPECT_EQ(image.Width, 0);
  EXPECT_TRUE(image.Pixels.empty());
}

}  // namespace
