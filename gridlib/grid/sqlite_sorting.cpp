// Sorting a SQLite data set from the grid's title clicks.
#include "gridlib/grid/sqlite_sorting.h"

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/sqlite_dataset.h"

void TSqliteDataSetFeaturesEx::ApplySorting(TCustomDBGridEx* grid, TDataSet* dataSet, bool) {
  auto* table = dynamic_cast<TSqliteDataSet*>(dataSet);
  if (table == nullptr || !table->Active()) return;
  std::vector<TSortKey> keys;
  for (TColumnEx* column : grid->SortMarkedColumns()) {
    TField* field = column->Field();
    // Only the table's own columns can be ordered on by SQLite.
    if (field == nullptr || field->FieldKind() != fkData) continue;
    keys.push_back({field->FieldName(), column->Title()->SortMarker() == smUpEx});
  }
  table->SortOnKeys(keys);
}
