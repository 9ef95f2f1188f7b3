#include "platform/graphics/picture.h"

#include <gtest/gtest.h>

#include "platform/core/streams.h"
#include "platform/graphics/icon.h"
#include "tests/graphics/bmp_test_support.h"
#include "tests/graphics/image_test_support.h"

using namespace image_test;

namespace {

TEST(Picture, BitmapAndIconReplaceEachOther) {
  TPicture picture;
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);
  TBitmap* bitmap = picture.Bitmap();
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(picture.Bitmap(), bitmap);  // asking again keeps the same bitmap
  bitmap->SetSize(7, 3);
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(picture.Height(), 3);
  TIcon* icon = picture.Icon();
  EXPECT_EQ(picture.Graphic(), icon);
  EXPECT_TRUE(icon->Empty());
  EXPECT_EQ(picture.Width(), 0);
}

TEST(Picture, HoldsCopiesOfWhatItIsGiven) {
  TBitmap source(4, 2);
  Fill(source, clRed);
  TPicture picture;
  picture.SetGraphic(&source);
  ASSERT_NE(picture.Graphic(), &source);
  EXPECT_EQ(picture.Graphic()->ClassType(), TBitmap::StaticClass());
  Fill(source, clBlue);
  EXPECT_EQ(Rgb(*picture.Bitmap(), 1, 1), Rgb(clRed));
  TPicture other;
  other.Assign(&picture);
  EXPECT_EQ(Rgb(*other.Bitmap(), 3, 1), Rgb(clRed));
  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);
  TBitmap target;
  target.Assign(&picture);
  EXPECT_EQ(target.Width(), 4);
  EXPECT_EQ(Rgb(target, 0, 0), Rgb(clRed));
}

TEST(Picture, ChangesOfTheHeldGraphicAreReported) {
  TPicture picture;
  int changes = 0;
  picture.OnChange.Bind(nullptr, "", [&](TObject* sender) {
    EXPECT_EQ(sender, &picture);
    ++changes;
  });
  TBitmap* bitmap = picture.Bitmap();
  EXPECT_EQ(changes, 1);
  bitmap->SetSize(5, 5);
  EXPECT_GE(changes, 2);
  int before = changes;
  picture.SetGraphic(nullptr);
  EXPECT_EQ(changes, before + 1);
}

class PictureFiles : public ::testing::Test {
 protected:
  bmp_test::TempDir dir_;
};

TEST_F(PictureFiles, LoadFromFileChoosesTheKindByExtension) {
  TBitmap source(3, 2);
  Fill(source, clGreen);
  std::string bmp = dir_.File("p.bmp");
  source.SaveToFile(bmp);
  TPicture picture;
  picture.LoadFromFile(bmp);
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(Rgb(*picture.Bitmap(), 2, 1), Rgb(clGreen));

  TIcon icon;
  icon.SetImage(&source, nullptr);
  std::string ico = dir_.File("p.ICO");
  picture.SetIcon(&icon);
  picture.SaveToFile(ico);
  TPicture fromIcon;
  fromIcon.LoadFromFile(ico);
  ASSERT_NE(dynamic_cast<TIcon*>(fromIcon.Graphic()), nullptr);
  EXPECT_EQ(fromIcon.Width(), 3);
}

TEST_F(PictureFiles, AFileThatCannotBeReadKeepsThePicture) {
  TPicture picture;
  picture.Bitmap()->SetSize(6, 6);
  try {
    picture.LoadFromFile(dir_.File("notes.txt"));
    ADD_FAILURE() << "an unknown extension must raise";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.txt)");
  }
  EXPECT_THROW(picture.LoadFromFile(dir_.File("missing.bmp")), EFOpenError);
  bmp_test::WriteFile(dir_.File("broken.bmp"), {'B', 'M', 1, 2, 3});
  EXPECT_THROW(picture.LoadFromFile(dir_.File("broken.bmp")), EInvalidGraphic);
  EXPECT_EQ(picture.Width(), 6);
  TPicture empty;
  empty.SaveToFile(dir_.File("empty.bmp"));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("empty.bmp")));
}

}  // namespace
