// The in-memory data set: its record store, sorting and definition from fields.
#include "platform/data/mem_dataset.h"

#include <algorithm>
#include <numeric>

#include "platform/core/format.h"

TStorageKind StorageKindOf(TFieldType type) {
  switch (type) {
    case ftBoolean: return skBoolean;
    case ftSmallint: return skInt16;
    case ftInteger:
    case ftWord:
    case ftAutoInc: return skInt32;
    case ftLargeint: return skInt64;
    case ftFloat: return skDouble;
    case ftCurrency:
    case ftBCD: return skCurrency;
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp: return skDate;
    default: return skText;
  }
}

int CompareValues(const Variant& a, const Variant& b, bool caseInsensitive) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() == b.IsNull() ? 0 : (a.IsNull() ? -1 : 1);
  if (a.IsString() || b.IsString()) {
    return caseInsensitive ? AnsiCompareText(a.AsString(), b.AsString())
                           : AnsiCompareStr(a.AsString(), b.AsString());
  }
  TVarType ta = a.VarType(), tb = b.VarType();
  bool integers = (ta == varInteger || ta == varInt64 || ta == varSmallint || ta == varBoolean) &&
                  (tb == varInteger || tb == varInt64 || tb == varSmallint || tb == varBoolean);
  if (integers) {
    int64_t x = ta == varBoolean ? a.AsBoolean() : a.AsInt64();
    int64_t y = tb == varBoolean ? b.AsBoolean() : b.AsInt64();
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (ta == varCurrency && tb == varCurrency) return a.AsCurrency() < b.AsCurrency() ? -1 : (b.AsCurrency() < a.AsCurrency() ? 1 : 0);
  double x = a.AsDouble(), y = b.AsDouble();
  return x < y ? -1 : (x > y ? 1 : 0);
}

TMemDataSet::TMemDataSet(TComponent* owner) : TDataSet(owner) {}

TMemDataSet::~TMemDataSet() { CloseForDestruction(); }

void TMemDataSet::CreateDataSet() {
  CheckInactive();
  store_.reset();
  Open();
}

void TMemDataSet::EmptyDataSet() {
  CheckActive();
  CheckBrowseMode();
  store_->Clear();
  keyset_.Clear();
  shown_.clear();
  shownOrder_.clear();
  std::fill(nextAutoInc_.begin(), nextAutoInc_.end(), 1);
  OrderChanged();
}

// Fields made in code define the columns when no FieldDefs were given.
void TMemDataSet::DefineFromFields() {
  if (FieldDefs()->Count() > 0) return;
  for (TField* f : Fields()->List())
    if (f->FieldKind() == fkData) FieldDefs()->Add(f->FieldName(), f->DataType(), f->Size(), f->Required());
}

void TMemDataSet::CreateStore() {
  std::vector<TStorageKind> kinds;
  storeTypes_.clear();
  for (int i = 0; i < FieldDefs()->Count(); ++i) {
    storeTypes_.push_back(FieldDefs()->Items(i).DataType);
    kinds.push_back(StorageKindOf(FieldDefs()->Items(i).DataType));
  }
  store_ = std::make_unique<TRecordStore>(std::move(kinds));
  keyset_.Clear();
  KeepRecordFilter({});  // a filter names columns of the records it was set on
  shown_.clear();
  shownOrder_.clear();
  nextAutoInc_.assign(storeTypes_.size(), 1);
}

void TMemDataSet::InternalOpen() {
  DefineFromFields();
  bool same = store_ != nullptr && static_cast<int>(storeTypes_.size()) == FieldDefs()->Count();
  for (size_t i = 0; same && i < storeTypes_.size(); ++i)
    same = storeTypes_[i] == FieldDefs()->Items(static_cast<int>(i)).DataType;
  if (!same) CreateStore();
}

void TMemDataSet::ReadRecord(int64_t id, std::vector<Variant>& columns) {
  for (int c = 0; c < store_->ColumnCount(); ++c) columns[static_cast<size_t>(c)] = store_->Get(id, c);
}

void TMemDataSet::FillAutoIncrements(int64_t row) {
  for (size_t c = 0; c < storeTypes_.size(); ++c) {
    if (storeTypes_[c] != ftAutoInc) continue;
    int column = static_cast<int>(c);
    if (store_->IsNull(row, column)) store_->Set(row, column, Variant(nextAutoInc_[c]));
    nextAutoInc_[c] = std::max(nextAutoInc_[c], store_->Get(row, column).AsInt64() + 1);
  }
}

