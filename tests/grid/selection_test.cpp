#include <gtest/gtest.h>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class Selection : public testing::TestWithParam<Store> {
 protected:
  Selection() : g(GetParam(), 8) {
    grid()->SetOptions(grid()->Options() + dgMultiSelect);
    for (const char* name : {"ID", "Name", "Amount", "Flag", "Code"}) {
      grid()->Columns()->Add()->SetFieldName(name);
    }
    grid()->SetVisibleRows(8);
  }
  TTestGrid* grid() { return g.grid.get(); }
  TDBGridExSelection* selection() { return grid()->Selection(); }
  TDBGridExSelectionCols* cols() { return selection()->Columns(); }
  TColumnEx* Col(int i) { return grid()->Columns()->Items(i); }
  TBookmark BookmarkOf(int id) {
    g.items.GotoId(id);
    return g.items.ds()->GetBookmark();
  }
  // Selected columns by field name, in list order.
  std::string SelectedColumns() {
    std::string text;
    for (int i = 0; i < cols()->Count(); ++i) {
      text += (text.empty() ? "" : " ") + cols()->Items(i)->FieldName();
    }
    return text;
  }
  GridOverItems g;
};

}  // namespace

TEST_P(Selection, ColumnsStayInColumnOrder) {
  cols()->Select(Col(2), false);
  cols()->InvertSelect(Col(0));
  cols()->InvertSelect(Col(1));
  EXPECT_EQ(SelectedColumns(), "ID Name Amount");
  EXPECT_EQ(selection()->SelectionType(), gstColumns);
  cols()->Select(Col(4), false);
  EXPECT_EQ(SelectedColumns(), "Code") << "a plain click starts afresh";
  cols()->Add(Col(4));
  EXPECT_EQ(SelectedColumns(), "Code") << "a column is listed once";
  cols()->InvertSelect(Col(4));
  EXPECT_EQ(selection()->SelectionType(), gstNon);
}

TEST_P(Selection, ShiftExtensionFollowsTheAnchorAndUndoesItsOldReach) {
  cols()->Select(Col(0), false);
  cols()->SelectShift(Col(3));
  EXPECT_EQ(SelectedColumns(), "ID Name Amount Flag");
  cols()->SelectShift(Col(1));
  EXPECT_EQ(SelectedColumns(), "ID Name");
  EXPECT_EQ(cols()->Anchor(), Col(0));
  EXPECT_EQ(cols()->ShiftCol(), Col(1));
}

TEST_P(Selection, ShiftFromAnUnselectedAnchorRemoves) {
  cols()->Select(Col(1), false);
  cols()->SelectShift(Col(4));
  cols()->InvertSelect(Col(1));
  EXPECT_EQ(SelectedColumns(), "Amount Flag Code");
  cols()->SelectShift(Col(3));
  EXPECT_EQ(SelectedColumns(), "Code");
  cols()->SelectShift(Col(2));
  EXPECT_EQ(SelectedColumns(), "Flag Code") << "Flag was outside the new reach and comes back";
}

TEST_P(Selection, HiddenColumnsInAShiftRangeStayUnselected) {
  Col(2)->SetVisible(false);
  cols()->Select(Col(0), false);
  cols()->SelectShift(Col(4));
  EXPECT_EQ(SelectedColumns(), "ID Name Flag Code");
}

TEST_P(Selection, ColumnSelectionRepaintsDownToTheLastRow) {
  cols()->Select(Col(1), false);
  cols()->SelectShift(Col(2));
  const TRect r = cols()->SelectionRect();
  EXPECT_EQ(r, Rect(2, 0, 3, grid()->GridRowCount() - 1));
}

TEST_P(Selection, DeletedColumnsLeaveTheSelectionAndItsAnchor) {
  cols()->Select(Col(1), false);
  cols()->SelectShift(Col(3));
  grid()->Columns()->Delete(1);
  EXPECT_EQ(SelectedColumns(), "Amount Flag");
  EXPECT_EQ(cols()->Anchor(), nullptr);
  cols()->SelectShift(Col(0));
  EXPECT_EQ(SelectedColumns(), "ID Amount Flag") << "without an anchor Shift selects the column";
}

