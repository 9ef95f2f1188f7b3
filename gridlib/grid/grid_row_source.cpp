// Which source the grid's rows come from: the record-access interface of a data set that lends
// it (and a grid without footers), else the data link's buffer.
#include <memory>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/link_rows.h"
#include "gridlib/grid/record_access_rows.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

TDBGridExRowSource* TCustomDBGridEx::RowSource() const {
  if (recordRows_ != nullptr && footerRowCount_ == 0) return recordRows_.get();
  return linkRows_.get();
}

IMemTableEx* TCustomDBGridEx::RecordAccess() const {
  return recordRows_ != nullptr ? recordRows_->RecordAccess() : nullptr;
}

void TCustomDBGridEx::ReadRecordAccess() {
  TDataSet* dataSet = DataLink()->Active() ? DataLink()->DataSet() : nullptr;
  IMemTableEx* found = recordAccessAllowed_ ? Supports<IMemTableEx>(dataSet) : nullptr;
  if (found == RecordAccess()) return;
  if (recordRows_ != nullptr) recordRows_->DataSet()->RemoveFreeNotification(this);
  recordRows_.reset();
  if (found != nullptr) {
    recordRows_ = std::make_unique<TDBGridExRecordAccessRows>(this, found, dataSet);
    dataSet->FreeNotification(this);
  }
  LayoutChanged();
}

void TCustomDBGridEx::SetRecordAccessAllowed(bool value) {
  if (recordAccessAllowed_ == value) return;
  recordAccessAllowed_ = value;
  ReadRecordAccess();
}

bool TCustomDBGridEx::LentRecordAccess(const TComponent* component) const {
  return recordRows_ != nullptr &&
         static_cast<const void*>(component) == static_cast<const void*>(recordRows_->DataSet());
}

// The data set that lent its interface is going: the grid stops using it at once.
void TCustomDBGridEx::RecordAccessSetGone() {
  recordRows_->DataSetGone();
  recordRows_.reset();
  if (!IsDestroying()) LayoutChanged();
}

bool TCustomDBGridEx::RowsThroughRecordAccess() { return RowSource()->RecordAccess() != nullptr; }

std::pair<int, int> TCustomDBGridEx::ReadableDataRows() { return RowSource()->ReadableDataRows(); }

void TCustomDBGridEx::SelectDataRow(int dataRow) { RowSource()->SelectDataRow(dataRow); }

void TCustomDBGridEx::RestoreDataRow() { RowSource()->RestoreDataRow(); }

int TCustomDBGridEx::CurrentDataRow() { return RowSource()->CurrentDataRow(); }

int TCustomDBGridEx::DataRowRecNo(int dataRow) {
  const auto [first, last] = ReadableDataRows();
  if (dataRow < first || dataRow >= last) return 0;
  return RowSource()->ReadableRowRecNo(dataRow);
}
