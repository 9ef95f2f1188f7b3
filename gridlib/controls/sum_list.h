#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/classes/collection.h"
#include "platform/core/currency.h"
#include "platform/core/events.h"
#include "platform/data/db_types.h"

class TComponent;
class TDataSet;

enum TGroupOperation : uint8_t { goSum, goAvg, goCount };

// What a recalculation reports, in this order: the application may count (only with
// ExternalRecalc), the counting is over, the sums changed.
enum class TSumListReport : uint8_t { RecalcAll, AfterRecalcAll, Changed };

// One aggregate over a data set: the sum or average of a field, or the record count. A count
// is held as a Currency amount too (a count of 1 is the raw value 10000).
class TDBSum : public TCollectionItem {
  DECLARE_CLASS(TDBSum, TCollectionItem)
 public:
  explicit TDBSum(TCollection* collection) : TCollectionItem(collection) {}
  ~TDBSum() override;
  // Whoever holds this sum (a footer) and is told when the sum goes with its collection, so
  // that sum and holder may be freed in either order.
  void SetHolder(std::function<void()> forget) { forgetHolder_ = std::move(forget); }
  const String& FieldName() const { return fieldName_; }
  void SetFieldName(const String& value);
  TGroupOperation GroupOperation() const { return operation_; }
  void SetGroupOperation(TGroupOperation value);
  Currency SumValue() const { return value_; }
  void SetSumValue(Currency value) { value_ = value; }

 private:
  friend class TDBSumListProducer;
  // What the producer counted for this sum: the total of the values (each taken as a
  // Currency, so adding and taking away records is exact) and how many were not null.
  struct Tally {
    int64_t total = 0;
    int64_t filled = 0;
    bool counted = false;
  };

  String fieldName_;
  TGroupOperation operation_ = goSum;
  Currency value_;
  Tally tally_;
  std::function<void()> forgetHolder_;
};

class TDBSumCollection : public TCollection {
  DECLARE_CLASS(TDBSumCollection, TCollection)
 public:
  TDBSumCollection() : TCollection(TCollectionItemClass::Of<TDBSum>()) {}
  TDBSum* Items(int index) const { return static_cast<TDBSum*>(TCollection::Items(index)); }
  TDBSum* Add() { return static_cast<TDBSum*>(TCollection::Add()); }
  // The sum with that operation over that field (ignoring case), or nullptr.
  TDBSum* FindSum(TGroupOperation operation, std::string_view fieldName) const;

  // A sum was added, removed or changed.
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* item) override;
};

// Keeps the sums of a data set current: while hooked it counts every record when the data
// set opens, and on a post or a delete takes the record's old values out and its new ones in,
// so that one change does not walk the whole data set. Anything it cannot follow that way (a
// sum added since, an edit begun before the hooks, records of its own to keep) is counted in
// full again.
class TDBSumListProducer {
 public:
  explicit TDBSumListProducer(TComponent* owner);
  virtual ~TDBSumListProducer();
  TDBSumListProducer(const TDBSumListProducer&) = delete;
  TDBSumListProducer& operator=(const TDBSumListProducer&) = delete;

  TComponent* Owner() const { return owner_; }
  TDataSet* DataSet() const { return dataSet_; }
  // Watches another data set (the hooks move with it).
  void SetDataSetHook(TDataSet* dataSet);
  bool Active() const { return active_; }
  // The watched data set is being freed (compared by address only: it is no longer whole);
  // its events go with it, so nothing is given back.
  void DataSetDestroyed(const void* gone);
  // Switches the hooks on the data set's events on or off.
  void SetHooked(bool value);
  // Whether the producer's handlers count as installed on the data set's events.
  bool Hooked() const { return hooked_; }
  TDBSumCollection* SumCollection() const { return sums_.get(); }
  bool ExternalRecalc() const { return externalRecalc_; }
  void SetExternalRecalc(bool value) { externalRecalc_ = value; }
  bool VirtualRecords() const { return virtualRecords_; }
  void SetVirtualRecords(bool value) { virtualRecords_ = value; }

  // Counts every sum again (or lets OnRecalcAll do it when ExternalRecalc is set).
  void RecalcAll();
  // The owner finished loading: sums of an active list are counted.
  void EndLoading();

  // Record addressing for scroll bars and row colours.
  virtual bool IsSequenced() const;
  virtual int RecordCount() const;
  virtual int RecNo() const;
  virtual void SetRecNo(int recNo);

  TNotifyEvent OnRecalcAll;
  TNotifyEvent OnAfterRecalcAll;
  TNotifyEvent SumListChanged;

 protected:
  // Saves the data set's handlers and installs the producer's in front of them.
  virtual void InstallHooks();
  // Puts the data set's own handlers back.
  virtual void RestoreHooks();
  // Records whether the hooks count as installed, for a subclass that keeps them off.
  void SetHookedState(bool value) { hooked_ = value; }
  void SetActiveFlag(bool value) { active_ = value; }
  // Fires the event of one report; a subclass may pass the report on as well.
  virtual void Report(TSumListReport report);
  // The Sender the events name: the owner, unless a subclass is an object of its own.
  virtual TObject* EventSender();

 private:
  struct SavedHooks;
  // The amount one record adds to each sum whose field it holds a value of.
  using RecordValues = std::vector<std::pair<TDBSum*, int64_t>>;
  void CountAll();
  void ZeroAll();
  bool UsesOwnRecords() const;
  void InstallHook(TEvent<void(TDataSet*)>& event, const TEvent<void(TDataSet*)>& previous,
                   void (TDBSumListProducer::*step)());
  void EditBegun();
  void PostBegins();
  void Posted();
  void DeleteBegins();
  void Deleted();
  void EditCancelled();
  RecordValues ReadRecord() const;
  bool CanFollowChanges() const;
  void Apply(const RecordValues& values, int sign);
  RecordValues StillHeld(RecordValues values) const;
  void Settle();
  // A change was followed record by record: the sums take their new values and say so.
  void ReportFollowed();

  TComponent* owner_;
  TDataSet* dataSet_ = nullptr;
  bool active_ = false;
  bool hooked_ = false;
  bool externalRecalc_ = false;
  bool virtualRecords_ = false;
  std::unique_ptr<TDBSumCollection> sums_;
  std::unique_ptr<SavedHooks> saved_;
  std::vector<TBookmark> records_;
  int64_t recordCount_ = 0;
  // What the record being edited or deleted held before the change, read when the change
  // began; nullopt when the change began out of sight.
  std::optional<RecordValues> before_;
  bool inserting_ = false;
};
