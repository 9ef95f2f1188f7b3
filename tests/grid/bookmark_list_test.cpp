#include <gtest/gtest.h>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_dataset.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class SelectedRows : public testing::TestWithParam<Store> {
 protected:
  SelectedRows() : g(GetParam(), 8) { g.grid->SetOptions(g.grid->Options() + dgMultiSelect); }
  TBookmarkListEx* Rows() { return g.grid->SelectedRows(); }
  void Select(std::initializer_list<int> ids) {
    for (int id : ids) {
      g.items.GotoId(id);
      Rows()->SetCurrentRowSelected(true);
    }
  }
  std::string Ids() { return SelectedIds(g.grid.get(), g.items); }
  // Orders the items by Code: Null (3 6), then N (2 5 8), then Y (1 4 7).
  void SortByCode() {
    if (auto* mem = dynamic_cast<TMemDataSet*>(g.items.ds())) mem->SortOnFields("Code");
    else static_cast<TSqliteDataSet*>(g.items.ds())->SetIndexFieldNames("Code");
  }
  GridOverItems g;
};

}  // namespace

TEST_P(SelectedRows, KeepDataSetOrderAndEachRecordOnce) {
  Select({5, 2, 7, 2});
  EXPECT_EQ(Ids(), "2 5 7");
  EXPECT_EQ(Rows()->Count(), 3);
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstRecordBookmarks);
  g.items.GotoId(5);
  EXPECT_TRUE(Rows()->CurrentRowSelected());
  g.items.GotoId(6);
  EXPECT_FALSE(Rows()->CurrentRowSelected());
  EXPECT_EQ(Rows()->IndexOf(g.items.ds()->GetBookmark()), -1);
}

TEST_P(SelectedRows, UnselectingAnUnselectedRecordChangesNothing) {
  Select({3});
  const int notices = g.grid->selectionNotices;
  g.items.GotoId(4);
  Rows()->SetCurrentRowSelected(false);
  EXPECT_EQ(g.grid->selectionNotices, notices);
  g.items.GotoId(3);
  Rows()->SetCurrentRowSelected(false);
  EXPECT_EQ(Rows()->Count(), 0);
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstNon) << "an empty record selection is none";
  EXPECT_EQ(g.grid->selectionNotices, notices + 1);
}

TEST_P(SelectedRows, SelectAllKeepsTheCurrentRecordAndNotifiesOnce) {
  g.items.GotoId(6);
  const int notices = g.grid->selectionNotices;
  Rows()->SelectAll();
  EXPECT_EQ(Rows()->Count(), g.items.ds()->RecordCount());
  EXPECT_EQ(g.items.CurrentId(), 6);
  EXPECT_EQ(Ids(), "1 2 3 4 5 6 7 8");
  EXPECT_EQ(g.grid->selectionNotices, notices + 1);
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstRecordBookmarks);
}

TEST_P(SelectedRows, DeleteRemovesTheSelectedRecordsOnly) {
  Select({2, 4, 8});
  Rows()->Delete();
  EXPECT_EQ(Rows()->Count(), 0);
  EXPECT_EQ(g.items.ds()->RecordCount(), 5);
  EXPECT_FALSE(g.items.ds()->ControlsDisabled());
  for (int id : {2, 4, 8}) {
    EXPECT_FALSE(g.items.ds()->Locate("ID", Variant(id), {})) << id;
  }
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstNon);
}

TEST_P(SelectedRows, DeleteSkipsBookmarksOfRecordsAlreadyGone) {
  Select({3, 5});
  g.items.GotoId(3);
  g.items.ds()->Delete();
  ASSERT_EQ(Rows()->Count(), 2) << "a deleted record's bookmark stays until cleared";
  Rows()->Delete();
  EXPECT_EQ(g.items.ds()->RecordCount(), 6) << "only record 5 was still there to delete";
  EXPECT_TRUE(g.items.ds()->Locate("ID", Variant(4), {}));
  EXPECT_FALSE(g.items.ds()->Locate("ID", Variant(5), {}));
}

TEST_P(SelectedRows, ARefusedDeleteKeepsTheRecordsLeftAndTellsTheGrid) {
  Select({2, 4, 6});
  g.items.ds()->BeforeDelete.Bind(nullptr, "", [&](TDataSet*) {
    if (g.items.CurrentId() == 4) Abort();
  });
  const int notices = g.grid->selectionNotices;
  EXPECT_THROW(Rows()->Delete(), EAbort);
  EXPECT_FALSE(g.items.ds()->ControlsDisabled());
  EXPECT_EQ(g.items.ds()->RecordCount(), 7) << "record 6 went before 4 was refused";
  EXPECT_EQ(Ids(), "2 4");
  EXPECT_EQ(g.grid->selectionNotices, notices + 1) << "record 6 left the selection";
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstRecordBookmarks);
}

