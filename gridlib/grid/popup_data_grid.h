#pragma once

#include <memory>

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/grid_events.h"
#include "gridlib/grid/grid_types.h"
#include "platform/classes/component.h"
#include "platform/core/events.h"

class TColumnEx;
class TColumnDefValuesEx;
class TDataSource;
class TDBGridColumnsEx;
class TFont;
class TSpecRowEx;

// The drop-down list of a lookup column, as far as the column reads and writes it: its
// columns and their defaults, its options, the list it shows and its events.
class TPopupDataGridEx : public TComponent {
  DECLARE_CLASS(TPopupDataGridEx, TComponent)
 public:
  explicit TPopupDataGridEx(TComponent* owner);
  ~TPopupDataGridEx() override;

  TDBGridColumnsEx* Columns() const { return columns_.get(); }
  TColumnDefValuesEx* ColumnDefValues() const { return columnDefValues_.get(); }
  TDBLookupGridExOptions Options() const { return options_; }
  void SetLookupOptions(TDBLookupGridExOptions value) { options_ = value; }
  // The list's data source, a component the list does not own; cleared when it goes.
  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* value);
  // The data source is being freed (compared by address only: it is no longer whole).
  void ForgetDataSource(const void* gone);
  const String& KeyFieldNames() const { return keyFieldNames_; }
  void SetKeyFieldNames(const String& value) { keyFieldNames_ = value; }
  const String& ListFieldNames() const { return listFieldNames_; }
  void SetListFieldNames(const String& value) { listFieldNames_ = value; }
  TSpecRowEx* SpecRow() const { return specRow_.get(); }
  void SetSpecRow(TSpecRowEx* value);

  TDBGridExCheckButtonEvent OnCheckButton;
  TDrawColumnExCellEvent OnDrawColumnCell;
  TGetCellExParamsEvent OnGetCellParams;
  TNotifyEvent OnSortMarkingChanged;
  TDBGridExTitleBtnEvent OnTitleBtnClick;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::unique_ptr<TDBGridColumnsEx> columns_;
  std::unique_ptr<TColumnDefValuesEx> columnDefValues_;
  TDBLookupGridExOptions options_ = {dlgColLinesEx};
  TDataSource* dataSource_ = nullptr;
  String keyFieldNames_;
  String listFieldNames_;
  std::unique_ptr<TSpecRowEx> specRow_;
};
