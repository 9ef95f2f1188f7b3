#include "platform/graphics/blit.h"

#include <functional>

#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"
#include "tests/graphics/pixel_test_support.h"

using pixel_test::Str;

class Blits : public PixelTest {
 protected:
  void SetUp() override {
    MakeBitmap(20, 20, 0x0F0F0F);
    src.SetSize(20, 20);
    src.Canvas()->Brush()->SetColor(0x335577);
    src.Canvas()->FillRect(Rect(0, 0, 20, 20));
  }
  HDC sdc() { return src.Canvas()->Handle(); }
  TBitmap src;
};

TEST_F(Blits, RasterOperationsCombineBitsExactly) {
  const uint32_t s = 0x335577, d = 0x0F0F0F, p = 0x00FF00;  // as TColor values
  struct Row {
    DWORD Rop;
    uint32_t Expected;
  };
  const Row rows[] = {
      {SRCCOPY, s},           {SRCPAINT, s | d},          {SRCAND, s & d},
      {SRCINVERT, s ^ d},     {SRCERASE, s & ~d & 0xFFFFFF}, {NOTSRCCOPY, ~s & 0xFFFFFF},
      {MERGECOPY, p & s},     {MERGEPAINT, (~s | d) & 0xFFFFFF}, {PATCOPY, p},
      {DSTINVERT, ~d & 0xFFFFFF}, {BLACKNESS, 0},           {WHITENESS, 0xFFFFFF},
      {PATINVERT, p ^ d},     {NOTSRCERASE, ~(s | d) & 0xFFFFFF},
  };
  for (const Row& r : rows) {
    MakeBitmap(20, 20, static_cast<TColor>(d));
    bmp.Canvas()->Brush()->SetColor(static_cast<TColor>(p));
    ASSERT_TRUE(BitBlt(dc(), 2, 3, 5, 4, sdc(), 0, 0, r.Rop)) << std::hex << r.Rop;
    EXPECT_EQ(static_cast<uint32_t>(At(2, 3)), r.Expected) << std::hex << r.Rop;
    EXPECT_EQ(static_cast<uint32_t>(At(6, 6)), r.Expected) << std::hex << r.Rop;
    EXPECT_EQ(static_cast<uint32_t>(At(7, 6)), d) << std::hex << r.Rop;
    EXPECT_EQ(static_cast<uint32_t>(At(6, 7)), d) << std::hex << r.Rop;
  }
}

