#include <gtest/gtest.h>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/grid_unit.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class SortMarkers : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"A", "B", "C", "D"}) grid.Columns()->Add()->SetFieldName(name);
  }
  TColumnTitleEx* Title(int i) { return grid.Columns()->Items(i)->Title(); }
  // The marked columns, primary first, each with its index, as "A1 C2".
  std::string Marked() {
    std::string text;
    for (TColumnEx* column : grid.SortMarkedColumns()) {
      if (!text.empty()) text += ' ';
      text += column->FieldName() + std::to_string(column->Title()->SortIndex());
    }
    return text;
  }
  void MultiMode() { grid.SetOptionsEx(grid.OptionsEx() + dghMultiSortMarking); }

  TTestGrid grid{nullptr};
};

}  // namespace

TEST_F(SortMarkers, SingleModeKeepsOneMarkedColumn) {
  Title(0)->SetSortMarker(smDownEx);
  EXPECT_EQ(Marked(), "A1");
  Title(1)->SetSortMarker(smUpEx);
  EXPECT_EQ(Marked(), "B1");
  EXPECT_EQ(Title(0)->SortMarker(), smNoneEx);
  EXPECT_EQ(Title(0)->SortIndex(), 0);
  Title(1)->SetSortMarker(smNoneEx);
  EXPECT_EQ(Marked(), "");
  EXPECT_EQ(Title(1)->SortIndex(), 0);
}

TEST_F(SortMarkers, MultiModeNumbersInMarkingOrderAndCloseGaps) {
  MultiMode();
  Title(0)->SetSortMarker(smDownEx);
  Title(1)->SetSortMarker(smDownEx);
  Title(2)->SetSortMarker(smUpEx);
  EXPECT_EQ(Marked(), "A1 B2 C3");
  Title(1)->SetSortMarker(smNoneEx);
  EXPECT_EQ(Marked(), "A1 C2");
  Title(0)->SetSortMarker(smUpEx);
  EXPECT_EQ(Marked(), "A1 C2") << "turning a marker around keeps its place";
}

TEST_F(SortMarkers, SortIndexOnlyExchangesPlaces) {
  MultiMode();
  Title(0)->SetSortMarker(smDownEx);
  Title(2)->SetSortMarker(smDownEx);
  Title(2)->SetSortIndex(1);
  EXPECT_EQ(Marked(), "C1 A2");
  Title(2)->SetSortIndex(5);
  EXPECT_EQ(Marked(), "C1 A2");
  Title(3)->SetSortIndex(1);
  EXPECT_EQ(Title(3)->SortIndex(), 0) << "an unmarked column takes no index";
  Title(0)->SetSortIndex(-3);
  EXPECT_EQ(Marked(), "C1 A2");
}

TEST_F(SortMarkers, ToggleStepsThroughTheMarkers) {
  Title(0)->ToggleSortMarker(false);
  EXPECT_EQ(Title(0)->SortMarker(), smDownEx);
  Title(0)->ToggleSortMarker(false);
  EXPECT_EQ(Title(0)->SortMarker(), smUpEx);
  Title(0)->ToggleSortMarker(false);
  EXPECT_EQ(Title(0)->SortMarker(), smDownEx) << "without keepOthers up goes back to down";
  Title(0)->ToggleSortMarker(true);
  Title(0)->ToggleSortMarker(true);
  EXPECT_EQ(Title(0)->SortMarker(), smNoneEx);

  MultiMode();
  Title(1)->ToggleSortMarker(true);
  Title(2)->ToggleSortMarker(true);
  EXPECT_EQ(Marked(), "B1 C2");
  Title(3)->ToggleSortMarker(false);
  EXPECT_EQ(Marked(), "D1") << "a plain title click clears the other markers";
}

TEST_F(SortMarkers, DeletingAMarkedColumnRenumbersTheRest) {
  MultiMode();
  for (int i = 0; i < 3; ++i) Title(i)->SetSortMarker(smDownEx);
  grid.Columns()->Delete(0);
  EXPECT_EQ(Marked(), "B1 C2");
  delete grid.Columns()->Items(0);
  EXPECT_EQ(Marked(), "C1");
}

TEST_F(SortMarkers, LeavingMultiModeKeepsOnlyThePrimary) {
  MultiMode();
  Title(2)->SetSortMarker(smDownEx);
  Title(0)->SetSortMarker(smUpEx);
  Title(1)->SetSortMarker(smDownEx);
  grid.SetOptionsEx(grid.OptionsEx() - dghMultiSortMarking);
  EXPECT_EQ(Marked(), "C1");
  EXPECT_EQ(Title(0)->SortMarker(), smNoneEx);
  EXPECT_EQ(Title(1)->SortIndex(), 0);
}

TEST_F(SortMarkers, MarkersSetDuringAnUpdateAreRenumberedAfterIt) {
  MultiMode();
  {
    TCollectionUpdateLock lock(*grid.Columns());
    Title(3)->SetSortMarker(smDownEx);
    Title(3)->SetSortIndex(7);
    Title(1)->SetSortMarker(smUpEx);
    Title(1)->SetSortIndex(2);
    Title(0)->SetSortMarker(smDownEx);
    Title(0)->SetSortIndex(2);
    EXPECT_EQ(Title(3)->SortIndex(), 7) << "inside an update indexes are stored as given";
  }
  EXPECT_EQ(Marked(), "A1 B2 D3")
      << "gaps are closed; equal indexes keep column order";
}

TEST_F(SortMarkers, IndexesStoredOneToNLoadUnchanged) {
  MultiMode();
  {
    TCollectionUpdateLock lock(*grid.Columns());
    Title(2)->SetSortMarker(smDownEx);
    Title(2)->SetSortIndex(1);
    Title(0)->SetSortMarker(smUpEx);
    Title(0)->SetSortIndex(3);
    Title(3)->SetSortMarker(smDownEx);
    Title(3)->SetSortIndex(2);
  }
  EXPECT_EQ(Marked(), "C1 D2 A3");
}

TEST(SortMarkerRoom, MarkerAndIndexGiveWayInNarrowColumns) {
  GridLibraryScope library;
  TDBGridEx grid(nullptr);
  grid.SetOptionsEx(grid.OptionsEx() + dghMultiSortMarking);
  TColumnEx* a = grid.Columns()->Add();
  TColumnEx* b = grid.Columns()->Add();
  a->SetWidth(100);
  b->SetWidth(100);
  EXPECT_EQ(a->Title()->SortMarkerWidth(), 0) << "no marker";
  a->Title()->SetSortMarker(smDownEx);
  EXPECT_EQ(a->Title()->SortMarkerWidth(), 16) << "one marked column shows no number";
  b->Title()->SetSortMarker(smUpEx);
  const int withNumber = a->Title()->SortMarkerWidth();
  EXPECT_GT(withNumber, 16);
  a->SetWidth(withNumber + 3);
  EXPECT_EQ(a->Title()->SortMarkerWidth(), withNumber - 14) << "the marker image goes first";
  a->SetWidth(6);
  EXPECT_EQ(a->Title()->SortMarkerWidth(), 0) << "then the number";
  EXPECT_EQ(SortIndexFont()->Height(), -8);
}
