// A column's filter expression: read from the text typed into its filter cell, looked up in
// a value list when the column filters on a key, and written back as text.
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_host.h"
#include "platform/data/data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

namespace {

TSTFilterValueKindEx ValueKindOf(TFieldType type) {
  switch (type) {
    case ftString: case ftMemo: case ftFmtMemo: case ftFixedChar: case ftWideString: case ftGuid:
      return fvkStringEx;
    case ftSmallint: case ftInteger: case ftWord: case ftFloat: case ftCurrency: case ftBCD:
    case ftAutoInc: case ftLargeint:
      return fvkNumericEx;
    case ftDate: case ftTime: case ftDateTime: case ftTimeStamp:
      return fvkDateTimeEx;
    case ftBoolean:
      return fvkBooleanEx;
    default:
      return fvkNoneEx;
  }
}

bool IsLookup(TField* field) { return field != nullptr && field->FieldKind() == fkLookup; }

// A list of values as the value-list column shows it: each value quoted, comma-separated.
String ListText(const Variant& operand) {
  if (!operand.IsArray()) return VarToStr(operand);
  String text;
  for (const Variant& item : operand.AsArray()) text += (text.empty() ? "'" : ",'") + VarToStr(item) + "'";
  return text;
}

}  // namespace

TSTColumnFilterEx::TSTColumnFilterEx(TColumnEx* column) : column_(column), listLink_(std::make_unique<TFieldDataLink>()) {
  listLink_->OnActiveChange.Bind(this, "ListActiveChange", [this](TObject*) { ReadListValues(); });
}

TSTColumnFilterEx::~TSTColumnFilterEx() = default;

TDataSource* TSTColumnFilterEx::ListSource() const { return listLink_->DataSource(); }

void TSTColumnFilterEx::SetListSource(TDataSource* value) {
  listLink_->SetDataSource(value);
  if (value == nullptr || column_ == nullptr) return;
  if (TDBGridExHost* grid = column_->GetGrid()) grid->GridComponent()->FreeNotification(value);
}

void TSTColumnFilterEx::ComponentRemoved(const void* gone) {
  if (gone == static_cast<const void*>(ListSource())) listLink_->SetDataSource(nullptr);
}

void TSTColumnFilterEx::SetKeyField(const String& value) {
  keyField_ = value;
  ReadListValues();
}

void TSTColumnFilterEx::SetListField(const String& value) {
  listField_ = value;
  ReadListValues();
}

// The list data set is walked from its first record to its end, and left on its first.
void TSTColumnFilterEx::ReadListValues() {
  keyValues_.Clear();
  displayValues_.Clear();
  TDataSet* list = listLink_->Active() ? listLink_->DataSet() : nullptr;
  if (list == nullptr || keyField_.empty() || listField_.empty()) return;
  TField* key = list->FindField(keyField_);
  TField* shown = list->FindField(listField_);
  if (key == nullptr || shown == nullptr) return;
  DisableControlsGuard quiet(list);
  for (list->First(); !list->Eof(); list->Next()) {
    keyValues_.Add(key->AsString());
    displayValues_.Add(shown->DisplayText());
  }
  list->First();
}

String TSTColumnFilterEx::EffectiveKeyField() {
  if (!keyField_.empty()) return keyField_;
  TField* field = column_ != nullptr ? column_->Field() : nullptr;
  return IsLookup(field) ? field->LookupKeyFields() : String();
}

String TSTColumnFilterEx::EffectiveListField() {
  if (!listField_.empty()) return listField_;
  TField* field = column_ != nullptr ? column_->Field() : nullptr;
  return IsLookup(field) ? field->LookupResultField() : String();
}

TDataSet* TSTColumnFilterEx::ListDataSet() {
  if (ListSource() != nullptr) return ListSource()->DataSet();
  TField* field = column_ != nullptr ? column_->Field() : nullptr;
  return IsLookup(field) ? field->LookupDataSet() : nullptr;
}

TSTFilterValueKindEx TSTColumnFilterEx::ValueKind() {
  TField* field = column_ != nullptr ? column_->Field() : nullptr;
  return field != nullptr ? ValueKindOf(field->DataType()) : expression_.ExpressionType;
}

TSTFilterExpressionEx TSTColumnFilterEx::Parsed(const String& text) {
  TSTFilterExpressionEx parsed;
  parsed.ExpressionType = ValueKind();
  ParseFilterCellText(text, parsed);
  return parsed;
}

String TSTColumnFilterEx::GetExpressionText() {
  if (expression_.ExpressionType == fvkNoneEx || expression_.Operator1 == foNoneEx) return String();
  // An entry of a list, or of the table a key is looked up in, shows as the entry's text,
  // which reads back into the same key or value; any other test shows with its operators.
  const bool keyEntry = expression_.Operator1 == foInEx && !EffectiveKeyField().empty();
  const bool listValue = ListSource() != nullptr && expression_.Operator1 == foEqualEx && expression_.Relation == foNoneEx;
  if (keyEntry || listValue) return ListText(expression_.Operand1);
  return FilterExpressionText(expression_);
}

bool TSTColumnFilterEx::HasValueList() {
  if (ListSource() != nullptr) return true;
  TDBGridExHost* grid = column_ != nullptr ? column_->GetGrid() : nullptr;
  return grid != nullptr && grid->FilterValuesFromInterface();
}

String TSTColumnFilterEx::GetDataField() {
  if (!dataField_.empty()) return dataField_;
  TField* field = column_ != nullptr ? column_->Field() : nullptr;
  if (IsLookup(field)) return field->KeyFields();
  return column_ != nullptr ? column_->FieldName() : String();
}

Variant TSTColumnFilterEx::GetFilterValue() {
  return EffectiveKeyField().empty() ? expression_.Operand1 : keyValue_;
}

void TSTColumnFilterEx::SetExpressionText(const String& text) {
  const String keyField = EffectiveKeyField();
  TSTFilterExpressionEx parsed = Parsed(text);
  if (!keyField.empty() && parsed.Operator1 != foNullEx && parsed.Operator1 != foNotNullEx) {
    // The typed text names a list entry; the filter tests the entry's key.
    Variant key = Variant::Null();
    TDataSet* list = ListDataSet();
    if (!text.empty() && list != nullptr && list->Active())
      key = list->Lookup(EffectiveListField(), Variant(text), keyField);
    parsed = Parsed(String());
    parsed.ExpressionType = fvkStringEx;
    if (!key.IsNull()) {
      parsed.Operator1 = foInEx;
      parsed.Operand1 = Variant(text);
    } else if (!text.empty()) {
      parsed.Operator1 = foNullEx;
    }
    keyValue_ = key;
  }
  expression_ = parsed;
  expressionText_ = text;
}

void TSTColumnFilterEx::SetExpressionTextAndRefresh(const String& text) {
  SetExpressionText(text);
  if (column_ == nullptr) return;
  column_->RepaintGrid();
  if (TDBGridExHost* grid = column_->GetGrid()) grid->FilterExpressionShown();
}

void TSTColumnFilterEx::KeepAsApplied() { applied_ = {expression_, expressionText_, keyValue_}; }

void TSTColumnFilterEx::RevertToApplied() {
  expression_ = applied_.expression;
  expressionText_ = applied_.text;
  keyValue_ = applied_.keyValue;
}

void TSTColumnFilterEx::Clear() {
  keyValue_ = Variant::Null();
  SetExpressionTextAndRefresh(String());
}

String ColumnFilterText(TColumnEx* column) {
  return column->FieldName().empty() ? String() : column->STFilter()->GetExpressionText();
}
