#include <gtest/gtest.h>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/window_styles.h"
#include "tests/grid/grid_stream_support.h"

using grid_test::ComponentAsText;

TEST(DBGridEx, NewGridDefaults) {
  TDBGridEx grid(nullptr);
  EXPECT_EQ(grid.Options().Mask(), 0x0CFDu);
  EXPECT_EQ(grid.OptionsEx().Mask(), 0x10061u);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.VTitleMargin(), 10);
  EXPECT_EQ(grid.FooterRowCount(), 0);
  EXPECT_EQ(grid.Color(), clWindow);
  EXPECT_EQ(grid.ScrollBars(), ssHorizontal);
  EXPECT_EQ(grid.TitleRoot()->Text, "Root");
  EXPECT_EQ(grid.TitleRoot()->Width, 10);
  EXPECT_EQ(grid.TitleRoot()->Child, nullptr);
  const TGridOptions base = grid.TCustomGrid::Options();
  EXPECT_EQ(base, (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                goColSizing, goColMoving, goEditing, goTabs}));
}

TEST(DBGridEx, OptionsReachTheBaseGrid) {
  TDBGridEx grid(nullptr);
  grid.SetOptions(grid.Options() + dgRowSelect - dgColLines);
  const TGridOptions base = grid.TCustomGrid::Options();
  EXPECT_TRUE(base.Contains(goRowSelect));
  EXPECT_FALSE(base.Contains(goEditing));
  EXPECT_FALSE(base.Contains(goVertLine));
  EXPECT_TRUE(base.Contains(goHorzLine));
  grid.SetRowSizingAllowed(true);
  EXPECT_TRUE(grid.TCustomGrid::Options().Contains(goRowSizing));
}

TEST(DBGridEx, NegativeCountsAreRefusedOrZeroed) {
  TDBGridEx grid(nullptr);
  grid.SetFooterRowCount(2);
  grid.SetFooterRowCount(-1);
  EXPECT_EQ(grid.FooterRowCount(), 2);
  grid.SetRowHeight(-5);
  grid.SetRowLines(-1);
  EXPECT_EQ(grid.RowHeight(), 0);
  EXPECT_EQ(grid.RowLines(), 0);
}

TEST(DBGridEx, RowColorsFollowColorUntilSetAndAreThenStored) {
  TDBGridEx grid(nullptr);
  grid.SetColor(clYellow);
  EXPECT_EQ(grid.EvenRowColor(), clYellow);
  EXPECT_FALSE(grid.IsEvenRowColorStored());
  grid.SetEvenRowColor(clYellow);
  EXPECT_TRUE(grid.IsEvenRowColorStored()) << "stored once set, even when equal to Color";
  grid.SetColor(clRed);
  EXPECT_EQ(grid.EvenRowColor(), clYellow);
  EXPECT_EQ(grid.OddRowColor(), clRed);
}

TEST(DBGridEx, CellsAreClassified) {
  TDBGridEx grid(nullptr);
  for (int i = 0; i < 3; ++i) grid.Columns()->Add();
  // Footers first: setting them lays the grid out again, and the shape below is made by hand.
  grid.SetFooterRowCount(2);
  grid.SetColCount(4);
  grid.SetRowCount(8);
  TDBGridExCellType t = grid.GetCellType(0, 0);
  EXPECT_EQ(t.ColKind, gckIndicator);
  EXPECT_EQ(t.RowKind, grkTitle);
  t = grid.GetCellType(2, 3);
  EXPECT_EQ(t.ColKind, gckData);
  EXPECT_EQ(t.DataCol, 1);
  EXPECT_EQ(t.RowKind, grkData);
  EXPECT_EQ(t.DataRow, 2);
  EXPECT_EQ(grid.GetCellType(1, 5).RowKind, grkFiller) << "the filler row above the footers";
  t = grid.GetCellType(1, 7);
  EXPECT_EQ(t.RowKind, grkFooter);
  EXPECT_EQ(t.DataRow, 2);
  EXPECT_THROW(grid.GetCellType(1, 8), Exception);
  EXPECT_THROW(grid.GetCellType(1, -1), Exception);
}

TEST(DBGridEx, FreedTitleImagesAreForgotten) {
  TComponent form(nullptr);
  auto* grid = new TDBGridEx(&form);
  auto* images = new TImageList(&form);
  grid->SetTitleImages(images);
  delete images;
  EXPECT_EQ(grid->TitleImages(), nullptr);
}

TEST(DBGridEx, AutomaticColumnsAreNotStreamed) {
  TDBGridEx grid(nullptr);
  grid.SetName("DBGridEx1");
  grid.Columns()->InternalAdd()->SetFieldName("ID");
  const String text = ComponentAsText(&grid);
  EXPECT_EQ(text.find("Columns"), String::npos) << text;
  EXPECT_EQ(text.find("ColCount"), String::npos) << "the shape follows the columns";
  EXPECT_EQ(text.find("RowCount"), String::npos);
  grid.Columns()->Items(0)->SetIsStored(true);
  EXPECT_NE(ComponentAsText(&grid).find("Columns"), String::npos);
}

