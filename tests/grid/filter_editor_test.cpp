// The filter row's editor: where it sits, its list of values and commands, its keys, and how
// what the user types reaches the data set.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "gridlib/grid/grid_style.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/windows/system_metrics.h"
#include "tests/grid/grid_paint_support.h"
#include "tests/grid/grid_window_support.h"
#include "tests/support/key_input.h"

namespace grid_test {
namespace {

class FilterEditor : public GridInForm {
 protected:
  void SetUp() override {
    Make(12);
    grid->STFilter()->SetVisible(true);
    grid->Columns()->Clear();
    for (const char* field : {"ID", "Name", "Amount", "Code"}) grid->Columns()->Add()->SetFieldName(field);
    // The Code column lists its values from a second view of the same items.
    listItems_ = std::make_unique<Items>(GetParam(), 12);
    Code()->STFilter()->SetListSource(listItems_->source());
    Application->OnException.Bind(nullptr, "ShowError",
                                  [this](TObject*, const Exception& e) { errors.push_back(e.Message()); });
  }
  void TearDown() override {
    Application->OnException.Clear();
    GridInForm::TearDown();
    listItems_.reset();
  }
  TColumnEx* Code() { return grid->Columns()->Items(3); }
  TInplaceFilterEditEx* Editor() { return grid->FilterEditor(); }
  void Type(const String& text) { Editor()->SetText(text); }
  void Key(uint16_t key) { Editor()->EditControl()->Perform(WM_KEYDOWN, key, 0); }
  void Enter() { Editor()->EditControl()->Perform(WM_CHAR, '\r', 0); }
  // Types over the whole text as the keyboard does.
  void TypeOver(const char* text) {
    Editor()->SelectAllFromStart();
    test_input::Type(Editor()->EditControl(), text);
  }
  int FilterRow() const { return grid->TitleOffset() - 1; }
  std::vector<String> ListItems() {
    std::vector<String> items;
    for (int i = 0; i < Editor()->Items()->Count(); ++i) items.push_back(Editor()->Items()->Strings(i));
    return items;
  }
  // Drops the list down and chooses the item of that text with Enter.
  void Choose(const String& item) {
    Editor()->SetDroppedDown(true);
    const int index = Editor()->Items()->IndexOf(item);
    ASSERT_GE(index, 0) << item;
    Editor()->ListBox()->SetItemIndex(index);
    Key(VK_RETURN);
    Enter();
  }