int64_t TMemDataSet::WriteRecord(const TRecordBuffer& buffer, int64_t insertPosition) {
  int columns = store_->ColumnCount();
  if (insertPosition >= 0) {
    int64_t row = store_->AddRow();
    for (int c = 0; c < columns; ++c) store_->Set(row, c, buffer.values[static_cast<size_t>(c)]);
    FillAutoIncrements(row);
    keyset_.InsertAt(OrderPositionOfShown(insertPosition), row);
    PlaceSorted(row);
    if (Filtered()) {
      shown_.resize(static_cast<size_t>(store_->RowCount()), 0);
      shown_[static_cast<size_t>(row)] = 1;  // a new record shows until the filter is set again
      ReshowInOrder();
    }
    return row;
  }
  // An update is all or nothing: a value that does not store puts back the ones before it.
  std::vector<Variant> before(static_cast<size_t>(columns));
  ReadRecord(buffer.id, before);
  try {
    for (int c = 0; c < columns; ++c)
      if (buffer.changed[static_cast<size_t>(c)]) store_->Set(buffer.id, c, buffer.values[static_cast<size_t>(c)]);
  } catch (...) {
    for (int c = 0; c < columns; ++c) store_->Set(buffer.id, c, before[static_cast<size_t>(c)]);
    throw;
  }
  PlaceSorted(buffer.id);
  ReshowInOrder();
  return buffer.id;
}

void TMemDataSet::AppendRecord(const std::vector<Variant>& values) {
  Append();
  for (size_t i = 0; i < values.size() && i < static_cast<size_t>(ColumnCount()); ++i) {
    for (TField* f : Fields()->List())
      if (f->FieldNo() == static_cast<int>(i) + 1) f->SetValue(values[i]);
  }
  Post();
}

namespace {

// The columns named in "A;B"; raises EDatabaseError for a name that is none.
std::vector<int> ColumnsNamed(const TFieldDefs& defs, const String& names) {
  std::vector<int> columns;
  for (const String& name : SplitFieldNames(names)) {
    int column = defs.IndexOf(name);
    if (column < 0) DatabaseError(Format(db_messages::FieldNotFound, {name}));
    columns.push_back(column);
  }
  return columns;
}

}  // namespace

std::vector<int> TMemDataSet::SortColumns() const { return ColumnsNamed(*FieldDefs(), sortFields_); }

int TMemDataSet::CompareRows(int64_t a, int64_t b, const std::vector<int>& columns) const {
  for (int c : columns) {
    int r = CompareValues(store_->Get(a, c), store_->Get(b, c), sortCaseInsensitive_);
    if (r != 0) return sortDescending_ ? -r : r;
  }
  return 0;
}

void TMemDataSet::SortOnFields(const String& fields, bool caseInsensitive, bool descending) {
  if (Active()) {
    CheckBrowseMode();
    ColumnsNamed(*FieldDefs(), fields);  // an unknown name raises before the order changes
  }
  sortFields_ = fields;
  sortCaseInsensitive_ = caseInsensitive;
  sortDescending_ = descending;
  if (!Active()) return;
  ApplySort();
  OrderChanged();
}

// Sorts on keys read once per record; equal keys keep the order they had.
void TMemDataSet::ApplySort() {
  std::vector<int> columns = SortColumns();
  std::vector<int64_t> ids = keyset_.Ids();
  if (columns.empty()) {
    std::sort(ids.begin(), ids.end());
  } else {
    std::vector<std::vector<Variant>> keys(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
      for (int c : columns) keys[i].push_back(store_->Get(ids[i], c));
    std::vector<size_t> order(ids.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
      for (size_t k = 0; k < columns.size(); ++k) {
        int r = CompareValues(keys[x][k], keys[y][k], sortCaseInsensitive_);
        if (r != 0) return sortDescending_ ? r > 0 : r < 0;
      }
      return false;
    });
    std::vector<int64_t> sorted;
    sorted.reserve(ids.size());
    for (size_t i : order) sorted.push_back(ids[i]);
    ids = std::move(sorted);
  }
  keyset_.Reorder(std::move(ids));
  ReshowInOrder();
}

// In a sorted data set, moves a written record to where its keys belong (after equal keys);
// a record already in order between its neighbours stays.
void TMemDataSet::PlaceSorted(int64_t id) {
  if (sortFields_.empty()) return;
  std::vector<int> columns = SortColumns();
  int64_t current = keyset_.PositionOf(id);
  bool afterPrior = current == 0 || CompareRows(keyset_.IdAt(current - 1), id, columns) <= 0;
  bool beforeNext = current + 1 >= keyset_.Count() || CompareRows(id, keyset_.IdAt(current + 1), columns) <= 0;
  if (afterPrior && beforeNext) return;
  auto other = [&](int64_t i) { return keyset_.IdAt(i < current ? i : i + 1); };
  int64_t lo = 0, hi = keyset_.Count() - 1;
  while (lo < hi) {
    int64_t mid = (lo + hi) / 2;
    if (CompareRows(other(mid), id, columns) <= 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  keyset_.MoveTo(id, lo);
}

size_t TMemDataSet::MemoryUsed() const {
  size_t bytes = store_ ? store_->BytesUsed() : 0;
  return bytes + static_cast<size_t>(keyset_.Count()) * 2 * sizeof(int64_t);
}
