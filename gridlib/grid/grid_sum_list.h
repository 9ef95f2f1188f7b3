#pragma once

#include "gridlib/controls/sum_list.h"
#include "platform/classes/persistent.h"

class TDBGridExHost;

// The grid's footer sums: the sum producer of the grid's data set, published with the grid
// (SumList), whose reports go on to the grid. While the grid is being designed, switching the
// hooks only records the state, so the data set on the designed form keeps its own handlers.
class TDBGridExSumList : public TPersistent, public TDBSumListProducer {
  DECLARE_CLASS(TDBGridExSumList, TPersistent)
 public:
  // `grid` may be nullptr for free-standing settings that are only assigned from.
  explicit TDBGridExSumList(TDBGridExHost* grid);
  static void Publish();
  // Copies Active, ExternalRecalc, VirtualRecords and the three events from another sum list.
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override;

  // Active switches the hooks on the data set's events.
  void SetActive(bool value) { SetHooked(value); }

 protected:
  void InstallHooks() override;
  void RestoreHooks() override;
  void Report(TSumListReport report) override;
  TObject* EventSender() override { return this; }

 private:
  bool GridDesigning() const;

  TDBGridExHost* grid_;
};
