// Where the data lies in the grid: the draw information with the footer rows fixed at the
// bottom, the data box and rectangle between titles and footers, and repainting the cells of a
// field or of the current row.
#include <gtest/gtest.h>

#include <functional>

#include "gridlib/grid/columns.h"
#include "platform/windows/painting.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridDrawInfo : public GridInForm {
 protected:
  // Makes the grid paint what is pending, so only what comes next is left to repaint.
  TRect DirtyAfter(const std::function<void()>& change) {
    Application->ProcessMessages();
    ValidateRect(grid->Handle(), nullptr);
    change();
    TRect dirty;
    if (!GetUpdateRect(grid->Handle(), dirty)) return {};
    return dirty;
  }
};

TEST_P(GridDrawInfo, FooterRowsAreFixedAtTheBottom) {
  Make(30);
  for (int footers : {0, 1, 2}) {
    SCOPED_TRACE(footers);
    grid->SetFooterRowCount(footers);
    TDBGridExDrawInfo info;
    grid->CalcGridDrawInfo(info);
    TGridDrawInfo base;
    grid->CalcDrawInfo(base);
    EXPECT_EQ(info.Vert.FixedBoundary, base.Vert.FixedBoundary);
    EXPECT_EQ(info.Vert.LastFullVisibleCell, base.Vert.LastFullVisibleCell);
    EXPECT_EQ(info.Horz.GridBoundary, base.Horz.GridBoundary);
    EXPECT_EQ(info.HorzTrail.CellCount, 0) << "no columns are fixed at the right";
    EXPECT_EQ(info.HorzTrail.Extent, 0);

    EXPECT_EQ(info.VertTrail.CellCount, footers);
    int extent = 0;
    for (int row = grid->RowCount() - footers; row < grid->RowCount(); ++row) extent += Pitch();
    EXPECT_EQ(info.VertTrail.Extent, extent);
    EXPECT_EQ(info.VertTrail.Boundary, grid->ClientHeight() - extent);
    if (footers > 0) {
      EXPECT_EQ(grid->CellRect(1, grid->RowCount() - footers).Top, info.VertTrail.Boundary)
          << "the first footer starts where the trailing cells do";
    }
  }
}

TEST_P(GridDrawInfo, DataBoxLiesBetweenTitlesAndFooters) {
  Make(30);
  for (int footers : {0, 2}) {
    SCOPED_TRACE(footers);
    grid->SetFooterRowCount(footers);
    const TGridRect box = grid->DataBox();
    EXPECT_EQ(box.Left, 1) << "right of the indicator";
    EXPECT_EQ(box.Top, 1) << "under the title row";
    EXPECT_EQ(box.Right, grid->ColCount() - 1);
    EXPECT_EQ(box.Bottom - box.Top + 1, grid->DataRowCount());
    EXPECT_EQ(grid->DataRowCount(), grid->DataLink()->RecordCount()) << "one row per buffered record";
    EXPECT_EQ(grid->GetCellType(box.Left, box.Bottom).RowKind, grkData);
    if (footers > 0) EXPECT_EQ(grid->GetCellType(box.Left, box.Bottom + 1).RowKind, grkFiller) << "the filler";
    else EXPECT_EQ(box.Bottom, grid->RowCount() - 1);

    const TRect rect = grid->DataRect();
    EXPECT_EQ(rect.Left, grid->CellRect(box.Left, box.Top).Left);
    EXPECT_EQ(rect.Top, grid->CellRect(box.Left, box.Top).Top);
    EXPECT_EQ(rect.Bottom, grid->CellRect(box.Left, box.Bottom).Bottom);
  }
  grid->SetOptions(grid->Options() - dgIndicator - dgTitles);
  EXPECT_EQ(grid->DataBox().Left, 0);
  EXPECT_EQ(grid->DataBox().Top, 0);
}

TEST_P(GridDrawInfo, ColumnsOfAFieldAndTheCurrentCellRepaintAlone) {
  Make(10);
  TField* name = grid->Columns()->Items(1)->Field();
  ASSERT_NE(name, nullptr);
  const TRect column = grid->CellRect(2, 0);
  const TRect field = DirtyAfter([&] { grid->InvalidateFieldColumns(name); });
  EXPECT_EQ(field.Left, column.Left);
  EXPECT_LE(field.Right, grid->CellRect(3, 0).Left) << "only the column that shows the field";
  EXPECT_EQ(field.Top, 0);
  EXPECT_GE(field.Bottom, grid->CellRect(2, grid->RowCount() - 1).Bottom) << "down to the last row";
  EXPECT_TRUE(DirtyAfter([&] { grid->InvalidateFieldColumns(nullptr); }).IsEmpty());

  items_->GotoId(3);
  const TRect cell = grid->CellRect(3, grid->Row());
  const TRect current = DirtyAfter([&] { grid->InvalidateCurrentCell(2); });
  EXPECT_EQ(current.Left, cell.Left);
  EXPECT_EQ(current.Top, cell.Top - grid->GridLineWidth()) << "with the row line above it";
  EXPECT_LE(current.Bottom, grid->CellRect(3, grid->Row() + 1).Top + 1) << "that row only";
  grid->SetOptions(grid->Options() - dgRowLines);
  const TRect lineless = grid->CellRect(3, grid->Row());
  EXPECT_EQ(DirtyAfter([&] { grid->InvalidateCurrentCell(2); }).Top, lineless.Top)
      << "no line above without row lines";
}

INSTANTIATE_TEST_SUITE_P(Stores, GridDrawInfo, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
