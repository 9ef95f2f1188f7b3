// Editing a cell in place: the editor's text goes into the field when the record is posted,
// over the in-memory and the SQLite data set; Escape gives the old text back; the grid's,
// column's and editor's read-only settings all hold.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gridlib/grid/columns.h"
#include "platform/controls/edit.h"
#include "platform/core/string_list.h"
#include "tests/grid/grid_edit_support.h"

namespace grid_test {
namespace {

using CellEditing = GridEditing;

TEST_P(CellEditing, PostedTextIsInTheFieldAndStaysAfterReopening) {
  MakeFocused(5);
  items_->GotoId(2);
  Retype(1, "Zhang 三");
  EXPECT_EQ(items_->ds()->State(), dsEdit) << "typing put the record into edit mode";
  items_->ds()->Post();
  EXPECT_EQ(FieldOf("Name")->AsString(), "Zhang 三");
  items_->ds()->Close();
  items_->ds()->Open();
  items_->GotoId(2);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Zhang 三") << "written to the store, not only the buffer";
}

TEST_P(CellEditing, EscapeGivesTheOldTextBack) {
  MakeFocused(5);
  Retype(1, "typed");
  Key(Editor(), VK_ESCAPE);
  EXPECT_EQ(Editor()->Text(), "Name1");
  items_->ds()->CheckBrowseMode();
  EXPECT_EQ(FieldOf("Name")->AsString(), "Name1");
}

TEST_P(CellEditing, TheRecordChangingUnderTheEditorShowsItsNewValue) {
  MakeFocused(5);
  grid->SetSelectedIndex(1);
  Key(grid, VK_F2);
  items_->ds()->Edit();
  FieldOf("Name")->SetAsString("Changed");
  EXPECT_EQ(Editor()->Text(), "Changed");
  EXPECT_EQ(Editor()->SelLength(), 0);
}

// Each read-only setting keeps the editor from changing the record, whatever the column's
// OnGetCellParams says about the editor.
struct ReadOnlyCase {
  const char* name;
  bool gridReadOnly, columnReadOnly, dataSetReadOnly, editorWritable;
};

TEST_P(CellEditing, ReadOnlySettingsAllHold) {
  const ReadOnlyCase cases[] = {
      {"grid", true, false, false, true},
      {"column", false, true, false, true},
      {"data set", false, false, true, true},
  };
  MakeFocused(3);
  for (const ReadOnlyCase& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetReadOnly(c.gridReadOnly);
    grid->Columns()->Items(1)->SetReadOnly(c.columnReadOnly);
    items_->ds()->SetReadOnly(c.dataSetReadOnly);
    grid->Columns()->Items(1)->OnGetCellParams.Bind(
        nullptr, "", [&](TObject*, bool, TColCellParamsEx* params) { params->ReadOnly = !c.editorWritable; });
    grid->SetSelectedIndex(1);
    Key(grid, VK_F2);
    if (grid->InplaceEditorShowing()) Type(Editor(), "x");
    EXPECT_EQ(items_->ds()->State(), dsBrowse);
    EXPECT_FALSE(grid->DataLink()->GridModified());
    grid->HideEditor();
  }
}

TEST_P(CellEditing, KeyListTextWritesItsKeyAndUnknownTextWritesNull) {
  MakeFocused(3);
  TColumnEx* code = grid->Columns()->Items(4);
  code->PickList()->SetCommaText("Yes,No");
  code->KeyList()->SetCommaText("Y,N");
  const struct {
    const char* typed;
    Variant stored;
  } cases[] = {{"No", Variant("N")}, {"yes", Variant("Y")}, {"Maybe", Variant::Null()}, {"", Variant::Null()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    items_->GotoId(1);
    Retype(4, c.typed);
    items_->ds()->Post();
    EXPECT_EQ(FieldOf("Code")->Value(), c.stored);
  }
}

// A text the pick list lacks goes to OnNotInList; a handler that adds it and asks again gets
// its key written, one that does not leaves the key Null.
TEST_P(CellEditing, NotInListMayAddTheTextAndItsKey) {
  MakeFocused(3);
  TColumnEx* code = grid->Columns()->Items(4);
  code->PickList()->SetCommaText("Yes,No");
  code->KeyList()->SetCommaText("Y,N");
  bool adds = true;
  std::vector<String> asked;
  code->OnNotInList.Bind(nullptr, "", [&](TObject* sender, const Variant& text, bool& recheck) {
    EXPECT_EQ(sender, code);
    asked.push_back(text.AsString());
    if (!adds) return;
    code->PickList()->Add(text.AsString());
    code->KeyList()->Add("M");
    recheck = true;
  });
  const struct {
    bool adds;
    const char* typed;
    Variant stored;
  } cases[] = {{false, "Never", Variant::Null()}, {true, "Maybe", Variant("M")}, {true, "No", Variant("N")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    adds = c.adds;
    items_->GotoId(1);
    Retype(4, c.typed);
    items_->ds()->Post();
    EXPECT_EQ(FieldOf("Code")->Value(), c.stored);
  }
  EXPECT_EQ(asked, (std::vector<String>{"Never", "Maybe"})) << "a known text asks nobody";
}

// Leaving the grid drops a new record nobody typed into (dgCancelOnExit); one with typed text
// keeps it, written into its field, and stays new.
TEST_P(CellEditing, LeavingTheGridDropsAnUntouchedNewRecordOnly) {
  MakeFocused(3);
  grid->SetOptions(grid->Options() + dgCancelOnExit);
  auto* other = new TEdit(form_);
  other->SetParent(form_);
  other->SetBounds(0, 0, 10, 10);
  Key(grid, VK_INSERT);
  ASSERT_EQ(items_->ds()->State(), dsInsert);
  other->SetFocus();
  EXPECT_EQ(items_->ds()->State(), dsBrowse);
  EXPECT_EQ(items_->ds()->RecordCount(), 3);

  grid->SetFocus();
  Key(grid, VK_INSERT);
  Retype(1, "New");
  other->SetFocus();
  EXPECT_EQ(items_->ds()->State(), dsInsert);
  EXPECT_EQ(FieldOf("Name")->AsString(), "New");
  items_->ds()->Post();
  EXPECT_EQ(items_->ds()->RecordCount(), 4);
}

TEST_P(CellEditing, CheckBoxAndImageCellsNeverShowTheEditor) {
  MakeFocused(3);
  grid->Columns()->Items(3)->SetCheckboxes(true);
  grid->SetSelectedIndex(3);
  Key(grid, VK_F2);
  EXPECT_FALSE(grid->InplaceEditorShowing());
}

TEST_P(CellEditing, TheEditorShowsOnOpeningAndWhenAFieldAsksForTheFocus) {
  MakeFocused(3);
  grid->SetOptions(grid->Options() + dgAlwaysShowEditor);
  grid->HideEditor();
  items_->ds()->Close();
  items_->ds()->Open();
  EXPECT_TRUE(grid->InplaceEditorShowing()) << "dgAlwaysShowEditor: open shows the editor";
  grid->SetOptions(grid->Options() - dgAlwaysShowEditor);
  grid->HideEditor();
  FieldOf("Code")->FocusControl();
  EXPECT_TRUE(grid->InplaceEditorShowing());
  EXPECT_EQ(grid->SelectedIndex(), 4);
}

// With the editor always shown, it shows the record the cursor reaches, also when the rows
// scroll under it and the current row stays where it was.
TEST_P(CellEditing, TheAlwaysShownEditorFollowsTheRecord) {
  MakeFocused(40);
  grid->SetOptions(grid->Options() + dgAlwaysShowEditor);
  grid->SetSelectedIndex(1);
  ASSERT_TRUE(grid->InplaceEditorShowing());
  const int lastRow = grid->DataLink()->BufferCount() - 1;
  for (int i = 0; i < lastRow; ++i) Key(Editor(), VK_DOWN);
  ASSERT_EQ(grid->DataLink()->ActiveRecord(), lastRow);
  const struct {
    uint16_t key;
    int id;
  } steps[] = {{VK_DOWN, lastRow + 2}, {VK_NEXT, lastRow + 2 + grid->VisibleDataRowCount()}, {VK_UP, lastRow + 1 + grid->VisibleDataRowCount()}};
  for (const auto& step : steps) {
    Key(Editor(), step.key);
    SCOPED_TRACE(step.key);
    ASSERT_EQ(items_->CurrentId(), step.id);
    EXPECT_TRUE(grid->InplaceEditorShowing());
    EXPECT_EQ(Editor()->Text(), "Name" + std::to_string(step.id));
  }
}

// A change of the current column reaches the editor at once: it reads its mask and text again
// unless something was typed.
TEST_P(CellEditing, AColumnChangeReachesTheEditorAtOnce) {
  MakeFocused(5);
  grid->SetSelectedIndex(1);
  Key(grid, VK_F2);
  grid->Columns()->Items(1)->SetEditMask(">aaaaa;0;_");
  EXPECT_EQ(Editor()->EditMask(), ">aaaaa;0;_");
  Retype(1, "typed");
  grid->Columns()->Items(1)->SetEditMask("");
  EXPECT_EQ(Editor()->Text(), "TYPED") << "what was typed stays";
}

// Text typed in a cell belongs to that cell whatever the program does with the columns: it is
// written into its own column, or goes with that column when the column is deleted; the next
// record move posts without writing it anywhere else.
TEST_P(CellEditing, TypedTextStaysWithItsColumnWhenTheProgramChangesTheColumns) {
  const struct {
    const char* name;
    std::function<void(TDBGridColumnsEx*, TDBGridEx*)> change;
    const char* name2;  // Name of record 2 afterwards
  } cases[] = {
      {"another column made current", [](TDBGridColumnsEx*, TDBGridEx* g) { g->SetSelectedIndex(2); }, "abc"},
      {"the column hidden", [](TDBGridColumnsEx* c, TDBGridEx*) { c->Items(1)->SetVisible(false); }, "abc"},
      {"the column moved", [](TDBGridColumnsEx* c, TDBGridEx*) { c->Items(1)->SetIndex(3); }, "abc"},
      {"an earlier column deleted", [](TDBGridColumnsEx* c, TDBGridEx*) { delete c->Items(0); }, "abc"},
      {"the column deleted", [](TDBGridColumnsEx* c, TDBGridEx*) { delete c->Items(1); }, "Name2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeFocused(3);
    grid->Columns()->Clear();
    for (const char* field : {"ID", "Name", "Amount", "Code"}) grid->Columns()->Add()->SetFieldName(field);
    items_->GotoId(2);
    Retype(1, "abc");
    c.change(grid->Columns(), grid);
    if (grid->InplaceEditorShowing()) {
      EXPECT_NE(Editor()->Text(), "abc") << "the editor shows the cell it is over";
    }
    Key(Editor()->Focused() ? static_cast<TControl*>(Editor()) : grid, VK_DOWN);
    EXPECT_EQ(items_->ds()->State(), dsBrowse);
    items_->ds()->Close();
    items_->ds()->Open();
    items_->GotoId(2);
    EXPECT_EQ(FieldOf("Name")->AsString(), c.name2);
    EXPECT_EQ(FieldOf("Amount")->AsString(), "3");
    EXPECT_EQ(FieldOf("Code")->AsString(), "N");
    TearDown();
  }
}

// Text its own field refuses, when the program moves the current cell or changes the columns,
// is reported to the user like any error and dropped; the record keeps its value and nothing
// is raised into the program's call.
TEST_P(CellEditing, TextItsFieldRefusesIsReportedWhenTheProgramChangesTheColumn) {
  const std::function<void(TDBGridEx*)> changes[] = {
      [](TDBGridEx* g) { g->SetSelectedIndex(1); },
      [](TDBGridEx* g) {
        TCollectionUpdateLock lock(*g->Columns());
        g->Columns()->Items(2)->SetVisible(false);
      },
  };
  std::vector<String> errors;
  Application->OnException.Bind(nullptr, "", [&](TObject*, const Exception& e) { errors.push_back(e.Message()); });
  for (const auto& change : changes) {
    MakeFocused(3);
    items_->GotoId(2);
    Retype(2, "1.2.3");
    errors.clear();
    EXPECT_NO_THROW(change(grid));
    EXPECT_EQ(errors.size(), 1u);
    for (const String& error : errors) EXPECT_NE(error.find("1.2.3"), String::npos) << error;
    Key(grid, VK_DOWN);
    items_->ds()->Close();
    items_->ds()->Open();
    items_->GotoId(2);
    EXPECT_EQ(FieldOf("Amount")->AsString(), "3");
    TearDown();
  }
  Application->OnException.Clear();
}

INSTANTIATE_TEST_SUITE_P(Stores, CellEditing, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
