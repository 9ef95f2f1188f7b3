#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/core/events.h"
#include "platform/data/dataset.h"

class TDataLink;

using TDataChangeEvent = TEvent<void(TObject* Sender, TField* Field)>;

// Connects data-aware controls (through their links) to a data set.
class TDataSource : public TComponent {
  DECLARE_CLASS(TDataSource, TComponent)
 public:
  explicit TDataSource(TComponent* owner);
  ~TDataSource() override;

  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);
  TDataSetState State() const { return state_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool AutoEdit() const { return autoEdit_; }
  void SetAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }
  // Puts the data set in edit mode when AutoEdit allows and it is browsing.
  void Edit();
  bool IsLinkedTo(TDataSet* dataSet) const;

  TNotifyEvent OnStateChange;
  TDataChangeEvent OnDataChange;
  TNotifyEvent OnUpdateData;

  // Used by links and the data set.
  const std::vector<TDataLink*>& DataLinks() const { return links_; }
  void AddDataLink(TDataLink* link);
  void RemoveDataLink(TDataLink* link);
  void DataEvent(TDataEvent event, intptr_t info);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void UpdateState();
  void NotifyLinks(TDataEvent event, intptr_t info);

  TDataSet* dataSet_ = nullptr;
  TDataSetState state_ = dsInactive;
  bool enabled_ = true;
  bool autoEdit_ = true;
  std::vector<TDataLink*> links_;
};
