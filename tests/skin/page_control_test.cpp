#include <gtest/gtest.h>

#include "skin/buttons.h"
#include "tests/skin/page_control_support.h"

// Pages by index, tabs that scroll and hide, and the events of switching pages.

namespace {

// Records the page events as short texts ("hide 0", "show 2", "active 2", "change").
struct TPageEvents {
  std::vector<String> log;

  void Watch(TskPageControl* control) {
    control->OnTabActive.Bind(control, "TabActive", [this](TObject*, int index) { log.push_back("active " + std::to_string(index)); });
    control->OnChange.Bind(control, "Change", [this](TObject*) { log.push_back("change"); });
    for (int i = 0; i < control->PageCount(); ++i) {
      TskTabSheet* page = control->Pages(i);
      page->OnShow.Bind(page, "Show", [this, page](TObject*) { log.push_back("show " + page->Caption()); });
      page->OnHide.Bind(page, "Hide", [this, page](TObject*) { log.push_back("hide " + page->Caption()); });
    }
  }
};

}  // namespace

TEST_F(PageControlTest, EachNewPageBecomesCurrentAndOnlyTheCurrentPageIsEnabled) {
  TskPageControl* control = MakePages(3);
  EXPECT_EQ(control->PageCount(), 3);
  EXPECT_EQ(control->ActivePage(), control->Pages(2));
  EXPECT_EQ(control->TopPanel()->TabIndex(), 2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(control->Pages(i)->PageIndex(), i);
    EXPECT_EQ(control->Pages(i)->Enabled(), i == 2) << i;
    EXPECT_EQ(control->TopPanel()->Tabs()->Strings(i), "页面" + std::to_string(i));
  }
}

TEST_F(PageControlTest, SwitchingByTabClickAndByIndexFiresEachEventOnce) {
  TskPageControl* control = MakePages(3);
  control->SetActivePageIndex(0);
  TPageEvents events;
  events.Watch(control);
  ClickTab(control, 1);
  EXPECT_EQ(events.log, (std::vector<String>{"hide 页面0", "show 页面1", "active 1", "change"}));
  EXPECT_EQ(control->ActivePage(), control->Pages(1));
  events.log.clear();
  control->SetActivePageIndex(2);
  EXPECT_EQ(events.log, (std::vector<String>{"hide 页面1", "show 页面2", "active 2", "change"}));
  events.log.clear();
  ClickTab(control, 2);  // the current tab: nothing changes
  control->SetActivePageIndex(5);  // beyond the pages: ignored
  control->SetActivePageIndex(-1);
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(control->ActivePage(), control->Pages(2));
}

TEST_F(PageControlTest, OnChangingRefusesAClickButNotACodeChange) {
  TskPageControl* control = MakePages(3);
  control->OnChanging.Bind(control, "Changing", [](TObject*, bool& allow) { allow = false; });
  ClickTab(control, 0);
  EXPECT_EQ(control->ActivePage(), control->Pages(2));
  control->SetActivePageIndex(0);
  EXPECT_EQ(control->ActivePage(), control->Pages(0));
  EXPECT_EQ(control->TopPanel()->TabIndex(), 0);
}

TEST_F(PageControlTest, ClickingTheFirstPageControlFocusesItsFirstControl) {
  TskPageControl* control = MakePages(2);
  auto* button = new TskButton(form_);
  button->SetParent(control->Pages(0));
  form_->Show();
  ClickTab(control, 0);
  EXPECT_EQ(form_->ActiveControl(), button);
}

