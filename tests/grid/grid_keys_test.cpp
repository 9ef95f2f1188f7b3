// The grid's keyboard, driven by key messages over both stores: moving the data set's cursor,
// extending the record selection, inserting, appending, cancelling and deleting records, the
// columns, and the keys handed to the editing side.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

constexpr int kItems = 60;

class GridKeys : public GridInForm {
 protected:
  void SetUp() override {
    Make(kItems);
    grid->SetFocus();
  }
  void TearDown() override {
    ResetKeyState();
    GridInForm::TearDown();
  }
  void Key(uint16_t vk, TShiftState shift = {}) {
    SetKeyDown(VK_SHIFT, shift.Contains(ssShift));
    SetKeyDown(VK_CONTROL, shift.Contains(ssCtrl));
    grid->Perform(WM_KEYDOWN, vk, 1);
    grid->Perform(WM_KEYUP, vk, 1);
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
  }
  int Page() { return grid->VisibleDataRowCount(); }
  int FirstShownId() { return items_->CurrentId() - grid->DataLink()->ActiveRecord(); }
  TDataSet* ds() { return items_->ds(); }

  // The grid's shortcut keys are set when the library starts.
  GridLibraryScope library_;
};

// Where the cursor goes from a starting record, for each moving key.
struct MoveCase {
  const char* name;
  int startId;
  uint16_t key;
  TShiftState shift;
  // The expected ID; kPage/kFirstShown/kLastShown stand for what the window shows.
  int expected;
};
constexpr int kPageDown = -100;
constexpr int kPageUp = -101;
constexpr int kFirstShown = -102;
constexpr int kLastShown = -103;

class GridMoveKeys : public GridKeys {};

TEST_P(GridMoveKeys, KeysMoveTheDataSetsCursor) {
  const std::vector<MoveCase> cases = {
      {"Down", 5, VK_DOWN, {}, 6},
      {"Up", 5, VK_UP, {}, 4},
      {"UpAtFirst", 1, VK_UP, {}, 1},
      {"PageDown", 1, VK_NEXT, {}, kPageDown},
      {"PageUp", 40, VK_PRIOR, {}, kPageUp},
      {"CtrlHome", 30, VK_HOME, {ssCtrl}, 1},
      {"CtrlEnd", 3, VK_END, {ssCtrl}, kItems},
      {"CtrlPageUp", 30, VK_PRIOR, {ssCtrl}, kFirstShown},
      {"CtrlUp", 30, VK_UP, {ssCtrl}, kFirstShown},
      {"CtrlPageDown", 30, VK_NEXT, {ssCtrl}, kLastShown},
      {"CtrlDown", 30, VK_DOWN, {ssCtrl}, kLastShown},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    items_->GotoId(c.startId);
    const int first = FirstShownId();
    const int last = first + grid->DataLink()->RecordCount() - 1;
    int expected = c.expected;
    if (expected == kPageDown) expected = c.startId + Page();
    if (expected == kPageUp) expected = c.startId - Page();
    if (expected == kFirstShown) expected = first;
    if (expected == kLastShown) expected = last;
    Key(c.key, c.shift);
    EXPECT_EQ(items_->CurrentId(), expected);
    EXPECT_EQ(grid->Row(), grid->TitleOffset() + grid->DataLink()->ActiveRecord()) << "the current row follows";
  }
}

TEST_P(GridMoveKeys, HomeAndEndMoveRecordsWithWholeRowsAndColumnsOtherwise) {
  items_->GotoId(20);
  grid->SetCol(3);
  Key(VK_HOME);
  EXPECT_EQ(grid->Col(), 1);
  Key(VK_END);
  EXPECT_EQ(grid->Col(), grid->ColCount() - 1);
  EXPECT_EQ(items_->CurrentId(), 20);

  grid->SetOptions(grid->Options() + dgRowSelect);
  Key(VK_HOME);
  EXPECT_EQ(items_->CurrentId(), 1);
  Key(VK_END);
  EXPECT_EQ(items_->CurrentId(), kItems);
}

