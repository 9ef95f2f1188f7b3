#include "platform/graphics/resources.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/graphics/bmp_codec.h"
#include "tests/graphics/image_test_support.h"

using namespace image_test;

namespace {

bool Has(const std::vector<String>& names, const String& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The platform's own artwork is drawn by the generator and embedded when the project is built.
TEST(BuiltInArtwork, ThePlatformPicturesAreRegistered) {
  std::vector<String> bitmaps = BuiltInBitmapNames();
  EXPECT_TRUE(Has(bitmaps, "CHECK_MARK"));
  EXPECT_TRUE(Has(bitmaps, "SORT_ARROW_UP"));
  EXPECT_TRUE(Has(bitmaps, "SORT_ARROW_DOWN"));
  EXPECT_TRUE(Has(BuiltInCursorNames(), "DRAG_CURSOR"));
  EXPECT_TRUE(std::is_sorted(bitmaps.begin(), bitmaps.end()));
}

TEST(BuiltInArtwork, BitmapsLoadByNameIgnoringCase) {
  TBitmap check;
  check.LoadFromResourceName(0, "Check_Mark");
  ASSERT_EQ(check.Width(), 9);
  ASSERT_EQ(check.Height(), 9);
  // The tick: three pixels high in every column from 1 to 7, lowest in column 3.
  EXPECT_EQ(Rgb(check, 1, 3), Rgb(clBlack));
  EXPECT_EQ(Rgb(check, 1, 5), Rgb(clBlack));
  EXPECT_EQ(Rgb(check, 1, 6), Rgb(clFuchsia));
  EXPECT_EQ(Rgb(check, 3, 7), Rgb(clBlack));
  EXPECT_EQ(Rgb(check, 7, 1), Rgb(clBlack));
  EXPECT_EQ(Rgb(check, 7, 0), Rgb(clFuchsia));
  EXPECT_EQ(Rgb(check, 0, 0), Rgb(clFuchsia));
  KeepIfFailed(check, "builtin_check_mark");

  TBitmap up, down;
  up.LoadFromResourceName(0, "SORT_ARROW_UP");
  down.LoadFromResourceName(0, "sort_arrow_down");
  ASSERT_EQ(up.Width(), 9);
  ASSERT_EQ(up.Height(), 5);
  EXPECT_EQ(Rgb(up, 4, 0), Rgb(clGray));
  EXPECT_EQ(Rgb(up, 3, 0), Rgb(clFuchsia));
  EXPECT_EQ(Rgb(up, 0, 4), Rgb(clGray));
  EXPECT_EQ(Rgb(up, 8, 4), Rgb(clGray));
  EXPECT_EQ(Rgb(down, 4, 4), Rgb(clGray));
  EXPECT_EQ(Rgb(down, 3, 4), Rgb(clFuchsia));
  EXPECT_EQ(Rgb(down, 0, 0), Rgb(clGray));
}

TEST(BuiltInArtwork, UnknownNamesRaiseAndLeaveTheBitmap) {
  TBitmap bitmap(3, 3);
  try {
    bitmap.LoadFromResourceName(0, "NO_SUCH_PICTURE");
    ADD_FAILURE() << "an unknown name must raise";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NO_SUCH_PICTURE not found");
  }
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_THROW(LoadCursorFromResourceName("CHECK_MARK"), EResNotFound);  // a bitmap, not a cursor
  EXPECT_EQ(FindBuiltInBitmap("DRAG_CURSOR"), nullptr);
}

TEST(BuiltInArtwork, CursorsComeWithMaskAndHotSpot) {
  TCursorImage cursor = LoadCursorFromResourceName("drag_cursor");
  ASSERT_NE(cursor.Image, nullptr);
  ASSERT_NE(cursor.Mask, nullptr);
  EXPECT_EQ(cursor.Image->Width(), 32);
  EXPECT_EQ(cursor.Mask->Height(), 32);
  EXPECT_EQ(cursor.HotSpot, Point(0, 0));
  EXPECT_EQ(Rgb(*cursor.Mask, 0, 0), Rgb(clBlack));   // the arrow's tip shows
  EXPECT_EQ(Rgb(*cursor.Image, 0, 0), Rgb(clBlack));  // in the outline colour
  EXPECT_EQ(Rgb(*cursor.Mask, 1, 5), Rgb(clBlack));
  EXPECT_EQ(Rgb(*cursor.Image, 1, 5), Rgb(clWhite));   // filled white
  EXPECT_EQ(Rgb(*cursor.Mask, 31, 31), Rgb(clWhite));  // the background is see-through
  EXPECT_EQ(Rgb(*cursor.Image, 31, 31), Rgb(clBlack));
  EXPECT_EQ(Rgb(*cursor.Mask, 15, 22), Rgb(clBlack));  // the page under the arrow
  KeepIfFailed(*cursor.Mask, "builtin_drag_cursor_mask");
}

// Libraries register their own tables the same way the generated code does.
TEST(BuiltInArtwork, RegisteredTablesAreFoundAndLaterNamesWin) {
  TBmpImage red{1, 1, 24, {}, {0xFFFF0000}, false}, blue{1, 1, 24, {}, {0xFF0000FF}, false};
  static const std::vector<uint8_t> redBmp = EncodeBmp(red, 24), blueBmp = EncodeBmp(blue, 24);
  static const TBuiltInBitmap first[] = {{"TEST_SWATCH", redBmp.data(), redBmp.size()}};
  static const TBuiltInBitmap second[] = {{"test_swatch", blueBmp.data(), blueBmp.size()}};
  RegisterBuiltInBitmaps(first, 1);
  TBitmap bitmap;
  bitmap.LoadFromResourceName(0, "TEST_SWATCH");
  EXPECT_EQ(Rgb(bitmap, 0, 0), 0xFF0000u);
  RegisterBuiltInBitmaps(second, 1);
  bitmap.LoadFromResourceName(0, "Test_Swatch");
  EXPECT_EQ(Rgb(bitmap, 0, 0), 0x0000FFu);
}

}  // namespace
