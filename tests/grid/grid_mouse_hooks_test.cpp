// What the grid makes of the base grid's mouse work: a data row sized by the user sets the
// height of every data row, and holding the mouse above or below the rows moves the data set.
#include <gtest/gtest.h>

#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridMouseHooks : public GridInForm {
 protected:
  void Send(UINT msg, int x, int y) { grid->Perform(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MakeLParam(x, y)); }
  int FirstShownId() { return items_->CurrentId() - grid->DataLink()->ActiveRecord(); }
};

TEST_P(GridMouseHooks, SizingADataRowSetsEveryRowsHeight) {
  Make(20);
  grid->SetRowSizingAllowed(true);
  const int before = grid->DefaultRowHeight();
  grid->SetRowHeights(2, before + 4);
  EXPECT_EQ(grid->RowHeight(), 0) << "a row sized by code is left as it is";

  const int edge = grid->CellRect(0, 1).Bottom;
  Send(WM_LBUTTONDOWN, 4, edge);
  ASSERT_EQ(grid->GridState(), gsRowSizing);
  Send(WM_MOUSEMOVE, 4, edge + 10);
  Send(WM_LBUTTONUP, 4, edge + 10);
  EXPECT_EQ(grid->RowLines(), 0);
  EXPECT_EQ(grid->RowHeight(), before + 10);
  EXPECT_EQ(grid->DefaultRowHeight(), before + 10);
  for (int row = grid->TitleOffset(); row < grid->RowCount(); ++row) {
    EXPECT_EQ(grid->RowHeights(row), before + 10) << row;
  }
}

// The further below or above the rows the mouse is held, the more records each tick moves:
// a record per 6 pixels, at most 8.
TEST_P(GridMouseHooks, HoldingTheMouseOutsideTheRowsMovesTheDataSet) {
  Make(80, 400, 150);
  grid->SetOptions(grid->Options() - dgEditing);
  items_->GotoId(10);
  const TRect cell = grid->CellRect(2, grid->Row());
  const int x = cell.Left + 2;
  Send(WM_LBUTTONDOWN, x, cell.Top + 2);
  ASSERT_EQ(grid->Input()->State(), gisSelecting);

  const TRect data = grid->DataRect();
  const struct {
    int outside;
    int records;
  } cases[] = {{3, 0}, {6, 1}, {18, 3}, {60, 8}, {-6, -1}, {-30, -5}};
  for (const auto& c : cases) {
    const int y = c.outside > 0 ? data.Bottom - 1 + c.outside : data.Top + c.outside;
    const int before = items_->CurrentId();
    SetCursorPosQuietly(grid->ClientToScreen({x, y}));
    grid->Perform(WM_TIMER, 1);
    EXPECT_EQ(items_->CurrentId(), before + c.records) << c.outside << " pixels outside";
  }
  Send(WM_LBUTTONUP, x, data.Top - 20);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

INSTANTIATE_TEST_SUITE_P(Stores, GridMouseHooks, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
