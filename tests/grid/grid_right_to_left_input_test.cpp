// A right-to-left grid under the mouse: it is painted mirrored, and clicks, its editor and the
// sizing of its columns follow what is painted, not the unmirrored layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/controls/inplace_filter_edit.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/dataset.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"
#include "tests/grid/grid_paint_support.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

constexpr int kColumnWidth = 70;
// A colour per column, none of them a colour the grid paints with otherwise.
const std::vector<TColor> kColumnColors{static_cast<TColor>(0x3060C0), static_cast<TColor>(0x30C060),
                                        static_cast<TColor>(0xC06030), static_cast<TColor>(0x60C0C0),
                                        static_cast<TColor>(0xC060C0)};

// Pixel columns [Left, Right) of one painted cell on a row of the picture.
struct Span {
  int Left = -1;
  int Right = -1;
  int Middle() const { return (Left + Right) / 2; }
};

class GridRightToLeftInput : public GridInForm, public PixelReader {
 protected:
  void SetUp() override {
    GridInForm::Make(30);
    grid->SetBorderStyle(bsNone);
    for (int i = 0; i < static_cast<int>(kColumnColors.size()); ++i) {
      grid->Columns()->Items(i)->SetWidth(kColumnWidth);
      grid->Columns()->Items(i)->SetColor(kColumnColors[i]);
    }
    grid->SetBiDiMode(bdRightToLeft);
    grid->SetFocus();
  }
  void Paint() {
    bmp.SetSize(grid->Width(), grid->Height());
    Fill(clFuchsia);
    grid->PaintTo(canvas()->Handle(), 0, 0);
  }
  // Where data column `dataCol` is painted on data row `dataRow` (0 the first shown), found by
  // its colour in a fresh picture of the grid.
  Span PaintedCell(int dataCol, int dataRow) {
    Paint();
    const int y = RowMiddle(dataRow);
    Span span;
    for (int x = 0; x < bmp.Width(); ++x) {
      if (At(x, y) != ColorToRGB(kColumnColors[dataCol])) continue;
      if (span.Left < 0) span.Left = x;
      span.Right = x + 1;
    }
    return span;
  }
  int RowMiddle(int dataRow) {
    const TRect r = grid->CellRect(grid->LeftCol(), grid->TitleOffset() + dataRow);
    return (r.Top + r.Bottom) / 2;
  }
  void Press(UINT msg, int x, int y) {
    const WPARAM keys = msg == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    grid->Perform(msg, keys, MakeLParam(x, y));
  }
  void Click(int x, int y) {
    Press(WM_LBUTTONDOWN, x, y);
    Press(WM_LBUTTONUP, x, y);
  }
  int FirstShownId() { return items_->CurrentId() - grid->DataLink()->ActiveRecord(); }
};

TEST_P(GridRightToLeftInput, AClickSelectsTheCellPaintedUnderIt) {
  struct Case {
    int DataCol;
    int DataRow;
  };
  for (const Case& c : {Case{0, 3}, Case{2, 5}, Case{4, 1}, Case{1, 0}}) {
    const int first = FirstShownId();
    const Span painted = PaintedCell(c.DataCol, c.DataRow);
    ASSERT_GE(painted.Left, 0) << "data column " << c.DataCol << " is painted";
    Click(painted.Middle(), RowMiddle(c.DataRow));
    EXPECT_EQ(grid->SelectedIndex(), c.DataCol) << "clicked at " << painted.Middle();
    EXPECT_EQ(items_->CurrentId(), first + c.DataRow);
  }
}

// The first and the last pixel column of a painted cell both belong to it.
TEST_P(GridRightToLeftInput, TheEdgePixelsOfAPaintedCellSelectIt) {
  const Span painted = PaintedCell(2, 2);
  ASSERT_GE(painted.Left, 0);
  for (int x : {painted.Left, painted.Right - 1}) {
    grid->SetSelectedIndex(0);
    Click(x, RowMiddle(2));
    EXPECT_EQ(grid->SelectedIndex(), 2) << "clicked at " << x;
  }
}

