#include "gridlib/controls/sum_list.h"

#include <algorithm>

#include "platform/classes/component.h"
#include "platform/data/dataset.h"

void TDBSum::SetFieldName(const String& value) {
  fieldName_ = value;
  Changed(false);
}

void TDBSum::SetGroupOperation(TGroupOperation value) {
  operation_ = value;
  Changed(false);
}

TDBSum* TDBSumCollection::FindSum(TGroupOperation operation, std::string_view fieldName) const {
  for (int i = 0; i < Count(); ++i) {
    TDBSum* sum = Items(i);
    if (sum->GroupOperation() == operation && SameText(sum->FieldName(), fieldName)) return sum;
  }
  return nullptr;
}

void TDBSumCollection::Update(TCollectionItem* item) {
  (void)item;
  OnChange.Call(this);
}

struct TDBSumListProducer::SavedHooks {
  TDataSetNotifyEvent afterOpen, afterPost, afterDelete, afterClose;
};

TDBSumListProducer::TDBSumListProducer(TComponent* owner)
    : owner_(owner), sums_(std::make_unique<TDBSumCollection>()) {}

// A subclass's own hooks are gone by now: only the producer's handlers need giving back.
TDBSumListProducer::~TDBSumListProducer() {
  if (saved_ != nullptr) TDBSumListProducer::RestoreHooks();
}

// An active producer hooks every data set it watches, also one that comes after a freed one.
void TDBSumListProducer::SetDataSetHook(TDataSet* dataSet) {
  if (dataSet_ == dataSet) return;
  if (hooked_) RestoreHooks();
  dataSet_ = dataSet;
  records_.clear();
  if (dataSet_ != nullptr && owner_ != nullptr) owner_->FreeNotification(dataSet_);
  if (active_ && dataSet_ != nullptr) InstallHooks();
  if (active_) RecalcAll();
}

void TDBSumListProducer::DataSetDestroyed(const void* gone) {
  if (gone != static_cast<const void*>(dataSet_)) return;
  dataSet_ = nullptr;
  saved_.reset();
  hooked_ = false;
  records_.clear();
}

void TDBSumListProducer::SetHooked(bool value) {
  if (active_ == value) return;
  active_ = value;
  if (value && dataSet_ != nullptr) InstallHooks();
  if (!value && hooked_) RestoreHooks();
  if (value) RecalcAll();
}

void TDBSumListProducer::InstallHooks() {
  hooked_ = true;
  saved_ = std::make_unique<SavedHooks>(
      SavedHooks{dataSet_->AfterOpen, dataSet_->AfterPost, dataSet_->AfterDelete, dataSet_->AfterClose});
  auto chain = [this](TDataSetNotifyEvent& event, const TDataSetNotifyEvent& previous) {
    event.Bind(nullptr, "", [this, previous](TDataSet* ds) {
      previous.Call(ds);
      RecalcAll();
    });
  };
  chain(dataSet_->AfterOpen, saved_->afterOpen);
  chain(dataSet_->AfterPost, saved_->afterPost);
  chain(dataSet_->AfterDelete, saved_->afterDelete);
  chain(dataSet_->AfterClose, saved_->afterClose);
}

void TDBSumListProducer::RestoreHooks() {
  hooked_ = false;
  if (saved_ == nullptr || dataSet_ == nullptr) return;
  dataSet_->AfterOpen = saved_->afterOpen;
  dataSet_->AfterPost = saved_->afterPost;
  dataSet_->AfterDelete = saved_->afterDelete;
  dataSet_->AfterClose = saved_->afterClose;
  saved_.reset();
}

void TDBSumListProducer::EndLoading() {
  if (active_) RecalcAll();
}

void TDBSumListProducer::RecalcAll() {
  if (externalRecalc_) {
    Report(TSumListReport::RecalcAll);
  } else if (dataSet_ != nullptr && dataSet_->Active()) {
    CountAll();
  } else {
    ZeroAll();
  }
  Report(TSumListReport::AfterRecalcAll);
  Report(TSumListReport::Changed);
}

