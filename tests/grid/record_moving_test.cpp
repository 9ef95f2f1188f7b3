// Moving records by dragging their indicator, driven by mouse messages on a shown grid: the
// drop mark on screen, scrolling on the test clock while the mouse is held past the rows, the
// order of the records afterwards, OnMoveRecords, and what starts no move.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/record_drag.h"
#include "platform/data/data_link.h"
#include "platform/data/dataset.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class RecordMoving : public GridInForm {
 protected:
  void TearDown() override {
    ResetKeyState();
    GridInForm::TearDown();
  }
  void MakeMovable(int count, int height = 300) {
    Make(count, 400, height);
    grid->SetOptionsEx(grid->OptionsEx() + dghRecordMoving);
    Application->ProcessMessages();
  }
  void Mouse(UINT msg, TPoint at, TShiftState shift = {}) {
    WPARAM keys = msg == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    SetKeyDown(VK_CONTROL, shift.Contains(ssCtrl));
    SetCursorPosQuietly(grid->ClientToScreen(at));
    grid->Perform(msg, keys, MakeLParam(at.x, at.y));
  }
  // The middle of the indicator cell of data row `dataRow` (0: the first shown).
  TPoint Indicator(int dataRow) {
    const TRect r = grid->CellRect(0, grid->TitleOffset() + dataRow);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  TPoint Cell(int dataRow) {
    const TRect r = grid->CellRect(2, grid->TitleOffset() + dataRow);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Drag(int from, int to) {
    Mouse(WM_LBUTTONDOWN, Indicator(from));
    Mouse(WM_MOUSEMOVE, Indicator(to));
    Mouse(WM_LBUTTONUP, Indicator(to));
  }
  void Tick(int ms) {
    clock_->Advance(ms);
    Application->ProcessMessages();
  }
  std::string Ids() {
    std::string ids;
    TDataSet* ds = items_->ds();
    for (ds->First(); !ds->Eof(); ds->Next()) ids += (ids.empty() ? "" : " ") + ds->FieldByName("ID")->AsString();
    return ids;
  }
  int FirstShownId() {
    ActiveRecordScope first(grid->DataLink(), 0);
    return items_->ds()->FieldByName("ID")->AsInteger();
  }
  // The grid's pixel as the window shows it, drawing in XOR included.
  TColor Screen(int x, int y) {
    const TPoint p = grid->ClientToScreen({x, y});
    TRect w;
    GetWindowRect(form_->Handle(), w);
    const uint32_t argb = WindowSurface(form_->Handle())->Pixel32(p.x - w.Left, p.y - w.Top);
    return static_cast<TColor>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16);
  }
  int RowTop(int dataRow) { return grid->CellRect(0, grid->TitleOffset() + dataRow).Top; }
  int RowBottom(int dataRow) { return grid->CellRect(0, grid->TitleOffset() + dataRow).Bottom; }
  int MarkY() { return grid->Input()->RecordDrag()->MarkY(); }

  TestClockScope clock_;
  // The data service that moves the in-memory records.
  GridLibraryScope library_;
};

using RecordMovingInMemory = RecordMoving;

