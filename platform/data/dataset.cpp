// The data set: opening, navigating, editing, posting and events to its sources.
#include "platform/data/dataset.h"

#include <algorithm>
#include <cstring>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/data/data_link.h"
#include "platform/data/field_kinds.h"

void TFieldDefs::Add(const String& name, TFieldType type, int size, bool required) {
  if (IndexOf(name) >= 0) DatabaseError(Format("Duplicate field name '%s'", {name}));
  defs_.push_back(TFieldDef{name, type, size, required});
}

int TFieldDefs::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < defs_.size(); ++i)
    if (SameText(defs_[i].Name, name)) return static_cast<int>(i);
  return -1;
}

TDataSet::TDataSet(TComponent* owner) : TComponent(owner), fields_(std::make_unique<TFields>(this)) {}

TDataSet::~TDataSet() {
  Destroying();
  // Descendants close in their own destructor; fields go with the data set.
  while (fields_->Count() > 0) delete fields_->List().back();
  for (TDataSource* source : std::vector<TDataSource*>(dataSources_)) source->SetDataSet(nullptr);
}

void TDataSet::CloseForDestruction() {
  Destroying();
  if (!Active()) return;
  SetState(dsInactive);
  CloseCursor();
}

void TDataSet::CheckActive() const {
  if (!Active()) DatabaseError(db_messages::DataSetClosed, this);
}

void TDataSet::CheckInactive() const {
  if (Active()) DatabaseError(db_messages::DataSetOpen, this);
}

void TDataSet::SetActive(bool active) {
  if (active == Active()) return;
  if (active) {
    DoEvent(BeforeOpen);
    OpenCursor();
    SetState(dsBrowse);
    DoEvent(AfterOpen);
  } else {
    DoEvent(BeforeClose);
    SetState(dsInactive);
    CloseCursor();
    DoEvent(AfterClose);
  }
}

void TDataSet::OpenCursor() {
  InternalOpen();
  try {
    CreateFields();
    BindFields();
    bufferCount_ = LargestLinkBufferCount();
    state_ = dsOpening;  // fields may read while the first records are fetched
    Resync(0, 0);
    state_ = dsInactive;
  } catch (...) {
    state_ = dsInactive;
    CloseCursor();
    throw;
  }
  bof_ = true;
  eof_ = buffers_.empty();
  modified_ = false;
}

void TDataSet::CloseCursor() {
  ClearBuffers();
  InternalClose();
  std::vector<TField*> made;
  made.swap(defaultFields_);
  for (TField* f : made) delete f;
  for (TField* f : fields_->List()) f->Bind(0, -1);
  bof_ = eof_ = true;
}

// Without fields defined in code, the data set makes one field per column, freed at close.
void TDataSet::CreateFields() {
  if (fields_->Count() > 0) return;
  for (int i = 0; i < fieldDefs_.Count(); ++i) {
    const TFieldDef& def = fieldDefs_.Items(i);
    TField* field = CreateFieldOfType(def.DataType, this);
    field->SetFieldName(def.Name);
    if (def.Size > 0 || dynamic_cast<TStringField*>(field) != nullptr) field->SetSize(def.Size);
    field->SetRequired(def.Required);
    field->SetDataSet(this);
    defaultFields_.push_back(field);
  }
}

void TDataSet::BindFields() {
  columnCount_ = fieldDefs_.Count();
  int slot = columnCount_;
  for (TField* field : fields_->List()) {
    if (field->FieldKind() != fkData) {
      field->Bind(0, slot++);
      continue;
    }
    int column = fieldDefs_.IndexOf(field->FieldName());
    if (column < 0) DatabaseError(Format(db_messages::FieldNotFound, {field->FieldName()}), this);
    field->Bind(column + 1, column);
  }
  slotCount_ = slot;
}

void TDataSet::FieldRemoved(TField* field) {
  defaultFields_.erase(std::remove(defaultFields_.begin(), defaultFields_.end(), field), defaultFields_.end());
  FieldListChanged();
}

void TDataSet::FieldListChanged() {
  if (Active()) DataEvent(deLayoutChange, 0);
}

