// The grid's footer sums: their reports become the grid's events and a new layout, a designed
// grid leaves its data set's events alone, and the sums follow the grid's data set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/windows/painting.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridSumList : public GridInForm {
 protected:
  // Writes down each report as the application sees it, checking who sends it.
  void Listen() {
    TDBGridExSumList* list = grid->SumList();
    auto note = [this, list](const char* what) {
      return [this, list, what](TObject* sender) {
        EXPECT_EQ(sender, list) << what;
        seen.push_back(what);
      };
    };
    grid->OnSumListRecalcAll.Bind(nullptr, "", note("grid recalc"));
    grid->OnSumListAfterRecalcAll.Bind(nullptr, "", note("grid after"));
    list->OnAfterRecalcAll.Bind(nullptr, "", note("list after"));
  }
  void PostAmount(double amount) {
    TDataSet* ds = items_->ds();
    ds->Edit();
    ds->FieldByName("Amount")->SetAsFloat(amount);
    ds->Post();
  }
  std::vector<std::string> seen;
};

TEST_P(GridSumList, RecalculationsReachTheGridsEventsFromTheSumList) {
  Make(6);
  Listen();
  grid->SumList()->SetActive(true);
  EXPECT_EQ(seen, (std::vector<std::string>{"list after", "grid after"}));
  seen.clear();
  PostAmount(7);
  EXPECT_EQ(seen, (std::vector<std::string>{"list after", "grid after"})) << "a post counts again";
  seen.clear();
  grid->SumList()->SetExternalRecalc(true);
  grid->SumList()->RecalcAll();
  EXPECT_EQ(seen, (std::vector<std::string>{"grid recalc", "list after", "grid after"}))
      << "the application counts only with ExternalRecalc";
}

TEST_P(GridSumList, ChangedSumsLayTheRowsOutAgainAndRepaint) {
  Make(30);
  grid->SetFooterRowCount(1);
  // The application counts: walking the records would lay the rows out by itself.
  grid->SumList()->SetExternalRecalc(true);
  const int rows = grid->RowCount();
  grid->SetRowCount(3);
  grid->SetRow(1);
  Application->ProcessMessages();
  ValidateRect(grid->Handle(), nullptr);
  grid->SumList()->RecalcAll();
  EXPECT_EQ(grid->RowCount(), rows);
  EXPECT_EQ(grid->Row(), grid->TitleOffset() + grid->DataLink()->ActiveRecord()) << "back on the record";
  TRect dirty;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), dirty));
  EXPECT_EQ(dirty, grid->ClientRect());
}

TEST_P(GridSumList, AutoFittedGridIsLaidOutAgainWhenTheSumsTakeItsBarAway) {
  for (bool autoFit : {false, true}) {
    SCOPED_TRACE(autoFit);
    Make(30, 400, 200);
    grid->SetAutoFitColWidths(autoFit);
    grid->SumList()->SetActive(true);
    Application->ProcessMessages();
    ASSERT_TRUE(grid->VertScrollBar()->IsScrollBarVisible());
    // The grid hears of the deletions only later; the sums hear at once.
    items_->ds()->DisableControls();
    while (items_->ds()->RecordCount() > 1) items_->ds()->Delete();
    EXPECT_FALSE(grid->VertScrollBar()->IsScrollBarVisible());
    MSG pending;
    EXPECT_EQ(PeekMessage(pending, grid->Handle(), GM_DEFERREDLAYOUT,
                          GM_DEFERREDLAYOUT, PM_REMOVE),
              autoFit)
        << "the columns fit the width the bar gave back";
    items_->ds()->EnableControls();
    TearDown();
  }
}

TEST_P(GridSumList, DesignedGridLeavesTheDataSetsEventsAlone) {
  Make(4);
  int posts = 0;
  items_->ds()->AfterPost.Bind(nullptr, "UserAfterPost", [&](TDataSet*) { ++posts; });
  Listen();
  form_->SetDesigning(true);
  grid->SumList()->SetActive(true);
  EXPECT_TRUE(grid->SumList()->Hooked());
  EXPECT_EQ(items_->ds()->AfterPost.MethodName(), "UserAfterPost");
  EXPECT_EQ(seen, (std::vector<std::string>{"list after", "grid after", "list after", "grid after"}))
      << "the designed grid counts an active list itself, once";
  seen.clear();
  PostAmount(3);
  EXPECT_EQ(posts, 1);
  EXPECT_TRUE(seen.empty()) << "nothing listens to the data set at design time";
  grid->SumList()->SetActive(false);
  EXPECT_FALSE(grid->SumList()->Hooked());
  EXPECT_EQ(items_->ds()->AfterPost.MethodName(), "UserAfterPost");

  form_->SetDesigning(false);
  grid->SumList()->SetActive(true);
  EXPECT_NE(items_->ds()->AfterPost.MethodName(), "UserAfterPost") << "hooked at run time";
  seen.clear();
  PostAmount(4);
  EXPECT_EQ(posts, 2) << "the data set's own handler still runs";
  EXPECT_EQ(seen, (std::vector<std::string>{"list after", "grid after"}));
  grid->SumList()->SetActive(false);
  EXPECT_EQ(items_->ds()->AfterPost.MethodName(), "UserAfterPost");
}

TEST_P(GridSumList, ActiveSumsFollowTheGridsDataSet) {
  Make(4);
  items_->ds()->AfterPost.Bind(nullptr, "FirstAfterPost", [](TDataSet*) {});
  grid->SetDataSource(nullptr);
  grid->SumList()->SetActive(true);  // as a form being read does before its references are set
  grid->SetDataSource(items_->source());
  EXPECT_NE(items_->ds()->AfterPost.MethodName(), "FirstAfterPost") << "hooked once the data set comes";
  Items other(GetParam(), 3);
  other.ds()->AfterPost.Bind(nullptr, "OtherAfterPost", [](TDataSet*) {});
  grid->SetDataSource(other.source());
  EXPECT_EQ(grid->SumList()->DataSet(), other.ds());
  EXPECT_EQ(items_->ds()->AfterPost.MethodName(), "FirstAfterPost") << "given back to the first data set";
  EXPECT_NE(other.ds()->AfterPost.MethodName(), "OtherAfterPost") << "the new one is hooked";
  Listen();
  other.ds()->Edit();
  other.ds()->FieldByName("Amount")->SetAsFloat(1);
  other.ds()->Post();
  EXPECT_EQ(seen, (std::vector<std::string>{"list after", "grid after"}));
  grid->SetDataSource(nullptr);
  EXPECT_EQ(other.ds()->AfterPost.MethodName(), "OtherAfterPost");
}

INSTANTIATE_TEST_SUITE_P(Stores, GridSumList, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
