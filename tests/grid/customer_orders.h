#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gridlib/grid/grid_style.h"
#include "platform/data/data_source.h"
#include "platform/data/field.h"
#include "platform/data/mem_dataset.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {

// Customers 10, 20 and 30, titled "Customer <code>", open.
std::unique_ptr<TMemDataSet> MakeCustomers();
// A field of `type` for `ds`, which is not open yet.
TField* AddTestField(TDataSet* ds, TFieldType type, const char* name, int size = 0);
// The integer field Customer and the lookup field CustomerTitle showing that customer's title.
void AddCustomerLookup(TDataSet* orders, TDataSet* customers);

// Customers 10, 20 and 30 and orders ID 1, 2, ... naming the customer codes given (0: none),
// with the lookup field CustomerTitle, both in the store under test and open on their first
// records.
class CustomerOrders {
 public:
  CustomerOrders(Store store, const std::vector<int>& customerOfOrder);
  ~CustomerOrders();
  CustomerOrders(const CustomerOrders&) = delete;
  CustomerOrders& operator=(const CustomerOrders&) = delete;
  TDataSet* customers() const { return customers_.get(); }
  TDataSet* orders() const { return orders_.get(); }
  TDataSource* source() { return &source_; }
  // The IDs of the orders the data set shows, in order, as "2 4 6"; the cursor stays.
  std::string ShownIds();
  // The customer code order `id` holds, read from the store; 0 for none.
  int CustomerOf(int id);

 private:
  std::string file_;
  std::unique_ptr<TDataSet> customers_;
  std::unique_ptr<TDataSet> orders_;
  TDataSource source_{nullptr};
};

// A shown form holding a focused grid over customer orders of the store under test.
class GridOverCustomerOrders : public testing::TestWithParam<Store> {
 protected:
  void Make(const std::vector<int>& customerOfOrder) {
    data = std::make_unique<CustomerOrders>(GetParam(), customerOfOrder);
    grid = ShowGridOnForm(form, data->source());
  }
  void Drop() {
    delete form;
    form = nullptr;
    data.reset();
  }
  void TearDown() override { Drop(); }

  TApplicationScope app;
  GridLibraryScope library;
  std::unique_ptr<CustomerOrders> data;
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

}  // namespace grid_test