TEST_P(RecordMovingInMemory, ARecordDroppedBelowLandsUnderTheTargetAndAboveLandsOverIt) {
  struct Case {
    int from, to;
    const char* order;
  } cases[] = {
      {2, 5, "1 2 4 5 6 3 7 8"},
      {6, 1, "1 7 2 3 4 5 6 8"},
      {3, 3, "1 2 3 4 5 6 7 8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    MakeMovable(8);
    Drag(c.from, c.to);
    EXPECT_EQ(grid->Input()->State(), gisIdle);
    EXPECT_EQ(MarkY(), -1);
    EXPECT_EQ(Ids(), c.order);
    TearDown();
  }
}

TEST_P(RecordMovingInMemory, TheMarkIsDrawnBetweenRowsWhileDraggingAndGoneAfterwards) {
  MakeMovable(8);
  const int x = grid->ClientWidth() - 20;
  const int below = RowBottom(5);
  const int above = RowTop(1) - 1;
  const TColor beforeBelow = Screen(x, below);
  const TColor beforeAbove = Screen(x, above);

  Mouse(WM_LBUTTONDOWN, Indicator(3));
  ASSERT_EQ(grid->Input()->State(), gisDraggingRecords);
  Mouse(WM_MOUSEMOVE, Indicator(5));
  EXPECT_EQ(MarkY(), below) << "under the target further down";
  EXPECT_EQ(Screen(x, below), static_cast<TColor>(ColorToRGB(beforeBelow) ^ 0xFFFFFF)) << "inverted";
  Mouse(WM_MOUSEMOVE, Indicator(1));
  EXPECT_EQ(MarkY(), above) << "over the target further up";
  EXPECT_EQ(Screen(x, below), beforeBelow) << "the old mark is gone";
  EXPECT_EQ(Screen(x, above), static_cast<TColor>(ColorToRGB(beforeAbove) ^ 0xFFFFFF));

  Mouse(WM_LBUTTONUP, Indicator(1));
  Application->ProcessMessages();
  EXPECT_EQ(Screen(x, above), beforeAbove);
  EXPECT_EQ(Ids(), "1 4 2 3 5 6 7 8");
}

TEST_P(RecordMovingInMemory, HeldBelowTheRowsTheRecordsScrollOnePerTickAndTheDropGoesThere) {
  MakeMovable(40, 200);
  const int shown = grid->VisibleDataRowCount();
  ASSERT_LT(shown, 20);
  Mouse(WM_LBUTTONDOWN, Indicator(0));
  const TPoint under{Indicator(0).x, grid->ClientHeight() + 15};
  Mouse(WM_MOUSEMOVE, under);
  EXPECT_EQ(FirstShownId(), 1) << "a move alone does not scroll";
  Tick(59);
  EXPECT_EQ(FirstShownId(), 1);
  Tick(1);
  EXPECT_EQ(FirstShownId(), 2);
  EXPECT_EQ(MarkY(), RowBottom(shown - 1)) << "under the last row";
  Tick(60);
  Tick(60);
  EXPECT_EQ(FirstShownId(), 4);
  const int last = 3 + shown;
  Mouse(WM_LBUTTONUP, under);
  std::string expected;
  for (int id = 2; id <= 40; ++id) {
    expected += std::to_string(id) + " ";
    if (id == last) expected += "1 ";
  }
  expected.pop_back();
  EXPECT_EQ(Ids(), expected);
  EXPECT_EQ(grid->Input()->State(), gisIdle);
}

TEST_P(RecordMovingInMemory, TheDraggedRecordIsCurrentAfterwardsAndTheRowsShownStay) {
  MakeMovable(40, 200);
  Mouse(WM_LBUTTONDOWN, Indicator(1));
  Mouse(WM_MOUSEMOVE, Indicator(4));
  Mouse(WM_LBUTTONUP, Indicator(4));
  EXPECT_EQ(items_->CurrentId(), 2);
  EXPECT_EQ(FirstShownId(), 1);
  EXPECT_EQ(grid->DataLink()->ActiveRecord(), 4);
}

TEST_P(RecordMovingInMemory, EscapeAndCancelModeEndTheMoveWithoutMovingAnything) {
  for (UINT how : {static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_CANCELMODE)}) {
    MakeMovable(8);
    const int x = grid->ClientWidth() - 20;
    const TColor before = Screen(x, RowBottom(5));
    Mouse(WM_LBUTTONDOWN, Indicator(2));
    Mouse(WM_MOUSEMOVE, Indicator(5));
    ASSERT_NE(MarkY(), -1);
    grid->Perform(how, how == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
    EXPECT_EQ(grid->Input()->State(), gisIdle);
    EXPECT_EQ(MarkY(), -1);
    EXPECT_EQ(Screen(x, RowBottom(5)), before) << "the mark is erased";
    Mouse(WM_LBUTTONUP, Indicator(5));
    EXPECT_EQ(Ids(), "1 2 3 4 5 6 7 8");
    TearDown();
  }
}

TEST_P(RecordMovingInMemory, WithRecordSelectionOnlySelectedRecordsMoveAndTheyMoveTogether) {
  MakeMovable(8);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  Mouse(WM_LBUTTONDOWN, Indicator(1));
  EXPECT_EQ(grid->Input()->State(), gisSelecting) << "an unselected record is selected, not moved";
  Mouse(WM_LBUTTONUP, Indicator(1));
  Mouse(WM_LBUTTONDOWN, Indicator(3), {ssCtrl});
  Mouse(WM_LBUTTONUP, Indicator(3), {ssCtrl});
  ASSERT_EQ(grid->SelectedRows()->Count(), 2);
  Mouse(WM_LBUTTONDOWN, Indicator(3), {ssCtrl});
  EXPECT_NE(grid->Input()->State(), gisDraggingRecords) << "Ctrl toggles instead";
  Mouse(WM_LBUTTONUP, Indicator(3), {ssCtrl});
  Mouse(WM_LBUTTONDOWN, Indicator(3), {ssCtrl});
  Mouse(WM_LBUTTONUP, Indicator(3), {ssCtrl});

  Drag(1, 6);
  EXPECT_EQ(Ids(), "1 3 5 6 7 2 4 8");
  EXPECT_EQ(grid->SelectedRows()->Count(), 2) << "the moved records stay selected";
}

TEST_P(RecordMovingInMemory, OnMoveRecordsIsAskedOnTheWayAndARefusedPlaceKeepsTheMark) {
  MakeMovable(8);
  struct Call {
    size_t count;
    int toRecNo, level;
    bool checkOnly;
  };
  std::vector<Call> calls;
  grid->OnMoveRecords.Bind(nullptr, "", [&](TObject*, const std::vector<TBookmark>& list, int to, int level, bool check) {
    calls.push_back({list.size(), to, level, check});
    return to != 6;
  });
  Mouse(WM_LBUTTONDOWN, Indicator(1));
  Mouse(WM_MOUSEMOVE, Indicator(3));
  const int accepted = MarkY();
  Mouse(WM_MOUSEMOVE, Indicator(5));
  EXPECT_EQ(MarkY(), accepted) << "record 6 was refused";
  Mouse(WM_LBUTTONUP, Indicator(5));
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].toRecNo, 4);
  EXPECT_TRUE(calls[0].checkOnly);
  EXPECT_EQ(calls[0].count, 1u);
  EXPECT_EQ(calls[0].level, -1);
  EXPECT_EQ(calls[1].toRecNo, 6);
  EXPECT_EQ(calls[2].toRecNo, 4) << "the drop goes to the last accepted place";
  EXPECT_FALSE(calls[2].checkOnly);
  EXPECT_EQ(Ids(), "1 2 3 4 5 6 7 8") << "the handler took the move";
}

