// What a column shows and writes for the current record: texts, kinds, check boxes, stepping.
#include <cmath>

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/controls/mru_list.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/data/dataset.h"
#include "platform/data/field_kinds.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

namespace {

bool IsNumericType(TFieldType type) {
  switch (type) {
    case ftSmallint: case ftInteger: case ftWord: case ftFloat: case ftCurrency: case ftBCD:
      return true;
    default:
      return false;
  }
}

bool IsDateType(TFieldType type) {
  return type == ftDate || type == ftDateTime || type == ftTimeStamp;
}

// Whether `text` is one of the ';'-separated values of `line`, ignoring case.
bool LineHoldsValue(const String& line, const String& text) {
  size_t start = 0;
  while (start <= line.size()) {
    const size_t end = std::min(line.find(';', start), line.size());
    if (CompareTextAnsi(line.substr(start, end - start), text) == 0) return true;
    start = end + 1;
  }
  return false;
}

String FirstValue(const String& line) { return line.substr(0, line.find(';')); }

}  // namespace

std::vector<TField*> KeyFieldsOf(TField* lookupField) {
  std::vector<TField*> keys;
  if (lookupField->KeyFields().empty()) return keys;
  lookupField->DataSet()->GetFieldList(keys, lookupField->KeyFields());
  return keys;
}

bool AllFieldsModifiable(const std::vector<TField*>& fields) {
  for (TField* field : fields) {
    if (!field->CanModify()) return false;
  }
  return true;
}

TColCellParamsEx::TColCellParamsEx() : Font(std::make_unique<TFont>()) {}
TColCellParamsEx::~TColCellParamsEx() = default;

String TColumnEx::FormatFieldValue(TField* field, const String& format) {
  if (format.empty()) return field->DisplayText();
  if (field->IsNull()) return String();
  if (dynamic_cast<TNumericField*>(field) != nullptr) return FormatFloat(format, field->AsFloat());
  if (dynamic_cast<TDateTimeField*>(field) != nullptr) {
    String text;
    DateTimeToString(text, format, field->AsDateTime());
    return text;
  }
  return String();
}

TColumnCellType TColumnEx::GetColumnType() {
  TField* field = Field();
  if (Checkboxes()) return cctCheckboxes;
  if (field != nullptr && field->Lookup()) return cctLookup;
  if (HasPickList() && !HasKeyList()) return cctPickList;
  if (imageList_ != nullptr && !showImageAndText_) return cctImageList;
  if (HasPickList() && HasKeyList()) return cctKeyList;
  return cctPlain;
}

String TColumnEx::DisplayText() {
  TField* field = Field();
  if (field == nullptr || GetColumnType() == cctImageList) return String();
  if (HasKeyList()) {
    const int found = keyList_->IndexOf(field->EditText());
    const int index = found >= 0 ? found : notInKeyListIndex_;
    const int lines = pickList_ != nullptr ? pickList_->Count() : 0;
    return index >= 0 && index < lines ? pickList_->Strings(index) : String();
  }
  TDBGridExHost* grid = GetGrid();
  if (field->DataType() == ftMemo && grid != nullptr && grid->DrawMemoText()) {
    return field->AsString();
  }
  if (field->Lookup() && specRow_->Visible()) {
    const Variant keys = field->DataSet()->FieldValues(field->KeyFields());
    if (VarEqualsEx(keys, specRow_->Value()) ||
        (specRow_->ShowIfNotInKeyList() && field->IsNull())) {
      return specRow_->GetCellText(0);
    }
  }
  return FormatFieldValue(field, displayFormat_);
}

int TColumnEx::GetImageIndex() {
  TField* field = Field();
  if (field == nullptr) return -1;  // no value to look up, so no image
  int index = -1;
  if (HasKeyList()) index = keyList_->IndexOf(field->EditText());
  else if (HasPickList()) index = pickList_->IndexOf(field->EditText());
  else if (IsNumericType(field->DataType()) && !field->IsNull()) index = field->AsInteger();
  return index == -1 ? notInKeyListIndex_ : index;
}

TCheckboxStateEx TColumnEx::CheckboxState() {
  TField* field = Field();
  if (field == nullptr || field->IsNull()) return cbGrayedEx;
  if (field->DataType() == ftBoolean) return field->AsBoolean() ? cbCheckedEx : cbUncheckedEx;
  const int lines = keyList_ != nullptr ? keyList_->Count() : 0;
  const String text = field->EditText();
  if (lines > 0 && LineHoldsValue(keyList_->Strings(0), text)) return cbCheckedEx;
  if (lines < 2) return cbGrayedEx;
  return LineHoldsValue(keyList_->Strings(1), text) ? cbUncheckedEx : cbGrayedEx;
}

void TColumnEx::SetCheckboxState(TCheckboxStateEx state) {
  TField* field = Field();
  if (field == nullptr) return;
  if (state == cbGrayedEx) return UpdateDataValues(String(), Variant::Null(), false);
  const bool checked = state == cbCheckedEx;
  if (field->DataType() == ftBoolean) return UpdateDataValues(String(), Variant(checked), false);
  const int line = checked ? 0 : 1;
  const String text = keyList_ != nullptr && line < keyList_->Count()
                          ? FirstValue(keyList_->Strings(line))
                          : String();
  UpdateDataValues(text, Variant(text), true);
}

