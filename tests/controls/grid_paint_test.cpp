#include "tests/controls/grid_test_support.h"

namespace {

using GridPaintTest = GridTest;

TEST_F(GridPaintTest, FixedCellsAreRaisedWithBlackLines) {
  PaintControl(grid);
  EXPECT_EQ(At(30, 12), Sys(clBtnFace));
  EXPECT_EQ(At(30, 0), Sys(clBtnHighlight));  // light top edge
  EXPECT_EQ(At(0, 12), Sys(clBtnHighlight));  // light left edge
  EXPECT_EQ(At(30, 23), Sys(clBtnShadow));    // shadow at the bottom
  EXPECT_EQ(At(63, 12), Sys(clBtnShadow));    // and at the right
  EXPECT_EQ(At(64, 12), Sys(clBlack));        // fixed lines
  EXPECT_EQ(At(30, 24), Sys(clBlack));
  EXPECT_EQ(At(100, 12), Sys(clBtnFace));     // the fixed row over scrolled columns
  EXPECT_EQ(At(30, 60), Sys(clBtnFace));      // the fixed column
}

TEST_F(GridPaintTest, OtherCellsAreSeparatedBySilverLines) {
  PaintControl(grid);
  EXPECT_EQ(At(100, 35), Sys(clHighlight));  // an unfocused grid highlights its current cell
  EXPECT_EQ(At(160, 60), Sys(clWindow));
  EXPECT_EQ(At(194, 60), Sys(clSilver));
  EXPECT_EQ(At(160, 74), Sys(clSilver));
  EXPECT_EQ(At(160, 140), Sys(clWindow));  // below the last row
  grid->SetOptions(grid->Options() - goVertLine);
  PaintControl(grid);
  EXPECT_EQ(At(194, 60), Sys(clWindow));  // the line's room stays, drawn in the background
  grid->SetColor(clSilver);
  grid->SetOptions(grid->Options() + goVertLine);
  PaintControl(grid);
  EXPECT_EQ(At(194, 60), Sys(clGray));  // lines stay visible on a silver grid
}

TEST_F(GridPaintTest, SelectionIsHighlightedAndTheFocusedCellDotted) {
  grid->SetFocus();
  grid->SetSelection({1, 1, 2, 2});
  PaintControl(grid);
  EXPECT_EQ(At(160, 60), Sys(clHighlight));
  EXPECT_EQ(At(100, 60), Sys(clHighlight));
  EXPECT_EQ(At(100, 35), Sys(clWindow));  // the focused cell itself is not highlighted
  EXPECT_GT(Count(clBlack, Rect(65, 25, 129, 26)), 20);  // its dotted focus frame
  EXPECT_EQ(At(220, 60), Sys(clWindow));
  grid->SetOptions(grid->Options() + goDrawFocusSelected);
  PaintControl(grid);
  EXPECT_EQ(At(100, 35), Sys(clHighlight));
}

TEST_F(GridPaintTest, RowSelectHighlightsTheWholeRow) {
  grid->SetOptions(grid->Options() + goRowSelect);
  grid->SetFocus();
  grid->SetRow(2);
  PaintControl(grid);
  for (int x : {70, 140, 200, 280}) EXPECT_EQ(At(x, 60), Sys(clHighlight)) << x;
  EXPECT_EQ(At(140, 35), Sys(clWindow));
}

TEST_F(GridPaintTest, CellsDrawTheirTextAndTheUnfocusedGridNoFocusFrame) {
  grid->cells[{2, 1}] = "Hi";
  PaintControl(grid);
  EXPECT_GT(Count(clWindowText, Rect(131, 26, 160, 48)), 4);
  EXPECT_EQ(Count(clBlack, Rect(65, 25, 129, 26)), 0);  // no focus: no focus frame
}

TEST_F(GridPaintTest, TheEditorCoversTheCurrentCell) {
  grid->SetOptions(grid->Options() + goEditing);
  grid->cells[{1, 1}] = "MMM";
  grid->SetFocus();
  grid->SetSelection({1, 1, 2, 1});
  Key(grid, VK_F2);
  PaintControl(grid);
  EXPECT_EQ(Count(clBlack, Rect(65, 25, 129, 26)), 0);  // no focus frame under the editor
  EXPECT_GT(Count(clWindowText, Rect(65, 25, 129, 49)), 10);
  EXPECT_EQ(At(160, 35), Sys(clHighlight));
}

TEST_F(GridPaintTest, HiddenColumnsDrawNothing) {
  grid->SetColWidths(1, -1);
  grid->cells[{1, 1}] = "XXXX";
  PaintControl(grid);
  EXPECT_EQ(Count(clWindowText, Rect(65, 25, 300, 49)), 0);  // its text is nowhere
  EXPECT_EQ(At(259, 12), Sys(clBlack));   // columns 2 to 4 now end at 259
  EXPECT_EQ(At(280, 12), Sys(clWindow));  // and nothing is past them
  EXPECT_EQ(At(259, 60), Sys(clSilver));
}

}  // namespace
