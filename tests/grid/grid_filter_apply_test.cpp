// Applying the filter row: the columns' expressions filter the grid's data set through the
// data service, in memory and in SQLite alike, unless the application takes the work.
#include <gtest/gtest.h>

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_filter_apply.h"
#include "gridlib/grid/grid_style.h"
#include "platform/data/dataset.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridFilterApply : public GridInForm {
 protected:
  void SetUp() override {
    Make(20);
    grid->STFilter()->SetVisible(true);
  }
  TSTColumnFilterEx* Filter(const char* fieldName) {
    for (int i = 0; i < grid->Columns()->Count(); ++i)
      if (grid->Columns()->Items(i)->FieldName() == fieldName) return grid->Columns()->Items(i)->STFilter();
    ADD_FAILURE() << "no column " << fieldName;
    return nullptr;
  }
  // The IDs the grid's data set shows, in order.
  std::string Ids() {
    TDataSet* ds = items_->ds();
    std::string ids;
    for (ds->First(); !ds->Eof(); ds->Next())
      ids += (ids.empty() ? "" : " ") + std::to_string(ds->FieldByName("ID")->AsInteger());
    return ids;
  }

  GridLibraryScope library_;
};

TEST_P(GridFilterApply, TypedExpressionsFilterTheDataSet) {
  struct Case {
    const char* field;
    const char* text;
    const char* ids;
  } cases[] = {
      {"Amount", ">= 24 AND < 27", "16 17"},
      {"Name", "In (Name3, 'name5', Name99)", "3 5"},
      {"Name", "~Name1_", "10 11 12 13 14 15 16 17 18 19"},
      {"Code", "=Null", "3 6 9 12 15 18"},
      {"Name", "x' OR 1=1 --", ""},
      {"Name", "'x'' OR ''1''=''1'", ""},
      {"Flag", "=False", "2 4 6 8 10 12 14 16 18 20"},
  };
  for (const Case& c : cases) {
    Filter(c.field)->SetExpressionText(c.text);
    grid->ApplyFilterNow();
    EXPECT_EQ(Ids(), c.ids) << c.field << " " << c.text;
    Filter(c.field)->Clear();
  }
  Filter("Amount")->SetExpressionText(">15");
  Filter("Code")->SetExpressionText("Y");
  grid->ApplyFilterNow();
  EXPECT_EQ(Ids(), "13 16 19") << "every column's expression holds";
  grid->ClearAllFilters();
  EXPECT_EQ(grid->FilterText(2), "");
  grid->ApplyFilterNow();
  EXPECT_EQ(items_->ds()->RecordCount(), 20);
}

TEST_P(GridFilterApply, TheCellShowsTheExpressionAsItReadsBack) {
  Filter("Amount")->SetExpressionText(" >=1.5   or  =Null ");
  EXPECT_EQ(grid->FilterText(2), ">= 1.5 OR =Null");
  Filter("Name")->SetExpressionText("O'Brien");
  EXPECT_EQ(grid->FilterText(1), "= 'O''Brien'");
}

TEST_P(GridFilterApply, BadTextRaisesAndKeepsTheExpressionInForce) {
  Filter("Amount")->SetExpressionText(">15");
  EXPECT_THROW(Filter("Amount")->SetExpressionText(">fifteen"), EFilterExpressionError);
  EXPECT_EQ(grid->FilterText(2), "> 15");
  grid->ApplyFilterNow();
  EXPECT_EQ(Ids(), "11 12 13 14 15 16 17 18 19 20");
}

TEST_P(GridFilterApply, OnApplyFilterTakesTheWork) {
  int calls = 0;
  grid->OnApplyFilter.Bind(nullptr, "ApplyFilter", [&](TObject* sender) {
    EXPECT_EQ(sender, grid);
    ++calls;
  });
  Filter("Amount")->SetExpressionText(">15");
  grid->ApplyFilterNow();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(items_->ds()->RecordCount(), 20) << "the data set is the application's to filter";
}

TEST_P(GridFilterApply, KeepsTheColumnsScrolledWhereTheyWere) {
  grid->SetWidth(120);
  grid->SetLeftCol(3);
  Filter("Amount")->SetExpressionText(">15");
  grid->ApplyFilterNow();
  EXPECT_EQ(grid->LeftCol(), 3);
}

// The program closing the data set and opening it again leaves the rows filtered as the
// grid's own columns show, whether the application or the grid applies the filter.
TEST_P(GridFilterApply, TheRowsStayFilteredAsTheCellsShowWhenTheDataSetOpensAgain) {
  grid->Columns()->Clear();
  for (const char* field : {"ID", "Name", "Amount"}) grid->Columns()->Add()->SetFieldName(field);
  for (const bool applicationApplies : {false, true}) {
    SCOPED_TRACE(applicationApplies ? "by the application" : "by the grid");
    if (applicationApplies)
      grid->OnApplyFilter.Bind(nullptr, "ApplyFilter", [&](TObject*) { ApplyGridColumnFilters(grid, items_->ds()); });
    Filter("Amount")->SetExpressionText(">= 24 AND < 27");
    grid->ApplyFilterNow();
    ASSERT_EQ(Ids(), "16 17");
    items_->ds()->Close();
    items_->ds()->Open();
    EXPECT_EQ(grid->FilterText(2), ">= 24 AND < 27");
    EXPECT_EQ(Ids(), "16 17");
    grid->ClearAllFilters();
    grid->ApplyFilterNow();
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, GridFilterApply, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
