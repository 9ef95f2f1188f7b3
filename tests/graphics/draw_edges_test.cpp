#include "platform/graphics/draw_edges.h"

#include "platform/graphics/device_context.h"

#include "tests/graphics/pixel_test_support.h"

using pixel_test::Str;

namespace {

const TColor kFace = 0xC0C0C0, kShadow = 0x808080, kHilight = 0xFFFFFF, kDark = 0x000000, kLight = 0xDFDFDF;

}  // namespace

class Edges : public PixelTest {
 protected:
  void SetUp() override { MakeBitmap(40, 40, clFuchsia); }
  // Colours of the outer ring's top-left, the outer ring's bottom-right, and the same for the
  // inner ring, read on the left and bottom sides of a 20 x 20 edge at (5, 5).
  void ExpectRings(TColor outerTL, TColor outerBR, TColor innerTL, TColor innerBR) {
    EXPECT_EQ(At(5, 10), outerTL);
    EXPECT_EQ(At(10, 5), outerTL);
    EXPECT_EQ(At(24, 10), outerBR);
    EXPECT_EQ(At(10, 24), outerBR);
    EXPECT_EQ(At(6, 10), innerTL);
    EXPECT_EQ(At(10, 6), innerTL);
    EXPECT_EQ(At(23, 10), innerBR);
    EXPECT_EQ(At(10, 23), innerBR);
  }
  TRect DrawBox(UINT edge, UINT flags) {
    TRect r = Rect(5, 5, 25, 25);
    DrawEdge(dc(), r, edge, flags);
    return r;
  }
};

TEST_F(Edges, EachEdgeKindUsesTheClassicColours) {
  struct Row {
    UINT Edge;
    TColor OuterTL, OuterBR, InnerTL, InnerBR;
  };
  const Row rows[] = {
      {EDGE_RAISED, kLight, kDark, kHilight, kShadow},
      {EDGE_SUNKEN, kShadow, kHilight, kDark, kLight},
      {EDGE_ETCHED, kShadow, kHilight, kHilight, kShadow},
      {EDGE_BUMP, kLight, kDark, kDark, kLight},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.Edge);
    MakeBitmap(40, 40, clFuchsia);
    DrawBox(r.Edge, BF_RECT);
    ExpectRings(r.OuterTL, r.OuterBR, r.InnerTL, r.InnerBR);
    EXPECT_EQ(At(15, 15), clFuchsia) << "no BF_MIDDLE, no fill";
    EXPECT_EQ(InkBounds(clFuchsia), Rect(5, 5, 25, 25));
  }
}

TEST_F(Edges, SingleBordersAndTheirCorners) {
  DrawBox(BDR_RAISEDINNER, BF_RECT);
  EXPECT_EQ(At(5, 5), kHilight);
  EXPECT_EQ(At(24, 5), kShadow);   // the top-right corner belongs to the right side
  EXPECT_EQ(At(5, 24), kShadow);   // the bottom-left corner to the bottom side
  EXPECT_EQ(At(6, 6), clFuchsia);
  MakeBitmap(40, 40, clFuchsia);
  DrawBox(BDR_SUNKENOUTER, BF_LEFT | BF_TOP);
  EXPECT_EQ(At(24, 5), kShadow);   // without a right side the top line runs to the end
  EXPECT_EQ(At(24, 10), clFuchsia);
  EXPECT_EQ(At(10, 24), clFuchsia);
}

