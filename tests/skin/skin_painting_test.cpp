// The shared skin painting routines, pixel by pixel.

#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/graphics/picture.h"
#include "skin/skin_painting.h"
#include "tests/skin/pixel_test_support.h"

namespace {

const TColor kBlue = Rgb(0, 0, 255);
const TColor kMagenta = clSkinTransparent;

class SpitBitmapTest : public TPixelTest {};

// Cell k of n spans x from (k-1) * w to k * w - 1, w = width div n; the target's old size
// does not matter.
TEST_F(SpitBitmapTest, CutsTheNamedCell) {
  struct TCase {
    TSize strip;
    int count, index, firstX;
  };
  for (const TCase& c : {TCase{{342, 19}, 18, 18, 323}, TCase{{54, 21}, 3, 2, 18},
                         TCase{{55, 4}, 3, 3, 36}}) {
    TBitmap strip(c.strip.cx, c.strip.cy);
    FillWithPositions(strip);
    TBitmap cell(100, 100);
    SpitBitmap(&strip, &cell, c.count, c.index);
    Keep(&cell);
    const int w = c.strip.cx / c.count;
    ASSERT_EQ(cell.Width(), w);
    ASSERT_EQ(cell.Height(), c.strip.cy);
    EXPECT_EQ(cell.Canvas()->Pixels(0, 0), PositionColor(c.firstX, 0));
    EXPECT_EQ(cell.Canvas()->Pixels(w - 1, c.strip.cy - 1), PositionColor(c.firstX + w - 1, c.strip.cy - 1));
  }
}

TEST_F(SpitBitmapTest, CutsAStripIntoItself) {
  TBitmap strip(40, 3);
  FillWithPositions(strip);
  SpitBitmap(&strip, &strip, 4, 3);
  EXPECT_EQ(strip.Width(), 10);
  EXPECT_EQ(strip.Canvas()->Pixels(0, 2), PositionColor(20, 2));
}

TEST_F(SpitBitmapTest, BadCellsRaiseAndLeaveTheTargetAlone) {
  TBitmap strip(30, 5);
  TBitmap cell(7, 7);
  EXPECT_THROW(SpitBitmap(&strip, &cell, 0, 1), EZeroDivide);
  for (auto [count, index] : {std::pair{3, 0}, {3, 4}, {3, -1}, {-3, 1}, {1, 2}}) {
    try {
      SpitBitmap(&strip, &cell, count, index);
      ADD_FAILURE() << "cell " << index << " of " << count << " was cut";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Bitmap cell " + std::to_string(index) + " of " +
                                 std::to_string(count) + " does not exist");
    }
  }
  EXPECT_EQ(cell.Width(), 7);
  EXPECT_EQ(cell.Height(), 7);
}

class StretchKeepCornersTest : public TPixelTest {
 protected:
  // A 74 x 21 button face whose every pixel tells where it came from.
  StretchKeepCornersTest() : face_(74, 21) { FillWithPositions(face_); }
  TColor At(TBitmap& b, int x, int y) { return b.Canvas()->Pixels(x, y); }
  TBitmap face_;
};

TEST_F(StretchKeepCornersTest, AtNaturalSizeTheCornersKeepTheirPixels) {
  TBitmap out(74, 21);
  Fill(out, kBlue);
  Keep(&out);
  StretchBitmapKeepCorners(&face_, out.Canvas(), Rect(0, 0, 74, 21), false);
  // Top-left 37 x 10, bottom-left 37 x 9, top-right 36 x 10, bottom-right 36 x 9.
  EXPECT_EQ(At(out, 0, 0), PositionColor(0, 0));
  EXPECT_EQ(At(out, 36, 9), PositionColor(36, 9));
  EXPECT_EQ(At(out, 0, 12), PositionColor(0, 12));
  EXPECT_EQ(At(out, 35, 20), PositionColor(35, 20));  // column 36 is the bottom edge's
  EXPECT_EQ(At(out, 38, 0), PositionColor(38, 0));
  EXPECT_EQ(At(out, 73, 9), PositionColor(73, 9));
  EXPECT_EQ(At(out, 38, 12), PositionColor(38, 12));
  EXPECT_EQ(At(out, 73, 20), PositionColor(73, 20));
}

