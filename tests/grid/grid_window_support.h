#pragma once

#include <memory>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/windows/clock.h"
#include "platform/windows/scroll_bars.h"
#include "tests/grid/grid_test_support.h"

namespace grid_test {

// Timers, double clicks and time-outs read a clock the test advances by hand while it lives.
class TestClockScope {
 public:
  TestClockScope() {
    auto clock = std::make_unique<TTestClock>();
    clock_ = clock.get();
    SetClock(std::move(clock));
  }
  ~TestClockScope() { SetClock(nullptr); }
  TestClockScope(const TestClockScope&) = delete;
  TestClockScope& operator=(const TestClockScope&) = delete;
  TTestClock* operator->() const { return clock_; }

 private:
  TTestClock* clock_;
};

// A shown form of 500 × 300 (owned by the application) holding a focused data grid over
// `source`.
inline TDBGridEx* ShowGridOnForm(TForm*& form, TDataSource* source) {
  form = new TForm(Application);
  form->SetBounds(0, 0, 500, 300);
  auto* grid = new TDBGridEx(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 460, 240);
  grid->SetDataSource(source);
  form->Show();
  grid->SetFocus();
  return grid;
}

// A press and release of the left button on the middle of cell (col, row) of `grid`.
inline void PressCell(TDBGridEx* grid, int col, int row) {
  const TRect cell = grid->CellRect(col, row);
  const LPARAM at = MakeLParam((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  grid->Perform(WM_LBUTTONUP, 0, at);
}

// A shown form holding a data grid of a given size over `count` items of the store under test.
class GridInForm : public testing::TestWithParam<Store> {
 protected:
  void Make(int count, int width = 400, int height = 300) {
    items_ = std::make_unique<Items>(GetParam(), count);
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, width + 40, height + 60);
    grid = new TDBGridEx(form_);
    grid->SetParent(form_);
    grid->SetBounds(0, 0, width, height);
    grid->SetDataSource(items_->source());
    form_->Show();
  }
  void TearDown() override {
    delete form_;
    form_ = nullptr;
    items_.reset();
  }
  int Pitch() const {
    const int line = grid->Options().Contains(dgRowLines) ? grid->GridLineWidth() : 0;
    return grid->DefaultRowHeight() + line;
  }
  SCROLLINFO VertScroll() const {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, info);
    return info;
  }

  TApplicationScope scope_;
  std::unique_ptr<Items> items_;
  TForm* form_ = nullptr;
  TDBGridEx* grid = nullptr;
};

}  // namespace grid_test
