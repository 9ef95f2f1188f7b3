#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class LabelTest : public StdControlTest {
 protected:
  TLabel* label = nullptr;
  void SetUp() override {
    StdControlTest::SetUp();
    form_->SetColor(clRed);
    label = new TLabel(form_);
    label->SetParent(form_);
    label->SetBounds(20, 20, 65, 17);
  }
  // The form painted; label-relative rectangle.
  int InkIn(TRect r) {
    PaintControl(form_);
    OffsetRect(r, form_->ClientOrigin().x - form_->Left() + label->Left(), form_->ClientOrigin().y - form_->Top() + label->Top());
    return Count(clWindowText, r);
  }
};

TEST_F(LabelTest, AutoSizeFollowsTheTextAndWordWrapKeepsTheWidth) {
  label->SetCaption("Short");
  int shortWidth = label->Width();
  int lineHeight = label->Height();
  EXPECT_GT(shortWidth, 10);
  EXPECT_GT(lineHeight, 8);
  label->SetCaption("A much longer caption");
  EXPECT_GT(label->Width(), shortWidth * 2);
  label->SetCaption("");
  EXPECT_EQ(label->Height(), lineHeight);
  label->SetWordWrap(true);
  label->SetWidth(60);
  label->SetCaption("one two three four five six");
  EXPECT_EQ(label->Width(), 60);
  EXPECT_GE(label->Height(), lineHeight * 3);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GE(label->Height(), lineHeight * 3);
}

TEST_F(LabelTest, OpaqueLabelFillsWithParentColourTransparentLeavesTheBackground) {
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 80, 30);
  label->SetColor(clYellow);
  PaintControl(form_);
  TPoint o{form_->ClientOrigin().x - form_->Left(), form_->ClientOrigin().y - form_->Top()};
  EXPECT_EQ(At(o.x + 95, o.y + 25), Sys(clYellow));
  label->SetTransparent(true);
  PaintControl(form_);
  EXPECT_EQ(At(o.x + 95, o.y + 25), Sys(clRed));
  label->SetParentColor(true);
  label->SetTransparent(false);
  PaintControl(form_);
  EXPECT_EQ(At(o.x + 95, o.y + 25), Sys(clRed));
}

TEST_F(LabelTest, LayoutPlacesTheLineVerticallyAndAlignmentHorizontally) {
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 100, 60);
  label->SetCaption("Text");
  EXPECT_GT(InkIn(Rect(0, 0, 100, 20)), 0);
  label->SetLayout(tlBottom);
  EXPECT_EQ(InkIn(Rect(0, 0, 100, 40)), 0);
  EXPECT_GT(InkIn(Rect(0, 40, 100, 60)), 0);
  label->SetLayout(tlCenter);
  EXPECT_GT(InkIn(Rect(0, 20, 100, 40)), 0);
  label->SetAlignment(taRightJustify);
  EXPECT_EQ(InkIn(Rect(0, 0, 60, 60)), 0);
  EXPECT_GT(InkIn(Rect(60, 0, 100, 60)), 0);
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControlUntilItIsFreed) {
  auto* other = Make<TEdit>(Bounds(10, 100, 80, 22));
  auto* target = Make<TEdit>(Bounds(10, 130, 80, 22));
  label->SetCaption("&Name");
  label->SetFocusControl(target);
  other->SetFocus();
  other->Perform(CN_SYSCHAR, 'x');
  EXPECT_TRUE(other->Focused());
  other->Perform(CN_SYSCHAR, 'n');
  EXPECT_TRUE(target->Focused());
  other->SetFocus();
  label->SetShowAccelChar(false);
  other->Perform(CN_SYSCHAR, 'n');
  EXPECT_TRUE(other->Focused());
  label->SetShowAccelChar(true);
  delete target;
  EXPECT_EQ(label->FocusControl(), nullptr);
  other->Perform(CN_SYSCHAR, 'n');
  EXPECT_TRUE(other->Focused());
}

}  // namespace
