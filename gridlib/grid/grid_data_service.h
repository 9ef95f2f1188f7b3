#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"

class TBookmarkListEx;
class TCustomDBGridEx;
class TDataSet;

// What a kind of data set can do for the grid that the grid cannot do by itself: registered
// by data-set class name, found for the nearest ancestor class.
class TDatasetFeaturesEx {
 public:
  virtual ~TDatasetFeaturesEx() = default;
  virtual bool MoveRecords(TCustomDBGridEx* grid, TDataSet* dataSet, TBookmarkListEx* bookmarks,
                           int toRecNo, int treeLevel, bool checkOnly);
  virtual void ApplySorting(TCustomDBGridEx* grid, TDataSet* dataSet, bool isReopen);
  virtual void ApplyFilter(TCustomDBGridEx* grid, TDataSet* dataSet, bool isReopen);
};

// Registers `entry` for data sets of class `className` and its descendants.
void RegisterDatasetFeaturesEx(const String& className, std::unique_ptr<TDatasetFeaturesEx> entry);
void UnregisterAllDatasetFeaturesEx();
// The entry of the nearest ancestor class of the data set (first registered on a tie), or
// nullptr.
TDatasetFeaturesEx* FindDatasetFeaturesEntry(TDataSet* dataSet);

using TDBGridExServiceEvent = TEvent<void(TObject* Sender, TCustomDBGridEx* Grid)>;

// The one place that sorts, filters and moves records for grids: the application's event
// when assigned, else the features entry of the grid's data set.
class TDBGridExDataService : public TPersistent {
  DECLARE_CLASS(TDBGridExDataService, TPersistent)
 public:
  virtual bool MoveRecords(TCustomDBGridEx* grid, TBookmarkListEx* bookmarks, int toRecNo,
                           int treeLevel, bool checkOnly);
  virtual bool DefaultMoveRecords(TCustomDBGridEx* grid, TBookmarkListEx* bookmarks, int toRecNo,
                                  int treeLevel, bool checkOnly);
  virtual void ApplyFilter(TCustomDBGridEx* grid);
  virtual void ApplySorting(TCustomDBGridEx* grid);
  virtual void DefaultApplyFilter(TCustomDBGridEx* grid);
  virtual void DefaultApplySorting(TCustomDBGridEx* grid);

  TDBGridExServiceEvent OnApplySorting;
  TDBGridExServiceEvent OnApplyFilter;
};

// The library's data service while a GridLibraryScope is alive, else nullptr.
TDBGridExDataService* DBGridExDataService();
