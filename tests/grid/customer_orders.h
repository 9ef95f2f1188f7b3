#pragma once

#include <memory>

#include "platform/data/field.h"
#include "platform/data/mem_dataset.h"

namespace grid_test {

// Customers 10, 20 and 30, titled "Customer <code>", open.
std::unique_ptr<TMemDataSet> MakeCustomers();
// A field of `type` for `ds`, which is not open yet.
TField* AddTestField(TDataSet* ds, TFieldType type, const char* name, int size = 0);
// The integer field Customer and the lookup field CustomerTitle showing that customer's title.
void AddCustomerLookup(TDataSet* orders, TDataSet* customers);

}  // namespace grid_test