  GridLibraryScope library_;
  std::unique_ptr<Items> listItems_;
  std::vector<String> errors;
};

TEST_P(FilterEditor, SitsOverTheFilterCellOfItsColumn) {
  grid->ShowFilterEditor(1);
  ASSERT_NE(Editor(), nullptr);
  EXPECT_TRUE(Editor()->Visible());
  EXPECT_TRUE(grid->FilterEditorShown());
  const TRect cell = grid->CellRect(2, grid->TitleOffset() - 1);
  EXPECT_EQ(Editor()->Left(), cell.Left + 1);
  EXPECT_EQ(Editor()->Top(), cell.Top);
  EXPECT_EQ(Editor()->Width(), cell.Right - cell.Left - 1);
  EXPECT_EQ(grid->SelectedIndex(), 1) << "the grid's current column follows";
  EXPECT_FALSE(Editor()->ButtonVisible()) << "a column without a value list";
  grid->CloseFilterEditor();
  EXPECT_FALSE(Editor()->Visible());
  EXPECT_FALSE(grid->FilterEditorShown());
}

TEST_P(FilterEditor, EnterAppliesWhatWasTypedAndTheCellShowsIt) {
  grid->ShowFilterEditor(2);
  Type(">=15");
  Enter();
  EXPECT_EQ(items_->ds()->RecordCount(), 3) << "Amount 15, 16.5 and 18";
  EXPECT_EQ(grid->FilterText(2), ">= 15");
  EXPECT_EQ(Editor()->Text(), ">= 15") << "placed again with the text read back";
}

TEST_P(FilterEditor, TextThatCannotBeReadIsReportedAndTheFilterStays) {
  grid->ShowFilterEditor(2);
  Type(">=15");
  Enter();
  Type(">= fifteen");
  Enter();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "'fifteen' is not a number at position 4");
  EXPECT_EQ(items_->ds()->RecordCount(), 3);
  EXPECT_NO_THROW(grid->CloseFilterEditor());
  EXPECT_EQ(errors.size(), 1u) << "told once already: hiding neither raises nor says it again";
  EXPECT_EQ(grid->FilterText(2), ">= 15");
}

// However the user leaves a cell whose text cannot be read, that text is reported once.
TEST_P(FilterEditor, TextThatCannotBeReadIsReportedOnceHoweverTheCellIsLeft) {
  const struct {
    const char* name;
    std::function<void()> leave;
  } ways[] = {
      {"Ctrl+Right", [&] { test_input::Key(Editor()->EditControl(), VK_RIGHT, {ssCtrl}); }},
      {"Tab", [&] { test_input::Key(Editor()->EditControl(), VK_TAB); }},
      {"a press on another filter cell", [&] { PressCell(grid, 1, FilterRow()); }},
      {"a press on a record", [&] { PressCell(grid, 2, grid->TitleOffset() + 1); }},
  };
  grid->SetOptions(grid->Options() + dgTabs);
  for (const bool applied : {true, false}) {
    for (const auto& way : ways) {
      SCOPED_TRACE(testing::Message() << way.name << (applied ? ", after Enter" : ", without Enter"));
      errors.clear();
      grid->ShowFilterEditor(2);
      TypeOver("> fifteen");
      if (applied) Enter();
      way.leave();
      EXPECT_EQ(errors.size(), 1u);
      EXPECT_EQ(grid->FilterText(2), "") << "the column keeps its filter";
      grid->ShowFilterEditor(0);
      Enter();
      EXPECT_EQ(errors.size(), 1u) << "nor again at another cell's Enter";
      EXPECT_EQ(items_->ds()->RecordCount(), 12);
      grid->CloseFilterEditor();
    }
  }
}

// Esc gives up what was typed: the cell shows the filter in force again, and the text given
// up is applied by no later Enter.
TEST_P(FilterEditor, EscGivesTheCellBackTheFilterInForce) {
  grid->ShowFilterEditor(2);
  TypeOver(">=15");
  Enter();
  ASSERT_EQ(items_->ds()->RecordCount(), 3) << "Amount 15, 16.5 and 18";
  const struct {
    int col;
    const char* typed;
    const char* inForce;
  } cases[] = {{2, ">=3", ">= 15"}, {3, "=N", ""}, {1, "Name1", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    grid->ShowFilterEditor(c.col);
    TypeOver(c.typed);
    test_input::Key(Editor()->EditControl(), VK_ESCAPE);
    Editor()->EditControl()->Perform(WM_CHAR, 0x1B, 1);
    EXPECT_EQ(Editor()->Text(), c.inForce);
    PressCell(grid, 2, grid->TitleOffset() + 1);
    EXPECT_FALSE(grid->FilterEditorShown());
    EXPECT_EQ(grid->FilterText(c.col), c.inForce);
    grid->ShowFilterEditor(0);
    Enter();
    EXPECT_EQ(items_->ds()->RecordCount(), 3) << "the text given up is not applied";
    EXPECT_EQ(grid->FilterText(c.col), c.inForce);
  }
}

TEST_P(FilterEditor, TheListOffersTheValuesThenTheCommands) {
  grid->ShowFilterEditor(3);
  EXPECT_TRUE(Editor()->ButtonVisible());
  EXPECT_EQ(Editor()->DropDownWidth(), 100);
  EXPECT_EQ(Editor()->DropDownCount(), 17);
  Editor()->SetDroppedDown(true);
  const std::vector<String> expected = {"N", "Y", "(Empty)", "(Not empty)", "(All)", "(Clear filter)"};
  EXPECT_EQ(ListItems(), expected);
  Editor()->SetDroppedDown(false);
  Editor()->SetDroppedDown(true);
  EXPECT_EQ(ListItems(), expected) << "filled afresh, not twice";
  Editor()->SetDroppedDown(false);
  listItems_->ds()->Close();
  Editor()->SetDroppedDown(true);
  EXPECT_EQ(ListItems().size(), 4u) << "a closed list data set gives no values";
  Editor()->SetDroppedDown(false);
}

TEST_P(FilterEditor, SortCommandsNeedAutoSortMarkingAndATitleButton) {
  grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
  Code()->Title()->SetTitleButton(true);
  grid->Columns()->Items(1)->Title()->SetSortMarker(smDownEx);
  int sortChanges = 0;
  grid->OnSortMarkingChanged.Bind(nullptr, "Sort", [&](TObject*) { ++sortChanges; });
  grid->ShowFilterEditor(3);
  Choose("(Order by descending)");
  EXPECT_EQ(Code()->Title()->SortMarker(), smUpEx);
  EXPECT_EQ(grid->Columns()->Items(1)->Title()->SortMarker(), smNoneEx) << "other markers cleared first";
  EXPECT_EQ(sortChanges, 1);
  Code()->Title()->SetTitleButton(false);
  Editor()->SetDroppedDown(true);
  EXPECT_EQ(ListItems().back(), "(Clear filter)");
  Editor()->SetDroppedDown(false);
}

TEST_P(FilterEditor, EmptyCommandsApplyOnlyWhenTheStyleSaysSo) {
  grid->ShowFilterEditor(3);
  Choose("(Empty)");
  EXPECT_EQ(Editor()->Text(), "=Null");
  EXPECT_EQ(items_->ds()->RecordCount(), 12) << "not applied yet";
  Enter();
  EXPECT_EQ(items_->ds()->RecordCount(), 4) << "Code is Null for IDs 3, 6, 9, 12";
  DefaultDBGridExStyle()->SetFilterApplyFlags(1);
  Choose("(Not empty)");
  EXPECT_EQ(items_->ds()->RecordCount(), 8);
  Choose("(All)");
  EXPECT_EQ(items_->ds()->RecordCount(), 12);
  DefaultDBGridExStyle()->SetFilterApplyFlags(0);
}

// A column whose list offers values shows its filter as it reads back: a value as itself,
// anything else with its operators, so entering the cell again and Enter keep the rows.
TEST_P(FilterEditor, AListColumnShowsItsFilterAsItReadsBack) {
  const struct {
    const char* typed;
    const char* shown;
    int records;
  } cases[] = {
      {"Y", "Y", 4},
      {"=Null", "=Null", 4},
      {"<>Null", "<>Null", 8},
      {">N", "> 'N'", 4},
      {"Y OR N", "= 'Y' OR = 'N'", 8},
      {"In (Y, N)", "In ('Y','N')", 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    grid->ShowFilterEditor(3);
    TypeOver(c.typed);
    Enter();
    ASSERT_EQ(items_->ds()->RecordCount(), c.records);
    PressCell(grid, 2, grid->TitleOffset() + 1);
    EXPECT_EQ(grid->FilterText(3), c.shown);
    PressCell(grid, 4, FilterRow());
    Enter();
    EXPECT_EQ(items_->ds()->RecordCount(), c.records) << "entered again, Enter";
    grid->ClearAllFilters();
    grid->ApplyFilterNow();
  }
}

TEST_P(FilterEditor, ClearFilterEmptiesEveryColumnAndAppliesAtOnce) {
  grid->Columns()->Items(2)->STFilter()->SetExpressionText(">10");
  grid->ShowFilterEditor(3);
  Type("Y");
  Enter();
  ASSERT_EQ(items_->ds()->RecordCount(), 2) << "IDs 7 and 10";
  Choose("(Clear filter)");
  EXPECT_EQ(items_->ds()->RecordCount(), 12);
  EXPECT_EQ(grid->FilterText(2), "");
  EXPECT_EQ(grid->FilterText(3), "");
}

TEST_P(FilterEditor, ArrowsMoveBetweenEditableFilterCells) {
  grid->Columns()->Items(2)->STFilter()->SetVisible(false);
  grid->ShowFilterEditor(1);
  Type("ab");
  Editor()->SetSelection(2, 0);
  Key(VK_RIGHT);
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 3) << "past the column without a filter cell";
  EXPECT_EQ(grid->FilterText(1), "= 'ab'") << "the text left behind is kept";
  Key(VK_RIGHT);
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 0) << "round to the first";
  Key(VK_HOME);
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 0);
  Key(VK_END);
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 3);
  Key(VK_DOWN);
  EXPECT_FALSE(grid->FilterEditorShown()) << "down leaves the filter row";
}

