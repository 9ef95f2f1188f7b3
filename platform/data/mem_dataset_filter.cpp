// The in-memory data set's filter: records that fail it stay in the store and in the whole
// order, and positions count only the shown ones.
#include <algorithm>

#include "platform/core/format.h"
#include "platform/data/mem_dataset.h"

int64_t TMemDataSet::InternalRecordCount() {
  return Filtered() ? static_cast<int64_t>(shownOrder_.size()) : keyset_.Count();
}

int64_t TMemDataSet::RecordIdAt(int64_t position) {
  return Filtered() ? shownOrder_[static_cast<size_t>(position)] : keyset_.IdAt(position);
}

// The shown ids keep the whole order, so a search by order label finds one.
int64_t TMemDataSet::PositionOfId(int64_t id) {
  if (!Filtered()) return keyset_.PositionOf(id);
  if (!keyset_.Contains(id)) return -1;
  auto at = std::lower_bound(shownOrder_.begin(), shownOrder_.end(), id,
                             [&](int64_t a, int64_t b) { return keyset_.Compare(a, b) < 0; });
  return at != shownOrder_.end() && *at == id ? at - shownOrder_.begin() : -1;
}

int64_t TMemDataSet::OrderPositionOfShown(int64_t shownPosition) const {
  if (!Filtered()) return shownPosition;
  if (shownPosition < static_cast<int64_t>(shownOrder_.size()))
    return keyset_.PositionOf(shownOrder_[static_cast<size_t>(shownPosition)]);
  return shownOrder_.empty() ? keyset_.Count() : keyset_.PositionOf(shownOrder_.back()) + 1;
}

void TMemDataSet::DeleteRecord(int64_t id) {
  keyset_.Remove(id);
  ReshowInOrder();
}

void TMemDataSet::ReshowInOrder() {
  if (!Filtered()) return;
  shown_.resize(static_cast<size_t>(store_->RowCount()), 0);
  shownOrder_.clear();
  for (int64_t id : keyset_.Ids())
    if (shown_[static_cast<size_t>(id)]) shownOrder_.push_back(id);
}

void TMemDataSet::SetRecordFilter(const TRecordFilter& filter) {
  CheckActive();
  CheckBrowseMode();
  std::vector<int> columns;
  for (const TFieldFilter& test : filter) {
    const int column = FieldDefs()->IndexOf(test.FieldName);
    if (column < 0) DatabaseError(Format(db_messages::FieldNotFound, {test.FieldName}), this);
    columns.push_back(column);
  }
  std::vector<char> shown(static_cast<size_t>(store_->RowCount()), 0);
  std::vector<int64_t> order;
  for (int64_t id : keyset_.Ids()) {
    bool passes = true;
    for (size_t i = 0; passes && i < filter.size(); ++i)
      passes = PassesFieldFilter(filter[i], store_->Get(id, columns[i]));
    if (!passes) continue;
    shown[static_cast<size_t>(id)] = 1;
    order.push_back(id);
  }
  KeepRecordFilter(filter);
  shown_ = std::move(shown);
  shownOrder_ = std::move(order);
  if (!Filtered()) {
    shown_.clear();
    shownOrder_.clear();
  }
  OrderChanged();
}
