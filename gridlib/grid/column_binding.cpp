// Binding the grid's columns to the data set's fields before each layout pass.
#include "gridlib/grid/column_binding.h"

#include <algorithm>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"

namespace {

bool FieldIsMapped(TGridDataLinkEx* link, TField* field) {
  for (int i = 0; i < link->FieldCount(); ++i) {
    if (link->GetMappedField(i) == field) return true;
  }
  return false;
}

// Columns the grid made for fields give way to stored ones as soon as the collection holds
// both kinds in that order.
void DropOrphanDefaultColumns(TDBGridColumnsEx* columns) {
  for (int i = 1; i < columns->Count(); ++i) {
    if (columns->Items(i)->IsStored() && columns->Items(i - 1)->IsDefaultColumn()) {
      TCollectionUpdateLock lock(*columns);
      for (int j = columns->Count() - 1; j >= 0; --j) {
        if (columns->Items(j)->IsDefaultColumn()) delete columns->Items(j);
      }
      return;
    }
  }
}

// Default columns whose fields are no longer mapped go; without an active link all go.
void DropUnmappedColumns(TDBGridColumnsEx* columns, TGridDataLinkEx* link) {
  if (!link->Active()) {
    columns->Clear();
    return;
  }
  for (int i = columns->Count() - 1; i >= 0; --i) {
    TField* field = columns->Items(i)->Field();
    if (field == nullptr || !FieldIsMapped(link, field)) delete columns->Items(i);
  }
}

// Stored columns look their fields up again; default columns follow the mapped fields one to
// one, in field order.
void FollowMappedFields(TDBGridColumnsEx* columns, TGridDataLinkEx* link) {
  if (columns->State() == csCustomized) {
    columns->ReleaseFields();
    return;
  }
  TCollectionUpdateLock lock(*columns);
  DropUnmappedColumns(columns, link);
  const int passes = std::max(link->FieldCount(), columns->Count() == 0 ? 1 : 0);
  for (int j = 0; j < passes; ++j) {
    TField* field = j < link->FieldCount() ? link->GetMappedField(j) : nullptr;
    TColumnEx* found = nullptr;
    for (int i = j; i < columns->Count() && field != nullptr && found == nullptr; ++i) {
      if (columns->Items(i)->Field() == field) found = columns->Items(i);
    }
    if (found == nullptr) {
      found = columns->InternalAdd();
      if (field != nullptr) found->SetField(field);
    }
    // Only the column moves to its field's place: moving a default column moves its field
    // too, which would reorder the very fields this step binds to.
    found->TCollectionItem::SetIndex(j);
  }
}

}  // namespace

void BindColumnsToFields(TDBGridExHost* grid) {
  DropOrphanDefaultColumns(grid->Columns());
  grid->DataLink()->ClearMapping();
  if (grid->DataLink()->Active()) grid->MapColumnsToFields();
  FollowMappedFields(grid->Columns(), grid->DataLink());
}
