#include "platform/graphics/shapes.h"

#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"
#include "tests/graphics/pixel_test_support.h"

using pixel_test::Str;

class Shapes : public PixelTest {
 protected:
  void SetUp() override { MakeBitmap(40, 30); }
  TCanvas* c() { return bmp.Canvas(); }
};

TEST_F(Shapes, LineToLeavesOutTheLastPixel) {
  c()->MoveTo(2, 5);
  c()->LineTo(12, 5);
  EXPECT_EQ(At(2, 5), clBlack);
  EXPECT_EQ(At(11, 5), clBlack);
  EXPECT_EQ(At(12, 5), clWhite);
  EXPECT_EQ(At(1, 5), clWhite);
  c()->MoveTo(3, 10);
  c()->LineTo(8, 15);  // diagonal
  EXPECT_EQ(At(3, 10), clBlack);
  EXPECT_EQ(At(7, 14), clBlack);
  EXPECT_EQ(At(8, 15), clWhite);
  EXPECT_EQ(c()->PenPos(), Point(8, 15));
}

TEST_F(Shapes, PolylineLeavesOutOnlyItsLastPoint) {
  c()->Polyline({{2, 2}, {10, 2}, {10, 8}});
  EXPECT_EQ(At(10, 2), clBlack);  // a corner is drawn by the next segment
  EXPECT_EQ(At(10, 7), clBlack);
  EXPECT_EQ(At(10, 8), clWhite);
}

TEST_F(Shapes, RectangleFillRectAndFrameRectExcludeRightAndBottom) {
  c()->Brush()->SetColor(clRed);
  c()->Rectangle(2, 2, 10, 8);
  EXPECT_EQ(InkBounds(clWhite), Rect(2, 2, 10, 8)) << Str(InkBounds(clWhite));
  EXPECT_EQ(At(2, 2), clBlack);
  EXPECT_EQ(At(9, 7), clBlack);
  EXPECT_EQ(At(3, 3), clRed);
  EXPECT_EQ(At(8, 6), clRed);

  MakeBitmap(40, 30);
  c()->Brush()->SetColor(clBlue);
  c()->FillRect(Rect(5, 5, 9, 7));
  EXPECT_EQ(InkBounds(clWhite), Rect(5, 5, 9, 7));
  EXPECT_EQ(CountColor(clBlue), 8);

  MakeBitmap(40, 30);
  c()->Brush()->SetColor(clGreen);
  c()->FrameRect(Rect(5, 5, 10, 9));
  EXPECT_EQ(InkBounds(clWhite), Rect(5, 5, 10, 9));
  EXPECT_EQ(At(9, 8), clGreen);
  EXPECT_EQ(At(6, 6), clWhite);
  EXPECT_EQ(CountColor(clGreen), 5 * 2 + 2 * 2);
}

// Long fills store whole blocks between the pixels they start and end with: every start and
// length still covers exactly its span, whatever the alignment of the row in memory.
TEST_F(Shapes, LongFillsCoverExactlyTheirSpanAtAnyStartAndLength) {
  for (int width : {37, 40}) {
    for (int left = 0; left < 9; ++left) {
      for (int length : {31, 32, 33, 39, 47, 48, 56, 64, 65, 71, 80}) {
        MakeBitmap(width + 90, 3);
        c()->Brush()->SetColor(clRed);
        c()->FillRect(Rect(left, 1, left + length, 2));
        SCOPED_TRACE("width " + std::to_string(width + 90) + ", left " + std::to_string(left) + ", length " +
                     std::to_string(length));
        ASSERT_EQ(InkBounds(clWhite), Rect(left, 1, left + length, 2)) << Str(InkBounds(clWhite));
        ASSERT_EQ(CountColor(clRed), length);
      }
    }
  }
}

TEST_F(Shapes, NullPenRectangleFillsOnePixelLessThanItsBox) {
  c()->Pen()->SetStyle(psClear);
  c()->Brush()->SetColor(clRed);
  c()->Rectangle(2, 2, 10, 8);
  EXPECT_EQ(InkBounds(clWhite), Rect(2, 2, 9, 7));
}