TEST_F(Blits, SourceOffsetsAndClippingAtTheEdges) {
  src.Canvas()->SetPixels(5, 6, clRed);
  BitBlt(dc(), 0, 0, 20, 20, sdc(), 5, 6, SRCCOPY);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(19, 19), 0x0F0F0F) << "source pixels past its edge leave the destination alone";
  EXPECT_EQ(At(14, 13), 0x335577);
  BitBlt(dc(), -5, -5, 100, 100, sdc(), 0, 0, SRCCOPY);
  EXPECT_EQ(At(4, 4), 0x335577);
  EXPECT_TRUE(BitBlt(dc(), 0, 0, 0, 5, sdc(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(dc(), 0, 0, 5, 5, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(PatBlt(dc(), 0, 0, 3, 3, BLACKNESS));
  EXPECT_EQ(At(2, 2), clBlack);
  EXPECT_FALSE(PatBlt(dc(), 0, 0, 3, 3, SRCCOPY));
}

TEST_F(Blits, StretchScalesAndNegativeExtentsMirror) {
  src.SetSize(2, 1);
  src.Canvas()->SetPixels(0, 0, clRed);
  src.Canvas()->SetPixels(1, 0, clBlue);
  StretchBlt(dc(), 0, 0, 8, 2, sdc(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(3, 1), clRed);
  EXPECT_EQ(At(4, 0), clBlue);
  EXPECT_EQ(At(7, 1), clBlue);
  EXPECT_EQ(At(8, 0), 0x0F0F0F);
  TRect r = Rect(10, 5, 2, 7);  // right to left: mirrored
  bmp.Canvas()->StretchDraw(r, &src);
  EXPECT_EQ(At(2, 5), clBlue);
  EXPECT_EQ(At(9, 6), clRed);
  StretchBlt(dc(), 0, 10, 4, 2, sdc(), 2, 0, -2, 1, SRCCOPY);
  EXPECT_EQ(At(0, 10), clBlue);
  EXPECT_EQ(At(3, 11), clRed);
}

TEST_F(Blits, AlphaBlendWithConstantAndPremultipliedPixelAlpha) {
  MakeBitmap(20, 20, clBlack);
  src.Canvas()->Brush()->SetColor(clWhite);
  src.Canvas()->FillRect(Rect(0, 0, 20, 20));
  BLENDFUNCTION half;
  half.SourceConstantAlpha = 128;
  ASSERT_TRUE(AlphaBlend(dc(), 0, 0, 10, 10, sdc(), 0, 0, 10, 10, half));
  EXPECT_EQ(At(5, 5), 0x808080);
  EXPECT_EQ(At(15, 15), clBlack);

  // A premultiplied 50% red over blue: red 128 + blue 255 * (1 - 0.5).
  MakeBitmap(20, 20, clBlue);
  src.SetPixelFormat(pf32bit);
  uint32_t* row = static_cast<uint32_t*>(src.ScanLine(0));
  row[0] = 0x80800000;  // A=0x80, R=0x80 (premultiplied), G=B=0
  row[1] = 0x00000000;  // fully transparent
  row[2] = 0xFF00FF00;  // opaque green
  BLENDFUNCTION perPixel;
  perPixel.AlphaFormat = AC_SRC_ALPHA;
  ASSERT_TRUE(AlphaBlend(dc(), 0, 0, 3, 1, sdc(), 0, 0, 3, 1, perPixel));
  EXPECT_EQ(At(0, 0), static_cast<TColor>(RGB(128, 0, 127)));
  EXPECT_EQ(At(1, 0), clBlue);
  EXPECT_EQ(At(2, 0), clLime);
  EXPECT_FALSE(AlphaBlend(dc(), 0, 0, -3, 1, sdc(), 0, 0, 3, 1, perPixel));
}

TEST_F(Blits, TransparentBltSkipsTheKeyColour) {
  src.Canvas()->Brush()->SetColor(clFuchsia);
  src.Canvas()->FillRect(Rect(0, 0, 20, 20));
  src.Canvas()->SetPixels(3, 3, clRed);
  TransparentBlt(dc(), 0, 0, 20, 20, sdc(), 0, 0, 20, 20, RGB(255, 0, 255));
  EXPECT_EQ(At(3, 3), clRed);
  EXPECT_EQ(CountColor(0x0F0F0F), 399);
}

TEST_F(Blits, DrawHonoursBitmapTransparencyWithTheBottomLeftPixel) {
  src.Canvas()->Brush()->SetColor(clLime);
  src.Canvas()->FillRect(Rect(0, 0, 20, 20));
  src.Canvas()->Brush()->SetColor(clRed);
  src.Canvas()->FillRect(Rect(5, 5, 10, 10));
  bmp.Canvas()->Draw(0, 0, &src);
  EXPECT_EQ(At(0, 0), clLime);
  MakeBitmap(20, 20, 0x0F0F0F);
  src.SetTransparent(true);
  EXPECT_EQ(src.TransparentColor(), clLime);
  bmp.Canvas()->Draw(0, 0, &src);
  EXPECT_EQ(At(0, 0), 0x0F0F0F);
  EXPECT_EQ(At(7, 7), clRed);
  EXPECT_EQ(CountColor(clRed), 25);
  src.SetTransparentColor(clRed);
  EXPECT_EQ(src.TransparentMode(), tmFixed);
  bmp.Canvas()->Draw(0, 0, &src);
  EXPECT_EQ(At(0, 0), clLime);
  EXPECT_EQ(At(7, 7), clRed) << "red pixels were skipped, the earlier red stays";
}

TEST_F(Blits, CopyRectUsesTheCopyModeAndBrushCopyReplacesAColour) {
  src.Canvas()->SetPixels(0, 0, clRed);
  bmp.Canvas()->CopyRect(Rect(0, 0, 4, 4), src.Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_EQ(At(2, 2), 0x335577);
  bmp.Canvas()->SetCopyMode(SRCINVERT);
  bmp.Canvas()->CopyRect(Rect(0, 0, 4, 4), src.Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(At(1, 1), clBlack);

  MakeBitmap(20, 20, 0x0F0F0F);
  bmp.Canvas()->Brush()->SetColor(clYellow);
  bmp.Canvas()->BrushCopy(Rect(0, 0, 10, 10), &src, Rect(0, 0, 10, 10), 0x335577);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(5, 5), clYellow);
  EXPECT_EQ(CountColor(clYellow), 99);
}

TEST_F(Blits, GradientsRunFromColourToColour) {
  GradientFillRect(dc(), Rect(0, 0, 11, 4), clBlack, clWhite, false);
  EXPECT_EQ(At(0, 0), clBlack);
  EXPECT_EQ(At(10, 3), clWhite);
  EXPECT_EQ(At(5, 2), 0x7F7F7F);
  GradientFillRect(dc(), Rect(0, 10, 4, 20), clRed, clBlue, true);
  EXPECT_EQ(At(0, 10), clRed);
  EXPECT_EQ(At(3, 19), clBlue);
  TRIVERTEX v[2];
  GRADIENT_RECT g{0, 5};
  EXPECT_FALSE(GradientFill(dc(), v, 2, &g, 1, GRADIENT_FILL_RECT_H));
}

TEST_F(Blits, ScrollDcMovesPixelsAndReportsTheUncoveredStrip) {
  bmp.Canvas()->SetPixels(5, 10, clRed);
  TRect area = Rect(0, 0, 20, 20), update;
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_TRUE(ScrollDC(dc(), 0, -4, &area, &area, rgn, &update));
  EXPECT_EQ(At(5, 6), clRed);
  EXPECT_EQ(update, Rect(0, 16, 20, 20));
  EXPECT_TRUE(PtInRegion(rgn, 3, 17));
  EXPECT_FALSE(PtInRegion(rgn, 3, 15));
  DeleteObject(rgn);
  EXPECT_TRUE(ScrollDC(dc(), 3, 0, &area, &area, nullptr, &update));
  EXPECT_EQ(At(8, 6), clRed);
  EXPECT_EQ(update, Rect(0, 0, 3, 20));
}

TEST_F(Blits, ScrollDcMovesEveryPixelOfTheAreaInEachDirection) {
  struct Move {
    int Dx, Dy;
  };
  for (const Move m : {Move{0, 5}, Move{0, -5}, Move{4, 0}, Move{-4, 0}, Move{3, -2}, Move{-2, 3}}) {
    SCOPED_TRACE(std::to_string(m.Dx) + "," + std::to_string(m.Dy));
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) bmp.Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(x * 10, y * 10, 7)));
    }
    TRect area = Rect(2, 2, 18, 18);
    ASSERT_TRUE(ScrollDC(dc(), m.Dx, m.Dy, &area, &area, nullptr, nullptr));
    int wrong = 0;
    for (int y = 2; y < 18; ++y) {
      for (int x = 2; x < 18; ++x) {
        const int sx = x - m.Dx, sy = y - m.Dy;
        if (sx < 2 || sx >= 18 || sy < 2 || sy >= 18) continue;
        wrong += At(x, y) != static_cast<TColor>(RGB(sx * 10, sy * 10, 7)) ? 1 : 0;
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(At(1, 1), static_cast<TColor>(RGB(10, 10, 7))) << "nothing outside the area moves";
  }
}

// Whole-row copies (the fast path of a plain copy) move the right pixels, also within one
// bitmap, and never past the clip or the source.
TEST_F(Blits, FullWidthCopiesMoveWholeRowsAndKeepTheClip) {
  auto pattern = [](int x, int y) { return static_cast<TColor>(RGB(static_cast<uint8_t>(x * 10), static_cast<uint8_t>(y * 10), 0x40)); };
  const TColor old = 0x0F0F0F;
  struct Case {
    const char* Name;
    bool WithinOneBitmap;  // the destination starts with the pattern and is its own source
    std::function<void(HDC dst, HDC src)> Copy;
    int SourceWidth;                                 // of the separate source bitmap
    std::function<TColor(int x, int y)> Expected;  // what each destination pixel holds after
  };
  const Case cases[] = {
      {"whole bitmap", false, [](HDC d, HDC s) { BitBlt(d, 0, 0, 20, 20, s, 0, 0, SRCCOPY); }, 20, pattern},
      {"within one bitmap, down", true, [](HDC d, HDC) { BitBlt(d, 0, 3, 20, 17, d, 0, 0, SRCCOPY); }, 20,
       [&](int x, int y) { return y < 3 ? pattern(x, y) : pattern(x, y - 3); }},
      {"within one bitmap, up", true, [](HDC d, HDC) { BitBlt(d, 0, 0, 20, 17, d, 0, 3, SRCCOPY); }, 20,
       [&](int x, int y) { return y < 17 ? pattern(x, y + 3) : pattern(x, y); }},
      {"clip of two bands", false,
       [](HDC d, HDC s) {
         ExcludeClipRect(d, 0, 8, 20, 12);
         BitBlt(d, 0, 0, 20, 20, s, 0, 0, SRCCOPY);
       },
       20, [&](int x, int y) { return y >= 8 && y < 12 ? old : pattern(x, y); }},
      {"clip narrower than the rows", false,
       [](HDC d, HDC s) {
         IntersectClipRect(d, 2, 0, 18, 20);
         BitBlt(d, 0, 0, 20, 20, s, 0, 0, SRCCOPY);
       },
       20, [&](int x, int y) { return x < 2 || x >= 18 ? old : pattern(x, y); }},
      {"narrower source", false, [](HDC d, HDC s) { BitBlt(d, 0, 0, 20, 20, s, 0, 0, SRCCOPY); }, 10,
       [&](int x, int y) { return x >= 10 ? old : pattern(x, y); }},
  };
  for (const Case& c : cases) {
    MakeBitmap(20, 20, old);
    SelectClipRgn(dc(), nullptr);
    src.SetSize(c.SourceWidth, 20);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        if (x < c.SourceWidth) src.Canvas()->SetPixels(x, y, pattern(x, y));
        if (c.WithinOneBitmap) bmp.Canvas()->SetPixels(x, y, pattern(x, y));
      }
    c.Copy(dc(), sdc());
    int wrong = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (At(x, y) != c.Expected(x, y) && wrong++ == 0)
          ADD_FAILURE() << c.Name << ": pixel " << x << "," << y << " is " << std::hex << At(x, y) << ", not "
                        << c.Expected(x, y);
    EXPECT_EQ(wrong, 0) << c.Name;
  }
}

TEST_F(Blits, HugeExtentsAndCoordinatesAreSafe) {
  EXPECT_FALSE(StretchBlt(dc(), 0, 0, 2000000000, 5, sdc(), 0, 0, 5, 5, SRCCOPY));
  EXPECT_TRUE(BitBlt(dc(), 2000000000, 2000000000, 5, 5, sdc(), 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(dc(), 0, 0, 5, 5, sdc(), -2000000000, 2000000000, SRCCOPY));
  EXPECT_EQ(CountColor(0x0F0F0F), 400);
}

TEST_F(Blits, CoordinatesNearTheIntLimitsNeverOverflow) {
  const int big = 2147483647, small = -2147483647 - 1;
  BitBlt(dc(), big - 2, big - 2, 5, 5, sdc(), 0, 0, SRCCOPY);
  BitBlt(dc(), 0, 0, 5, 5, sdc(), big - 2, small, SRCCOPY);
  StretchBlt(dc(), big - 2, 0, -5, 5, sdc(), small, 0, 5, 5, SRCINVERT);
  BLENDFUNCTION blend;
  AlphaBlend(dc(), big - 1, big - 1, 3, 3, sdc(), big - 1, 0, 3, 3, blend);
  TransparentBlt(dc(), small, small, 4, 4, sdc(), big - 1, big - 1, 4, 4, 0);
  PatBlt(dc(), big - 1, 0, 5, 5, BLACKNESS);
  GradientFillRect(dc(), Rect(small, small, big, big), clRed, clBlue, false);
  EXPECT_EQ(CountColor(0x0F0F0F), 0) << "the whole-range gradient covers everything";
  TRect r = Rect(big - 5, big - 5, big, big);
  EXPECT_TRUE(ScrollDC(dc(), 3, 3, &r, nullptr, nullptr, nullptr));
}
