// The clipboard commands where the records or the cells are not what a simple selection over
// plain text columns gives: a paste that needs records the grid may not add, a rectangle whose
// corner record went, columns that show no text of their value (memo, check box, images), and every
// kind of line break; over the in-memory and the SQLite data set, read back from the store.
#include <gtest/gtest.h>

#include <functional>

#include "platform/data/record_filter.h"
#include "platform/graphics/image_list.h"
#include "tests/grid/grid_edit_actions_support.h"

namespace grid_test {
namespace {

class GridClipboard : public GridEditActions {
 protected:
  // Runs a key and gives the message of the error it raised, empty when none.
  String KeyError(uint16_t vk, TShiftState shift) {
    try {
      Key(grid, vk, shift);
    } catch (const Exception& e) {
      return e.Message();
    }
    return String();
  }
  void Reopen() {
    items_->ds()->Close();
    items_->ds()->Open();
  }
};

// Lines that would need a record the grid may not add are refused with a message saying how
// many and why; the lines before them are pasted.
TEST_P(GridClipboard, LinesNeedingARecordTheGridMayNotAddAreRefusedSayingHowMany) {
  const struct {
    const char* name;
    TDBGridExAllowedOperations allowed;
    bool inserting;  // the program starts a new record at record 2 first
    const char* clipboard;
    const char* names;  // Name of the records by ID afterwards, new ones last
    const char* message;
  } cases[] = {
      {"past the last record", {alopUpdateEx, alopDeleteEx, alopInsertEx}, false, "A\r\nB\r\nC\r\nD\r\n",
       "Name1 A B", "2 pasted line(s) not pasted: the grid may not add records"},
      {"after a new record, update only", {alopUpdateEx}, true, "A\r\nB\r\n", "Name1 Name2 Name3 A",
       "1 pasted line(s) not pasted: the grid may not add records"},
      {"after a new record, delete only", {alopDeleteEx}, true, "A\r\nB\r\nC\r\n", "Name1 Name2 Name3 A",
       "2 pasted line(s) not pasted: the grid may not add records"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeSelectable(3);
    grid->SetAllowedOperations(c.allowed);
    items_->GotoId(2);
    grid->SetSelectedIndex(1);
    if (c.inserting) {
      items_->ds()->Insert();
      FieldOf("ID")->SetAsInteger(9);
    }
    Clipboard()->SetAsText(c.clipboard);
    EXPECT_EQ(KeyError('V', {ssCtrl}), c.message);
    EXPECT_EQ(items_->ds()->State(), dsBrowse);
    Reopen();
    EXPECT_EQ(NamesById(), c.names);
    EXPECT_EQ(items_->ds()->RecordCount(), 3 + (c.inserting ? 1 : 0));
    TearDown();
  }
}

// Name of records 2 to 4 selected, then the program deletes a corner record or filters it
// out: the commands take the selected records still there and touch no other.
TEST_P(GridClipboard, CommandsOverARectangleWhoseCornerRecordWentUseTheRecordsLeft) {
  const struct {
    const char* name;
    int gone;      // the corner record deleted or filtered out
    bool deleted;  // else filtered out
    uint16_t key;  // with Ctrl
    const char* pasted;  // put on the clipboard first; nullptr: none
    const char* copied;  // the clipboard's text afterwards; nullptr: not checked
    const char* names;   // Name of the records by ID afterwards, the filter gone
    bool sorted = false;  // the records ordered by Name first
  } cases[] = {
      {"cut, bottom deleted", 4, true, 'X', nullptr, "Name2\r\nName3\r\n", "Name1 - - Name5"},
      {"clear, bottom deleted", 4, true, VK_DELETE, nullptr, nullptr, "Name1 - - Name5"},
      {"cut, bottom filtered out", 4, false, 'X', nullptr, "Name2\r\nName3\r\n", "Name1 - - Name4 Name5"},
      {"copy, top deleted", 2, true, 'C', nullptr, "Name3\r\nName4\r\n", "Name1 Name3 Name4 Name5"},
      {"paste, top deleted", 2, true, 'V', "Z\r\n", nullptr, "Name1 Z Z Name5"},
      {"paste, top filtered out", 2, false, 'V', "Z\r\n", nullptr, "Name1 Name2 Z Z Name5"},
      {"sorted, cut, bottom filtered out", 4, false, 'X', nullptr, "Name2\r\nName3\r\n", "Name1 - - Name4 Name5",
       true},
      {"sorted, clear, top filtered out", 2, false, VK_DELETE, nullptr, nullptr, "Name1 Name2 - - Name5", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeSelectable(5);
    if (c.sorted) {
      grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
      SortByName();
    }
    SelectRect(1, 2, 1, 4);
    if (c.deleted) {
      items_->GotoId(c.gone);
      items_->ds()->Delete();
    } else {
      TFieldFilter notGone;
      notGone.FieldName = "ID";
      notGone.First = {foNotEqual, Variant(c.gone)};
      items_->ds()->SetRecordFilter({notGone});
    }
    ASSERT_EQ(grid->Selection()->SelectionType(), gstRectangle);
    if (c.pasted != nullptr) Clipboard()->SetAsText(c.pasted);
    EXPECT_EQ(KeyError(c.key, {ssCtrl}), "");
    if (c.copied != nullptr) {
      EXPECT_EQ(Clipboard()->AsText(), c.copied);
    }
    items_->ds()->SetRecordFilter({});
    Reopen();
    EXPECT_EQ(NamesById(), c.names);
    TearDown();
  }
}

// A column that shows no text of its value copies the value itself, so that a paste of the
// plain text (as another program hands it back) writes the same values.
TEST_P(GridClipboard, ColumnsShowingNoTextCopyTheirValuesAndPasteThemBack) {
  TImageList images(16, 16);
  const struct {
    const char* name;
    int dataCol;
    const char* fieldName;
    std::function<void(TColumnEx*)> arrange;
    const char* copied;  // records 1 and 2
    const char* values;  // of the field after pasting at record 5
  } cases[] = {
      {"memo", 5, "Note", [](TColumnEx*) {}, "note 1\r\nnote 2\r\n", "note 1 note 2 note 3 note 4 note 1 note 2"},
      // A text holding a tab, a line break or a leading quote goes in quotes, its quotes doubled.
      {"memo of several lines", 5, "Note", [this](TColumnEx*) {
         items_->GotoId(1);
         items_->ds()->Edit();
         FieldOf("Note")->SetAsString("\"A\"\tB\r\nC");
         items_->ds()->Post();
       }, "\"\"\"A\"\"\tB\r\nC\"\r\nnote 2\r\n", "\"A\"\tB\r\nC note 2 note 3 note 4 \"A\"\tB\r\nC note 2"},
      {"check box over a text field", 4, "Code", [](TColumnEx* column) {
         column->KeyList()->Add("Y");
         column->KeyList()->Add("N");
         column->SetCheckboxes(true);
       }, "Y\r\nN\r\n", "Y N - Y Y N"},
      {"images over a key list", 4, "Code", [&images](TColumnEx* column) {
         column->KeyList()->Add("Y");
         column->KeyList()->Add("N");
         column->SetImageList(&images);
       }, "Y\r\nN\r\n", "Y N - Y Y N"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeSelectable(6);
    c.arrange(grid->Columns()->Items(c.dataCol));
    SelectRect(c.dataCol, 1, c.dataCol, 2);
    Key(grid, 'C', {ssCtrl});
    const String copied = Clipboard()->AsText();
    EXPECT_EQ(copied, c.copied);
    Clipboard()->SetAsText(copied);
    grid->Selection()->Clear();
    items_->GotoId(5);
    grid->SetSelectedIndex(c.dataCol);
    Key(grid, 'V', {ssCtrl});
    Reopen();
    EXPECT_EQ(ValuesOf(c.fieldName), c.values);
    TearDown();
  }
}

// What a grid shows in place of a memo is no text to store in it.
TEST_P(GridClipboard, PastingTheMemoPlaceholderLeavesTheMemo) {
  MakeSelectable(2);
  grid->SetSelectedIndex(5);
  Clipboard()->SetAsText("(MEMO)\r\n(memo)\r\n");
  Key(grid, 'V', {ssCtrl});
  Reopen();
  EXPECT_EQ(ValuesOf("Note"), "note 1 note 2");
}

// A line ends at CR LF, at LF, or at a CR alone.
TEST_P(GridClipboard, PasteTakesEveryKindOfLineBreak) {
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"CR LF", "A\r\nB\r\nC\r\n"},
      {"LF", "A\nB\nC"},
      {"CR", "A\rB\rC\r"},
      {"mixed", "A\rB\nC\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeSelectable(3);
    grid->SetSelectedIndex(1);
    Clipboard()->SetAsText(c.text);
    Key(grid, 'V', {ssCtrl});
    Reopen();
    EXPECT_EQ(NamesById(), "A B C");
    TearDown();
  }
}

// A refused paste names a column under a multi-level title as its titles read.
TEST_P(GridClipboard, ARefusalNamesAColumnUnderAMultiLevelTitleAsItsTitlesRead) {
  MakeSelectable(3);
  grid->SetUseMultiTitle(true);
  grid->Columns()->Items(1)->Title()->SetCaption("Item|Name");
  items_->GotoId(1);
  grid->SetSelectedIndex(1);
  Clipboard()->SetAsText("ABCDEFGHIJKLMNOPQRSTU\r\n");
  const String message = KeyError('V', {ssCtrl});
  EXPECT_NE(message.find("Item Name"), String::npos) << message;
  EXPECT_EQ(message.find('|'), String::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Stores, GridClipboard, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