TEST_P(FilterEditor, TheListKeepsTheSizeTheUserLeftIt) {
  Code()->STFilter()->SetDropDownSize(160, 5);
  grid->ShowFilterEditor(3);
  EXPECT_EQ(Editor()->DropDownWidth(), 160);
  EXPECT_EQ(Editor()->DropDownCount(), 5);
}

TEST_P(FilterEditor, APressOnAFilterCellEditsItAndAPressAmongTheDataLeavesTheRow) {
  grid->Columns()->Items(2)->STFilter()->SetVisible(false);
  auto press = [&](int col, int row) { PressCell(grid, col, row); };
  const int filterRow = grid->TitleOffset() - 1;
  press(2, filterRow);
  ASSERT_TRUE(grid->FilterEditorShown());
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 1);
  press(3, filterRow);
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 1) << "a column without a filter cell is not edited";
  press(4, filterRow);
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 3);
  press(2, grid->TitleOffset() + 2);
  EXPECT_FALSE(grid->FilterEditorShown());
  EXPECT_FALSE(Editor()->Visible());
}

// The press that opens a filter cell reaches its editor too: on the list button it drops the
// list. It is the filter row's alone: the grid's own press handling does not run.
TEST_P(FilterEditor, APressOnAFilterCellsButtonDropsItsListInTheSameClick) {
  int downs = 0;
  grid->OnMouseDown.Bind(nullptr, "", [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  grid->Columns()->Items(1)->SetWidth(60);
  const TRect cell = grid->CellRect(4, grid->TitleOffset() - 1);
  ASSERT_LT(cell.Right, grid->ClientWidth()) << "the whole cell in view";
  const LPARAM at = MakeLParam(cell.Right - 3, (cell.Top + cell.Bottom) / 2);
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  ASSERT_TRUE(grid->FilterEditorShown());
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 3);
  EXPECT_TRUE(Editor()->DroppedDown());
  EXPECT_EQ(downs, 0);
  Editor()->SetDroppedDown(false);
}

// While a filter cell is edited the wheel over the grid is the editor's: the records stay.
TEST_P(FilterEditor, TheWheelOverTheGridLeavesTheRecordsWhileAFilterIsEdited) {
  grid->ShowFilterEditor(1);
  ASSERT_TRUE(grid->FilterEditorShown());
  const int record = items_->CurrentId();
  const TPoint at = grid->ClientToScreen({50, grid->ClientHeight() / 2});
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(-WHEEL_DELTA)), MakeLParam(at.x, at.y));
  EXPECT_EQ(items_->CurrentId(), record);
  EXPECT_TRUE(grid->FilterEditorShown());
}

