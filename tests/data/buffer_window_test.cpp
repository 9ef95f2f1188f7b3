// The window of buffered records a link sees while the cursor moves through an in-memory
// data set, and the notifications that come with each move.
#include <gtest/gtest.h>

#include "tests/data/data_test_support.h"

using namespace data_test;

class BufferWindow : public testing::TestWithParam<Store> {};

TEST_P(BufferWindow, ScrollingByOneInsideAndPastTheWindow) {
  LinkedData d(GetParam(), 10, 3);
  EXPECT_EQ(d.link->Window(), "1 2 3");
  EXPECT_EQ(d.link->RecordCount(), 3);
  d.ds->Next();
  EXPECT_EQ(d.link->Take(), "scrolled 0 @1");
  d.ds->Next();
  EXPECT_EQ(d.link->Take(), "scrolled 0 @2");
  d.ds->Next();
  EXPECT_EQ(d.link->Take(), "scrolled 1 @2");
  EXPECT_EQ(d.link->Window(), "2 3 4");
  EXPECT_EQ(d.ds->FieldByName("ID")->AsInteger(), 4);
  d.ds->Prior();
  d.ds->Prior();
  EXPECT_EQ(d.link->Take(), "scrolled 0 @1, scrolled 0 @0");
  d.ds->Prior();
  EXPECT_EQ(d.link->Take(), "scrolled -1 @0");
  EXPECT_EQ(d.link->Window(), "1 2 3");
}

TEST_P(BufferWindow, ScrollingByAPageReportsTheWholeShift) {
  LinkedData d(GetParam(), 20, 4);
  EXPECT_EQ(d.ds->MoveBy(3), 3);
  EXPECT_EQ(d.link->Take(), "scrolled 0 @3");
  EXPECT_EQ(d.ds->MoveBy(4), 4);
  EXPECT_EQ(d.link->Take(), "scrolled 4 @3");
  EXPECT_EQ(d.link->Window(), "5 6 7 8");
  EXPECT_EQ(d.ds->MoveBy(10), 10);
  EXPECT_EQ(d.link->Take(), "scrolled 10 @3");
  EXPECT_EQ(d.link->Window(), "15 16 17 18");
  EXPECT_EQ(d.ds->MoveBy(-5), -5);
  EXPECT_EQ(d.link->Take(), "scrolled -2 @0");
  EXPECT_EQ(d.link->Window(), "13 14 15 16");
  EXPECT_EQ(d.ds->MoveBy(-20), -12);
  EXPECT_TRUE(d.ds->Bof());
  EXPECT_EQ(d.link->Take(), "scrolled -12 @0");
  EXPECT_EQ(d.link->Window(), "1 2 3 4");
}

TEST_P(BufferWindow, MovingToTheEndSetsEofOnceAndFillsTheWindowBackwards) {
  LinkedData d(GetParam(), 10, 3);
  d.ds->Last();
  EXPECT_EQ(d.link->Take(), "changed @2");
  EXPECT_EQ(d.link->Window(), "8 9 10");
  EXPECT_TRUE(d.ds->Eof());
  d.ds->Next();
  EXPECT_EQ(d.link->Take(), "");
  EXPECT_EQ(d.ds->MoveBy(-1), -1);
  EXPECT_FALSE(d.ds->Eof());
  d.ds->Next();
  EXPECT_EQ(d.link->Take(), "scrolled 0 @1, scrolled 0 @2");
  EXPECT_FALSE(d.ds->Eof());
  // Next on the last record finds nothing more: Eof, and a scroll of nothing.
  EXPECT_EQ(d.ds->MoveBy(1), 0);
  EXPECT_TRUE(d.ds->Eof());
  EXPECT_EQ(d.link->Take(), "scrolled 0 @2");
  d.ds->First();
  EXPECT_EQ(d.link->Take(), "changed @0");
  EXPECT_TRUE(d.ds->Bof());
  EXPECT_EQ(d.link->Window(), "1 2 3");
}

TEST_P(BufferWindow, MoveByCountsTheDistanceMovedUpToTheEnd) {
  LinkedData d(GetParam(), 5, 2);
  EXPECT_EQ(d.ds->MoveBy(100), 4);
  EXPECT_TRUE(d.ds->Eof());
  EXPECT_EQ(d.ds->RecNo(), 5);
  EXPECT_EQ(d.ds->MoveBy(-100), -4);
  EXPECT_TRUE(d.ds->Bof());
  EXPECT_EQ(d.ds->RecNo(), 1);
  EXPECT_EQ(d.ds->MoveBy(-1), 0);
}

TEST_P(BufferWindow, FewerRecordsThanRowsAndRowsPastTheEndReadNull) {
  LinkedData d(GetParam(), 2, 5);
  EXPECT_EQ(d.link->RecordCount(), 2);
  EXPECT_EQ(d.link->Window(), "1 2");
  {
    ActiveRecordScope row(d.link.get(), 4);
    EXPECT_TRUE(d.ds->FieldByName("ID")->IsNull());
    EXPECT_EQ(d.ds->FieldByName("Name")->AsString(), "");
  }
  EXPECT_EQ(d.ds->FieldByName("ID")->AsInteger(), 1);
}

TEST_P(BufferWindow, LinksWithSmallerWindowsFollowTheCurrentRecord) {
  LinkedData d(GetParam(), 10, 4);
  RecordingLink small(d.source.get(), 1);
  small.log.clear();
  d.ds->MoveBy(2);
  EXPECT_EQ(d.link->Take(), "scrolled 0 @2");
  EXPECT_EQ(small.Take(), "scrolled 2 @0");
  EXPECT_EQ(small.Window(), "3");
  d.ds->Last();
  EXPECT_EQ(small.Take(), "changed @0");
  EXPECT_EQ(small.Window(), "10");
  EXPECT_EQ(d.link->Window(), "7 8 9 10");
}

TEST_P(BufferWindow, GrowingTheWindowFillsFromTheCurrentRecord) {
  LinkedData d(GetParam(), 10, 2);
  d.ds->MoveBy(5);
  EXPECT_EQ(d.link->Window(), "5 6");
  d.link->SetBufferCount(4);
  EXPECT_EQ(d.link->RecordCount(), 4);
  EXPECT_EQ(d.ds->FieldByName("ID")->AsInteger(), 6);
  EXPECT_EQ(d.link->Window(), "5 6 7 8");
  d.ds->Last();
  d.link->SetBufferCount(6);
  EXPECT_EQ(d.link->Window(), "5 6 7 8 9 10");
  EXPECT_EQ(d.link->ActiveRecord(), 5);
}

TEST_P(BufferWindow, RecNoMovesAndCentresTheWindow) {
  LinkedData d(GetParam(), 20, 5);
  d.ds->SetRecNo(10);
  EXPECT_EQ(d.link->Take(), "changed @2");
  EXPECT_EQ(d.link->Window(), "8 9 10 11 12");
  EXPECT_EQ(d.ds->RecNo(), 10);
  EXPECT_EQ(d.ds->RecordCount(), 20);
  d.ds->SetRecNo(10);
  EXPECT_EQ(d.link->Take(), "");
}

INSTANTIATE_TEST_SUITE_P(AllStores, BufferWindow,
                         testing::Values(Store::Memory, Store::Sqlite, Store::SqliteQuery), StoreName);
