// What the grid tells the application: title buttons asked of OnCheckButton, clicks, column
// entry with the column's input settings; and the fields it uses.
#include <gtest/gtest.h>

#include <vector>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "tests/grid/grid_test_support.h"

namespace grid_test {
namespace {

TEST(GridNotifications, TitleButtonsAreWhatOnCheckButtonSays) {
  TDBGridEx grid(nullptr);
  grid.Columns()->Add();
  grid.Columns()->Add();
  EXPECT_FALSE(grid.CheckTitleBtn(0)) << "no handler: no button";
  std::vector<int> asked;
  grid.OnCheckButton.Bind(nullptr, "", [&](TObject*, int col, TColumnEx* column, bool& enabled) {
    asked.push_back(col);
    enabled = column->Index() == 1;
  });
  EXPECT_FALSE(grid.CheckTitleBtn(0));
  EXPECT_TRUE(grid.CheckTitleBtn(1));
  EXPECT_FALSE(grid.CheckTitleBtn(2)) << "outside the columns";
  EXPECT_FALSE(grid.CheckTitleBtn(-1));
  EXPECT_EQ(asked, (std::vector<int>{0, 1}));
}

TEST(GridNotifications, ClicksAndColumnEntryReachTheirEvents) {
  TDBGridEx grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  column->SetImeName("Pinyin");
  std::vector<std::string> seen;
  grid.OnCellClick.Bind(nullptr, "", [&](TColumnEx* c) { seen.push_back(c == column ? "cell" : "?"); });
  grid.OnTitleClick.Bind(nullptr, "", [&](TColumnEx* c) { seen.push_back(c == column ? "title" : "?"); });
  grid.OnTitleBtnClick.Bind(nullptr, "", [&](TObject*, int col, TColumnEx*) {
    seen.push_back("button " + std::to_string(col));
  });
  grid.OnColEnter.Bind(nullptr, "", [&](TObject*) { seen.push_back("enter"); });
  grid.OnColExit.Bind(nullptr, "", [&](TObject*) { seen.push_back("exit"); });
  grid.CellClick(column);
  grid.TitleClick(column);
  grid.TitleBtnClick(0, column);
  grid.ColEnter();
  grid.ColExit();
  EXPECT_EQ(seen, (std::vector<std::string>{"cell", "title", "button 0", "enter", "exit"}));
  EXPECT_EQ(grid.ImeName(), "Pinyin") << "the column's input settings come with it";
}

TEST(GridNotifications, UsedFieldsAreEveryFieldOfTheDataSet) {
  TDBGridEx grid(nullptr);
  std::vector<TField*> fields;
  grid.GetUsedFields(fields);
  EXPECT_TRUE(fields.empty());
  Items items(Store::Memory, 3);
  grid.SetDataSource(items.source());
  grid.GetUsedFields(fields);
  EXPECT_EQ(fields.size(), 6u);
  grid.SetDataSource(nullptr);
}

}  // namespace
}  // namespace grid_test
