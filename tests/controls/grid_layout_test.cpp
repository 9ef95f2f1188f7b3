#include "tests/controls/grid_test_support.h"

#include "platform/classes/properties.h"
#include "platform/windows/scroll_bars.h"

namespace {

using GridLayoutTest = GridTest;

TEST_F(GridLayoutTest, StartsWithTheClassicDefaults) {
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->DefaultColWidth(), 64);
  EXPECT_EQ(grid->DefaultRowHeight(), 24);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
  EXPECT_EQ(grid->Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
}

TEST_F(GridLayoutTest, DrawInfoDescribesBothAxes) {
  TGridDrawInfo info;
  grid->CalcDrawInfo(info);
  EXPECT_EQ(info.Horz.EffectiveLineWidth, 1);
  EXPECT_EQ(info.Horz.FixedBoundary, 65);
  EXPECT_EQ(info.Horz.FixedCellCount, 1);
  EXPECT_EQ(info.Horz.FirstGridCell, 1);
  EXPECT_EQ(info.Horz.GridCellCount, 5);
  EXPECT_EQ(info.Horz.GridExtent, 300);
  EXPECT_EQ(info.Horz.GridBoundary, 300);  // the last column shows in part
  EXPECT_EQ(info.Horz.LastFullVisibleCell, 3);
  EXPECT_EQ(info.Horz.FullVisBoundary, 260);
  EXPECT_EQ(info.Horz.GetExtent(2), 64);
  EXPECT_EQ(info.Vert.GridBoundary, 125);
  EXPECT_EQ(info.Vert.LastFullVisibleCell, 4);
  grid->SetOptions({goFixedHorzLine, goHorzLine});
  grid->CalcDrawInfo(info);
  EXPECT_EQ(info.Horz.EffectiveLineWidth, 0);  // no vertical lines take room
  EXPECT_EQ(info.Horz.FixedBoundary, 64);
  EXPECT_EQ(info.Vert.EffectiveLineWidth, 1);
  grid->SetGridLineWidth(3);
  grid->CalcDrawInfo(info);
  EXPECT_EQ(info.Vert.FixedBoundary, 27);
}

TEST_F(GridLayoutTest, CellRectIsEmptyOffScreenAndClippedAtTheEdge) {
  EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 64, 24));
  EXPECT_EQ(grid->CellRect(1, 1), Rect(65, 25, 129, 49));
  EXPECT_EQ(grid->CellRect(4, 2), Rect(260, 50, 300, 74));
  EXPECT_EQ(grid->BoxRect(1, 1, 2, 2), Rect(65, 25, 194, 74));
  grid->SetColCount(10);
  EXPECT_TRUE(grid->CellRect(6, 1).IsEmpty());
  grid->SetLeftCol(3);
  EXPECT_TRUE(grid->CellRect(1, 1).IsEmpty());
  EXPECT_EQ(grid->CellRect(3, 1), Rect(65, 25, 129, 49));
  EXPECT_EQ(grid->CellRect(0, 1), Rect(0, 25, 64, 49));  // fixed cells stay
  EXPECT_EQ(grid->BoxRect(1, 1, 4, 1), Rect(65, 25, 194, 49));
  EXPECT_TRUE(grid->CellRect(-3, 1).IsEmpty());
  EXPECT_TRUE(grid->CellRect(40, 40).IsEmpty());
}

TEST_F(GridLayoutTest, AHiddenColumnTakesNoRoom) {
  grid->SetColWidths(2, -1);
  EXPECT_TRUE(grid->CellRect(2, 1).IsEmpty());
  EXPECT_EQ(grid->CellRect(3, 1), Rect(130, 25, 194, 49));
  EXPECT_EQ(grid->MouseCoord(140, 30), (TGridCoord{3, 1}));
  EXPECT_TRUE(Called("ColWidthsChanged"));
  grid->SetRowHeights(1, -1);
  EXPECT_EQ(grid->CellRect(3, 2), Rect(130, 25, 194, 49));
}

TEST_F(GridLayoutTest, MouseCoordFindsCellsAndAnswersMinusOneOutside) {
  EXPECT_EQ(grid->MouseCoord(70, 30), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->MouseCoord(64, 10), (TGridCoord{0, 0}));  // a line belongs to the cell before it
  EXPECT_EQ(grid->MouseCoord(299, 120), (TGridCoord{4, 4}));
  EXPECT_EQ(grid->MouseCoord(100, 140), (TGridCoord{-1, -1}));  // below the last row
  EXPECT_EQ(grid->MouseCoord(-5, 10), (TGridCoord{-1, -1}));
  int col = 0, row = 0;
  grid->MouseToCell(200, 60, col, row);
  EXPECT_EQ(col, 3);
  EXPECT_EQ(row, 2);
}

