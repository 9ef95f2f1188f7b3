// Moving records of the in-memory data set to another place in its order.
#include <algorithm>
#include <unordered_set>

#include "platform/data/mem_dataset.h"

bool TMemDataSet::MoveRecords(const std::vector<TBookmark>& bookmarks, int toRecNo, bool checkOnly) {
  // A sorted data set keeps its records where their keys put them.
  if (!Active() || !sortFields_.empty() || toRecNo < 1 || toRecNo > InternalRecordCount()) return false;
  std::unordered_set<int64_t> moving;
  for (const TBookmark& bookmark : bookmarks) {
    int64_t id = 0;
    if (DecodeBookmark(bookmark, id) && PositionOfId(id) >= 0) moving.insert(id);
  }
  const int64_t anchor = RecordIdAt(toRecNo - 1);
  if (moving.empty() || moving.count(anchor) != 0) return false;
  if (checkOnly) return true;
  CheckBrowseMode();
  // Records moved down land after the record they were dropped on, moved up before it.
  const bool down = std::any_of(moving.begin(), moving.end(), [&](int64_t id) { return keyset_.Compare(id, anchor) < 0; });
  std::vector<int64_t> moved, order;
  for (int64_t id : keyset_.Ids()) (moving.count(id) != 0 ? moved : order).push_back(id);
  auto at = std::find(order.begin(), order.end(), anchor);
  order.insert(down ? at + 1 : at, moved.begin(), moved.end());
  keyset_.Reorder(std::move(order));
  ReshowInOrder();
  OrderChanged();
  return true;
}
