// Data links and field data links: a control's view of a data source's records.
#include "platform/data/data_link.h"

#include <algorithm>

#include "platform/core/scope_guard.h"

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() {
  if (dataSource_ != nullptr) dataSource_->RemoveDataLink(this);
  dataSource_ = nullptr;
}

void TDataLink::SetDataSource(TDataSource* source) {
  if (source == dataSource_) return;
  if (dataSource_ != nullptr) dataSource_->RemoveDataLink(this);
  dataSource_ = source;
  if (dataSource_ != nullptr) dataSource_->AddDataLink(this);
  UpdateState();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

void TDataLink::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  UpdateState();
}

bool TDataLink::Edit() {
  if (!editing_ && dataSource_ != nullptr) dataSource_->Edit();
  return editing_;
}

int TDataLink::MoveBy(int distance) {
  TDataSet* dataSet = DataSet();
  return dataSet != nullptr && dataSet->Active() ? dataSet->MoveBy(distance) : 0;
}

void TDataLink::SetBufferCount(int count) {
  count = std::max(count, 1);
  if (count == bufferCount_) return;
  bufferCount_ = count;
  if (TDataSet* ds = DataSet()) ds->UpdateBufferCount();
  if (active_) UpdateRange();
}

int TDataLink::RecordCount() const {
  if (!active_) return 0;
  int count = DataSet()->BufferedRecordCount() - firstRecord_;
  return std::clamp(count, 0, bufferCount_);
}

int TDataLink::ActiveRecord() const {
  if (!active_ || dataSource_->State() == dsSetKey) return 0;
  return DataSet()->ActiveRecord() - firstRecord_;
}

void TDataLink::SetActiveRecord(int row) {
  if (active_ && dataSource_->State() != dsSetKey) DataSet()->SetActiveRecord(row + firstRecord_);
}

void TDataLink::UpdateRecord() {
  auto updating = ScopedValue(updating_, true);
  UpdateData();
}

void TDataLink::UpdateState() {
  SetActive(dataSource_ != nullptr && dataSource_->State() != dsInactive);
  SetEditing(dataSource_ != nullptr && IsEditMode(dataSource_->State()) && !readOnly_);
}

void TDataLink::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active)
    UpdateRange();
  else
    firstRecord_ = 0;
  ActiveChanged();
}

void TDataLink::SetEditing(bool editing) {
  if (editing == editing_) return;
  editing_ = editing;
  EditingChanged();
}

void TDataLink::UpdateRange() {
  TDataSet* ds = DataSet();
  if (ds == nullptr) return;
  int active = ds->ActiveRecord();
  int lo = std::max(0, active - bufferCount_ + 1);
  int hi = std::min(active, std::max(0, ds->BufferCount() - bufferCount_));
  firstRecord_ = std::max(lo, std::min(firstRecord_, hi));
}

// The data set's window moved by `datasetShift` records; this link's window moves only as far
// as it must to keep the active record inside it, and that distance is what the link hears.
int TDataLink::FollowActiveRecord(int datasetShift) {
  int active = DataSet()->ActiveRecord();
  int first = firstRecord_ - datasetShift;
  int last = first + bufferCount_ - 1;
  int count = active > last ? active - last : (active < first ? active - first : 0);
  firstRecord_ = first + count;
  return count;
}

void TDataLink::DataEvent(TDataEvent event, intptr_t info) {
  if (event == deUpdateState) {
    UpdateState();
    return;
  }
  if (!active_) return;
  switch (event) {
    case deFieldChange:
    case deRecordChange:
      if (!updating_) RecordChanged(reinterpret_cast<TField*>(info));
      break;
    case deDataSetChange:
      FollowActiveRecord(0);
      DataSetChanged();
      break;
    case deDataSetScroll:
      DataSetScrolled(FollowActiveRecord(static_cast<int>(info)));
      break;
    case deLayoutChange:
      FollowActiveRecord(0);
      LayoutChanged();
      break;
    case deUpdateRecord: UpdateRecord(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    case deFocusControl: {
      auto** field = reinterpret_cast<TField**>(info);
      if (*field != nullptr) FocusControl(field);
      break;
    }
    default: break;
  }
}

void TFieldDataLink::SetFieldName(const String& name) {
  if (name == fieldName_) return;
  fieldName_ = name;
  UpdateField();
}

void TFieldDataLink::UpdateField() {
  SetField(Active() && !fieldName_.empty() ? DataSet()->FieldByName(fieldName_) : nullptr);
}

void TFieldDataLink::SetField(TField* field) {
  if (field == field_) return;
  field_ = field;
  EditingChanged();
  RecordChanged(nullptr);
}

bool TFieldDataLink::CanModify() const { return !ReadOnly() && field_ != nullptr && field_->CanModify(); }

void TFieldDataLink::Reset() { RecordChanged(nullptr); }

void TFieldDataLink::ActiveChanged() {
  UpdateField();
  if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() {
  if (OnEditingChange) OnEditingChange(this);
}

// The layout changes when a field is freed, and freeing cannot raise: a field that is gone
// leaves the link without one.
void TFieldDataLink::LayoutChanged() {
  SetField(Active() && !fieldName_.empty() ? DataSet()->FindField(fieldName_) : nullptr);
}

void TFieldDataLink::RecordChanged(TField* field) {
  if (field != nullptr && field != field_) return;
  if (OnDataChange) OnDataChange(this);
  ResetModified();
}

void TFieldDataLink::UpdateData() {
  if (!IsModified()) return;
  if (field_ != nullptr && OnUpdateData) OnUpdateData(this);
  ResetModified();
}
