#include "examples/showcase/column_choices.h"

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "platform/core/string_list.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"

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
