#include <random>

#include "platform/controls/screen.h"
#include "platform/windows/cursors.h"
#include "platform/windows/painting.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/timers.h"
#include "tests/controls/grid_test_support.h"

namespace {

class GridInputTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid->SetColCount(8);
    grid->SetRowCount(20);
    grid->SetFocus();
  }
  // Colour of a grid client pixel as the form's picture shows it (XOR drawing included).
  TColor Screen(int x, int y) {
    TPoint p = grid->ClientToScreen({x, y});
    TRect w;
    GetWindowRect(form_->Handle(), w);
    uint32_t argb = WindowSurface(form_->Handle())->Pixel32(p.x - w.Left, p.y - w.Top);
    return static_cast<TColor>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16);
  }
};

TEST_F(GridInputTest, ArrowsMoveTheCurrentCellWithinTheScrolledCells) {
  Key(grid, VK_RIGHT);
  Key(grid, VK_DOWN);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  Key(grid, VK_UP);
  Key(grid, VK_UP);  // the fixed row stops it
  Key(grid, VK_LEFT);
  Key(grid, VK_LEFT);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  Key(grid, VK_END);
  EXPECT_EQ(grid->Col(), 7);
  Key(grid, VK_HOME);
  EXPECT_EQ(grid->Col(), 1);
  Key(grid, VK_END, {ssCtrl});
  EXPECT_EQ(grid->Col(), 7);
  EXPECT_EQ(grid->Row(), 19);
  EXPECT_EQ(grid->TopRow(), 15);
  Key(grid, VK_HOME, {ssCtrl});
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GridInputTest, PageKeysMoveByAPageAndScroll) {
  Key(grid, VK_NEXT);
  EXPECT_EQ(grid->Row(), 5);  // a page is the visible rows less one
  EXPECT_EQ(grid->TopRow(), 5);
  Key(grid, VK_PRIOR);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->TopRow(), 1);
  Key(grid, VK_DOWN, {ssCtrl});  // Ctrl+Down scrolls without moving
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(grid->Row(), 1);     // the current row stays where it was
}

TEST_F(GridInputTest, ShiftExtendsTheSelectionOnlyWithRangeSelect) {
  Key(grid, VK_RIGHT, {ssShift});
  Key(grid, VK_DOWN, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
  Key(grid, VK_DOWN);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
  grid->SetOptions(grid->Options() - goRangeSelect);
  Key(grid, VK_RIGHT, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 3, 3, 3}));
  grid->SetOptions(grid->Options() + goRowSelect);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 7, 3}));
}

TEST_F(GridInputTest, TabWalksTabStopsOnlyWithGoTabs) {
  EXPECT_EQ(grid->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
  grid->SetOptions(grid->Options() + goTabs);
  EXPECT_NE(grid->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
  grid->SetTabStops(2, false);
  Key(grid, VK_TAB);
  EXPECT_EQ(grid->Col(), 3);
  grid->SetCol(7);
  Key(grid, VK_TAB);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 2);
  Key(grid, VK_TAB, {ssShift});
  EXPECT_EQ(grid->Col(), 7);
  EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GridInputTest, ClickSelectsAndDragSelectsARange) {
  Click(grid, 140, 60);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  Press(grid, 70, 30);
  EXPECT_EQ(grid->GridState(), gsSelecting);
  Drag(grid, 200, 80);
  Release(grid, 200, 80);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
  EXPECT_EQ(grid->Col(), 1);  // the pressed cell stays current
  Click(grid, 140, 110, MK_SHIFT);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 4}));
  Click(grid, 30, 60);  // fixed cells are not selected
  EXPECT_EQ(grid->Col(), 1);
}

TEST_F(GridInputTest, ClicksAndDoubleClicksAreReportedOnce) {
  int clicks = 0, doubleClicks = 0;
  grid->OnClick.Bind(nullptr, "Clicked", [&](TObject*) { ++clicks; });
  grid->OnDblClick.Bind(nullptr, "DoubleClicked", [&](TObject*) { ++doubleClicks; });
  Click(grid, 140, 60);
  EXPECT_EQ(clicks, 1);
  grid->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(140, 60));
  Release(grid, 140, 60);
  EXPECT_EQ(doubleClicks, 1);
  Key(grid, VK_DOWN);  // moving by keyboard is a click too
  EXPECT_EQ(clicks, 2);
}

