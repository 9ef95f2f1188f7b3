// Bookmarks: they stay valid across edits, inserts, deletes of other records and sorting,
// compare in data-set order even for records that are gone, and only going to a gone record
// fails.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/record_filter.h"
#include "platform/data/sqlite_dataset.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

class Bookmarks : public testing::TestWithParam<Store> {};
class SortedBookmarks : public testing::TestWithParam<Store> {};

namespace {

TBookmark MarkOf(TDataSet* ds, int id) {
  EXPECT_TRUE(ds->Locate("ID", id, {}));
  return ds->GetBookmark();
}

}  // namespace

TEST_P(Bookmarks, StayValidAcrossEditsInsertsAndDeletesOfOthers) {
  People people(GetParam(), 6);
  TDataSet* ds = people.ds.get();
  TBookmark four = MarkOf(ds, 4);
  ds->First();
  ds->Edit();
  ds->FieldByName("Name")->SetAsString("x");
  ds->Post();
  ds->Insert();
  ds->FieldByName("ID")->SetAsInteger(0);
  ds->Post();
  MarkOf(ds, 2);
  ds->Delete();
  ASSERT_TRUE(ds->BookmarkValid(four));
  ds->GotoBookmark(four);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 4);
  EXPECT_EQ(ds->RecNo(), 4);
}

TEST_P(Bookmarks, CompareInDataSetOrderAlsoForGoneRecords) {
  People people(GetParam(), 6);
  TDataSet* ds = people.ds.get();
  std::vector<TBookmark> marks;
  for (int id = 1; id <= 6; ++id) marks.push_back(MarkOf(ds, id));
  // A record inserted before 3 sorts between 2 and 3.
  MarkOf(ds, 3);
  ds->Insert();
  ds->FieldByName("ID")->SetAsInteger(25);
  ds->Post();
  TBookmark inserted = ds->GetBookmark();
  EXPECT_LT(ds->CompareBookmarks(marks[1], inserted), 0);
  EXPECT_GT(ds->CompareBookmarks(marks[2], inserted), 0);
  // 3 and 4 go; they still compare where they were.
  MarkOf(ds, 3);
  ds->Delete();
  MarkOf(ds, 4);
  ds->Delete();
  EXPECT_FALSE(ds->BookmarkValid(marks[2]));
  for (size_t a = 0; a < marks.size(); ++a) {
    for (size_t b = 0; b < marks.size(); ++b) {
      int expected = a < b ? -1 : (a > b ? 1 : 0);
      EXPECT_EQ(ds->CompareBookmarks(marks[a], marks[b]), expected) << a << " vs " << b;
    }
  }
  EXPECT_LT(ds->CompareBookmarks(inserted, marks[2]), 0);
  EXPECT_EQ(ds->CompareBookmarks(TBookmark(), marks[0]), -1);
  EXPECT_EQ(ds->CompareBookmarks(marks[0], TBookmark()), 1);
  EXPECT_EQ(ds->CompareBookmarks(TBookmark(), TBookmark()), 0);
}

TEST_P(Bookmarks, GoingToAGoneRecordRaisesAndStaysPut) {
  People people(GetParam(), 4);
  TDataSet* ds = people.ds.get();
  TBookmark two = MarkOf(ds, 2);
  ds->Delete();
  MarkOf(ds, 4);
  try {
    ds->GotoBookmark(two);
    ADD_FAILURE() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "Record not found");
  }
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 4);
  EXPECT_THROW(ds->GotoBookmark("not a bookmark"), EDatabaseError);
  EXPECT_FALSE(ds->BookmarkValid("not a bookmark"));
}

TEST_P(Bookmarks, NoBookmarkForARecordBeingInserted) {
  People people(GetParam(), 2);
  TDataSet* ds = people.ds.get();
  ds->Append();
  EXPECT_EQ(ds->GetBookmark(), TBookmark());
  ds->Cancel();
  EXPECT_NE(ds->GetBookmark(), TBookmark());
}

INSTANTIATE_TEST_SUITE_P(AllStores, Bookmarks,
                         testing::Values(Store::Memory, Store::Sqlite, Store::SqliteQuery), StoreName);

// A record a filter hides still compares where the data set's order puts it, also in a sorted
// table: a range of records reaching it still ends there.
TEST_P(SortedBookmarks, ARecordAFilterHidesComparesWhereTheOrderPutsIt) {
  People people(GetParam(), 5);
  TDataSet* ds = people.ds.get();
  if (auto* mem = dynamic_cast<TMemDataSet*>(ds)) mem->SortOnFields("Amount", true, true);
  if (auto* table = dynamic_cast<TSqliteDataSet*>(ds)) table->SortOnFields("Amount", true, true);
  ASSERT_EQ(AllIds(ds), "5 4 3 2 1");
  std::vector<TBookmark> marks;  // in data-set order
  for (int id = 5; id >= 1; --id) marks.push_back(MarkOf(ds, id));
  TFieldFilter notThree;
  notThree.FieldName = "ID";
  notThree.First = {foNotEqual, Variant(3)};
  ds->SetRecordFilter({notThree});
  ASSERT_EQ(AllIds(ds), "5 4 2 1");
  for (size_t a = 0; a < marks.size(); ++a) {
    for (size_t b = 0; b < marks.size(); ++b) {
      const int expected = a < b ? -1 : (a > b ? 1 : 0);
      EXPECT_EQ(ds->CompareBookmarks(marks[a], marks[b]), expected) << a << " vs " << b;
    }
  }
}

// Ordering the records anew after the cursor ran into an end leaves the current record where
// the new order puts it, with the records on both sides of it in reach.
TEST_P(SortedBookmarks, SortingAfterRunningIntoAnEndLeavesTheRecordsAroundTheCurrentOneInReach) {
  People people(GetParam(), 5);
  TDataSet* ds = people.ds.get();
  const auto sortDescending = [ds](bool descending) {
    if (auto* mem = dynamic_cast<TMemDataSet*>(ds)) mem->SortOnFields("Amount", true, descending);
    if (auto* table = dynamic_cast<TSqliteDataSet*>(ds)) table->SortOnFields("Amount", true, descending);
  };
  ds->Last();
  ds->Next();
  ASSERT_TRUE(ds->Eof());
  sortDescending(true);
  EXPECT_FALSE(ds->Eof()) << "record 5 leads now";
  EXPECT_EQ(ds->MoveBy(1), 1);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 4);
  ds->First();
  ds->Prior();
  ASSERT_TRUE(ds->Bof());
  sortDescending(false);
  EXPECT_FALSE(ds->Bof()) << "record 5 is last now";
  EXPECT_EQ(ds->MoveBy(-1), -1);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 4);
}

INSTANTIATE_TEST_SUITE_P(TableStores, SortedBookmarks, testing::Values(Store::Memory, Store::Sqlite), StoreName);

TEST(MemBookmarks, SortingKeepsBookmarksAndTellsLinks) {
  LinkedData d(Store::Memory, 5, 3);
  auto* mem = static_cast<TMemDataSet*>(d.ds.get());
  TBookmark three = MarkOf(mem, 3);
  d.link->log.clear();
  mem->SortOnFields("Amount", true, true);
  EXPECT_EQ(d.link->Take(), "changed @1");
  EXPECT_EQ(mem->FieldByName("ID")->AsInteger(), 3);
  EXPECT_EQ(AllIds(mem), "5 4 3 2 1");
  TBookmark five = MarkOf(mem, 5);
  EXPECT_LT(mem->CompareBookmarks(five, three), 0);
  mem->GotoBookmark(three);
  EXPECT_EQ(mem->RecNo(), 3);
}
