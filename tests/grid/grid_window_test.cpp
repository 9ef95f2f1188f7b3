// The grid's window: deferred layouts, edit-button size, read-only Tab stops, the flat border,
// column pop-up menus, the automatic drag held back while selecting, what scrolling, editing
// and sizing repaint, and the fonts taken from the parent.
#include <gtest/gtest.h>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/controls/edit.h"
#include "platform/controls/menus.h"
#include "platform/controls/scroll_bar.h"
#include "platform/data/dataset.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/windows/painting.h"
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
    while (PeekMessage(m, grid->Handle(), GM_DEFERREDLAYOUT,
                       GM_DEFERREDLAYOUT, PM_REMOVE)) {
      ++count;
    }
    return count;
  }
  // A horizontal bar on the form that the grid drives instead of its own.
  TScrollBar* ExternalHorzBar() {
    auto* bar = new TScrollBar(form_);
    bar->SetKind(sbHorizontal);
    bar->SetParent(form_);
    grid->HorzScrollBar()->SetExtScrollBar(bar);
    grid->UpdateHorzScrollBar();
    return bar;
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
    EXPECT_EQ(grid->Layout()->EditButtonWidth(), grid->DefaultRowHeight());
    EXPECT_EQ(grid->Layout()->EditButtonHeight(), grid->DefaultRowHeight());
  }
  grid->SetRowLines(4);
  ASSERT_GT(grid->DefaultRowHeight(), ScaleButtonWidthEx(bar, true));
  EXPECT_EQ(grid->Layout()->EditButtonWidth(), bar);
  EXPECT_EQ(grid->Layout()->EditButtonHeight(), bar);
  grid->SetFlat(true);
  EXPECT_EQ(grid->Layout()->EditButtonWidth(), ScaleButtonWidthEx(FlatButtonWidth(), true));
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

TEST_P(GridWindow, TitleFontTakesTheGridOffItsParentsFontUnlessItComesFromThere) {
  Make(5);
  grid->SetParentFont(true);
  form_->Font()->SetSize(15);
  EXPECT_TRUE(grid->ParentFont());
  EXPECT_EQ(grid->TitleFont()->Size(), 15) << "titles and footers show the parent's font";
  EXPECT_EQ(grid->FooterFont()->Size(), 15);
  grid->TitleFont()->SetSize(9);
  EXPECT_FALSE(grid->ParentFont());
}

TEST_P(GridWindow, EditingRepaintsOnlyTheIndicatorCell) {
  Make(20);
  grid->Update();
  grid->EditingChanged();
  TRect dirty;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), dirty));
  const TRect cell = grid->CellRect(0, grid->Row());
  const int line = grid->GridLineWidth();
  EXPECT_TRUE(dirty.Left == cell.Left && dirty.Top == cell.Top && dirty.Right <= cell.Right + line &&
              dirty.Bottom <= cell.Bottom + line)
      << "the indicator cell and its lines, not " << dirty.Right << "," << dirty.Bottom;
}

TEST_P(GridWindow, SizingAColumnUpdatesTheExternalHorizontalBar) {
  Make(10, 2000, 200);
  TScrollBar* bar = ExternalHorzBar();
  ASSERT_EQ(bar->Max(), 0) << "every column fits";
  grid->SetColWidths(2, 3000);  // as the user's drag ends
  EXPECT_EQ(bar->Max(), 127);
}

TEST_P(GridWindow, ResizingTheGridUpdatesTheExternalHorizontalBar) {
  Make(10, 2000, 200);
  TScrollBar* bar = ExternalHorzBar();
  ASSERT_EQ(bar->Max(), 0) << "every column fits";
  grid->SetWidth(150);
  EXPECT_EQ(bar->Max(), 127);
  grid->SetWidth(2000);
  EXPECT_EQ(bar->Max(), 0);
}

TEST_P(GridWindow, FootersTakeTheColourTheGridTakesFromItsParent) {
  Make(5);
  grid->SetParentColor(true);
  form_->SetColor(clAqua);
  EXPECT_EQ(grid->Color(), clAqua);
  EXPECT_EQ(grid->FooterColor(), clAqua);
  EXPECT_TRUE(grid->ParentColor()) << "the footers took the colour, nobody set it";
  grid->SetFooterColor(clYellow);
  EXPECT_FALSE(grid->ParentColor());
}

// The right button on a column's edge neither sizes the column nor presses its title.
TEST_P(GridWindow, ARightPressOnAColumnEdgeChangesNothing) {
  Make(5);
  grid->Columns()->Items(0)->Title()->SetTitleButton(true);
  const int width = grid->Columns()->Items(0)->Width();
  const int edge = grid->CellRect(1, 0).Right;
  int downs = 0;
  grid->OnMouseDown.Bind(nullptr, "", [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  grid->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MakeLParam(edge, 5));
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->Input()->PressedTitleCol(), -1);
  grid->Perform(WM_MOUSEMOVE, MK_RBUTTON, MakeLParam(edge + 30, 5));
  grid->Perform(WM_RBUTTONUP, 0, MakeLParam(edge + 30, 5));
  EXPECT_EQ(grid->Columns()->Items(0)->Width(), width);
  EXPECT_EQ(downs, 1);
}

TEST_P(GridWindow, SelectionChangeNotesWhetherTheGridHadTheFocus) {
  Make(10);
  auto* edit = new TEdit(form_);
  edit->SetParent(form_);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  grid->SetFocus();
  grid->Selection()->SelectAll();
  EXPECT_TRUE(grid->FocusedAtSelectionChange());
  edit->SetFocus();
  grid->Selection()->Clear();
  EXPECT_FALSE(grid->FocusedAtSelectionChange());
}

INSTANTIATE_TEST_SUITE_P(Stores, GridWindow, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