TEST_F(PageControlTest, RemovingAPageKeepsACurrentPage) {
  struct TCase {
    int current, removed;
    String expected;  // caption of the current page afterwards
  };
  for (const TCase& c : {TCase{0, 0, "页面1"}, TCase{2, 2, "页面1"}, TCase{1, 1, "页面0"}, TCase{0, 2, "页面0"},
                         TCase{2, 0, "页面2"}}) {
    TskPageControl* control = MakePages(3);
    control->SetActivePageIndex(c.current);
    delete control->Pages(c.removed);
    ASSERT_EQ(control->PageCount(), 2);
    ASSERT_NE(control->ActivePage(), nullptr) << c.current << " " << c.removed;
    EXPECT_EQ(control->ActivePage()->Caption(), c.expected) << c.current << " " << c.removed;
    EXPECT_EQ(control->TopPanel()->TabIndex(), control->ActivePage()->PageIndex());
    EXPECT_TRUE(control->ActivePage()->Enabled());
    delete control;
  }
  TskPageControl* control = MakePages(1);
  delete control->Pages(0);
  EXPECT_EQ(control->ActivePage(), nullptr);
  EXPECT_EQ(control->TopPanel()->TabIndex(), -1);
}

TEST_F(PageControlTest, HidingTheCurrentTabMovesToTheNearestVisiblePageBeforeItFirst) {
  TskPageControl* control = MakePages(4);
  control->SetActivePageIndex(2);
  control->Pages(2)->SetTabVisible(false);
  EXPECT_EQ(control->ActivePage(), control->Pages(1));
  control->Pages(0)->SetTabVisible(false);
  control->Pages(1)->SetTabVisible(false);
  EXPECT_EQ(control->ActivePage(), control->Pages(3));
  EXPECT_TRUE(control->TopPanel()->TabRect(0).IsEmpty());
  EXPECT_FALSE(control->TopPanel()->TabRect(3).IsEmpty());
  control->Pages(3)->SetTabVisible(false);  // none left visible: it stays
  EXPECT_EQ(control->ActivePage(), control->Pages(3));
}

TEST_F(PageControlTest, TabVisibilityFollowsThePageWhenPagesMove) {
  TskPageControl* control = MakePages(4);
  control->Pages(2)->SetTabVisible(false);
  TskTabSheet* hidden = control->Pages(2);
  hidden->SetPageIndex(0);
  EXPECT_EQ(control->Pages(0), hidden);
  EXPECT_EQ(control->ActivePage(), hidden);
  EXPECT_FALSE(control->TopPanel()->TabVisible(0));
  EXPECT_TRUE(control->TopPanel()->TabVisible(2));
  EXPECT_TRUE(control->TopPanel()->TabRect(0).IsEmpty());
  delete control->Pages(1);
  EXPECT_FALSE(control->TopPanel()->TabVisible(0));
  EXPECT_TRUE(control->TopPanel()->TabVisible(1));
  hidden->SetPageIndex(7);  // beyond the pages: stays
  EXPECT_EQ(hidden->PageIndex(), 0);
}

TEST_F(PageControlTest, HundredPagesScrollWithinTheirTabs) {
  TskPageControl* control = MakePages(100);
  TskTabControlTopPanel* strip = control->TopPanel();
  // The last page is current and its tab is scrolled whole into view.
  EXPECT_EQ(strip->TabIndex(), 99);
  EXPECT_TRUE(strip->ScrollButtonsDrawn());
  TRect last = strip->TabRect(99);
  EXPECT_FALSE(last.IsEmpty());
  EXPECT_LE(last.Right, strip->Width() - 10);
  EXPECT_FALSE(strip->Layout().Tabs[99].Cut);
  // Back to the start, then forward further than there are tabs: the first shown tab stops
  // at the last one.
  for (int i = 0; i < 120; ++i) Click(control, Centre(strip->BackButtonRect()));
  EXPECT_EQ(strip->FirstShownTab(), 0);
  for (int i = 0; i < 150; ++i) Click(control, Centre(strip->ForwardButtonRect()));
  EXPECT_LT(strip->FirstShownTab(), 100);
  EXPECT_GT(strip->FirstShownTab(), 0);
  for (int i = 0; i < 120; ++i) Click(control, Centre(strip->BackButtonRect()));
  // A tab cut at the scroll buttons comes whole into view when clicked.
  int cut = -1;
  for (int i = 0; i < 100 && cut < 0; ++i) cut = strip->Layout().Tabs[static_cast<size_t>(i)].Cut ? i : -1;
  ASSERT_GT(cut, 0);
  ClickTab(control, cut);
  EXPECT_EQ(control->ActivePage(), control->Pages(cut));
  EXPECT_FALSE(strip->Layout().Tabs[static_cast<size_t>(cut)].Cut);
  EXPECT_GT(strip->FirstShownTab(), 0);
  // Hidden tabs beyond the 64th take no room.
  for (int i = 70; i < 90; ++i) control->Pages(i)->SetTabVisible(false);
  control->SetActivePageIndex(90);
  EXPECT_FALSE(strip->TabRect(90).IsEmpty());
  EXPECT_TRUE(strip->TabRect(89).IsEmpty());
  EXPECT_FALSE(strip->TabVisible(80));
  EXPECT_TRUE(strip->TabVisible(95));
  // Going back shows the earlier tab again.
  control->SetActivePageIndex(3);
  EXPECT_FALSE(strip->TabRect(3).IsEmpty());
}

