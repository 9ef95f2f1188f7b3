// The grid's incremental search: when typing searches, and the keys that drive a search.
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/inc_search.h"
#include "platform/controls/inplace_edit.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/timers.h"

TFindDialogProcEx FindDialogProcEx = nullptr;

namespace {

class TGridIncSearchView : public TIncSearchView {
 public:
  explicit TGridIncSearchView(TCustomDBGridEx* grid) : grid_(grid) {}
  TDBGridExHost* Model() override { return grid_; }
  void HideEditor() override { grid_->HideEditor(); }
  void RestoreEditor() override {
    if (grid_->EditorAlwaysShown()) grid_->ShowInplaceEditor();
  }
  void StartTimer(int ms) override {
    if (grid_->HandleAllocated()) SetTimer(grid_->Handle(), TCustomDBGridEx::kIncSearchTimerId, ms);
  }
  void StopTimer() override {
    if (grid_->HandleAllocated()) KillTimer(grid_->Handle(), TCustomDBGridEx::kIncSearchTimerId);
  }

 private:
  TCustomDBGridEx* grid_;
};

bool Plain(TShiftState shift) { return shift.Empty(); }

}  // namespace

std::unique_ptr<TDBGridExIncSearch> MakeGridIncSearch(TCustomDBGridEx* grid) {
  return std::make_unique<TDBGridExIncSearch>(std::make_unique<TGridIncSearchView>(grid));
}

bool TCustomDBGridEx::IncSearchActive() const { return incSearch_ != nullptr && incSearch_->Active(); }

const String& TCustomDBGridEx::IncSearchText() const { return incSearch_->Text(); }

bool TCustomDBGridEx::IncSearchPaintHeld() const { return incSearch_->PaintHeld(); }

void TCustomDBGridEx::StartInplaceSearch(const String& text, int timeOut, int direction) {
  incSearch_->Start(text, timeOut, direction);
}

void TCustomDBGridEx::StopInplaceSearch() { incSearch_->Stop(); }

void TCustomDBGridEx::IncSearchTimerFired() { StopInplaceSearch(); }

void TCustomDBGridEx::IncSearchBackspace() { incSearch_->RemoveLastChar(); }

int TCustomDBGridEx::IncSearchTimeOut() const { return incSearch_->TimeOut(); }

// Typing searches while a search runs, in a cell it cannot edit (with dghIncSearch), or
// with dghPreferIncSearch whenever no editor is open.
bool TCustomDBGridEx::IncSearchApplies() {
  if (IncSearchActive()) return true;
  const TDBGridExOptions options = OptionsEx();
  TColumnEx* column = CellEditingColumn();
  const bool editable = column != nullptr && column->CanModify(false) && Options().Contains(dgEditing);
  if (options.Contains(dghIncSearch) && !editable) return true;
  return options.Contains(dghPreferIncSearch) && !EditorAlwaysShown() && !InplaceEditorShowing();
}

void TCustomDBGridEx::IncSearchKeyPress(char16_t& key) {
  if (key < 0x20 || !IncSearchApplies() || !DataLink()->Active()) return;
  const TDataSetState state = DataLink()->DataSet()->State();
  if (state == dsEdit || state == dsInsert || state == dsSetKey) return;
  String typed;
  const bool whole = incSearch_->TakeTyped(key, typed);
  key = 0;
  if (!whole) return;
  const int timeOut = IncSearchActive() ? IncSearchTimeOut() : DBGridExUnitSettings().IncSearchTimeout;
  StartInplaceSearch(typed, timeOut, TDBGridExIncSearch::sdFromFirst);
}

bool TCustomDBGridEx::IncSearchKeyDown(uint16_t& key, TShiftState shift) {
  const TDBGridExUnitSettings& settings = DBGridExUnitSettings();
  const TShortCut pressed = ShortCut(key, shift);
  auto used = [&key] {
    key = 0;
    return true;
  };
  if (pressed == settings.IncSearchKey && OptionsEx().Contains(dghIncSearch)) {
    if (IncSearchActive() && OptionsEx().Contains(dghDialogFind) && settings.FindDialogKey == settings.IncSearchKey) {
      StopInplaceSearch();
      if (FindDialogProcEx != nullptr) FindDialogProcEx(this, FindDialogFlag());
    } else {
      StartInplaceSearch(String(), -1, TDBGridExIncSearch::sdFromFirst);
    }
    return used();
  }
  if (pressed == settings.FindDialogKey && OptionsEx().Contains(dghDialogFind) && !OptionsEx().Contains(dghIncSearch)) {
    if (FindDialogProcEx != nullptr) FindDialogProcEx(this, FindDialogFlag());
    return used();
  }
  if (!IncSearchActive()) return false;
  if (Plain(shift) && (key == VK_RETURN || key == VK_ESCAPE || key == VK_F2)) {
    StopInplaceSearch();
    return false;
  }
  if (Plain(shift) && key == VK_BACK) {
    IncSearchBackspace();
    return used();
  }
  if (pressed == settings.FindNextKey || pressed == settings.FindPriorKey) {
    const int direction = pressed == settings.FindNextKey ? TDBGridExIncSearch::sdNext : TDBGridExIncSearch::sdPrior;
    StartInplaceSearch(String(), IncSearchTimeOut(), direction);
    return used();
  }
  if (pressed == ShortCut('V', {ssCtrl}) || pressed == ShortCut(VK_INSERT, {ssShift})) {
    StartInplaceSearch(Clipboard()->AsText(), IncSearchTimeOut(), TDBGridExIncSearch::sdFromFirst);
    return used();
  }
  return false;
}