TEST_F(StretchKeepCornersTest, WideningStretchesOnlyTheMiddle) {
  TBitmap out(200, 21);
  Fill(out, kBlue);
  Keep(&out);
  StretchBitmapKeepCorners(&face_, out.Canvas(), Rect(0, 0, 200, 21), false);
  // Corners keep their sizes, the right ones at the right edge.
  EXPECT_EQ(At(out, 36, 9), PositionColor(36, 9));
  EXPECT_EQ(At(out, 0, 20), PositionColor(0, 20));
  EXPECT_EQ(At(out, 164, 0), PositionColor(38, 0));
  EXPECT_EQ(At(out, 199, 20), PositionColor(73, 20));
  // The top edge repeats column 37; the bottom edge too, row by row.
  EXPECT_EQ(At(out, 37, 0), PositionColor(37, 0));
  EXPECT_EQ(At(out, 100, 5), PositionColor(37, 5));
  EXPECT_EQ(At(out, 163, 9), PositionColor(37, 9));
  EXPECT_EQ(At(out, 100, 15), PositionColor(37, 15));
  EXPECT_EQ(At(out, 100, 20), PositionColor(37, 20));
  // The left edge repeats row 10 over the rows between the left corners.
  EXPECT_EQ(At(out, 5, 10), PositionColor(5, 10));
  EXPECT_EQ(At(out, 5, 11), PositionColor(5, 10));
  // The right edge repeats row 11.
  EXPECT_EQ(At(out, 170, 10), PositionColor(44, 11));
  EXPECT_EQ(At(out, 170, 11), PositionColor(44, 11));
  // The centre repeats the middle pixel.
  EXPECT_EQ(At(out, 100, 10), PositionColor(37, 10));
}

TEST_F(StretchKeepCornersTest, OpaqueCornersKeepMagentaWhileTheMiddleLeavesItOut) {
  TBitmap face(74, 21);
  Fill(face, Rgb(200, 200, 200));
  face.Canvas()->SetPixels(0, 0, kMagenta);
  face.Canvas()->SetPixels(73, 20, kMagenta);
  Fill(face, kMagenta, Rect(37, 0, 38, 3));  // the top edge's source column
  for (bool transparent : {false, true}) {
    TBitmap out(200, 21);
    Fill(out, kBlue);
    Keep(&out);
    StretchBitmapKeepCorners(&face, out.Canvas(), Rect(0, 0, 200, 21), transparent);
    TColor corner = transparent ? kBlue : kMagenta;
    EXPECT_EQ(At(out, 0, 0), corner) << transparent;
    EXPECT_EQ(At(out, 199, 20), corner) << transparent;
    EXPECT_EQ(At(out, 100, 1), kBlue) << transparent;
    EXPECT_EQ(At(out, 100, 4), Rgb(200, 200, 200)) << transparent;
  }
}

TEST_F(StretchKeepCornersTest, ShrinkingCutsTheCornersFromTheOutside) {
  TBitmap out(20, 9);
  Fill(out, kBlue);
  Keep(&out);
  StretchBitmapKeepCorners(&face_, out.Canvas(), Rect(0, 0, 20, 9), false);
  // Quadrants: left 10 wide, right 9; top 4 high, bottom 3.
  EXPECT_EQ(At(out, 9, 3), PositionColor(9, 3));
  EXPECT_EQ(At(out, 0, 8), PositionColor(0, 20));
  EXPECT_EQ(At(out, 19, 0), PositionColor(73, 0));
  EXPECT_EQ(At(out, 19, 8), PositionColor(73, 20));
}

