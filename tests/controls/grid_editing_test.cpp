#include "tests/controls/grid_test_support.h"

namespace {

class GridEditingTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid->SetRowCount(20);
    grid->SetOptions(grid->Options() + goEditing);
    grid->cells[{1, 1}] = "old";
    grid->cells[{1, 2}] = "next";
    grid->SetFocus();
  }
  TInplaceEdit* Editor() { return grid->InplaceEditor(); }
  bool EditorShown() { return Editor() && Editor()->Visible(); }
};

TEST_F(GridEditingTest, F2EditsTheCellAndEnterPutsTheTextBack) {
  Key(grid, VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(Editor()->Text(), "old");
  EXPECT_EQ(Editor()->SelLength(), 0);  // F2 leaves the caret after the text
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(form_->ActiveControl(), grid);  // the form still counts the grid as focused
  EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
  Type(Editor(), "er");
  EXPECT_EQ(grid->Cell(1, 1), "older");  // every change goes to the grid
  EXPECT_EQ(grid->calls.back(), "SetEditText 1,1 older");
  Type(Editor(), "\r");
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cell(1, 1), "older");
}

TEST_F(GridEditingTest, TypingOnTheGridReplacesTheCellText) {
  Type(grid, "x");
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "x");
  Type(Editor(), "中");
  EXPECT_EQ(grid->Cell(1, 1), "x中");
  Type(grid, "\r");
  EXPECT_FALSE(grid->EditorMode());
  Type(grid, "\r");  // Enter on the grid opens the editor again
  EXPECT_TRUE(EditorShown());
}

TEST_F(GridEditingTest, EscapeAbandonsTheEdit) {
  Type(grid, "new");
  Key(Editor(), VK_ESCAPE);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cell(1, 1), "old");
}

TEST_F(GridEditingTest, TheGridCanRefuseChangesAndKeys) {
  grid->refusedKey = u'q';
  Key(grid, VK_F2);
  Type(Editor(), "aqb");
  EXPECT_EQ(Editor()->Text(), "oldab");
  grid->canModify = false;
  Type(Editor(), "zz\b");
  Key(Editor(), VK_DELETE);
  Clipboard()->SetAsText("pasted");
  Editor()->Perform(WM_PASTE);
  Editor()->Perform(WM_CUT);
  EXPECT_EQ(Editor()->Text(), "oldab");
  EXPECT_EQ(grid->Cell(1, 1), "oldab");
}

TEST_F(GridEditingTest, TheEditorTakesTheCellsMaskAndLimit) {
  grid->mask = "000;0;_";
  grid->cells[{2, 1}] = "12";
  grid->SetCol(2);
  Key(grid, VK_F2);
  EXPECT_EQ(Editor()->EditText(), "12_");
  Key(Editor(), VK_HOME);
  Type(Editor(), "9a8");
  EXPECT_EQ(grid->Cell(2, 1), "98 ");
  Key(Editor(), VK_ESCAPE);
  grid->mask = "";
  grid->limit = 3;
  grid->SetCol(3);
  Type(grid, "abcdef");
  EXPECT_EQ(grid->Cell(3, 1), "abc");
}

TEST_F(GridEditingTest, MovingToAnotherRowClosesOrFollowsWithTheEditor) {
  Key(grid, VK_F2);
  Type(Editor(), "!");
  Key(Editor(), VK_DOWN);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Cell(1, 1), "old!");
  EXPECT_FALSE(grid->EditorMode());
  grid->SetOptions(grid->Options() + goAlwaysShowEditor);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "next");
  Key(Editor(), VK_UP);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "old!");
  EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
  // With the caret at the text's end Right leaves the cell; End with all selected too.
  Key(Editor(), VK_F2);
  Key(Editor(), VK_RIGHT);
  EXPECT_EQ(grid->Col(), 2);
  Key(Editor(), VK_END);
  EXPECT_EQ(grid->Col(), 4);
}

TEST_F(GridEditingTest, TheEditorFollowsScrollingAndHidesOffScreen) {
  Key(grid, VK_F2);
  grid->SetColWidths(0, 80);
  EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
  grid->SetTopRow(3);
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(grid->EditorMode());
}

TEST_F(GridEditingTest, ClickingTheCurrentCellEdits) {
  Click(grid, 140, 30);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Col(), 2);
  Click(grid, 140, 30);
  EXPECT_TRUE(EditorShown());
}

TEST_F(GridEditingTest, WithoutGoEditingThereIsNoEditor) {
  grid->SetOptions(grid->Options() - goEditing);
  Key(grid, VK_F2);
  Type(grid, "x\r");
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(grid->Cell(1, 1), "old");
  EXPECT_EQ(grid->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
}

TEST_F(GridEditingTest, AFreedEditorIsForgottenAndMadeAgain) {
  Key(grid, VK_F2);
  delete Editor();
  EXPECT_EQ(Editor(), nullptr);
  grid->SetCol(2);
  Key(grid, VK_F2);
  ASSERT_TRUE(EditorShown());
  Type(Editor(), "x");
  EXPECT_EQ(grid->Cell(2, 1), "x");
}

TEST_F(GridEditingTest, AnEditorForgetsAGridThatGoes) {
  auto* editor = Make<TInplaceEdit>(Bounds(0, 200, 80, 20));
  auto* other = Make<TTestGrid>(Bounds(0, 160, 100, 40));
  editor->SetGrid(other);
  delete other;
  EXPECT_EQ(editor->Grid(), nullptr);
  Type(editor, "x");  // no grid lets it change
  Key(editor, VK_DOWN);
  EXPECT_EQ(editor->Text(), "");
}

TEST_F(GridEditingTest, AGridMaskThatCannotBeReadLeavesTheEditorClosed) {
  grid->mask = "00\\";
  EXPECT_THROW(Key(grid, VK_F2), EConvertError);
  EXPECT_FALSE(EditorShown());
  grid->mask = "";
  Key(grid, VK_F2);
  EXPECT_EQ(Editor()->Text(), "old");
}

}  // namespace

namespace {

// Keys as the input layer delivers them (dialog keys offered to the form first).
TEST_F(GridEditingTest, KeyboardInputReachesTheGridTheEditorAndTheNextControl) {
  auto* next = Make<TEdit>(Bounds(0, 200, 100, 24));
  grid->SetOptions(grid->Options() + goTabs);
  InjectKeyStroke(VK_TAB);
  InjectKeyStroke(VK_DOWN);
  InjectKeyStroke('A', "a");
  InjectKeyStroke('B', "中");
  InjectKeyStroke(VK_RETURN, "\r");
  Application->ProcessMessages();
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cell(2, 2), "a中");
  grid->SetOptions(grid->Options() - goTabs);
  InjectKeyStroke(VK_TAB);  // without goTabs Tab leaves the grid
  Application->ProcessMessages();
  EXPECT_TRUE(next->Focused());
  InjectClick(grid->ClientToScreen({140, 60}));  // the current cell: focus and edit
  Application->ProcessMessages();
  EXPECT_TRUE(EditorShown());
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(form_->ActiveControl(), grid);
}

}  // namespace
