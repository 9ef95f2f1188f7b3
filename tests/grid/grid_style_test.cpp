#include <gtest/gtest.h>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_style.h"
#include "platform/data/dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

TEST(GridStyle, BlendsHalfWayThenLightens) {
  EXPECT_EQ(TDBGridExStyle::BlendColors(RGB(255, 0, 200), RGB(0, 0, 100), false),
            static_cast<TColor>(RGB(186, 135, 195)));
  EXPECT_EQ(TDBGridExStyle::BlendColors(RGB(255, 0, 200), RGB(0, 0, 100), true),
            static_cast<TColor>(RGB(202, 138, 213)));
  const TColor fromSystem = TDBGridExStyle::BlendColors(clWindow, clHighlight, false);
  EXPECT_EQ(fromSystem,
            TDBGridExStyle::BlendColors(ColorToRGB(clWindow), ColorToRGB(clHighlight), false))
      << "system colours are turned into RGB first";
}

TEST(GridStyle, GridsRegisterWithTheLibrarysStyleWhileItRuns) {
  EXPECT_EQ(DefaultDBGridExStyle(), nullptr);
  GridLibraryScope library;
  TDBGridExStyle* style = DefaultDBGridExStyle();
  ASSERT_NE(style, nullptr);
  EXPECT_TRUE(style->Luminate());
  EXPECT_TRUE(style->FocusFrame());
  EXPECT_EQ(style->FilterApplyFlags(), 0);
  {
    GridLibraryScope nested;
    TTestGrid a(nullptr);
    TTestGrid b(nullptr);
    EXPECT_EQ(style->GridCount(), 2);
    EXPECT_EQ(a.Style(), style);
    a.SetStyle(nullptr);
    EXPECT_FALSE(style->IsRegistered(&a));
    EXPECT_TRUE(style->IsRegistered(&b));
  }
  EXPECT_EQ(DefaultDBGridExStyle(), style) << "the outer scope keeps the library running";
  EXPECT_EQ(style->GridCount(), 0) << "destroyed grids unregister";
}

TEST(GridStyle, DestroyingAStyleDetachesItsGrids) {
  TTestGrid grid(nullptr);
  {
    TDBGridExStyle own;
    grid.SetStyle(&own);
    own.RegisterGrid(&grid);
    EXPECT_EQ(own.GridCount(), 1);
  }
  EXPECT_EQ(grid.Style(), nullptr);
}

namespace {

// A grid over items with record 2 current in grid row 2 (titles take row 0).
class CellHighlight : public testing::Test {
 protected:
  CellHighlight() : g(Store::Memory, 5) {
    g.grid->SetOptions(g.grid->Options() + dgMultiSelect);
    g.grid->SetVisibleRows(5);
    for (const char* name : {"ID", "Name", "Amount"}) g.grid->Columns()->Add()->SetFieldName(name);
    g.items.ds()->First();
    g.items.ds()->Next();
    g.grid->SetSelectedIndex(0);
  }
  // Colours the cell of data column `dataCol` in the current row.
  TCellHighlight Paint(int dataCol, TGridDrawState state = {}) {
    background = clWindow;
    font.SetColor(clWindowText);
    return style.GetDataCellHighlight(g.grid.get(), dataCol + 1, g.grid->CurrentGridRow(), dataCol,
                                      state, &font, background);
  }
  GridOverItems g;
  TDBGridExStyle style;
  TFont font;
  TColor background = clWindow;
};

}  // namespace

TEST_F(CellHighlight, PlainCellsKeepTheirColours) {
  ASSERT_EQ(g.grid->CurrentGridRow(), 2);
  const TCellHighlight h = Paint(1);
  EXPECT_FALSE(h.Selected);
  EXPECT_FALSE(h.Highlighted);
  EXPECT_EQ(background, clWindow);
}

TEST_F(CellHighlight, SelectedRecordsWithFocus) {
  g.grid->SelectedRows()->SetCurrentRowSelected(true);
  g.grid->focused = true;
  EXPECT_TRUE(Paint(0).Selected);
  EXPECT_EQ(background, clHighlight) << "the current cell";
  EXPECT_EQ(font.Color(), clHighlightText);
  EXPECT_TRUE(Paint(1).Highlighted);
  EXPECT_EQ(background, TDBGridExStyle::BlendColors(clWindow, clHighlight, true));
  EXPECT_EQ(font.Color(), clWindowText) << "blended cells keep their font";
  style.SetLuminate(false);
  Paint(1);
  EXPECT_EQ(background, clHighlight);
}

TEST_F(CellHighlight, SelectedRecordsWithoutFocus) {
  g.grid->SelectedRows()->SetCurrentRowSelected(true);
  Paint(1);
  EXPECT_EQ(background, TDBGridExStyle::BlendColors(clWindow, clBtnShadow, false));
  g.grid->SetOptions(g.grid->Options() + dgAlwaysShowSelection);
  Paint(0);
  EXPECT_EQ(background, clBtnShadow);
  EXPECT_EQ(font.Color(), clHighlightText);
}

TEST_F(CellHighlight, RowHighlightMarksTheRestOfTheCurrentRow) {
  g.grid->focused = true;
  EXPECT_FALSE(Paint(1).Highlighted) << "without the option";
  g.grid->SetOptionsEx(g.grid->OptionsEx() + dghRowHighlight);
  EXPECT_TRUE(Paint(1).Highlighted);
  EXPECT_FALSE(Paint(0).Highlighted) << "the current cell itself is not row-highlighted";
  EXPECT_TRUE(Paint(0, {gdSelected}).Highlighted);
  g.grid->editorShowing = true;
  EXPECT_FALSE(Paint(0, {gdSelected}).Highlighted) << "the editor shows the current cell";
}

TEST_F(CellHighlight, SelectedFixedCells) {
  TFont fixedFont;
  TColor fixed = clBtnFace;
  EXPECT_FALSE(style.GetFixedCellHighlight(g.grid.get(), gckIndicator, grkData, false, &fixedFont, fixed));
  EXPECT_TRUE(style.GetFixedCellHighlight(g.grid.get(), gckIndicator, grkData, true, &fixedFont, fixed));
  EXPECT_EQ(fixed, static_cast<TColor>(RGB(64, 64, 64)));
  EXPECT_EQ(fixedFont.Color(), 0xFFFFFF);
  fixed = clBtnFace;
  EXPECT_TRUE(style.GetFixedCellHighlight(g.grid.get(), gckData, grkFooter, true, &fixedFont, fixed));
  EXPECT_EQ(fixed, TDBGridExStyle::BlendColors(clBtnFace, clBtnShadow, false));
  fixed = clBtnFace;
  g.grid->focused = true;
  style.SetLuminate(false);
  style.GetFixedCellHighlight(g.grid.get(), gckData, grkFooter, true, &fixedFont, fixed);
  EXPECT_EQ(fixed, clHighlight);
}
