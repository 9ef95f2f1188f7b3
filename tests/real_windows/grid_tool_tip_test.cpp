// The tip of a grid cell that cuts its text, in a real window: the pointer rests on the cell,
// the tip comes over it and stays while the pointer moves within the cell, and goes when the
// pointer leaves the cell.
#include <gtest/gtest.h>

#include <string>

#include "gridlib/grid/columns.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/hint_window.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_tree.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

namespace {

class RealGridToolTip : public RealGridForm {
 protected:
  void SetUp() override {
    RealGridForm::SetUp();
    if (IsSkipped()) return;
    // Only the pointer leaving hides the tip here, however slow the machine is.
    Application->SetHintHidePause(10 * 60 * 1000);
    Application->OnHint.Bind(nullptr, "", [this](TObject*) { ++shows_; });
    grid_->SetShowHint(true);
    TColumnEx* name = grid_->Columns()->Items(1);
    name->SetToolTips(true);
    name->SetWidth(18);
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the form never showed";
  }

  // The screen point of the middle of the name cell of the second record, nudged by `dx`.
  TPoint CutCell(int dx = 0) {
    const TRect cell = grid_->CellRect(2, grid_->TitleOffset() + 1);
    return grid_->ClientToScreen({(cell.Left + cell.Right) / 2 + dx, (cell.Top + cell.Bottom) / 2});
  }
  // Moves the real pointer and waits until our side has taken the move.
  bool PointTo(TPoint screen) {
    return Xdo("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y)) &&
           WaitFor([&] { return GetCursorPos() == screen; });
  }
  HWND Tip() {
    THintWindow* tip = Application->HintWindow();
    return tip != nullptr && tip->Active() && tip->HandleAllocated() ? tip->Handle() : nullptr;
  }
  bool TipShown() {
    HWND tip = Tip();
    return tip != nullptr && IsWindowVisible(tip) && ToolkitWindowExposed(tip);
  }
  bool ScreenShowsTip() {
    HWND tip = Tip();
    TRect r;
    return tip != nullptr && GetWindowRect(tip, r) && !ShownPixelsOf(tip, r).empty();
  }

  int shows_ = 0;
};

TEST_F(RealGridToolTip, ACutCellsTipStaysWhileThePointerRestsOnTheCellAndGoesWhenItLeaves) {
  const TRect idCell = grid_->CellRect(1, grid_->TitleOffset() + 1);
  const TPoint aside = grid_->ClientToScreen({(idCell.Left + idCell.Right) / 2, (idCell.Top + idCell.Bottom) / 2});
  ASSERT_TRUE(PointTo(aside)) << "the pointer starts on a cell whose text fits";
  ASSERT_TRUE(PointTo(CutCell()));
  ASSERT_TRUE(WaitFor([&] { return TipShown(); }))
      << "the tip never came on the screen: shown " << shows_ << " times, window "
      << (Tip() != nullptr ? (IsWindowVisible(Tip()) ? "visible" : "hidden") : "inactive")
      << ", on screen: " << (Tip() != nullptr && ToolkitWindowExposed(Tip()));
  EXPECT_TRUE(ScreenShowsTip()) << "the screen shows what the tip painted";

  ASSERT_TRUE(PointTo(CutCell(2)));
  ASSERT_TRUE(PointTo(CutCell(-2)));
  EXPECT_TRUE(TipShown()) << "the tip stays while the pointer moves within the cell";
  EXPECT_EQ(shows_, 1) << "the tip was shown once, never hidden and shown again";
  EXPECT_TRUE(ScreenShowsTip());

  ASSERT_TRUE(PointTo(aside));
  EXPECT_TRUE(WaitFor([&] { return !TipShown(); })) << "the tip goes when the pointer leaves the cell";
}

}  // namespace