TEST_F(GridLayoutTest, BadCountsAndIndexesRaiseClearErrors) {
  try {
    grid->SetFixedCols(5);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Fixed column count must be less than column count");
  }
  try {
    grid->SetFixedRows(7);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Fixed row count must be less than row count");
  }
  EXPECT_THROW(grid->ColWidths(5), EListError);
  EXPECT_THROW(grid->SetRowHeights(-1, 10), EListError);
  EXPECT_THROW(grid->SetCol(9), EListError);
  EXPECT_THROW(grid->SetFixedCols(-1), EListError);
  EXPECT_THROW(grid->SetSelection({1, 1, 9, 1}), EListError);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->Col(), 1);
}

TEST_F(GridLayoutTest, ChangingCountsKeepsPositionsInside) {
  grid->SetCol(4);
  grid->SetRow(4);
  grid->SetColCount(3);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_TRUE(Called("SizeChanged 5,5"));
  grid->SetFixedCols(2);
  EXPECT_EQ(grid->Col(), 2);
  grid->SetColCount(2);  // fixed columns give way
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->ColCount(), 2);
  grid->SetRowCount(8);
  EXPECT_EQ(grid->RowHeights(7), 24);
  grid->SetDefaultRowHeight(30);
  EXPECT_EQ(grid->RowHeights(3), 30);
  EXPECT_EQ(grid->CellRect(1, 2), Rect(65, 62, 129, 92));
}

TEST_F(GridLayoutTest, ScrollingKeepsTopRowAndLeftColValid) {
  grid->SetRowCount(20);
  grid->SetTopRow(100);
  EXPECT_EQ(grid->TopRow(), 15);  // rows 15..19 fill the view
  grid->SetTopRow(0);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->calls.clear();
  grid->SetRow(19);
  EXPECT_EQ(grid->TopRow(), 15);
  EXPECT_TRUE(Called("TopLeftChanged"));
  grid->SetRow(3);
  EXPECT_EQ(grid->TopRow(), 3);
  EXPECT_EQ(grid->VisibleRowCount(), 5);
  grid->SetColCount(12);
  grid->SetCol(11);
  EXPECT_EQ(grid->LeftCol(), 9);
  EXPECT_EQ(grid->VisibleColCount(), 3);
  grid->SetRowCount(4);  // shrinking brings the top row back
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GridLayoutTest, ScrollBarsFollowTheFirstScrolledRow) {
  grid->SetScrollBars(ssVertical);
  grid->SetRowCount(20);
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, si));
  EXPECT_EQ(si.nMax - static_cast<int>(si.nPage) + 1, 14);
  EXPECT_EQ(si.nPos, 0);
  grid->Perform(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(grid->TopRow(), 2);
  grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(grid->TopRow(), 7);
  EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), 6);
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 3));
  EXPECT_EQ(grid->TopRow(), 7);  // no tracking without goThumbTracking
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 3));
  EXPECT_EQ(grid->TopRow(), 4);
  grid->Perform(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(grid->TopRow(), 15);
  grid->Perform(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(grid->TopRow(), 15);
  grid->Perform(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(grid->TopRow(), 1);
}

// A subclass that keeps the bottom 25 pixels for a footer of its own.
class TFooterGrid : public TTestGrid {
 public:
  using TTestGrid::TTestGrid;
  void CalcDrawInfoXY(TGridDrawInfo& info, int useWidth, int useHeight) override {
    TTestGrid::CalcDrawInfoXY(info, useWidth, useHeight - 25);
  }
};

TEST_F(GridLayoutTest, ASubclassCanReserveRoomThroughTheDrawInfo) {
  auto* footer = Make<TFooterGrid>(Bounds(0, 160, 300, 150));
  footer->SetBorderStyle(bsNone);
  footer->SetScrollBars(ssNone);
  footer->SetRowCount(20);
  EXPECT_EQ(footer->VisibleRowCount(), 4);
  EXPECT_TRUE(footer->CellRect(1, 5).IsEmpty());
  EXPECT_EQ(footer->MouseCoord(70, 130), (TGridCoord{-1, -1}));
  footer->SetRow(19);
  EXPECT_EQ(footer->TopRow(), 16);
}

}  // namespace

namespace {

TEST_F(GridLayoutTest, PublishedPropertiesSetTheGridByName) {
  SetPropValue(grid, "RowCount", Variant(9));
  SetPropValue(grid, "Options", Variant(static_cast<int64_t>(TGridOptions{goEditing, goTabs}.Mask())));
  SetPropValue(grid, "FixedColor", Variant(static_cast<int>(clYellow)));
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(grid->Options(), (TGridOptions{goEditing, goTabs}));
  EXPECT_EQ(grid->FixedColor(), clYellow);
  EXPECT_THROW(SetPropValue(grid, "FixedCols", Variant(5)), EInvalidGridOperation);
}

}  // namespace
