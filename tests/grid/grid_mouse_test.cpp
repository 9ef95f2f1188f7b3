// The grid under the mouse, driven by mouse messages over both stores: clicks move the data
// set's cursor, the indicator selects records, titles sort, edges size, titles move columns,
// the wheel steps records, a right click shows the column's menu.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/menus.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/windows/cursors.h"
#include "platform/data/dataset.h"
#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"
#include "tests/grid/grid_window_support.h"
#include "tests/support/key_input.h"

namespace grid_test {
namespace {

class GridMouse : public GridInForm {
 protected:
  void SetUp() override { Make(40); }
  void TearDown() override {
    ResetKeyState();
    GridInForm::TearDown();
  }
  // A press and release at (x, y) with the modifiers of `shift`.
  void Click(int x, int y, TShiftState shift = {}) {
    Press(WM_LBUTTONDOWN, x, y, shift);
    Press(WM_LBUTTONUP, x, y, shift);
  }
  void Press(UINT msg, int x, int y, TShiftState shift = {}) {
    WPARAM keys = 0;
    if (msg == WM_LBUTTONDOWN || msg == WM_MOUSEMOVE) keys |= MK_LBUTTON;
    if (msg == WM_RBUTTONDOWN) keys |= MK_RBUTTON;
    if (shift.Contains(ssShift)) keys |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    SetKeyDown(VK_SHIFT, shift.Contains(ssShift));
    SetKeyDown(VK_CONTROL, shift.Contains(ssCtrl));
    grid->Perform(msg, keys, MakeLParam(x, y));
  }
  TPoint CellPoint(int col, int row) {
    const TRect r = grid->CellRect(col, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The point in data row `dataRow` (0 first shown) and grid column `col`.
  TPoint DataPoint(int col, int dataRow) { return CellPoint(col, grid->TitleOffset() + dataRow); }
  int FirstShownId() { return items_->CurrentId() - grid->DataLink()->ActiveRecord(); }
};

TEST_P(GridMouse, AClickMovesToTheClickedRecordAndColumnAndFiresOnMouseDownOnce) {
  int downs = 0;
  grid->OnMouseDown.Bind(nullptr, "", [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  const int first = FirstShownId();
  const TPoint at = DataPoint(3, 4);
  Click(at.x, at.y);
  EXPECT_EQ(items_->CurrentId(), first + 4);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
  EXPECT_EQ(downs, 1);

  const TPoint footer{at.x, grid->ClientHeight() - 1};
  Click(footer.x, footer.y);
  EXPECT_EQ(downs, 2) << "a press that changes nothing still tells OnMouseDown";
}

// Leaving the record being edited can shift the rows on screen: a new record left untouched
// goes, a posted one moves to its sorted place. The click still lands on the record that was
// under the mouse, and a check box there is the one that steps.
TEST_P(GridMouse, AClickThatEndsAnEditGoesToTheRecordThatWasUnderTheMouse) {
  const int flag = 3 + grid->IndicatorOffset();
  const int clickedRow = 2;
  const struct {
    const char* name;
    std::function<int()> startEditing;  // answers the ID of the record shown in the clicked row
  } cases[] = {
      {"an untouched new record at the end", [&] {
         items_->ds()->Last();
         const int rows = grid->DataLink()->RecordCount();
         test_input::Key(grid, VK_DOWN);
         return 40 - rows + 2 + clickedRow;  // the rows scrolled up by one for the new record
       }},
      {"a typed name that sorts last", [&] {
         items_->SortOn("Name");
         items_->ds()->First();
         grid->SetSelectedIndex(1);
         test_input::Key(grid, VK_F2);
         grid->InplaceEditor()->SelectAll();
         test_input::Type(grid->InplaceEditor(), "ZZZ");
         return 11;  // Name1, Name10, Name11
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int expected = c.startEditing();
    ASSERT_NE(items_->ds()->State(), dsBrowse);
    const TPoint at = DataPoint(flag, clickedRow);
    Click(at.x, at.y);
    EXPECT_EQ(items_->CurrentId(), expected);
    EXPECT_EQ(items_->ds()->FieldByName("Flag")->AsBoolean(), expected % 2 == 0) << "its check box stepped";
    items_->ds()->Cancel();
  }
  items_->GotoId(1);
  EXPECT_EQ(items_->ds()->FieldByName("Name")->AsString(), "ZZZ") << "the typed name was posted";
}

// Only the left button's double click is a double click; the right one's is a press.
TEST_P(GridMouse, ARightDoubleClickMovesToTheRecordLikeAPress) {
  const int first = FirstShownId();
  const TPoint at = DataPoint(2, 3);
  grid->Perform(WM_RBUTTONDBLCLK, MK_RBUTTON, MakeLParam(at.x, at.y));
  grid->Perform(WM_RBUTTONUP, 0, MakeLParam(at.x, at.y));
  EXPECT_EQ(items_->CurrentId(), first + 3);
}

TEST_P(GridMouse, TheIndicatorSelectsRecordsShiftExtendsAndCtrlToggles) {
  grid->SetOptions(grid->Options() + dgMultiSelect);
  const int first = FirstShownId();
  TPoint at = DataPoint(0, 2);
  Click(at.x, at.y);
  EXPECT_EQ(grid->SelectedRows()->Count(), 1);
  at = DataPoint(0, 5);
  Click(at.x, at.y, {ssShift});
  EXPECT_EQ(items_->CurrentId(), first + 5);
  EXPECT_EQ(grid->SelectedRows()->Count(), 4) << "rows 2 to 5";
  at = DataPoint(0, 3);
  Click(at.x, at.y, {ssCtrl});
  EXPECT_EQ(grid->SelectedRows()->Count(), 3) << "Ctrl toggles row 3 off";
  at = DataPoint(0, 7);
  Click(at.x, at.y);
  EXPECT_EQ(grid->SelectedRows()->Count(), 1) << "a plain click selects only its row";
}

TEST_P(GridMouse, DraggingOverCellsSelectsARectangle) {
  grid->SetOptions(grid->Options() + dgMultiSelect);
  const TPoint from = DataPoint(1, 1);
  const TPoint to = DataPoint(2, 3);
  Press(WM_LBUTTONDOWN, from.x, from.y);
  EXPECT_EQ(grid->Input()->State(), gisSelecting);
  Press(WM_MOUSEMOVE, to.x, to.y);
  Press(WM_LBUTTONUP, to.x, to.y);
  ASSERT_EQ(grid->Selection()->SelectionType(), gstRectangle);
  EXPECT_EQ(grid->Selection()->Rect()->GetLeftCol(), 0);
  EXPECT_EQ(grid->Selection()->Rect()->GetRightCol(), 1);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

class GridTitleClicks : public GridMouse {
 protected:
  void SetUp() override {
    GridMouse::SetUp();
    grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking + dghMultiSortMarking);
    for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->Title()->SetTitleButton(true);
    grid->OnSortMarkingChanged.Bind(nullptr, "", [this](TObject*) { ++sortChanges; });
  }
  void ClickTitle(int dataCol, TShiftState shift = {}) {
    const TPoint at = CellPoint(dataCol + 1, 0);
    Press(WM_LBUTTONDOWN, at.x, at.y, shift);
    EXPECT_EQ(grid->Input()->PressedTitleCol(), dataCol + 1) << "drawn pressed while held";
    Press(WM_LBUTTONUP, at.x, at.y, shift);
    EXPECT_EQ(grid->Input()->PressedTitleCol(), -1);
  }
  TSortMarkerEx Marker(int dataCol) { return grid->Columns()->Items(dataCol)->Title()->SortMarker(); }
  int sortChanges = 0;
};

TEST_P(GridTitleClicks, AClickCyclesTheMarkerAndSortsOnce) {
  ClickTitle(1);
  EXPECT_EQ(Marker(1), smDownEx);
  EXPECT_EQ(sortChanges, 1);
  ClickTitle(1);
  EXPECT_EQ(Marker(1), smUpEx);
  ClickTitle(2);
  EXPECT_EQ(Marker(2), smDownEx);
  EXPECT_EQ(Marker(1), smNoneEx) << "a plain click sorts by one column";
  EXPECT_EQ(sortChanges, 3);
}

TEST_P(GridTitleClicks, CtrlClicksAddColumnsAndSortOnceWhenCtrlIsReleased) {
  ClickTitle(0, {ssCtrl});
  ClickTitle(2, {ssCtrl});
  EXPECT_EQ(Marker(0), smDownEx);
  EXPECT_EQ(Marker(2), smDownEx);
  EXPECT_EQ(sortChanges, 0);
  EXPECT_TRUE(grid->Input()->SortMarkingPending());
  grid->Perform(WM_KEYUP, VK_CONTROL, 1);
  EXPECT_EQ(sortChanges, 1);
  grid->Perform(WM_KEYUP, VK_CONTROL, 1);
  EXPECT_EQ(sortChanges, 1) << "one sort per release";

  ClickTitle(1, {ssCtrl});
  grid->Perform(WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(sortChanges, 2) << "losing the focus tells a pending change too";
}

// Ctrl let go while the in-place editor has the focus sorts the marks at once too.
TEST_P(GridTitleClicks, CtrlReleasedInTheEditorSortsThePendingMarks) {
  grid->SetOptions(grid->Options() + dgAlwaysShowEditor);
  grid->ShowEditor();
  ClickTitle(0, {ssCtrl});
  ClickTitle(2, {ssCtrl});
  ASSERT_EQ(GetFocus(), grid->InplaceEditor()->Handle());
  EXPECT_EQ(sortChanges, 0);
  SendMessage(GetFocus(), WM_KEYUP, VK_CONTROL, 1);
  EXPECT_EQ(sortChanges, 1);
  EXPECT_EQ(GetFocus(), grid->InplaceEditor()->Handle());
}

// Like any button, a held title looks pressed only while the mouse is over it.
TEST_P(GridTitleClicks, AHeldTitleLooksPressedOnlyWhileTheMouseIsOverIt) {
  const TPoint at = CellPoint(2, 0);
  const TPoint away = DataPoint(2, 3);
  Press(WM_LBUTTONDOWN, at.x, at.y);
  Press(WM_MOUSEMOVE, away.x, away.y);
  EXPECT_EQ(grid->Input()->PressedTitleCol(), -1);
  Press(WM_MOUSEMOVE, at.x, at.y);
  EXPECT_EQ(grid->Input()->PressedTitleCol(), 2);
  Press(WM_LBUTTONUP, at.x, at.y);
  EXPECT_EQ(Marker(1), smDownEx) << "released over it, the title was clicked";
}

TEST_P(GridTitleClicks, AReleaseAwayFromThePressedTitleClicksNothing) {
  const TPoint at = CellPoint(2, 0);
  const TPoint away = DataPoint(2, 3);
  Press(WM_LBUTTONDOWN, at.x, at.y);
  Press(WM_LBUTTONUP, away.x, away.y);
  EXPECT_EQ(Marker(1), smNoneEx);
  EXPECT_EQ(sortChanges, 0);
}

TEST_P(GridMouse, DraggingATitleEdgeSizesTheColumn) {
  const int before = grid->Columns()->Items(0)->Width();
  const int edge = grid->CellRect(1, 0).Right;
  Press(WM_LBUTTONDOWN, edge, 5);
  EXPECT_EQ(grid->Input()->State(), gisSizing);
  Press(WM_MOUSEMOVE, edge + 25, 5);
  Press(WM_LBUTTONUP, edge + 25, 5);
  EXPECT_EQ(grid->Columns()->Items(0)->Width(), before + 25);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

TEST_P(GridMouse, DraggingAFrozenColumnsTitleEdgeSizesItOnRelease) {
  grid->SetFrozenCols(1);
  TColumnEx* frozen = grid->Columns()->Items(0);
  const int before = frozen->Width();
  const int edge = grid->CellRect(1, 0).Right;
  SetCursorPosQuietly(grid->ClientToScreen({edge, 5}));
  grid->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid->Handle()), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit)) << "the edge shows the sizing cursor";

  Press(WM_LBUTTONDOWN, edge, 5);
  EXPECT_EQ(grid->Input()->State(), gisSizing);
  Press(WM_MOUSEMOVE, edge + 20, 5);
  EXPECT_EQ(frozen->Width(), before) << "the width follows on release";
  Press(WM_LBUTTONUP, edge + 20, 5);
  EXPECT_EQ(frozen->Width(), before + 20);

  const int left = grid->CellRect(1, 0).Left;
  Press(WM_LBUTTONDOWN, edge + 20, 5);
  Press(WM_MOUSEMOVE, left, 5);
  Press(WM_LBUTTONUP, left, 5);
  EXPECT_EQ(frozen->Width(), before + 20) << "a release leaving a pixel or less keeps the width";
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

// Rows are sized by the edges in the indicator; the same edge in a frozen column is a cell.
TEST_P(GridMouse, RowsAreSizedInTheIndicatorOnly) {
  grid->SetRowSizingAllowed(true);
  grid->SetFrozenCols(1);
  const int row = grid->TitleOffset() + 1;
  const int edge = grid->CellRect(0, row).Bottom;
  const int frozen = CellPoint(1, row).x;
  Press(WM_LBUTTONDOWN, frozen, edge);
  EXPECT_NE(grid->GridState(), gsRowSizing) << "in a frozen column";
  Press(WM_LBUTTONUP, frozen, edge);
  Press(WM_LBUTTONDOWN, 3, edge);
  EXPECT_EQ(grid->GridState(), gsRowSizing) << "in the indicator";
  Press(WM_LBUTTONUP, 3, edge);
}

// A scrolled column wider than the window is sized by the window's right edge, not the column
// after it.
TEST_P(GridMouse, AColumnWiderThanTheWindowIsSizedAtTheWindowsEdge) {
  TColumnEx* wide = grid->Columns()->Items(1);
  TColumnEx* next = grid->Columns()->Items(2);
  wide->SetWidth(grid->ClientWidth() * 2);
  const int nextWidth = next->Width();
  grid->SetLeftCol(2);
  const int edge = grid->ClientWidth() - 1;
  Press(WM_LBUTTONDOWN, edge, 5);
  ASSERT_EQ(grid->GridState(), gsColSizing);
  Press(WM_MOUSEMOVE, edge - 100, 5);
  Press(WM_LBUTTONUP, edge - 100, 5);
  EXPECT_LT(wide->Width(), grid->ClientWidth());
  EXPECT_EQ(next->Width(), nextWidth);
}

// With dghTraceColSizing the width follows the mouse, also for a column right of columns
// scrolled out of view, and the release changes nothing more.
TEST_P(GridMouse, TracedSizingOfAScrolledColumnFollowsTheMouse) {
  grid->SetOptionsEx(grid->OptionsEx() + dghTraceColSizing);
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->SetWidth(120);
  grid->SetLeftCol(3);
  ASSERT_EQ(grid->LeftCol(), 3);
  TColumnEx* sized = grid->Columns()->Items(2);
  const int edge = grid->CellRect(3, 0).Right;
  Press(WM_LBUTTONDOWN, edge, 5);
  EXPECT_EQ(grid->Input()->State(), gisSizing);
  for (int shift : {20, -10}) {
    Press(WM_MOUSEMOVE, edge + shift, 5);
    EXPECT_EQ(sized->Width(), 120 + shift) << "the width follows the mouse";
  }
  Press(WM_LBUTTONUP, edge - 10, 5);
  EXPECT_EQ(sized->Width(), 110);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

// Right to left the columns are painted mirrored: the edge of a scrolled column is pressed where
// it is seen, and dragging it to the left widens the column.
TEST_P(GridMouse, RightToLeftTracedSizingOfAScrolledColumnFollowsTheMirroredEdge) {
  grid->SetOptionsEx(grid->OptionsEx() + dghTraceColSizing);
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->SetWidth(120);
  grid->SetLeftCol(3);
  grid->SetBiDiMode(bdRightToLeft);
  TColumnEx* sized = grid->Columns()->Items(2);
  const int edge = grid->ClientWidth() - grid->CellRect(3, 0).Right;
  SetCursorPosQuietly(grid->ClientToScreen({edge, 5}));
  grid->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid->Handle()), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit)) << "the edge shows the sizing cursor";
  Press(WM_LBUTTONDOWN, edge, 5);
  ASSERT_EQ(grid->Input()->State(), gisSizing);
  for (int shift : {-20, 10}) {
    Press(WM_MOUSEMOVE, edge + shift, 5);
    EXPECT_EQ(sized->Width(), 120 - shift);
  }
  Press(WM_LBUTTONUP, edge + 10, 5);
  EXPECT_EQ(sized->Width(), 110);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

// Dragging across the titles past the window's edge scrolls a column a tick and selects up to
// the last column in view; back over the titles the column under the mouse ends the selection.
TEST_P(GridMouse, DraggingAcrossTitlesPastTheEdgeScrollsAndSelectsColumns) {
  grid->SetOptions(grid->Options() + dgMultiSelect);
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->SetWidth(120);
  const TRect title = grid->CellRect(1, 0);
  const int y = title.Bottom - 2;
  Press(WM_LBUTTONDOWN, (title.Left + title.Right) / 2, y);
  ASSERT_EQ(grid->Input()->SelectDrag(), gsdColumns);
  TDBGridExSelectionCols* columns = grid->Selection()->Columns();
  const TPoint beyond{grid->ClientWidth() + 30, y};
  Press(WM_MOUSEMOVE, beyond.x, beyond.y);
  EXPECT_EQ(grid->LeftCol(), 2);
  SetCursorPosQuietly(grid->ClientToScreen(beyond));
  for (int leftCol : {3, 4, 4}) {
    grid->Perform(WM_TIMER, 1, 0);
    EXPECT_EQ(grid->LeftCol(), leftCol) << "scrolling stops once the last column is whole";
  }
  EXPECT_EQ(columns->Count(), grid->Columns()->Count()) << "every column from the pressed one";

  const TPoint back = CellPoint(4, 0);
  Press(WM_MOUSEMOVE, back.x, y);
  EXPECT_EQ(columns->Count(), 4);
  Press(WM_LBUTTONUP, back.x, y);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

// A designed grid selects no columns: its titles move them.
TEST_P(GridMouse, ADesignedGridsTitleStripSelectsNoColumns) {
  grid->SetOptions(grid->Options() + dgMultiSelect);
  form_->SetDesigning(true);
  const TRect title = grid->CellRect(2, 0);
  Click((title.Left + title.Right) / 2, title.Bottom - 2);
  EXPECT_EQ(grid->Selection()->SelectionType(), gstNon);
  form_->SetDesigning(false);
}

TEST_P(GridMouse, DraggingATitleSidewaysMovesTheColumn) {
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->Title()->SetTitleButton(true);
  const String moved = grid->Columns()->Items(0)->FieldName();
  const TPoint from = CellPoint(1, 0);
  const TPoint to = CellPoint(3, 0);
  Press(WM_LBUTTONDOWN, from.x, from.y);
  ASSERT_EQ(grid->Input()->State(), gisTitleDown);
  Press(WM_MOUSEMOVE, from.x + 10, from.y);
  EXPECT_EQ(grid->Input()->State(), gisMovingColumn);
  Press(WM_MOUSEMOVE, to.x, to.y);
  Press(WM_LBUTTONUP, to.x, to.y);
  EXPECT_EQ(grid->Columns()->Items(2)->FieldName(), moved);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

// Columns the grid made for the fields move with their fields: each field keeps one column.
TEST_P(GridMouse, MovingAnAutomaticColumnMovesItsFieldAndAddsNoColumns) {
  const struct {
    const char* name;
    std::function<void()> move;
  } ways[] = {
      {"title dragged", [&] {
         grid->Columns()->Items(0)->Title()->SetTitleButton(true);
         const TPoint from = CellPoint(1, 0);
         const TPoint to = CellPoint(3, 0);
         Press(WM_LBUTTONDOWN, from.x, from.y);
         Press(WM_MOUSEMOVE, from.x + 10, from.y);
         Press(WM_MOUSEMOVE, to.x, to.y);
         Press(WM_LBUTTONUP, to.x, to.y);
       }},
      {"index set", [&] { grid->Columns()->Items(0)->SetIndex(2); }},
  };
  const auto names = [&] {
    String columns, fields;
    for (int i = 0; i < grid->Columns()->Count(); ++i) columns += grid->Columns()->Items(i)->FieldName() + " ";
    for (int i = 0; i < items_->ds()->FieldCount(); ++i) fields += items_->ds()->Fields()->Fields(i)->FieldName() + " ";
    return columns + "| " + fields;
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    TearDown();
    Make(5);
    ASSERT_EQ(grid->Columns()->State(), csDefault);
    way.move();
    EXPECT_EQ(names(), "Name Amount ID Flag Code Note | Name Amount ID Flag Code Note ");
    EXPECT_EQ(grid->Columns()->State(), csDefault);
  }
}

TEST_P(GridMouse, TheWheelStepsRecords) {
  items_->GotoId(10);
  const TPoint at = grid->ClientToScreen(DataPoint(2, 2));
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(-WHEEL_DELTA)), MakeLParam(at.x, at.y));
  EXPECT_EQ(items_->CurrentId(), 11);
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, WHEEL_DELTA * 2), MakeLParam(at.x, at.y));
  EXPECT_EQ(items_->CurrentId(), 9);
}

TEST_P(GridMouse, ARightClickOnAColumnWithAMenuShowsThatMenuAlone) {
  TPopupMenu* gridMenu = new TPopupMenu(form_);
  TPopupMenu* columnMenu = new TPopupMenu(form_);
  gridMenu->Items()->Add(new TMenuItem(gridMenu));
  columnMenu->Items()->Add(new TMenuItem(columnMenu));
  int gridShown = 0;
  int columnShown = 0;
  gridMenu->OnPopup.Bind(nullptr, "", [&](TObject*) { ++gridShown; });
  columnMenu->OnPopup.Bind(nullptr, "", [&](TObject*) { ++columnShown; });
  grid->SetPopupMenu(gridMenu);
  grid->Columns()->Items(1)->SetPopupMenu(columnMenu);
  const TPoint at = DataPoint(2, 1);
  Press(WM_RBUTTONDOWN, at.x, at.y);
  Press(WM_RBUTTONUP, at.x, at.y);
  EXPECT_EQ(columnShown, 1);
  EXPECT_EQ(gridShown, 0);
  columnMenu->CloseMenu();

  columnMenu->SetAutoPopup(false);
  Press(WM_RBUTTONDOWN, at.x, at.y);
  Press(WM_RBUTTONUP, at.x, at.y);
  EXPECT_EQ(columnShown, 1) << "a menu that does not pop up by itself stays closed";
  gridMenu->CloseMenu();
}

TEST_P(GridMouse, TheScrollBarMovesByRecordsAndPages) {
  items_->GotoId(1);
  const int page = grid->VisibleDataRowCount();
  const struct {
    int code;
    int expected;
  } cases[] = {
      {SB_LINEDOWN, grid->DataLink()->RecordCount() + 1},
      {SB_PAGEDOWN, grid->DataLink()->RecordCount() + 1 + page},
      {SB_PAGEUP, grid->DataLink()->RecordCount() + 1},
      {SB_BOTTOM, 40},
      {SB_TOP, 1},
  };
  for (const auto& c : cases) {
    grid->Perform(WM_VSCROLL, MakeWParam(static_cast<uint16_t>(c.code), 0), 0);
    EXPECT_EQ(items_->CurrentId(), c.expected) << c.code;
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, GridMouse, testing::Values(Store::Memory, Store::Sqlite), StoreName);
INSTANTIATE_TEST_SUITE_P(Stores, GridTitleClicks, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
