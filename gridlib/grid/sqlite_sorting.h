#pragma once

#include "gridlib/grid/dataset_features.h"

// Sorting an SQLite table on the grid's sort markers: SQLite orders the rows (ORDER BY on the
// marked columns, each in its marker's direction: down ascending, up descending), and the
// records are read again only as they are shown. Column names go into the SQL as quoted
// identifiers; no value the user typed ever becomes SQL text. Filtering is the platform data
// sets' own.
class TSqliteDataSetFeaturesEx : public TRecordSetFeaturesEx {
 public:
  void ApplySorting(TCustomDBGridEx* grid, TDataSet* dataSet, bool isReopen) override;
};
