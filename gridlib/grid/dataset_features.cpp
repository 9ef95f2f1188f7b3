#include "gridlib/grid/dataset_features.h"

#include "gridlib/grid/grid_filter_apply.h"

void TRecordSetFeaturesEx::ApplyFilter(TCustomDBGridEx* grid, TDataSet* dataSet, bool) {
  ApplyGridColumnFilters(grid, dataSet);
}

void RegisterRecordSetFeatures() { RegisterDatasetFeaturesEx("TMemDataSet", std::make_unique<TRecordSetFeaturesEx>()); }