TEST_P(SelectedRows, ReSortedDataSetPutsTheListBackInOrder) {
  Select({1, 2, 3});
  SortByCode();
  Select({4});
  EXPECT_EQ(Ids(), "3 2 1 4");
  for (int id : {1, 2, 3, 4}) {
    g.items.GotoId(id);
    EXPECT_TRUE(Rows()->CurrentRowSelected()) << id;
  }
  g.items.GotoId(2);
  Rows()->SetCurrentRowSelected(false);
  EXPECT_EQ(Ids(), "3 1 4");
}

TEST_P(SelectedRows, AClosedDataSetHasNoCurrentRow) {
  g.items.ds()->Close();
  EXPECT_THROW(Rows()->CurrentRow(), EInvalidGridOperation);
  EXPECT_THROW(Rows()->SetCurrentRowSelected(true), EInvalidGridOperation);
  Rows()->SelectAll();
  EXPECT_EQ(Rows()->Count(), 0);
}

TEST_P(SelectedRows, OpeningOrClosingEmptiesTheList) {
  Select({1, 2});
  g.items.ds()->Close();
  EXPECT_EQ(Rows()->Count(), 0);
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstNon);
  g.items.ds()->Open();
  Select({4});
  EXPECT_EQ(Ids(), "4");
}

TEST_P(SelectedRows, ARecordBeingInsertedIsNeverStored) {
  g.items.ds()->Append();
  Rows()->SetCurrentRowSelected(true);
  EXPECT_EQ(Rows()->Count(), 0);
  g.items.ds()->Cancel();
}

TEST_P(SelectedRows, SelectingRecordsReplacesAColumnSelection) {
  g.grid->Columns()->Add()->SetFieldName("ID");
  g.grid->Selection()->Columns()->Select(g.grid->Columns()->Items(0), false);
  ASSERT_EQ(g.grid->Selection()->SelectionType(), gstColumns);
  Select({3});
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstRecordBookmarks);
  EXPECT_EQ(g.grid->Selection()->Columns()->Count(), 0);
}

TEST_P(SelectedRows, RowsRectCoversTheSelectedRecordsOnScreen) {
  g.grid->SetVisibleRows(4);
  g.grid->Columns()->Add()->SetFieldName("ID");
  g.grid->Columns()->Add()->SetFieldName("Name");
  g.items.ds()->First();
  EXPECT_EQ(Rows()->SelectedRowsRect(), kEmptyGridRect);
  Select({2, 3, 7});
  g.items.ds()->First();
  // Titles take row 0, records 1..4 rows 1..4; record 7 is off screen.
  EXPECT_EQ(Rows()->SelectedRowsRect(), Rect(0, 2, 2, 3));
  EXPECT_EQ(g.items.CurrentId(), 1) << "walking the rows leaves the current record";
}

TEST_P(SelectedRows, ItemsOutsideTheListRaise) {
  EXPECT_THROW(Rows()->Items(0), EInvalidGridOperation);
  Select({1});
  EXPECT_THROW(Rows()->Items(1), EInvalidGridOperation);
  EXPECT_THROW(Rows()->Items(-1), EInvalidGridOperation);
}

TEST_P(SelectedRows, FieldMapGrowsByDoublingAndSparseMapsTolerateMissingNames) {
  TGridDataLinkEx* link = g.grid->DataLink();
  link->ClearMapping();
  link->AddMapping("ID");
  EXPECT_EQ(link->MapCapacity(), 8);
  for (int i = 0; i < 8; ++i) link->AddMapping("Name");
  EXPECT_EQ(link->FieldCount(), 9);
  EXPECT_EQ(link->MapCapacity(), 16);
  EXPECT_EQ(link->GetMappedField(0), g.items.ds()->FieldByName("ID"));
  EXPECT_EQ(link->GetMappedField(9), nullptr);
  EXPECT_EQ(link->GetMappedField(-1), nullptr);
  EXPECT_THROW(link->AddMapping("Missing"), EDatabaseError);
  link->SetSparseMap(true);
  link->AddMapping("Missing");
  EXPECT_EQ(link->GetMappedField(link->FieldCount() - 1), nullptr);
  EXPECT_FALSE(link->DefaultFields());
}

INSTANTIATE_TEST_SUITE_P(Stores, SelectedRows, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);
