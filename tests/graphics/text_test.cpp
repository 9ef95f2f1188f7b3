#include "platform/graphics/text_out.h"

#include "platform/graphics/draw_text.h"
#include "platform/graphics/text_advances.h"

#include "tests/graphics/pixel_test_support.h"

using pixel_test::Str;

class Text : public PixelTest {
 protected:
  void SetUp() override {
    MakeBitmap(200, 80);
    c()->Brush()->SetStyle(bsClear);
  }
  TCanvas* c() { return bmp.Canvas(); }
};

TEST_F(Text, InkLiesInsideTheMeasuredCellAtThePoint) {
  c()->TextOut(10, 20, "Hello World");
  TSize size = c()->TextExtent("Hello World");
  TRect ink = InkBounds(clWhite);
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Left, 12);
  EXPECT_GE(ink.Top, 20);
  EXPECT_LE(ink.Right, 10 + size.cx + 1) << Str(ink) << " width " << size.cx;
  EXPECT_GE(ink.Right, 10 + size.cx - 3) << Str(ink) << " width " << size.cx;
  EXPECT_LE(ink.Bottom, 20 + size.cy);
  EXPECT_EQ(CountColor(clBlack) + CountColor(clWhite), 200 * 80) << "text is not antialiased";
  EXPECT_EQ(c()->PenPos(), Point(10 + size.cx, 20));
}

TEST_F(Text, FontHeightAndSizeAtNinetySixDpi) {
  TFont* f = c()->Font();
  EXPECT_EQ(f->Name(), "MS Sans Serif");
  EXPECT_EQ(f->Size(), 8);
  EXPECT_EQ(f->Height(), -11);
  f->SetSize(12);
  EXPECT_EQ(f->Height(), -16);
  f->SetHeight(-20);
  EXPECT_EQ(f->Size(), 15);
  TEXTMETRIC tm;
  ASSERT_TRUE(GetTextMetrics(c()->Handle(), &tm));
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);
  EXPECT_GT(tm.tmAveCharWidth, 5);
  EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  EXPECT_EQ(tm.tmOverhang, 0);
  EXPECT_EQ(c()->TextHeight("x"), tm.tmHeight);
  f->SetHeight(tm.tmHeight);  // a positive height asks for the cell height
  EXPECT_NEAR(c()->TextHeight("x"), tm.tmHeight, 1);
}

TEST_F(Text, MeasurementGrowsWithTextAndStyle) {
  int plain = c()->TextWidth("Mississippi");
  EXPECT_EQ(c()->TextWidth(""), 0);
  EXPECT_LT(c()->TextWidth("Missi"), plain);
  c()->Font()->SetStyle({fsBold});
  EXPECT_GT(c()->TextWidth("Mississippi"), plain);
  c()->Font()->SetStyle({fsUnderline});
  c()->TextOut(0, 0, "____");
  int underlineRows = 0;
  c()->Font()->SetStyle({});
  MakeBitmap(200, 80);
  c()->Font()->SetStyle({fsUnderline});
  c()->TextOut(0, 0, "abc");
  TRect under = InkBounds(clWhite);
  MakeBitmap(200, 80);
  c()->Font()->SetStyle({});
  c()->TextOut(0, 0, "abc");
  TRect plainInk = InkBounds(clWhite);
  underlineRows = under.Bottom - plainInk.Bottom;
  EXPECT_GT(underlineRows, 0) << Str(under) << " vs " << Str(plainInk);
}

// Texts of characters whose widths are known are measured without shaping them whole; the
// width must still be the one shaping gives, which the per-character ends also come from.
TEST_F(Text, WidthsAgreeWithShapingWhateverTheFontPairsOrJoins) {
  const char* texts[] = {"AVAVAV", "To Tokyo", "WAVE", "office affluent", "值 123456-3", "张三98765",
                         "1111111", "a\u0301e\u0301", "mixed 城市 AV", "Ta\tTe", "x"};
  for (const char* face : {"Tahoma", "宋体", "Arial"}) {
    c()->Font()->SetName(face);
    for (int round = 0; round < 2; ++round) {
      for (const char* text : texts) {
        TSize shaped;
        ASSERT_TRUE(GetTextExtentExPoint(c()->Handle(), text, 0, nullptr, nullptr, &shaped));
        EXPECT_EQ(c()->TextWidth(text), shaped.cx) << face << " " << text << " round " << round;
      }
    }
  }
}