TEST_F(PageControlTest, ACurrentTabWiderThanTheStripEndsUpFirstShown) {
  TskPageControl* control = MakePages(0, Marine, Bounds(10, 10, 90, 100));
  for (int i = 0; i < 5; ++i) AddPage(control, "一个很长很长很长的页面标题" + std::to_string(i));
  EXPECT_EQ(control->TopPanel()->FirstShownTab(), 4);
  EXPECT_TRUE(control->TopPanel()->Layout().Tabs[4].Cut);
  control->SetActivePageIndex(1);
  EXPECT_EQ(control->TopPanel()->FirstShownTab(), 1);
}

TEST_F(PageControlTest, TabWidthsFollowTheirCaptions) {
  TskPageControl* control = MakePages(0, Marine, Bounds(10, 10, 600, 100));
  AddPage(control, "");
  AddPage(control, "i");
  AddPage(control, "页面页面页面");
  TskTabControlTopPanel* strip = control->TopPanel();
  EXPECT_EQ(strip->TabRect(0).Width(), 80);
  EXPECT_EQ(strip->TabRect(0).Left, 10);
  EXPECT_GE(strip->TabRect(1).Width(), 15);
  EXPECT_EQ(strip->TabRect(1).Left, 90);
  EXPECT_GT(strip->TabRect(2).Width(), strip->TabRect(1).Width() + 40);
  EXPECT_FALSE(strip->ScrollButtonsDrawn());
  control->SetLeftMargin(30);
  EXPECT_EQ(strip->TabRect(0).Left, 30);
}

TEST_F(PageControlTest, TheStripSpansTheTopAndThePagesFillTheFrameBelowIt) {
  TskPageControl* control = MakePages(2, Marine, Bounds(10, 10, 300, 200));
  TskTabControlTopPanel* strip = control->TopPanel();
  strip->SetBounds(40, 30, 100, strip->Height());
  EXPECT_EQ(strip->BoundsRect(), Bounds(0, 0, 300, strip->Height()));
  control->SetWidth(360);
  EXPECT_EQ(strip->Width(), 360);
  EXPECT_EQ(control->Pages(1)->BoundsRect(), Rect(3, strip->Height() + 3, 357, 197));
  control->SetFileTheme(tabTheme_);
  control->SetUIStyle(FromThemeFile);
  EXPECT_EQ(strip->Height(), TTabThemeColours::TabHeight + TTabThemeColours::BarHeight);
  EXPECT_EQ(control->Pages(0)->Top(), strip->Height() + 3);
  control->SetCursor(crHandPoint);
  EXPECT_EQ(strip->Cursor(), crHandPoint);
}

TEST_F(PageControlTest, AThemeFileWithoutTabPicturesStillShowsClickableTabs) {
  TskPageControl* control = MakePages(3, Marine);
  const int marineHeight = control->TopPanel()->Height();
  control->SetFileTheme(Theme());  // the controls' test theme has no tab pictures
  control->SetUIStyle(FromThemeFile);
  EXPECT_EQ(control->TopPanel()->Height(), marineHeight);
  ClickTab(control, 0);
  EXPECT_EQ(control->ActivePage(), control->Pages(0));
}
