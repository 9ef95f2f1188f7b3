// The grid over a data set that offers the record-access interface: one row per record, the
// vertical bar scrolls rows, records are fetched as they come into view. No data set of ours
// offers the interface, so a test double over an in-memory data set does.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_scroll_bars.h"
#include "gridlib/grid/mem_table_interface.h"
#include "gridlib/grid/row_source.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/windows/messages.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/painting.h"
#include "platform/windows/keys.h"
#include "platform/windows/scroll_bars.h"

namespace {

bool RowsComeThroughRecordAccess(TCustomDBGridEx* grid) { return grid->RowSource()->RecordAccess() != nullptr; }

// The interface half of the double: answers from its data set and writes down fetches.
class TRecordAccessDouble : public IMemTableEx {
 public:
  explicit TRecordAccessDouble(TDataSet* ds) : ds_(ds) {}
  int FetchRecords(int count) override {
    fetches.push_back(count);
    return ds_->RecordCount();
  }
  int CurrentIndex() override { return current; }
  void SetCurrentIndex(int index) override { current = index; }
  bool NodeExpanded() override { return open.count(Row()) > 0; }
  // Opening a node shows three more records below it; closing hides them.
  void SetNodeExpanded(bool value) override {
    nodeLog += (value ? "+" : "-") + std::to_string(Row()) + " ";
    if (value) open.insert(Row());
    else open.erase(Row());
  }
  bool NodeHasChildren() override { return children; }
  int NodeLevel() override { return level; }
  bool TitleCellActive(int) override { return false; }
  int TreeLevelsShown() override { return 1; }
  void TitleClicked(int) override {}
  void SelectionChanged() override {}
  int RecordCount() override { return ds_->RecordCount() + 3 * static_cast<int>(open.size()); }
  bool TreeViewActive() override { return level > 0; }
  bool HasNextSibling(int) override { return true; }
  bool SortsOnColumn(int) override { return false; }
  bool CanEditColumn(int) override { return true; }
  std::vector<String> ColumnValueList(TColumnEx*) override { return {}; }
  bool MoveRecords(TBookmarkListEx* bookmarks, int toRecNo, int treeLevel, bool checkOnly) override {
    moves += std::to_string(bookmarks->Count()) + (checkOnly ? " may go to " : " go to ") + std::to_string(toRecNo) +
             " at level " + std::to_string(treeLevel) + "; ";
    return true;
  }
  void SelectRow(int row) override {
    rowLog += "S" + std::to_string(row) + " ";
    selected = row;
  }
  void RestoreRow() override {
    rowLog += "R ";
    selected = -1;
  }
  // The record nodes answer for: the row selected for reading, else the current one.
  int Row() const { return selected >= 0 ? selected : current; }

  int current = 0;
  // Every record is a node at this level (0: no tree) that has children or not.
  int level = 0;
  bool children = false;
  std::set<int> open;
  int selected = -1;
  std::string rowLog;
  std::string nodeLog;
  std::vector<int> fetches;
  std::string moves;

 private:
  TDataSet* ds_;
};

class TRecordAccessDataSet : public TMemDataSet {
 public:
  TRecordAccessDataSet() : TMemDataSet(nullptr), access(this) {}
  bool GetInterface(const TGUID& iid, void*& obj) override {
    if (iid == IMemTableEx::IID) {
      obj = static_cast<IMemTableEx*>(&access);
      return true;
    }
    return TMemDataSet::GetInterface(iid, obj);
  }
  TRecordAccessDouble access;
};

class RecordAccessMode : public testing::Test {
 protected:
  void Make(int count) {
    ds_ = std::make_unique<TRecordAccessDataSet>();
    ds_->FieldDefs()->Add("ID", ftInteger);
    ds_->CreateDataSet();
    for (int id = 1; id <= count; ++id) ds_->AppendRecord({Variant(id)});
    ds_->First();
    source_ = std::make_unique<TDataSource>(nullptr);
    source_->SetDataSet(ds_.get());
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, 300, 300);
    grid = new TDBGridEx(form_);
    grid->SetParent(form_);
    grid->SetBounds(0, 0, 260, 200);
    grid->SetDataSource(source_.get());
    form_->Show();
  }
  void TearDown() override {
    delete form_;
    form_ = nullptr;
    source_.reset();
    ds_.reset();
  }
  SCROLLINFO VertScroll() const {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, info);
    return info;
  }
  void ScrollCode(int code, int pos = 0) {
    grid->Perform(WM_VSCROLL, static_cast<WPARAM>((pos << 16) | code), 0);
  }

  TApplicationScope scope_;
  std::unique_ptr<TRecordAccessDataSet> ds_;
  std::unique_ptr<TDataSource> source_;
  TForm* form_ = nullptr;
  TDBGridEx* grid = nullptr;
};