namespace {

// A grid with three stored columns of width 100 (design width 100), as the user left it.
struct ResizedGrid {
  ResizedGrid() {
    for (int i = 0; i < 3; ++i) {
      TColumnEx* column = grid.Columns()->Add();
      column->SetWidth(100);
      column->SetInitWidth(100);
    }
    grid.SetColCount(4);
    for (int i = 1; i < 4; ++i) grid.SetColWidths(i, 100);
    grid.OnColWidthsChanged.Bind(nullptr, "", [this](TObject*) { ++notices; });
  }
  TColumnEx* Column(int i) { return grid.Columns()->Items(i); }
  TDBGridEx grid{nullptr};
  int notices = 0;
};

}  // namespace

TEST(DBGridExColumnSizing, ColumnsTakeTheWidthsTheUserGaveTheGridColumns) {
  ResizedGrid r;
  r.grid.SetColWidths(2, 90);
  EXPECT_EQ(r.Column(1)->Width(), 90);
  EXPECT_EQ(r.notices, 1);
  r.Column(2)->SetVisible(false);
  r.grid.SetColWidths(3, 0);
  EXPECT_EQ(r.Column(2)->Width(), 100) << "a hidden column's grid width is not its width";
}

TEST(DBGridExColumnSizing, AutoFitMovesDesignWidthToTheNextVisibleColumn) {
  ResizedGrid r;
  r.grid.SetAutoFitColWidths(true);
  r.Column(1)->SetVisible(false);
  r.grid.SetColWidths(1, 80);
  EXPECT_EQ(r.Column(0)->InitWidth(), 80);
  EXPECT_EQ(r.Column(1)->InitWidth(), 100) << "hidden columns are passed over";
  EXPECT_EQ(r.Column(2)->InitWidth(), 120);
  EXPECT_EQ(r.Column(0)->Width(), 100) << "under auto-fit the layout sets widths";
}

TEST(DBGridExColumnSizing, WholeRightPartRescalesWithoutDividingByZero) {
  ResizedGrid r;
  r.Column(2)->SetWidth(0);
  EXPECT_EQ(r.grid.ColWidths(3), 0);
  r.grid.SetAutoFitColWidths(true);
  // Switching auto-fit on takes the shown widths as the design; the user's design was 100 each.
  for (int i = 0; i < 3; ++i) r.Column(i)->SetInitWidth(100);
  r.grid.SetOptionsEx(r.grid.OptionsEx() + dghResizeWholeRightPart);
  r.grid.SetColWidths(2, 50);
  EXPECT_EQ(r.Column(2)->InitWidth(), 100) << "a zero-wide column keeps its design width";
  EXPECT_EQ(r.Column(1)->InitWidth(), 100);
  // The re-layout after the drag shows the columns' widths again (no window to fit to).
  EXPECT_EQ(r.grid.ColWidths(2), 100);
  r.grid.SetColWidths(1, 40);
  EXPECT_EQ(r.Column(1)->InitWidth(), 100);
  EXPECT_EQ(r.Column(2)->InitWidth(), 100);
  EXPECT_EQ(r.Column(0)->InitWidth(), 100) << "the resized column keeps the remainder";
}

namespace {

// Lets tests move grid columns as a drag would, and see the window it asks for.
class TMovableGrid : public TDBGridEx {
 public:
  using TDBGridEx::TDBGridEx;
  using TCustomGrid::MoveColumn;
  TCreateParams Params() {
    TCreateParams params;
    CreateParams(params);
    return params;
  }
};

}  // namespace

TEST(DBGridEx, DraggedGridColumnsMoveTheirColumns) {
  TMovableGrid grid(nullptr);
  for (const char* name : {"A", "B", "C"}) grid.Columns()->Add()->SetFieldName(name);
  grid.SetColCount(4);
  std::vector<std::pair<int, int>> moves;
  grid.OnColumnMoved.Bind(nullptr, "", [&](TObject*, int from, int to) { moves.push_back({from, to}); });
  grid.MoveColumn(1, 3);
  EXPECT_EQ(grid.Columns()->Items(0)->FieldName(), "B");
  EXPECT_EQ(grid.Columns()->Items(2)->FieldName(), "A");
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 2}})) << "data indexes";
}

TEST(DBGridEx, FlatGridsDrawTheirOwnBorder) {
  TMovableGrid grid(nullptr);
  EXPECT_TRUE(grid.Params().Style & WS_CLIPCHILDREN);
  grid.SetFlat(true);
  grid.SetCtl3D(true);
  const TCreateParams params = grid.Params();
  EXPECT_FALSE(params.Style & WS_BORDER);
  EXPECT_FALSE(params.ExStyle & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(grid.DrawsFlatBorder());
}

TEST(DBGridEx, LoadedAutoFitGridTakesStoredWidthsAsItsDesign) {
  TDBGridEx source(nullptr);
  source.SetName("DBGridEx1");
  source.SetAutoFitColWidths(true);
  for (int width : {80, 120}) source.Columns()->Add()->SetWidth(width);
  TDBGridEx grid(nullptr);
  grid_test::CopyByStream(&source, &grid);
  ASSERT_EQ(grid.Columns()->Count(), 2);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Columns()->Items(0)->InitWidth(), 80);
  EXPECT_EQ(grid.Columns()->Items(1)->InitWidth(), 120);
  EXPECT_EQ(grid.ScrollBars(), ssNone);
}