TEST_F(Shapes, PenStylesDashDotAndClear) {
  c()->Pen()->SetStyle(psDot);
  c()->MoveTo(0, 1);
  c()->LineTo(12, 1);
  // Three pixels on, three off.
  for (int x = 0; x < 12; ++x) EXPECT_EQ(At(x, 1), (x / 3) % 2 == 0 ? clBlack : clWhite) << x;
  c()->Pen()->SetStyle(psDash);
  c()->MoveTo(0, 3);
  c()->LineTo(30, 3);
  EXPECT_EQ(CountColor(clBlack, Rect(0, 3, 30, 4)), 18 + 6);
  c()->Pen()->SetStyle(psClear);
  c()->MoveTo(0, 5);
  c()->LineTo(30, 5);
  EXPECT_EQ(CountColor(clBlack, Rect(0, 5, 30, 6)), 0);
}

TEST_F(Shapes, OpaqueBackgroundFillsTheGapsOfStyledPens) {
  HDC h = dc();
  c()->Pen()->SetStyle(psDot);
  c()->Brush()->SetColor(clYellow);  // a solid brush makes the background opaque
  c()->MoveTo(0, 1);
  c()->LineTo(6, 1);
  EXPECT_EQ(At(4, 1), clYellow);
  c()->Brush()->SetStyle(bsClear);
  c()->MoveTo(0, 2);
  c()->LineTo(6, 2);
  EXPECT_EQ(At(4, 2), clWhite);
  (void)h;
}

TEST_F(Shapes, WidePensCoverTheirWidthAroundThePath) {
  c()->Pen()->SetWidth(3);
  c()->MoveTo(5, 10);
  c()->LineTo(20, 10);
  EXPECT_EQ(At(10, 9), clBlack);
  EXPECT_EQ(At(10, 11), clBlack);
  EXPECT_EQ(At(10, 12), clWhite);
  EXPECT_EQ(At(10, 8), clWhite);
  MakeBitmap(40, 30);
  c()->Brush()->SetStyle(bsClear);
  c()->Rectangle(5, 5, 15, 15);
  EXPECT_EQ(At(4, 10), clBlack);  // centred on the outline path
  EXPECT_EQ(At(6, 10), clBlack);
  EXPECT_EQ(At(7, 10), clWhite);
  EXPECT_EQ(At(3, 10), clWhite);
}

TEST_F(Shapes, GeometricFlatPensInPolyPolylineCoverExactlyTheirLength) {
  LOGBRUSH lb;
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 2, lb);
  HGDIOBJ old = SelectObject(dc(), pen);
  TPoint pts[] = {{2, 4}, {12, 4}, {20, 2}, {20, 12}};
  DWORD counts[] = {2, 2};
  EXPECT_TRUE(PolyPolyline(dc(), pts, counts, 2));
  SelectObject(dc(), old);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_EQ(InkBounds(clWhite, Rect(0, 0, 16, 10)), Rect(2, 3, 12, 5));
  EXPECT_EQ(InkBounds(clWhite, Rect(16, 0, 40, 30)), Rect(19, 2, 21, 12));
}

TEST_F(Shapes, XorLineAndNotModeDrawnTwiceRestoreThePicture) {
  c()->Brush()->SetColor(clTeal);
  c()->FillRect(Rect(0, 0, 20, 30));
  std::vector<uint32_t> before(bmp.Pixels32(), bmp.Pixels32() + 40 * 30);
  for (TPenMode mode : {pmXor, pmNotXor, pmNot}) {
    c()->Pen()->SetMode(mode);
    c()->Pen()->SetColor(clYellow);
    for (int pass = 0; pass < 2; ++pass) {
      c()->MoveTo(0, 0);
      c()->LineTo(39, 29);
      c()->MoveTo(5, 20);
      c()->LineTo(35, 20);
    }
    EXPECT_TRUE(std::equal(before.begin(), before.end(), bmp.Pixels32())) << mode;
  }
  c()->Pen()->SetMode(pmXor);
  c()->MoveTo(0, 5);
  c()->LineTo(30, 5);
  EXPECT_EQ(At(2, 5), clTeal ^ clYellow);
  EXPECT_EQ(At(25, 5), clWhite ^ clYellow);
}

