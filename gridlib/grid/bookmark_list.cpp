// The grid's selected records: a sorted list of bookmarks, kept in step with the data set.
#include "gridlib/grid/bookmark_list.h"

#include <algorithm>

#include "gridlib/grid/data_row_walk.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/dataset.h"

TDataSet* TBookmarkListEx::DataSet() const { return grid_->DataLink()->DataSet(); }

const TBookmark& TBookmarkListEx::Items(int index) const {
  if (index < 0 || index >= Count()) {
    RaiseGridError("List index out of bounds (" + std::to_string(index) + ")");
  }
  return list_[static_cast<size_t>(index)];
}

int TBookmarkListEx::Compare(const TBookmark& a, const TBookmark& b) const {
  return DataSet()->CompareBookmarks(a, b);
}

TBookmark TBookmarkListEx::CurrentRow() const {
  if (!linkActive_) RaiseGridError("Cannot perform this operation on a closed dataset");
  return DataSet()->GetBookmark();
}

bool TBookmarkListEx::CurrentRowSelected() {
  int index = 0;
  return Find(CurrentRow(), index);
}

// A re-sorted data set keeps the same records in another order; the list follows it so that
// searching by halving stays right.
void TBookmarkListEx::RestoreOrder() {
  orderStale_ = false;
  if (list_.size() < 2) return;
  auto less = [this](const TBookmark& a, const TBookmark& b) { return Compare(a, b) < 0; };
  if (std::is_sorted(list_.begin(), list_.end(), less)) return;
  std::stable_sort(list_.begin(), list_.end(), less);
  InvalidateCache();
}

bool TBookmarkListEx::Find(const TBookmark& item, int& index) {
  if (orderStale_ && DataSet() != nullptr) RestoreOrder();
  if (item == cache_ && cacheIndex_ >= 0) {
    index = cacheIndex_;
    return cacheFind_;
  }
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int c = Compare(list_[static_cast<size_t>(middle)], item);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        low = middle;
      }
    }
  }
  index = low;
  cache_ = item;
  cacheIndex_ = low;
  cacheFind_ = found;
  return found;
}

int TBookmarkListEx::IndexOf(const TBookmark& item) {
  int index = -1;
  return Find(item, index) ? index : -1;
}

void TBookmarkListEx::SetCurrentRowSelected(bool value) {
  const TBookmark current = CurrentRow();
  // A record being inserted has no bookmark yet; there is nothing to remember.
  if (current.empty()) return;
  int index = 0;
  if (Find(current, index) == value) return;
  if (value) list_.insert(list_.begin() + index, current);
  else list_.erase(list_.begin() + index);
  InvalidateCache();
  grid_->InvalidateCurrentRow();
  TakeOverSelection();
  Changed();
}

// Records picked while another kind of selection shows replace it; the grid hears of the
// switch once, from Changed.
void TBookmarkListEx::TakeOverSelection() {
  TDBGridExSelection* selection = grid_->Selection();
  if (selection->SelectionType() == gstRecordBookmarks || Count() == 0) return;
  selection->ClearQuietly();
  selection->SetSelectionType(gstRecordBookmarks);
}

void TBookmarkListEx::Changed() {
  grid_->Selection()->UpdateState();
  grid_->SelectionChanged();
}

bool TBookmarkListEx::ClearQuietly() {
  if (list_.empty()) return false;
  list_.clear();
  InvalidateCache();
  grid_->InvalidateGrid();
  return true;
}

void TBookmarkListEx::Clear() {
  if (!ClearQuietly()) return;
  Changed();
}

void TBookmarkListEx::SetLinkActive(bool value) {
  Clear();
  grid_->Selection()->UpdateState();
  linkActive_ = value;
  orderStale_ = false;
}

// Walking the data set in its own order gives the list already sorted, so every record is
// appended without a search.
void TBookmarkListEx::SelectAll() {
  if (!linkActive_) return;
  TDataSet* dataSet = DataSet();
  std::vector<TBookmark> all;
  all.reserve(static_cast<size_t>(std::max(0, dataSet->RecordCount())));
  {
    DisableControlsGuard frozen(dataSet);
    const TBookmark here = dataSet->GetBookmark();
    for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) all.push_back(dataSet->GetBookmark());
    if (!here.empty() && dataSet->BookmarkValid(here)) dataSet->GotoBookmark(here);
  }
  list_.swap(all);
  orderStale_ = false;
  InvalidateCache();
  TakeOverSelection();
  grid_->InvalidateGrid();
  Changed();
}

void TBookmarkListEx::Delete() {
  TDataSet* dataSet = DataSet();
  if (dataSet == nullptr || list_.empty()) return;
  const size_t before = list_.size();
  try {
    DeleteFromTheEnd(dataSet);
  } catch (...) {
    // Records deleted before the refusal have left the list; the grid hears it first.
    if (list_.size() != before) Shrunk();
    throw;
  }
  Shrunk();
}

// Bookmarks of records deleted meanwhile are dropped, never used: going to them would raise,
// or, once the data set reuses an id, delete the wrong record.
void TBookmarkListEx::DeleteFromTheEnd(TDataSet* dataSet) {
  DisableControlsGuard frozen(dataSet);
  while (!list_.empty()) {
    const TBookmark bookmark = list_.back();
    if (dataSet->BookmarkValid(bookmark)) {
      dataSet->GotoBookmark(bookmark);
      dataSet->Delete();
    }
    list_.pop_back();
    InvalidateCache();
  }
}

void TBookmarkListEx::Shrunk() {
  grid_->InvalidateGrid();
  Changed();
}

TRect TBookmarkListEx::SelectedRowsRect() {
  if (!grid_->DataLink()->Active() || list_.empty()) return kEmptyGridRect;
  int first = -1;
  int last = -1;
  ForEachReadableDataRow(grid_, [&](int row) {
    int index = 0;
    if (!Find(DataSet()->GetBookmark(), index)) return;
    if (first < 0) first = row;
    last = row;
  });
  if (first < 0) return kEmptyGridRect;
  const int titles = grid_->TitleRowCount();
  return Rect(0, titles + first, grid_->GridColCount() - 1, titles + last);
}
