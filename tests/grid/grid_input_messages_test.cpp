// Window messages around the grid's input: a resize during an update, the deferred layout
// and the layout lock, the characters a searching grid asks for, a title drawn pressed while
// its button is held, the hint of a cut cell.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_scroll_bars.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/tool_tips_window.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/resources.h"
#include "platform/windows/cursors.h"
#include "platform/controls/application.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"
#include "tests/grid/grid_paint_support.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridInputMessages : public GridInForm, public PixelReader {
 protected:
  using GridInForm::Make;
  void TearDown() override {
    SaveOnFailure();
    GridInForm::TearDown();
  }
  void Paint() {
    bmp.SetSize(grid->Width(), grid->Height());
    Fill(clFuchsia);
    grid->PaintTo(canvas()->Handle(), 0, 0);
  }
  GridLibraryScope library_;
};

TEST_P(GridInputMessages, AResizeDuringAnUpdateReachesTheRowsOnceItEnds) {
  Make(60, 400, 300);
  const int rows = grid->RowCount();
  grid->BeginUpdate();
  grid->SetHeight(150);
  EXPECT_EQ(grid->RowCount(), rows) << "the rows wait for the update";
  grid->EndUpdate();
  EXPECT_LT(grid->RowCount(), rows);
  EXPECT_EQ(grid->VisibleDataRowCount(), grid->DataLink()->RecordCount());
}

TEST_P(GridInputMessages, TheDeferredLayoutLeavesALayoutLockItDidNotTakeAlone) {
  Make(10);
  grid->BeginLayout();
  grid->DeferLayout();
  Application->ProcessMessages();
  EXPECT_TRUE(grid->InLayout());
  grid->EndLayout();
  EXPECT_FALSE(grid->InLayout());
}