TEST_F(Edges, SoftFlatMonoMiddleAndAdjust) {
  DrawBox(EDGE_RAISED, BF_RECT | BF_SOFT);
  ExpectRings(kHilight, kDark, kLight, kShadow);
  MakeBitmap(40, 40, clFuchsia);
  DrawBox(EDGE_SUNKEN, BF_RECT | BF_FLAT);
  ExpectRings(kShadow, kShadow, kFace, kFace);
  MakeBitmap(40, 40, clFuchsia);
  DrawBox(EDGE_SUNKEN, BF_RECT | BF_MONO);
  ExpectRings(kDark, kDark, clWhite, clWhite);
  MakeBitmap(40, 40, clFuchsia);
  TRect inside = DrawBox(EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
  EXPECT_EQ(inside, Rect(7, 7, 23, 23));
  EXPECT_EQ(At(15, 15), kFace);
  TRect untouched = DrawBox(BDR_RAISEDOUTER, BF_LEFT | BF_ADJUST);
  EXPECT_EQ(untouched, Rect(6, 5, 25, 25));
}

TEST_F(Edges, FocusRectIsDottedAndDrawnTwiceRestores) {
  MakeBitmap(40, 40, clBtnFace);
  std::vector<uint32_t> before(bmp.Pixels32(), bmp.Pixels32() + 40 * 40);
  bmp.Canvas()->DrawFocusRect(Rect(5, 5, 15, 12));
  EXPECT_EQ(At(5, 5), 0x3F3F3F);   // inverted
  EXPECT_EQ(At(6, 5), kFace);      // every other pixel
  EXPECT_EQ(At(7, 5), 0x3F3F3F);
  EXPECT_EQ(At(10, 8), kFace);
  EXPECT_EQ(InkBounds(kFace), Rect(5, 5, 15, 12));
  bmp.Canvas()->DrawFocusRect(Rect(5, 5, 15, 12));
  EXPECT_TRUE(std::equal(before.begin(), before.end(), bmp.Pixels32()));
}

TEST_F(Edges, Frame3DDrawsRingsAndShrinksTheRectangle) {
  TRect r = Rect(5, 5, 25, 25);
  Frame3D(bmp.Canvas(), r, clWhite, clGray, 2);
  EXPECT_EQ(r, Rect(7, 7, 23, 23));
  EXPECT_EQ(At(5, 5), clWhite);
  EXPECT_EQ(At(6, 10), clWhite);
  EXPECT_EQ(At(24, 5), clGray);
  EXPECT_EQ(At(5, 24), clGray);
  EXPECT_EQ(At(23, 23), clGray);
  EXPECT_EQ(At(7, 7), clFuchsia);
}

class FrameControls : public PixelTest {
 protected:
  void SetUp() override { MakeBitmap(30, 30, clFuchsia); }
  void Draw(UINT type, UINT state, TRect r = Rect(0, 0, 13, 13)) { DrawFrameControl(dc(), r, type, state); }
};

TEST_F(FrameControls, CheckBoxIsThirteenSquareWithASunkenEdge) {
  Draw(DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_EQ(InkBounds(clFuchsia), Rect(0, 0, 13, 13));
  EXPECT_EQ(At(0, 5), kShadow);
  EXPECT_EQ(At(1, 5), kDark);
  EXPECT_EQ(At(12, 5), kHilight);
  EXPECT_EQ(At(11, 5), kLight);
  EXPECT_EQ(CountColor(clWhite, Rect(2, 2, 11, 11)), 81) << "unchecked: an empty white box";
}

TEST_F(FrameControls, CheckMarkInEveryState) {
  Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(CountColor(kDark, Rect(2, 2, 11, 11)), 21);
  EXPECT_EQ(At(9, 3), kDark);   // the mark's top-right tip
  EXPECT_EQ(At(5, 9), kDark);   // its bottom point
  EXPECT_EQ(At(3, 3), clWhite);
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(CountColor(kShadow, Rect(2, 2, 11, 11)), 21);
  EXPECT_EQ(At(3, 3), kFace);
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_PUSHED);
  EXPECT_EQ(At(3, 3), kFace);
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT);
  EXPECT_EQ(At(0, 5), kShadow);
  EXPECT_EQ(At(12, 5), kShadow);
  EXPECT_EQ(At(1, 5), clWhite);
  EXPECT_EQ(CountColor(kDark), 21);
}

TEST_F(FrameControls, RadioIsARoundTwelvePixelGlyph) {
  Draw(DFC_BUTTON, DFCS_BUTTONRADIO);
  EXPECT_EQ(InkBounds(clFuchsia), Rect(0, 0, 12, 12));
  EXPECT_EQ(At(0, 0), clFuchsia);
  EXPECT_EQ(At(5, 0), kShadow);
  EXPECT_EQ(At(5, 11), kHilight);
  EXPECT_EQ(At(5, 1), kDark);
  EXPECT_EQ(At(5, 10), kLight);
  EXPECT_EQ(At(5, 5), clWhite);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) EXPECT_EQ(At(x, y) == clFuchsia, At(11 - x, y) == clFuchsia) << x << "," << y;
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(CountColor(kDark, Rect(3, 3, 9, 9)), 12) << "a four-pixel dot without its corners";
  EXPECT_EQ(At(4, 4), clWhite);
  EXPECT_EQ(At(5, 5), kDark);
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(At(5, 5), kShadow);
  EXPECT_EQ(At(3, 5), kFace);
}

