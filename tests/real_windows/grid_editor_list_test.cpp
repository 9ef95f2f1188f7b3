// The grid editor's drop-down list in real windows: a click on a cell's button drops the list
// as a window of its own, and a click on one of its lines chooses it.
#include <gtest/gtest.h>

#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "platform/backend/qt_backend.h"
#include "platform/core/string_list.h"
#include "platform/data/field.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

namespace {

class GridEditorList : public RealGridForm {
 protected:
  void SetUp() override {
    RealGridForm::SetUp();
    if (IsSkipped()) return;
    TColumnEx* name = grid_->Columns()->Items(1);
    name->PickList()->SetCommaText("甲,乙,丙");
    name->SetAlwaysShowEditButton(true);
  }
  TDBGridInplaceEdit* Editor() const { return grid_->DBInplaceEditor(); }
};

TEST_F(GridEditorList, AClickOnTheCellsButtonDropsTheListAndAClickOnALineChoosesIt) {
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  const TRect cell = grid_->CellRect(2, grid_->TitleOffset() + 1);
  ASSERT_TRUE(ClickAt(grid_->ClientToScreen(TPoint{cell.Right - 4, (cell.Top + cell.Bottom) / 2})));
  ASSERT_TRUE(WaitFor([&] { return Editor() != nullptr && Editor()->DroppedList() != nullptr; }))
      << "the press on the button strip opens the editor and drops its list";
  EXPECT_EQ(data_->FieldByName("ID")->AsInteger(), 2);
  TPopupListEx* list = Editor()->DroppedList();
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(list->Handle()); })) << "the list never showed";
  const TRect line = list->ItemRect(2);
  ASSERT_TRUE(ClickAt(list->ClientToScreen(TPoint{line.Left + 6, (line.Top + line.Bottom) / 2})));
  ASSERT_TRUE(WaitFor([&] { return !Editor()->ListDroppedDown(); }));
  EXPECT_EQ(Editor()->Text(), "丙");
  data_->Post();
  EXPECT_EQ(data_->FieldByName("Name")->AsString(), "丙");
}

}  // namespace
