// The standard edit actions on a focused grid, their enabling rules, the clipboard commands
// (tab-separated text and the grid's private format, pasting into a rectangle), and sorting on
// the sort markers, over the in-memory and the SQLite data set.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/controls/std_actions.h"
#include "tests/grid/grid_edit_actions_support.h"

namespace grid_test {
namespace {

TEST_P(GridEditActions, CanRulesFollowSelectionOptionsAndAllowedOperations) {
  MakeSelectable(4);
  struct Case {
    const char* name;
    std::function<void()> arrange;
    bool copy, cut, paste, del, selectAll;
  } cases[] = {
      {"no selection", [] {}, false, false, true, false, true},
      {"rectangle", [&] { SelectRect(0, 1, 1, 2); }, true, true, true, true, true},
      {"rectangle without update", [&] {
         SelectRect(0, 1, 1, 2);
         grid->SetAllowedOperations({alopInsertEx, alopDeleteEx, alopAppendEx});
       }, true, false, false, false, true},
      {"all without delete", [&] {
         grid->Selection()->SelectAll();
         grid->SetAllowedOperations({alopUpdateEx});
       }, true, false, true, false, true},
      {"read-only grid", [&] {
         grid->Selection()->SelectAll();
         grid->SetReadOnly(true);
       }, true, false, false, false, true},
      {"full selection not allowed", [&] { grid->SetAllowedSelections({gstRectangle}); }, false, false, true, false,
       false},
  };
  Clipboard()->SetAsText("x");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->Selection()->Clear();
    grid->SetReadOnly(false);
    grid->SetAllowedOperations({alopInsertEx, alopUpdateEx, alopDeleteEx, alopAppendEx});
    grid->SetAllowedSelections(TDBGridExAllowedSelections::FromMask(kDefaultAllowedSelections));
    c.arrange();
    EXPECT_EQ(grid->CanCopy(), c.copy);
    EXPECT_EQ(grid->CanCut(), c.cut);
    EXPECT_EQ(grid->CanPaste(), c.paste);
    EXPECT_EQ(grid->CanDelete(), c.del);
    EXPECT_EQ(grid->CanSelectAll(), c.selectAll);
  }
}

TEST_P(GridEditActions, CopyActionRunsOnTheFocusedGridOnlyWhenAllowed) {
  MakeSelectable(4);
  auto* copy = new TEditAction(form_, eakCopy);
  grid->SetEditActions({});
  SelectRect(0, 1, 1, 2);
  EXPECT_FALSE(copy->Execute()) << "EditActions empty: the grid leaves the action alone";
  grid->SetEditActions({geaCopyEx});
  grid->Selection()->Clear();
  EXPECT_FALSE(copy->Execute());
  EXPECT_FALSE(copy->Enabled()) << "nothing selected: nothing to copy";
  SelectRect(0, 2, 1, 3);
  EXPECT_TRUE(copy->Execute());
  EXPECT_TRUE(copy->Enabled());
  EXPECT_EQ(Clipboard()->AsText(), "2\tName2\r\n3\tName3\r\n");
}

TEST_P(GridEditActions, CopyGivesTabSeparatedTextAndThePrivateFormatKeepsNull) {
  MakeSelectable(3);
  grid->Selection()->Columns()->Select(grid->Columns()->Items(4), false);
  ASSERT_TRUE(grid->RunEditCommand(geaCopyEx));
  EXPECT_EQ(Clipboard()->AsText(), "Y\r\nN\r\n\r\n");
  EXPECT_EQ(PrivateText(), "DBGRIDIF\t1\r\nY\r\nN\r\n\\N\r\n");
}

// Other programs get the cells as comma-separated values and as a rich-text table too.
TEST_P(GridEditActions, CopyGivesCommaSeparatedValuesAndARichTextTable) {
  MakeSelectable(3);
  const char* names[] = {"Li, \"Ming\"", "王"};
  for (int id = 2; id <= 3; ++id) {
    items_->GotoId(id);
    items_->ds()->Edit();
    FieldOf("Name")->SetAsString(names[id - 2]);
    items_->ds()->Post();
  }
  SelectRect(0, 2, 1, 3);
  ASSERT_TRUE(grid->RunEditCommand(geaCopyEx));
  auto named = [](const char* name) {
    const TClipboardData data = Clipboard()->GetBuffer(RegisterClipboardFormat(name));
    return String(data.begin(), data.end());
  };
  EXPECT_EQ(named("Csv"), "2,\"Li, \"\"Ming\"\"\"\r\n3,王\r\n");
  const String rtf = named("Rich Text Format");
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << rtf;
  EXPECT_NE(rtf.find("\\intbl 2\\cell"), String::npos) << rtf;
  EXPECT_NE(rtf.find("\\intbl Li, \"Ming\"\\cell"), String::npos) << rtf;
  EXPECT_NE(rtf.find("\\intbl \\u29579?\\cell"), String::npos) << "王 as a Unicode escape: " << rtf;
  EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '}'), 3) << "the font table, the font and the document close";
}