// A font that kerns "AV" by half a pixel and joins "fi" into one glyph of one pixel.
TEST(TextAdvances, SumsOnlyWhatShapesAsTheSumOfItsCharacters) {
  int shaped = 0;
  TTextAdvances advances([&](std::u16string_view text) {
    ++shaped;
    if (text == u"AV") return int64_t{64 * 2 - 32};
    if (text == u"fi") return int64_t{64};
    return int64_t{64} * static_cast<int64_t>(text.size());
  });
  const struct {
    const char16_t* text;
    int64_t advance;
  } cases[] = {
      {u"VA", 128},   {u"AV", -1},       {u"AAV", -1},     {u"office", -1},   {u"值 12-3", 6 * 64},
      {u"e\u0301", -1}, {u"\u0634\u0643", -1}, {u"a\tb", -1}, {u"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(advances.Advance(c.text), c.advance) << static_cast<int>(c.text[0]);
  const int learnt = shaped;
  EXPECT_EQ(advances.Advance(u"VAA"), 3 * 64);
  EXPECT_EQ(advances.Advance(u"值 12-3"), 6 * 64);
  EXPECT_EQ(shaped, learnt) << "what was learnt is not shaped again";
}

TEST_F(Text, OriginalFaceNamesMapThroughOneTable) {
  EXPECT_EQ(SubstituteFontName("MS Sans Serif"), "DejaVu Sans");
  EXPECT_EQ(SubstituteFontName("tahoma"), "DejaVu Sans");
  EXPECT_EQ(SubstituteFontName("Arial"), "DejaVu Sans");
  EXPECT_EQ(SubstituteFontName("Courier New"), "DejaVu Sans Mono");
  EXPECT_EQ(SubstituteFontName("宋体"), "WenQuanYi Zen Hei");
  EXPECT_EQ(SubstituteFontName("新宋体"), "WenQuanYi Zen Hei");
  EXPECT_EQ(SubstituteFontName("Some Font"), "Some Font");
  c()->Font()->SetName("Courier New");
  EXPECT_EQ(c()->TextWidth("iiii"), c()->TextWidth("MMMM")) << "a fixed-pitch face";
  EXPECT_EQ(GetTextFace(c()->Handle()), "Courier New");
}

TEST_F(Text, ChineseTextDrawsWithTheCjkFont) {
  c()->Font()->SetName("宋体");
  c()->Font()->SetSize(12);
  int width = c()->TextWidth("中文测试");
  EXPECT_GE(width, 4 * 14);
  c()->TextOut(5, 5, "中文测试");
  TRect ink = InkBounds(clWhite);
  EXPECT_GT(CountColor(clBlack), 100);
  EXPECT_LE(ink.Right, 5 + width + 1);
  EXPECT_GE(ink.Right, 5 + width - 4);
  // Latin face names fall back to the CJK font for ideographs too.
  MakeBitmap(200, 80);
  c()->Font()->SetName("Tahoma");
  c()->TextOut(5, 5, "中");
  EXPECT_GT(CountColor(clBlack), 20);
}

TEST_F(Text, OpaqueBackgroundFillsTheCellTransparentDoesNot) {
  c()->Brush()->SetColor(clYellow);  // solid brush: opaque text background
  c()->TextOut(10, 10, "ab");
  TSize s = c()->TextExtent("ab");
  EXPECT_EQ(InkBounds(clWhite), Bounds(10, 10, s.cx, s.cy));
  EXPECT_EQ(At(10, 10), clYellow);
  MakeBitmap(200, 80);
  c()->Brush()->SetStyle(bsClear);
  c()->TextOut(10, 10, "ab");
  EXPECT_EQ(CountColor(clYellow), 0);
}

TEST_F(Text, FontColourIsTheTextColour) {
  c()->Font()->SetColor(clRed);
  c()->TextOut(0, 0, "Red");
  EXPECT_GT(CountColor(clRed), 10);
  EXPECT_EQ(CountColor(clBlack), 0);
}

TEST_F(Text, OrientationNineHundredRunsUpwards) {
  MakeBitmap(60, 200);
  c()->Brush()->SetStyle(bsClear);
  c()->Font()->SetOrientation(900);
  int width = c()->TextWidth("Vertical title");
  int height = c()->TextHeight("Vertical title");
  c()->TextOut(20, 180, "Vertical title");
  TRect ink = InkBounds(clWhite);
  EXPECT_GE(ink.Left, 20);
  EXPECT_LE(ink.Right, 20 + height);
  EXPECT_LE(ink.Bottom, 181);
  EXPECT_GE(ink.Top, 180 - width - 1);
  EXPECT_GT(ink.Height(), ink.Width() * 3) << Str(ink);
}

TEST_F(Text, TextAlignRightAndBaselineMoveTheCell) {
  TSize s = c()->TextExtent("xyz");
  TEXTMETRIC tm;
  GetTextMetrics(c()->Handle(), &tm);
  SetTextAlign(c()->Handle(), TA_RIGHT | TA_BASELINE);
  TextOut(c()->Handle(), 100, 50, "xyz");
  TRect ink = InkBounds(clWhite);
  EXPECT_LE(ink.Right, 101);
  EXPECT_GE(ink.Left, 100 - s.cx);
  EXPECT_LE(ink.Bottom, 50 + tm.tmDescent);
  EXPECT_GE(ink.Top, 50 - tm.tmAscent);
  SetTextAlign(c()->Handle(), TA_LEFT | TA_TOP);
}

TEST_F(Text, TextRectClipsToItsRectangle) {
  c()->Brush()->SetColor(clYellow);
  c()->TextRect(Rect(10, 10, 30, 30), 5, 12, "Clipped text here");
  TRect ink = InkBounds(clWhite);
  EXPECT_EQ(ink, Rect(10, 10, 30, 30)) << Str(ink);
  EXPECT_GT(CountColor(clBlack, Rect(10, 10, 30, 30)), 5);
}

TEST_F(Text, ExtentsPerCodePointAgreeWithTheWhole) {
  HDC h = c()->Handle();
  int fit = 0;
  int extents[8] = {};
  TSize size;
  ASSERT_TRUE(GetTextExtentExPoint(h, "中a文b", 1000, &fit, extents, &size));
  EXPECT_EQ(fit, 4);
  EXPECT_EQ(extents[3], size.cx);
  EXPECT_LT(extents[0], extents[1]);
  TSize whole;
  GetTextExtentPoint32(h, "中a文b", &whole);
  EXPECT_NEAR(whole.cx, size.cx, 1);
  ASSERT_TRUE(GetTextExtentExPoint(h, "中a文b", extents[1], &fit, nullptr, nullptr));
  EXPECT_EQ(fit, 2);
}

TEST_F(Text, ExtTextOutPlacesEachCharacterAtItsAdvanceAndFillsTheRect) {
  HDC h = c()->Handle();
  SetBkColor(h, RGB(255, 255, 0));
  TRect box = Rect(0, 0, 100, 20);
  int dx[3] = {30, 30, 30};
  ASSERT_TRUE(ExtTextOut(h, 0, 0, ETO_OPAQUE, &box, "iii", dx));
  EXPECT_EQ(CountColor(clYellow, box) + CountColor(clBlack, box), 100 * 20);
  int columns = 0;
  for (int x = 0; x < 100; ++x) columns += CountColor(clBlack, Rect(x, 0, x + 1, 20)) > 0;
  EXPECT_GE(columns, 3);
  EXPECT_EQ(CountColor(clBlack, Rect(8, 0, 30, 20)), 0) << "the second i starts at 30";
  EXPECT_GT(CountColor(clBlack, Rect(30, 0, 38, 20)), 0);
  EXPECT_GT(CountColor(clBlack, Rect(60, 0, 68, 20)), 0);
}

TEST_F(Text, MalformedTextGetsOneExtentPerCharacterAndDraws) {
  const std::string text = "a\xc0\x80" "b\xf0\x90\x80" "c\xff";
  int n = CharLength(text);
  std::vector<int> extents(static_cast<size_t>(n) + 1, -7);
  int fit = 0;
  TSize size;
  ASSERT_TRUE(GetTextExtentExPoint(c()->Handle(), text, 100000, &fit, extents.data(), &size));
  EXPECT_EQ(fit, n);
  EXPECT_EQ(extents[static_cast<size_t>(n)], -7) << "nothing written past the last character";
  EXPECT_EQ(extents[static_cast<size_t>(n - 1)], size.cx);
  c()->TextOut(0, 0, text);
  TRect r = Rect(0, 0, 20, 0);
  DrawText(c()->Handle(), text, r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_GT(r.Bottom, 0);
}

TEST_F(Text, HugeCoordinatesAndMarginsDrawNothingAndNeverOverflow) {
  const int big = 2147483647, small = -2147483647 - 1;
  c()->Brush()->SetColor(clYellow);
  c()->TextOut(big - 3, big - 3, "far away");
  c()->TextOut(small, small, "far away");
  SetTextAlign(c()->Handle(), TA_RIGHT | TA_BOTTOM);
  c()->TextOut(small + 2, small + 2, "far away");
  SetTextAlign(c()->Handle(), TA_LEFT | TA_TOP);
  TRect r = Rect(big - 10, big - 10, big, big);
  DrawText(c()->Handle(), "far away", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  r = Rect(small, small, big, big);
  DrawText(c()->Handle(), "everywhere", r, DT_WORDBREAK | DT_CENTER);
  DRAWTEXTPARAMS p;
  p.iLeftMargin = big;
  p.iRightMargin = big;
  p.iTabLength = big;
  r = Rect(0, 0, 100, 20);
  DrawTextEx(c()->Handle(), "a\tb", r, DT_EXPANDTABS | DT_RIGHT, &p);
  r = Rect(0, 0, 100, 20);
  DrawTextEx(c()->Handle(), "a\tb", r, DT_EXPANDTABS | DT_CALCRECT, &p);
  EXPECT_EQ(CountColor(clYellow), 0);
}

TEST_F(Text, DamagedFontHeightsMeasureAndDrawWithinTheBitmap) {
  for (int height : {-2147483647 - 1, 2147483647, -1000000}) {
    c()->Font()->SetHeight(height);
    int h = c()->TextHeight("x");
    EXPECT_GT(h, 0) << height;
    EXPECT_LT(h, 1 << 20) << height;
    c()->TextOut(0, 0, "x");
  }
}

TEST_F(Text, FixedPitchIsKeptForUnknownFaces) {
  c()->Font()->SetName("No Such Face Anywhere");
  c()->Font()->SetPitch(fpFixed);
  EXPECT_EQ(c()->TextWidth("iiii"), c()->TextWidth("MMMM"));
}

TEST_F(Text, OrientationTwoThousandSevenHundredRunsDownwards) {
  MakeBitmap(60, 200);
  c()->Font()->SetOrientation(2700);
  int width = c()->TextWidth("Downwards");
  int height = c()->TextHeight("Downwards");
  c()->Brush()->SetColor(clYellow);
  c()->TextOut(40, 20, "Downwards");
  EXPECT_EQ(InkBounds(clWhite), Rect(40 - height, 20, 40, 20 + width)) << "the opaque cell, turned";
  TRect ink = InkBounds(clYellow, Rect(40 - height, 20, 40, 20 + width));
  EXPECT_GT(CountColor(clBlack), 20);
  EXPECT_GT(ink.Height(), ink.Width() * 3) << Str(ink);
}