TEST_P(GridMoveKeys, ArrowsAndTabWalkTheColumnsAndWrapIntoTheNeighbouringRecords) {
  items_->GotoId(10);
  grid->SetCol(1);
  Key(VK_RIGHT);
  EXPECT_EQ(grid->Col(), 2);
  Key(VK_LEFT);
  EXPECT_EQ(grid->Col(), 1);
  Key(VK_RIGHT, {ssCtrl});
  EXPECT_EQ(grid->Col(), grid->ColCount() - 1);
  Key(VK_LEFT, {ssCtrl});
  EXPECT_EQ(grid->Col(), 1);

  Key(VK_TAB, {ssShift});
  EXPECT_EQ(items_->CurrentId(), 9) << "Shift+Tab on the first column goes to the previous record";
  EXPECT_EQ(grid->Col(), grid->ColCount() - 1) << "... and its last column";
  Key(VK_TAB);
  EXPECT_EQ(items_->CurrentId(), 10);
  EXPECT_EQ(grid->Col(), 1);

  grid->SetBiDiMode(bdRightToLeft);
  Key(VK_LEFT);
  EXPECT_EQ(grid->Col(), 2) << "right to left, Left goes on to the next column";
}

TEST_P(GridMoveKeys, ShiftExtendsTheRecordSelectionAndGoingBackUndoesIt) {
  grid->SetOptions(grid->Options() + dgMultiSelect + dgRowSelect);
  items_->GotoId(5);
  Key(VK_DOWN, {ssShift});
  Key(VK_DOWN, {ssShift});
  Key(VK_DOWN, {ssShift});
  Key(VK_UP, {ssShift});
  EXPECT_EQ(items_->CurrentId(), 7);
  EXPECT_EQ(grid->SelectedRows()->Count(), 3) << "the anchor and two more";
  Key(VK_DOWN);
  EXPECT_EQ(grid->SelectedRows()->Count(), 0) << "a plain move clears the selection";
}

TEST_P(GridMoveKeys, DownOnTheLastRecordAppendsWhereAllowedAndUpCancelsTheEmptyRecord) {
  const int before = ds()->RecordCount();
  items_->GotoId(kItems);
  Key(VK_DOWN);
  EXPECT_EQ(ds()->State(), dsInsert);
  Key(VK_UP);
  EXPECT_EQ(ds()->State(), dsBrowse);
  EXPECT_EQ(ds()->RecordCount(), before);
  EXPECT_EQ(items_->CurrentId(), kItems);

  const struct {
    const char* name;
    std::function<void()> deny;
  } denials[] = {
      {"no dgEditing", [&] { grid->SetOptions(grid->Options() - dgEditing); }},
      {"no alopAppendEx", [&] { grid->SetAllowedOperations(grid->AllowedOperations() - alopAppendEx); }},
      {"ReadOnly", [&] { grid->SetReadOnly(true); }},
  };
  for (const auto& d : denials) {
    SCOPED_TRACE(d.name);
    grid->SetOptions(grid->Options() + dgEditing);
    grid->SetAllowedOperations(grid->AllowedOperations() + alopAppendEx);
    grid->SetReadOnly(false);
    d.deny();
    Key(VK_DOWN);
    EXPECT_EQ(ds()->State(), dsBrowse);
  }
}

// Up on an untouched new record among the others drops it and goes on to the record above;
// on one appended at the end it only drops it, and Down there leaves it be.
TEST_P(GridMoveKeys, UpLeavesAnUntouchedNewRecordAsItStands) {
  const int before = ds()->RecordCount();
  items_->GotoId(10);
  Key(VK_INSERT);
  ASSERT_EQ(ds()->State(), dsInsert);
  Key(VK_UP);
  EXPECT_EQ(ds()->State(), dsBrowse);
  EXPECT_EQ(ds()->RecordCount(), before);
  EXPECT_EQ(items_->CurrentId(), 9);

  grid->SetAllowedOperations(grid->AllowedOperations() - alopInsertEx);
  items_->GotoId(10);
  Key(VK_INSERT);
  ASSERT_EQ(ds()->State(), dsInsert) << "appended";
  Key(VK_DOWN);
  EXPECT_EQ(ds()->State(), dsInsert) << "the appended record is the last";
  Key(VK_UP);
  EXPECT_EQ(ds()->State(), dsBrowse);
  EXPECT_EQ(ds()->RecordCount(), before);
  EXPECT_EQ(items_->CurrentId(), kItems);
}

