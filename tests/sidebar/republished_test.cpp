#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  EXPECT_EQ(bar_->Input().HotHeader(), contacts_);
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

TEST_F(RepublishedTest, TheBarTakesItsParentsReadingOrderUntilItHasItsOwn) {
  EXPECT_TRUE(bar_->ParentBiDiMode());
  form_->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(bar_->BiDiMode(), bdRightToLeft);
  bar_->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(bar_->ParentBiDiMode());
  form_->SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(bar_->BiDiMode(), bdLeftToRight) << "its own mode stays";
  bar_->SetParentBiDiMode(true);
  EXPECT_EQ(bar_->BiDiMode(), bdRightToLeftNoAlign);
}

TEST_F(RepublishedTest, AReadingOrderTakenFromTheParentIsNotStored) {
  form_->SetBiDiMode(bdRightToLeft);
  bar_->SetDockSite(true);
  TMemoryStream stream;
  bar_->SaveToStream(stream);
  form_->SetBiDiMode(bdLeftToRight);
  auto* other = new TnbSideBar(form_);
  other->SetParent(form_);
  stream.SetPosition(0);
  other->LoadFromStream(stream);
  EXPECT_TRUE(other->ParentBiDiMode());
  EXPECT_EQ(other->BiDiMode(), bdLeftToRight) << "the new parent's";
  EXPECT_TRUE(other->DockSite());
}

TEST_F(RepublishedTest, OnCanResizeCanRefuseOrChangeANewSize) {
  bool allow = false;
  bar_->OnCanResize.Bind(form_, "CanResize", [&](TObject*, int& width, int&, bool& resize) {
    resize = allow;
    if (width > 250) width = 250;
  });
  bar_->SetBounds(10, 0, 300, 360);
  EXPECT_EQ(bar_->Width(), 200) << "refused";
  EXPECT_EQ(bar_->Left(), 10) << "the place still changes";
  allow = true;
  bar_->SetWidth(300);
  EXPECT_EQ(bar_->Width(), 250);
}

TEST_F(RepublishedTest, WheelTurnsTheBarLeavesAloneGoToTheUpAndDownEvents) {
  std::vector<std::string> log;
  bool handled = true;
  bar_->OnMouseWheelDown.Bind(form_, "Down", [&](TObject*, TShiftState, TPoint, bool& h) {
    log.push_back("down");
    h = handled;
  });
  bar_->OnMouseWheelUp.Bind(form_, "Up", [&](TObject*, TShiftState, TPoint, bool& h) {
    log.push_back("up");
    h = handled;
  });
  bool wheel = false;
  bar_->OnMouseWheel.Bind(form_, "Wheel", [&](TObject*, TShiftState, int, TPoint, bool& h) { h = wheel; });
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120), 0);
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, 120), 0);
  wheel = true;
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, 120), 0);  // OnMouseWheel took it
  EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));
}

TEST_F(RepublishedTest, ResizeWheelReadingOrderAndDockingArePublished) {
  for (const char* name : {"ParentBiDiMode", "OnCanResize", "OnMouseWheelDown", "OnMouseWheelUp", "DockSite",
                           "OnDockDrop", "OnDockOver", "OnEndDock", "OnGetSiteInfo", "OnStartDock", "OnUnDock"})
    EXPECT_NE(GetPropInfo(bar_, name), nullptr) << name;
}