TEST_F(StretchKeepCornersTest, EmptyBitmapOrRectangleDrawsNothing) {
  TBitmap out(30, 30);
  Fill(out, kBlue);
  TBitmap empty;
  StretchBitmapKeepCorners(&empty, out.Canvas(), Rect(0, 0, 30, 30), true);
  StretchBitmapKeepCorners(&face_, out.Canvas(), Rect(0, 0, 0, 0), true);
  StretchBitmapKeepCorners(&face_, out.Canvas(), Rect(0, 0, 0, 20), false);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) ASSERT_EQ(At(out, x, y), kBlue) << x << "," << y;
  }
}

TEST_F(StretchKeepCornersTest, AnEvenHeightStillFillsTheLeftEdgeAndCentre) {
  TBitmap face(10, 20);
  Fill(face, Rgb(9, 9, 9));
  TBitmap out(60, 60);
  Fill(out, kBlue);
  Keep(&out);
  StretchBitmapKeepCorners(&face, out.Canvas(), Rect(0, 0, 60, 60), false);
  EXPECT_EQ(At(out, 2, 30), Rgb(9, 9, 9));   // left edge
  EXPECT_EQ(At(out, 30, 30), Rgb(9, 9, 9));  // centre
}

class ThreeCellTest : public TPixelTest {};

TEST_F(ThreeCellTest, EndsAtNaturalSizeAndTheMiddleStretched) {
  TBitmap bar(45, 4);
  Fill(bar, Rgb(255, 0, 0), Rect(0, 0, 15, 4));
  Fill(bar, Rgb(0, 255, 0), Rect(15, 0, 30, 4));
  Fill(bar, Rgb(0, 0, 128), Rect(30, 0, 45, 4));
  bar.Canvas()->SetPixels(0, 0, kMagenta);
  bar.Canvas()->SetPixels(44, 3, kMagenta);
  TBitmap out(120, 10);
  Fill(out, kBlue);
  Keep(&out);
  DrawThreePieceHorizontal(&bar, out.Canvas(), Rect(10, 2, 110, 8), false);
  EXPECT_EQ(out.Canvas()->Pixels(10, 2), kBlue);  // magenta left out
  EXPECT_EQ(out.Canvas()->Pixels(11, 2), Rgb(255, 0, 0));
  EXPECT_EQ(out.Canvas()->Pixels(24, 5), Rgb(255, 0, 0));
  EXPECT_EQ(out.Canvas()->Pixels(25, 2), Rgb(0, 255, 0));
  EXPECT_EQ(out.Canvas()->Pixels(94, 7), Rgb(0, 255, 0));  // middle stretched to the bottom
  EXPECT_EQ(out.Canvas()->Pixels(95, 2), Rgb(0, 0, 128));
  EXPECT_EQ(out.Canvas()->Pixels(109, 5), kBlue);  // magenta left out
  EXPECT_EQ(out.Canvas()->Pixels(109, 6), kBlue);  // ends keep their own height
  EXPECT_EQ(out.Canvas()->Pixels(110, 2), kBlue);
}

TEST_F(ThreeCellTest, NarrowerThanBothEndsDrawsNoMiddle) {
  TBitmap bar(30, 2);
  Fill(bar, Rgb(255, 0, 0), Rect(0, 0, 10, 2));
  Fill(bar, Rgb(0, 255, 0), Rect(10, 0, 20, 2));
  Fill(bar, Rgb(0, 0, 128), Rect(20, 0, 30, 2));
  TBitmap out(40, 2);
  Fill(out, kBlue);
  Keep(&out);
  DrawThreePieceHorizontal(&bar, out.Canvas(), Rect(5, 0, 20, 2), false);
  int middle = 0;
  for (int x = 0; x < 40; ++x) middle += out.Canvas()->Pixels(x, 0) == Rgb(0, 255, 0);
  EXPECT_EQ(middle, 0);
  EXPECT_EQ(out.Canvas()->Pixels(5, 0), Rgb(255, 0, 0));
  EXPECT_EQ(out.Canvas()->Pixels(19, 0), Rgb(0, 0, 128));
}