TEST_P(GridMoveKeys, InsertStartsARecordEscapeCancelsItAndCtrlDeleteDeletes) {
  items_->GotoId(10);
  const int before = ds()->RecordCount();
  Key(VK_INSERT);
  EXPECT_EQ(ds()->State(), dsInsert);
  Key(VK_ESCAPE);
  EXPECT_EQ(ds()->State(), dsBrowse);
  EXPECT_EQ(ds()->RecordCount(), before);

  grid->SetOptions(grid->Options() - dgConfirmDelete);
  items_->GotoId(10);
  Key(VK_DELETE, {ssCtrl});
  EXPECT_EQ(ds()->RecordCount(), before - 1);
  EXPECT_FALSE(ds()->Locate("ID", Variant(10), {}));

  grid->SetReadOnly(true);
  Key(VK_DELETE, {ssCtrl});
  EXPECT_EQ(ds()->RecordCount(), before - 1) << "a read-only grid deletes nothing";
}

TEST_P(GridMoveKeys, SpaceTogglesACheckBoxCellAndDeleteEmptiesIt) {
  grid->Columns()->Items(3)->SetCheckboxes(true);
  items_->GotoId(3);
  grid->SetCol(4);
  TField* flag = ds()->FieldByName("Flag");
  ASSERT_TRUE(flag->AsBoolean());
  grid->Perform(WM_CHAR, ' ', 1);
  EXPECT_FALSE(flag->AsBoolean());
  EXPECT_FALSE(grid->EditorMode()) << "the space does not open the editor";
  grid->Perform(WM_CHAR, ' ', 1);
  EXPECT_TRUE(flag->AsBoolean());
  Key(VK_DELETE);
  EXPECT_TRUE(flag->IsNull());

  grid->Columns()->Items(3)->SetReadOnly(true);
  ds()->Cancel();
  Key(VK_DELETE);
  EXPECT_FALSE(flag->IsNull()) << "a read-only column keeps its value";
}

TEST_P(GridMoveKeys, F2OpensTheEditor) {
  items_->GotoId(3);
  grid->SetCol(2);
  Key(VK_F2);
  EXPECT_TRUE(grid->EditorMode());
}

// The editing side as the keys reach it: which action each Ctrl key asks for.
class RecordingEditKeys : public TDBGridExEditKeys {
 public:
  explicit RecordingEditKeys(std::vector<std::string>* log) : log_(log) {}
  bool ExecuteAction(TDBGridExEditAction action) override {
    log_->push_back("action " + GetEnumInfo(action).Name(action));
    return true;
  }
  void CopyFromPreviousRecord() override { log_->push_back("copy above"); }
  bool SearchKeyDown(uint16_t& key, TShiftState) override {
    if (key != VK_BACK) return false;
    log_->push_back("search key");
    return true;
  }

 private:
  std::vector<std::string>* log_;
};

TEST_P(GridMoveKeys, CtrlKeysRunTheEditActions) {
  std::vector<std::string> log;
  grid->Input()->SetEditKeys(std::make_unique<RecordingEditKeys>(&log));
  const struct {
    uint16_t key;
    TShiftState shift;
    const char* expected;
  } cases[] = {
      {'C', {ssCtrl}, "action geaCopyEx"},
      {VK_INSERT, {ssCtrl}, "action geaCopyEx"},
      {'X', {ssCtrl}, "action geaCutEx"},
      {VK_DELETE, {ssShift}, "action geaCutEx"},
      {'V', {ssCtrl}, "action geaPasteEx"},
      {VK_INSERT, {ssShift}, "action geaPasteEx"},
      {'A', {ssCtrl}, "action geaSelectAllEx"},
      {222, {ssCtrl}, "copy above"},
      {VK_BACK, {}, "search key"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    log.clear();
    Key(c.key, c.shift);
    EXPECT_EQ(log, (std::vector<std::string>{c.expected}));
  }
}

// The grid's own editing side behind the keys: Ctrl+A selects everything, and with the search
// option typing finds a record without opening the editor.
TEST_P(GridMoveKeys, CtrlASelectsAllAndTypingSearches) {
  grid->SetEditActions({geaSelectAllEx, geaCopyEx});
  grid->SetOptions(grid->Options() + dgMultiSelect);
  Key('A', {ssCtrl});
  EXPECT_EQ(grid->Selection()->SelectionType(), gstAll);

  grid->SetOptionsEx(grid->OptionsEx() + dghPreferIncSearch);
  grid->SetCol(2);
  items_->GotoId(1);
  for (char16_t ch : std::u16string(u"Name17")) grid->Perform(WM_CHAR, ch, 1);
  EXPECT_EQ(items_->CurrentId(), 17);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_TRUE(grid->IncSearchActive());
  Key(VK_ESCAPE);
  EXPECT_FALSE(grid->IncSearchActive());
}

INSTANTIATE_TEST_SUITE_P(Stores, GridMoveKeys, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
