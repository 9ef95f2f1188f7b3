// Footers, the lookup drop-down settings and the filter-row settings of a column.
#include "gridlib/grid/column_parts.h"

#include <utility>

#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/popup_data_grid.h"
#include "gridlib/grid/inherited_font.h"
#include "platform/data/data_source.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

TColumnFooterEx::TColumnFooterEx(TCollection* collection)
    : TCollectionItem(collection),
      column_(dynamic_cast<TColumnFootersEx*>(collection) != nullptr
                  ? static_cast<TColumnFootersEx*>(collection)->Column()
                  : nullptr),
      font_(std::make_unique<TInheritedFont>([this] { FontChanged(); })) {
  RepaintFooterRows();
}

TColumnFooterEx::TColumnFooterEx(TColumnEx* column, std::nullptr_t)
    : TCollectionItem(nullptr),
      column_(column),
      font_(std::make_unique<TInheritedFont>([this] { FontChanged(); })) {
  RepaintFooterRows();
}

TColumnFooterEx::~TColumnFooterEx() {
  RepaintFooterRows();
  FreeSum();
}

void TColumnFooterEx::RepaintFooterRows() {
  TDBGridExHost* grid = column_ != nullptr ? column_->GetGrid() : nullptr;
  if (grid != nullptr && !grid->IsDestroying()) grid->InvalidateFooter();
}

void TColumnFooterEx::FreeSum() {
  if (sum_ == nullptr) return;
  sum_->SetHolder(nullptr);
  delete std::exchange(sum_, nullptr);
}

void TColumnFooterEx::BindSum() {
  TDBGridExHost* grid = column_ != nullptr ? column_->GetGrid() : nullptr;
  if (grid == nullptr || grid->SumList() == nullptr) return;
  const bool aggregate = valueType_ == fvtSum || valueType_ == fvtAvg || valueType_ == fvtCount;
  if (!aggregate) return FreeSum();
  if (sum_ == nullptr) {
    TDBSumCollection* sums = grid->SumList()->SumCollection();
    TCollectionUpdateLock lock(*sums);
    sum_ = sums->Add();
    sum_->SetHolder([this] { sum_ = nullptr; });
  }
  if (valueType_ == fvtCount) {
    sum_->SetGroupOperation(goCount);
    sum_->SetFieldName(String());
  } else {
    sum_->SetGroupOperation(valueType_ == fvtSum ? goSum : goAvg);
    sum_->SetFieldName(fieldName_.empty() ? column_->FieldName() : fieldName_);
  }
}


void TColumnFooterEx::ColumnChanged(bool allItems) {
  if (column_ != nullptr) column_->ColumnChanged(allItems);
}

TAlignment TColumnFooterEx::DefaultAlignment() const {
  return column_ != nullptr ? column_->DefaultAlignment() : taLeftJustify;
}

TColor TColumnFooterEx::DefaultColor() const {
  TDBGridExHost* grid = column_ != nullptr ? column_->GetGrid() : nullptr;
  return grid != nullptr ? grid->FooterColor() : clWindow;
}

TFont* TColumnFooterEx::DefaultFont() const {
  if (column_ == nullptr) return font_->Get();
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr ? grid->FooterFont() : column_->Font();
}

TAlignment TColumnFooterEx::Alignment() const {
  return (assigned_ & kAlignmentBit) != 0 ? alignment_ : DefaultAlignment();
}

void TColumnFooterEx::SetAlignment(TAlignment value) {
  if ((assigned_ & kAlignmentBit) != 0 && alignment_ == value) return;
  alignment_ = value;
  assigned_ |= kAlignmentBit;
  ColumnChanged(false);
}

bool TColumnFooterEx::IsAlignmentStored() const {
  return (assigned_ & kAlignmentBit) != 0 && alignment_ != DefaultAlignment();
}

TColor TColumnFooterEx::Color() const {
  return (assigned_ & kColorBit) != 0 ? color_ : DefaultColor();
}

void TColumnFooterEx::SetColor(TColor value) {
  if ((assigned_ & kColorBit) != 0 && color_ == value) return;
  color_ = value;
  assigned_ |= kColorBit;
  ColumnChanged(false);
}

bool TColumnFooterEx::IsColorStored() const {
  return (assigned_ & kColorBit) != 0 && color_ != DefaultColor();
}

TFont* TColumnFooterEx::Font() const {
  if ((assigned_ & kFontBit) == 0) font_->CopyQuietly(DefaultFont());
  return font_->Get();
}

void TColumnFooterEx::SetFont(TFont* value) { font_->Get()->Assign(value); }

void TColumnFooterEx::FontChanged() {
  assigned_ |= kFontBit;
  ColumnChanged(true);
}

bool TColumnFooterEx::ToolTips() const {
  if ((assigned_ & kToolTipsBit) != 0) return toolTips_;
  TDBGridExHost* grid = column_ != nullptr ? column_->GetGrid() : nullptr;
  return grid != nullptr && grid->ColumnDefValues()->Footer()->ToolTips();
}

void TColumnFooterEx::SetToolTips(bool value) {
  toolTips_ = value;
  assigned_ |= kToolTipsBit;
}

void TColumnFooterEx::SetDisplayFormat(const String& value) {
  if (displayFormat_ == value) return;
  displayFormat_ = value;
  ColumnChanged(false);
}

