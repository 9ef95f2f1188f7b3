#pragma once

#include "platform/core/strings.h"
#include "platform/core/variant.h"
#include "platform/data/dataset.h"
#include "platform/data/db_types.h"

// The data set's own order of two bookmarks: negative when the first record comes earlier,
// 0 for the same record, positive when later. Works for records that are gone too.
int BookmarksCompare(TDataSet* dataSet, const TBookmark& first, const TBookmark& second);

// True when the two values are equal; arrays are compared element by element.
bool VarEqualsEx(const Variant& a, const Variant& b);

// Writes each value to the field named at the same place of the ";"-separated list; a single
// name takes the value itself, several names an array of values.
void SetFieldsValuesEx(TDataSet* dataSet, std::string_view fieldNames, const Variant& values);

// A walk through a data set's records that leaves its cursor where it found it: the data
// set's controls hear nothing meanwhile, and when the scope ends the record that was current
// is current again at the same buffer row.
class TKeptCursorEx {
 public:
  explicit TKeptCursorEx(TDataSet* dataSet);
  ~TKeptCursorEx();
  TKeptCursorEx(const TKeptCursorEx&) = delete;
  TKeptCursorEx& operator=(const TKeptCursorEx&) = delete;

 private:
  DisableControlsGuard quiet_;
  TDataSet* dataSet_;
  TBookmark kept_;
  int row_;
};
