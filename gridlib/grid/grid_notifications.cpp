// What the grid tells the application about clicks, titles and the current column, and what
// it answers about itself.
#include "gridlib/grid/columns.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/db_grid.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

// A title acts as a button when its TitleButton says so, unless OnCheckButton decides
// otherwise.
bool TCustomDBGridEx::CheckTitleBtn(int dataCol) {
  if (dataCol < 0 || dataCol >= Columns()->Count()) return false;
  TColumnEx* column = Columns()->Items(dataCol);
  bool enabled = column->Title()->TitleButton();
  OnCheckButton.Call(this, dataCol, column, enabled);
  return enabled;
}

// Entering a column brings its input settings with it, where it has its own; a column without
// them gets the grid's own, as they were when the window was made, not those of the column
// entered before. The editor takes the same.
void TCustomDBGridEx::ColEnter() {
  const int selected = SelectedIndex();
  if (selected >= 0 && selected < Columns()->Count()) {
    TColumnEx* column = Columns()->Items(selected);
    const TImeMode gridMode = HandleAllocated() ? savedImeMode_ : ImeMode();
    const String gridName = HandleAllocated() ? savedImeName_ : ImeName();
    const TImeMode mode = column->IsAssigned(cvImeMode) ? column->ImeMode() : gridMode;
    const String name = column->IsAssigned(cvImeName) ? column->ImeName() : gridName;
    SetImeMode(mode);
    SetImeName(name);
    if (TInplaceEdit* editor = InplaceEditor()) {
      editor->SetImeMode(mode);
      editor->SetImeName(name);
    }
  }
  OnColEnter.Call(this);
}

bool TCustomDBGridEx::RowFocusFrameWanted() {
  return !IsDesigning() && Options().Contains(dgRowSelect) && DefaultDrawing() && Focused();
}

void TCustomDBGridEx::GetUsedFields(std::vector<TField*>& fields) const {
  TDataSet* dataSet = DataSource() != nullptr ? DataSource()->DataSet() : nullptr;
  if (dataSet == nullptr) return;
  for (int i = 0; i < dataSet->FieldCount(); ++i) fields.push_back(dataSet->Fields()->Fields(i));
}