TEST_P(FilterEditor, UpFromTheFirstRecordOrCtrlUpGoesIntoTheFilterRow) {
  grid->SetFocus();
  grid->SetSelectedIndex(2);
  items_->GotoId(2);
  test_input::Key(grid, VK_UP);
  EXPECT_FALSE(grid->FilterEditorShown());
  EXPECT_EQ(items_->CurrentId(), 1);
  test_input::Key(grid, VK_UP);
  ASSERT_TRUE(grid->FilterEditorShown());
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 2) << "the current column's cell";
  EXPECT_TRUE(Editor()->Focused());
  grid->CloseFilterEditor();

  items_->GotoId(6);
  grid->SetFocus();
  test_input::Key(grid, VK_UP, {ssCtrl});
  EXPECT_TRUE(grid->FilterEditorShown());
  EXPECT_EQ(items_->CurrentId(), 6);
  grid->CloseFilterEditor();

  // Whole rows have no current column: the column edited last is entered again, or the next
  // that has a filter cell.
  grid->SetOptions(grid->Options() + dgRowSelect);
  grid->Columns()->Items(2)->STFilter()->SetVisible(false);
  grid->SetFocus();
  test_input::Key(grid, VK_UP, {ssCtrl});
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 3);
}

// Typed text belongs to the column it was typed for, wherever the user drags that column.
TEST_P(FilterEditor, TextTypedForAColumnStaysWithItWhenItsTitleIsDraggedAway) {
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->Title()->SetTitleButton(true);
  grid->ShowFilterEditor(0);
  test_input::Type(Editor()->EditControl(), ">5");
  const TRect from = grid->CellRect(1, 0);
  const TRect to = grid->CellRect(3, 0);
  const int y = (from.Top + from.Bottom) / 2;
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(from.Left + 10, y));
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(from.Left + 20, y));
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(to.Left + 10, y));
  grid->Perform(WM_LBUTTONUP, 0, MakeLParam(to.Left + 10, y));
  ASSERT_EQ(grid->Columns()->Items(2)->FieldName(), "ID");
  EXPECT_EQ(grid->FilterEditing()->FilterCol(), 2);
  EXPECT_EQ(Editor()->Left(), grid->CellRect(3, grid->TitleOffset() - 1).Left + 1) << "over the moved cell";
  EXPECT_EQ(Editor()->Text(), ">5");
  Enter();
  EXPECT_EQ(items_->ds()->RecordCount(), 7) << "IDs 6 to 12";
  EXPECT_EQ(grid->FilterText(2), "> 5");
  EXPECT_EQ(grid->FilterText(0), "") << "Name, now first, has no filter";
}