TEST_F(RecordAccessMode, EveryRecordGetsARowAndTheBarScrollsRows) {
  Make(100);
  ASSERT_NE(grid->RecordAccess(), nullptr);
  EXPECT_TRUE(RowsComeThroughRecordAccess(grid));
  EXPECT_EQ(grid->RowCount(), 1 + 100);
  const SCROLLINFO info = VertScroll();
  EXPECT_EQ(info.nMin, 1);
  EXPECT_EQ(info.nMax, 100);
  EXPECT_EQ(info.nPos, 1);
  EXPECT_EQ(static_cast<int>(info.nPage), grid->VisibleRowCount());
}

TEST_F(RecordAccessMode, EmptyDataSetStillShowsOneDataRow) {
  Make(0);
  EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(RecordAccessMode, ScrollCodesMoveTheTopRowWithinTheRecords) {
  Make(100);
  ScrollCode(SB_LINEDOWN);
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(VertScroll().nPos, 2);
  ScrollCode(SB_PAGEDOWN);
  EXPECT_EQ(grid->TopRow(), 2 + grid->VisibleRowCount());
  ScrollCode(SB_BOTTOM);
  const int lastTop = grid->TopRow();
  EXPECT_EQ(lastTop + grid->VisibleRowCount(), grid->RowCount()) << "last row fully in view";
  ScrollCode(SB_LINEDOWN);
  EXPECT_EQ(grid->TopRow(), lastTop);
  ScrollCode(SB_TOP);
  EXPECT_EQ(grid->TopRow(), 1);
  ScrollCode(SB_LINEUP);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(RecordAccessMode, ThumbTrackingMovesOnlyWhenTracking) {
  Make(100);
  grid->VertScrollBar()->SetTracking(false);
  ScrollCode(SB_THUMBTRACK, 30);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->VertScrollBar()->SetTracking(true);
  ScrollCode(SB_THUMBTRACK, 30);
  EXPECT_EQ(grid->TopRow(), 30);
  ScrollCode(SB_THUMBPOSITION, 10);
  EXPECT_EQ(grid->TopRow(), 10);
}

TEST_F(RecordAccessMode, RecordsComingIntoViewAreFetched) {
  Make(100);
  ds_->access.fetches.clear();
  ScrollCode(SB_LINEDOWN);
  ASSERT_FALSE(ds_->access.fetches.empty());
  EXPECT_EQ(ds_->access.fetches.back(), grid->VisibleRowCount()) << "rows below the view";
  ScrollCode(SB_BOTTOM);
  EXPECT_EQ(ds_->access.fetches.back(), 1) << "the last row came into view";
}

TEST_F(RecordAccessMode, CurrentRowFollowsTheCurrentIndex) {
  Make(100);
  ds_->access.current = 5;
  grid->UpdateActive();
  EXPECT_EQ(grid->Row(), 6);
}

TEST_F(RecordAccessMode, FootersLeaveTheModeAndFreeingTheDataSetForgetsIt) {
  Make(100);
  grid->SetFooterRowCount(1);
  EXPECT_FALSE(RowsComeThroughRecordAccess(grid));
  EXPECT_LT(grid->RowCount(), 1 + 100) << "rows follow the data link's buffer again";
  grid->SetFooterRowCount(0);
  EXPECT_EQ(grid->RowCount(), 1 + 100);
  source_->SetDataSet(nullptr);
  EXPECT_EQ(grid->RecordAccess(), nullptr);
}

TEST_F(RecordAccessMode, AGridNotAllowedTheInterfaceLeavesIt) {
  Make(100);
  grid->SetRecordAccessAllowed(false);
  EXPECT_EQ(grid->RecordAccess(), nullptr);
  EXPECT_LT(grid->RowCount(), 1 + 100) << "rows follow the data link's buffer";
  grid->SetRecordAccessAllowed(true);
  EXPECT_TRUE(RowsComeThroughRecordAccess(grid));
  EXPECT_EQ(grid->RowCount(), 1 + 100);
}

// Switched while open between a plain data set and one that lends the interface, the grid
// takes the rows, the bar, the scroll codes and the wheel of the data set it shows now.
TEST_F(RecordAccessMode, SwitchingDataSetsWhileOpenSwitchesHowRowsScroll) {
  Make(100);
  TMemDataSet plain(nullptr);
  plain.FieldDefs()->Add("ID", ftInteger);
  plain.CreateDataSet();
  for (int id = 1; id <= 50; ++id) plain.AppendRecord({Variant(id)});
  plain.First();
  const LPARAM at = MakeLParam(10, 10);
  const auto wheelDown = [&] { grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(-WHEEL_DELTA)), at); };

  source_->SetDataSet(&plain);
  EXPECT_FALSE(RowsComeThroughRecordAccess(grid));
  EXPECT_LT(grid->RowCount(), 1 + 50) << "the data link's buffer";
  wheelDown();
  EXPECT_EQ(plain.RecNo(), 2) << "the wheel moves the cursor";
  ScrollCode(SB_BOTTOM);
  EXPECT_EQ(plain.RecNo(), 50) << "so does the bar";
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->Row(), 1 + grid->DataLink()->ActiveRecord());
  EXPECT_EQ(VertScroll().nPos, 50);

  source_->SetDataSet(ds_.get());
  ds_->First();
  EXPECT_TRUE(RowsComeThroughRecordAccess(grid));
  EXPECT_EQ(grid->RowCount(), 1 + 100);
  ScrollCode(SB_LINEDOWN);
  wheelDown();
  EXPECT_EQ(grid->TopRow(), 3) << "the bar and the wheel scroll the view";
  EXPECT_EQ(ds_->RecNo(), 1);
  EXPECT_EQ(VertScroll().nPos, 3);
  EXPECT_EQ(VertScroll().nMax, 100);
  ds_->access.current = 7;
  grid->UpdateActive();
  EXPECT_EQ(grid->Row(), 8);

  source_->SetDataSet(&plain);
  EXPECT_FALSE(RowsComeThroughRecordAccess(grid));
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->Row(), 1 + grid->DataLink()->ActiveRecord()) << "on the record it left";
  ScrollCode(SB_TOP);
  wheelDown();
  EXPECT_EQ(plain.RecNo(), 2);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(VertScroll().nPos, 2);
  source_->SetDataSet(nullptr);
}

