// The grid's data link: data-set events turned into grid updates, and field mapping for columns.
#include "gridlib/grid/grid_data_link.h"

#include "platform/core/scope_guard.h"

#include <algorithm>
#include <cstdlib>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/grid_host.h"

namespace {

// No real data set comes near it; it keeps the map's size within an int.
constexpr size_t kMaxMappedColumns = 268435455;

// Lays the grid out from the data set's fields for the life of the scope.
class LayoutFromDatasetScope {
 public:
  explicit LayoutFromDatasetScope(TDBGridExHost* grid) : grid_(grid), saved_(grid->LayoutFromDataset()) {
    grid_->SetLayoutFromDataset(true);
  }
  ~LayoutFromDatasetScope() { grid_->SetLayoutFromDataset(saved_); }
  LayoutFromDatasetScope(const LayoutFromDatasetScope&) = delete;
  LayoutFromDatasetScope& operator=(const LayoutFromDatasetScope&) = delete;

 private:
  TDBGridExHost* grid_;
  bool saved_;
};

}  // namespace

bool TGridDataLinkEx::AddMapping(const String& fieldName) {
  if (fieldMap_.size() >= kMaxMappedColumns) {
    throw EInvalidGridOperation("Grid requested to display more than 256 columns");
  }
  TDataSet* dataSet = DataSet();
  TField* field = nullptr;
  if (dataSet != nullptr) {
    field = sparseMap_ ? dataSet->FindField(fieldName) : dataSet->FieldByName(fieldName);
  }
  if (fieldMap_.size() == fieldMap_.capacity()) {
    const size_t grown = fieldMap_.empty() ? 8 : fieldMap_.capacity() * 2;
    fieldMap_.reserve(std::min(grown, kMaxMappedColumns));
  }
  if (field != nullptr) {
    fieldMap_.push_back(field->Index());
    grid_->GridComponent()->FreeNotification(field);
  } else {
    fieldMap_.push_back(-1);
  }
  return true;
}

void TGridDataLinkEx::ClearMapping() {
  fieldMap_.clear();
  fieldMap_.shrink_to_fit();
}

TField* TGridDataLinkEx::GetMappedField(int index) const {
  if (index < 0 || index >= FieldCount() || fieldMap_[static_cast<size_t>(index)] < 0) return nullptr;
  TDataSet* dataSet = DataSet();
  const int fieldIndex = fieldMap_[static_cast<size_t>(index)];
  if (dataSet == nullptr || fieldIndex >= dataSet->FieldCount()) return nullptr;
  return dataSet->Fields()->Fields(fieldIndex);
}

bool TGridDataLinkEx::DefaultFields() const {
  TDataSet* dataSet = DataSet();
  if (dataSet == nullptr) return true;
  for (int i = 0; i < dataSet->FieldCount(); ++i) {
    if (dataSet->Fields()->Fields(i)->Owner() != dataSet) return false;
  }
  if (sparseMap_) {
    for (int entry : fieldMap_) {
      if (entry < 0) return false;
    }
  }
  return true;
}

void TGridDataLinkEx::Reset() {
  // Dropped first: the editor reloads the record's text only once nothing is pending.
  if (modified_) {
    modified_ = false;
    RecordChanged(nullptr);
  } else if (DataSet() != nullptr) DataSet()->Cancel();
}

int TGridDataLinkEx::MoveBy(int distance) {
  TDataSet* dataSet = DataSet();
  if (Active() && grid_->RowsThroughRecordAccess() && std::abs(distance) > 1 && dataSet->State() == dsBrowse) {
    const int target = dataSet->RecNo() + distance;
    if (target >= 1 && target <= dataSet->RecordCount()) {
      dataSet->SetRecNo(target);
      return distance;
    }
  }
  return TDataLink::MoveBy(distance);
}

void TGridDataLinkEx::ActiveChanged() {
  grid_->LinkActive(Active());
  modified_ = false;
}

void TGridDataLinkEx::DataSetChanged() {
  grid_->SelectedRows()->DataSetChanged();
  grid_->DataChanged();
  modified_ = modified_ && grid_->EditorKeepsTypedText();
}

void TGridDataLinkEx::DataSetScrolled(int distance) { grid_->Scroll(distance); }

void TGridDataLinkEx::EditingChanged() { grid_->EditingChanged(); }

void TGridDataLinkEx::FocusControl(TField** field) {
  if (field != nullptr && *field != nullptr) grid_->FocusField(*field);
}

void TGridDataLinkEx::LayoutChanged() {
  {
    LayoutFromDatasetScope fromDataset(grid_);
    grid_->LayoutChanged();
  }
  TDataLink::LayoutChanged();
}

void TGridDataLinkEx::RecordChanged(TField* field) {
  grid_->RecordChanged(field);
  modified_ = modified_ && grid_->EditorKeepsTypedText();
}

void TGridDataLinkEx::UpdateData() {
  if (inUpdateData_) return;
  auto guard = ScopedValue(inUpdateData_, true);
  // Text typed into a record that is no longer edited (it was cancelled or deleted under the
  // editor) has no record left to go into.
  if (modified_ && DataSet() != nullptr && IsEditMode(DataSet()->State())) grid_->UpdateData();
  modified_ = false;
}
