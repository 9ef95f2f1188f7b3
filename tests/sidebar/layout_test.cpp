#include <gtest/gtest.h>

#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"
#include "tests/sidebar/sidebar_fixture.h"

// Where headers and buttons go in each view, style and button view. The bar is 200 x 360
// with a one-pixel lowered bevel, so its inner area is (1, 1, 199, 359).

namespace {

class LayoutTest : public ThreeHeaderTest {
 protected:
  // A 32 x 32 image list with one image, as the header's normal large list.
  TImageList* GiveImages() {
    TImageList* list = SquareImages(32, clLime);
    mail_->Images()->SetNormal(list);
    mail_->Images()->SetSmall(list);
    return list;
  }
};

}  // namespace

TEST_F(LayoutTest, OutlookStacksTheFollowingCaptionsAtTheBottom) {
  Layout();
  EXPECT_EQ(mail_->CaptionRect(), Rect(1, 1, 199, 23));
  EXPECT_EQ(mail_->BodyRect().Top, 24);
  EXPECT_EQ(tools_->CaptionRect(), Rect(1, 337, 199, 359));
  EXPECT_EQ(contacts_->CaptionRect(), Rect(1, 314, 199, 336));
  EXPECT_EQ(mail_->BodyRect().Bottom, 314);
  bar_->SetActiveHeader(tools_);
  Layout();
  EXPECT_EQ(contacts_->CaptionRect(), Rect(1, 24, 199, 46));
  EXPECT_EQ(tools_->CaptionRect(), Rect(1, 47, 199, 69));
  EXPECT_EQ(tools_->BodyRect(), Rect(1, 70, 199, 359));
  EXPECT_EQ(mail_->BodyRect(), kHiddenRect);
}

TEST_F(LayoutTest, LargeButtonsAreCentredAndStepByTheirHeightAndDistance) {
  Layout();
  const TnbButtonRects& r = mail_->GetButton(0)->Rects();
  EXPECT_EQ(r.Button, Rect(70, 34, 130, 94));
  EXPECT_EQ(r.Focus, Rect(69, 33, 131, 95));
  EXPECT_EQ(r.Image, kHiddenRect);
  EXPECT_EQ(mail_->GetButton(1)->Rects().Button.Top, 96);
  EXPECT_EQ(mail_->LastFullyVisibleIndex(), 2);
}

TEST_F(LayoutTest, LargeImageSitsBelowGlyphTopWithTheLabelUnderIt) {
  GiveImages();
  mail_->GetButton(0)->SetImageIndex(0);
  Layout();
  const TnbButtonRects& r = mail_->GetButton(0)->Rects();
  EXPECT_EQ(r.Image, Rect(84, 44, 116, 76));
  EXPECT_EQ(r.Focus, Rect(81, 41, 119, 79));
  const TRect label = r.Label;  // after painting: the drawn text grown by 4 up and down
  EXPECT_GE(label.Top, 76 + 8 + 1 - 4);
}

TEST_F(LayoutTest, ToolBoxViewKeepsTheFullWidth) {
  bar_->Settings()->SetButtonView(bvToolBox);
  GiveImages();
  mail_->GetButton(0)->SetImageIndex(0);
  Layout();
  const TnbButtonRects& r = mail_->GetButton(0)->Rects();
  EXPECT_EQ(r.Button, Rect(6, 34, 194, 94));
  EXPECT_EQ(r.Focus, r.Button);
  EXPECT_EQ(r.Image, Rect(84, 46, 116, 78));
}

TEST_F(LayoutTest, SmallButtonsPutTheImageLeft) {
  bar_->Settings()->SetButtonStyle(bsSmall);
  GiveImages();
  mail_->GetButton(0)->SetImageIndex(0);
  bar_->Settings()->SetSmallHeight(40);
  Layout();
  const TnbButtonRects& r = mail_->GetButton(0)->Rects();
  EXPECT_EQ(r.Button, Rect(6, 34, 194, 74));
  EXPECT_EQ(r.Image, Rect(10, 38, 42, 70));
  EXPECT_EQ(r.Focus, Rect(8, 36, 44, 72));
  EXPECT_EQ(mail_->GetButton(1)->Rects().Button, Rect(6, 76, 194, 116));
  // Too tall for the button: no image, the label starts at the left.
  bar_->Settings()->SetSmallHeight(20);
  Layout();
  EXPECT_EQ(mail_->GetButton(0)->Rects().Image, kHiddenRect);
}

TEST_F(LayoutTest, LabelsAndBoxesTakeTheWidthAndTheirHeight) {
  TnbButton* label = mail_->GetButton(0);
  label->SetButtonKind(bkLabel);
  label->SetHeight(30);
  Layout();
  EXPECT_EQ(label->Rects().Button, Rect(6, 34, 196, 64));
  EXPECT_EQ(label->Rects().Focus, kHiddenRect);
  label->SetOptions({});
  label->SetWidth(50);
  Layout();
  EXPECT_EQ(label->Rects().Button, Rect(6, 34, 48, 64));
}