TEST_P(GridEditActions, PasteFillsARectangleAndAppendsPastTheEnd) {
  MakeSelectable(4);
  Clipboard()->SetAsText("A\tB\r\n");
  SelectRect(4, 2, 5, 3);
  ASSERT_TRUE(grid->RunEditCommand(geaPasteEx));
  EXPECT_EQ(ValuesOf("Code"), "Y A A Y") << "one row repeats to fill the rectangle";
  EXPECT_EQ(ValuesOf("Note"), "note 1 B B note 4");
  grid->Selection()->Clear();
  Clipboard()->SetAsText("P\r\nQ\r\nR\r\n");
  items_->GotoId(3);
  grid->SetSelectedIndex(1);
  ASSERT_TRUE(grid->RunEditCommand(geaPasteEx));
  EXPECT_EQ(ValuesOf("Name"), "Name1 Name2 P Q R") << "the last row is a new record";
}

TEST_P(GridEditActions, PasteThatAFieldRefusesStopsAndLeavesTheRecordAsItWas) {
  MakeSelectable(2);
  Clipboard()->SetAsText("9\r\nnot a number\r\n");
  grid->SetSelectedIndex(2);
  EXPECT_THROW(grid->RunEditCommand(geaPasteEx), Exception);
  EXPECT_EQ(items_->ds()->State(), dsBrowse);
  EXPECT_EQ(ValuesOf("Amount"), "9 3");
}

