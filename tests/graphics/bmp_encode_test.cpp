#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/core/streams.h"
#include "platform/graphics/bmp_codec.h"
#include "tests/graphics/bmp_test_support.h"

namespace {

TBmpImage MakeImage(int width, int height, std::vector<uint32_t> pixels) {
  TBmpImage image;
  image.Width = width;
  image.Height = height;
  image.Pixels = std::move(pixels);
  return image;
}

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// Four colours whose channels are 0 or 255 survive every depth unchanged.
TBmpImage FourColours() {
  return MakeImage(3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFFFF0000});
}

TEST(BmpEncode, EveryDepthRoundTripsExactColours) {
  for (int bits : {4, 8, 15, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    std::vector<uint8_t> file = EncodeBmp(FourColours(), bits);
    TBmpImage back = DecodeBmp(file);
    EXPECT_EQ(back.Width, 3);
    EXPECT_EQ(back.Height, 2);
    EXPECT_EQ(back.SourceBitsPerPixel, bits == 15 ? 16 : bits);
    EXPECT_EQ(back.Pixels, FourColours().Pixels);
  }
  TBmpImage twoColours = MakeImage(9, 1, {});
  for (int x = 0; x < 9; ++x) twoColours.Pixels.push_back(x % 3 == 0 ? 0xFF000000 : 0xFFFFFFFF);
  EXPECT_EQ(DecodeBmp(EncodeBmp(twoColours, 1)).Pixels, twoColours.Pixels);
}

TEST(BmpEncode, FileLayoutIsBottomUpWithPaddedRows) {
  TBmpImage image = MakeImage(3, 2, {1, 2, 3, 4, 5, 6});
  std::vector<uint8_t> file = EncodeBmp(image, 24);
  ASSERT_EQ(file.size(), 14u + 40 + 2 * 12);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(U32At(file, 2), file.size());
  EXPECT_EQ(U32At(file, 10), 54u);
  EXPECT_EQ(U32At(file, 22), 2u);  // positive height: bottom-up
  EXPECT_EQ(file[54], 4);          // first stored row is the bottom one
  EXPECT_EQ(file[54 + 9], 0);      // padding
  EXPECT_EQ(file[54 + 12], 1);
}

TEST(BmpEncode, SixteenBitsMeansFiveSixFiveFields) {
  std::vector<uint8_t> file = EncodeBmp(MakeImage(1, 1, {0xFF00FC00}), 16);
  EXPECT_EQ(U32At(file, 30), 3u);  // bit fields
  EXPECT_EQ(U32At(file, 54), 0xF800u);
  EXPECT_EQ(U32At(file, 58), 0x07E0u);
  EXPECT_EQ(file[66] | file[67] << 8, 0x07E0);  // six bits of green kept
  std::vector<uint8_t> fifteen = EncodeBmp(MakeImage(1, 1, {0xFF00FC00}), 15);
  EXPECT_EQ(U32At(fifteen, 30), 0u);
  EXPECT_EQ(fifteen[54] | fifteen[55] << 8, 0x03E0);
}

TEST(BmpEncode, ThirtyTwoBitsKeepAlphaOnlyWhenTheImageHasIt) {
  TBmpImage image = MakeImage(2, 1, {0x80102030, 0x00FFFFFF});
  std::vector<uint8_t> opaque = EncodeBmp(image, 32);
  EXPECT_EQ(U32At(opaque, 14), 40u);
  EXPECT_EQ(DecodeBmp(opaque).Pixels, (std::vector<uint32_t>{0xFF102030, 0xFFFFFFFF}));
  image.HasAlpha = true;
  std::vector<uint8_t> translucent = EncodeBmp(image, 32);
  EXPECT_EQ(U32At(translucent, 14), 124u);
  TBmpImage back = DecodeBmp(translucent);
  EXPECT_TRUE(back.HasAlpha);
  EXPECT_EQ(back.Pixels, image.Pixels);
}

TEST(BmpEncode, GivenPaletteIsKeptInOrderAndNearestEntriesChosen) {
  TBmpImage image = MakeImage(3, 1, {0xFF00FF00, 0xFFF00000, 0xFF000000});
  image.Palette = {0xFF000000, 0xFFFF0000, 0xFF00FF00};
  std::vector<uint8_t> file = EncodeBmp(image, 8);
  EXPECT_EQ(U32At(file, 46), 3u);  // colours used
  TBmpImage back = DecodeBmp(file);
  EXPECT_EQ(back.Palette, image.Palette);
  EXPECT_EQ(back.Pixels, (std::vector<uint32_t>{0xFF00FF00, 0xFFFF0000, 0xFF000000}));
  EXPECT_EQ(file[14 + 40 + 12], 2);  // the pixel's index into the given table
}

TEST(BmpEncode, PaletteIsBuiltFromThePixelsWhenTheyFit) {
  TBmpImage image = MakeImage(4, 1, {0xFF123456, 0xFF654321, 0xFF123456, 0xFFABCDEF});
  TBmpImage back = DecodeBmp(EncodeBmp(image, 4));
  EXPECT_EQ(back.Palette, (std::vector<uint32_t>{0xFF123456, 0xFF654321, 0xFFABCDEF}));
  EXPECT_EQ(back.Pixels, image.Pixels);
}

TEST(BmpEncode, TooManyColoursFallBackToTheStandardColours) {
  TBmpImage image = MakeImage(20, 1, {});
  for (uint32_t i = 0; i < 20; ++i) image.Pixels.push_back(0xFF000000 | (0xF0 + i % 8) << 16 | i);
  TBmpImage back = DecodeBmp(EncodeBmp(image, 4));
  EXPECT_EQ(back.Palette.size(), 16u);
  for (uint32_t p : back.Pixels) EXPECT_EQ(p, 0xFFFF0000u);  // nearest standard colour: red
  // 300 distinct near-greys: more than a colour table holds.
  TBmpImage grey = MakeImage(300, 1, {});
  for (uint32_t i = 0; i < 300; ++i)
    grey.Pixels.push_back(0xFF000000 | (i * 255 / 299) * 0x010101 | i % 2);
  TBmpImage greyBack = DecodeBmp(EncodeBmp(grey, 8));
  for (size_t i = 0; i < grey.Pixels.size(); ++i) {
    EXPECT_LE(bmp_test::ChannelDistance(greyBack.Pixels[i], grey.Pixels[i]), 4) << i;
  }
}

TEST(BmpEncode, StreamsHoldImagesOneAfterAnother) {
  TMemoryStream stream;
  WriteBmp(stream, FourColours(), 24);
  WriteBmp(stream, MakeImage(1, 1, {0xFF123456}), 8);
  stream.SetPosition(0);
  EXPECT_EQ(ReadBmp(stream).Pixels, FourColours().Pixels);
  EXPECT_EQ(ReadBmp(stream).Pixels, (std::vector<uint32_t>{0xFF123456}));
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_THROW(ReadBmp(stream), EInvalidGraphic);
  // A file header that misstates the size: the rest of the stream is the image.
  std::vector<uint8_t> file = EncodeBmp(FourColours(), 32);
  file[2] = file[3] = file[4] = file[5] = 0;
  TBytesStream misstated(file.data(), static_cast<int64_t>(file.size()));
  EXPECT_EQ(ReadBmp(misstated).Pixels, FourColours().Pixels);
}

TEST(BmpEncode, BadRequestsRaise) {
  EXPECT_THROW(EncodeBmp(FourColours(), 12), EInvalidGraphic);
  EXPECT_THROW(EncodeBmp(MakeImage(2, 2, {1, 2, 3}), 24), EInvalidGraphic);
  EXPECT_THROW(EncodeBmp(MakeImage(-1, 0, {}), 24), EInvalidGraphic);
  TBmpImage empty = DecodeBmp(EncodeBmp(MakeImage(0, 0, {}), 8));
  EXPECT_EQ(empty.Width, 0);
  EXPECT_TRUE(empty.Pixels.empty());
}

}  // namespace
