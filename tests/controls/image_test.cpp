#include "platform/controls/image.h"

#include "platform/controls/panel.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class ImageTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    host = Make<TPanel>(Bounds(10, 10, 200, 150));
    host->SetBevelOuter(bvNone);
    host->SetColor(clYellow);
    image = new TImage(form_);
    image->SetParent(host);
    image->SetBounds(20, 20, 100, 80);
    // A 20x10 picture: blue with a red bottom-left corner pixel (the see-through colour).
    TBitmap bmp(20, 10);
    bmp.Canvas()->Brush()->SetColor(clBlue);
    bmp.Canvas()->FillRect(Rect(0, 0, 20, 10));
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->FillRect(Rect(0, 5, 5, 10));
    image->Picture()->SetBitmap(&bmp);
  }
  TColor Pixel(int x, int y) { return At(image->Left() + x, image->Top() + y); }
  TPanel* host = nullptr;
  TImage* image = nullptr;
};

TEST_F(ImageTest, DrawsAtTheCornerCentredOrStretched) {
  PaintControl(host);
  EXPECT_EQ(Pixel(10, 2), Sys(clBlue));
  EXPECT_EQ(Pixel(30, 2), Sys(clYellow));  // the control is see-through where there is no picture
  image->SetCenter(true);
  EXPECT_EQ(image->DestRect(), Bounds(40, 35, 20, 10));
  PaintControl(host);
  EXPECT_EQ(Pixel(10, 2), Sys(clYellow));
  EXPECT_EQ(Pixel(55, 37), Sys(clBlue));
  image->SetCenter(false);
  image->SetStretch(true);
  PaintControl(host);
  EXPECT_EQ(Pixel(90, 10), Sys(clBlue));
  EXPECT_EQ(Pixel(5, 75), Sys(clRed));
  image->SetProportional(true);
  EXPECT_EQ(image->DestRect(), Bounds(0, 0, 100, 50));
}

TEST_F(ImageTest, TransparentLeavesTheBackgroundUnderTheCornerColour) {
  PaintControl(host);
  EXPECT_EQ(Pixel(1, 8), Sys(clRed));
  image->SetTransparent(true);
  PaintControl(host);
  EXPECT_EQ(Pixel(1, 8), Sys(clYellow));
  EXPECT_EQ(Pixel(10, 8), Sys(clBlue));
}

TEST_F(ImageTest, AutoSizeFitsThePictureAndAnEmptyPictureDrawsNothing) {
  image->SetAutoSize(true);
  EXPECT_EQ(image->Width(), 20);
  EXPECT_EQ(image->Height(), 10);
  image->Picture()->SetGraphic(nullptr);
  EXPECT_EQ(image->DestRect(), TRect());
  PaintControl(host);
  EXPECT_EQ(Pixel(5, 5), Sys(clYellow));
}

}  // namespace
