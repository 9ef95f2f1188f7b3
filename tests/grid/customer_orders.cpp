#include "tests/grid/customer_orders.h"

#include <string>

#include "platform/data/field_kinds.h"

namespace grid_test {

std::unique_ptr<TMemDataSet> MakeCustomers() {
  auto customers = std::make_unique<TMemDataSet>(nullptr);
  customers->FieldDefs()->Add("Code", ftInteger);
  customers->FieldDefs()->Add("Title", ftString, 20);
  customers->CreateDataSet();
  for (int code : {10, 20, 30}) customers->AppendRecord({Variant(code), Variant("Customer " + std::to_string(code))});
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

}  // namespace grid_test
