// What the grid asks of a plain data set: filtering and moving records through the data service.
#include "gridlib/grid/dataset_features.h"

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/grid_filter_apply.h"
#include "platform/data/dataset.h"

bool TRecordSetFeaturesEx::MoveRecords(TCustomDBGridEx*, TDataSet* dataSet, TBookmarkListEx* bookmarks, int toRecNo,
                                       int, bool checkOnly) {
  if (bookmarks == nullptr) return false;
  std::vector<TBookmark> list;
  for (int i = 0; i < bookmarks->Count(); ++i) list.push_back(bookmarks->Items(i));
  return dataSet->MoveRecords(list, toRecNo, checkOnly);
}

void TRecordSetFeaturesEx::ApplyFilter(TCustomDBGridEx* grid, TDataSet* dataSet, bool) {
  ApplyGridColumnFilters(grid, dataSet);
}

void RegisterRecordSetFeatures() { RegisterDatasetFeaturesEx("TMemDataSet", std::make_unique<TRecordSetFeaturesEx>()); }
