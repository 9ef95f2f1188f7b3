#include <gtest/gtest.h>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/dataset.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

TEST(GridOptions, NewGridDefaults) {
  TTestGrid grid(nullptr);
  EXPECT_EQ(grid.Options().Mask(), 0x0CFDu);
  EXPECT_EQ(grid.OptionsEx().Mask(), 0x10061u);
  EXPECT_EQ(grid.AllowedOperations().Mask(), 0xFu);
  EXPECT_EQ(grid.AllowedSelections().Mask(), 0x1Eu);
  EXPECT_FALSE(grid.AllowedSelections().Contains(gstNon));
  EXPECT_FALSE(grid.ReadOnly());
  EXPECT_FALSE(grid.AutoFitColWidths());
  EXPECT_FALSE(grid.UseMultiTitle());
  EXPECT_EQ(grid.FooterColor(), clWindow);
  EXPECT_EQ(grid.Selection()->SelectionType(), gstNon);
  EXPECT_EQ(grid.Columns()->Count(), 0);
  EXPECT_EQ(grid.Columns()->State(), csDefault);
  EXPECT_EQ(grid.IndicatorOffset(), 1);
  TColumnDefValuesEx* defaults = grid.ColumnDefValues();
  EXPECT_FALSE(defaults->AlwaysShowEditButton());
  EXPECT_FALSE(defaults->AutoDropDown());
  EXPECT_FALSE(defaults->HighlightRequired());
  EXPECT_EQ(defaults->Layout(), tlTop);
  EXPECT_EQ(defaults->Title()->Orientation(), tohHorizontal);
  EXPECT_FALSE(defaults->Footer()->ToolTips());
}

TEST(GridOptions, RowSelectDropsEditingOptions) {
  TTestGrid grid(nullptr);
  grid.SetOptions(grid.Options() + dgRowSelect + dgAlwaysShowEditor);
  EXPECT_TRUE(grid.Options().Contains(dgRowSelect));
  EXPECT_FALSE(grid.Options().Contains(dgEditing));
  EXPECT_FALSE(grid.Options().Contains(dgAlwaysShowEditor));
}

TEST(GridOptions, OnlyOptionsThatShapeTheGridReLayOut) {
  TTestGrid grid(nullptr);
  grid.SetOptions(grid.Options() - dgConfirmDelete);
  grid.SetOptions(grid.Options() + dgMultiSelect);
  const int layouts = grid.layouts;
  grid.SetOptions(grid.Options() + dgConfirmDelete);
  grid.SetOptions(grid.Options() - dgCancelOnExit);
  EXPECT_EQ(grid.layouts, layouts);
  grid.SetOptions(grid.Options() - dgIndicator);
  EXPECT_EQ(grid.layouts, layouts + 1);
  EXPECT_EQ(grid.IndicatorOffset(), 0);
  grid.SetOptions(grid.Options());
  EXPECT_EQ(grid.layouts, layouts + 1) << "an unchanged set does nothing";
}

TEST(GridOptions, WithoutClearSelectionDroppingMultiSelectKeepsTheSelection) {
  GridOverItems g(Store::Memory, 4);
  g.grid->SetOptions(g.grid->Options() + dgMultiSelect);
  g.grid->SetOptionsEx(g.grid->OptionsEx() - dghClearSelection);
  g.items.GotoId(2);
  g.grid->SelectedRows()->SetCurrentRowSelected(true);
  g.grid->SetOptions(g.grid->Options() - dgMultiSelect);
  EXPECT_EQ(g.grid->SelectedRows()->Count(), 1);
  EXPECT_EQ(g.grid->Selection()->SelectionType(), gstRecordBookmarks);
}

TEST(GridOptions, ColumnDefValuesAssignCopiesWhatItShould) {
  TTestGrid a(nullptr);
  TTestGrid b(nullptr);
  a.ColumnDefValues()->SetEndEllipsis(true);
  a.ColumnDefValues()->SetDropDownSizing(true);
  a.ColumnDefValues()->SetHighlightRequired(true);
  a.ColumnDefValues()->SetLayout(tlBottom);
  a.ColumnDefValues()->Title()->SetColor(clRed);
  b.SetColumnDefValues(a.ColumnDefValues());
  EXPECT_TRUE(b.ColumnDefValues()->EndEllipsis());
  EXPECT_TRUE(b.ColumnDefValues()->DropDownSizing());
  EXPECT_EQ(b.ColumnDefValues()->Title()->Color(), clRed);
  EXPECT_FALSE(b.ColumnDefValues()->HighlightRequired()) << "not copied";
  EXPECT_EQ(b.ColumnDefValues()->Layout(), tlTop) << "not copied";
}

TEST(GridOptions, EditingTheCurrentRecordFollowsAllowedOperations) {
  GridOverItems g(Store::Memory, 2);
  EXPECT_TRUE(g.grid->AllowsEditingCurrentRecord());
  g.grid->SetAllowedOperations({alopInsertEx});
  EXPECT_FALSE(g.grid->AllowsEditingCurrentRecord());
  g.items.ds()->Append();
  EXPECT_TRUE(g.grid->AllowsEditingCurrentRecord()) << "a new record may be filled in";
  g.items.ds()->Cancel();
}
