#pragma once

#include <functional>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/variant.h"
#include "platform/data/db_types.h"
#include "platform/data/record_filter.h"

// A condition of an SQL WHERE clause and the values bound to its "?" marks, in order. Values
// never enter the SQL text, so no value can change what the statement does.
struct TSqlCondition {
  String Text;  // "" for no condition
  std::vector<Variant> Values;
};

// The table column a filtered field reads: its SQL identifier and its field type.
struct TSqlFilterColumn {
  String Sql;
  TFieldType Type = ftUnknown;
};

// The condition that passes the records the filter passes, with the filter's meaning (see
// TFieldFilter): text compares in the ANSI collation, Null passes only the Null tests.
TSqlCondition FilterCondition(const TRecordFilter& filter,
                              const std::function<TSqlFilterColumn(const String& fieldName)>& columnOf);