// A paste into the record being added fills that record, and the lines after it become records
// of their own, whether or not the grid may change records, also with a rectangle of existing
// records selected meanwhile; the records that were there keep their values, in the file too.
TEST_P(GridEditActions, PasteIntoANewRecordAddsRecordsAndChangesNoOther) {
  const struct {
    const char* name;
    TDBGridExAllowedOperations allowed;
    bool rectangle;  // records 2 and 3 selected as a rectangle meanwhile
  } cases[] = {
      {"insert and append", {alopInsertEx, alopAppendEx}, false},
      {"insert only", {alopInsertEx}, false},
      {"append only", {alopAppendEx}, false},
      {"over a rectangle", {alopInsertEx, alopAppendEx}, true},
      {"every right", {alopInsertEx, alopUpdateEx, alopDeleteEx, alopAppendEx}, false},
      {"update and insert", {alopUpdateEx, alopInsertEx}, false},
      {"update and append", {alopUpdateEx, alopAppendEx}, false},
      {"every right, over a rectangle", {alopInsertEx, alopUpdateEx, alopDeleteEx, alopAppendEx}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeSelectable(4);
    grid->SetAllowedOperations(c.allowed);
    const TBookmark second = BookmarkOf(2), third = BookmarkOf(3);
    grid->SetSelectedIndex(0);
    Key(grid, VK_INSERT);
    ASSERT_EQ(items_->ds()->State(), dsInsert);
    if (c.rectangle) {
      grid->Selection()->Rect()->Select(0, second, false);
      grid->Selection()->Rect()->Select(1, third, true);
      ASSERT_EQ(grid->Selection()->SelectionType(), gstRectangle);
    }
    Clipboard()->SetAsText("10\tP\r\n11\tQ\r\n12\tR\r\n");
    Key(grid, 'V', {ssCtrl});
    EXPECT_EQ(items_->ds()->State(), dsBrowse);
    items_->ds()->Close();
    items_->ds()->Open();
    EXPECT_EQ(NamesById(), "Name1 Name2 Name3 Name4 P Q R");
    EXPECT_EQ(items_->ds()->RecordCount(), 7);
    TearDown();
  }
}

// A pasted text longer than its field allows is refused, naming the column and its limit, as
// typing stops there; that record keeps its values and the records pasted before stay.
TEST_P(GridEditActions, PasteLongerThanItsFieldIsRefusedNamingTheColumnAndTheLimit) {
  MakeSelectable(3);
  items_->GotoId(1);
  grid->SetSelectedIndex(1);
  const String twentyChinese = "王王王王王王王王王王王王王王王王王王王王";
  Clipboard()->SetAsText(twentyChinese + "\t7\r\nABCDEFGHIJKLMNOPQRSTU\t8\r\nshort\t9\r\n");
  String message;
  try {
    Key(grid, 'V', {ssCtrl});
  } catch (const Exception& e) {
    message = e.Message();
  }
  EXPECT_NE(message.find("Name"), String::npos) << message;
  EXPECT_NE(message.find("20"), String::npos) << message;
  EXPECT_EQ(items_->ds()->State(), dsBrowse);
  items_->ds()->Close();
  items_->ds()->Open();
  EXPECT_EQ(NamesById(), twentyChinese + " Name2 Name3") << "twenty characters fit, twenty-one do not";
  EXPECT_EQ(ValuesOf("Amount"), "7 3 4.5") << "nothing of the refused line is written";
}

TEST_P(GridEditActions, PrivateFormatPastesTheCopiedValues) {
  MakeSelectable(6);
  SelectRect(4, 1, 4, 3);
  ASSERT_TRUE(grid->RunEditCommand(geaCopyEx));
  grid->Selection()->Clear();
  items_->GotoId(4);
  grid->SetSelectedIndex(4);
  ASSERT_TRUE(grid->RunEditCommand(geaPasteEx));
  EXPECT_EQ(ValuesOf("Code"), "Y N - Y N -");
}

TEST_P(GridEditActions, DeletingARectangleClearsItsCellsAndKeepsTheRecords) {
  MakeSelectable(3);
  SelectRect(1, 1, 1, 2);
  ASSERT_TRUE(grid->RunEditCommand(geaDeleteEx));
  EXPECT_EQ(ValuesOf("Name"), "- - Name3");
  grid->Selection()->SelectAll();
  ASSERT_TRUE(grid->RunEditCommand(geaCutEx));
  EXPECT_TRUE(items_->ds()->IsEmpty());
  const String copied = Clipboard()->AsText();
  EXPECT_EQ(copied.substr(0, 3), "1\t\t") << "the cleared name is an empty cell";
  EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 3) << "one line a record";
}