TEST_P(GridRightToLeftInput, TheEditorShowsOverThePaintedCell) {
  grid->SetOptions(grid->Options() + dgEditing);
  const Span painted = PaintedCell(1, 2);
  ASSERT_GE(painted.Left, 0);
  const TPoint at{painted.Middle(), RowMiddle(2)};
  Click(at.x, at.y);
  Click(at.x, at.y);
  TInplaceEdit* editor = grid->InplaceEditor();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->Visible());
  const TRect bounds = editor->BoundsRect();
  EXPECT_TRUE(bounds.Contains(at));
  EXPECT_LE(std::abs(bounds.Left - painted.Left), 1) << bounds.Left << " painted from " << painted.Left;
  EXPECT_LE(std::abs(bounds.Right - painted.Right), 1) << bounds.Right << " painted to " << painted.Right;
}

// Right to left a cell's buttons are painted at its left end: a press there opens the editor
// and presses its button in the same click.
TEST_P(GridRightToLeftInput, APressOnThePaintedButtonStripPressesTheEditorsButton) {
  grid->SetOptions(grid->Options() + dgEditing);
  const Span painted = PaintedCell(1, 3);
  ASSERT_GE(painted.Left, 0);
  TColumnEx* column = grid->Columns()->Items(1);
  column->SetButtonStyle(cbsEllipsis);
  column->SetAlwaysShowEditButton(true);
  std::vector<std::string> log;
  column->OnEditButtonDown.Bind(nullptr, "", [&](TObject*, bool, bool&, bool&) { log.push_back("down"); });
  Paint();
  EXPECT_NE(At(painted.Left + 3, RowMiddle(3)), ColorToRGB(kColumnColors[1])) << "the button is painted there";
  const TPoint onButton{painted.Left + 3, RowMiddle(3)};
  Press(WM_LBUTTONDOWN, onButton.x, onButton.y);
  EXPECT_EQ(grid->SelectedIndex(), 1);
  ASSERT_TRUE(grid->InplaceEditorShowing());
  EXPECT_EQ(log, std::vector<std::string>{"down"});
  TInplaceEdit* editor = grid->InplaceEditor();
  EXPECT_EQ(GetCapture(), editor->Handle()) << "the editor's button holds the mouse";
  editor->Perform(WM_LBUTTONUP, 0, PointToLParam(editor->ScreenToClient(grid->ClientToScreen(onButton))));
}

// Right to left a column's far edge is its left one: dragging it left widens the column.
TEST_P(GridRightToLeftInput, DraggingAPaintedColumnEdgeSizesThatColumn) {
  for (int shift : {-20, 15}) {
    TColumnEx* sized = grid->Columns()->Items(1);
    sized->SetWidth(kColumnWidth);
    const Span painted = PaintedCell(1, 0);
    ASSERT_GE(painted.Left, 0);
    const int edge = painted.Left - 1;
    const int y = grid->CellRect(1, 0).Bottom / 2;
    Press(WM_LBUTTONDOWN, edge, y);
    ASSERT_EQ(grid->GridState(), gsColSizing) << "the painted edge sizes";
    Press(WM_MOUSEMOVE, edge + shift, y);
    Press(WM_LBUTTONUP, edge + shift, y);
    EXPECT_EQ(sized->Width(), kColumnWidth - shift);
    EXPECT_EQ(grid->GridState(), gsNormal);
  }
}