TEST_F(FrameControls, GlyphsCentreInLargerRectangles) {
  Draw(DFC_BUTTON, DFCS_BUTTONCHECK, Rect(0, 0, 29, 21));
  EXPECT_EQ(InkBounds(clFuchsia), Rect(8, 4, 21, 17));
}

TEST_F(FrameControls, PushButtonsRaiseAndSink) {
  TRect r = Rect(0, 0, 20, 15);
  DrawFrameControl(dc(), r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  EXPECT_EQ(r, Rect(2, 2, 18, 13));
  EXPECT_EQ(At(0, 5), kHilight);
  EXPECT_EQ(At(19, 5), kDark);
  EXPECT_EQ(At(10, 7), kFace);
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, Rect(0, 0, 20, 15));
  EXPECT_EQ(At(0, 5), kShadow);
  EXPECT_EQ(At(19, 5), kHilight);
  EXPECT_EQ(At(10, 7), kFace);
}

TEST_F(FrameControls, ScrollArrowsPointTheirWay) {
  Draw(DFC_SCROLL, DFCS_SCROLLDOWN, Rect(0, 0, 16, 16));
  TRect arrow = InkBounds(kFace, Rect(2, 2, 14, 14));
  EXPECT_EQ(arrow.Width(), 7) << Str(arrow);
  EXPECT_EQ(arrow.Height(), 4);
  EXPECT_EQ(CountColor(kDark, Rect(arrow.Left, arrow.Top, arrow.Right, arrow.Top + 1)), 7);  // wide end first
  EXPECT_EQ(CountColor(kDark, Rect(arrow.Left, arrow.Bottom - 1, arrow.Right, arrow.Bottom)), 1);
  MakeBitmap(30, 30, clFuchsia);
  Draw(DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE, Rect(0, 0, 16, 16));
  EXPECT_EQ(CountColor(kDark, Rect(2, 2, 14, 14)), 0);
  EXPECT_GT(CountColor(kShadow, Rect(2, 2, 14, 14)), 10);
  EXPECT_GT(CountColor(kHilight, Rect(2, 2, 14, 14)), 3);
}

TEST_F(FrameControls, CaptionButtonsAndBadInput) {
  Draw(DFC_CAPTION, DFCS_CAPTIONCLOSE, Rect(0, 0, 16, 14));
  EXPECT_GT(CountColor(kDark, Rect(2, 2, 14, 12)), 8);
  TRect empty = Rect(5, 5, 0, 0);
  MakeBitmap(30, 30, clFuchsia);
  EXPECT_TRUE(DrawFrameControl(dc(), empty, DFC_BUTTON, DFCS_BUTTONCHECK));
  EXPECT_TRUE(DrawEdge(dc(), empty, EDGE_RAISED, BF_RECT | BF_MIDDLE));
  EXPECT_EQ(CountColor(clFuchsia), 900);
  EXPECT_FALSE(DrawFrameControl(dc(), empty, 99, 0));
  EXPECT_FALSE(DrawEdge(nullptr, empty, EDGE_RAISED, BF_RECT));
}

