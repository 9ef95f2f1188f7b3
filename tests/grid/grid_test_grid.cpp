// The test grid and its published properties (no data-access header here: its field-type
// names clash with the property registry's).
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "platform/classes/class_registry.h"
#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/grid/grid_test_support.h"

namespace grid_test {

TTestGrid::TTestGrid(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  CreateGridObjects();
  RegisterClass(StaticClass());
}

TTestGrid::~TTestGrid() {
  Destroying();
  DestroyGridObjects();
}

void TTestGrid::Publish() {
  TPublisher<TTestGrid> p;
  p.Property("ColumnDefValues", &TTestGrid::ColumnDefValues, &TTestGrid::SetColumnDefValues);
  p.Property("Columns", &TTestGrid::Columns, &TTestGrid::SetColumns)
      .Stored(&TTestGrid::IsColumnsStored);
  p.Property("Options", &TTestGrid::Options, &TTestGrid::SetOptions)
      .Default(TDBGridOptions::FromMask(kDefaultGridOptions));
  p.Property("OptionsEx", &TTestGrid::OptionsEx, &TTestGrid::SetOptionsEx)
      .Default(TDBGridExOptions::FromMask(kDefaultGridExOptions));
}

int TTestGrid::GridColWidth(int dataCol) {
  auto found = gridWidths.find(dataCol);
  return found != gridWidths.end() ? found->second : -1;
}

void TTestGrid::SelectionChanged() {
  ++selectionNotices;
  TDBGridExHost::SelectionChanged();
}

void TTestGrid::Loaded() {
  TComponent::Loaded();
  RebuildSortMarkedColumns();
}

void TTestGrid::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  GridNotification(component, operation);
}

}  // namespace grid_test
