// The input controller reaches the grid's edit commands and incremental search through this.
#include "gridlib/grid/grid_edit_keys.h"

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_input.h"

namespace {

class TGridEditKeys : public TDBGridExEditKeys {
 public:
  explicit TGridEditKeys(TCustomDBGridEx* grid) : grid_(grid) {}
  bool ExecuteAction(TDBGridExEditAction action) override { return grid_->RunEditCommand(action); }
  void CopyFromPreviousRecord() override { grid_->CopyFromPreviousRecord(); }
  bool SearchRunning() override { return grid_->IncSearchActive(); }
  bool SearchApplies() override { return grid_->IncSearchApplies(); }
  bool SearchKeyDown(uint16_t& key, TShiftState shift) override { return grid_->IncSearchKeyDown(key, shift); }
  void SearchKeyPress(char16_t& key) override { grid_->IncSearchKeyPress(key); }
  void StopSearch() override { grid_->StopInplaceSearch(); }

 private:
  TCustomDBGridEx* grid_;
};

}  // namespace

std::unique_ptr<TDBGridExEditKeys> MakeGridEditKeys(TCustomDBGridEx* grid) {
  return std::make_unique<TGridEditKeys>(grid);
}
