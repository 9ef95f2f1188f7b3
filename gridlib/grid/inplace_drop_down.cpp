#include "gridlib/grid/inplace_drop_down.h"

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/columns.h"
#include "platform/core/string_list.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"

namespace {

void PickListChoices(TColumnEx* column, const String& text, TDropDownChoicesEx& choices) {
  TStrings* picks = column->PickList();
  const bool keyed = column->HasKeyList();
  for (int i = 0; i < picks->Count(); ++i) {
    choices.Texts.push_back(picks->Strings(i));
    if (!keyed) choices.Values.push_back(Variant(picks->Strings(i)));
    else if (i < column->KeyList()->Count()) choices.Values.push_back(Variant(column->KeyList()->Strings(i)));
    else choices.Values.push_back(Variant::Null());
  }
  choices.Current = picks->IndexOf(text);
}

// The lookup data set's records in its order, read without moving its cursor for good.
void LookupChoices(TColumnEx* column, const Variant& key, TDropDownChoicesEx& choices) {
  TField* field = column->Field();
  TDataSet* list = field->LookupDataSet();
  if (list == nullptr || !list->Active()) return;
  TSpecRowEx* special = column->DropDownSpecRow();
  if (special->Visible()) {
    choices.Texts.push_back(special->GetCellText(0));
    choices.Values.push_back(special->Value());
  }
  TField* result = list->FindField(field->LookupResultField());
  if (result == nullptr) return;
  DisableControlsGuard quiet(list);
  const TBookmark kept = list->GetBookmark();
  struct TBack {
    TDataSet* list;
    const TBookmark& kept;
    ~TBack() {
      if (list->BookmarkValid(kept)) list->GotoBookmark(kept);
    }
  } back{list, kept};
  for (list->First(); !list->Eof(); list->Next()) {
    choices.Texts.push_back(result->DisplayText());
    choices.Values.push_back(list->FieldValues(field->LookupKeyFields()));
  }
  for (size_t i = 0; i < choices.Values.size(); ++i) {
    if (VarEqualsEx(choices.Values[i], key)) {
      choices.Current = static_cast<int>(i);
      break;
    }
  }
}

}  // namespace

TDropDownChoicesEx ColumnDropDownChoices(TColumnEx* column, const String& text, const Variant& key) {
  TDropDownChoicesEx choices;
  if (column == nullptr) return choices;
  TField* field = column->Field();
  if (field != nullptr && field->Lookup()) LookupChoices(column, key, choices);
  else if (column->HasPickList()) PickListChoices(column, text, choices);
  return choices;
}
