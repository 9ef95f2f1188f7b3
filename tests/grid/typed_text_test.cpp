// Text typed into the cell editor and not yet left belongs to its cell: whatever the program
// does to the grid's look meanwhile, it stays in the editor and is posted with the record.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_sum_list.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_edit_support.h"

namespace grid_test {
namespace {

class TypedText : public GridEditing {
 protected:
  // Record `id`'s name as the store holds it once the record being edited is posted.
  String StoredName(int id) {
    items_->ds()->CheckBrowseMode();
    items_->ds()->Close();
    items_->ds()->Open();
    items_->GotoId(id);
    return FieldOf("Name")->AsString();
  }
};

TEST_P(TypedText, SurvivesEveryLayoutChangeAndIsPosted) {
  const struct {
    const char* name;
    std::function<void(TDBGridEx*, TDataSet*)> change;
  } cases[] = {
      {"a column's width", [](TDBGridEx* g, TDataSet*) { g->Columns()->Items(1)->SetWidth(140); }},
      {"another column moved", [](TDBGridEx* g, TDataSet*) { g->Columns()->Items(4)->SetIndex(2); }},
      {"another column hidden", [](TDBGridEx* g, TDataSet*) { g->Columns()->Items(2)->SetVisible(false); }},
      {"a title caption", [](TDBGridEx* g, TDataSet*) { g->Columns()->Items(2)->Title()->SetCaption("Sum"); }},
      {"footer rows", [](TDBGridEx* g, TDataSet*) { g->SetFooterRowCount(2); }},
      {"multi-level titles", [](TDBGridEx* g, TDataSet*) { g->SetUseMultiTitle(true); }},
      {"the grid's font", [](TDBGridEx* g, TDataSet*) { g->Font()->SetSize(g->Font()->Size() + 4); }},
      {"the row height", [](TDBGridEx* g, TDataSet*) { g->SetRowHeight(30); }},
      {"automatic column widths", [](TDBGridEx* g, TDataSet*) { g->SetAutoFitColWidths(true); }},
      {"a column update bracket",
       [](TDBGridEx* g, TDataSet*) {
         g->Columns()->BeginUpdate();
         g->Columns()->EndUpdate();
       }},
      {"controls disabled and enabled",
       [](TDBGridEx*, TDataSet* ds) {
         ds->DisableControls();
         ds->EnableControls();
       }},
      {"an optimal width", [](TDBGridEx* g, TDataSet*) { g->Columns()->Items(2)->OptimizeWidth(); }},
      {"the grid's bounds", [](TDBGridEx* g, TDataSet*) { g->SetBounds(0, 0, 520, 200); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeFocused(5);
    items_->GotoId(2);
    Retype(1, "Zed");
    c.change(grid, items_->ds());
    EXPECT_TRUE(grid->InplaceEditorShowing()) << grid->EditorMode();
    EXPECT_EQ(Editor()->Text(), "Zed") << "the editor keeps what was typed";
    EXPECT_EQ(StoredName(2), "Zed");
    TearDown();
  }
}

// The grid walking the records (extending a record selection by a page, counting its footers'
// sums again) posts the record being edited: what was typed goes with it.
TEST_P(TypedText, IsPostedWhenTheGridWalksTheRecords) {
  const struct {
    const char* name;
    std::function<void(TDBGridEx*, TDataSet*)> prepare, walk;
  } cases[] = {
      {"a record selection extended by a page",
       [](TDBGridEx* g, TDataSet*) { g->SetOptions(g->Options() + dgMultiSelect); },
       [](TDBGridEx* g, TDataSet*) { Key(g->InplaceEditor(), VK_NEXT, {ssShift}); }},
      {"footer sums counted again",
       [](TDBGridEx* g, TDataSet*) {
         g->SetFooterRowCount(1);
         g->Columns()->Items(2)->Footer()->SetValueType(fvtSum);
         g->SumList()->SetActive(true);
       },
       [](TDBGridEx* g, TDataSet*) { g->SumList()->RecalcAll(); }},
      {"every record selected by the program",
       [](TDBGridEx* g, TDataSet*) { g->SetOptions(g->Options() + dgMultiSelect); },
       [](TDBGridEx* g, TDataSet*) { g->SelectedRows()->SelectAll(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeFocused(40);
    c.prepare(grid, items_->ds());
    items_->GotoId(2);
    Retype(1, "Zed");
    c.walk(grid, items_->ds());
    EXPECT_EQ(StoredName(2), "Zed");
    TearDown();
  }
}

// A program that keeps the data set's controls quiet while it walks the records or posts still
// gets what was typed into the record it posts.
TEST_P(TypedText, IsPostedByAProgramThatDisabledTheControls) {
  const struct {
    const char* name;
    std::function<void(TDataSet*)> work;
  } cases[] = {
      {"a walk through every record",
       [](TDataSet* ds) {
         for (ds->First(); !ds->Eof(); ds->Next()) {
         }
       }},
      {"a post", [](TDataSet* ds) { ds->Post(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeFocused(40);
    items_->GotoId(2);
    Retype(1, "Zed");
    items_->ds()->DisableControls();
    c.work(items_->ds());
    items_->ds()->EnableControls();
    EXPECT_EQ(StoredName(2), "Zed");
    TearDown();
  }
}

// A change that freezes the column the text was typed into moves the current cell on; the text
// still goes into its own column, also when fitting the widths in the same pass tells the data
// set its fields' widths.
TEST_P(TypedText, StaysWithItsColumnWhenThatColumnBecomesFrozen) {
  MakeFocused(5);
  grid->SetAutoFitColWidths(true);
  grid->SetFrozenCols(1);
  items_->GotoId(2);
  Retype(1, "Zed");
  grid->Columns()->Items(0)->SetVisible(false);
  ASSERT_NE(grid->SelectedIndex(), 1) << "Name is the frozen column now";
  items_->ds()->CheckBrowseMode();
  items_->ds()->Close();
  items_->ds()->Open();
  items_->GotoId(2);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Zed");
}

// Text typed into a frozen column of a record that is deleted goes with the record.
TEST_P(TypedText, GoesWithItsDeletedRecord) {
  const struct {
    const char* name;
    std::function<void(TDBGridEx*, TDataSet*)> remove;
  } cases[] = {
      {"Ctrl+Delete", [](TDBGridEx* g, TDataSet*) { Key(g->InplaceEditor(), VK_DELETE, {ssCtrl}); }},
      {"the program's Delete", [](TDBGridEx*, TDataSet* ds) { ds->Delete(); }},
  };
  std::vector<String> errors;
  Application->OnException.Bind(nullptr, "", [&](TObject*, const Exception& e) { errors.push_back(e.Message()); });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    errors.clear();
    MakeFocused(5);
    grid->SetOptions(grid->Options() - dgConfirmDelete);
    grid->SetFrozenCols(1);
    items_->GotoId(2);
    grid->SetSelectedIndex(2);
    Key(grid, VK_HOME);
    ASSERT_EQ(grid->SelectedIndex(), 0);
    Key(grid, VK_F2);
    ASSERT_TRUE(grid->InplaceEditorShowing());
    Editor()->SelectAll();
    Type(Editor(), "861");
    c.remove(grid, items_->ds());
    items_->ds()->CheckBrowseMode();
    items_->ds()->Close();
    items_->ds()->Open();
    EXPECT_EQ(items_->ds()->RecordCount(), 4);
    EXPECT_FALSE(items_->ds()->Locate("ID", Variant(2), {}));
    EXPECT_FALSE(items_->ds()->Locate("ID", Variant(861), {}));
    EXPECT_EQ(errors, std::vector<String>{}) << "nothing to tell the user";
    TearDown();
  }
  Application->OnException.Clear();
}

// A click on a check box changes that check box only: the text the editor showed before, in
// another record or cell, goes nowhere.
TEST_P(TypedText, ACheckBoxChangesOnlyItself) {
  const struct {
    const char* name;
    int editedId, editedCol;
    char16_t key;
  } cases[] = {
      {"another record's ID, Space", 7, 0, u' '},
      {"another record's ID, Delete", 7, 0, 0},
      {"the record's Null name, Space", 3, 1, u' '},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeFocused(8);
    grid->Columns()->Items(3)->SetCheckboxes(true);
    items_->GotoId(3);
    items_->ds()->Edit();
    FieldOf("Name")->Clear();
    items_->ds()->Post();
    items_->GotoId(c.editedId);
    grid->SetSelectedIndex(c.editedCol);
    Key(grid, VK_RETURN);
    grid->Perform(WM_CHAR, u'\r', 1);
    ASSERT_TRUE(grid->InplaceEditorShowing());
    const TRect flag = grid->CellRect(grid->IndicatorOffset() + 3, grid->TitleOffset() + 2);
    const LPARAM at = MakeLParam((flag.Left + flag.Right) / 2, (flag.Top + flag.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
    ASSERT_EQ(items_->CurrentId(), 3);
    Key(grid, VK_F2);
    EXPECT_FALSE(grid->InplaceEditorShowing());
    if (c.key != 0) {
      Key(grid, VK_SPACE);
      grid->Perform(WM_CHAR, c.key, 1);
    } else {
      Key(grid, VK_DELETE);
    }
    items_->ds()->CheckBrowseMode();
    items_->ds()->Close();
    items_->ds()->Open();
    items_->GotoId(3);
    EXPECT_EQ(FieldOf("ID")->AsInteger(), 3);
    EXPECT_TRUE(FieldOf("Name")->IsNull()) << FieldOf("Name")->AsString();
    EXPECT_EQ(FieldOf("Amount")->AsString(), "4.5");
    items_->GotoId(7);
    EXPECT_EQ(FieldOf("Name")->AsString(), "Name7");
    TearDown();
  }
}

// Ctrl+V in the editor takes the clipboard's first value, up to a tab or a line break; a value
// longer than the field is refused with the grid's message and nothing of it is taken.
TEST_P(TypedText, PastedIntoTheEditorIsTheFirstValueAndMustFit) {
  const struct {
    const char* clipboard;
    const char* taken;  // nullptr: refused
  } cases[] = {
      {"新人甲\t13600000001\r\n新人乙\t13600000002", "新人甲"},
      {"First\rSecond", "First"},
      {"Third\nFourth", "Third"},
      {"A name of twenty-ones\tx", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.clipboard);
    std::vector<String> errors;
    MakeFocused(3);
    items_->GotoId(2);
    grid->SetSelectedIndex(1);
    Key(grid, VK_F2);
    Editor()->SelectAll();
    Clipboard()->SetAsText(c.clipboard);
    Key(Editor(), 'V', {ssCtrl});
    try {
      Editor()->Perform(WM_CHAR, 0x16, 1);
    } catch (const Exception& e) {
      errors.push_back(e.Message());
    }
    const String expected = c.taken != nullptr ? String(c.taken) : String("Name2");
    EXPECT_EQ(Editor()->Text(), expected);
    EXPECT_EQ(errors.size(), c.taken != nullptr ? 0u : 1u);
    for (const String& error : errors) {
      EXPECT_EQ(error, "The text pasted into column 'Name' is longer than its 20 characters");
    }
    EXPECT_EQ(StoredName(2), expected);
    TearDown();
  }
}

// Leaving the filter row through the corner cell ends its editing: the cell editor opened then is
// the only editor, and its text is posted when another record is clicked.
TEST_P(TypedText, IsPostedAfterLeavingTheFilterRowThroughTheCorner) {
  MakeFocused(5);
  grid->STFilter()->SetVisible(true);
  items_->GotoId(1);
  grid->SetSelectedIndex(1);
  Key(grid, VK_UP);
  ASSERT_NE(grid->FilterEditor(), nullptr);
  ASSERT_TRUE(grid->FilterEditor()->Visible()) << "Up went into the filter row";
  const auto click = [&](int col, int row) {
    const TRect cell = grid->CellRect(col, row);
    const LPARAM at = MakeLParam((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
  };
  click(0, 0);
  Key(FindControl(GetFocus()), VK_ESCAPE);
  Key(FindControl(GetFocus()), VK_F2);
  ASSERT_TRUE(grid->InplaceEditorShowing());
  EXPECT_FALSE(grid->FilterEditor()->Visible()) << "one editor shows";
  EXPECT_EQ(FindControl(GetFocus()), Editor()) << "and it has the focus";
  Type(FindControl(GetFocus()), "Typed");
  click(grid->IndicatorOffset() + 1, grid->TitleOffset() + 2);
  EXPECT_EQ(items_->CurrentId(), 3);
  EXPECT_EQ(StoredName(1), "Name1Typed");
}

INSTANTIATE_TEST_SUITE_P(Stores, TypedText, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