// Characters that reach the grid itself while its filter row is edited are typed there.
TEST_P(FilterEditor, CharactersSentToTheGridGoToTheEditedFilterCell) {
  grid->ShowFilterEditor(2);
  test_input::Type(grid, ">=155");
  grid->Perform(WM_CHAR, VK_BACK, 1);
  Application->ProcessMessages();
  EXPECT_EQ(Editor()->Text(), ">=15");
  EXPECT_FALSE(grid->EditorMode()) << "no cell editor opened";
  Enter();
  EXPECT_EQ(items_->ds()->RecordCount(), 3) << "Amount 15, 16.5 and 18";
}

// The grid told to cancel what the mouse started closes the filter cell's open list too.
TEST_P(FilterEditor, CancelModeSentToTheGridClosesTheFilterList) {
  grid->ShowFilterEditor(3);
  Editor()->SetDroppedDown(true);
  ASSERT_TRUE(Editor()->DroppedDown());
  const String before = Editor()->Text();
  grid->Perform(CM_CANCELMODE, 0, 0);
  EXPECT_FALSE(Editor()->DroppedDown());
  EXPECT_EQ(Editor()->Text(), before) << "nothing chosen";
}

// What is typed is the column's filter as soon as it reads as one; half-typed text waits
// quietly until it is applied or left.
TEST_P(FilterEditor, TypedTextIsTheColumnsFilterAsSoonAsItReads) {
  grid->ShowFilterEditor(2);
  test_input::Type(Editor()->EditControl(), ">=15");
  EXPECT_EQ(grid->FilterText(2), ">= 15");
  test_input::Type(Editor()->EditControl(), " AND");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(grid->FilterText(2), ">= 15") << "the last text that read";
  test_input::Type(Editor()->EditControl(), " <18");
  EXPECT_EQ(grid->FilterText(2), ">= 15 AND < 18");
  grid->ApplyFilter();
  EXPECT_EQ(items_->ds()->RecordCount(), 2) << "Amount 15 and 16.5";
}

