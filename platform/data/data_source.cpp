// Data sources: the connection between a data set and the links of its controls.
#include "platform/data/data_source.h"

#include <algorithm>

#include "platform/data/data_link.h"

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
  Destroying();
  OnStateChange = nullptr;
  SetDataSet(nullptr);
  while (!links_.empty()) links_.back()->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
  if (dataSet == dataSet_) return;
  if (dataSet_ != nullptr) {
    dataSet_->DetachDataSource(this);
    dataSet_->RemoveFreeNotification(this);
    // The links let go of the old data set before they take the new one, even when both are
    // open: their buffers and positions belong to the old one.
    dataSet_ = nullptr;
    UpdateState();
  }
  dataSet_ = dataSet;
  if (dataSet_ != nullptr) {
    dataSet_->FreeNotification(this);
    dataSet_->AttachDataSource(this);
  }
  UpdateState();
}

void TDataSource::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateState();
}

void TDataSource::Edit() {
  if (autoEdit_ && state_ == dsBrowse && dataSet_ != nullptr) dataSet_->Edit();
}

bool TDataSource::IsLinkedTo(TDataSet* dataSet) const { return dataSet != nullptr && dataSet == dataSet_; }

void TDataSource::AddDataLink(TDataLink* link) {
  links_.push_back(link);
  if (dataSet_ != nullptr) dataSet_->UpdateBufferCount();
}

void TDataSource::RemoveDataLink(TDataLink* link) {
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
  if (dataSet_ != nullptr) dataSet_->UpdateBufferCount();
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == dataSet_) {
    dataSet_ = nullptr;
    UpdateState();
  }
}

void TDataSource::UpdateState() {
  TDataSetState state = enabled_ && dataSet_ != nullptr ? dataSet_->State() : dsInactive;
  if (state == state_) return;
  TDataSetState prior = state_;
  state_ = state;
  NotifyLinks(deUpdateState, 0);
  if (ComponentState().Contains(csDestroying)) return;
  if (OnStateChange) OnStateChange(this);
  if (prior == dsInactive && OnDataChange) OnDataChange(this, nullptr);
}

void TDataSource::NotifyLinks(TDataEvent event, intptr_t info) {
  for (TDataLink* link : std::vector<TDataLink*>(links_))
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->DataEvent(event, info);
}

void TDataSource::DataEvent(TDataEvent event, intptr_t info) {
  if (event == deUpdateState) {
    UpdateState();
    return;
  }
  if (state_ == dsInactive) return;
  NotifyLinks(event, info);
  switch (event) {
    case deFieldChange:
      if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(info));
      break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
      if (OnDataChange) OnDataChange(this, nullptr);
      break;
    case deUpdateRecord:
      if (OnUpdateData) OnUpdateData(this);
      break;
    default: break;
  }
}