TEST_P(Selection, RefreshPutsMovedColumnsBackInColumnOrder) {
  cols()->Select(Col(0), false);
  cols()->InvertSelect(Col(2));
  Col(2)->SetIndex(0);
  cols()->Refresh();
  EXPECT_EQ(SelectedColumns(), "Amount ID");
  EXPECT_EQ(cols()->SelectionRect(), Rect(1, 0, 2, grid()->GridRowCount() - 1));
  EXPECT_EQ(cols()->Anchor(), Col(0)) << "the anchor moved with its column";
}

TEST_P(Selection, RectangleBetweenTwoCells) {
  selection()->Rect()->Select(1, BookmarkOf(2), false);
  EXPECT_EQ(selection()->SelectionType(), gstNon) << "a single cell is no rectangle";
  selection()->Rect()->Select(3, BookmarkOf(5), true);
  EXPECT_EQ(selection()->SelectionType(), gstRectangle);
  TDBGridExSelectionRect* rect = selection()->Rect();
  EXPECT_EQ(rect->GetLeftCol(), 1);
  EXPECT_EQ(rect->GetRightCol(), 3);
  EXPECT_TRUE(selection()->DataCellSelected(2, BookmarkOf(4)));
  EXPECT_FALSE(selection()->DataCellSelected(4, BookmarkOf(4)));
  EXPECT_FALSE(selection()->DataCellSelected(2, BookmarkOf(6)));
  EXPECT_FALSE(selection()->DataCellSelected(-1, BookmarkOf(4)));

  selection()->Rect()->Select(0, BookmarkOf(1), true);
  EXPECT_EQ(g.items.ds()->CompareBookmarks(rect->GetTopRow(), BookmarkOf(1)), 0);
  EXPECT_EQ(g.items.ds()->CompareBookmarks(rect->GetBottomRow(), BookmarkOf(2)), 0);
  selection()->Rect()->Select(1, BookmarkOf(2), true);
  EXPECT_EQ(selection()->SelectionType(), gstNon) << "back on the anchor the rectangle collapses";
}

TEST_P(Selection, RectangleGridRectCoversTheRowsOnScreen) {
  g.items.ds()->First();
  selection()->Rect()->Select(0, BookmarkOf(3), false);
  selection()->Rect()->Select(2, BookmarkOf(5), true);
  g.items.ds()->First();
  EXPECT_EQ(selection()->SelectionToGridRect(), Rect(1, 3, 3, 5));
}

TEST_P(Selection, RectangleQueriesNeedAnOpenDataSet) {
  selection()->Rect()->Select(0, BookmarkOf(3), false);
  selection()->Rect()->Select(2, BookmarkOf(5), true);
  const TBookmark bookmark = BookmarkOf(4);
  g.items.ds()->Close();
  TDBGridExSelectionRect* rect = selection()->Rect();
  EXPECT_THROW(rect->GetTopRow(), EInvalidGridOperation);
  try {
    rect->GetBottomRow();
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Error in TDBGridExSelectionRect.GetBottomRow");
  }
  EXPECT_THROW(rect->GetLeftCol(), EInvalidGridOperation);
  EXPECT_THROW(rect->GetRightCol(), EInvalidGridOperation);
  EXPECT_THROW(rect->CellSelected(1, bookmark), EInvalidGridOperation);
}

TEST_P(Selection, ReopeningClearsAnchors) {
  selection()->Rect()->Select(1, BookmarkOf(2), false);
  cols()->Select(Col(0), false);
  cols()->InvertSelect(Col(0));
  ASSERT_EQ(selection()->SelectionType(), gstNon);
  g.items.ds()->Close();
  g.items.ds()->Open();
  EXPECT_EQ(selection()->Rect()->AnchorCol(), -1);
  EXPECT_TRUE(selection()->Rect()->AnchorBookmark().empty());
  EXPECT_EQ(cols()->Anchor(), nullptr);
}

