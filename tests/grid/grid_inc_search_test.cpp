// Incremental search: typed text finds the first record whose current-column text starts with
// it; text that finds nothing is not taken; Backspace removes a whole character; the search
// ends when its time runs out.
#include <gtest/gtest.h>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/grid_unit.h"
#include "platform/core/scope_guard.h"
#include "tests/grid/grid_paint_support.h"
#include "tests/grid/grid_edit_support.h"

namespace grid_test {
namespace {

class IncSearch : public GridEditing {
 protected:
  void MakeNames(const std::vector<const char*>& names) {
    MakeFocused(static_cast<int>(names.size()));
    grid->SetOptionsEx(grid->OptionsEx() + dghIncSearch + dghPreferIncSearch);
    grid->SetSelectedIndex(1);
    for (size_t i = 0; i < names.size(); ++i) {
      items_->GotoId(static_cast<int>(i) + 1);
      items_->ds()->Edit();
      FieldOf("Name")->SetAsString(names[i]);
      items_->ds()->Post();
    }
    items_->ds()->First();
  }
  void Char(char16_t c) {
    grid->IncSearchKeyPress(c);
  }
  TestClockScope clock_;
};

TEST_P(IncSearch, TypedTextFindsTheFirstMatchingRecord) {
  MakeNames({"Wang", "zhang 三", "Zhao", "Zhang 四"});
  const struct {
    const char* typed;
    const char* text;
    int id;
  } steps[] = {{"z", "z", 2}, {"H", "zH", 2}, {"a", "zHa", 2}, {"o", "zHao", 3}, {"x", "zHao", 3}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.typed);
    for (char16_t c : Utf8ToUtf16(step.typed)) Char(c);
    EXPECT_TRUE(grid->IncSearchActive());
    EXPECT_EQ(grid->IncSearchText(), step.text);
    EXPECT_EQ(items_->CurrentId(), step.id);
  }
}

TEST_P(IncSearch, NextAndPriorMatchesAndBackspaceRemovesAWholeCharacter) {
  MakeNames({"Wang", "Zhang 三", "Zhao", "Zhang 三丰"});
  grid->StartInplaceSearch("Zhang 三", 1500, 0);
  EXPECT_EQ(items_->CurrentId(), 2);
  uint16_t key = VK_RETURN;
  EXPECT_TRUE(grid->IncSearchKeyDown(key, {ssCtrl}));
  EXPECT_EQ(items_->CurrentId(), 4) << "Ctrl+Enter: the next match";
  key = VK_RETURN;
  grid->IncSearchKeyDown(key, {ssCtrl, ssShift});
  EXPECT_EQ(items_->CurrentId(), 2) << "Ctrl+Shift+Enter: the prior one";
  key = VK_BACK;
  EXPECT_TRUE(grid->IncSearchKeyDown(key, {}));
  EXPECT_EQ(key, 0);
  EXPECT_EQ(grid->IncSearchText(), "Zhang ");
}

TEST_P(IncSearch, TheSearchEndsWhenItsTimeRunsOutOrOnEscape) {
  MakeNames({"Wang", "Zhao"});
  Char(u'z');
  ASSERT_TRUE(grid->IncSearchActive());
  clock_->Advance(DBGridExUnitSettings().IncSearchTimeout + 10);
  Application->ProcessMessages();
  EXPECT_FALSE(grid->IncSearchActive());
  EXPECT_EQ(grid->IncSearchText(), "");
  Char(u'w');
  uint16_t key = VK_ESCAPE;
  EXPECT_FALSE(grid->IncSearchKeyDown(key, {})) << "Escape stops the search and goes on to the grid";
  EXPECT_FALSE(grid->IncSearchActive());
  EXPECT_EQ(items_->CurrentId(), 1);
}

// The typed text shows in the search colours at the start of the current cell, and the
// indicator shows the search arrow; neither is left when the search ends.
TEST_P(IncSearch, TheSearchTextIsHighlightedInTheCurrentCell) {
  MakeNames({"Wang", "Zhao"});
  PixelReader picture;
  const TColor yellow = DBGridExUnitSettings().HighlightColor;
  auto paint = [&] {
    picture.bmp.SetSize(grid->Width(), grid->Height());
    picture.Fill(clFuchsia);
    grid->PaintTo(picture.canvas()->Handle(), 0, 0);
  };
  Char(u'z');
  Char(u'h');
  paint();
  const TRect cell = grid->CellRect(grid->Col(), grid->Row());
  const int yellowPixels = picture.Count(yellow, cell);
  EXPECT_GT(yellowPixels, 20) << "the search text's background";
  const TRect left = Rect(cell.Left, cell.Top, cell.Left + cell.Width() / 3, cell.Bottom);
  EXPECT_EQ(picture.Count(yellow, left), yellowPixels) << "over the left-aligned start of the text";
  const TRect indicator = grid->CellRect(0, grid->Row());
  EXPECT_GT(picture.Count(yellow, indicator), 0) << "the search arrow on the search colour";
  grid->StopInplaceSearch();
  paint();
  EXPECT_EQ(picture.Count(yellow, grid->ClientRect()), 0);
  picture.SaveOnFailure();
}

// In a mirrored grid the search text lies over the start of the text, at the cell's right.
TEST_P(IncSearch, TheSearchTextFollowsAMirroredCell) {
  MakeNames({"Wang", "Zhao"});
  grid->SetBorderStyle(bsNone);
  grid->SetBiDiMode(bdRightToLeft);
  Char(u'z');
  Char(u'h');
  PixelReader picture;
  picture.bmp.SetSize(grid->Width(), grid->Height());
  grid->PaintTo(picture.canvas()->Handle(), 0, 0);
  const TRect cell = grid->CellRect(grid->Col(), grid->Row());
  const int width = grid->ClientWidth();
  const TRect mirrored = Rect(width - cell.Right, cell.Top, width - cell.Left, cell.Bottom);
  const TColor yellow = DBGridExUnitSettings().HighlightColor;
  const int yellowPixels = picture.Count(yellow, mirrored);
  EXPECT_GT(yellowPixels, 20);
  const TRect start = Rect(mirrored.Right - mirrored.Width() / 3, mirrored.Top, mirrored.Right, mirrored.Bottom);
  EXPECT_EQ(picture.Count(yellow, start), yellowPixels);
  picture.SaveOnFailure();
}

// Selected records that are not current show no search text.
TEST_P(IncSearch, TheSearchTextShowsOnlyInTheCurrentRecord) {
  MakeNames({"Zhao", "Zhang", "Zhu"});
  grid->SetBorderStyle(bsNone);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  for (int id : {1, 3}) {
    items_->GotoId(id);
    grid->SelectedRows()->SetCurrentRowSelected(true);
  }
  items_->GotoId(2);
  Char(u'z');
  Char(u'h');
  Char(u'a');
  Char(u'n');
  ASSERT_EQ(items_->CurrentId(), 2);
  PixelReader picture;
  picture.bmp.SetSize(grid->Width(), grid->Height());
  grid->PaintTo(picture.canvas()->Handle(), 0, 0);
  const TColor yellow = DBGridExUnitSettings().HighlightColor;
  EXPECT_GT(picture.Count(yellow, grid->CellRect(grid->Col(), grid->Row())), 20);
  for (int row : {grid->Row() - 1, grid->Row() + 1}) {
    EXPECT_EQ(picture.Count(yellow, grid->CellRect(grid->Col(), row)), 0) << "selected record in row " << row;
  }
  picture.SaveOnFailure();
}

// With dghIncSearch alone, typing searches only where it cannot edit: in a grid without
// dgEditing, or a read-only column; elsewhere it opens the editor.
TEST_P(IncSearch, TypingSearchesWhereTheCellCannotBeEdited) {
  const struct {
    const char* name;
    bool editing, columnReadOnly, searches;
  } cases[] = {
      {"editable", true, false, false},
      {"grid without editing", false, false, true},
      {"read-only column", true, true, true},
  };
  MakeNames({"Wang", "Zhao"});
  grid->SetOptionsEx(grid->OptionsEx() - dghPreferIncSearch);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetOptions(c.editing ? grid->Options() + dgEditing : grid->Options() - dgEditing);
    grid->Columns()->Items(1)->SetReadOnly(c.columnReadOnly);
    items_->ds()->First();
    Type(grid, "z");
    EXPECT_EQ(grid->IncSearchActive(), c.searches);
    EXPECT_EQ(items_->CurrentId(), c.searches ? 2 : 1);
    EXPECT_EQ(grid->InplaceEditorShowing(), !c.searches);
    Key(grid, VK_ESCAPE);
    if (Editor() != nullptr && Editor()->Visible()) Key(Editor(), VK_ESCAPE);
    grid->StopInplaceSearch();
    grid->HideEditor();
    items_->ds()->CheckBrowseMode();
  }
}

