// DisableControls/EnableControls: counted, silent while disabled (but for the request to store
// what the controls hold), one catch-up notice at the last enable, and released by its guard on every path.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/data/data_test_support.h"

using namespace data_test;

TEST(DisableControls, NestedCallsNotifyOnceAtTheLastEnable) {
  LinkedData d(Store::Memory, 10, 3);
  d.ds->DisableControls();
  d.ds->DisableControls();
  EXPECT_TRUE(d.ds->ControlsDisabled());
  d.ds->MoveBy(5);
  d.ds->Next();
  d.ds->EnableControls();
  EXPECT_TRUE(d.ds->ControlsDisabled());
  EXPECT_EQ(d.link->Take(), "");
  d.ds->EnableControls();
  EXPECT_FALSE(d.ds->ControlsDisabled());
  EXPECT_EQ(d.link->Take(), "changed @2");
  EXPECT_EQ(d.link->Window(), "5 6 7");
  // Extra enables are ignored.
  d.ds->EnableControls();
  EXPECT_FALSE(d.ds->ControlsDisabled());
  EXPECT_EQ(d.link->Take(), "");
}

TEST(DisableControls, TheLastEnableAlwaysRefreshesTheLinks) {
  LinkedData d(Store::Memory, 5, 2);
  { DisableControlsGuard quiet(d.ds.get()); }
  EXPECT_EQ(d.link->Take(), "changed @0");
  {
    DisableControlsGuard quiet(d.ds.get());
    // A bookmark round trip is still a change of the window.
    d.ds->GotoBookmark(d.ds->GetBookmark());
  }
  EXPECT_EQ(d.link->Take(), "changed @0");
}

TEST(DisableControls, AStateLeftDifferentIsReportedBeforeTheChange) {
  LinkedData d(Store::Memory, 5, 2);
  {
    DisableControlsGuard quiet(d.ds.get());
    d.ds->Edit();
  }
  EXPECT_EQ(d.link->Take(), "editing @0, changed @0");
  EXPECT_TRUE(d.link->Editing());
  {
    DisableControlsGuard quiet(d.ds.get());
    d.ds->FieldByName("Name")->SetAsString("x");
    d.ds->Post();
  }
  // The edit began while the link listened: it is asked for what it holds before the post.
  EXPECT_EQ(d.link->Take(), "update @0, editing @0, changed @0");
  EXPECT_FALSE(d.link->Editing());
}

TEST(DisableControls, ALayoutChangeIsReportedAsLayout) {
  LinkedData d(Store::Memory, 5, 2);
  {
    DisableControlsGuard quiet(d.ds.get());
    d.ds->Next();
    d.ds->FieldByName("Amount")->SetVisible(false);
  }
  EXPECT_EQ(d.link->Take(), "layout @1");
  d.ds->FieldByName("Amount")->SetDisplayWidth(12);
  EXPECT_EQ(d.link->Take(), "layout @1");
  d.ds->FieldByName("Amount")->SetAlignment(taCenter);
  EXPECT_EQ(d.link->Take(), "changed @1");
}

TEST(DisableControls, TheGuardReleasesWhenAnExceptionLeavesTheScope) {
  LinkedData d(Store::Memory, 5, 2);
  try {
    DisableControlsGuard quiet(d.ds.get());
    d.ds->Next();
    throw std::runtime_error("stop");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(d.ds->ControlsDisabled());
  EXPECT_EQ(d.link->Take(), "changed @1");
}

TEST(DisableControls, ClosingWhileDisabledTellsLinksOnlyOfTheState) {
  LinkedData d(Store::Memory, 5, 2);
  {
    DisableControlsGuard quiet(d.ds.get());
    d.ds->Close();
  }
  EXPECT_EQ(d.link->Take(), "active");
  EXPECT_FALSE(d.link->Active());
}