TEST_P(GridInputMessages, AGridThatPrefersSearchingAsksForCharacters) {
  Make(10);
  grid->SetOptions(grid->Options() - dgEditing);
  EXPECT_EQ(grid->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
  grid->SetOptionsEx(grid->OptionsEx() + dghPreferIncSearch);
  EXPECT_NE(grid->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
}

TEST_P(GridInputMessages, AHeldTitleButtonMovesItsCaptionAndPaintsWhatItLeaves) {
  Make(10);
  grid->Columns()->Items(1)->Title()->SetTitleButton(true);
  const TRect cell = grid->CellRect(2, 0);
  TRect inside = cell;
  InflateRect(inside, -3, -3);
  // The caption's ink against the cell's own background; no strip is left unpainted.
  const auto look = [&] {
    Paint();
    return std::make_pair(InkBounds(At(inside.Left, inside.Bottom - 1), inside), Count(clFuchsia, cell));
  };
  const auto released = look();

  const LPARAM at = MakeLParam((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  ASSERT_EQ(grid->Input()->PressedTitleCol(), 2);
  const auto pressed = look();
  EXPECT_EQ(pressed.first.Top, released.first.Top + 1) << Describe(released.first) << " " << Describe(pressed.first);
  EXPECT_EQ(pressed.first.Left, released.first.Left + 1) << "a one-line caption moves right too";
  EXPECT_EQ(pressed.second, 0) << "the strips the caption left are painted";

  grid->Perform(WM_LBUTTONUP, 0, at);
  EXPECT_EQ(look(), released);
}

TEST_P(GridInputMessages, ACutCellShowsItsWholeTextAndTheCurrentRecordStays) {
  Make(30);
  items_->GotoId(4);
  TColumnEx* name = grid->Columns()->Items(1);
  name->SetToolTips(true);
  name->SetWidth(18);
  name->Title()->SetHint("Who|The item's name");
  const auto hintAt = [&](int row) {
    THintInfo info;
    const TRect cell = grid->CellRect(2, row);
    info.CursorPos = {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  };
  const int first = items_->CurrentId() - grid->DataLink()->ActiveRecord();
  const THintInfo cut = hintAt(grid->TitleOffset() + 6);
  EXPECT_EQ(cut.HintStr, "Name" + std::to_string(first + 6));
  EXPECT_EQ(cut.CursorRect, grid->CellRect(2, grid->TitleOffset() + 6));
  EXPECT_EQ(items_->CurrentId(), 4) << "the record read for the tip is left again";
  EXPECT_EQ(hintAt(0).HintStr, "Who") << "a title shows the short part of its hint";

  name->SetWidth(200);
  EXPECT_EQ(hintAt(grid->TitleOffset() + 6).HintStr, "") << "a text that fits has no tip";
}

// A cell's text is measured as the cell writes it: in the font the parameter event gives it,
// and beside an edit button that is always shown; a right-aligned text in a column the window
// cuts shows its tip although it fits. The tip is the grid's tool-tip window in the cell's
// font, just left of where the text starts.
TEST_P(GridInputMessages, ACellTextIsMeasuredAsTheCellWritesIt) {
  Make(10);
  TColumnEx* name = grid->Columns()->Items(1);
  name->SetToolTips(true);
  const int row = grid->TitleOffset() + 2;
  const auto hint = [&] {
    THintInfo info;
    const TRect cell = grid->CellRect(2, row);
    info.CursorPos = {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  };
  name->SetWidth(10);
  const String text = hint().HintStr;
  name->SetWidth(FontMeasuringCanvas(name->Font())->TextWidth(text) + 6);
  ASSERT_EQ(hint().HintStr, "") << "the text fits as it is";
  const struct {
    const char* what;
    std::function<void()> arrange;
    std::function<void()> undo;
  } cases[] = {
      {"a larger font from OnGetCellParams",
       [&] {
         grid->OnGetCellParams.Bind(nullptr, "", [](TObject*, TColumnEx*, TFont* font, TColor&, TGridDrawState) {
           font->SetSize(font->Size() * 2);
         });
       },
       [&] { grid->OnGetCellParams.Clear(); }},
      {"an edit button always shown",
       [&] {
         name->SetButtonStyle(cbsEllipsis);
         name->SetAlwaysShowEditButton(true);
       },
       [&] { name->SetAlwaysShowEditButton(false); }},
      {"a right-aligned text cut by the window's edge",
       [&] {
         name->SetAlignment(taRightJustify);
         name->SetWidth(grid->ClientWidth());
       },
       [&] { name->SetAlignment(taLeftJustify); }},
  };
  for (const auto& c : cases) {
    c.arrange();
    EXPECT_FALSE(hint().HintStr.empty()) << c.what;
    c.undo();
    EXPECT_EQ(hint().HintStr, "") << "without " << c.what;
  }

  cases[0].arrange();
  const THintInfo tip = hint();
  cases[0].undo();
  const TRect cell = grid->CellRect(2, row);
  EXPECT_EQ(tip.HintWindowClass, TToolTipsWindow::StaticClass());
  ASSERT_NE(tip.HintData, nullptr);
  EXPECT_EQ(static_cast<TFont*>(tip.HintData)->Size(), name->Font()->Size() * 2);
  EXPECT_EQ(tip.HintPos, grid->ClientToScreen({cell.Left + 1, cell.Top - 1}));
}

TEST_P(GridInputMessages, ACellWithAToolTipShowsItAtOnce) {
  Make(10);
  grid->Columns()->Items(1)->SetToolTips(true);
  const auto pauseOver = [&](int col) {
    const TRect cell = grid->CellRect(col, grid->TitleOffset() + 2);
    SetCursorPosQuietly(grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2}));
    int pause = 500;
    grid->Perform(CM_HINTSHOWPAUSE, 0, reinterpret_cast<LPARAM>(&pause));
    return pause;
  };
  EXPECT_EQ(pauseOver(2), 0);
  EXPECT_EQ(pauseOver(3), 500) << "other cells keep the application's pause";
}

// With multiple selection the indicator shows the record-selection arrow (pointing left under
// right-to-left alignment) and the bottom strip of a title the column-selection arrow, made
// from the grid's own pictures; elsewhere the base grid's pointer stays.
TEST_P(GridInputMessages, TheIndicatorAndTheTitleStripShowTheGridsCursors) {
  Make(10);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  const auto cursorAt = [&](TPoint at) {
    SetCursorPosQuietly(grid->ClientToScreen(at));
    ::SetCursor(IDC_ARROW);
    grid->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid->Handle()), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const auto centre = [](const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; };
  const TPoint indicator = centre(grid->CellRect(0, grid->TitleOffset() + 2));
  const TRect title = grid->CellRect(2, 0);
  const TPoint strip{(title.Left + title.Right) / 2, title.Bottom - 2};
  const TPoint titleTop{strip.x, title.Top + 1};
  const TPoint cell = centre(grid->CellRect(2, grid->TitleOffset() + 2));
  ASSERT_GT(title.Height(), 8) << "the strip is the title's bottom part only";
  const struct {
    TPoint at;
    HCURSOR cursor;
    const char* where;
  } cases[] = {
      {indicator, DBGridExCursorHandle(gcRightEx), "indicator"},
      {strip, DBGridExCursorHandle(gcDownEx), "title strip"},
      {titleTop, IDC_ARROW, "title above the strip"},
      {cell, IDC_ARROW, "data cell"},
  };
  for (const auto& c : cases) EXPECT_EQ(cursorAt(c.at), c.cursor) << c.where;
  const TCursorImage* picture = CursorPicture(DBGridExCursorHandle(gcDownEx));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->HotSpot, DBGridExCursor(gcDownEx)->HotSpot);

  grid->SetBiDiMode(bdRightToLeft);
  const TPoint paintedIndicator{grid->ClientWidth() - indicator.x, indicator.y};
  EXPECT_EQ(cursorAt(paintedIndicator), DBGridExCursorHandle(gcLeftEx)) << "the indicator is painted at the right";
  grid->SetBiDiMode(bdLeftToRight);
  grid->SetOptions(grid->Options() - dgMultiSelect);
  EXPECT_EQ(cursorAt(indicator), IDC_ARROW) << "nothing to select";
}

TEST_P(GridInputMessages, TheColumnsFollowADraggedThumbOnlyWithTracking) {
  Make(10, 160, 200);
  const int left = grid->LeftCol();
  grid->Perform(WM_HSCROLL, MakeWParam(SB_THUMBTRACK, 2), 0);
  EXPECT_EQ(grid->LeftCol(), left);
  grid->HorzScrollBar()->SetTracking(true);
  grid->Perform(WM_HSCROLL, MakeWParam(SB_THUMBTRACK, 2), 0);
  EXPECT_GT(grid->LeftCol(), left);
}

INSTANTIATE_TEST_SUITE_P(Stores, GridInputMessages, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
