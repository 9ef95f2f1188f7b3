// Selecting by dragging past the data: on the move out and on each tick of the test clock the
// records move by a step that grows with the distance, and the next tick comes sooner, though
// never sooner than 10 ms; past the sides the columns scroll and the rectangle follows.
#include <gtest/gtest.h>

#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridAutoScroll : public GridInForm {
 protected:
  void SetUp() override {
    Make(200, 400, 200);
    grid->SetOptions(grid->Options() + dgMultiSelect);
    Application->ProcessMessages();
  }
  void Mouse(UINT msg, TPoint at) {
    SetCursorPosQuietly(grid->ClientToScreen(at));
    grid->Perform(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MakeLParam(at.x, at.y));
  }
  // Records the cursor moved by over `ms` of the clock.
  int MovedOver(int ms) {
    const int before = items_->CurrentId();
    clock_->Advance(ms);
    Application->ProcessMessages();
    return items_->CurrentId() - before;
  }

  TestClockScope clock_;
};

TEST_P(GridAutoScroll, TheStepAndTheTickFollowTheDistanceBelowTheData) {
  const struct {
    int distance;
    int step;
    int interval;
  } cases[] = {
      {3, 0, 155}, {6, 1, 110}, {12, 2, 20}, {48, 8, 10}, {90, 8, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.distance);
    items_->GotoId(1);
    grid->Selection()->Clear();
    const TRect data = grid->DataRect();
    const TPoint start{(data.Left + data.Right) / 2, data.Top + 5};
    Mouse(WM_LBUTTONDOWN, start);
    Mouse(WM_MOUSEMOVE, {start.x, data.Bottom - 1});
    const TPoint below{start.x, data.Bottom - 1 + c.distance};
    const int before = items_->CurrentId();
    Mouse(WM_MOUSEMOVE, below);
    ASSERT_EQ(grid->Input()->State(), gisSelecting);
    EXPECT_EQ(items_->CurrentId() - before, c.step) << "the move out steps at once";
    EXPECT_EQ(MovedOver(c.interval - 1), 0) << "not yet";
    EXPECT_EQ(MovedOver(1), c.step) << "the next tick";
    Mouse(WM_LBUTTONUP, below);
  }
}

// Records dragged in the indicator, which lies left of the data, step only by how far below
// the data the mouse is.
TEST_P(GridAutoScroll, RecordsDraggedInTheIndicatorStepByTheDistanceBelowAlone) {
  const TRect data = grid->DataRect();
  const int x = data.Left / 2;
  Mouse(WM_LBUTTONDOWN, {x, data.Top + 5});
  ASSERT_EQ(grid->Input()->SelectDrag(), gsdRecords);
  Mouse(WM_MOUSEMOVE, {x, data.Bottom - 1});
  Mouse(WM_MOUSEMOVE, {x, data.Bottom + 2});
  EXPECT_EQ(MovedOver(1000), 0) << "3 pixels below";
  Mouse(WM_LBUTTONUP, {x, data.Bottom + 2});
}

// A rectangle dragged past the right edge takes the columns scrolling into view, up to the
// last; dragged back past the left edge it shrinks to the column it started in.
TEST_P(GridAutoScroll, ARectangleDraggedPastTheSidesScrollsTheColumnsAndFollowsThem) {
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->SetWidth(120);
  const int last = grid->Columns()->Count() - 1;
  TDBGridExSelectionRect* rect = grid->Selection()->Rect();
  const TRect first = grid->CellRect(1, grid->TitleOffset() + 1);
  const int y = (first.Top + first.Bottom) / 2;
  Mouse(WM_LBUTTONDOWN, {(first.Left + first.Right) / 2, y});
  ASSERT_EQ(grid->Input()->SelectDrag(), gsdRectangle);

  Mouse(WM_MOUSEMOVE, {grid->ClientWidth() + 30, y});
  EXPECT_GT(grid->LeftCol(), 1) << "the move out scrolls";
  for (int tick = 0; tick < 10; ++tick) MovedOver(200);
  EXPECT_EQ(grid->Col(), last + 1);
  EXPECT_EQ(grid->LeftCol(), grid->ColCount() - 3) << "no further than the last column";
  ASSERT_EQ(grid->Selection()->SelectionType(), gstRectangle);
  EXPECT_EQ(rect->GetLeftCol(), 0);
  EXPECT_EQ(rect->GetRightCol(), last);

  Mouse(WM_MOUSEMOVE, {-30, y});
  for (int tick = 0; tick < 10; ++tick) MovedOver(200);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(rect->GetLeftCol(), 0);
  EXPECT_EQ(rect->GetRightCol(), 0);
  Mouse(WM_LBUTTONUP, {-30, y});
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

INSTANTIATE_TEST_SUITE_P(Stores, GridAutoScroll, testing::Values(Store::Memory), StoreName);

}  // namespace
}  // namespace grid_test