TEST_F(Shapes, EllipseStaysInsideItsBoxAndIsSymmetric) {
  c()->Brush()->SetColor(clRed);
  c()->Ellipse(4, 4, 24, 18);
  EXPECT_EQ(InkBounds(clWhite), Rect(4, 4, 24, 18)) << Str(InkBounds(clWhite));
  EXPECT_EQ(At(14, 11), clRed);
  EXPECT_EQ(At(4, 4), clWhite);   // corners stay clear
  EXPECT_EQ(At(23, 17), clWhite);
  EXPECT_EQ(At(4, 11), clBlack);  // outline at the sides
  for (int y = 4; y < 18; ++y)
    for (int x = 4; x < 24; ++x) ASSERT_EQ(At(x, y), At(4 + 23 - x, y)) << x << "," << y;
}

TEST_F(Shapes, RoundRectRoundsOnlyItsCorners) {
  c()->Brush()->SetColor(clRed);
  c()->RoundRect(2, 2, 30, 20, 10, 10);
  EXPECT_EQ(InkBounds(clWhite), Rect(2, 2, 30, 20));
  EXPECT_EQ(At(2, 2), clWhite);
  EXPECT_EQ(At(16, 2), clBlack);
  EXPECT_EQ(At(2, 11), clBlack);
  EXPECT_EQ(At(16, 11), clRed);
}

TEST_F(Shapes, PolygonFillsInsideAndOutlinesEveryEdge) {
  c()->Brush()->SetColor(clLime);
  c()->Polygon({{5, 5}, {25, 5}, {25, 20}, {5, 20}});
  EXPECT_EQ(At(5, 5), clBlack);
  EXPECT_EQ(At(25, 20), clBlack);  // closed: the last vertex is drawn by the closing edge
  EXPECT_EQ(At(15, 12), clLime);
  EXPECT_EQ(InkBounds(clWhite), Rect(5, 5, 26, 21));
}

TEST_F(Shapes, PixelsReadAndWriteAndOutsideIsInvalid) {
  c()->SetPixels(3, 4, clRed);
  EXPECT_EQ(c()->Pixels(3, 4), clRed);
  EXPECT_EQ(At(3, 4), clRed);
  c()->SetPixels(3, 5, clBtnFace);
  EXPECT_EQ(c()->Pixels(3, 5), 0xC0C0C0);
  EXPECT_EQ(static_cast<COLORREF>(c()->Pixels(-1, 0)), CLR_INVALID);
  EXPECT_EQ(static_cast<COLORREF>(c()->Pixels(40, 0)), CLR_INVALID);
  c()->SetPixels(100, 100, clRed);  // nothing happens
}

TEST_F(Shapes, BrushStylesClearHatchAndPattern) {
  c()->Pen()->SetStyle(psClear);
  c()->Brush()->SetStyle(bsClear);
  c()->Rectangle(0, 0, 40, 30);
  EXPECT_EQ(CountColor(clWhite), 40 * 30);

  c()->Brush()->SetColor(clBlue);
  c()->Brush()->SetStyle(bsHorizontal);
  c()->FillRect(Rect(0, 0, 16, 16));
  EXPECT_EQ(CountColor(clBlue, Rect(0, 0, 16, 16)), 2 * 16);

  TBitmap pattern(2, 2);
  pattern.Canvas()->SetPixels(0, 0, clRed);
  pattern.Canvas()->SetPixels(1, 1, clRed);
  c()->Brush()->SetBitmap(&pattern);
  c()->FillRect(Rect(20, 0, 30, 10));
  EXPECT_EQ(CountColor(clRed, Rect(20, 0, 30, 10)), 50);
  EXPECT_NE(At(20, 0), At(21, 0));
  EXPECT_EQ(At(20, 0), At(21, 1));
}

TEST_F(Shapes, EmptyInvertedAndHugeShapesDrawNothingWrong) {
  c()->Brush()->SetColor(clRed);
  c()->FillRect(Rect(10, 10, 5, 5));
  c()->FillRect(Rect(10, 10, 10, 20));
  c()->FrameRect(Rect(10, 10, 5, 5));
  EXPECT_EQ(CountColor(clWhite), 40 * 30);
  c()->FillRect(Rect(-2000000000, -2000000000, 2000000000, 2000000000));
  EXPECT_EQ(CountColor(clRed), 40 * 30);
  MakeBitmap(40, 30);
  c()->MoveTo(-2000000000, 10);
  c()->LineTo(2000000000, 10);
  EXPECT_EQ(CountColor(clBlack, Rect(0, 10, 40, 11)), 40);
  c()->Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
  c()->Polygon({{-2000000000, 0}, {2000000000, 0}, {0, 2000000000}});
  c()->Pen()->SetWidth(7);
  c()->MoveTo(-2000000000, -2000000000);
  c()->LineTo(2000000000, 2000000000);
  EXPECT_EQ(At(15, 15), clBlack);
}