void TDataSet::SetState(TDataSetState state) {
  if (state_ == state) return;
  state_ = state;
  modified_ = false;
  editBeforeDisable_ = false;
  DataEvent(deUpdateState, 0);
}

void TDataSet::GetFieldList(std::vector<TField*>& list, std::string_view names) const {
  for (const String& name : SplitFieldNames(names)) list.push_back(FieldByName(name));
}

Variant TDataSet::FieldValues(std::string_view names) const {
  std::vector<TField*> list;
  GetFieldList(list, names);
  if (list.size() == 1) return list[0]->Value();
  Variant::Array values;
  for (TField* f : list) values.push_back(f->Value());
  return Variant::FromArray(std::move(values));
}

void TDataSet::SetFieldValues(std::string_view names, const Variant& values) {
  std::vector<TField*> list;
  GetFieldList(list, names);
  if (list.size() == 1) {
    list[0]->SetValue(values);
    return;
  }
  const Variant::Array& items = values.AsArray();
  for (size_t i = 0; i < list.size(); ++i)
    list[i]->SetValue(i < items.size() ? items[i] : Variant::Null());
}

void TDataSet::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  auto it = std::find(dataSources_.begin(), dataSources_.end(), component);
  if (it != dataSources_.end()) dataSources_.erase(it);
}

void TDataSet::AttachDataSource(TDataSource* source) {
  if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end()) return;
  dataSources_.push_back(source);
  UpdateBufferCount();
}

void TDataSet::DetachDataSource(TDataSource* source) {
  dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), source), dataSources_.end());
  UpdateBufferCount();
}

void TDataSet::DataEvent(TDataEvent event, intptr_t info) {
  if (event == deFieldChange) {
    auto* field = reinterpret_cast<TField*>(info);
    if (field->FieldKind() == fkData) modified_ = true;
    if (TRecordBuffer* buffer = CurrentBuffer(); buffer && HasCalcFields() && state_ != dsCalcFields)
      CalculateFields(*buffer);
  }
  // What the controls hold belongs to the edit they saw begin, so they are asked for it even
  // while they hear nothing else; an edit begun since then is none of theirs.
  if (disableCount_ == 0 || (event == deUpdateRecord && editBeforeDisable_)) {
    NotifySources(event, info);
    return;
  }
  if (event == deLayoutChange) missedLayout_ = true;
}

void TDataSet::NotifySources(TDataEvent event, intptr_t info) {
  for (TDataSource* source : std::vector<TDataSource*>(dataSources_))
    if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end())
      source->DataEvent(event, info);
}

void TDataSet::DisableControls() {
  if (disableCount_++ > 0) return;
  disableState_ = state_;
  editBeforeDisable_ = IsEditMode(state_);
  missedLayout_ = false;
}

void TDataSet::EnableControls() {
  if (disableCount_ == 0 || --disableCount_ > 0) return;
  if (disableState_ != state_) NotifySources(deUpdateState, 0);
  // The last enable always refreshes the links: callers bracket bulk work with
  // Disable/EnableControls and rely on the links re-reading whatever the work did.
  if (disableState_ != dsInactive && state_ != dsInactive)
    NotifySources(missedLayout_ ? deLayoutChange : deDataSetChange, 0);
  missedLayout_ = false;
}

int TDataSet::LargestLinkBufferCount() const {
  int count = 1;
  for (TDataSource* source : dataSources_)
    for (TDataLink* link : source->DataLinks()) count = std::max(count, link->BufferCount());
  return count;
}

void TDataSet::UpdateBufferCount() {
  int count = LargestLinkBufferCount();
  if (count == bufferCount_) return;
  bufferCount_ = count;
  if (!Active() || buffers_.empty()) return;
  if (state_ == dsBrowse) {
    Resync(CurrentPosition(), std::min(activeRecord_, count - 1));
    return;
  }
  // Editing: keep the edited buffer, drop others from the far side.
  while (static_cast<int>(buffers_.size()) > count) {
    if (activeRecord_ > 0) {
      buffers_.erase(buffers_.begin());
      ++windowStart_;
      --activeRecord_;
    } else {
      buffers_.pop_back();
    }
  }
}