// Scrolled sideways, the editor moves with its cell to where the cell is painted now.
TEST_P(GridRightToLeftInput, TheEditorFollowsItsCellWhenTheColumnsScroll) {
  grid->SetOptions(grid->Options() + dgEditing);
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->SetWidth(100);
  const int dataCol = 2;
  Span painted = PaintedCell(dataCol, 1);
  ASSERT_GE(painted.Left, 0);
  Click(painted.Middle(), RowMiddle(1));
  Click(painted.Middle(), RowMiddle(1));
  ASSERT_TRUE(grid->InplaceEditorShowing());
  const int left = grid->LeftCol();
  grid->Perform(WM_HSCROLL, SB_LINEDOWN, 0);
  ASSERT_EQ(grid->LeftCol(), left + 1) << "the columns scrolled";
  ASSERT_TRUE(grid->InplaceEditorShowing());
  painted = PaintedCell(dataCol, 0);  // the row above: the editor covers its own cell
  const TRect bounds = grid->InplaceEditor()->BoundsRect();
  EXPECT_LE(std::abs(bounds.Left - painted.Left), 1) << bounds.Left << " painted from " << painted.Left;
  EXPECT_LE(std::abs(bounds.Right - painted.Right), 1) << bounds.Right << " painted to " << painted.Right;
}

// The vertical bar going (every record fits) or coming back widens or narrows the client area,
// and the mirrored cells move with its right edge: the open editor goes with its cell.
TEST_P(GridRightToLeftInput, TheEditorFollowsItsCellWhenTheScrollBarComesOrGoes) {
  grid->SetOptions(grid->Options() + dgEditing);
  const int dataCol = 1;
  Span painted = PaintedCell(dataCol, 1);
  ASSERT_GE(painted.Left, 0);
  Click(painted.Middle(), RowMiddle(1));
  Click(painted.Middle(), RowMiddle(1));
  ASSERT_TRUE(grid->InplaceEditorShowing());
  const int shortHeight = grid->Height();
  const struct {
    const char* name;
    int height;
    bool bar;
  } steps[] = {{"every row fits", Pitch() * 34, false}, {"the rows overflow again", shortHeight, true}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    grid->SetBounds(0, 0, grid->Width(), step.height);
    ASSERT_EQ(grid->ClientWidth() < grid->Width(), step.bar) << "the vertical bar came or went";
    ASSERT_TRUE(grid->InplaceEditorShowing());
    painted = PaintedCell(dataCol, 0);  // the row above: the editor covers its own cell
    const TRect bounds = grid->InplaceEditor()->BoundsRect();
    EXPECT_LE(std::abs(bounds.Left - painted.Left), 1) << bounds.Left << " painted from " << painted.Left;
    EXPECT_LE(std::abs(bounds.Right - painted.Right), 1) << bounds.Right << " painted to " << painted.Right;
  }
}

// A narrower grid paints its mirrored columns elsewhere: the filter editor goes with its cell.
TEST_P(GridRightToLeftInput, TheFilterEditorFollowsItsCellWhenTheGridIsSized) {
  grid->STFilter()->SetVisible(true);
  const int dataCol = 1;
  Span painted = PaintedCell(dataCol, 0);
  ASSERT_GE(painted.Left, 0);
  const TRect filterCell = grid->CellRect(dataCol + grid->IndicatorOffset(), grid->TitleOffset() - 1);
  Click(painted.Middle(), (filterCell.Top + filterCell.Bottom) / 2);
  ASSERT_NE(grid->FilterEditor(), nullptr);
  ASSERT_TRUE(grid->FilterEditor()->Visible()) << "the click opened the filter row";
  grid->SetBounds(0, 0, grid->Width() - 50, grid->Height());
  painted = PaintedCell(dataCol, 0);
  const TRect bounds = grid->FilterEditor()->BoundsRect();
  EXPECT_LE(std::abs(bounds.Left - painted.Left), 1) << bounds.Left << " painted from " << painted.Left;
  EXPECT_LE(std::abs(bounds.Right - painted.Right), 1) << bounds.Right << " painted to " << painted.Right;
}

INSTANTIATE_TEST_SUITE_P(Stores, GridRightToLeftInput, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
