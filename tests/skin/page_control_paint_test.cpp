#include <gtest/gtest.h>

#include "tests/skin/page_control_support.h"

// What a page control shows in each look: tab pictures, bar, frame, body and scroll buttons.

namespace {

struct TExpectedLook {
  TColor body, border;
};

TExpectedLook ExpectedLook(TskUIStyle style) {
  if (style == FromThemeFile) return {TTabThemeColours::Background, TTabThemeColours::Border};
  // The built-in Pearl body is white whatever its control colour says.
  const TColor body = style == Pearl ? clWhite : GetInsideThemeColor(style, tkControlBackgroundColor);
  return {body, GetInsideThemeColor(style, tkControlBorderColor)};
}

// The pixel the tab picture (cell 1 active, 2 inactive) holds at row y of its middle piece.
TColor TabPicturePixel(TskUIStyle style, int cell, int y) {
  if (style == FromThemeFile) return cell == 1 ? TTabThemeColours::ActiveTab : TTabThemeColours::InactiveTab;
  TBitmap tabs;
  GetInsideThemeBitmap(style, tkTabControlTabImage, &tabs);
  const int tabWidth = tabs.Width() / 2, piece = tabWidth / 3;
  return tabs.Canvas()->Pixels((cell - 1) * tabWidth + piece + piece / 2, y);
}

}  // namespace

class PageControlLookTest : public PageControlTest, public ::testing::WithParamInterface<TskUIStyle> {};

TEST_P(PageControlLookTest, TabsBarFrameAndBodyComeFromTheTheme) {
  const TskUIStyle style = GetParam();
  TskPageControl* control = MakePages(3, style, Bounds(10, 10, 300, 120));
  control->SetActivePageIndex(1);
  TskTabControlTopPanel* strip = control->TopPanel();
  Paint(control);
  const TExpectedLook look = ExpectedLook(style);
  const int stripHeight = strip->Height();
  ASSERT_GT(strip->TabHeight(), 0);
  // The body below the strip, and its frame on the left, bottom and right.
  EXPECT_EQ(At(150, 100), look.body);
  EXPECT_EQ(control->ActivePage()->Color(), look.body);
  for (TPoint p : {Point(0, stripHeight + 5), Point(0, 119), Point(150, 119), Point(299, stripHeight + 5)})
    EXPECT_EQ(At(p.x, p.y), look.border) << p.x << "," << p.y;
  // Inside each tab, left of its caption: the active and the inactive picture.
  const TRect active = strip->TabRect(1), inactive = strip->TabRect(0);
  EXPECT_EQ(active.Top, 1);
  EXPECT_EQ(inactive.Top, 0);
  for (int y : {strip->TabHeight() / 2, strip->TabHeight() - 3}) {
    EXPECT_EQ(At(active.Left + 6, active.Top + y), TabPicturePixel(style, 1, y)) << "active row " << y;
    EXPECT_EQ(At(inactive.Left + 6, inactive.Top + y), TabPicturePixel(style, 2, y)) << "inactive row " << y;
  }
  // Everything fits: no scroll buttons over the strip's right end.
  EXPECT_FALSE(strip->ScrollButtonsDrawn());
}

TEST_P(PageControlLookTest, CaptionsAreDrawnInTheTabs) {
  TskPageControl* control = MakePages(2, GetParam(), Bounds(10, 10, 300, 120));
  control->Font()->SetColor(static_cast<TColor>(0x0000FF));
  Paint(control);
  for (int i = 0; i < 2; ++i) {
    const TRect r = control->TopPanel()->TabRect(i);
    EXPECT_GT(Count(static_cast<TColor>(0x0000FF), r), 10) << "tab " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLook, PageControlLookTest, ::testing::ValuesIn(kEveryLook),
                         [](const auto& param) { return StyleName(param.param); });

TEST_F(PageControlTest, ThemeFileStripShowsBarAndScrollButtonsWithTheirHoverLook) {
  using C = TTabThemeColours;
  TskPageControl* control = MakePages(12, FromThemeFile, Bounds(10, 10, 240, 120));
  TskTabControlTopPanel* strip = control->TopPanel();
  EXPECT_EQ(strip->Height(), C::TabHeight + C::BarHeight);
  ASSERT_TRUE(strip->ScrollButtonsDrawn());
  Paint(control);
  // The bar under the tabs, between the two border lines.
  EXPECT_EQ(At(strip->Width() / 2, C::TabHeight + C::BarHeight - 1), C::Bar);
  EXPECT_EQ(At(0, C::TabHeight + 2), C::Border);
  const TRect forward = strip->ForwardButtonRect(), back = strip->BackButtonRect();
  EXPECT_EQ(forward.Right, 240 - 2);
  EXPECT_EQ(back.Right, forward.Left);
  EXPECT_EQ(At(Centre(forward).x, Centre(forward).y), C::Buttons[0]);
  EXPECT_EQ(At(Centre(back).x, Centre(back).y), C::Buttons[2]);
  // No tab reaches under the buttons.
  for (int i = 0; i < 12; ++i) EXPECT_LE(strip->TabRect(i).Right, back.Left) << i;
  strip->Perform(WM_MOUSEMOVE, 0, Pos(Centre(forward).x, Centre(forward).y));
  EXPECT_EQ(strip->HoveredButton(), 1);
  Paint(control);
  EXPECT_EQ(At(Centre(forward).x, Centre(forward).y), C::Buttons[1]);
  strip->Perform(WM_MOUSEMOVE, 0, Pos(Centre(back).x, Centre(back).y));
  Paint(control);
  EXPECT_EQ(At(Centre(back).x, Centre(back).y), C::Buttons[3]);
  EXPECT_EQ(At(Centre(forward).x, Centre(forward).y), C::Buttons[0]);
}

TEST_F(PageControlTest, ACutTabShowsTheStartOfItsCaptionFromItsLeftEnd) {
  TskPageControl* control = MakePages(0, FromThemeFile, Bounds(10, 10, 200, 100));
  for (int i = 0; i < 4; ++i) AddPage(control, "发送短信页面");
  control->SetActivePageIndex(0);
  control->Font()->SetColor(static_cast<TColor>(0x0000FF));
  TskTabControlTopPanel* strip = control->TopPanel();
  int cut = -1;
  for (int i = 0; i < 4 && cut < 0; ++i) cut = strip->Layout().Tabs[static_cast<size_t>(i)].Cut ? i : -1;
  ASSERT_GT(cut, 0);
  Paint(control);
  // Which rows hold ink, column by column from the caption's first ink.
  auto inkColumns = [this](const TRect& r, int& start) {
    std::vector<uint32_t> columns;
    start = -1;
    for (int x = r.Left; x < r.Right && columns.size() < 8; ++x) {
      uint32_t rows = 0;
      for (int y = 0; y < 20; ++y) rows |= (At(x, r.Top + y) == static_cast<TColor>(0x0000FF) ? 1u : 0u) << y;
      if (start < 0 && rows == 0) continue;
      if (start < 0) start = x - r.Left;
      columns.push_back(rows);
    }
    return columns;
  };
  int wholeStart = 0, cutStart = 0;
  const std::vector<uint32_t> whole = inkColumns(strip->TabRect(cut - 1), wholeStart);
  const std::vector<uint32_t> cutColumns = inkColumns(strip->TabRect(cut), cutStart);
  EXPECT_EQ(cutColumns, whole) << "the cut tab begins its caption as a whole tab does";
  EXPECT_GE(cutStart, 10);
  EXPECT_LE(cutStart, 12);
  EXPECT_LE(strip->TabRect(cut).Right, strip->BackButtonRect().Left);
}
