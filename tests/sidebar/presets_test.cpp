#include <gtest/gtest.h>

#include "platform/classes/enum_info.h"
#include "platform/core/streams.h"
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

TEST_F(PresetsTest, EachPresetSetsItsColoursAndMetrics) {
  struct Row {
    TnbPreSet preset;
    TColor barColor;
    TnbBackgroundStyle barStyle;
    TColor headerColor;
    TnbBackgroundStyle headerStyle;
    int headerAlpha;  // -1: the preset leaves it alone
    int firstButtonTop, height, smallHeight, picLabDistance;
    TColor captionFont, buttonFont;
    bool boldCaptions;
    TBevelCut bevelInner;
    TColor headerPen;  // with its width below; clNone: the preset leaves the pen alone
    int headerPenWidth;
  };
  constexpr TColor kNoPen = clNone;
  const Row rows[] = {
      {psOutlook, clGray, btSolid, clGray, btSolid, -1, 10, 22, 30, 1, clWindowText, clWhite, false, bvLowered, kNoPen, 0},
      {psFlatOutlook, clGray, btSolid, clGray, btSolid, -1, 10, 22, 30, 1, clWindowText, clWhite, false, bvNone, kNoPen, 0},
      {psOutlookExpress, clGray, btSolid, clGray, btSolid, -1, 10, 22, 30, 1, clWindowText, clWhite, false, bvNone, kNoPen, 0},
      {psOffice, clSilver, btSolid, clSilver, btSolid, -1, 10, 22, 30, 1, clWindowText, clWindowText, false, bvNone, kNoPen, 0},
      {psOfficeXP, clSilver, btSolid, clSilver, btSolid, -1, 10, 22, 30, 1, clWindowText, clWindowText, false, bvNone, kNoPen, 0},
      {psOffice2000, clSilver, btSolid, clSilver, btSolid, -1, 10, 22, 30, 1, clWindowText, clWindowText, false, bvNone, kNoPen, 0},
      {psToolBox, clSilver, btSolid, clSilver, btSolid, -1, 2, 19, 25, 1, clWindowText, clGray, false, bvLowered, kNoPen, 0},
      {psFlatToolBox, clSilver, btSolid, clSilver, btSolid, -1, 2, 19, 25, 1, clWindowText, clGray, false, bvNone, kNoPen, 0},
      {psExplorerBar, 0xAB8A76, btSolid, clWhite, btTransparent, 70, 10, 25, 30, 3, clWindowText, clWindowText, true, bvNone, clBtnFace, 1},
      {psExplorerBarXP, clWhite, btGradient, clWhite, btTransparent, 50, 10, 25, 30, 3, clWhite, clWindowText, true, bvNone, clGray, 1},
      {psExplorerBar2000, clNavy, btSolid, clWhite, btTransparent, 150, 10, 25, 30, 3, clWhite, clWhite, true, bvNone, clWhite, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(GetEnumInfo(row.preset).Name(row.preset));
    // A bar of its own per preset, so what a preset leaves alone keeps the new bar's value.
    auto* bar = new TnbSideBar(form_);
    TnbHeader* header = bar->Headers()->Add();
    const int newAlpha = header->Background()->AlphaBlend();
    const TColor newPen = bar->Settings()->HeaderPen()->Color();
    const int newPenWidth = bar->Settings()->HeaderPen()->Width();
    bar->SetPreSet(row.preset);
    TnbBarSettings* s = bar->Settings();
    EXPECT_EQ(bar->Background()->Color(), row.barColor);
    EXPECT_EQ(bar->Background()->Style(), row.barStyle);
    EXPECT_EQ(header->Background()->Color(), row.headerColor);
    EXPECT_EQ(header->Background()->Style(), row.headerStyle);
    EXPECT_EQ(header->Background()->AlphaBlend(), row.headerAlpha < 0 ? newAlpha : row.headerAlpha);
    EXPECT_EQ(header->FirstButtonTop(), row.firstButtonTop);
    EXPECT_EQ(header->Margin(), 4);
    EXPECT_EQ(header->Spacing(), 2);
    EXPECT_EQ(s->Height(), row.height);
    EXPECT_EQ(s->SmallHeight(), row.smallHeight);
    EXPECT_EQ(s->LargeWidth(), 60);
    EXPECT_EQ(s->LargeHeight(), 60);
    EXPECT_EQ(s->PicLabDistance(), row.picLabDistance);
    for (TFont* f : {s->Font(), s->HighlightFont()}) {
      EXPECT_EQ(f->Name(), "MS Sans Serif");
      EXPECT_EQ(f->Size(), 8);
      EXPECT_EQ(f->Color(), row.captionFont);
      EXPECT_EQ(f->Style().Contains(fsBold), row.boldCaptions);
    }
    for (TFont* f : {s->ButtonFont(), s->ButtonHighlightFont()}) EXPECT_EQ(f->Color(), row.buttonFont);
    EXPECT_EQ(bar->BevelInner(), row.bevelInner);
    EXPECT_EQ(bar->BevelWidth(), 1);
    EXPECT_EQ(s->HeaderPen()->Color(), row.headerPen == kNoPen ? newPen : row.headerPen);
    EXPECT_EQ(s->HeaderPen()->Width(), row.headerPen == kNoPen ? newPenWidth : row.headerPenWidth);
  }
}

TEST_F(PresetsTest, ExplorerPresetsSetTheirBorderAndButtonColours) {
  struct Row {
    TnbPreSet preset;
    TColor arrow, statusBorder, buttonUp, buttonDown, xpBorder;
  };
  const Row rows[] = {
      {psExplorerBar, clBlack, clBtnFace, clBtnFace, clNone, clNavy},
      {psExplorerBarXP, 0xFFF9D7, 0xEA9361, 0xCC5E2E, 0x9F4406, clNavy},
      {psExplorerBar2000, clBlack, clBtnFace, clBtnFace, clNone, clWhite},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(GetEnumInfo(row.preset).Name(row.preset));
    auto* bar = new TnbSideBar(form_);
    const TColor newDown = bar->Settings()->ButtonDown()->Color();
    bar->SetPreSet(row.preset);
    TnbBarSettings* s = bar->Settings();
    for (int side : {bar->Border()->Left(), bar->Border()->Top(), bar->Border()->Right(), bar->Border()->Bottom(),
                     bar->Border()->Separator()})
      EXPECT_EQ(side, 5);
    EXPECT_EQ(s->ExplorerAddOn(), 15);
    EXPECT_EQ(s->StatusButton()->ArrowColor(), row.arrow);
    EXPECT_EQ(s->StatusButton()->BorderColor(), row.statusBorder);
    EXPECT_EQ(s->ButtonUp()->Color(), row.buttonUp);
    EXPECT_EQ(s->ButtonDown()->Color(), row.buttonDown == clNone ? newDown : row.buttonDown);
    EXPECT_EQ(s->XPColors()->BorderColor(), row.xpBorder);
  }
  auto* xp = new TnbSideBar(form_);
  xp->SetPreSet(psExplorerBarXP);
  EXPECT_EQ(xp->Background()->Gradient()->BeginColor(), 0xE99F7B);
  EXPECT_EQ(xp->Background()->Gradient()->EndColor(), 0xD67764);
  for (TnbButtonBackground* b : {xp->Settings()->ButtonUp(), xp->Settings()->ButtonFocused(), xp->Settings()->ButtonDisabled()}) {
    EXPECT_EQ(b->Gradient()->BeginColor(), 0x9F4406);
    EXPECT_EQ(b->Gradient()->EndColor(), 0xCC5E2E);
    EXPECT_EQ(b->Gradient()->DrawStyle(), gtLeftToRight);
  }
}

// Where the stored decimal and the written hex of the XP colours differ, the decimal holds:
// a new bar and every office preset give the same colours.
TEST_F(PresetsTest, TheXPColoursAreTheDecimalValues) {
  for (TnbPreSet preset : {psOffice, psOfficeXP, psOffice2000}) {
    auto* bar = new TnbSideBar(form_);
    TnbXPColors* xp = bar->Settings()->XPColors();
    EXPECT_EQ(xp->Background(), 0xD8ACB0);
    EXPECT_EQ(xp->PressedBackground(), 0xC7879F);
    xp->SetBackground(clRed);
    bar->SetPreSet(preset);
    EXPECT_EQ(xp->Background(), preset == psOffice ? clRed : 0xD8ACB0);
    EXPECT_EQ(xp->BorderColor(), clNavy);
    EXPECT_TRUE(xp->UseShadow());
  }
}

TEST_F(PresetsTest, ThePresetItselfIsNeverStored) {
  bar_->SetPreSet(psExplorerBarXP);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  const String bytes(stream.Bytes().begin(), stream.Bytes().end());
  EXPECT_EQ(bytes.find("PreSet"), String::npos);
  EXPECT_NE(bytes.find("ViewStyle"), String::npos);  // what it set is
}

TEST_F(PresetsTest, EachPresetSetsItsScrollerAndItsHeadersOptionsAndGlyph) {
  struct Row {
    TnbPreSet preset;
    TnbScrollView scroller;  // the bar starts with ssExpress, which the explorer looks keep
    TnbHeaderOptions options;
    bool glyph;
  };
  const TnbHeaderOptions outlook{hoButtonDown}, office{hoActivateOnSelect, hoButtonDown};
  const Row rows[] = {
      {psOutlook, ssNormal, outlook, false},
      {psFlatOutlook, ssNormal, outlook, false},
      {psOutlookExpress, ssExpress, outlook, false},
      {psOffice, ssNormal, office, false},
      {psOfficeXP, ssNormal, office, false},
      {psOffice2000, ssNormal, office, false},
      {psToolBox, ssToolBox, outlook, false},
      {psFlatToolBox, ssToolBox, outlook, false},
      {psExplorerBar, ssExpress, TnbHeaderOptions::FromMask(20532), true},
      {psExplorerBarXP, ssExpress, TnbHeaderOptions::FromMask(20500), true},
      {psExplorerBar2000, ssExpress, TnbHeaderOptions::FromMask(20500), true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(GetEnumInfo(row.preset).Name(row.preset));
    auto* bar = new TnbSideBar(form_);
    TnbHeader* header = bar->Headers()->Add();
    header->Glyph()->SetVisible(!row.glyph);
    bar->SetScrollView(ssExpress);
    bar->SetOptions(bar->Options() + boExplorerBorder);
    bar->SetPreSet(row.preset);
    EXPECT_EQ(bar->ScrollView(), row.scroller);
    EXPECT_EQ(header->Options(), row.options);
    EXPECT_EQ(header->Glyph()->Visible(), row.glyph);
    EXPECT_EQ(bar->Options().Contains(boExplorerBorder), !row.glyph) << "the explorer looks drop the border";
  }
}

// In the task-pane looks a caption's text sits in the lower part of the taller caption, and
// wholly inside it: none of its rows goes under the body below, in the showcase's Chinese font
// as in the standard one.
TEST_F(PresetsTest, TaskPaneCaptionTextStaysInsideTheCaption) {
  for (TnbHeader* header : {AddHeader("短信业务", 2), AddHeader("Contacts", 2)}) header->SetImageIndex(-1);
  for (TnbPreSet preset : {psExplorerBar, psExplorerBarXP, psExplorerBar2000})
    for (const char* font : {"宋体", "MS Sans Serif"}) {
      SCOPED_TRACE(std::to_string(preset) + " " + font);
      bar_->SetPreSet(preset);
      for (TFont* caption : {bar_->Settings()->Font(), bar_->Settings()->HighlightFont()}) {
        caption->SetName(font);
        caption->SetHeight(-12);
      }
      Paint();
      for (int i = 0; i < bar_->HeaderCount(); ++i) {
        TnbHeader* header = bar_->Header(i);
        ASSERT_FALSE(header->CaptionTextRect().IsEmpty());
        EXPECT_GT(header->CaptionTextRect().Top, header->CaptionRect().Top + bar_->Settings()->ExplorerAddOn());
        EXPECT_LE(header->CaptionTextRect().Bottom, header->CaptionRect().Bottom) << header->Caption();
      }
    }
}