TEST_P(Selection, SelectAllAndClearEachNotifyOnceAfterTheKindChanged) {
  cols()->Select(Col(1), false);
  std::vector<TDBGridExSelectionType> seen;
  grid()->OnSelectionChanged.Bind(nullptr, "", [&](TObject*) {
    seen.push_back(selection()->SelectionType());
  });
  selection()->SelectAll();
  EXPECT_EQ(seen, std::vector<TDBGridExSelectionType>{gstAll});
  EXPECT_TRUE(selection()->DataCellSelected(3, BookmarkOf(8)));
  EXPECT_EQ(cols()->Count(), 0);
  selection()->SelectAll();
  EXPECT_EQ(seen.size(), 1u) << "selecting all again changes nothing";
  selection()->Clear();
  EXPECT_EQ(seen, (std::vector<TDBGridExSelectionType>{gstAll, gstNon}));
  EXPECT_FALSE(selection()->DataCellSelected(3, BookmarkOf(8)));
  selection()->Clear();
  EXPECT_EQ(seen.size(), 2u);

  cols()->Select(Col(2), false);
  cols()->InvertSelect(Col(3));
  EXPECT_EQ(seen, (std::vector<TDBGridExSelectionType>{gstAll, gstNon, gstColumns, gstColumns}));
}

TEST_P(Selection, ClearingColumnsOrTheRectangleEndsTheirKindBeforeTelling) {
  std::vector<TDBGridExSelectionType> seen;
  grid()->OnSelectionChanged.Bind(nullptr, "", [&](TObject*) {
    seen.push_back(selection()->SelectionType());
  });
  cols()->Select(Col(1), false);
  cols()->Clear();
  EXPECT_EQ(selection()->SelectionType(), gstNon);
  cols()->Clear();
  EXPECT_EQ(seen, (std::vector<TDBGridExSelectionType>{gstColumns, gstNon}))
      << "clearing an empty list tells nothing";

  seen.clear();
  selection()->Rect()->Select(0, BookmarkOf(2), false);
  selection()->Rect()->Select(2, BookmarkOf(4), true);
  selection()->Rect()->Clear();
  EXPECT_EQ(selection()->SelectionType(), gstNon);
  EXPECT_FALSE(selection()->DataCellSelected(1, BookmarkOf(3)));
  selection()->Rect()->Clear();
  EXPECT_EQ(seen, (std::vector<TDBGridExSelectionType>{gstNon, gstRectangle, gstNon}));
}

TEST_P(Selection, SwitchingKindsTellsOnceWithTheNewKind) {
  std::vector<TDBGridExSelectionType> seen;
  grid()->OnSelectionChanged.Bind(nullptr, "", [&](TObject*) {
    seen.push_back(selection()->SelectionType());
  });
  TBookmarkListEx* rows = grid()->SelectedRows();
  g.items.GotoId(3);
  rows->SetCurrentRowSelected(true);
  selection()->SelectAll();
  EXPECT_EQ(rows->Count(), 0) << "everything replaces the picked records";
  g.items.GotoId(4);
  rows->SetCurrentRowSelected(true);
  cols()->Select(Col(0), false);
  EXPECT_EQ(rows->Count(), 0);
  g.items.GotoId(5);
  rows->SetCurrentRowSelected(true);
  EXPECT_EQ(cols()->Count(), 0);
  selection()->Rect()->Select(0, BookmarkOf(2), false);
  selection()->Rect()->Select(1, BookmarkOf(3), true);
  EXPECT_EQ(rows->Count(), 0);
  EXPECT_EQ(seen, (std::vector<TDBGridExSelectionType>{gstRecordBookmarks, gstAll,
                                                       gstRecordBookmarks, gstColumns,
                                                       gstRecordBookmarks, gstNon,
                                                       gstRectangle}));
}

