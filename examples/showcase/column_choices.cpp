#include "examples/showcase/column_choices.h"

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "platform/core/string_list.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/keys.h"

void ChooseFromFilterValues(TColumnEx* column) {
  TDataSource* source = column->STFilter()->ListSource();
  TDataSet* values = source != nullptr ? source->DataSet() : nullptr;
  if (values == nullptr || !values->Active() || values->FieldCount() == 0) return;
  TStrings* picks = column->PickList();
  {
    TStringsUpdateLock update(*picks);
    picks->Clear();
    TField* value = values->Fields()->Fields(0);
    for (values->First(); !values->Eof(); values->Next()) {
      if (!value->IsNull()) picks->Add(value->AsString());
    }
  }
  values->First();
}

namespace {

// The keys that drop an editor's list.
bool DropsList(uint16_t key, TShiftState shift) {
  const bool alt = shift.Contains(ssAlt);
  return (key == VK_F4 && !alt && !shift.Contains(ssCtrl)) || (alt && (key == VK_DOWN || key == VK_UP));
}

}  // namespace

void DropChoicesOnKeys(TDBGridEx* grid, TColumnEx* column) {
  grid->OnKeyDown.Bind(grid, "DropChoicesKeyDown", [grid, column](TObject*, uint16_t& key, TShiftState shift) {
    if (!DropsList(key, shift) || grid->InplaceEditorShowing() || grid->SelectedIndex() != column->Index()) return;
    grid->SetEditorMode(true);
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(grid->InplaceEditor());
    // A grid that cannot edit now keeps the key for itself.
    if (editor == nullptr || !grid->InplaceEditorShowing() || !editor->HasDropDown()) return;
    editor->DropDown();
    key = 0;
  });
}
