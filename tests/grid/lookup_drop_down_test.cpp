// The editor's lookup list over a large lookup table: it reads the records it shows, not
// the table, and still marks the record's own entry, scrolls through every record and
// stores the chosen key.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/keys.h"
#include "tests/grid/customer_orders.h"
#include "tests/grid/grid_test_support.h"
#include "tests/grid/grid_window_support.h"
#include "tests/support/key_input.h"

using namespace grid_test;

namespace {

// Counts the records the data set reads from its store.
template <typename Base>
class TCounting : public Base {
 public:
  using Base::Base;
  int reads = 0;

 protected:
  void ReadRecord(int64_t id, std::vector<Variant>& columns) override {
    ++reads;
    Base::ReadRecord(id, columns);
  }
};

struct LookupCase {
  Store store;
  int customers;
  int orderedCode;  // the order's customer, whose line the list marks
};

std::string CaseName(const testing::TestParamInfo<LookupCase>& info) {
  return info.param.store == Store::Memory ? "Memory" : "Sqlite";
}

// Customers with codes 1 .. count, titled "Customer <code>", in code order.
std::unique_ptr<TDataSet> MakeManyCustomers(Store store, int count, const std::string& file) {
  if (store == Store::Memory) {
    auto customers = std::make_unique<TCounting<TMemDataSet>>(nullptr);
    customers->FieldDefs()->Add("Code", ftInteger);
    customers->FieldDefs()->Add("Title", ftString, 20);
    customers->CreateDataSet();
    for (int code = 1; code <= count; ++code) {
      customers->AppendRecord({Variant(code), Variant("Customer " + std::to_string(code))});
    }
    return customers;
  }
  {
    TSqliteDatabase db(file, true, 1000);
    db.Execute("CREATE TABLE customers (Code INTEGER, Title VARCHAR(20))");
    db.Execute("WITH RECURSIVE n(code) AS (SELECT 1 UNION ALL SELECT code + 1 FROM n WHERE code < " +
               std::to_string(count) + ") INSERT INTO customers SELECT code, 'Customer ' || code FROM n");
  }
  auto customers = std::make_unique<TCounting<TSqliteDataSet>>(nullptr);
  customers->SetDatabaseName(file);
  customers->SetTableName("customers");
  return customers;
}

int& ReadsOf(TDataSet* ds) {
  if (auto* memory = dynamic_cast<TCounting<TMemDataSet>*>(ds)) return memory->reads;
  return dynamic_cast<TCounting<TSqliteDataSet>*>(ds)->reads;
}

class LookupDropDown : public testing::TestWithParam<LookupCase> {
 protected:
  void SetUp() override {
    const LookupCase& c = GetParam();
    if (c.store == Store::Sqlite) file = TempPath();
    customers = MakeManyCustomers(c.store, c.customers, file);
    customers->Open();
    orders = std::make_unique<TMemDataSet>(nullptr);
    AddTestField(orders.get(), ftInteger, "ID");
    AddCustomerLookup(orders.get(), customers.get());
    orders->CreateDataSet();
    orders->AppendRecord({Variant(1), Variant(c.orderedCode)});
    orders->First();
    source.SetDataSet(orders.get());
    grid = ShowGridOnForm(form, &source);
  }
  void TearDown() override {
    delete form;
    source.SetDataSet(nullptr);
    orders.reset();
    customers.reset();
    if (!file.empty()) std::remove(file.c_str());
  }
  TDBGridInplaceEdit* Editor() { return grid->DBInplaceEditor(); }
  void Key(uint16_t vk) { test_input::Key(Editor(), vk); }
  // Draws the list as the screen would, which is when it asks for its lines.
  void Paint(TPopupListEx* list) {
    TBitmap picture(list->Width(), list->Height());
    list->PaintTo(picture.Canvas()->Handle(), 0, 0);
  }

