#include "examples/showcase/column_choices.h"

#include <algorithm>
#include <vector>

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "platform/core/string_list.h"
#include "platform/core/strings.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/keys.h"

void ChooseFromFilterValues(TColumnEx* column) {
  TDataSource* source = column->STFilter()->ListSource();
  TDataSet* values = source != nullptr ? source->DataSet() : nullptr;
  if (values == nullptr || !values->Active() || values->FieldCount() == 0) return;
  std::vector<String> texts;
  TField* value = values->Fields()->Fields(0);
  for (values->First(); !values->Eof(); values->Next()) {
    if (!value->IsNull()) texts.push_back(value->AsString());
  }
  values->First();
  // The list reads as the filter list and the column's sort do, not in the file's byte order.
  std::sort(texts.begin(), texts.end(), [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
  TStrings* picks = column->PickList();
  TStringsUpdateLock update(*picks);
  picks->Clear();
  for (const String& text : texts) picks->Add(text);
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
