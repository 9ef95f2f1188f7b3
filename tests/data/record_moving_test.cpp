// Moving records to another place in the in-memory data set's order.
#include <gtest/gtest.h>

#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

std::string Ids(TDataSet* ds) {
  std::string ids;
  for (ds->First(); !ds->Eof(); ds->Next())
    ids += (ids.empty() ? "" : " ") + std::to_string(ds->FieldByName("ID")->AsInteger());
  return ids;
}

std::vector<TBookmark> Marks(TDataSet* ds, std::initializer_list<int> ids) {
  std::vector<TBookmark> marks;
  for (int id : ids) {
    EXPECT_TRUE(ds->Locate("ID", id, {}));
    marks.push_back(ds->Bookmark());
  }
  return marks;
}

TEST(MemRecordMoving, RecordsLandBelowATargetUnderThemAndAboveOneOverThem) {
  struct Case {
    std::initializer_list<int> moved;
    int toRecNo;
    const char* order;
  } cases[] = {
      {{2}, 4, "1 3 4 2 5 6"},
      {{5}, 2, "1 5 2 3 4 6"},
      {{1, 3}, 5, "2 4 5 1 3 6"},
      {{6, 4}, 1, "4 6 1 2 3 5"},
  };
  for (const Case& c : cases) {
    auto ds = MakePeople(6);
    const std::vector<TBookmark> marks = Marks(ds.get(), c.moved);
    EXPECT_TRUE(ds->MoveRecords(marks, c.toRecNo, false)) << c.order;
    EXPECT_EQ(Ids(ds.get()), c.order);
    ds->GotoBookmark(marks[0]);
    EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), *c.moved.begin()) << "bookmarks still name the records";
  }
}

TEST(MemRecordMoving, ChecksChangeNothingAndImpossibleMovesAreRefused) {
  auto ds = MakePeople(5);
  const std::vector<TBookmark> two = Marks(ds.get(), {2});
  EXPECT_TRUE(ds->MoveRecords(two, 4, true));
  EXPECT_EQ(Ids(ds.get()), "1 2 3 4 5") << "only asked";
  EXPECT_FALSE(ds->MoveRecords(two, 2, false)) << "onto itself";
  EXPECT_FALSE(ds->MoveRecords(two, 9, false)) << "past the last record";
  EXPECT_FALSE(ds->MoveRecords({}, 1, false)) << "nothing to move";
  ds->SortOnFields("Name");
  EXPECT_FALSE(ds->MoveRecords(two, 4, false)) << "a sorted data set keeps its order";
  ds->SortOnFields("");
  EXPECT_EQ(Ids(ds.get()), "1 2 3 4 5");
}

TEST(MemRecordMoving, AFilteredDataSetMovesAmongTheRecordsItShows) {
  auto ds = MakePeople(6);
  ds->SetRecordFilter({{"ID", {foNotEqual, Variant(3)}, false, false, {}}});
  const std::vector<TBookmark> one = Marks(ds.get(), {1});
  EXPECT_TRUE(ds->MoveRecords(one, 3, false)) << "the third record shown is ID 4";
  EXPECT_EQ(Ids(ds.get()), "2 4 1 5 6");
  ds->SetRecordFilter({});
  EXPECT_EQ(Ids(ds.get()), "2 3 4 1 5 6");
}

}  // namespace