  TApplicationScope app;
  GridLibraryScope library;
  std::string file;
  std::unique_ptr<TDataSet> customers;
  std::unique_ptr<TMemDataSet> orders;
  TDataSource source{nullptr};
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

constexpr int kCustomerColumn = 2;
// A few blocks of lines and the records the cursor's own moves read: nothing near a table.
constexpr int kBoundedReads = 400;

TEST_P(LookupDropDown, ReadsOnlyTheRecordsItShows) {
  const LookupCase& c = GetParam();
  grid->SetSelectedIndex(kCustomerColumn);
  test_input::Key(grid, VK_F2);
  ASSERT_NE(Editor(), nullptr);
  const int cursorCode = customers->FieldByName("Code")->AsInteger();
  ReadsOf(customers.get()) = 0;

  Key(VK_F4);
  TPopupListEx* list = Editor()->DroppedList();
  ASSERT_NE(list, nullptr);
  Paint(list);
  EXPECT_EQ(list->Count(), c.customers);
  ASSERT_EQ(list->ItemIndex(), c.orderedCode - 1);
  EXPECT_EQ(list->ItemText(list->ItemIndex()), "Customer " + std::to_string(c.orderedCode));
  for (int page = 0; page < 3; ++page) {
    Key(VK_NEXT);
    Paint(list);
  }
  Key(VK_END);
  Paint(list);
  EXPECT_EQ(list->ItemText(list->ItemIndex()), "Customer " + std::to_string(c.customers));
  EXPECT_LT(ReadsOf(customers.get()), kBoundedReads);
  EXPECT_EQ(customers->FieldByName("Code")->AsInteger(), cursorCode) << "the lookup cursor stays put";

  ReadsOf(customers.get()) = 0;
  Key(VK_RETURN);
  EXPECT_LT(ReadsOf(customers.get()), kBoundedReads) << "the chosen entry's key is known, its text not searched";
  EXPECT_EQ(Editor()->Text(), "Customer " + std::to_string(c.customers));
  orders->Post();
  EXPECT_EQ(orders->FieldByName("Customer")->AsInteger(), c.customers);
}

// Typing into the cell looks the text up once, when it is written, not once per keystroke.
TEST_P(LookupDropDown, TypingSearchesTheTableOnceWhenWritten) {
  const LookupCase& c = GetParam();
  grid->SetSelectedIndex(kCustomerColumn);
  test_input::Key(grid, VK_F2);
  ASSERT_NE(Editor(), nullptr);
  Editor()->SelectAll();
  ReadsOf(customers.get()) = 0;
  const std::string typed = "Customer " + std::to_string(c.customers - 1);
  test_input::Type(Editor(), typed);
  EXPECT_EQ(Editor()->Text(), typed);
  EXPECT_LT(ReadsOf(customers.get()), c.customers) << "no search of the table while typing";

  Key(VK_RETURN);
  orders->Post();
  EXPECT_EQ(orders->FieldByName("Customer")->AsInteger(), c.customers - 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, LookupDropDown,
                         testing::Values(LookupCase{Store::Memory, 5000, 75},
                                         LookupCase{Store::Sqlite, 1000000, 500000}),
                         CaseName);

// The program closes or empties what a drop-down list shows while the user has it down: the
// next key closes the list and writes nothing.
using DropDownListGoes = GridOverCustomerOrders;

TEST_P(DropDownListGoes, TheNextKeyClosesTheListAndWritesNothing) {
  constexpr int kPickListColumn = 1;
  const struct {
    const char* name;
    int column;
    std::function<void()> change;
  } changes[] = {
      {"lookup table closed", kCustomerColumn, [&] { data->customers()->Close(); }},
      {"lookup table emptied", kCustomerColumn,
       [&] {
         while (!data->customers()->IsEmpty()) data->customers()->Delete();
       }},
      {"pick list emptied", kPickListColumn,
       [&] { grid->Columns()->Items(kPickListColumn)->PickList()->Clear(); }},
  };
  for (const auto& change : changes) {
    for (const uint16_t key : {VK_DOWN, VK_RETURN, VK_END}) {
      SCOPED_TRACE(testing::Message() << change.name << ", key " << key);
      Make({20, 10});
      for (const char* field : {"ID", "Customer", "CustomerTitle"}) grid->Columns()->Add()->SetFieldName(field);
      grid->Columns()->Items(kPickListColumn)->PickList()->SetText("10\n20\n30");
      grid->SetSelectedIndex(change.column);
      test_input::Key(grid, VK_F2);
      test_input::Key(grid->DBInplaceEditor(), VK_F4);
      TPopupListEx* list = grid->DBInplaceEditor()->DroppedList();
      ASSERT_NE(list, nullptr);
      test_input::Key(grid->DBInplaceEditor(), VK_DOWN);
      change.change();
      TBitmap picture(list->Width(), list->Height());
      EXPECT_NO_THROW(list->PaintTo(picture.Canvas()->Handle(), 0, 0)) << "drawn again as it is";
      EXPECT_NO_THROW(test_input::Key(grid->DBInplaceEditor(), key));
      EXPECT_EQ(grid->DBInplaceEditor()->DroppedList(), nullptr);
      data->orders()->CheckBrowseMode();
      EXPECT_EQ(data->CustomerOf(1), 20);
      Drop();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, DropDownListGoes, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
