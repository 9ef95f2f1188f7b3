#include <gtest/gtest.h>

#include "tests/sidebar/sidebar_fixture.h"

// The ready-made looks: what each sets on the bar, its settings and its existing headers.

using PresetsTest = SidebarTest;

TEST_F(PresetsTest, EachPresetSetsItsViewAndButtonView) {
  struct Row {
    TnbPreSet preset;
    TnbViewStyle view;
    TnbButtonView buttons;
    TnbButtonStyle style;
    bool flat;
  };
  const Row rows[] = {
      {psOutlook, vsOutlook, bvNormal, bsLarge, false},
      {psFlatOutlook, vsOutlook, bvNormal, bsLarge, true},
      {psOutlookExpress, vsOutlook, bvToolBox, bsLarge, true},
      {psOffice, vsOutlook, bvNormal, bsLarge, true},
      {psOfficeXP, vsOutlook, bvWindowsXP, bsLarge, true},
      {psOffice2000, vsOutlook, bvWindows2000, bsLarge, true},
      {psToolBox, vsOutlook, bvToolBox, bsSmall, false},
      {psFlatToolBox, vsOutlook, bvToolBox, bsSmall, true},
      {psExplorerBar, vsExplorerBar, bvNormal, bsSmall, true},
      {psExplorerBarXP, vsExplorerBar, bvExplorer, bsSmall, true},
      {psExplorerBar2000, vsExplorerBar, bvWindows2000, bsSmall, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.preset));
    bar_->SetPreSet(row.preset);
    EXPECT_EQ(bar_->PreSet(), row.preset);
    EXPECT_EQ(bar_->ViewStyle(), row.view);
    EXPECT_EQ(bar_->Settings()->ButtonView(), row.buttons);
    EXPECT_EQ(bar_->Settings()->ButtonStyle(), row.style);
    EXPECT_EQ(bar_->Flat(), row.flat);
  }
}

TEST_F(PresetsTest, OnlyExistingHeadersChange) {
  TnbHeader* before = AddHeader("Before");
  int styles = 0;
  bar_->OnAfterChangeStyle.Bind(form_, "Styled", [&](TObject*, TnbPreSet p) {
    EXPECT_EQ(p, psExplorerBar);
    ++styles;
  });
  bar_->SetPreSet(psExplorerBar);
  TnbHeader* after = AddHeader("After");
  EXPECT_EQ(before->Options().Mask(), 20532u);
  EXPECT_EQ(before->Background()->AlphaBlend(), 70);
  EXPECT_EQ(after->Options().Mask(), 49636u);
  EXPECT_EQ(styles, 1);
  EXPECT_EQ(bar_->Background()->Color(), 11242102);
}

TEST_F(PresetsTest, OutlookAfterOutlookExpressDropsTheToolBoxScroller) {
  bar_->SetPreSet(psOutlookExpress);
  EXPECT_TRUE(bar_->Options().Contains(boActivateToolBoxScroller));
  bar_->SetPreSet(psOutlook);
  EXPECT_FALSE(bar_->Options().Contains(boActivateToolBoxScroller));
}

TEST_F(PresetsTest, OfficeXPResetsTheXPColours) {
  bar_->Settings()->XPColors()->SetPressedBackground(clRed);
  bar_->SetPreSet(psOfficeXP);
  EXPECT_EQ(bar_->Settings()->XPColors()->PressedBackground(), 13076383);
  EXPECT_EQ(bar_->Settings()->XPColors()->Background(), 14199984);
}

TEST_F(PresetsTest, ExplorerXPPaintsItsGradientBehindTheHeaders) {
  AddHeader("Mail", 2);
  AddHeader("Tools", 1);
  bar_->SetPreSet(psExplorerBarXP);
  auto bmp = Paint();
  // The bar's gradient runs left to right from the begin to the end colour.
  const TColor left = At(*bmp, 2, 350), right = At(*bmp, 196, 350);
  EXPECT_NE(left, right);
  EXPECT_NEAR(GetBValue(left), 0xE9, 8);
  EXPECT_NEAR(GetBValue(right), 0xD6, 8);
}
