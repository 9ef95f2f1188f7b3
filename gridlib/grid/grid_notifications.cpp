// What the grid tells the application about clicks, titles and the current column, and what
// it answers about itself.
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

bool TCustomDBGridEx::CheckTitleBtn(int dataCol) {
  bool enabled = false;
  if (dataCol < 0 || dataCol >= Columns()->Count() || !OnCheckButton.Assigned()) return false;
  OnCheckButton.Call(this, dataCol, Columns()->Items(dataCol), enabled);
  return enabled;
}

// Entering a column brings its input settings with it.
void TCustomDBGridEx::ColEnter() {
  const int selected = SelectedIndex();
  if (selected >= 0 && selected < Columns()->Count()) {
    TColumnEx* column = Columns()->Items(selected);
    SetImeMode(column->ImeMode());
    SetImeName(column->ImeName());
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