void TDBSumListProducer::Report(TSumListReport report) {
  TObject* sender = EventSender();
  switch (report) {
    case TSumListReport::RecalcAll: OnRecalcAll.Call(sender); break;
    case TSumListReport::AfterRecalcAll: OnAfterRecalcAll.Call(sender); break;
    case TSumListReport::Changed: SumListChanged.Call(sender); break;
  }
}

TObject* TDBSumListProducer::EventSender() { return owner_; }

void TDBSumListProducer::ZeroAll() {
  for (int i = 0; i < sums_->Count(); ++i) sums_->Items(i)->SetSumValue(Currency());
  records_.clear();
}

void TDBSumListProducer::CountAll() {
  const int count = sums_->Count();
  std::vector<double> totals(static_cast<size_t>(count), 0.0);
  std::vector<int64_t> filled(static_cast<size_t>(count), 0);
  std::vector<TField*> fields(static_cast<size_t>(count), nullptr);
  for (int i = 0; i < count; ++i) fields[static_cast<size_t>(i)] = dataSet_->FindField(sums_->Items(i)->FieldName());
  records_.clear();
  int64_t records = 0;
  {
    DisableControlsGuard frozen(dataSet_);
    const TBookmark here = dataSet_->GetBookmark();
    for (dataSet_->First(); !dataSet_->Eof(); dataSet_->Next()) {
      ++records;
      if (virtualRecords_) records_.push_back(dataSet_->GetBookmark());
      for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == nullptr || fields[i]->IsNull()) continue;
        totals[i] += fields[i]->AsFloat();
        ++filled[i];
      }
    }
    if (!here.empty() && dataSet_->BookmarkValid(here)) dataSet_->GotoBookmark(here);
  }
  for (int i = 0; i < count; ++i) {
    TDBSum* sum = sums_->Items(i);
    const size_t k = static_cast<size_t>(i);
    switch (sum->GroupOperation()) {
      case goSum: sum->SetSumValue(Currency::FromDouble(totals[k])); break;
      case goAvg:
        sum->SetSumValue(filled[k] > 0 ? Currency::FromDouble(totals[k] / static_cast<double>(filled[k]))
                                       : Currency());
        break;
      case goCount: sum->SetSumValue(Currency::FromInt(records)); break;
    }
  }
}

bool TDBSumListProducer::UsesOwnRecords() const {
  return dataSet_ != nullptr && !dataSet_->IsSequenced() && virtualRecords_ && active_;
}

bool TDBSumListProducer::IsSequenced() const {
  return dataSet_ != nullptr && (dataSet_->IsSequenced() || (active_ && virtualRecords_));
}

int TDBSumListProducer::RecordCount() const {
  if (dataSet_ == nullptr) return 0;
  if (active_ && virtualRecords_ && !dataSet_->IsSequenced()) return static_cast<int>(records_.size());
  return dataSet_->RecordCount();
}

int TDBSumListProducer::RecNo() const {
  if (dataSet_ == nullptr) return 0;
  if (!UsesOwnRecords()) return dataSet_->RecNo();
  const TBookmark here = dataSet_->GetBookmark();
  for (size_t i = 0; i < records_.size(); ++i) {
    if (dataSet_->CompareBookmarks(records_[i], here) == 0) return static_cast<int>(i) + 1;
  }
  return 0;
}

void TDBSumListProducer::SetRecNo(int recNo) {
  if (dataSet_ == nullptr) return;
  if (!UsesOwnRecords()) return dataSet_->SetRecNo(recNo);
  if (recNo >= 1 && recNo <= static_cast<int>(records_.size())) {
    dataSet_->GotoBookmark(records_[static_cast<size_t>(recNo) - 1]);
  }
}
