// Cell texts: alignment, layout, word wrap, shortening with "...", turned text, and images
// placed in cells.
#include <gtest/gtest.h>

#include "gridlib/grid/cell_text.h"
#include "platform/core/strings.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/region.h"
#include "tests/grid/grid_paint_support.h"

namespace grid_test {
namespace {

class CellText : public BitmapPixelTest {
 protected:
  void SetUp() override {
    Make(200, 120);
    canvas()->Font()->SetName("Arial");
    canvas()->Font()->SetHeight(-12);
    canvas()->Font()->SetColor(clBlack);
    canvas()->Brush()->SetColor(clWhite);
  }
  void Write(const TRect& r, const String& text, TAlignment alignment, TTextLayout layout, bool multiLine = false,
             bool ellipsis = false) {
    WriteTextEx(canvas(), r, true, 2, 2, text, alignment, layout, multiLine, ellipsis, 0, 0, false);
  }
};

TEST_F(CellText, EllipsisKeepsFittingTextAndCutsWholeCharacters) {
  EXPECT_EQ(EllipsisText("abc", canvas(), 500), "abc");
  EXPECT_EQ(EllipsisText("W", canvas(), 1), "...") << "a one-character text that does not fit";
  const String chinese = "联系人姓名手机号码分组";
  const int room = canvas()->TextWidth("联系人姓名") + canvas()->TextWidth("...");
  const String cut = EllipsisText(chinese, canvas(), room);
  EXPECT_TRUE(IsValidUtf8(cut)) << cut;
  EXPECT_EQ(cut, "联系人姓名...");
  EXPECT_LE(canvas()->TextWidth(cut), room);
  EXPECT_EQ(EllipsisText(chinese, canvas(), canvas()->TextWidth(chinese) - 1).substr(0, 3), "联");
}

TEST_F(CellText, SingleLineTextIsPlacedByAlignmentAndLayout) {
  const TRect cell = Rect(20, 10, 180, 50);
  struct Case {
    TAlignment Alignment;
    TTextLayout Layout;
  };
  for (const Case c : {Case{taLeftJustify, tlTop}, Case{taRightJustify, tlCenter}, Case{taCenter, tlBottom}}) {
    Fill(clWhite);
    Write(cell, "Grid", c.Alignment, c.Layout);
    const TRect ink = InkBounds(clWhite, cell);
    SCOPED_TRACE(Describe(ink));
    ASSERT_FALSE(ink.IsEmpty());
    if (c.Alignment == taLeftJustify) {
      EXPECT_LE(ink.Left, cell.Left + 4);
    }
    if (c.Alignment == taRightJustify) {
      EXPECT_LE(ink.Right, cell.Right - 3);
      EXPECT_GE(ink.Right, cell.Right - 6) << "ends three pixels left of the edge";
    }
    if (c.Alignment == taCenter) {
      EXPECT_NEAR(ink.Left + ink.Right, cell.Left + cell.Right, 4);
    }
    if (c.Layout == tlTop) {
      EXPECT_LE(ink.Top, cell.Top + 6);
    }
    if (c.Layout == tlCenter) {
      EXPECT_NEAR(ink.Top + ink.Bottom, cell.Top + cell.Bottom, 6);
    }
    if (c.Layout == tlBottom) {
      EXPECT_GE(ink.Bottom, cell.Bottom - 4);
    }
  }
}

TEST_F(CellText, CentredTextInAnEmptyRectangleStartsAtZero) {
  const TRect empty = Rect(40, 10, 40, 30);
  WriteTextEx(canvas(), empty, false, 2, 2, "x", taCenter, tlTop, false, false, 0, 0, false);
  EXPECT_TRUE(InkBounds(clWhite).IsEmpty()) << "nothing shows of a text clipped to nothing";
}

TEST_F(CellText, WordWrapBreaksIntoLinesInsideTheCell) {
  const TRect cell = Rect(10, 10, 80, 110);
  Write(cell, "one two three four five six", taLeftJustify, tlTop, true);
  const TRect ink = InkBounds(clWhite);
  EXPECT_GT(ink.Height(), 2 * canvas()->TextHeight("W")) << "three lines or more";
  EXPECT_LE(ink.Right, cell.Right);
}

TEST_F(CellText, TallTextNeverStartsAboveItsCell) {
  const TRect cell = Rect(10, 50, 60, 70);
  for (TTextLayout layout : {tlCenter, tlBottom}) {
    Fill(clWhite);
    Write(cell, "one two three four five six seven", taLeftJustify, layout, true);
    EXPECT_GE(InkBounds(clWhite).Top, cell.Top) << "layout " << static_cast<int>(layout);
  }
}

TEST_F(CellText, EndEllipsisShortensWithinTheCell) {
  const TRect cell = Rect(10, 10, 70, 30);
  Write(cell, "a long text that does not fit", taLeftJustify, tlTop, false, true);
  const TRect ink = InkBounds(clWhite);
  EXPECT_LT(ink.Right, cell.Right - 1) << "the dots end inside the cell";
}

TEST_F(CellText, DitheredBrushIsComposedOnASolidBackground) {
  AcquireDrawBitmap();
  canvas()->Brush()->SetColor(static_cast<TColor>(0x336699));
  Write(Rect(10, 10, 90, 40), "Grid", taLeftJustify, tlTop);
  EXPECT_EQ(At(12, 38), static_cast<TColor>(0x336699));
  ReleaseDrawBitmap();
  EXPECT_EQ(SharedDrawBitmap(), nullptr);
}

TEST_F(CellText, TurnedTextRunsUpwardsAndLeavesTheFontAlone) {
  const TRect cell = Rect(20, 5, 60, 115);
  const int length = WriteTextVerticalEx(canvas(), cell, true, 2, 2, "Vertical", taCenter, tlBottom, true);
  EXPECT_NEAR(length, canvas()->TextWidth("Vertical"), 3);
  EXPECT_TRUE(InkBounds(clWhite).IsEmpty()) << "measuring draws nothing";
  WriteTextVerticalEx(canvas(), cell, true, 2, 2, "Vertical", taCenter, tlBottom, false);
  const TRect ink = InkBounds(clWhite);
  EXPECT_GT(ink.Height(), 2 * ink.Width());
  EXPECT_GE(ink.Bottom, cell.Bottom - 6) << "bottom layout";
  EXPECT_LE(ink.Bottom, cell.Bottom);
  EXPECT_EQ(canvas()->Font()->Orientation(), 0);
  Fill(clWhite);
  canvas()->TextOut(10, 10, "Level");
  const TRect level = InkBounds(clWhite);
  EXPECT_GT(level.Width(), level.Height()) << "the canvas writes across again";
}

// A leaning font reaches past its advance at the top of its glyphs: the length of turned
// italic text counts that reach, so a title measured with it is not cut.
TEST_F(CellText, TurnedItalicTextCountsItsLean) {
  const TRect cell = Rect(20, 5, 60, 115);
  const int upright = WriteTextVerticalEx(canvas(), cell, true, 2, 2, "Vertical", taCenter, tlBottom, true);
  EXPECT_EQ(upright, canvas()->TextWidth("Vertical"));
  canvas()->Font()->SetStyle({fsItalic});
  const int italic = WriteTextVerticalEx(canvas(), cell, true, 2, 2, "Vertical", taCenter, tlBottom, true);
  EXPECT_GT(italic, canvas()->TextWidth("Vertical")) << "the lean of the italic glyphs";
  EXPECT_LT(italic, canvas()->TextWidth("Vertical") + canvas()->TextHeight("V"));
}

TEST_F(CellText, ImagesAreClippedToTheirCellOnlyWhenLarger) {
  TImageList images(16, 16);
  TBitmap red;
  red.SetSize(16, 16);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(Rect(0, 0, 16, 16));
  images.AddMasked(&red, clNone);
  DrawClipped(&images, canvas(), taCenter, 0, 0, Rect(10, 10, 20, 20));
  EXPECT_EQ(InkBounds(clWhite), Rect(10, 10, 20, 20)) << "clipped to the cell";
  Fill(clWhite);
  DrawClipped(&images, canvas(), taRightJustify, 0, 0, Rect(50, 10, 100, 40));
  EXPECT_EQ(InkBounds(clWhite), Rect(84, 17, 100, 33));
  HRGN clip = CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(GetClipRgn(canvas()->Handle(), clip), 0) << "no clip left behind";
  DeleteObject(clip);
}

}  // namespace
}  // namespace grid_test
