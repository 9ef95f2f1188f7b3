// Data-set helpers of the grid library: comparing bookmarks and values, keeping the cursor.
#include "gridlib/controls/db_utils_ex.h"

#include <exception>

#include "platform/data/dataset.h"

int BookmarksCompare(TDataSet* dataSet, const TBookmark& first, const TBookmark& second) {
  return dataSet->CompareBookmarks(first, second);
}

bool VarEqualsEx(const Variant& a, const Variant& b) {
  if (a.IsArray() != b.IsArray()) return false;
  if (!a.IsArray()) {
    if (a.IsEmptyOrNull() || b.IsEmptyOrNull()) return a.IsEmptyOrNull() && b.IsEmptyOrNull();
    return a == b;
  }
  const Variant::Array& left = a.AsArray();
  const Variant::Array& right = b.AsArray();
  if (left.size() != right.size()) return false;
  for (size_t i = 0; i < left.size(); ++i) {
    if (!VarEqualsEx(left[i], right[i])) return false;
  }
  return true;
}

void SetFieldsValuesEx(TDataSet* dataSet, std::string_view fieldNames, const Variant& values) {
  const std::vector<String> names = SplitFieldNames(fieldNames);
  if (names.size() == 1 && !values.IsArray()) {
    dataSet->FieldByName(names[0])->SetValue(values);
    return;
  }
  const Variant::Array& items = values.AsArray();
  for (size_t i = 0; i < names.size() && i < items.size(); ++i) {
    dataSet->FieldByName(names[i])->SetValue(items[i]);
  }
}

TKeptCursorEx::TKeptCursorEx(TDataSet* dataSet)
    : quiet_(dataSet), dataSet_(dataSet), kept_(dataSet->Bookmark()), row_(dataSet->ActiveRecord()) {}

TKeptCursorEx::~TKeptCursorEx() {
  if (kept_.empty()) return;
  try {
    if (dataSet_->BookmarkValid(kept_)) dataSet_->GotoBookmarkAtRow(kept_, row_);
  } catch (const std::exception&) {
    // A scope's end cannot report: the record stays where the walk left it.
  }
}
