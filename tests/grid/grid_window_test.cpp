// The grid's window: deferred layouts, edit-button size, read-only Tab stops, the flat border,
// column pop-up menus and the automatic drag held back while selecting.
#include <gtest/gtest.h>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/grid/columns.h"
#include "platform/controls/menus.h"
#include "platform/windows/messages.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/window_tree.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridWindow : public GridInForm {
 protected:
  int PendingDeferredLayouts() {
    int count = 0;
    MSG m;
    while (PeekMessage(m, grid->Handle(), TCustomDBGridEx::kDeferredLayoutMessage,
                       TCustomDBGridEx::kDeferredLayoutMessage, PM_REMOVE)) {
      ++count;
    }
    return count;
  }
};

TEST_P(GridWindow, DeferredLayoutsCollapseIntoOneAndRunLater) {
  Make(20);
  grid->DeferLayout();
  grid->DeferLayout();
  EXPECT_EQ(PendingDeferredLayouts(), 1);
  grid->SetColCount(2);  // the base grid's shape, out of step with the columns
  grid->DeferLayout();
  Application->ProcessMessages();
  EXPECT_EQ(grid->ColCount(), 7) << "the deferred layout ran";
  grid->DeferLayout();
  grid->LayoutChanged();
  EXPECT_EQ(PendingDeferredLayouts(), 0) << "a full layout takes the pending request with it";
}

TEST_P(GridWindow, EditButtonsAreRowHighUnlessRowsAreTall) {
  Make(20);
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  if (grid->DefaultRowHeight() <= ScaleButtonWidthEx(bar, true)) {
    EXPECT_EQ(grid->EditButtonWidth(), grid->DefaultRowHeight());
    EXPECT_EQ(grid->EditButtonHeight(), grid->DefaultRowHeight());
  }
  grid->SetRowLines(4);
  ASSERT_GT(grid->DefaultRowHeight(), ScaleButtonWidthEx(bar, true));
  EXPECT_EQ(grid->EditButtonWidth(), bar);
  EXPECT_EQ(grid->EditButtonHeight(), bar);
  grid->SetFlat(true);
  EXPECT_EQ(grid->EditButtonWidth(), ScaleButtonWidthEx(FlatButtonWidth(), true));
}

TEST_P(GridWindow, ReadOnlyGridHasNoTabStops) {
  Make(5);
  EXPECT_TRUE(grid->TabStops(2));
  grid->SetReadOnly(true);
  for (int col = 1; col < grid->ColCount(); ++col) EXPECT_FALSE(grid->TabStops(col)) << col;
}

TEST_P(GridWindow, FlatGridIsMadeAgainWithItsOwnBorder) {
  Make(5);
  grid->SetCtl3D(true);
  EXPECT_FALSE(grid->DrawsFlatBorder());
  grid->SetFlat(true);
  EXPECT_TRUE(grid->HandleAllocated());
  EXPECT_TRUE(grid->DrawsFlatBorder()) << "the window was made again";
}

TEST_P(GridWindow, RightClickOnAColumnWithAMenuShowsIt) {
  Make(5);
  auto* menu = new TPopupMenu(form_);
  auto* item = new TMenuItem(menu);
  item->SetCaption("Copy");
  menu->Items()->Add(item);
  grid->Columns()->Items(1)->SetPopupMenu(menu);
  const TRect cell = grid->CellRect(2, 2);
  const LPARAM at = ((cell.Top + 2) << 16) | (cell.Left + 2);
  grid->Perform(WM_RBUTTONUP, 0, at);
  EXPECT_TRUE(menu->IsOpen());
  EXPECT_EQ(menu->PopupComponent(), grid);
  menu->CloseMenu();
  const TRect other = grid->CellRect(3, 2);
  grid->Perform(WM_RBUTTONUP, 0, ((other.Top + 2) << 16) | (other.Left + 2));
  EXPECT_FALSE(menu->IsOpen()) << "other columns have no menu";
}

TEST_P(GridWindow, AutomaticDragComesBackAfterAPressWhileSelecting) {
  Make(5);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  grid->SetDragMode(dmAutomatic);
  const TRect cell = grid->CellRect(2, 2);
  const LPARAM at = ((cell.Top + 2) << 16) | (cell.Left + 2);
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  grid->Perform(WM_LBUTTONUP, 0, at);
  EXPECT_EQ(grid->DragMode(), dmAutomatic);
}

INSTANTIATE_TEST_SUITE_P(Stores, GridWindow, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
