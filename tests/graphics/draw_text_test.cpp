#include "platform/graphics/draw_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

#include "platform/graphics/text_out.h"
#include "tests/graphics/pixel_test_support.h"

using pixel_test::Str;

class DrawTexts : public PixelTest {
 protected:
  void SetUp() override {
    MakeBitmap(240, 120);
    SetBkMode(dc(), TRANSPARENT);
    TEXTMETRIC tm;
    GetTextMetrics(dc(), &tm);
    lineHeight = tm.tmHeight;
  }
  int Width(std::string_view s) {
    TSize size;
    GetTextExtentPoint32(dc(), s, &size);
    return size.cx;
  }
  int Draw(std::string_view text, TRect r, UINT format) { return DrawText(dc(), text, r, format); }
  // The width of the rectangle that holds `s` as one plain line.
  int HeldWidth(std::string_view s) {
    TRect r = Rect(0, 0, 1000, 0);
    DrawText(dc(), s, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.Right;
  }
  int lineHeight = 0;
};

TEST_F(DrawTexts, HorizontalAlignmentPlacesTheLine) {
  const TRect box = Rect(10, 10, 210, 30);
  int w = Width("Align");
  Draw("Align", box, DT_LEFT | DT_SINGLELINE);
  TRect left = InkBounds(clWhite);
  EXPECT_LE(left.Left, 12);
  MakeBitmap(240, 120);
  Draw("Align", box, DT_RIGHT | DT_SINGLELINE);
  TRect right = InkBounds(clWhite);
  EXPECT_LE(right.Right, 210);
  EXPECT_GE(right.Right, 206);
  MakeBitmap(240, 120);
  Draw("Align", box, DT_CENTER | DT_SINGLELINE);
  TRect centre = InkBounds(clWhite);
  EXPECT_NEAR(centre.Left, 10 + (200 - w) / 2, 2) << Str(centre);
}

TEST_F(DrawTexts, VerticalCentreAndBottomForSingleLines) {
  const TRect box = Rect(0, 0, 200, 100);
  int ret = Draw("Mid", box, DT_SINGLELINE | DT_VCENTER);
  TRect mid = InkBounds(clWhite);
  int top = (100 - lineHeight) / 2;
  EXPECT_GE(mid.Top, top);
  EXPECT_LE(mid.Bottom, top + lineHeight);
  EXPECT_EQ(ret, top + lineHeight);
  MakeBitmap(240, 120);
  Draw("Low", box, DT_SINGLELINE | DT_BOTTOM);
  TRect low = InkBounds(clWhite);
  EXPECT_LE(low.Bottom, 100);
  EXPECT_GE(low.Top, 100 - lineHeight);
}

TEST_F(DrawTexts, LinesBreakAtLineEndsUnlessSingleLine) {
  TRect r = Rect(0, 0, 200, 0);
  EXPECT_EQ(DrawText(dc(), "one\ntwo\r\nthree", r, DT_CALCRECT), 3 * lineHeight);
  EXPECT_EQ(r.Bottom, 3 * lineHeight);
  EXPECT_EQ(r.Right, HeldWidth("three"));
  r = Rect(0, 0, 200, 0);
  EXPECT_EQ(DrawText(dc(), "one\ntwo", r, DT_CALCRECT | DT_SINGLELINE), lineHeight);
  r = Rect(0, 0, 200, 0);
  EXPECT_EQ(DrawText(dc(), "", r, DT_CALCRECT), lineHeight);
  EXPECT_EQ(r.Right, 0);
}

TEST_F(DrawTexts, WordBreakWrapsAtSpacesWithinTheWidth) {
  int wrap = std::max(Width("alpha beta"), Width("gamma delta")) + 2;
  TRect r = Rect(0, 0, wrap, 0);
  int h = DrawText(dc(), "alpha beta gamma delta", r, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(h, 2 * lineHeight);
  EXPECT_LE(r.Right, wrap);
  TRect box = Rect(0, 0, wrap, 100);
  Draw("alpha beta gamma delta", box, DT_WORDBREAK);
  TRect ink = InkBounds(clWhite);
  EXPECT_LE(ink.Right, wrap);
  EXPECT_GT(ink.Bottom, lineHeight);
  EXPECT_LE(ink.Bottom, 2 * lineHeight);
  // A word wider than the line stays whole on its own line.
  r = Rect(0, 0, Width("ab"), 0);
  EXPECT_EQ(DrawText(dc(), "abcdefgh ij", r, DT_WORDBREAK | DT_CALCRECT), 2 * lineHeight);
}

TEST_F(DrawTexts, ChineseBreaksBetweenAnyTwoIdeographs) {
  SelectObject(dc(), GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRIC tm;
  GetTextMetrics(dc(), &tm);
  int wrap = Width("中文中文") + 1;
  TRect r = Rect(0, 0, wrap, 0);
  EXPECT_EQ(DrawText(dc(), "中文中文中文中文中文", r, DT_WORDBREAK | DT_CALCRECT), 3 * tm.tmHeight);
  EXPECT_LE(r.Right, wrap);
  EXPECT_GE(r.Right, Width("中文中文"));
}

TEST_F(DrawTexts, TabsExpandToEightAverageCharacters) {
  TEXTMETRIC tm;
  GetTextMetrics(dc(), &tm);
  TRect r = Rect(0, 0, 400, 0);
  DrawText(dc(), "a\tb", r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
  EXPECT_EQ(r.Right, 8 * tm.tmAveCharWidth + HeldWidth("b"));
  DRAWTEXTPARAMS p;
  p.iTabLength = 4;
  r = Rect(0, 0, 400, 0);
  DrawTextEx(dc(), "a\tb", r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE, &p);
  EXPECT_EQ(r.Right, 4 * tm.tmAveCharWidth + HeldWidth("b"));
  Draw("a\tb", Rect(0, 0, 400, 40), DT_EXPANDTABS | DT_SINGLELINE);
  EXPECT_GT(CountColor(clBlack, Rect(8 * tm.tmAveCharWidth, 0, 400, 40)), 3);
  EXPECT_EQ(CountColor(clBlack, Rect(Width("a") + 2, 0, 8 * tm.tmAveCharWidth, 40)), 0);
}

TEST_F(DrawTexts, PrefixUnderlinesTheNextCharacterAndDoubleAmpersandIsOne) {
  TRect r = Rect(0, 0, 200, 0);
  DrawText(dc(), "&File", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Right, HeldWidth("File"));
  r = Rect(0, 0, 200, 0);
  DrawText(dc(), "A&&B", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Right, HeldWidth("A&B"));
  r = Rect(0, 0, 200, 0);
  DrawText(dc(), "A&&B", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(r.Right, HeldWidth("A&&B"));

  TEXTMETRIC tm;
  GetTextMetrics(dc(), &tm);
  int underlineRow = tm.tmAscent + 1;
  Draw("F&ile", Rect(0, 0, 200, 40), DT_SINGLELINE);
  int fw = Width("F"), iw = Width("Fi");
  EXPECT_EQ(CountColor(clBlack, Rect(fw, underlineRow, iw, underlineRow + 1)), iw - fw);
  EXPECT_EQ(CountColor(clBlack, Rect(iw, underlineRow, 200, underlineRow + 1)), 0);
  MakeBitmap(240, 120);
  SetBkMode(dc(), TRANSPARENT);
  Draw("F&ile", Rect(0, 0, 200, 40), DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_EQ(CountColor(clBlack, Rect(fw, underlineRow, iw, underlineRow + 1)), 0);
}

TEST_F(DrawTexts, EndEllipsisShortensOnlyTheLastVisibleLine) {
  int wide = Width("A long line of text");
  TRect box = Rect(0, 0, wide / 2, 100);
  Draw("A long line of text", box, DT_SINGLELINE | DT_END_ELLIPSIS);
  TRect ink = InkBounds(clWhite);
  EXPECT_LE(ink.Right, wide / 2);
  int dots = Width("...");
  // The dots are the last ink, three separate marks at the end.
  EXPECT_GT(CountColor(clBlack, Rect(ink.Right - dots, 0, ink.Right, 40)), 0);

  MakeBitmap(240, 120);
  SetBkMode(dc(), TRANSPARENT);
  int wrap = Width("alpha beta") + 2;
  TRect two = Rect(0, 0, wrap, 2 * lineHeight);  // room for two of the three lines
  Draw("alpha beta gamma delta epsilon zeta", two, DT_WORDBREAK | DT_END_ELLIPSIS);
  TRect firstLine = InkBounds(clWhite, Rect(0, 0, 240, lineHeight));
  TRect secondLine = InkBounds(clWhite, Rect(0, lineHeight, 240, 2 * lineHeight));
  EXPECT_LE(firstLine.Right, Width("alpha beta") + 1);  // untouched
  EXPECT_LE(secondLine.Right, wrap);
  EXPECT_EQ(CountColor(clBlack, Rect(0, 2 * lineHeight, 240, 120)), 0);
  // The second line ends in dots although its words fit: more text follows.
  EXPECT_GT(secondLine.Right, Width("gamma"));
}

TEST_F(DrawTexts, CalcRectAgreesWithWhatIsDrawn) {
  const char* text = "Several words that wrap\nand a second paragraph";
  TRect calc = Rect(5, 5, 105, 5);
  int h = DrawText(dc(), text, calc, DT_WORDBREAK | DT_CALCRECT);
  Draw(text, Rect(5, 5, 105, 200), DT_WORDBREAK);
  TRect ink = InkBounds(clWhite);
  EXPECT_EQ(calc.Bottom - calc.Top, h);
  EXPECT_GE(ink.Top, calc.Top);
  EXPECT_LE(ink.Bottom, calc.Bottom);
  EXPECT_GT(ink.Bottom, calc.Bottom - lineHeight);
  EXPECT_LE(ink.Right, calc.Right + 1);
  EXPECT_GT(ink.Right, calc.Right - 8);
}

// A rectangle computed to hold a text covers the pixel its last glyph only partly fills, and no
// pixel more: the exact shaped width rounded up, never to the nearest.
TEST_F(DrawTexts, CalcRectHoldsTheExactShapedWidthRoundedUp) {
  const char* texts[] = {"Name", "Telephone number", "Ivory 1234", "WAVE", "office", "i", "城市42",
                         "Name\nTelephone number"};
  for (const char* face : {"DejaVu Sans", "DejaVu Serif"}) {
    for (int pixels : {11, 13, 17}) {
      for (bool bold : {false, true}) {
        TFont* font = bmp.Canvas()->Font();
        font->SetName(face);
        font->SetHeight(-pixels);
        font->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
        QFont same;
        same.setFamilies({QString::fromUtf8(face), QStringLiteral("WenQuanYi Zen Hei")});
        same.setPixelSize(pixels);
        same.setBold(bold);
        same.setKerning(false);
        same.setStyleStrategy(QFont::NoAntialias);
        const QFontMetricsF exact(same);
        for (const char* text : texts) {
          double widest = 0;
          for (const QString& line : QString::fromUtf8(text).split(u'\n'))
            widest = std::max(widest, exact.horizontalAdvance(line));
          TRect r = Rect(3, 0, 1000, 0);
          DrawText(dc(), text, r, DT_CALCRECT | DT_NOPREFIX);
          EXPECT_GE(r.Right - 3, widest) << face << " " << pixels << " bold " << bold << " " << text;
          EXPECT_LT(r.Right - 3, widest + 1) << face << " " << pixels << " bold " << bold << " " << text;
        }
        TEXTMETRIC tm;
        GetTextMetrics(dc(), &tm);
        const double tabStop = 8 * tm.tmAveCharWidth;
        TRect r = Rect(0, 0, 1000, 0);
        DrawText(dc(), "Name\tnumber", r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
        EXPECT_GE(r.Right, tabStop + exact.horizontalAdvance(QStringLiteral("number"))) << face << " " << pixels;
        EXPECT_LT(r.Right, tabStop + exact.horizontalAdvance(QStringLiteral("number")) + 1) << face << " " << pixels;
      }
    }
  }
}

TEST_F(DrawTexts, MarginsNarrowTheLineAndClipUnlessNoClip) {
  DRAWTEXTPARAMS p;
  p.iLeftMargin = 20;
  p.iRightMargin = 30;
  TRect r = Rect(0, 0, 200, 40);
  DrawTextEx(dc(), "Margin", r, DT_SINGLELINE, &p);
  TRect ink = InkBounds(clWhite);
  EXPECT_GE(ink.Left, 20);
  MakeBitmap(240, 120);
  SetBkMode(dc(), TRANSPARENT);
  r = Rect(0, 0, 200, 40);
  DrawTextEx(dc(), "Margin", r, DT_SINGLELINE | DT_RIGHT, &p);
  ink = InkBounds(clWhite);
  EXPECT_LE(ink.Right, 170);
  EXPECT_GE(ink.Right, 165);
  MakeBitmap(240, 120);
  SetBkMode(dc(), TRANSPARENT);
  Draw("Clipped away", Rect(10, 10, 20, 40), DT_SINGLELINE);
  EXPECT_TRUE(InkBounds(clWhite).Right <= 20);
  Draw("Not clipped", Rect(10, 50, 20, 90), DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(InkBounds(clWhite, Rect(0, 50, 240, 90)).Right, 30);
}

TEST_F(DrawTexts, RightToLeftReadingKeepsTheTextInItsRectangle) {
  Draw("abc!", Rect(0, 0, 200, 40), DT_SINGLELINE | DT_RTLREADING | DT_RIGHT);
  TRect ink = InkBounds(clWhite);
  EXPECT_LE(ink.Right, 200);
  EXPECT_GE(ink.Left, 200 - Width("abc!") - 1);
}

TEST_F(DrawTexts, BadInputDrawsNothingWrong) {
  EXPECT_EQ(Draw("x", Rect(50, 50, 10, 10), DT_SINGLELINE), lineHeight);
  EXPECT_EQ(CountColor(clBlack), 0);
  TRect none;
  EXPECT_EQ(DrawText(nullptr, "x", none, 0), 0);
  std::string broken = "ab\xff\xfe" "cd\xe4";
  Draw(broken, Rect(0, 0, 200, 40), DT_WORDBREAK | DT_END_ELLIPSIS);
  TRect r = Rect(0, 0, 1, 0);
  DrawText(dc(), "&", r, DT_CALCRECT | DT_WORDBREAK);
}

TEST_F(DrawTexts, MirroredLayoutPutsLeftAlignedTextAtTheRight) {
  SetLayout(dc(), LAYOUT_RTL);
  Draw("Mirror", Rect(0, 0, 100, 40), DT_SINGLELINE | DT_LEFT);
  SetLayout(dc(), LAYOUT_LTR);
  TRect ink = InkBounds(clWhite);
  EXPECT_GE(ink.Left, 240 - 100);
  EXPECT_LE(ink.Right, 240);
  EXPECT_GE(ink.Right, 240 - 3) << Str(ink);
  EXPECT_LT(ink.Left, 240 - Width("Mirror") + 3) << "glyphs read left to right, not mirrored";
}
