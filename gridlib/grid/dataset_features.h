#pragma once

#include "gridlib/grid/grid_data_service.h"

// What the grid asks of the data sets the platform provides (the in-memory and the SQLite
// data set): it filters them on the filter row's expressions and moves records where the
// data set keeps an order of its own.
class TRecordSetFeaturesEx : public TDatasetFeaturesEx {
 public:
  bool MoveRecords(TCustomDBGridEx* grid, TDataSet* dataSet, TBookmarkListEx* bookmarks, int toRecNo, int treeLevel,
                   bool checkOnly) override;
  void ApplyFilter(TCustomDBGridEx* grid, TDataSet* dataSet, bool isReopen) override;
};

// Registers the entry for the in-memory data set (the SQLite data set's entry, which sorts
// too, derives from it); the grid unit does so when it starts.
void RegisterRecordSetFeatures();