TEST_P(Selection, RecordSelectionCellTest) {
  g.items.GotoId(4);
  grid()->SelectedRows()->SetCurrentRowSelected(true);
  EXPECT_TRUE(selection()->DataCellSelected(0, BookmarkOf(4)));
  EXPECT_TRUE(selection()->DataCellSelected(-1, BookmarkOf(4)));
  EXPECT_FALSE(selection()->DataCellSelected(0, BookmarkOf(5)));
}

TEST_P(Selection, NarrowingAllowedSelectionsOrMultiSelectClearsIt) {
  cols()->Select(Col(1), false);
  grid()->SetAllowedSelections({gstRecordBookmarks, gstRectangle});
  EXPECT_EQ(selection()->SelectionType(), gstNon);
  EXPECT_EQ(cols()->Count(), 0);

  g.items.GotoId(2);
  grid()->SelectedRows()->SetCurrentRowSelected(true);
  grid()->SetOptions(grid()->Options() - dgMultiSelect);
  EXPECT_EQ(grid()->SelectedRows()->Count(), 0);
  EXPECT_EQ(selection()->SelectionType(), gstNon);
}

TEST_P(Selection, AllowedKindsDependOnOptions) {
  EXPECT_TRUE(grid()->SelectionTypeAllowed(gstNon));
  EXPECT_TRUE(grid()->SelectionTypeAllowed(gstRectangle));
  grid()->SetOptions(grid()->Options() + dgRowSelect);
  EXPECT_FALSE(grid()->SelectionTypeAllowed(gstRectangle));
  EXPECT_FALSE(grid()->SelectionTypeAllowed(gstColumns));
  EXPECT_TRUE(grid()->SelectionTypeAllowed(gstRecordBookmarks));
  grid()->SetOptions(grid()->Options() - dgMultiSelect);
  EXPECT_FALSE(grid()->SelectionTypeAllowed(gstRecordBookmarks));
  EXPECT_TRUE(grid()->SelectionTypeAllowed(gstNon));
}

INSTANTIATE_TEST_SUITE_P(Stores, Selection, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);

TEST_P(Selection, CellsShowTheSelectionOfTheirKind) {
  const TBookmark four = BookmarkOf(4);
  grid()->SelectedRows()->SetCurrentRowSelected(true);
  EXPECT_TRUE(grid()->CellSelected(0, grkData, -1, four)) << "the indicator of a selected record";
  EXPECT_TRUE(grid()->CellSelected(3, grkData, 2, four));
  EXPECT_FALSE(grid()->CellSelected(0, grkData, -1, BookmarkOf(5)));
  EXPECT_FALSE(grid()->CellSelected(3, grkTitle, 2, four)) << "titles show column selections only";

  cols()->Select(Col(2), false);
  EXPECT_TRUE(grid()->CellSelected(3, grkTitle, 2, four));
  EXPECT_TRUE(grid()->CellSelected(3, grkFooter, 2, four));
  EXPECT_FALSE(grid()->CellSelected(2, grkTitle, 1, four));
  EXPECT_FALSE(grid()->CellSelected(0, grkData, -1, four));

  selection()->SelectAll();
  EXPECT_TRUE(grid()->CellSelected(0, grkTitle, -1, four));
}

TEST_P(Selection, ColumnsMapToFieldsByKind) {
  TGridDataLinkEx* link = grid()->DataLink();
  grid()->Columns()->Items(1)->SetFieldName("Missing");
  grid()->MapColumnsToFields();
  EXPECT_TRUE(link->SparseMap());
  EXPECT_EQ(link->FieldCount(), 5);
  EXPECT_EQ(link->GetMappedField(1), nullptr);
  EXPECT_EQ(link->GetMappedField(2), g.items.ds()->FieldByName("Amount"));

  g.items.ds()->FieldByName("Note")->SetVisible(false);
  grid()->BuildDefaultColumns();
  grid()->MapColumnsToFields();
  EXPECT_FALSE(link->SparseMap());
  EXPECT_EQ(link->FieldCount(), 5) << "the hidden field is not mapped";
  EXPECT_EQ(link->GetMappedField(4), g.items.ds()->FieldByName("Code"));
}
