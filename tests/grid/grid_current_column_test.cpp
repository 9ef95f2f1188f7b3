// The focused column of the real grid is its base grid's current column: choosing one moves
// the current cell, and hiding it moves the cell to a column that is shown.
#include <gtest/gtest.h>

#include <functional>

#include "gridlib/grid/columns.h"
#include "platform/data/dataset.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

using GridCurrentColumn = GridInForm;

// The grid columns: the indicator, then ID, Name, Amount, Flag, Code, Note.
constexpr int kName = 1;

TEST_P(GridCurrentColumn, SelectedIndexAndColAreOneValue) {
  Make(5, 1000);
  grid->SetCol(3);
  EXPECT_EQ(grid->SelectedIndex(), 2);
  grid->SetSelectedIndex(4);
  EXPECT_EQ(grid->Col(), 5);
  EXPECT_EQ(grid->CurrentGridCol(), 5) << "what the highlight reads";
  grid->SetSelectedIndex(40);
  EXPECT_EQ(grid->Col(), 5) << "no such grid column";
  grid->SetFrozenCols(2);
  grid->SetSelectedIndex(4);
  grid->SetSelectedIndex(0);
  EXPECT_EQ(grid->Col(), 5) << "frozen columns take no current cell";
}

TEST_P(GridCurrentColumn, TheSelectedFieldIsTheCurrentColumnsField) {
  Make(5, 1000);
  grid->SetSelectedIndex(kName);
  EXPECT_EQ(grid->SelectedField(), items_->ds()->FieldByName("Name"));
  grid->Columns()->Clear();
  grid->Columns()->Add()->SetFieldName("Name");
  grid->Columns()->Add()->SetFieldName("NoSuchField");
  grid->SetSelectedIndex(1);
  ASSERT_EQ(grid->SelectedIndex(), 1);
  EXPECT_EQ(grid->SelectedField(), nullptr) << "a column without a field";
  grid->SetSelectedIndex(0);
  EXPECT_EQ(grid->SelectedField(), items_->ds()->FieldByName("Name"));
  items_->ds()->Close();
  EXPECT_EQ(grid->SelectedField(), nullptr) << "a closed data set shows no fields";
}

TEST_P(GridCurrentColumn, FocusingAFieldMovesTheCurrentCell) {
  Make(5, 1000);
  grid->SetCol(4);
  items_->ds()->FieldByName("Name")->FocusControl();
  EXPECT_EQ(grid->Col(), kName + 1);
  EXPECT_EQ(grid->SelectedIndex(), kName);
}

TEST_P(GridCurrentColumn, HidingTheCurrentColumnMovesTheCellToTheFirstShownOne) {
  Make(5, 1000);
  grid->Columns()->Items(0)->SetVisible(false);
  grid->SetSelectedIndex(kName);
  grid->Columns()->Items(kName)->SetVisible(false);
  EXPECT_EQ(grid->SelectedIndex(), kName + 1) << "the first shown column";
  EXPECT_GT(grid->ColWidths(grid->Col()), 0);

  const int last = grid->Columns()->Count() - 1;
  grid->SetSelectedIndex(last);
  grid->Columns()->Items(last)->SetVisible(false);
  EXPECT_EQ(grid->SelectedIndex(), kName + 1) << "the first shown column, not the nearest";
  EXPECT_GT(grid->ColWidths(grid->Col()), 0);
}

// Frozen columns never take the current cell: the cell goes to the first shown column after them.
TEST_P(GridCurrentColumn, HidingTheCurrentColumnBesideFrozenOnesMovesTheCellToTheFirstItMayTake) {
  struct Case {
    int Hidden;   // a column hidden beforehand, -1 none
    int Current;  // the current column, hidden then
    int Expected;
  };
  for (const Case& c : {Case{-1, 4, 2}, Case{2, 4, 3}, Case{-1, 2, 3}}) {
    Make(5, 1000);
    grid->SetFrozenCols(2);
    if (c.Hidden >= 0) grid->Columns()->Items(c.Hidden)->SetVisible(false);
    grid->SetSelectedIndex(c.Current);
    ASSERT_EQ(grid->SelectedIndex(), c.Current);
    grid->Columns()->Items(c.Current)->SetVisible(false);
    EXPECT_EQ(grid->SelectedIndex(), c.Expected) << "hiding column " << c.Current;
    EXPECT_GT(grid->ColWidths(grid->Col()), 0) << "the current cell shows";
    TearDown();
  }
}

// A change to which columns lead as fixed ones leaves the current cell where it was when that
// column can still take it: the record too.
TEST_P(GridCurrentColumn, ColumnsBecomingOrCeasingToBeFixedLeaveTheCurrentCellWhereItWas) {
  const struct {
    const char* name;
    std::function<void(TDBGridEx*)> change;
  } cases[] = {
      {"the first column hidden", [](TDBGridEx* g) { g->Columns()->Items(0)->SetVisible(false); }},
      {"one column frozen", [](TDBGridEx* g) { g->SetFrozenCols(1); }},
      {"the frozen columns let go", [](TDBGridEx* g) {
         g->SetFrozenCols(1);
         g->SetSelectedIndex(3);
         g->SetFrozenCols(0);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Make(5, 1000);
    items_->GotoId(4);
    grid->SetSelectedIndex(3);
    c.change(grid);
    EXPECT_EQ(grid->SelectedIndex(), 3);
    EXPECT_EQ(items_->CurrentId(), 4);
    EXPECT_EQ(grid->Row(), grid->TitleOffset() + grid->DataLink()->ActiveRecord());
    TearDown();
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, GridCurrentColumn, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
