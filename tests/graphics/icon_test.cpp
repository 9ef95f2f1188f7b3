#include "platform/graphics/icon.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/core/streams.h"
#include "platform/graphics/icon_file.h"
#include "tests/graphics/bmp_test_support.h"
#include "tests/graphics/image_test_support.h"

using namespace image_test;

namespace {

// A 6 x 4 icon: a red body with its left column see-through (through the mask).
TIcon RedIcon() {
  TBitmap picture(6, 4), mask(6, 4);
  Fill(picture, clRed);
  Fill(mask, clBlack);
  Fill(mask, clWhite, Rect(0, 0, 1, 4));
  TIcon icon;
  icon.SetImage(&picture, &mask);
  return icon;
}

TEST(Icon, DrawsThroughItsMask) {
  TIcon icon = RedIcon();
  EXPECT_EQ(icon.Width(), 6);
  EXPECT_EQ(icon.Height(), 4);
  TBitmap target(20, 20);
  Fill(target, clAqua);
  target.Canvas()->Draw(2, 3, &icon);
  EXPECT_EQ(Rgb(target, 2, 3), Rgb(clAqua));
  EXPECT_EQ(Rgb(target, 3, 3), Rgb(clRed));
  EXPECT_EQ(Rgb(target, 7, 6), Rgb(clRed));
  EXPECT_EQ(Rgb(target, 8, 6), Rgb(clAqua));
  target.Canvas()->StretchDraw(Rect(0, 10, 12, 18), &icon);  // twice the size
  EXPECT_EQ(Rgb(target, 1, 12), Rgb(clAqua));
  EXPECT_EQ(Rgb(target, 2, 12), Rgb(clRed));
  EXPECT_EQ(Rgb(target, 11, 17), Rgb(clRed));
  KeepIfFailed(target, "icon_draw");
}

TEST(Icon, TransparentBitmapsGiveTheirKeyColourAway) {
  TBitmap picture(3, 3);
  Fill(picture, clLime);
  picture.Canvas()->SetPixels(1, 1, clNavy);
  picture.SetTransparent(true);  // automatic colour: the bottom-left pixel, lime
  TIcon icon;
  icon.Assign(&picture);
  EXPECT_EQ(icon.Image().Pixel(0, 0) >> 24, 0u);
  EXPECT_EQ(icon.Image().Pixel(1, 1), 0xFF000080u);
  picture.SetTransparent(false);
  icon.Assign(&picture);
  EXPECT_EQ(icon.Image().Pixel(0, 0), 0xFF00FF00u);
}

TEST(Icon, FilesKeepPixelsSeeThroughAndHotSpot) {
  TIcon icon = RedIcon();
  icon.SetCursor(true);
  icon.SetHotSpot(Point(4, 2));
  TMemoryStream stream;
  icon.SaveToStream(stream);
  EXPECT_EQ(stream.Memory()[2], 2);  // a cursor file
  stream.SetPosition(0);
  TIcon back;
  back.LoadFromStream(stream);
  EXPECT_TRUE(back.Cursor());
  EXPECT_EQ(back.HotSpot(), Point(4, 2));
  EXPECT_EQ(back.Image().Pixels, icon.Image().Pixels);
  EXPECT_THROW(back.SetWidth(3), EInvalidGraphicOperation);
  TIcon empty;
  TMemoryStream out;
  EXPECT_THROW(empty.SaveToStream(out), EInvalidGraphic);
}

TEST(Icon, TheLargestImageOfAFileIsRead) {
  // Two images: 1 x 1 and 2 x 1, both 32-bit with alpha in the fourth byte.
  bmp_test::Bytes b;
  b.U16(0).U16(1).U16(2);
  b.Raw({1, 1, 0, 0}).U16(1).U16(32).U32(40 + 4 + 4).U32(6 + 32);
  b.Raw({2, 1, 0, 0}).U16(1).U16(32).U32(40 + 8 + 4).U32(6 + 32 + 48);
  b.U32(40).U32(1).U32(2).U16(1).U16(32).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
  b.U32(0xFF0000FF).U32(0);
  b.U32(40).U32(2).U32(2).U16(1).U16(32).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
  b.U32(0x80112233).U32(0x00445566).U32(0);
  TIconFileImage image = DecodeIconFile(b.data.data(), b.data.size());
  ASSERT_EQ(image.Image.Width, 2);
  EXPECT_EQ(image.Image.Height, 1);
  EXPECT_FALSE(image.Cursor);
  EXPECT_EQ(image.Image.Pixels, (std::vector<uint32_t>{0x80112233, 0x00445566}));
}

TEST(Icon, ImagesWithoutAlphaUseTheirMask) {
  // One 3 x 2 image, 24 bits: the top row blue, the bottom red; the mask (bottom row first)
  // clears the bottom row's last pixel and the top row's first.
  bmp_test::Bytes b;
  b.U16(0).U16(1).U16(1);
  b.Raw({3, 2, 0, 0}).U16(1).U16(24).U32(40 + 24 + 8).U32(6 + 16);
  b.U32(40).U32(3).U32(4).U16(1).U16(24).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
  b.Raw({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0});
  b.Raw({255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 0});
  b.Raw({0x20, 0, 0, 0, 0x80, 0, 0, 0});
  TIconFileImage image = DecodeIconFile(b.data.data(), b.data.size());
  ASSERT_EQ(image.Image.Width, 3);
  ASSERT_EQ(image.Image.Height, 2);
  EXPECT_EQ(image.Image.Pixels,
            (std::vector<uint32_t>{0x000000FF, 0xFF0000FF, 0xFF0000FF,  //
                                   0xFFFF0000, 0xFFFF0000, 0x00FF0000}));
}

TEST(Icon, MalformedFilesAreRefused) {
  auto refuse = [](std::vector<uint8_t> bytes, const std::string& fragment) {
    try {
      DecodeIconFile(bytes.data(), bytes.size());
      ADD_FAILURE() << "no error for " << fragment;
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(e.Message().find(fragment), std::string::npos) << e.Message();
    }
  };
  refuse({}, "missing icon directory");
  refuse({0, 0, 3, 0, 1, 0}, "unknown resource type 3");
  refuse({0, 0, 1, 0, 0, 0}, "holds no image");
  refuse({0, 0, 1, 0, 2, 0, 16, 16}, "icon directory lies past the end");
  bmp_test::Bytes past;
  past.U16(0).U16(1).U16(1).Raw({16, 16, 0, 0}).U16(1).U16(32).U32(1000).U32(22);
  refuse(past.data, "icon image lies past the end");
  bmp_test::Bytes png;
  png.U16(0).U16(1).U16(1).Raw({16, 16, 0, 0}).U16(1).U16(32).U32(8).U32(22);
  png.Raw({0x89, 'P', 'N', 'G', 13, 10, 26, 10});
  refuse(png.data, "PNG");
}

TEST(Icon, MutatedFilesDecodeOrRaise) {
  TIcon icon = RedIcon();
  TMemoryStream stream;
  icon.SaveToStream(stream);
  const std::vector<uint8_t> sample = stream.Bytes();
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> bytes = sample;
    for (int i = 0; i < 3; ++i) bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
    if (round % 5 == 0) bytes.resize(random() % bytes.size());
    try {
      TIconFileImage image = DecodeIconFile(bytes.data(), bytes.size());
      EXPECT_EQ(image.Image.Pixels.size(),
                static_cast<size_t>(image.Image.Width) * image.Image.Height);
    } catch (const EInvalidGraphic&) {
    }
  }
}

