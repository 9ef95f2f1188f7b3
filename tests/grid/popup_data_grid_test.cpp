// The drop-down list of a lookup column as the column sees it: its name, its settings and the
// data source it shows, which it forgets when that goes.
#include <gtest/gtest.h>

#include <memory>

#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/popup_data_grid.h"
#include "platform/data/data_source.h"

namespace {

TEST(PopupDataGrid, StartsAsTheNamedListWithColumnLines) {
  TPopupDataGridEx list(nullptr);
  EXPECT_EQ(list.Name(), "DataList");
  EXPECT_EQ(list.Options(), TDBLookupGridExOptions{dlgColLinesEx});
  EXPECT_EQ(list.DataSource(), nullptr);
  EXPECT_EQ(list.Columns()->Count(), 0);
  TSpecRowEx row;
  row.SetVisible(true);
  row.SetCellsText("(none)");
  list.SetSpecRow(&row);
  EXPECT_TRUE(list.SpecRow()->Visible()) << "the special row is copied, not shared";
  EXPECT_NE(list.SpecRow(), &row);
  EXPECT_EQ(list.SpecRow()->GetCellText(0), "(none)");
}

TEST(PopupDataGrid, ForgetsTheDataSourceItShowsWhenItIsFreed) {
  TPopupDataGridEx list(nullptr);
  auto* first = new TDataSource(nullptr);
  auto second = std::make_unique<TDataSource>(nullptr);
  list.SetDataSource(first);
  list.SetDataSource(second.get());
  delete first;
  EXPECT_EQ(list.DataSource(), second.get()) << "a source it no longer shows is no concern";
  second.reset();
  EXPECT_EQ(list.DataSource(), nullptr);
}

TEST(PopupDataGrid, AListFreedFirstLeavesItsDataSourceWhole) {
  auto source = std::make_unique<TDataSource>(nullptr);
  {
    TPopupDataGridEx list(nullptr);
    list.SetDataSource(source.get());
  }
  source.reset();  // must not tell the freed list anything
  SUCCEED();
}

}  // namespace