TEST_F(RecordAccessMode, RowsOnScreenAreReadThroughTheInterfaceOneAtATime) {
  Make(100);
  ScrollCode(SB_LINEDOWN);
  ScrollCode(SB_LINEDOWN);
  const int visible = grid->VisibleRowCount();
  EXPECT_EQ(grid->ReadableDataRows(), std::make_pair(2, 2 + visible));
  EXPECT_EQ(grid->DataRowRecNo(2), 3);
  EXPECT_EQ(grid->DataRowRecNo(1 + visible), 2 + visible);
  EXPECT_EQ(grid->DataRowRecNo(1), 0) << "above the view";
  EXPECT_EQ(grid->DataRowRecNo(2 + visible), 0) << "below the view";
  ds_->access.rowLog.clear();
  try {
    DataRowReader reader(grid);
    reader.Select(2);
    reader.Select(3);
    throw std::runtime_error("reading failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(ds_->access.rowLog, "S2 R S3 R ") << "each row is given back, also on failure";
}

TEST_F(RecordAccessMode, TheCurrentRowIsTheInterfacesCurrentRecord) {
  Make(100);
  ds_->access.current = 7;
  EXPECT_EQ(grid->CurrentDataRow(), 7);
  EXPECT_EQ(grid->CurrentGridRow(), 8);
  grid->SetFooterRowCount(1);
  EXPECT_EQ(grid->CurrentDataRow(), grid->DataLink()->ActiveRecord()) << "the data link again";
}

TEST_F(RecordAccessMode, TreeRecordsAreIndentedWithTheirLinesAndDoubleBuffered) {
  Make(20);
  ds_->access.level = 2;
  ds_->access.children = true;
  grid->Invalidate();
  EXPECT_TRUE(grid->NeedsDoubleBuffer()) << "a tree with row lines";
  UpdateWindow(form_->Handle());
  TBitmap picture;
  picture.SetSize(grid->Width(), grid->Height());
  grid->PaintTo(picture.Canvas()->Handle(), 0, 0);
  const TRect cell = grid->CellRect(1, 2);
  int ink = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y) {
    for (int x = cell.Left; x < cell.Left + 36; ++x) ink += picture.Canvas()->Pixels(x + 2, y + 2) == clBlack ? 1 : 0;
  }
  EXPECT_GT(ink, 10) << "the ancestor's line and the node's box";
  int text = 0;
  for (int y = cell.Top; y < cell.Bottom; ++y) {
    for (int x = cell.Left + 36; x < cell.Right; ++x) text += picture.Canvas()->Pixels(x + 2, y + 2) == clBlack ? 1 : 0;
  }
  EXPECT_GT(text, 3) << "the text after the indent";
}

// The row line under the tree steps the next row shares takes the grid colour; past the
// indent, and under the last row, it stays a line.
TEST_F(RecordAccessMode, TheTreeRunsOnIntoTheNextRowOverTheRowLine) {
  Make(20);
  ds_->access.level = 2;
  grid->Invalidate();
  UpdateWindow(form_->Handle());
  TBitmap picture;
  picture.SetSize(grid->Width(), grid->Height());
  grid->PaintTo(picture.Canvas()->Handle(), 0, 0);
  const TRect cell = grid->CellRect(1, 2);
  const auto lineAt = [&](int x) { return ColorToRGB(picture.Canvas()->Pixels(x + 2, cell.Bottom + 2)); };
  EXPECT_EQ(lineAt(cell.Left + 9), ColorToRGB(grid->Color())) << "under the first step";
  EXPECT_EQ(lineAt(cell.Left + 27), ColorToRGB(grid->Color())) << "under the second step";
  EXPECT_NE(lineAt(cell.Left + 45), ColorToRGB(grid->Color())) << "past the indent the row line stays";
}

TEST_F(RecordAccessMode, TheWheelScrollsTheViewAndShiftMovesTheCursor) {
  Make(60);
  const int top = grid->TopRow();
  const LPARAM at = MakeLParam(10, 10);
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(-WHEEL_DELTA)), at);
  EXPECT_EQ(grid->TopRow(), top + 1);
  EXPECT_EQ(ds_->RecNo(), 1) << "the cursor stays";
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(MK_SHIFT, static_cast<uint16_t>(-WHEEL_DELTA)), at);
  EXPECT_EQ(ds_->RecNo(), 2);
}