// The list is as wide as its widest item, so no command is cut, and its separator is a line.
TEST_P(FilterEditor, TheDroppedListShowsItsWidestItemWholeAndItsSeparatorAsALine) {
  grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
  Code()->Title()->SetTitleButton(true);
  grid->ShowFilterEditor(3);
  Editor()->SetDroppedDown(true);
  TCustomListBox* list = Editor()->ListBox();
  PixelReader picture;
  picture.Make(list->Width(), list->Height());
  list->PaintTo(picture.canvas()->Handle(), 0, 0);
  // Where an item is in the picture, which holds the list's border too.
  TRect frame;
  GetWindowRect(list->Handle(), frame);
  const TPoint client = list->ClientToScreen({0, 0});
  auto itemAt = [&](const String& item) {
    TRect r = list->ItemRect(Editor()->Items()->IndexOf(item));
    OffsetRect(r, client.x - frame.Left, client.y - frame.Top);
    return r;
  };
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(list->Font());
  const TRect widest = itemAt("(Order by descending)");
  const TRect text = picture.InkBounds(clWindow, widest);
  EXPECT_GE(text.Width(), measure.Canvas()->TextWidth("(Order by descending)") - 3) << "not cut";
  EXPECT_LT(text.Right, widest.Right - 1) << "room after it";
  const TRect separator = picture.InkBounds(clWindow, itemAt("-"));
  EXPECT_EQ(separator.Height(), 1) << "a line, not a character";
  EXPECT_GE(separator.Width(), widest.Width() / 2) << "across the list";
  picture.SaveOnFailure();
  Editor()->SetDroppedDown(false);
}

// A column that filters on a key of another table: the list source gives the keys and their
// texts, and the editor shows the key that its text stands for.
TEST_P(FilterEditor, AKeyColumnReadsItsListSourceAndShowsTheKeyOfItsText) {
  TSTColumnFilterEx* filter = grid->Columns()->Items(1)->STFilter();
  filter->SetDataField("ID");
  filter->SetKeyField("ID");
  filter->SetListField("Name");
  filter->SetListSource(listItems_->source());
  ASSERT_EQ(filter->KeyValues()->Count(), 12);
  EXPECT_EQ(filter->KeyValues()->Strings(4), "5");
  ASSERT_EQ(filter->DisplayValues()->Count(), 12);
  EXPECT_EQ(filter->DisplayValues()->Strings(4), "Name5");
  EXPECT_EQ(listItems_->CurrentId(), 1) << "the list data set is left on its first record";
  listItems_->ds()->Close();
  listItems_->ds()->Open();
  EXPECT_EQ(filter->KeyValues()->Count(), 12) << "read again, not added to";
  EXPECT_EQ(grid->Columns()->Items(3)->STFilter()->KeyValues()->Count(), 0) << "Code has no key field";

  grid->ShowFilterEditor(1);
  Type("Name5");
  Enter();
  EXPECT_EQ(items_->ds()->RecordCount(), 1);
  EXPECT_EQ(Editor()->Text(), "Name5");
  EXPECT_EQ(VarToStr(Editor()->Value()), "5");
  test_input::Type(Editor()->EditControl(), "0");
  EXPECT_TRUE(Editor()->Value().IsNull()) << "typed text is no longer that key's";
}

TEST_P(FilterEditor, AValueChosenFromTheListAppliesWhenTheStyleSaysSo) {
  grid->ShowFilterEditor(3);
  Choose("N");
  EXPECT_EQ(Editor()->Text(), "N");
  EXPECT_EQ(items_->ds()->RecordCount(), 12) << "not applied yet";
  DefaultDBGridExStyle()->SetFilterApplyFlags(1);
  Choose("Y");
  EXPECT_EQ(items_->ds()->RecordCount(), 4) << "IDs 1, 4, 7 and 10";
  Editor()->SetDroppedDown(true);
  Key(VK_ESCAPE);
  Key(VK_PRIOR);
  EXPECT_EQ(Editor()->Text(), "Y") << "a key on the closed list chooses nothing";
  items_->ds()->First();
  EXPECT_EQ(items_->CurrentId(), 1) << "the filter applied stays";
  DefaultDBGridExStyle()->SetFilterApplyFlags(0);
}