void TColumnEx::UpdateDataValues(const String& text, const Variant& value, bool useText) {
  String newText = text;
  Variant newValue = value;
  bool handled = false;
  OnUpdateData.Call(this, newText, newValue, useText, handled);
  TField* field = Field();
  if (!handled && field != nullptr) {
    TDBGridExHost* grid = GetGrid();
    if (useText) {
      if (field->DataType() == ftMemo && grid != nullptr && grid->DrawMemoText()) {
        field->SetAsString(newText);
      } else {
        field->SetEditText(newText);
      }
    } else if (field->Lookup()) {
      SetFieldsValuesEx(field->DataSet(), field->KeyFields(), newValue);
    } else {
      field->SetValue(newValue);
    }
  }
  TDBGridExHost* grid = GetGrid();
  if (mruList_->Active() && mruList_->AutoAdd() && grid != nullptr &&
      grid->InplaceEditorShowing()) {
    mruList_->AddText(newText);
  }
}

// The field whose CanModify decides: the first key field of a lookup field.
TField* TColumnEx::CheckedField() {
  TField* field = Field();
  if (field == nullptr || !field->Lookup()) return field;
  const std::vector<TField*> keys = KeyFieldsOf(field);
  if (keys.empty() || !AllFieldsModifiable(keys)) return nullptr;
  return keys.front();
}

bool TColumnEx::CanModify(bool tryEdit) {
  TDBGridExHost* grid = GetGrid();
  if (grid == nullptr || grid->ReadOnly() || ReadOnly()) return false;
  TGridDataLinkEx* link = grid->DataLink();
  if (!link->Active() || link->ReadOnly()) return false;
  TField* field = CheckedField();
  if (field == nullptr || !field->CanModify()) return false;
  if (field->IsBlob() && !field->OnSetText.Assigned() &&
      !(field->DataType() == ftMemo && grid->DrawMemoText())) {
    return false;
  }
  if (!grid->AllowsEditingCurrentRecord()) return false;
  if (tryEdit) {
    if (!link->Edit()) return false;
    link->SetGridModified();
  }
  return true;
}

int TColumnEx::StepIndex(int index, int count, double increment) const {
  if (increment == 1) return index < 0 || index >= count - 1 ? 0 : index + 1;
  return index <= 0 ? count - 1 : index - 1;
}

void TColumnEx::SetNextFieldValue(double increment) {
  if (!CanModify(true)) return;
  TField* field = Field();
  switch (GetColumnType()) {
    case cctKeyList:
    case cctImageList: {
      if (!HasKeyList()) return;
      const int next = StepIndex(keyList_->IndexOf(field->EditText()), keyList_->Count(), increment);
      const String key = keyList_->Strings(next);
      return UpdateDataValues(key, Variant(key), false);
    }
    case cctPickList: {
      const int next = StepIndex(pickList_->IndexOf(field->EditText()), pickList_->Count(), increment);
      const String text = pickList_->Strings(next);
      return UpdateDataValues(text, Variant(text), true);
    }
    case cctLookup: return StepLookupValue(field, increment);
    case cctCheckboxes:
      return SetCheckboxState(CheckboxState() == cbCheckedEx ? cbUncheckedEx : cbCheckedEx);
    case cctPlain:
      if (!IsNumericType(field->DataType())) return;
      const double current = field->IsNull() ? -increment : field->AsFloat();
      return UpdateDataValues(String(), Variant(current + increment), false);
  }
}

void TColumnEx::StepLookupValue(TField* field, double increment) {
  TDataSet* lookup = field->LookupDataSet();
  if (lookup == nullptr || !lookup->Active()) return;
  TDataSet* dataSet = field->DataSet();
  if (field->IsNull() ||
      !lookup->Locate(field->LookupKeyFields(), dataSet->FieldValues(field->KeyFields()), {})) {
    lookup->First();
  } else if (increment == 1) {
    lookup->Next();
    if (lookup->Eof()) lookup->First();
  } else {
    lookup->Prior();
    if (lookup->Bof()) lookup->Last();
  }
  UpdateDataValues(String(), lookup->FieldValues(field->LookupKeyFields()), false);
}

int TColumnEx::EditButtonsWidth() {
  TDBGridExHost* grid = GetGrid();
  return EditButtonStripWidth(this, grid != nullptr ? grid->EditButtonSize() : BaseEditButtonSize(false));
}

void TColumnEx::FillColCellParams(TColCellParamsEx* params) {
  params->Row = -1;
  params->Col = -1;
  params->State = {};
  params->Font->Assign(Font());
  params->Background = Color();
  params->Alignment = Alignment();
  params->ImageIndex = GetImageIndex();
  params->Text = DisplayText();
  params->CheckboxState = CheckboxState();
  params->ReadOnly = !CanModify(false);
}

void TColumnEx::GetColCellParams(bool editMode, TColCellParamsEx* params) {
  OnGetCellParams.Call(this, editMode, params);
}

int GetColumnEditStyle(TColumnEx* column) {
  switch (column->ButtonStyle()) {
    case cbsEllipsis: return 1;
    case cbsUpDown: return 5;
    case cbsDropDown: return 6;
    case cbsNone: return 0;
    case cbsAuto: break;
  }
  TField* field = column->Field();
  TDBGridExHost* grid = column->GetGrid();
  if (field != nullptr && field->Lookup()) {
    const std::vector<TField*> keys = KeyFieldsOf(field);
    const bool keysWritable = (grid != nullptr && grid->IsDesigning()) ||
                              (!keys.empty() && AllFieldsModifiable(keys));
    const bool explicitlyReadOnly = column->IsAssigned(cvReadOnly) && column->ReadOnly();
    const bool gridWritable = grid != nullptr && !grid->ReadOnly() &&
                              grid->DataLink()->Active() && !grid->DataLink()->ReadOnly();
    return keysWritable && !explicitlyReadOnly && gridWritable ? 3 : 0;
  }
  if (column->HasPickList() && !column->ReadOnly()) return 2;
  if (field != nullptr && IsDateType(field->DataType()) && !column->ReadOnly()) return 4;
  return 0;
}