TEST_F(Edges, DrawStatePaintsMonoSilhouettesAndTheDisabledLook) {
  TBitmap glyph(4, 4);  // white ground (its bottom-left pixel), a red 2 x 2 ink square
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  EXPECT_TRUE(DrawState(dc(), blue, reinterpret_cast<intptr_t>(glyph.Handle()), 0, 10, 10, 0, 0, DST_BITMAP | DSS_MONO));
  EXPECT_EQ(CountColor(clBlue), 4);
  EXPECT_EQ(At(11, 11), clBlue);
  EXPECT_EQ(At(10, 10), clFuchsia) << "the ground stays untouched";
  DeleteObject(blue);
  MakeBitmap(40, 40, clFuchsia);
  DrawState(dc(), nullptr, reinterpret_cast<intptr_t>(glyph.Handle()), 0, 10, 10, 0, 0, DST_BITMAP | DSS_DISABLED);
  EXPECT_EQ(At(11, 11), kShadow);
  EXPECT_EQ(At(13, 13), kHilight);  // the highlight copy sits one pixel down and right
  EXPECT_EQ(CountColor(kShadow) + CountColor(kHilight), 4 + 3);
  MakeBitmap(40, 40, clFuchsia);
  DrawState(dc(), nullptr, reinterpret_cast<intptr_t>(glyph.Handle()), 0, 10, 10, 0, 0, DST_BITMAP);
  EXPECT_EQ(At(10, 10), clWhite);
  EXPECT_EQ(At(11, 11), clRed);
  MakeBitmap(40, 40, clFuchsia);
  const char* text = "&Ok";
  EXPECT_TRUE(DrawState(dc(), nullptr, reinterpret_cast<intptr_t>(text), 0, 2, 2, 0, 0, DST_PREFIXTEXT | DSS_DISABLED));
  EXPECT_GT(CountColor(kShadow), 10);
  EXPECT_GT(CountColor(kHilight), 10);
  EXPECT_EQ(CountColor(clBlack), 0);
  EXPECT_FALSE(DrawState(dc(), nullptr, 0, 0, 0, 0, 0, 0, DST_BITMAP));
}

TEST_F(Edges, RectanglesNearTheIntLimitsNeverOverflow) {
  const int big = 2147483647, small = -2147483647 - 1;
  TRect r = Rect(big - 3, big - 3, big, big);
  DrawEdge(dc(), r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
  r = Rect(small, small, small + 3, small + 3);
  DrawFrameControl(dc(), r, DFC_BUTTON, DFCS_BUTTONRADIO);
  r = Rect(big - 20, big - 20, big, big);
  DrawFrameControl(dc(), r, DFC_SCROLL, DFCS_SCROLLDOWN);
  DrawFrameControl(dc(), r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  DrawFocusRect(dc(), Rect(small, small, big, big));
  TBitmap glyph(2, 2);
  DrawState(dc(), nullptr, reinterpret_cast<intptr_t>(glyph.Handle()), 0, big - 1, big - 1, 0, 0, DST_BITMAP | DSS_DISABLED);
  r = Rect(small, small, big, big);
  Frame3D(bmp.Canvas(), r, clRed, clRed, 1);
  EXPECT_EQ(CountColor(clFuchsia), 40 * 40) << "everything was drawn far outside the bitmap";
}

TEST_F(FrameControls, SizeGripRidgesRunDiagonally) {
  Draw(DFC_SCROLL, DFCS_SCROLLSIZEGRIP, Rect(0, 0, 16, 16));
  EXPECT_EQ(At(15, 14), kHilight);  // one step from the corner
  EXPECT_EQ(At(14, 15), kHilight);
  EXPECT_EQ(At(15, 13), kShadow);
  EXPECT_EQ(At(14, 14), kShadow);
  EXPECT_EQ(At(15, 11), kFace);     // the gap between groups
  EXPECT_EQ(At(15, 15), kFace);
  EXPECT_EQ(At(2, 2), kFace);
}

TEST_F(Edges, DiagonalEdgesCrossTheRectangle) {
  TRect r = Rect(5, 5, 15, 15);
  DrawEdge(dc(), r, EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT);
  EXPECT_EQ(At(5, 14), kLight);   // starts at the bottom-left corner
  EXPECT_EQ(At(14, 5), kLight);   // ends at the top-right corner
  EXPECT_EQ(At(10, 9), kLight);
  EXPECT_EQ(At(14, 6), kHilight); // the inner ring one pixel below
  EXPECT_EQ(At(5, 5), clFuchsia);
  EXPECT_EQ(r, Rect(5, 5, 15, 15));
  MakeBitmap(40, 40, clFuchsia);
  r = Rect(5, 5, 15, 15);
  DrawEdge(dc(), r, BDR_SUNKENOUTER, BF_DIAGONAL_ENDBOTTOMRIGHT);
  EXPECT_EQ(At(5, 5), kHilight);  // a falling line shows the lower-right colour
  EXPECT_EQ(At(14, 14), kHilight);
  EXPECT_EQ(CountColor(kHilight), 10);
}