TEST_P(RecordMovingInMemory, NoMoveStartsWithoutTheOptionOrOutsideTheIndicatorOrWhenRefused) {
  MakeMovable(8);
  grid->SetOptionsEx(grid->OptionsEx() - dghRecordMoving);
  Mouse(WM_LBUTTONDOWN, Indicator(2));
  EXPECT_NE(grid->Input()->State(), gisDraggingRecords);
  Mouse(WM_LBUTTONUP, Indicator(2));
  grid->SetOptionsEx(grid->OptionsEx() + dghRecordMoving);
  Mouse(WM_LBUTTONDOWN, Cell(2));
  EXPECT_NE(grid->Input()->State(), gisDraggingRecords);
  Mouse(WM_LBUTTONUP, Cell(2));
  EXPECT_TRUE(grid->Input()->RecordDrag()->MouseDown(Indicator(4).x, Indicator(4).y, {}, true));
  EXPECT_EQ(grid->Input()->State(), gisIdle) << "only asked";
}

INSTANTIATE_TEST_SUITE_P(Stores, RecordMovingInMemory, testing::Values(Store::Memory), StoreName);

// The SQLite table keeps the order its query gives: a drag shows the mark but moves nothing.
using RecordMovingInSqlite = RecordMoving;

TEST_P(RecordMovingInSqlite, ATableThatCannotMoveRecordsKeepsItsOrder) {
  MakeMovable(8);
  Mouse(WM_LBUTTONDOWN, Indicator(2));
  ASSERT_EQ(grid->Input()->State(), gisDraggingRecords);
  const int start = MarkY();
  Mouse(WM_MOUSEMOVE, Indicator(5));
  EXPECT_EQ(MarkY(), start) << "no place is accepted";
  Mouse(WM_LBUTTONUP, Indicator(5));
  EXPECT_EQ(Ids(), "1 2 3 4 5 6 7 8");
}

INSTANTIATE_TEST_SUITE_P(Stores, RecordMovingInSqlite, testing::Values(Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
