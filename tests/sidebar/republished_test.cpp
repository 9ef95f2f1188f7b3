#include <gtest/gtest.h>

#include "platform/classes/properties.h"
#include "platform/core/streams.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// What the bar takes over from the control classes and keeps in stored layouts, and how it
// answers the form designer.

namespace {

class RepublishedTest : public ThreeHeaderTest {};

}  // namespace

TEST_F(RepublishedTest, InheritedControlSettingsAreKeptInAStoredLayout) {
  bar_->SetBorderWidth(3);
  bar_->SetBiDiMode(bdRightToLeft);
  bar_->Constraints()->SetMaxWidth(300);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  auto* other = new TnbSideBar(form_);
  stream.SetPosition(0);
  other->LoadFromStream(stream);
  EXPECT_EQ(other->BorderWidth(), 3);
  EXPECT_EQ(other->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(other->Constraints()->MaxWidth(), 300);
}

TEST_F(RepublishedTest, MenuAndMouseEventsArePublished) {
  for (const char* name : {"PopupMenu", "OnContextPopup", "OnMouseWheel", "BorderWidth", "BiDiMode", "Constraints"})
    EXPECT_NE(GetPropInfo(bar_, name), nullptr) << name;
  for (const char* name : {"PopupMenu", "OnContextPopup", "OnChange"}) {
    EXPECT_NE(GetPropInfo(bar_->InplaceEditor(), name), nullptr) << name;
    EXPECT_NE(GetPropInfo(bar_->InplaceEditor()->Edit(), name), nullptr) << name;
  }
}

TEST_F(RepublishedTest, ANewBorderWidthMakesANewWindow) {
  const HWND before = bar_->Handle();
  bar_->SetBorderWidth(4);
  EXPECT_NE(bar_->Handle(), before);
  EXPECT_EQ(bar_->BorderWidth(), 4);
}

TEST_F(RepublishedTest, TheDesignerClickSwitchesScrollsAndSteps) {
  bar_->SetDesigning(true);
  auto hit = [&](TPoint p, WPARAM keys) {
    return bar_->Perform(CM_DESIGNHITTEST, keys, PointToLParam(p));
  };
  Layout();
  const TPoint caption = Centre(contacts_->CaptionRect());
  EXPECT_EQ(hit(caption, 0), 0);  // hovering makes the caption hot
  EXPECT_EQ(bar_->HotHeader(), contacts_);
  EXPECT_EQ(hit(caption, MK_LBUTTON), 0);  // left to the designer
  EXPECT_EQ(bar_->ActiveHeader(), contacts_);
  TnbHeader* many = AddHeader("Many", 30);
  bar_->SetActiveHeader(many);
  Layout();
  const TRect down = bar_->ScrollBox(TnbSideBar::ListDown).Rect;
  ASSERT_TRUE(nbShown(down));
  hit(Centre(down), MK_LBUTTON);
  EXPECT_EQ(many->FirstVisibleIndex(), 1);
}