TEST_F(GridInputTest, HoldingTheMouseBelowTheGridScrollsTheSelection) {
  Press(grid, 70, 30);
  Drag(grid, 70, 140);
  SetCursorPosQuietly(grid->ClientToScreen({70, 170}));
  Drag(grid, 70, 170);
  grid->Perform(WM_TIMER, 1);
  grid->Perform(WM_TIMER, 1);
  Release(grid, 70, 170);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 7}));
  EXPECT_EQ(grid->TopRow(), 3);
  EXPECT_EQ(ActiveTimerCount(), 0u);
}

TEST_F(GridInputTest, WheelMovesTheCurrentRow) {
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, -WHEEL_DELTA * 2), 0);
  EXPECT_EQ(grid->Row(), 3);
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, WHEEL_DELTA), 0);
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridInputTest, DraggingAColumnEdgeSizesItWithAnInvertedLine) {
  EXPECT_FALSE(grid->Sizing(129, 10));
  grid->SetOptions(grid->Options() + goColSizing);
  EXPECT_TRUE(grid->Sizing(129, 10));
  EXPECT_FALSE(grid->Sizing(129, 40));  // column edges size only in the fixed rows
  SetCursorPosQuietly(grid->ClientToScreen({129, 10}));
  grid->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid->Handle()), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), ::Screen->Cursors(crHSplit));  // the pointer shows the edge can be dragged
  EXPECT_NE(GetCursor(), ::Screen->Cursors(crArrow));
  form_->Update();
  EXPECT_EQ(Screen(160, 100), Sys(clWindow));
  Press(grid, 129, 10);  // the edge after column 1, in the fixed row
  EXPECT_EQ(grid->GridState(), gsColSizing);
  Drag(grid, 160, 10);
  EXPECT_EQ(Screen(160, 100), Sys(clBlack));  // the line inverts white
  Release(grid, 160, 10);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->ColWidths(1), 95);
  EXPECT_TRUE(Called("ColWidthsChanged"));
  Press(grid, 100, 10);  // not at an edge: no sizing
  EXPECT_NE(grid->GridState(), gsColSizing);
  Release(grid, 100, 10);
}

TEST_F(GridInputTest, DraggingARowEdgeInTheFixedColumnSizesTheRow) {
  grid->SetOptions(grid->Options() + goRowSizing);
  Press(grid, 30, 49);
  EXPECT_EQ(grid->GridState(), gsRowSizing);
  Drag(grid, 30, 70);
  Release(grid, 30, 70);
  EXPECT_EQ(grid->RowHeights(1), 45);
  Press(grid, 100, 49);  // row edges size only in the fixed column
  EXPECT_EQ(grid->GridState(), gsSelecting);
  Release(grid, 100, 49);
}

