#include "platform/controls/panel.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class PanelTest : public StdControlTest {
 protected:
  TPanel* panel = nullptr;
  void SetUp() override {
    StdControlTest::SetUp();
    panel = Make<TPanel>(Bounds(10, 10, 120, 40));
  }
};

TEST_F(PanelTest, BevelsAreDrawnOutsideInWithTheirWidth) {
  PaintControl(panel);
  EXPECT_EQ(At(0, 0), Sys(clBtnHighlight));
  EXPECT_EQ(At(119, 39), Sys(clBtnShadow));
  EXPECT_EQ(At(5, 5), Sys(clBtnFace));

  panel->SetBevelOuter(bvLowered);
  panel->SetBevelInner(bvRaised);
  panel->SetBevelWidth(2);
  PaintControl(panel);
  EXPECT_EQ(At(1, 1), Sys(clBtnShadow));
  EXPECT_EQ(At(118, 38), Sys(clBtnHighlight));
  EXPECT_EQ(At(3, 3), Sys(clBtnHighlight));
  EXPECT_EQ(At(116, 36), Sys(clBtnShadow));
  EXPECT_EQ(At(4, 4), Sys(clBtnFace));
}

TEST_F(PanelTest, ChildrenAreLaidOutInsideBevelsAndBorderWidth) {
  auto* child = new TPanel(form_);
  child->SetParent(panel);
  child->SetAlign(alClient);
  EXPECT_EQ(child->BoundsRect(), Rect(1, 1, 119, 39));
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(3);
  EXPECT_EQ(child->BoundsRect(), Rect(5, 5, 115, 35));
  panel->SetBevelOuter(bvNone);
  panel->SetBevelInner(bvNone);
  EXPECT_EQ(child->BoundsRect(), Rect(3, 3, 117, 37));
}

TEST_F(PanelTest, CaptionFollowsAlignmentAndIsEmbossedWhenDisabled) {
  panel->SetCaption("Mid");
  PaintControl(panel);
  TRect left = Rect(2, 2, 40, 38), middle = Rect(40, 2, 80, 38), right = Rect(80, 2, 118, 38);
  EXPECT_EQ(Count(clBtnText, left), 0);
  EXPECT_GT(Count(clBtnText, middle), 0);
  panel->SetAlignment(taLeftJustify);
  PaintControl(panel);
  EXPECT_GT(Count(clBtnText, left), 0);
  EXPECT_EQ(Count(clBtnText, middle), 0);
  panel->SetAlignment(taRightJustify);
  PaintControl(panel);
  EXPECT_GT(Count(clBtnText, right), 0);
  panel->SetEnabled(false);
  PaintControl(panel);
  EXPECT_EQ(Count(clBtnText, right), 0);
  EXPECT_GT(Count(clBtnShadow, right), 0);
  EXPECT_GT(Count(clBtnHighlight, right), 0);
}

TEST_F(PanelTest, SingleBorderStyleSinksTheFrame) {
  panel->SetBorderStyle(bsSingle);
  EXPECT_EQ(panel->ClientWidth(), 116);
  PaintControl(panel);
  EXPECT_EQ(At(0, 0), Sys(clBtnShadow));
}

}  // namespace
