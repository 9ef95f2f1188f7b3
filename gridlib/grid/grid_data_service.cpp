// The grid data service and the registry of data-set features it hands work to.
#include "gridlib/grid/grid_data_service.h"

#include <vector>

#include "gridlib/grid/db_grid.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

namespace {

struct FeaturesEntry {
  String ClassName;
  std::unique_ptr<TDatasetFeaturesEx> Entry;
};

std::vector<FeaturesEntry>& Registry() {
  static std::vector<FeaturesEntry> entries;
  return entries;
}

// Steps from the data set's class up to the class of that name; -1 when it is no ancestor.
int AncestorSteps(TDataSet* dataSet, const String& className) {
  int steps = 0;
  for (TClass cls = dataSet->ClassType(); cls != nullptr; cls = cls->ClassParent(), ++steps) {
    if (UpperCase(cls->ClassName()) == UpperCase(className)) return steps;
  }
  return -1;
}

TDataSet* GridDataSet(TCustomDBGridEx* grid) {
  return grid != nullptr && grid->DataSource() != nullptr ? grid->DataSource()->DataSet() : nullptr;
}

}  // namespace

bool TDatasetFeaturesEx::MoveRecords(TCustomDBGridEx*, TDataSet*, TBookmarkListEx*, int, int, bool) {
  return false;
}
void TDatasetFeaturesEx::ApplySorting(TCustomDBGridEx*, TDataSet*, bool) {}
void TDatasetFeaturesEx::ApplyFilter(TCustomDBGridEx*, TDataSet*, bool) {}

void RegisterDatasetFeaturesEx(const String& className, std::unique_ptr<TDatasetFeaturesEx> entry) {
  Registry().push_back({className, std::move(entry)});
}

void UnregisterAllDatasetFeaturesEx() { Registry().clear(); }

TDatasetFeaturesEx* FindDatasetFeaturesEntry(TDataSet* dataSet) {
  if (dataSet == nullptr) return nullptr;
  TDatasetFeaturesEx* best = nullptr;
  int bestSteps = -1;
  for (const FeaturesEntry& entry : Registry()) {
    const int steps = AncestorSteps(dataSet, entry.ClassName);
    if (steps >= 0 && (best == nullptr || steps < bestSteps)) {
      best = entry.Entry.get();
      bestSteps = steps;
    }
  }
  return best;
}

bool TDBGridExDataService::MoveRecords(TCustomDBGridEx* grid, TBookmarkListEx* bookmarks, int toRecNo,
                                       int treeLevel, bool checkOnly) {
  return DefaultMoveRecords(grid, bookmarks, toRecNo, treeLevel, checkOnly);
}

bool TDBGridExDataService::DefaultMoveRecords(TCustomDBGridEx* grid, TBookmarkListEx* bookmarks,
                                              int toRecNo, int treeLevel, bool checkOnly) {
  TDataSet* dataSet = GridDataSet(grid);
  TDatasetFeaturesEx* entry = FindDatasetFeaturesEntry(dataSet);
  return entry != nullptr && entry->MoveRecords(grid, dataSet, bookmarks, toRecNo, treeLevel, checkOnly);
}

void TDBGridExDataService::ApplyFilter(TCustomDBGridEx* grid) {
  if (OnApplyFilter.Assigned()) OnApplyFilter.Call(this, grid);
  else DefaultApplyFilter(grid);
}

void TDBGridExDataService::ApplySorting(TCustomDBGridEx* grid) {
  if (OnApplySorting.Assigned()) OnApplySorting.Call(this, grid);
  else DefaultApplySorting(grid);
}

void TDBGridExDataService::DefaultApplyFilter(TCustomDBGridEx* grid) {
  TDataSet* dataSet = GridDataSet(grid);
  if (TDatasetFeaturesEx* entry = FindDatasetFeaturesEntry(dataSet)) entry->ApplyFilter(grid, dataSet, true);
}

void TDBGridExDataService::DefaultApplySorting(TCustomDBGridEx* grid) {
  TDataSet* dataSet = GridDataSet(grid);
  if (TDatasetFeaturesEx* entry = FindDatasetFeaturesEntry(dataSet)) entry->ApplySorting(grid, dataSet, true);
}