// A character beyond the first plane comes as two key presses; the search takes it whole.
TEST_P(IncSearch, ACharacterTypedInTwoHalvesSearchesWhole) {
  MakeNames({"Wang", "𠀀Zhao", "𠀁Li"});
  Type(grid, "𠀁");
  EXPECT_EQ(grid->IncSearchText(), "𠀁");
  EXPECT_EQ(items_->CurrentId(), 3);
  Type(grid, "l");
  EXPECT_EQ(grid->IncSearchText(), "𠀁l");
}

TEST_P(IncSearch, TextThatFindsNothingLeavesTheRecordOnItsRow) {
  MakeNames({"Wang", "Zhao", "Li", "Zhou", "Wu", "Sun", "Qian", "Zheng", "Feng", "Chen", "Chu", "Wei",
             "Jiang", "Shen", "Han", "Yang", "Zhu", "Qin", "You", "Xu"});
  items_->ds()->Last();
  items_->ds()->MoveBy(2 - grid->DataLink()->BufferCount());
  const int row = grid->DataLink()->ActiveRecord();
  const int id = items_->CurrentId();
  ASSERT_EQ(row, 1) << "the record shows on the second row, with records above the first";
  Type(grid, "v");
  EXPECT_EQ(items_->CurrentId(), id);
  EXPECT_EQ(grid->DataLink()->ActiveRecord(), row) << "the rows did not scroll";
}

// Ctrl+F opens the find dialog with dghDialogFind alone; with dghIncSearch too it starts a
// search, and a second Ctrl+F during the search opens the dialog.
TEST_P(IncSearch, CtrlFOpensTheFindDialog) {
  static int opened = 0;
  opened = 0;
  FindDialogProcEx = [](TCustomDBGridEx*, bool) { ++opened; };
  ScopeGuard reset([] { FindDialogProcEx = nullptr; });
  MakeNames({"Wang", "Zhao"});
  grid->SetOptionsEx(grid->OptionsEx() - dghIncSearch - dghPreferIncSearch + dghDialogFind);
  Key(grid, 'F', {ssCtrl});
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(grid->IncSearchActive());
  grid->SetOptionsEx(grid->OptionsEx() + dghIncSearch);
  Key(grid, 'F', {ssCtrl});
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(grid->IncSearchActive());
  Key(grid, 'F', {ssCtrl});
  EXPECT_EQ(opened, 2);
  EXPECT_FALSE(grid->IncSearchActive());
}

INSTANTIATE_TEST_SUITE_P(Stores, IncSearch, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