void TColumnFooterEx::SetEndEllipsis(bool value) {
  endEllipsis_ = value;
  ColumnChanged(false);
}

void TColumnFooterEx::SetFieldName(const String& value) {
  fieldName_ = value;
  BindSum();
  ColumnChanged(false);
}

void TColumnFooterEx::SetValue(const String& value) {
  value_ = value;
  ColumnChanged(false);
}

void TColumnFooterEx::SetValueType(TFooterValueType value) {
  if (valueType_ == value) return;
  valueType_ = value;
  BindSum();
  ColumnChanged(false);
}

void TColumnFooterEx::SetWordWrap(bool value) {
  wordWrap_ = value;
  ColumnChanged(false);
}

void TColumnFooterEx::RestoreDefaults() {
  const bool fontWasAssigned = (assigned_ & kFontBit) != 0;
  assigned_ = 0;
  font_->CopyQuietly(DefaultFont());
  ColumnChanged(fontWasAssigned);
}

void TColumnFooterEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnFooterEx*>(source);
  if (other == nullptr) return TCollectionItem::Assign(source);
  if ((other->assigned_ & kAlignmentBit) != 0) SetAlignment(other->Alignment());
  if ((other->assigned_ & kColorBit) != 0) SetColor(other->Color());
  if ((other->assigned_ & kFontBit) != 0) SetFont(other->Font());
  SetEndEllipsis(other->EndEllipsis());
  SetValueType(other->ValueType());
  SetFieldName(other->FieldName());
  SetValue(other->Value());
  SetWordWrap(other->WordWrap());
  SetDisplayFormat(other->DisplayFormat());
  SetToolTips(other->ToolTips());
}

TColumnFootersEx::TColumnFootersEx(TColumnEx* column)
    : TOwnedCollection(column, TCollectionItemClass::Of<TColumnFooterEx>()), column_(column) {}

// ---- Drop-down box.

TColumnDropDownBoxEx::TColumnDropDownBoxEx(TColumnEx* column)
    : column_(column), specRow_(std::make_unique<TSpecRowEx>(this)) {}

TColumnDropDownBoxEx::~TColumnDropDownBoxEx() = default;


TPersistent* TColumnDropDownBoxEx::GetOwner() { return column_; }

void TColumnDropDownBoxEx::SetOptions(TDBLookupGridExOptions value) {
  options_ = value;
  if (column_ != nullptr) column_->UpdateDataList();
}

void TColumnDropDownBoxEx::SetListSource(TDataSource* value) {
  listSource_ = value;
  if (column_ != nullptr) column_->UpdateDataList();
  if (value == nullptr || column_ == nullptr) return;
  if (TDBGridExHost* grid = column_->GetGrid()) grid->GridComponent()->FreeNotification(value);
}

TComponent* TColumnDropDownBoxEx::ListSourceComponent() const { return listSource_; }

void TColumnDropDownBoxEx::ComponentRemoved(const void* gone) {
  if (gone != static_cast<const void*>(listSource_)) return;
  listSource_ = nullptr;
  if (column_ != nullptr && column_->HasDataList()) column_->DataList()->ForgetDataSource(gone);
}

void TColumnDropDownBoxEx::SetListSourceComponent(TComponent* value) {
  SetListSource(dynamic_cast<TDataSource*>(value));
}

TDBGridColumnsEx* TColumnDropDownBoxEx::Columns() const {
  return column_ != nullptr ? column_->DataList()->Columns() : nullptr;
}

void TColumnDropDownBoxEx::SetColumns(TDBGridColumnsEx* value) {
  if (column_ != nullptr) Columns()->Assign(value);
}

// Asking an uncustomized box makes no list.
bool TColumnDropDownBoxEx::IsColumnsStored() const {
  return column_ != nullptr && column_->HasDataList() && Columns()->State() == csCustomized;
}

TColumnDefValuesEx* TColumnDropDownBoxEx::ColumnDefValues() const {
  return column_ != nullptr ? column_->DataList()->ColumnDefValues() : nullptr;
}

bool TColumnDropDownBoxEx::IsColumnDefValuesStored() const {
  return column_ != nullptr && column_->HasDataList();
}

void TColumnDropDownBoxEx::SetColumnDefValues(TColumnDefValuesEx* value) {
  if (column_ != nullptr) ColumnDefValues()->Assign(value);
}

void TColumnDropDownBoxEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnDropDownBoxEx*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  autoFitColWidths_ = other->autoFitColWidths_;
  useMultiTitle_ = other->useMultiTitle_;
  if (other->IsColumnsStored()) SetColumns(other->Columns());
  else if (column_ != nullptr && column_->HasDataList()) Columns()->Clear();
  options_ = other->options_;
  SetListSource(other->listSource_);
  specRow_->Assign(other->specRow_.get());
}

void TSTColumnFilterEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSTColumnFilterEx*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  dataField_ = other->dataField_;
  SetVisible(other->visible_);
  keyField_ = other->keyField_;
  listField_ = other->listField_;
  SetListSource(other->ListSource());
}

void TSTColumnFilterEx::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  if (column_ != nullptr) column_->RepaintGrid();
}

TComponent* TSTColumnFilterEx::ListSourceComponent() const { return ListSource(); }

void TSTColumnFilterEx::SetListSourceComponent(TComponent* value) {
  SetListSource(dynamic_cast<TDataSource*>(value));
}

TPersistent* TSTColumnFilterEx::GetOwner() { return column_; }