TEST_F(ThreeCellTest, TheCornerColourCanBeTheMask) {
  TBitmap bar(9, 2);
  Fill(bar, Rgb(1, 2, 3));
  bar.Canvas()->SetPixels(0, 0, Rgb(255, 255, 0));
  bar.Canvas()->SetPixels(1, 0, kMagenta);
  TBitmap out(20, 2);
  Fill(out, kBlue);
  Keep(&out);
  DrawThreePieceHorizontal(&bar, out.Canvas(), Rect(0, 0, 20, 2), true);
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), kBlue);
  EXPECT_EQ(out.Canvas()->Pixels(1, 0), kMagenta);
  EXPECT_EQ(out.Canvas()->Pixels(2, 1), Rgb(1, 2, 3));
}

class TilePictureTest : public TPixelTest {};

TEST_F(TilePictureTest, TilesFromTheCanvasOrigin) {
  TPicture picture;
  TBitmap tile(3, 2);
  FillWithPositions(tile);
  picture.SetBitmap(&tile);
  TBitmap out(20, 20);
  Fill(out, kBlue);
  Keep(&out);
  TilePicture(out.Canvas(), &picture, Rect(5, 5, 11, 9));
  // Width 6 plus one tile: origins 0, 3, 6; height 4 plus one tile: origins 0, 2, 4.
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), PositionColor(0, 0));
  EXPECT_EQ(out.Canvas()->Pixels(4, 3), PositionColor(1, 1));
  EXPECT_EQ(out.Canvas()->Pixels(8, 5), PositionColor(2, 1));
  EXPECT_EQ(out.Canvas()->Pixels(9, 0), kBlue);
  EXPECT_EQ(out.Canvas()->Pixels(0, 6), kBlue);
}

TEST_F(TilePictureTest, AnEmptyPictureDrawsNothing) {
  TBitmap out(5, 5);
  Fill(out, kBlue);
  TPicture empty;
  TilePicture(out.Canvas(), &empty, Rect(0, 0, 5, 5));
  TPicture zeroSized;
  TBitmap nothing;
  zeroSized.SetBitmap(&nothing);
  TilePicture(out.Canvas(), &zeroSized, Rect(0, 0, 5, 5));
  TilePicture(out.Canvas(), nullptr, Rect(0, 0, 5, 5));
  EXPECT_EQ(out.Canvas()->Pixels(0, 0), kBlue);
}

TEST(BitmapRotation, QuarterTurnsMovePixelsAsStated) {
  TBitmap b(3, 2);
  FillWithPositions(b);
  RotateBitmapLeft(&b);
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 3);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Canvas()->Pixels(y, 3 - 1 - x), PositionColor(x, y));
  }
  RotateBitmapRight(&b);
  ASSERT_EQ(b.Width(), 3);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Canvas()->Pixels(x, y), PositionColor(x, y));
  }
  RotateBitmapRight(&b);  // old (x, y) lands at (H-1-y, x)
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), PositionColor(0, 0));
  EXPECT_EQ(b.Canvas()->Pixels(0, 2), PositionColor(2, 1));
  TBitmap empty;
  RotateBitmapLeft(&empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(SkinGeometry, InRectCountsTheRightAndBottomEdges) {
  EXPECT_TRUE(InRect(Point(10, 10), Rect(0, 0, 10, 10)));
  EXPECT_TRUE(InRect(0, 0, Rect(0, 0, 10, 10)));
  EXPECT_FALSE(InRect(11, 10, Rect(0, 0, 10, 10)));
  EXPECT_FALSE(InRect(5, -1, Rect(0, 0, 10, 10)));
  EXPECT_FALSE(IsWin95OSR2());
}

}  // namespace