class IconInterop : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!bmp_test::HaveConvert()) GTEST_SKIP() << "/usr/bin/convert is not installed";
  }
  bmp_test::TempDir dir_;
};

TEST_F(IconInterop, IconsGoBothWaysWithTheOtherProgram) {
  std::string theirs = dir_.File("theirs.ico");
  ASSERT_EQ(bmp_test::RunConvert(
                "-size 16x16 xc:none -fill '#3366CC' -draw 'rectangle 4,4 11,11' " + theirs),
            0);
  TMemoryStream stream;
  stream.LoadFromFile(theirs);
  TIcon icon;
  icon.LoadFromStream(stream);
  ASSERT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Image().Pixel(0, 0) >> 24, 0u);
  EXPECT_EQ(icon.Image().Pixel(4, 4), 0xFF3366CCu);
  EXPECT_EQ(icon.Image().Pixel(11, 11), 0xFF3366CCu);
  EXPECT_EQ(icon.Image().Pixel(12, 11) >> 24, 0u);

  std::string ours = dir_.File("ours.ico");
  TMemoryStream out;
  RedIcon().SaveToStream(out);
  out.SaveToFile(ours);
  std::vector<uint32_t> seen = bmp_test::PixelsSeenByConvert(ours);
  ASSERT_EQ(seen.size(), 24u);
  EXPECT_EQ(seen[0] >> 24, 0u);
  EXPECT_EQ(seen[1], 0xFFFF0000u);
  EXPECT_EQ(seen[23], 0xFFFF0000u);
}

}  // namespace
