// The filter row under the titles: its settings, how they are streamed and copied, the room
// the row takes in the grid's layout, how its cells are classified, and the lock that keeps
// the filter editor in place while a column moves.
#include <gtest/gtest.h>

#include "gridlib/grid/columns.h"
#include "platform/core/exceptions.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/grid/grid_stream_support.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

// The message `action` raises, or "" when it raises nothing.
template <typename F>
std::string RaisedMessage(F action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

TEST(GridFilterSettings, ANewGridHasItsOwnHiddenFilterRow) {
  TDBGridEx grid(nullptr);
  TSTDBGridExFilter* filter = grid.STFilter();
  ASSERT_NE(filter, nullptr);
  EXPECT_FALSE(filter->Visible());
  EXPECT_FALSE(filter->Local());
  EXPECT_FALSE(filter->PlacementLocked());
  EXPECT_EQ(filter->GetOwner(), &grid);
  EXPECT_FALSE(grid.STFilterVisible());
  EXPECT_EQ(grid.TitleRowCount(), 1) << "the title row only";
  filter->SetVisible(true);
  EXPECT_TRUE(grid.STFilterVisible());
  EXPECT_EQ(grid.TitleRowCount(), 2);
  grid.SetOptions(grid.Options() - dgTitles);
  EXPECT_EQ(grid.TitleRowCount(), 1) << "the filter row alone";
}

TEST(GridFilterSettings, OnlyChangedSettingsAreStreamedAndReadBack) {
  TDBGridEx grid(nullptr);
  grid.SetName("DBGridEx1");
  EXPECT_EQ(ComponentAsText(&grid).find("STFilter"), String::npos) << ComponentAsText(&grid);

  grid.STFilter()->SetLocal(true);
  String text = ComponentAsText(&grid);
  EXPECT_NE(text.find("STFilter.Local = True"), String::npos) << text;
  EXPECT_EQ(text.find("STFilter.Visible"), String::npos) << text;

  grid.STFilter()->SetVisible(true);
  text = ComponentAsText(&grid);
  EXPECT_NE(text.find("STFilter.Visible = True"), String::npos) << text;

  TDBGridEx copy(nullptr);
  CopyByStream(&grid, &copy);
  EXPECT_TRUE(copy.STFilter()->Visible());
  EXPECT_TRUE(copy.STFilter()->Local());
  EXPECT_EQ(copy.FixedRows(), 2) << "laid out with the filter row once loaded";

  grid.STFilter()->SetLocal(false);
  TDBGridEx visibleOnly(nullptr);
  CopyByStream(&grid, &visibleOnly);
  EXPECT_TRUE(visibleOnly.STFilter()->Visible());
  EXPECT_FALSE(visibleOnly.STFilter()->Local());
}

TEST(GridFilterSettings, AssignCopiesVisibleAndLocalIntoTheGridsOwnObject) {
  TSTDBGridExFilter source(nullptr);
  source.SetVisible(true);
  source.SetLocal(true);
  source.LockPlacement();
  TDBGridEx grid(nullptr);
  grid.SetSTFilter(&source);
  EXPECT_NE(grid.STFilter(), &source);
  EXPECT_TRUE(grid.STFilter()->Visible());
  EXPECT_TRUE(grid.STFilter()->Local());
  EXPECT_FALSE(grid.STFilter()->PlacementLocked()) << "a lock belongs to the grid that holds it";
  EXPECT_EQ(grid.FixedRows(), 2) << "the copied Visible lays the grid out";
  source.SetVisible(false);
  EXPECT_TRUE(grid.STFilter()->Visible()) << "a copy, not a shared object";

  TDBGridEx other(nullptr);
  other.SetSTFilter(grid.STFilter());
  EXPECT_TRUE(other.STFilter()->Visible());
  EXPECT_TRUE(other.STFilter()->Local());
  TSTDBGridExFilter plain(nullptr);
  other.SetSTFilter(&plain);
  EXPECT_FALSE(other.STFilter()->Visible());
  EXPECT_FALSE(other.STFilter()->Local());
}

TEST(GridFilterSettings, AssigningAnythingElseRaisesAndChangesNothing) {
  TDBGridEx grid(nullptr);
  grid.STFilter()->SetVisible(true);
  EXPECT_EQ(RaisedMessage([&] { grid.SetSTFilter(nullptr); }),
            "Cannot assign a nil to a TSTDBGridExFilter");
  TFont font;
  EXPECT_EQ(RaisedMessage([&] { grid.STFilter()->Assign(&font); }),
            "Cannot assign a TFont to a TSTDBGridExFilter");
  EXPECT_THROW(grid.STFilter()->Assign(grid.HorzScrollBar()), EConvertError);
  EXPECT_TRUE(grid.STFilter()->Visible());
}

TEST(GridFilterSettings, PlacementLockCountsNestedHoldersAndNeverGoesBelowZero) {
  TSTDBGridExFilter filter(nullptr);
  filter.UnlockPlacement();
  EXPECT_FALSE(filter.PlacementLocked());
  {
    STFilterPlacementLock outer(&filter);
    {
      STFilterPlacementLock inner(&filter);
    }
    EXPECT_TRUE(filter.PlacementLocked()) << "the outer holder still holds it";
  }
  EXPECT_FALSE(filter.PlacementLocked());
  filter.UnlockPlacement();
  filter.LockPlacement();
  EXPECT_TRUE(filter.PlacementLocked()) << "an unlock too many is not kept for later";
}

// A grid whose columns the test can drag as the user would.
class TMovableGrid : public TDBGridEx {
 public:
  using TDBGridEx::TDBGridEx;
  using TCustomGrid::MoveColumn;
};

TEST(GridFilterPlacement, ColumnMoveHoldsTheLockAndReleasesItWhenTheHandlerThrows) {
  TMovableGrid grid(nullptr);
  for (const char* name : {"A", "B", "C"}) grid.Columns()->Add()->SetFieldName(name);
  grid.SetColCount(4);
  bool lockedInHandler = false;
  grid.OnColumnMoved.Bind(nullptr, "", [&](TObject*, int, int) {
    lockedInHandler = grid.STFilter()->PlacementLocked();
    throw Exception("handler failed");
  });
  EXPECT_THROW(grid.MoveColumn(1, 3), Exception);
  EXPECT_TRUE(lockedInHandler);
  EXPECT_FALSE(grid.STFilter()->PlacementLocked());
  EXPECT_EQ(grid.Columns()->Items(2)->FieldName(), "A") << "the column moved before the handler ran";

  grid.OnColumnMoved = nullptr;
  grid.STFilter()->LockPlacement();
  grid.MoveColumn(1, 2);
  EXPECT_TRUE(grid.STFilter()->PlacementLocked()) << "a lock taken outside the move stays held";
  grid.STFilter()->UnlockPlacement();
  EXPECT_FALSE(grid.STFilter()->PlacementLocked());
}

TEST(GridFilterCells, TheFilterRowLiesBetweenTitlesAndData) {
  TDBGridEx grid(nullptr);
  for (int i = 0; i < 3; ++i) grid.Columns()->Add();
  // Settings first: each lays the grid out again, and the shape below is made by hand.
  grid.SetFooterRowCount(2);
  grid.STFilter()->SetVisible(true);
  grid.SetColCount(4);
  grid.SetRowCount(9);
  struct Expected {
    int row, kind, dataRow;
  };
  const Expected rows[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {5, 2, 3}, {6, 3, 0}, {7, 4, 1}, {8, 4, 2}};
  for (const Expected& e : rows) {
    const TDBGridExCellType t = grid.GetCellType(2, e.row);
    EXPECT_EQ(t.RowKind, e.kind) << "row " << e.row;
    EXPECT_EQ(t.DataRow, e.dataRow) << "row " << e.row;
    EXPECT_EQ(t.ColKind, 1);
    EXPECT_EQ(t.DataCol, 1);
  }
  EXPECT_EQ(grid.GetCellType(0, 1).ColKind, 0) << "the indicator cell of the filter row";
  for (int row : {9, -1}) {
    EXPECT_EQ(RaisedMessage([&] { grid.GetCellType(1, row); }),
              "Algorithm error in TCustomDBGridEx.GetCellType")
        << "row " << row;
  }

  grid.SetOptions(grid.Options() - dgTitles);
  grid.SetFooterRowCount(0);
  grid.SetRowCount(4);
  const TDBGridExCellType filter = grid.GetCellType(1, 0);
  EXPECT_EQ(filter.RowKind, 1) << "without titles the filter row comes first";
  EXPECT_EQ(filter.DataRow, 0);
  const TDBGridExCellType data = grid.GetCellType(1, 1);
  EXPECT_EQ(data.RowKind, 2);
  EXPECT_EQ(data.DataRow, 0);
  EXPECT_EQ(grid.GetCellType(1, 3).DataRow, 2);
  EXPECT_THROW(grid.GetCellType(1, 4), Exception);
}

class GridFilterRow : public GridInForm {
 protected:
  // Height of the title row with its line, 0 without titles.
  int TitleHeight() const {
    return grid->Options().Contains(dgTitles) ? grid->RowHeights(0) + grid->GridLineWidth() : 0;
  }
  // Height the footers take with their line, 0 without footers.
  int FooterHeight() const {
    const int footers = grid->FooterRowCount();
    return footers > 0 ? footers * Pitch() + grid->GridLineWidth() : 0;
  }
};

// Showing the filter row takes one data row's room, with or without titles and footers.
TEST_P(GridFilterRow, ShowingTheRowTakesOneDataRowFromTheWindow) {
  struct Shape {
    bool titles;
    int footers;
  };
  for (const Shape shape : {Shape{true, 0}, {false, 0}, {true, 2}, {false, 1}}) {
    SCOPED_TRACE(testing::Message() << "titles " << shape.titles << ", footers " << shape.footers);
    Make(1000, 400, 300);
    if (!shape.titles) grid->SetOptions(grid->Options() - dgTitles);
    grid->SetFooterRowCount(shape.footers);
    const int titleRows = shape.titles ? 1 : 0;
    const int footerRows = shape.footers > 0 ? shape.footers + 1 : 0;
    const int before = grid->DataLink()->BufferCount();
    ASSERT_EQ(grid->FixedRows(), titleRows);

    grid->STFilter()->SetVisible(true);
    EXPECT_EQ(grid->TitleOffset(), titleRows + 1);
    EXPECT_EQ(grid->FixedRows(), titleRows + 1);
    EXPECT_EQ(grid->RowHeights(titleRows), grid->DefaultRowHeight()) << "a data row's height";
    const int rows = (grid->ClientHeight() - TitleHeight() - Pitch() - FooterHeight()) / Pitch();
    EXPECT_EQ(rows, before - 1);
    EXPECT_EQ(grid->DataLink()->BufferCount(), rows);
    EXPECT_EQ(grid->RowCount(), titleRows + 1 + rows + footerRows);
    EXPECT_EQ(grid->Row(), titleRows + 1) << "the current record is on the first data row";
    EXPECT_EQ(grid->CurrentGridRow(), titleRows + 1);
    EXPECT_EQ(grid->GetCellType(1, titleRows).RowKind, 1);
    EXPECT_EQ(grid->GetCellType(1, titleRows + 1).RowKind, 2);
    EXPECT_EQ(grid->GetCellType(1, titleRows + rows).DataRow, rows - 1);

    grid->STFilter()->SetVisible(false);
    EXPECT_EQ(grid->FixedRows(), titleRows);
    EXPECT_EQ(grid->DataLink()->BufferCount(), before);
    EXPECT_EQ(grid->Row(), titleRows);
    TearDown();
  }
}

TEST_P(GridFilterRow, FootersStaySatAtTheBottomBelowAFilterRow) {
  Make(3, 400, 300);
  grid->SetFooterRowCount(2);
  grid->STFilter()->SetVisible(true);
  ASSERT_EQ(grid->RowCount(), 1 + 1 + 3 + 1 + 2);
  const int used = TitleHeight() + Pitch() + FooterHeight();
  EXPECT_EQ(grid->RowHeights(5), grid->ClientHeight() - used - 3 * Pitch()) << "filler row";
  EXPECT_EQ(grid->GetCellType(1, 5).RowKind, 3);
  EXPECT_EQ(grid->GetCellType(1, 7).RowKind, 4);
  EXPECT_EQ(grid->GetCellType(1, 7).DataRow, 2);
  EXPECT_LE(grid->ClientHeight() - grid->CellRect(1, 7).Bottom, 2) << "footers at the bottom edge";
}

TEST_P(GridFilterRow, VerticalPageFollowsTheRowsLeftForData) {
  Make(1000, 400, 300);
  const int page = static_cast<int>(VertScroll().nPage);
  grid->STFilter()->SetVisible(true);
  EXPECT_EQ(static_cast<int>(VertScroll().nPage), page - 1);
  EXPECT_EQ(static_cast<int>(VertScroll().nPage), grid->VisibleDataRowCount());
}

INSTANTIATE_TEST_SUITE_P(Stores, GridFilterRow, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
