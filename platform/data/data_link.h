#pragma once

#include "platform/core/events.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

// What a data-aware control hears from its data source, and the window of BufferCount records
// it shows. Descendants override the notifications they care about.
class TDataLink : public TPersistent {
  DECLARE_CLASS(TDataLink, TPersistent)
 public:
  TDataLink();
  ~TDataLink() override;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;

  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* source);
  TDataSet* DataSet() const;
  bool Active() const { return active_; }
  bool Editing() const { return editing_; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Puts the data set in edit mode (through AutoEdit) and tells whether the link edits now.
  bool Edit();
  // Moves the data set's cursor by `distance` records; returns how far it moved. A link whose
  // control reaches the records another way (a row source of its own) moves through that.
  virtual int MoveBy(int distance);
  int BufferCount() const { return bufferCount_; }
  void SetBufferCount(int count);
  // Records in this link's window.
  int RecordCount() const;
  // The row of the window that fields read: 0 .. BufferCount-1.
  int ActiveRecord() const;
  void SetActiveRecord(int row);
  // Stores the control's value into the record (UpdateData), without hearing it back as
  // RecordChanged.
  void UpdateRecord();
  void Modified() { modified_ = true; }
  bool IsModified() const { return modified_; }
  void ResetModified() { modified_ = false; }

  // Entry point of every notification from the data source.
  virtual void DataEvent(TDataEvent event, intptr_t info);
  void UpdateState();
  // Keeps the data set's active record inside this link's window after the window sizes
  // changed.
  void UpdateRange();

 protected:
  virtual void ActiveChanged() {}
  virtual void CheckBrowseMode() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void DataSetScrolled(int distance) { (void)distance; DataSetChanged(); }
  virtual void EditingChanged() {}
  virtual void FocusControl(TField** field) { (void)field; }
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void RecordChanged(TField* field) { (void)field; }
  virtual void UpdateData() {}

 private:
  void SetActive(bool active);
  void SetEditing(bool editing);
  // Moves this link's window so that it holds the data set's active record; returns how far.
  int FollowActiveRecord(int datasetShift);

  TDataSource* dataSource_ = nullptr;
  int bufferCount_ = 1;
  int firstRecord_ = 0;  // buffer index of this link's first row
  bool active_ = false;
  bool editing_ = false;
  bool readOnly_ = false;
  bool updating_ = false;
  bool modified_ = false;
};

// Selects a row of a link's window for the life of the scope (drawing a grid row reads it).
class ActiveRecordScope {
 public:
  ActiveRecordScope(TDataLink* link, int row) : link_(link), saved_(link->ActiveRecord()) {
    link_->SetActiveRecord(row);
  }
  ~ActiveRecordScope() { link_->SetActiveRecord(saved_); }
  ActiveRecordScope(const ActiveRecordScope&) = delete;
  ActiveRecordScope& operator=(const ActiveRecordScope&) = delete;

 private:
  TDataLink* link_;
  int saved_;
};

// A link to one field, for single-value controls.
class TFieldDataLink : public TDataLink {
  DECLARE_CLASS(TFieldDataLink, TDataLink)
 public:
  TFieldDataLink() = default;
  const String& FieldName() const { return fieldName_; }
  void SetFieldName(const String& name);
  TField* Field() const { return field_; }
  // The control that owns the link, for FocusControl.
  TComponent* Control() const { return control_; }
  void SetControl(TComponent* control) { control_ = control; }
  bool CanModify() const;
  // Discards the control's pending change and shows the field's value again.
  void Reset();

  TNotifyEvent OnDataChange;
  TNotifyEvent OnEditingChange;
  TNotifyEvent OnUpdateData;
  TNotifyEvent OnActiveChange;

 protected:
  void ActiveChanged() override;
  void EditingChanged() override;
  void LayoutChanged() override;
  void RecordChanged(TField* field) override;
  void UpdateData() override;

 private:
  void UpdateField();
  void SetField(TField* field);

  String fieldName_;
  TField* field_ = nullptr;
  TComponent* control_ = nullptr;
};