// On a table sorted by Name a written record moves to its sorted place at once; the records
// cleared or pasted into are still the ones selected, and the file keeps them after reopening.
TEST_P(GridEditActions, ClearAndPasteOnATableSortedByTheirColumnWriteTheSelectedRecords) {
  const struct {
    const char* name;
    const char* clipboard;  // nullptr: clear the selection
    int bottom;             // last record of the selection over Name, from record 2; 0: none
    const char* names;      // Name of records 1..5 afterwards, "-" for Null
  } cases[] = {
      {"clear a rectangle", nullptr, 3, "Name1 - - Name4 Name5"},
      {"paste lines at a cell", "Z1\r\nZ2\r\nZ3\r\n", 0, "Name1 Z1 Z2 Z3 Name5"},
      {"paste into a rectangle", "Z\r\n", 4, "Name1 Z Z Z Name5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeSelectable(5);
    grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
    SortByName();
    grid->SetSelectedIndex(1);
    if (c.bottom > 0) SelectRect(1, 2, 1, c.bottom);
    else items_->GotoId(2);
    if (c.clipboard != nullptr) Clipboard()->SetAsText(c.clipboard);
    Key(grid, c.clipboard != nullptr ? 'V' : VK_DELETE, {ssCtrl});
    items_->ds()->Close();
    items_->ds()->Open();
    EXPECT_EQ(NamesById(), c.names);
    TearDown();
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, GridEditActions, testing::Values(Store::Memory, Store::Sqlite), StoreName);

// SQLite orders the table on the marked columns, each in its marker's direction.
class SqliteSorting : public GridEditing {
 protected:
  String Ids() {
    String ids;
    for (items_->ds()->First(); !items_->ds()->Eof(); items_->ds()->Next())
      ids += (ids.empty() ? "" : " ") + FieldOf("ID")->AsString();
    return ids;
  }
};

TEST_P(SqliteSorting, MarkedColumnsOrderTheTable) {
  MakeFocused(6);
  grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking + dghMultiSortMarking);
  const struct {
    std::vector<std::pair<int, TSortMarkerEx>> marks;
    const char* ids;
  } cases[] = {
      {{{1, smUpEx}}, "6 5 4 3 2 1"},
      {{{4, smDownEx}, {0, smUpEx}}, "6 3 5 2 4 1"},
      {{}, "1 2 3 4 5 6"},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->Title()->SetSortMarker(smNoneEx);
    for (const auto& [col, marker] : c.marks) grid->Columns()->Items(col)->Title()->SetSortMarker(marker);
    grid->SortMarkingChanged();
    EXPECT_EQ(Ids(), c.ids);
  }
}

// Title clicks with Ctrl held mark several columns; the data set is sorted once, on all of
// them, when Ctrl goes up.
TEST_P(SqliteSorting, ReleasingCtrlSortsOnceAfterSeveralMarks) {
  MakeFocused(6);
  grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking + dghMultiSortMarking);
  int sorts = 0;
  grid->OnSortMarkingChanged.Bind(nullptr, "", [&](TObject*) {
    ++sorts;
    grid->ApplySorting();
  });
  const auto ctrlClickTitle = [&](int dataCol) {
    grid->Columns()->Items(dataCol)->Title()->SetTitleButton(true);
    const TRect r = grid->CellRect(dataCol + grid->IndicatorOffset(), 0);
    const LPARAM at = MakeLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, at);
    grid->Perform(WM_LBUTTONUP, MK_CONTROL, at);
  };
  SetKeyDown(VK_CONTROL, true);
  for (int col : {4, 0, 0}) ctrlClickTitle(col);
  EXPECT_EQ(sorts, 0);
  EXPECT_EQ(Ids(), "1 2 3 4 5 6") << "nothing sorts while Ctrl is held";
  SetKeyDown(VK_CONTROL, false);
  grid->Perform(WM_KEYUP, VK_CONTROL, 0);
  grid->Perform(WM_KEYUP, VK_CONTROL, 0);
  EXPECT_EQ(sorts, 1);
  EXPECT_EQ(Ids(), "6 3 5 2 4 1") << "by Code ascending, then ID descending";
  grid->SetOptionsEx(grid->OptionsEx() - dghAutoSortMarking);
  grid->SortMarkingChanged();
  EXPECT_EQ(sorts, 1) << "without automatic sort marking nothing sorts";
}

INSTANTIATE_TEST_SUITE_P(Store, SqliteSorting, testing::Values(Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
