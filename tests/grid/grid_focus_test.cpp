// Whether the grid has the keyboard: its window or its in-place editor's; taking the focus
// when it may; and the row focus frame, which needs the grid's own default drawing.
#include <gtest/gtest.h>

#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/grid_filter_settings.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/controls/edit.h"
#include "platform/controls/inplace_edit.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridFocus : public GridInForm {
 protected:
  void MakeWithNeighbour() {
    Make(5);
    other = new TEdit(form_);
    other->SetParent(form_);
    other->SetBounds(0, 310, 100, 20);
  }
  TEdit* other = nullptr;
};

TEST_P(GridFocus, GridOrItsEditorHasTheFocus) {
  MakeWithNeighbour();
  other->SetFocus();
  EXPECT_FALSE(grid->HasFocus());
  EXPECT_FALSE(grid->IsActiveControl());
  grid->SetFocus();
  EXPECT_TRUE(grid->HasFocus());
  EXPECT_TRUE(grid->IsActiveControl());

  grid->ShowEditor();
  ASSERT_TRUE(grid->InplaceEditorShowing());
  SetFocus(grid->InplaceEditor()->Handle());
  EXPECT_FALSE(grid->Focused());
  EXPECT_TRUE(grid->HasFocus()) << "typing into the editor is typing into the grid";
  EXPECT_TRUE(grid->IsActiveControl()) << "painting still shows the grid focused";
  other->SetFocus();
  EXPECT_FALSE(grid->HasFocus());
}

TEST_P(GridFocus, TrySetFocusTakesTheFocusWhenItMay) {
  MakeWithNeighbour();
  other->SetFocus();
  EXPECT_TRUE(grid->TrySetFocus());
  EXPECT_TRUE(grid->HasFocus());

  other->SetFocus();
  grid->SetEnabled(false);
  EXPECT_TRUE(grid->TrySetFocus()) << "no attempt made";
  EXPECT_TRUE(other->Focused());
  grid->SetEnabled(true);
  form_->SetDesigning(true);
  EXPECT_TRUE(grid->TrySetFocus());
  EXPECT_TRUE(other->Focused()) << "a designed grid never takes the focus";
}

// Selected cells are drawn differently with and without the focus.
TEST_P(GridFocus, TheSelectionIsToldWhenTheFocusComesAndGoes) {
  MakeWithNeighbour();
  grid->SetOptions(grid->Options() + dgMultiSelect);
  grid->SetFocus();
  grid->Selection()->SelectAll();
  int changes = 0;
  grid->OnSelectionChanged.Bind(nullptr, "", [&](TObject*) { ++changes; });
  other->SetFocus();
  EXPECT_EQ(changes, 1);
  grid->SetFocus();
  EXPECT_EQ(changes, 2);
}

// While its filter row is edited the grid hands the focus it gets to the filter's editor, and
// a press among the data still reaches the grid.
TEST_P(GridFocus, AnEditedFilterRowKeepsTheFocusTheGridIsGiven) {
  MakeWithNeighbour();
  grid->STFilter()->SetVisible(true);
  grid->ShowFilterEditor(1);
  ASSERT_TRUE(grid->FilterEditorShown());
  other->SetFocus();
  grid->SetFocus();
  EXPECT_TRUE(grid->FilterEditor()->Focused());

  other->SetFocus();
  const TRect cell = grid->CellRect(2, grid->TitleOffset() + 2);
  const LPARAM at = MakeLParam((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  grid->Perform(WM_LBUTTONUP, 0, at);
  EXPECT_FALSE(grid->FilterEditorShown());
  EXPECT_EQ(grid->DataLink()->ActiveRecord(), 2);
  EXPECT_TRUE(grid->HasFocus());
}

TEST_P(GridFocus, RowFocusFrameNeedsTheGridsDefaultDrawingAndFocus) {
  MakeWithNeighbour();
  grid->SetOptions(grid->Options() + dgRowSelect);
  grid->SetFocus();
  EXPECT_TRUE(grid->RowFocusFrameWanted());
  grid->SetDefaultDrawing(false);
  EXPECT_FALSE(grid->RowFocusFrameWanted());
  grid->SetDefaultDrawing(true);
  other->SetFocus();
  EXPECT_FALSE(grid->RowFocusFrameWanted());
}

INSTANTIATE_TEST_SUITE_P(Stores, GridFocus, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
