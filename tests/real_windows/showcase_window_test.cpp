// The showcase's own skinned window, driven by real input with no window manager and with
// one: a cut message shows whole in a tip while the pointer rests on it.
#include <gtest/gtest.h>

#include "examples/showcase/main_form.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/hint_window.h"
#include "platform/data/data_link.h"
#include "platform/data/field.h"
#include "platform/windows/clock.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_tree.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_showcase.h"

namespace {

class RealShowcase : public RealShowcaseTest {
 protected:
  static HWND Tip() {
    THintWindow* tip = Application->HintWindow();
    return tip != nullptr && tip->Active() && tip->HandleAllocated() ? tip->Handle() : nullptr;
  }
  void TearDown() override {
    RealShowcaseTest::TearDown();
    if (clock_ != nullptr) SetClock(nullptr);
  }
  static bool TipShown() {
    HWND tip = Tip();
    return tip != nullptr && IsWindowVisible(tip) && ToolkitWindowExposed(tip);
  }

  TTestClock* clock_ = nullptr;
};

TEST_F(RealShowcase, ACutMessageShowsWholeInATipWhileThePointerRestsOnIt) {
  TDBGridEx* grid = ShownGrid(TShowcaseMainForm::kSentCommand, "SentGrid");
  ASSERT_NE(grid, nullptr);
  TColumnEx* content = nullptr;
  for (int i = 0; i < grid->Columns()->Count(); ++i)
    if (grid->Columns()->Items(i)->FieldName() == "Content") content = grid->Columns()->Items(i);
  ASSERT_NE(content, nullptr);
  // A message wider than its column, as the grid's font writes it.
  int row = -1;
  String message;
  for (int r = 0; r < grid->DataLink()->RecordCount() && row < 0; ++r) {
    ActiveRecordScope at(grid->DataLink(), r);
    grid->Canvas()->Font()->Assign(content->Font());
    if (grid->Canvas()->TextWidth(content->Field()->AsString()) > content->Width()) {
      row = r;
      message = content->Field()->AsString();
    }
  }
  ASSERT_GE(row, 0) << "no message is cut on the first screen";
  const int col = content->Index() + grid->IndicatorOffset();
  const TRect cell = grid->CellRect(col, grid->TitleOffset() + row);
  const TPoint middle = grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
  ASSERT_TRUE(PointTo(grid->ClientToScreen({cell.Left - 20, (cell.Top + cell.Bottom) / 2})));
  ASSERT_TRUE(PointTo(middle));
  // The program's own loop turns, its idle step included, as the showcase runs them.
  int idleSteps = 0;
  Application->OnIdle.Bind(nullptr, "Count", [&](TObject*, bool&) { ++idleSteps; });
  ASSERT_TRUE(RunUntil([&] { return TipShown(); }))
      << "the tip never came on the screen: window "
      << (Tip() != nullptr ? (IsWindowVisible(Tip()) ? "visible" : "hidden") : "inactive");
  EXPECT_EQ(Application->HintWindow()->Caption(), message);
  const auto resting = [&] {
    const int seen = idleSteps;
    return RunUntil([&] { return idleSteps > seen + 1; }) && TipShown();
  };
  EXPECT_TRUE(resting()) << "the tip stays while the pointer rests on the cell";
  // A while later, on a clock of the test's that goes on from the real one.
  auto clock = std::make_unique<TTestClock>();
  clock->Advance(Clock().NowMs() - clock->NowMs());
  clock_ = clock.get();
  SetClock(std::move(clock));
  clock_->Advance(4000);
  EXPECT_TRUE(resting()) << "the tip is still there after a rest of a few seconds";
  Application->OnIdle.Clear();
}

}  // namespace