TEST_F(LayoutTest, ButtonsThatDoNotFitAreParked) {
  TnbHeader* many = AddHeader("Many", 12);
  bar_->SetActiveHeader(many);
  Layout();
  const int last = many->LastFullyVisibleIndex();
  ASSERT_GE(last, 0);
  ASSERT_LT(last, 11);
  EXPECT_LT(many->GetButton(last)->Rects().Button.Bottom, many->BodyRect().Bottom);
  EXPECT_EQ(many->GetButton(last + 1)->Rects().Button, kHiddenRect);
  EXPECT_EQ(many->GetButton(11)->Rects().Button, kHiddenRect);
  many->StepDown();
  Layout();
  EXPECT_EQ(many->GetButton(0)->Rects().Button, kHiddenRect);
  EXPECT_EQ(many->GetButton(1)->Rects().Button.Top, many->BodyRect().Top + 10);
}

TEST_F(LayoutTest, ExplorerViewPlacesEveryHeaderWithItsBody) {
  bar_->SetViewStyle(vsExplorerBar);
  Layout();
  // Border margins 5, caption 22 high plus the 12-pixel explorer add-on.
  EXPECT_EQ(mail_->CaptionRect(), Rect(6, 6, 194, 40));
  const TRect body = mail_->BodyRect();
  EXPECT_EQ(body.Top, 41);
  // Three large buttons: 10 + 3 x (60 + 2), then twice the distance... body height rule.
  EXPECT_EQ(body.Height(), 10 + 3 * 62 + 2 * 2);
  EXPECT_EQ(contacts_->CaptionRect().Top, body.Bottom + 5);
  contacts_->SetOpened(false);
  Layout();
  EXPECT_EQ(contacts_->BodyRect().Height(), 0);
  EXPECT_EQ(tools_->CaptionRect().Top, contacts_->CaptionRect().Bottom + 1 + 5);
}

TEST_F(LayoutTest, NoCaptionHeaderTakesNoSpace) {
  mail_->SetOptions(mail_->Options() + hoNoCaption);
  Layout();
  EXPECT_EQ(mail_->CaptionRect().Height(), 0);
  EXPECT_EQ(mail_->BodyRect().Top, 1);
}

TEST_F(LayoutTest, ToolBoxLookPutsTheListBoxesIntoTheCaptions) {
  bar_->SetScrollView(ssToolBox);
  Layout();
  const TRect up = bar_->ScrollBox(TnbSideBar::ListUp).Rect;
  const TRect down = bar_->ScrollBox(TnbSideBar::ListDown).Rect;
  EXPECT_EQ(up, Rect(199 - 22 - 2, 1, 199, 23));
  EXPECT_EQ(mail_->CaptionRect().Right, up.Left);
  EXPECT_EQ(down.Top, contacts_->CaptionRect().Top);
  EXPECT_EQ(contacts_->CaptionRect().Right, down.Left);
  bar_->SetActiveHeader(tools_);
  Layout();
  const TRect last = bar_->ScrollBox(TnbSideBar::ListDown).Rect;
  EXPECT_EQ(last.Bottom, 359);
  EXPECT_EQ(last.Height(), 24 - 2);
}

TEST_F(LayoutTest, ButtonImagesArePaintedAndPressedOnesShiftByAPixel) {
  GiveImages();
  TnbButton* b = mail_->GetButton(0);
  b->SetImageIndex(0);
  auto bmp = Paint();
  const TRect image = b->Rects().Image;
  EXPECT_EQ(At(*bmp, image.Left, image.Top), 0x00FF00);
  EXPECT_NE(At(*bmp, image.Left - 1, image.Top), 0x00FF00);
  mail_->SetAllowSelected(true);
  mail_->SetSelectedIndex(0);  // drawn down
  auto pressed = Paint();
  EXPECT_NE(At(*pressed, image.Left, image.Top), 0x00FF00);
  EXPECT_EQ(At(*pressed, image.Left + 1, image.Top + 1), 0x00FF00);
}

TEST_F(LayoutTest, TheMouseFindsCaptionsAndButtonsBeforeAnyPaint) {
  // Nothing has been painted: the press and the release lay the bar out themselves.
  Click(Rect(1, 314, 199, 336));
  EXPECT_EQ(bar_->ActiveHeader(), contacts_);
  int clicks = 0;
  contacts_->GetButton(1)->OnClick.Bind(nullptr, "", [&](TObject*) { ++clicks; });
  Layout();
  Click(contacts_->GetButton(1)->Rects().Button);
  EXPECT_EQ(clicks, 1);
}

TEST_F(LayoutTest, AResizedBarIsLaidOutAgainForItsNewHeight) {
  Layout();
  bar_->SetBounds(0, 0, 200, 300);
  EXPECT_EQ(bar_->BarLayout().Inner(), Rect(1, 1, 199, 299));
  EXPECT_EQ(tools_->CaptionRect(), Rect(1, 277, 199, 299));
}