TEST_F(GridInputTest, DraggingAColumnTitleMovesTheColumn) {
  grid->SetOptions(grid->Options() + goColMoving);
  grid->SetColWidths(1, 40);
  grid->SetCol(1);
  Press(grid, 80, 10);
  EXPECT_EQ(grid->GridState(), gsColMoving);
  Drag(grid, 180, 10);
  Release(grid, 180, 10);
  EXPECT_TRUE(Called("ColumnMoved 1,3"));
  EXPECT_EQ(grid->ColWidths(3), 40);
  EXPECT_EQ(grid->Col(), 3);  // the current cell moved with its column
  EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(GridInputTest, MovingAColumnPastTheLastWholeOneScrolls) {
  grid->SetOptions(grid->Options() + goColMoving);
  Press(grid, 80, 10);
  SetCursorPosQuietly(grid->ClientToScreen({295, 10}));
  Drag(grid, 295, 10);
  grid->Perform(WM_TIMER, 1);
  grid->Perform(WM_TIMER, 1);
  Release(grid, 295, 10);
  EXPECT_EQ(grid->LeftCol(), 3);
  EXPECT_TRUE(Called("ColumnMoved 1,5"));
}

TEST_F(GridInputTest, MovingRowsAndColumnsByCode) {
  grid->SetRowHeights(2, 30);
  grid->SetRow(3);
  grid->MoveRow(2, 5);
  EXPECT_TRUE(Called("RowMoved 2,5"));
  EXPECT_EQ(grid->RowHeights(5), 30);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_THROW(grid->MoveColumn(1, 9), EListError);
}

// A grid that forbids dropping a column on column 2.
class TPickyGrid : public TTestGrid {
 public:
  using TTestGrid::TTestGrid;

 protected:
  bool CheckColumnDrag(int&, int& destination, TPoint) override { return destination != 2; }
  bool SelectCell(int col, int) override { return col != 4; }
};

TEST_F(GridInputTest, HooksCanRefuseMovesAndCells) {
  auto* picky = Make<TPickyGrid>(Bounds(0, 160, 300, 150));
  picky->SetBorderStyle(bsNone);
  picky->SetScrollBars(ssNone);
  picky->SetOptions(picky->Options() + goColMoving);
  picky->SetFocus();
  Press(picky, 80, 10);
  Drag(picky, 150, 10);
  Release(picky, 150, 10);
  EXPECT_TRUE(picky->calls.empty());
  picky->SetCol(3);
  Key(picky, VK_RIGHT);
  EXPECT_EQ(picky->Col(), 3);
}

TEST_F(GridInputTest, EscapeCancelsNothingWhenNotEditingAndCancelModeEndsADrag) {
  grid->SetOptions(grid->Options() + goColSizing);
  Press(grid, 129, 10);
  grid->Perform(WM_CANCELMODE);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->ColWidths(1), 64);
  Key(grid, VK_ESCAPE);
  EXPECT_EQ(grid->Col(), 1);
}

}  // namespace

namespace {

// Random keys, clicks, drags, wheel turns and scroll messages with random options keep the
// current cell, the selection and the first scrolled cell inside the grid.
TEST_F(GridInputTest, NothingDoneAtRandomLeavesTheGridInvalid) {
  std::mt19937 random(5);
  const uint16_t keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_TAB, VK_F2, VK_ESCAPE, VK_RETURN};
  const TGridOption options[] = {goRangeSelect, goRowSelect, goEditing, goTabs, goColSizing, goColMoving, goRowMoving, goAlwaysShowEditor};
  for (int i = 0; i < 1500; ++i) {
    int x = static_cast<int>(random() % 340) - 20, y = static_cast<int>(random() % 190) - 20;
    switch (random() % 7) {
      case 0: grid->SetOptions(TGridOptions::FromMask(grid->Options().Mask() ^ (1u << options[random() % 8]))); break;
      case 1: SetKeyDown(VK_SHIFT, random() % 2); Key(grid->InplaceEditor() && grid->InplaceEditor()->Focused() ? static_cast<TControl*>(grid->InplaceEditor()) : grid, keys[random() % 12]); break;
      case 2: Press(grid, x, y); break;
      case 3: Drag(grid, x, y); break;
      case 4: Release(grid, x, y); break;
      case 5: grid->Perform(random() % 2 ? WM_VSCROLL : WM_HSCROLL, MakeWParam(random() % 9, random() % 30)); break;
      default: grid->Perform(WM_CHAR, 0x20 + random() % 0x60);
    }
    ASSERT_GE(grid->Col(), grid->FixedCols());
    ASSERT_LT(grid->Col(), grid->ColCount());
    ASSERT_GE(grid->Row(), grid->FixedRows());
    ASSERT_LT(grid->Row(), grid->RowCount());
    TGridRect s = grid->Selection();
    ASSERT_TRUE(s.Left >= 1 && s.Top >= 1 && s.Right < grid->ColCount() && s.Bottom < grid->RowCount());
    ASSERT_TRUE(grid->TopRow() >= 1 && grid->TopRow() <= 15 && grid->LeftCol() >= 1 && grid->LeftCol() < 8);
  }
  ResetKeyState();
}

}  // namespace
