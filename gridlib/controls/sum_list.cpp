// Footer sums: aggregates kept up to date by following the data set's inserts, edits and deletes.
#include "gridlib/controls/sum_list.h"

#include <algorithm>
#include <limits>

#include "platform/classes/component.h"
#include "platform/data/dataset.h"

TDBSum::~TDBSum() {
  if (forgetHolder_) forgetHolder_();
}

void TDBSum::SetFieldName(const String& value) {
  fieldName_ = value;
  tally_.counted = false;
  Changed(false);
}

void TDBSum::SetGroupOperation(TGroupOperation value) {
  operation_ = value;
  tally_.counted = false;
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
  TDataSetNotifyEvent afterOpen, afterClose, afterEdit, beforePost, afterPost, beforeDelete, afterDelete,
      afterCancel;
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

// The data set's own handler runs first, then the producer's step.
void TDBSumListProducer::InstallHook(TDataSetNotifyEvent& event, const TDataSetNotifyEvent& previous,
                                     void (TDBSumListProducer::*step)()) {
  event.Bind(nullptr, "", [this, previous, step](TDataSet* ds) {
    previous.Call(ds);
    (this->*step)();
  });
}

void TDBSumListProducer::InstallHooks() {
  hooked_ = true;
  TDataSet* ds = dataSet_;
  saved_ = std::make_unique<SavedHooks>(SavedHooks{ds->AfterOpen, ds->AfterClose, ds->AfterEdit, ds->BeforePost,
                                                   ds->AfterPost, ds->BeforeDelete, ds->AfterDelete, ds->AfterCancel});
  before_.reset();
  InstallHook(ds->AfterOpen, saved_->afterOpen, &TDBSumListProducer::RecalcAll);
  InstallHook(ds->AfterClose, saved_->afterClose, &TDBSumListProducer::RecalcAll);
  InstallHook(ds->AfterEdit, saved_->afterEdit, &TDBSumListProducer::EditBegun);
  InstallHook(ds->BeforePost, saved_->beforePost, &TDBSumListProducer::PostBegins);
  InstallHook(ds->AfterPost, saved_->afterPost, &TDBSumListProducer::Posted);
  InstallHook(ds->BeforeDelete, saved_->beforeDelete, &TDBSumListProducer::DeleteBegins);
  InstallHook(ds->AfterDelete, saved_->afterDelete, &TDBSumListProducer::Deleted);
  InstallHook(ds->AfterCancel, saved_->afterCancel, &TDBSumListProducer::EditCancelled);
}

void TDBSumListProducer::RestoreHooks() {
  hooked_ = false;
  before_.reset();
  if (saved_ == nullptr || dataSet_ == nullptr) return;
  dataSet_->AfterOpen = saved_->afterOpen;
  dataSet_->AfterClose = saved_->afterClose;
  dataSet_->AfterEdit = saved_->afterEdit;
  dataSet_->BeforePost = saved_->beforePost;
  dataSet_->AfterPost = saved_->afterPost;
  dataSet_->BeforeDelete = saved_->beforeDelete;
  dataSet_->AfterDelete = saved_->afterDelete;
  dataSet_->AfterCancel = saved_->afterCancel;
  saved_.reset();
}

void TDBSumListProducer::EndLoading() {
  if (active_) RecalcAll();
}

void TDBSumListProducer::RecalcAll() {
  if (externalRecalc_) {
    // The application sets the values; what the producer counted no longer stands for them.
    for (int i = 0; i < sums_->Count(); ++i) sums_->Items(i)->tally_.counted = false;
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

namespace {

// A value as the Currency amount it adds to a total; beyond what a Currency holds it stops at
// the largest amount rather than raising while the data set posts.
int64_t CurrencyRaw(double value) {
  constexpr double kLimit = 9.2e14;
  if (!(value < kLimit)) return Currency::FromDouble(kLimit).Raw();
  if (!(value > -kLimit)) return Currency::FromDouble(-kLimit).Raw();
  return Currency::FromDouble(value).Raw();
}

// Halves round away from zero, as the average of whole amounts is shown.
int64_t RoundedQuotient(int64_t total, int64_t count) {
  const int64_t quotient = total / count;
  const int64_t rest = total % count;
  if (2 * (rest < 0 ? -rest : rest) >= count) return quotient + (total < 0 ? -1 : 1);
  return quotient;
}

// Totals beyond what a Currency holds stop at its limits.
void AddClamped(int64_t& total, int64_t amount) {
  if (__builtin_add_overflow(total, amount, &total)) {
    total = amount < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
  }
}

// Only numbers, dates and truth values add up: a text or memo field's sum stays 0 rather than
// raising from the data set's edit and post events, which would keep every record in edit.
bool Summable(const TField* field) {
  switch (field->DataType()) {
    case ftSmallint: case ftInteger: case ftWord: case ftAutoInc: case ftLargeint:
    case ftFloat: case ftCurrency: case ftBCD:
    case ftDate: case ftTime: case ftDateTime: case ftTimeStamp: case ftBoolean:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TDBSumListProducer::ZeroAll() {
  for (int i = 0; i < sums_->Count(); ++i) {
    TDBSum* sum = sums_->Items(i);
    sum->tally_ = TDBSum::Tally{};
    sum->SetSumValue(Currency());
  }
  records_.clear();
  recordCount_ = 0;
}

TDBSumListProducer::RecordValues TDBSumListProducer::ReadRecord() const {
  RecordValues values;
  for (int i = 0; i < sums_->Count(); ++i) {
    TDBSum* sum = sums_->Items(i);
    TField* field = dataSet_->FindField(sum->FieldName());
    if (field != nullptr && Summable(field) && !field->IsNull()) values.emplace_back(sum, CurrencyRaw(field->AsFloat()));
  }
  return values;
}

void TDBSumListProducer::Apply(const RecordValues& values, int sign) {
  for (const auto& [sum, value] : values) {
    AddClamped(sum->tally_.total, sign * value);
    sum->tally_.filled += sign;
  }
}

// A sum freed since the values were read is dropped; one made since is not counted yet,
// which has the whole data set counted again instead.
TDBSumListProducer::RecordValues TDBSumListProducer::StillHeld(RecordValues values) const {
  std::erase_if(values, [this](const auto& entry) {
    for (int i = 0; i < sums_->Count(); ++i) {
      if (sums_->Items(i) == entry.first) return false;
    }
    return true;
  });
  return values;
}

// Each sum's value from its tally and the record count.
void TDBSumListProducer::Settle() {
  for (int i = 0; i < sums_->Count(); ++i) {
    TDBSum* sum = sums_->Items(i);
    const TDBSum::Tally& tally = sum->tally_;
    switch (sum->GroupOperation()) {
      case goSum: sum->SetSumValue(Currency::FromRaw(tally.total)); break;
      case goAvg:
        sum->SetSumValue(Currency::FromRaw(tally.filled > 0 ? RoundedQuotient(tally.total, tally.filled) : 0));
        break;
      case goCount: sum->SetSumValue(Currency::FromInt(recordCount_)); break;
    }
  }
}

void TDBSumListProducer::CountAll() {
  for (int i = 0; i < sums_->Count(); ++i) sums_->Items(i)->tally_ = TDBSum::Tally{0, 0, true};
  records_.clear();
  recordCount_ = 0;
  {
    DisableControlsGuard frozen(dataSet_);
    const TBookmark here = dataSet_->GetBookmark();
    for (dataSet_->First(); !dataSet_->Eof(); dataSet_->Next()) {
      ++recordCount_;
      if (virtualRecords_) records_.push_back(dataSet_->GetBookmark());
      Apply(ReadRecord(), 1);
    }
    if (!here.empty() && dataSet_->BookmarkValid(here)) dataSet_->GotoBookmark(here);
  }
  Settle();
}

// ---- Following one change at a time.

// Only the producer's own counting, with every sum counted and no record list to keep in
// step, can take a record out and put it back.
bool TDBSumListProducer::CanFollowChanges() const {
  if (externalRecalc_ || virtualRecords_ || dataSet_ == nullptr || !dataSet_->Active()) return false;
  for (int i = 0; i < sums_->Count(); ++i) {
    if (!sums_->Items(i)->tally_.counted) return false;
  }
  return true;
}

void TDBSumListProducer::EditBegun() { before_ = ReadRecord(); }

void TDBSumListProducer::PostBegins() { inserting_ = dataSet_->State() == dsInsert; }

void TDBSumListProducer::Posted() {
  const bool followed = inserting_ || before_.has_value();
  if (!followed || !CanFollowChanges()) {
    before_.reset();
    inserting_ = false;
    return RecalcAll();
  }
  if (inserting_) ++recordCount_;
  else Apply(StillHeld(*before_), -1);
  Apply(ReadRecord(), 1);
  before_.reset();
  inserting_ = false;
  ReportFollowed();
}

void TDBSumListProducer::DeleteBegins() { before_ = ReadRecord(); }

void TDBSumListProducer::Deleted() {
  if (!before_.has_value() || !CanFollowChanges()) {
    before_.reset();
    return RecalcAll();
  }
  Apply(StillHeld(*before_), -1);
  --recordCount_;
  before_.reset();
  ReportFollowed();
}

void TDBSumListProducer::EditCancelled() { before_.reset(); }

void TDBSumListProducer::ReportFollowed() {
  Settle();
  Report(TSumListReport::AfterRecalcAll);
  Report(TSumListReport::Changed);
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