// The list button of a filter cell is drawn as the grid draws its cell buttons: flat and
// narrow in a flat grid, raised and as wide as a scroll bar otherwise.
TEST_P(FilterEditor, TheListButtonFollowsTheGridsFlatLook) {
  for (const bool flat : {true, false}) {
    grid->SetFlat(flat);
    grid->ShowFilterEditor(3);
    ASSERT_EQ(Editor()->Flat(), flat);
    PixelReader picture;
    picture.Make(Editor()->Width(), Editor()->Height());
    Editor()->PaintTo(picture.canvas()->Handle(), 0, 0);
    // A row above the arrow: the editor's colour up to the button, then the button.
    const int y = 2;
    const int left = Editor()->Width() - (flat ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL));
    const TColor paper = ColorToRGB(Editor()->Color());
    EXPECT_EQ(picture.At(left - 1, y), paper) << "flat " << flat;
    EXPECT_NE(picture.At(left, y), paper) << "flat " << flat;
    EXPECT_EQ(picture.At(left + 1, y) == ColorToRGB(clBtnHighlight), !flat) << "a raised button's lit edge";
    picture.SaveOnFailure();
    grid->CloseFilterEditor();
  }
}

// The editor fills its cell in the filter row's colour, without a frame of its own, and a
// column without a list shows no list button and drops no empty list.
TEST_P(FilterEditor, TheEditorOfAColumnWithoutAListFillsItsCellAndDropsNoList) {
  grid->ShowFilterEditor(2);
  PixelReader picture;
  picture.Make(Editor()->Width(), Editor()->Height());
  Editor()->PaintTo(picture.canvas()->Handle(), 0, 0);
  const TColor paper = ColorToRGB(Editor()->Color());
  const int y = Editor()->Height() / 2;
  for (const int x : {0, Editor()->Width() / 2, Editor()->Width() - 2, Editor()->Width() - 1})
    EXPECT_EQ(picture.At(x, y), paper) << "x " << x;
  picture.SaveOnFailure();
  Key(VK_F4);
  EXPECT_FALSE(Editor()->DroppedDown()) << "no empty list drops";
  Editor()->SetDroppedDown(false);
  Editor()->EditControl()->Perform(WM_SYSKEYDOWN, VK_DOWN, LPARAM{1} << 29);
  EXPECT_FALSE(Editor()->DroppedDown()) << "no empty list drops";
}

// With the list closed, the keys that move through a list choose nothing from the list shown
// last: no value becomes the text and no command runs.
TEST_P(FilterEditor, KeysOnTheClosedListChooseNothing) {
  grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
  Code()->Title()->SetTitleButton(true);
  int sorts = 0;
  grid->OnSortMarkingChanged.Bind(nullptr, "Sort", [&](TObject*) { ++sorts; });
  grid->Columns()->Items(2)->STFilter()->SetExpressionText(">10");
  grid->ShowFilterEditor(3);
  Type("Y");
  Enter();
  ASSERT_EQ(items_->ds()->RecordCount(), 2) << "IDs 7 and 10";
  Editor()->SetDroppedDown(true);
  Editor()->SetDroppedDown(false);
  const std::pair<uint16_t, TShiftState> keys[] = {
      {VK_NEXT, {}}, {VK_PRIOR, {}}, {VK_DOWN, {ssShift}}, {VK_UP, {ssShift}}, {VK_UP, {ssCtrl}},
      {VK_NEXT, {ssShift}}, {VK_NEXT, {ssCtrl}},
  };
  for (const auto& [key, shift] : keys) {
    test_input::Key(Editor()->EditControl(), key, shift);
    EXPECT_EQ(Editor()->Text(), "Y") << "key " << key;
  }
  EXPECT_EQ(sorts, 0);
  EXPECT_EQ(Code()->Title()->SortMarker(), smNoneEx);
  EXPECT_EQ(grid->FilterText(2), "> 10") << "no filter cleared";
  EXPECT_EQ(items_->ds()->RecordCount(), 2);
  Choose("(Order by ascending)");
  EXPECT_EQ(sorts, 1) << "chosen in the list, the command runs";
}

