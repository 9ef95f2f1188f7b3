// The filter cell of a lookup column: the user types a customer's title, the orders of that
// customer show, and the filter holds whatever the user then does in the cell.
#include <gtest/gtest.h>

#include <functional>

#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "tests/grid/customer_orders.h"
#include "tests/support/key_input.h"

namespace grid_test {
namespace {

class LookupFilterCell : public GridOverCustomerOrders {
 protected:
  void SetUp() override {
    Make({10, 20, 10, 20, 30, 20});
    grid->STFilter()->SetVisible(true);
    for (const char* field : {"ID", "CustomerTitle"}) grid->Columns()->Add()->SetFieldName(field);
  }
  TInplaceFilterEditEx* Editor() { return grid->FilterEditor(); }
  void TypeOver(const char* text) {
    Editor()->SelectAllFromStart();
    test_input::Type(Editor()->EditControl(), text);
  }
  void Enter() { Editor()->EditControl()->Perform(WM_CHAR, '\r', 1); }
  int FilterRow() { return grid->TitleOffset() - 1; }
};

TEST_P(LookupFilterCell, TheFilterHoldsThroughEnteringLeavingAndEnter) {
  const struct {
    const char* name;
    std::function<void()> then;
    const char* ids;
    const char* cellText;
  } cases[] = {
      {"left by a press on a record, entered by a press on the cell",
       [&] {
         PressCell(grid, 1, grid->TitleOffset() + 1);
         PressCell(grid, 2, FilterRow());
         Enter();
       },
       "2 4 6", "Customer 20"},
      {"left by the keys, entered again",
       [&] {
         test_input::Key(Editor()->EditControl(), VK_DOWN);
         test_input::Key(grid, VK_UP);
         Enter();
       },
       "2 4 6", "Customer 20"},
      {"another customer, Enter twice",
       [&] {
         TypeOver("Customer 30");
         Enter();
         Enter();
       },
       "5", "Customer 30"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    grid->ShowFilterEditor(1);
    TypeOver("Customer 20");
    Enter();
    ASSERT_EQ(data->ShownIds(), "2 4 6");
    c.then();
    EXPECT_EQ(data->ShownIds(), c.ids);
    EXPECT_EQ(grid->FilterText(1), c.cellText);
    grid->ClearAllFilters();
    grid->ApplyFilterNow();
    ASSERT_EQ(data->ShownIds(), "1 2 3 4 5 6");
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, LookupFilterCell, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