// In a tree of records the number-pad keys open and close the current record's node; they
// never start an edit.
TEST_F(RecordAccessMode, NumberPadKeysOpenAndCloseTheCurrentNode) {
  Make(60);
  ds_->access.level = 1;
  ds_->access.children = true;
  grid->SetFocus();
  ds_->access.current = 3;
  const struct {
    uint16_t key;
    const char* log;
  } cases[] = {
      {VK_ADD, "+3 "}, {VK_ADD, ""}, {VK_SUBTRACT, "-3 "}, {VK_SUBTRACT, ""}, {VK_MULTIPLY, "+3 "}, {VK_MULTIPLY, "-3 "},
  };
  for (const auto& c : cases) {
    ds_->access.nodeLog.clear();
    grid->Perform(WM_KEYDOWN, c.key, 0);
    EXPECT_EQ(ds_->access.nodeLog, c.log) << "key " << c.key;
  }
  for (char16_t ch : {u'+', u'-', u'*'}) grid->Perform(WM_CHAR, ch, 0);
  EXPECT_FALSE(grid->InplaceEditorShowing()) << "a node key starts no edit";
  ds_->access.level = 0;
  ds_->access.nodeLog.clear();
  grid->Perform(WM_KEYDOWN, VK_ADD, 0);
  EXPECT_EQ(ds_->access.nodeLog, "") << "records that are no tree have no nodes";
}