TEST(ShapesBadInput, ZeroSizeBitmapsAndDeadHandlesAreHarmless) {
  TBitmap empty;
  empty.Canvas()->Rectangle(0, 0, 10, 10);
  empty.Canvas()->TextOut(0, 0, "x");
  EXPECT_EQ(static_cast<COLORREF>(empty.Canvas()->Pixels(0, 0)), CLR_INVALID);
  EXPECT_FALSE(LineTo(nullptr, 1, 1));
  EXPECT_EQ(FillRect(nullptr, Rect(0, 0, 1, 1), GetStockObject(BLACK_BRUSH)), 0);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(FillRect(dc, Rect(0, 0, 1, 1), nullptr), 0);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_FALSE(Rectangle(dc, 0, 0, 1, 1));
}

TEST_F(Shapes, RegionsFillFrameAndInvert) {
  HRGN rgn = CreateRectRgn(2, 2, 12, 10);
  HRGN other = CreateRectRgn(8, 6, 20, 14);
  CombineRgn(rgn, rgn, other, RGN_OR);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  EXPECT_TRUE(FillRgn(dc(), rgn, red));
  EXPECT_EQ(CountColor(clRed), 80 + 96 - 16);
  MakeBitmap(40, 30);
  EXPECT_TRUE(FrameRgn(dc(), rgn, red, 1, 1));
  EXPECT_EQ(At(2, 2), clRed);
  EXPECT_EQ(At(19, 13), clRed);
  EXPECT_EQ(At(5, 5), clWhite);
  EXPECT_EQ(At(11, 9), clWhite) << "the inside corner where the rectangles join";
  EXPECT_EQ(At(12, 6), clRed) << "the step in the outline";
  MakeBitmap(40, 30);
  EXPECT_TRUE(InvertRgn(dc(), rgn));
  EXPECT_EQ(CountColor(clBlack), 160);
  EXPECT_TRUE(InvertRect(dc(), Rect(0, 0, 40, 30)));
  EXPECT_EQ(CountColor(clWhite), 160);
  EXPECT_FALSE(FillRgn(dc(), nullptr, red));
  DeleteObject(red);
  DeleteObject(rgn);
  DeleteObject(other);
}

TEST_F(Shapes, PatternBrushesFollowTheBrushOrigin) {
  TBitmap pattern(4, 1);
  pattern.Canvas()->SetPixels(0, 0, clRed);
  HBRUSH brush = CreatePatternBrush(pattern.Handle());
  FillRect(dc(), Rect(0, 0, 8, 1), brush);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(4, 0), clRed);
  SetBrushOrgEx(dc(), 1, 0, nullptr);
  FillRect(dc(), Rect(0, 1, 8, 2), brush);
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_EQ(At(0, 1), clWhite);
  DeleteObject(brush);
  HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, RGB(0, 0, 255));
  SetBkColor(dc(), RGB(0, 255, 0));
  SetBkMode(dc(), OPAQUE);
  FillRect(dc(), Rect(0, 10, 8, 11), hatch);
  EXPECT_EQ(CountColor(clBlue, Rect(0, 10, 8, 11)), 1);
  EXPECT_EQ(CountColor(clLime, Rect(0, 10, 8, 11)), 7);
  DeleteObject(hatch);
  EXPECT_EQ(CreatePatternBrush(nullptr), nullptr);
}

TEST_F(Shapes, LinesLeavingTheBitmapKeepTheirVisiblePixels) {
  TBitmap big(1001, 334);
  big.Canvas()->MoveTo(0, 0);
  big.Canvas()->LineTo(1000, 333);
  c()->MoveTo(0, 0);
  c()->LineTo(1000, 333);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(At(x, y), Swap(big.Pixel32(x, y))) << x << "," << y;
  EXPECT_GT(CountColor(clBlack), 30);
}
