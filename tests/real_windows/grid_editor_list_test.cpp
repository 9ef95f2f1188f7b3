// The grid editor's drop-down list in real windows: a click on a cell's button drops the list
// as a window of its own, a click on one of its lines chooses it, and its scroll bar runs
// under the pointer while the editor keeps the mouse.
#include <gtest/gtest.h>

#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "platform/backend/qt_backend.h"
#include "platform/core/string_list.h"
#include "platform/data/field.h"
#include "platform/windows/focus.h"
#include "platform/windows/frame_scroll_tracking.h"
#include "platform/windows/scroll_bars.h"
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
  // Clicks the button of the name cell of the second record and waits for its list.
  TPopupListEx* DropTheList() {
    if (!WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) return nullptr;
    const TRect cell = grid_->CellRect(2, grid_->TitleOffset() + 1);
    if (!ClickAt(grid_->ClientToScreen(TPoint{cell.Right - 4, (cell.Top + cell.Bottom) / 2}))) return nullptr;
    if (!WaitFor([&] { return Editor() != nullptr && Editor()->DroppedList() != nullptr; })) return nullptr;
    TPopupListEx* list = Editor()->DroppedList();
    return WaitFor([&] { return ToolkitWindowExposed(list->Handle()); }) ? list : nullptr;
  }
};

TEST_F(GridEditorList, AClickOnTheCellsButtonDropsTheListAndAClickOnALineChoosesIt) {
  TPopupListEx* list = DropTheList();
  ASSERT_NE(list, nullptr) << "the press on the button strip opens the editor and drops its list";
  EXPECT_EQ(data_->FieldByName("ID")->AsInteger(), 2);
  const TRect line = list->ItemRect(2);
  ASSERT_TRUE(ClickAt(list->ClientToScreen(TPoint{line.Left + 6, (line.Top + line.Bottom) / 2})));
  ASSERT_TRUE(WaitFor([&] { return !Editor()->ListDroppedDown(); }));
  EXPECT_EQ(Editor()->Text(), "丙");
  data_->Post();
  EXPECT_EQ(data_->FieldByName("Name")->AsString(), "丙");
}

// Once the thumb of a long list is let go, the editor still holds the mouse: a click beside
// the list closes it and leaves the text as it was.
TEST_F(GridEditorList, AfterTheThumbIsDraggedAClickBesideTheListClosesIt) {
  grid_->Columns()->Items(1)->PickList()->SetCommaText("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20");
  TPopupListEx* list = DropTheList();
  ASSERT_NE(list, nullptr);
  const String before = Editor()->Text();
  SCROLLBARINFO bar;
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, bar));
  const TRect r = bar.rcScrollBar;
  const TPoint thumb{(r.Left + r.Right) / 2, r.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  ASSERT_TRUE(Drag(thumb, {thumb.x, r.Bottom + 40}, [&] { return list->TopIndex() + list->VisibleCount() >= list->Count(); }))
      << "the thumb takes the list to its end";
  ASSERT_TRUE(WaitFor([&] { return !FrameScrollTracking(); })) << "the release lets the bar go";
  ASSERT_TRUE(Editor()->ListDroppedDown());
  EXPECT_EQ(GetCapture(), Editor()->Handle()) << "the editor holds the mouse again";
  const TRect above = grid_->CellRect(1, grid_->TitleOffset());
  ASSERT_TRUE(ClickAt(grid_->ClientToScreen(TPoint{above.Left + 4, (above.Top + above.Bottom) / 2})));
  EXPECT_TRUE(WaitFor([&] { return !Editor()->ListDroppedDown(); })) << "the click beside the list closes it";
  EXPECT_EQ(Editor()->Text(), before);
}

}  // namespace
