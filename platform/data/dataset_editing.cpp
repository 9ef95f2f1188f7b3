// Edit, insert, post, cancel and delete, and writing field values.
#include <utility>

#include "platform/core/format.h"
#include "platform/core/scope_guard.h"
#include "platform/data/dataset.h"

Variant TDataSet::GetFieldValue(const TField* field) const {
  if (!Active() || field->Slot() < 0) return Variant::Null();
  const TRecordBuffer* buffer = calcBuffer_ ? calcBuffer_ : CurrentBuffer();
  if (buffer == nullptr || field->Slot() >= static_cast<int>(buffer->values.size())) return Variant::Null();
  return buffer->values[static_cast<size_t>(field->Slot())];
}

void TDataSet::SetFieldValue(TField* field, const Variant& value) {
  if (state_ == dsCalcFields && calcBuffer_ != nullptr && field->FieldKind() != fkData) {
    calcBuffer_->values[static_cast<size_t>(field->Slot())] = value;
    return;
  }
  if (!IsEditMode(state_)) DatabaseError(db_messages::NotEditing, this);
  if (field->FieldKind() == fkLookup && field->CanModify()) {
    SetLookupValue(field, value);
    return;
  }
  if (field->ReadOnly() || field->FieldKind() != fkData)
    DatabaseError(Format(db_messages::FieldReadOnly, {field->DisplayName()}), this);
  TRecordBuffer* buffer = CurrentBuffer();
  if (buffer == nullptr || field->Slot() < 0) DatabaseError(db_messages::NotEditing, this);
  auto restore = ScopedValue(buffer->values[static_cast<size_t>(field->Slot())], value);
  field->Validate();
  restore.Keep();
  buffer->changed[static_cast<size_t>(field->Slot())] = true;
  DataEvent(deFieldChange, reinterpret_cast<intptr_t>(field));
  field->Change();
}

void TDataSet::CheckCanModify() const {
  if (!CanModify()) DatabaseError(db_messages::DataSetReadOnly, this);
}

void TDataSet::CheckRequiredFields() const {
  for (TField* f : fields_->List()) {
    if (f->Required() && !f->ReadOnly() && f->FieldKind() == fkData && f->DataType() != ftAutoInc &&
        f->IsNull()) {
      f->FocusControl();
      DatabaseError(Format(db_messages::FieldRequired, {f->DisplayName()}), this);
    }
  }
}

void TDataSet::UpdateRecord() {
  if (!IsEditMode(state_)) DatabaseError(db_messages::NotEditing, this);
  DataEvent(deUpdateRecord, 0);
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  DataEvent(deCheckBrowseMode, 0);
  if (state_ != dsEdit && state_ != dsInsert) return;
  UpdateRecord();
  if (modified_)
    Post();
  else
    Cancel();
}

void TDataSet::Edit() {
  if (state_ == dsEdit || state_ == dsInsert) return;
  CheckActive();
  if (buffers_.empty()) {
    Insert();
    return;
  }
  CheckBrowseMode();
  CheckCanModify();
  DoEvent(BeforeEdit);
  SetState(dsEdit);
  DataEvent(deRecordChange, 0);
  DoEvent(AfterEdit);
}

void TDataSet::BeginInsertAppend() {
  CheckBrowseMode();
  CheckCanModify();
  DoEvent(BeforeInsert);
  DoEvent(BeforeScroll);
}

// Puts a new, empty record at buffer `bufferIndex`, standing for data-set position `position`.
void TDataSet::StartInsert(int64_t position, int bufferIndex) {
  buffers_.insert(buffers_.begin() + bufferIndex, NewBuffer());
  if (static_cast<int>(buffers_.size()) > bufferCount_) buffers_.pop_back();
  activeRecord_ = bufferIndex;
  insertPosition_ = position;
  if (HasCalcFields()) CalculateFields(buffers_[static_cast<size_t>(bufferIndex)]);
}

void TDataSet::EndInsertAppend() {
  SetState(dsInsert);
  try {
    DoEvent(OnNewRecord);
  } catch (...) {
    buffers_.erase(buffers_.begin() + activeRecord_);
    SetState(dsBrowse);
    ResyncAround(insertPosition_);
    DataEvent(deDataSetChange, 0);
    throw;
  }
  modified_ = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterInsert);
  DoEvent(AfterScroll);
}

void TDataSet::Insert() {
  BeginInsertAppend();
  if (buffers_.empty())
    StartInsert(0, 0);
  else
    StartInsert(CurrentPosition(), activeRecord_);
  EndInsertAppend();
}

// The new record goes after the last one: the window shows the last records before it.
void TDataSet::Append() {
  BeginInsertAppend();
  int64_t count = InternalRecordCount();
  // A count the source read earlier may since have lost records; asking for the last settles it.
  if (count > 0 && !RecordExists(count - 1)) count = InternalRecordCount();
  ClearBuffers();
  int64_t shown = std::min<int64_t>(count, bufferCount_ - 1);
  windowStart_ = count - shown;
  for (int64_t p = windowStart_; p < count; ++p) buffers_.push_back(Fetch(p));
  StartInsert(count, static_cast<int>(buffers_.size()));
  // The new record stands past the last one: the data set is at its end.
  eof_ = true;
  bof_ = false;
  EndInsertAppend();
}

void TDataSet::Post() {
  CheckActive();
  UpdateRecord();
  DataEvent(deCheckBrowseMode, 0);
  DoEvent(BeforePost);
  CheckRequiredFields();
  TRecordBuffer* buffer = CurrentBuffer();
  int64_t id = WriteRecord(*buffer, state_ == dsInsert ? insertPosition_ : -1);
  SetState(dsBrowse);
  ResyncAround(PositionOfId(id));
  bof_ = eof_ = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterPost);
}

void TDataSet::Cancel() {
  if (state_ != dsEdit && state_ != dsInsert) return;
  DataEvent(deCheckBrowseMode, 0);
  DoEvent(BeforeCancel);
  int64_t anchor = CurrentPosition();
  if (state_ == dsInsert) {
    anchor = insertPosition_;
    buffers_.erase(buffers_.begin() + activeRecord_);
  }
  SetState(dsBrowse);
  ResyncAround(anchor);
  bof_ = buffers_.empty();
  eof_ = buffers_.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterCancel);
}

void TDataSet::Delete() {
  CheckActive();
  if (state_ == dsInsert) {
    Cancel();
    return;
  }
  if (buffers_.empty()) DatabaseError(db_messages::DataSetEmpty, this);
  DataEvent(deCheckBrowseMode, 0);
  CheckCanModify();
  DoEvent(BeforeDelete);
  DoEvent(BeforeScroll);
  int64_t position = CurrentPosition();
  DeleteRecord(CurrentBuffer()->id);
  SetState(dsBrowse);
  ResyncAround(position);
  bof_ = eof_ = buffers_.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterDelete);
  DoEvent(AfterScroll);
}