// Text typed in a filter cell stays with its column whatever the program does with the
// columns: moving it, deleting a column before it, or hiding a field before it when the grid
// made its columns from the fields.
TEST_P(FilterEditor, TextTypedForAColumnStaysWithItWhenTheProgramChangesTheColumns) {
  const struct {
    const char* name;
    bool fromFields;
    std::function<void()> change;
  } cases[] = {
      {"moved by the program", false, [&] { grid->Columns()->Items(2)->SetIndex(0); }},
      {"an earlier column deleted", false, [&] { delete grid->Columns()->Items(0); }},
      {"an earlier field hidden", true, [&] { items_->ds()->FieldByName("ID")->SetVisible(false); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.fromFields) grid->Columns()->Clear();
    TColumnEx* amount = grid->Columns()->Items(2);
    ASSERT_EQ(amount->FieldName(), "Amount");
    grid->ShowFilterEditor(2);
    test_input::Type(Editor()->EditControl(), ">=15");
    c.change();
    EXPECT_EQ(grid->FilterEditing()->FilterCol(), amount->Index());
    EXPECT_EQ(Editor()->Left(), grid->CellRect(amount->Index() + grid->IndicatorOffset(), grid->TitleOffset() - 1).Left + 1)
        << "over its column's cell";
    Enter();
    EXPECT_EQ(items_->ds()->RecordCount(), 3) << "Amount 15, 16.5 and 18";
    for (int i = 0; i < grid->Columns()->Count(); ++i)
      EXPECT_EQ(grid->FilterText(i), i == amount->Index() ? ">= 15" : "") << grid->Columns()->Items(i)->FieldName();
    TearDown();
    SetUp();
  }
}

// A memo column's list offers the texts of its values.
TEST_P(FilterEditor, AMemoColumnsListOffersItsTexts) {
  TColumnEx* note = grid->Columns()->Add();
  note->SetFieldName("Note");
  note->STFilter()->SetListSource(listItems_->source());
  grid->ShowFilterEditor(note->Index());
  Editor()->SetDroppedDown(true);
  const std::vector<String> items = ListItems();
  Editor()->SetDroppedDown(false);
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items[0], "note 1");
  EXPECT_EQ(items[11], "note 9");
  Choose("note 5");
  Enter();
  EXPECT_EQ(items_->ds()->RecordCount(), 1);
}

// A filter wider than its cell opens at its start, all of it chosen, ready to be typed over.
TEST_P(FilterEditor, AFilterWiderThanItsCellShowsItsStartWhenEdited) {
  grid->Columns()->Items(0)->SetWidth(60);
  grid->Columns()->Items(0)->STFilter()->SetExpressionText("In (351,744,747,957)");
  grid->ShowFilterEditor(0);
  ASSERT_TRUE(Editor()->Visible());
  EXPECT_EQ(Editor()->EditControl()->SelLength(), Editor()->TextLength()) << "all of it chosen";
  const TPoint first = LParamToPoint(Editor()->EditControl()->Perform(EM_POSFROMCHAR, 0, 0));
  EXPECT_GE(first.x, 0) << "the first character shows";
  EXPECT_LE(first.x, 3);
  PixelReader picture;
  picture.Make(Editor()->Width(), Editor()->Height());
  Editor()->PaintTo(picture.canvas()->Handle(), 0, 0);
  const TRect ink = picture.InkBounds(Editor()->Color());
  EXPECT_LE(ink.Left, 3) << "text from the left edge: " << PixelReader::Describe(ink);
  EXPECT_GT(ink.Width(), Editor()->Width() / 2) << "text across the cell: " << PixelReader::Describe(ink);
  picture.SaveOnFailure();
}

INSTANTIATE_TEST_SUITE_P(Stores, FilterEditor, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
