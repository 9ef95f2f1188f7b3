#pragma once

#include <vector>

#include "platform/data/data_link.h"

class TDBGridExHost;

// The grid's link to its data set: maps grid data columns to fields and turns every data-set
// notification into a call on the grid.
class TGridDataLinkEx : public TDataLink {
  DECLARE_CLASS(TGridDataLinkEx, TDataLink)
 public:
  explicit TGridDataLinkEx(TDBGridExHost* grid) : grid_(grid) {}

  TDBGridExHost* Grid() const { return grid_; }
  // Maps the next data column to `fieldName`. Without a sparse map a missing field raises the
  // data set's error; with one it maps to no field.
  bool AddMapping(const String& fieldName);
  void ClearMapping();
  // The field of data column `index`, or nullptr.
  TField* GetMappedField(int index) const;
  int FieldCount() const { return static_cast<int>(fieldMap_.size()); }
  int MapCapacity() const { return static_cast<int>(fieldMap_.capacity()); }
  // True when the data set shows its own default fields (or there is no data set).
  bool DefaultFields() const;
  bool SparseMap() const { return sparseMap_; }
  void SetSparseMap(bool value) { sparseMap_ = value; }
  // The grid changed the current record and has not yet written it.
  bool GridModified() const { return modified_; }
  void SetGridModified() { modified_ = true; }
  // Escape: drops the grid's unwritten change, or cancels the record's edit.
  void Reset();
  // While the grid reads its rows through the data set's record-access interface a move of
  // more than one record goes straight to the record's number.
  int MoveBy(int distance) override;

 protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  void DataSetScrolled(int distance) override;
  void EditingChanged() override;
  void FocusControl(TField** field) override;
  void LayoutChanged() override;
  void RecordChanged(TField* field) override;
  void UpdateData() override;

 private:
  TDBGridExHost* grid_;
  std::vector<int> fieldMap_;
  bool inUpdateData_ = false;
  bool modified_ = false;
  bool sparseMap_ = false;
};
