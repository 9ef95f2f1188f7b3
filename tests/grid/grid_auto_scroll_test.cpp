// Selecting by dragging past the data: on each tick of the test clock the records move by a
// step that grows with the distance, and the next tick comes sooner, though never sooner than
// 10 ms.
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
    const TPoint below{start.x, data.Bottom - 1 + c.distance};
    Mouse(WM_MOUSEMOVE, below);
    ASSERT_EQ(grid->Input()->State(), gisSelecting);
    EXPECT_EQ(MovedOver(60), c.step) << "the first tick";
    EXPECT_EQ(MovedOver(c.interval - 1), 0) << "not yet";
    EXPECT_EQ(MovedOver(1), c.step) << "the next tick";
    Mouse(WM_LBUTTONUP, below);
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, GridAutoScroll, testing::Values(Store::Memory), StoreName);

}  // namespace
}  // namespace grid_test
