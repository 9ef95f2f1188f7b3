// The lookup grid of a lookup column: its data source and extra row.
#include "gridlib/grid/popup_data_grid.h"

#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "platform/data/data_source.h"

TPopupDataGridEx::TPopupDataGridEx(TComponent* owner)
    : TComponent(owner),
      columns_(std::make_unique<TDBGridColumnsEx>(nullptr, TCollectionItemClass::Of<TDBGridColumnEx>())),
      columnDefValues_(std::make_unique<TColumnDefValuesEx>(nullptr)),
      specRow_(std::make_unique<TSpecRowEx>(this)) {
  SetName("DataList");
}

TPopupDataGridEx::~TPopupDataGridEx() { Destroying(); }

void TPopupDataGridEx::SetDataSource(TDataSource* value) {
  if (dataSource_ == value) return;
  if (dataSource_ != nullptr) dataSource_->RemoveFreeNotification(this);
  dataSource_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TPopupDataGridEx::SetSpecRow(TSpecRowEx* value) { specRow_->Assign(value); }

void TPopupDataGridEx::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove) ForgetDataSource(component);
}

void TPopupDataGridEx::ForgetDataSource(const void* gone) {
  if (gone == static_cast<const void*>(dataSource_)) dataSource_ = nullptr;
}
