#pragma once

#include <vector>

#include "platform/core/types.h"
#include "platform/data/db_types.h"

class TDataSet;
class TDBGridExHost;

// The records the user selected one by one (the grid's SelectedRows): bookmarks kept in the
// data set's own order, each at most once, with a one-entry look-up cache.
class TBookmarkListEx {
 public:
  explicit TBookmarkListEx(TDBGridExHost* grid) : grid_(grid) {}
  // A list of its own holding `bookmarks` (in the data set's order), selecting nothing: for
  // handing records that are not selected to what takes a selection.
  TBookmarkListEx(TDBGridExHost* grid, std::vector<TBookmark> bookmarks)
      : grid_(grid), list_(std::move(bookmarks)), linkActive_(true) {}
  TBookmarkListEx(const TBookmarkListEx&) = delete;
  TBookmarkListEx& operator=(const TBookmarkListEx&) = delete;

  int Count() const { return static_cast<int>(list_.size()); }
  // Raises EInvalidGridOperation for an index outside 0..Count-1.
  const TBookmark& Items(int index) const;
  const std::vector<TBookmark>& Bookmarks() const { return list_; }
  // The data set's order of two bookmarks.
  int Compare(const TBookmark& a, const TBookmark& b) const;
  // The current record's bookmark; raises on a closed data set.
  TBookmark CurrentRow() const;
  bool CurrentRowSelected();
  void SetCurrentRowSelected(bool value);
  // Whether `item` is listed; `index` is its place or where it would go.
  bool Find(const TBookmark& item, int& index);
  int IndexOf(const TBookmark& item);
  void Clear();
  // Empties the list and repaints without telling anyone; returns whether it held anything.
  // For a change that tells the grid once itself.
  bool ClearQuietly();
  // The data set opened or closed: nothing stays selected.
  void SetLinkActive(bool value);
  bool LinkActive() const { return linkActive_; }
  // The data set may have changed its order: the list is sorted again before the next search.
  void DataSetChanged() { orderStale_ = true; }
  // Deletes every selected record that still exists from the data set.
  void Delete();
  // Selects every record; the current record stays current.
  void SelectAll();
  // Grid cells covering the selected records now on screen; (-1,-1,-1,-1) when none.
  TRect SelectedRowsRect();

 private:
  TDataSet* DataSet() const;
  void InvalidateCache() { cacheIndex_ = -1; }
  void RestoreOrder();
  void TakeOverSelection();
  void DeleteFromTheEnd(TDataSet* dataSet);
  void Shrunk();
  void Changed();

  TDBGridExHost* grid_;
  std::vector<TBookmark> list_;
  TBookmark cache_;
  bool cacheFind_ = false;
  int cacheIndex_ = -1;
  bool linkActive_ = false;
  bool orderStale_ = false;
};