// A press on a node's button, the last step of a row's indent, opens or closes that row's
// node and the view keeps its top row; a press on the lines before it does nothing; right of
// the indent it is a press on the cell.
TEST_F(RecordAccessMode, ANodeButtonPressTogglesThatRowsNodeAndKeepsTheView) {
  Make(60);
  ds_->access.level = 2;
  ds_->access.children = true;
  grid->SetFocus();
  ScrollCode(SB_LINEDOWN);
  ScrollCode(SB_LINEDOWN);
  const int top = grid->TopRow();
  const int rows = grid->RowCount();
  const TRect cell = grid->CellRect(1, top + 1);
  const auto press = [&](int x) {
    const LPARAM at = MakeLParam(x, (cell.Top + cell.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
  };
  const int row = top + 1 - grid->FixedRows();
  press(cell.Left + 27);
  EXPECT_EQ(ds_->access.nodeLog, "+" + std::to_string(row) + " ");
  EXPECT_EQ(grid->RowCount(), rows + 3) << "the opened node's records get rows";
  EXPECT_EQ(grid->TopRow(), top);
  press(cell.Left + 5);
  EXPECT_EQ(ds_->access.nodeLog, "+" + std::to_string(row) + " ") << "the ancestor's line is no button";
  press(cell.Left + 27);
  EXPECT_EQ(grid->RowCount(), rows);
  EXPECT_EQ(grid->TopRow(), top);
  ds_->access.nodeLog.clear();
  press(cell.Left + 50);
  EXPECT_EQ(ds_->access.nodeLog, "") << "past the indent the cell is pressed";
}

TEST_F(RecordAccessMode, PageDownAsksForTheRecordsItReachesFirst) {
  Make(30);
  grid->SetFocus();
  ds_->access.current = 28;
  ds_->access.fetches.clear();
  grid->Perform(WM_KEYDOWN, VK_NEXT, 0);
  ASSERT_FALSE(ds_->access.fetches.empty());
  EXPECT_EQ(ds_->access.fetches.front(), grid->VisibleDataRowCount() - 1) << "a page past the last record but one";
}

TEST_F(RecordAccessMode, DraggedRecordsGoThroughTheInterfaceToTheRecordAndLevelOfTheirRow) {
  Make(20);
  ds_->access.level = 2;
  grid->SetOptionsEx(grid->OptionsEx() + dghRecordMoving);
  auto indicator = [&](int row) {
    const TRect r = grid->CellRect(0, row);
    return MakeLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, indicator(3));
  ASSERT_EQ(grid->Input()->State(), gisDraggingRecords);
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, indicator(6));
  grid->Perform(WM_LBUTTONUP, 0, indicator(6));
  EXPECT_EQ(ds_->access.moves, "1 may go to 6 at level 2; 1 go to 6 at level 2; ");
}

TEST_F(RecordAccessMode, FreeingTheDataSetLeavesTheModeAtOnce) {
  Make(100);
  ds_.reset();
  EXPECT_EQ(grid->RecordAccess(), nullptr);
  EXPECT_FALSE(RowsComeThroughRecordAccess(grid));
  EXPECT_EQ(grid->RowCount(), 2);
}

// Another control on the same data source: writes down whether it heard the cursor scroll
// through the records between or the data set change as a whole.
class THeardMoves : public TDataLink {
 public:
  std::string heard;

 protected:
  void DataSetChanged() override { heard += "change "; }
  void DataSetScrolled(int) override { heard += "scroll "; }
};

// Over the record-access interface the grid's link reaches a record by its number at once;
// single steps, moves past the end and grids with footers step through the records.
TEST_F(RecordAccessMode, TheLinkJumpsToARecordByNumberOverTheInterface) {
  const struct {
    int footers, from, distance;
    int moved, recNo;
    const char* heard;
  } cases[] = {
      {0, 1, 5, 5, 6, "change "},
      {0, 10, -4, -4, 6, "change "},
      {0, 10, 1, 1, 11, "scroll "},
      {0, 95, 10, 5, 100, "scroll "},
      {1, 1, 5, 5, 6, "scroll "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.footers) + " footers, " + std::to_string(c.distance) + " from " +
                 std::to_string(c.from));
    Make(100);
    grid->SetFooterRowCount(c.footers);
    ds_->SetRecNo(c.from);
    THeardMoves other;
    other.SetBufferCount(3);
    other.SetDataSource(source_.get());
    EXPECT_EQ(grid->DataLink()->MoveBy(c.distance), c.moved);
    EXPECT_EQ(ds_->RecNo(), c.recNo);
    EXPECT_EQ(other.heard, c.heard);
    other.SetDataSource(nullptr);
    TearDown();
  }
}

}  // namespace
