// Cursors made from pictures: numbered apart from the standard shapes, kept as a copy of the
// picture, set and read like any cursor, and freed once.
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/resources.h"
#include "platform/windows/cursors.h"

namespace {

TCursorImage Picture(int size, TPoint hotSpot) {
  TCursorImage picture;
  picture.Image = std::make_unique<TBitmap>();
  picture.Image->SetSize(size, size);
  picture.Image->Canvas()->Brush()->SetColor(clRed);
  picture.Image->Canvas()->FillRect(Rect(0, 0, size, size));
  picture.Mask = std::make_unique<TBitmap>();
  picture.Mask->SetSize(size, size);
  picture.HotSpot = hotSpot;
  return picture;
}

TEST(ImageCursors, APictureBecomesACursorOfItsOwnThatKeepsACopy) {
  TCursorImage picture = Picture(16, {3, 5});
  const HCURSOR cursor = CreateImageCursor(picture);
  ASSERT_NE(cursor, 0);
  for (HCURSOR standard : {IDC_ARROW, IDC_IBEAM, IDC_SIZEWE, IDC_HELP}) EXPECT_NE(cursor, standard);
  const HCURSOR second = CreateImageCursor(picture);
  EXPECT_NE(second, cursor) << "each picture gets its own number";
  EXPECT_TRUE(DestroyCursor(second));
  EXPECT_EQ(CursorPicture(IDC_ARROW), nullptr);

  picture.Image->SetSize(4, 4);
  const TCursorImage* kept = CursorPicture(cursor);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->Image->Width(), 16) << "the cursor keeps its own copy";
  EXPECT_EQ(kept->HotSpot, Point(3, 5));
  EXPECT_EQ(kept->Image->Canvas()->Pixels(8, 8), clRed);

  SetCursor(cursor);
  EXPECT_EQ(GetCursor(), cursor);
  EXPECT_TRUE(DestroyCursor(cursor));
  EXPECT_EQ(GetCursor(), IDC_ARROW) << "a freed current cursor gives way to the arrow";
  EXPECT_EQ(CursorPicture(cursor), nullptr);
  EXPECT_FALSE(DestroyCursor(cursor)) << "freed once";
  EXPECT_FALSE(DestroyCursor(IDC_ARROW)) << "standard cursors are not ours to free";
}

TEST(ImageCursors, APictureWithoutAnImageMakesNoCursor) {
  TCursorImage none;
  EXPECT_EQ(CreateImageCursor(none), 0);
  TCursorImage empty = Picture(0, {0, 0});
  EXPECT_EQ(CreateImageCursor(empty), 0);
}

}  // namespace

// A library frees its cursors from a static object of its own when the process ends; that
// object may have been made before the first cursor was.
TEST(ImageCursors, ACursorFreedWhileTheProcessEndsIsFreedCleanly) {
  EXPECT_EXIT(
      {
        struct TOwner {
          HCURSOR Cursor = 0;
          ~TOwner() {
            if (!DestroyCursor(Cursor)) std::_Exit(3);
          }
        };
        static TOwner owner;
        owner.Cursor = CreateImageCursor(Picture(16, {0, 0}));
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}
