#include "tests/grid/customer_orders.h"

#include <cstdio>
#include <string>

#include "platform/data/field_kinds.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"

namespace grid_test {

namespace {

constexpr int kCustomerCodes[] = {10, 20, 30};

std::string CustomerTitle(int code) { return "Customer " + std::to_string(code); }

Variant CodeOrNull(int code) { return code != 0 ? Variant(code) : Variant::Null(); }

std::unique_ptr<TDataSet> SqliteTable(const std::string& file, const char* table) {
  auto ds = std::make_unique<TSqliteDataSet>(nullptr);
  ds->SetDatabaseName(file);
  ds->SetTableName(table);
  return ds;
}

}  // namespace

std::unique_ptr<TMemDataSet> MakeCustomers() {
  auto customers = std::make_unique<TMemDataSet>(nullptr);
  customers->FieldDefs()->Add("Code", ftInteger);
  customers->FieldDefs()->Add("Title", ftString, 20);
  customers->CreateDataSet();
  for (int code : kCustomerCodes) customers->AppendRecord({Variant(code), Variant(CustomerTitle(code))});
  return customers;
}

TField* AddTestField(TDataSet* ds, TFieldType type, const char* name, int size) {
  TField* field = CreateFieldOfType(type, ds);
  field->SetFieldName(name);
  if (size > 0) field->SetSize(size);
  field->SetDataSet(ds);
  return field;
}

void AddCustomerLookup(TDataSet* orders, TDataSet* customers) {
  AddTestField(orders, ftInteger, "Customer");
  TField* title = AddTestField(orders, ftString, "CustomerTitle", 20);
  title->SetFieldKind(fkLookup);
  title->SetKeyFields("Customer");
  title->SetLookupDataSet(customers);
  title->SetLookupKeyFields("Code");
  title->SetLookupResultField("Title");
}

CustomerOrders::CustomerOrders(Store store, const std::vector<int>& customerOfOrder) {
  if (store == Store::Memory) {
    customers_ = MakeCustomers();
    auto orders = std::make_unique<TMemDataSet>(nullptr);
    AddTestField(orders.get(), ftInteger, "ID");
    AddCustomerLookup(orders.get(), customers_.get());
    orders->CreateDataSet();
    for (size_t i = 0; i < customerOfOrder.size(); ++i)
      orders->AppendRecord({Variant(static_cast<int>(i + 1)), CodeOrNull(customerOfOrder[i])});
    orders_ = std::move(orders);
  } else {
    file_ = TempPath();
    {
      TSqliteDatabase db(file_, true, 1000);
      db.Execute("CREATE TABLE customers (Code INTEGER, Title VARCHAR(20))");
      db.Execute("CREATE TABLE orders (ID INTEGER, Customer INTEGER)");
      for (int code : kCustomerCodes)
        db.Execute("INSERT INTO customers VALUES (" + std::to_string(code) + ", '" + CustomerTitle(code) + "')");
      for (size_t i = 0; i < customerOfOrder.size(); ++i) {
        const int code = customerOfOrder[i];
        db.Execute("INSERT INTO orders VALUES (" + std::to_string(i + 1) + ", " +
                   (code != 0 ? std::to_string(code) : std::string("NULL")) + ")");
      }
    }
    customers_ = SqliteTable(file_, "customers");
    customers_->Open();
    orders_ = SqliteTable(file_, "orders");
    AddTestField(orders_.get(), ftInteger, "ID");
    AddCustomerLookup(orders_.get(), customers_.get());
    orders_->Open();
  }
  customers_->First();
  orders_->First();
  source_.SetDataSet(orders_.get());
}

CustomerOrders::~CustomerOrders() {
  source_.SetDataSet(nullptr);
  orders_.reset();
  customers_.reset();
  if (!file_.empty()) {
    std::remove(file_.c_str());
    std::remove((file_ + "-journal").c_str());
  }
}

std::string CustomerOrders::ShownIds() {
  std::string ids;
  const TBookmark here = orders_->GetBookmark();
  for (orders_->First(); !orders_->Eof(); orders_->Next())
    ids += (ids.empty() ? "" : " ") + std::to_string(orders_->FieldByName("ID")->AsInteger());
  if (!here.empty() && orders_->BookmarkValid(here)) orders_->GotoBookmark(here);
  return ids;
}

int CustomerOrders::CustomerOf(int id) {
  const Variant code = orders_->Lookup("ID", Variant(id), "Customer");
  return code.IsNull() ? 0 : code.AsInteger();
}

}  // namespace grid_test
