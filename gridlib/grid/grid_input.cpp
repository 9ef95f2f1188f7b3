// The grid's input controller: its state, the parts that plug into it, the timer and the end
// of every mouse operation.
#include "gridlib/grid/grid_input.h"

#include <algorithm>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/record_drag.h"
#include "platform/windows/keys.h"
#include "platform/windows/timers.h"

namespace {

constexpr uintptr_t kDragTimer = 1;
// However close the mouse is held to the far edge, the timer leaves the message loop room to
// paint and take input between its ticks.
constexpr int kMinDragTimerInterval = 10;

}  // namespace

TDBGridExInput::TDBGridExInput(TCustomDBGridEx* grid, TDBGridExInputBase* base)
    : grid_(grid),
      base_(base),
      treeNodes_(grid),
      editKeys_(std::make_unique<TDBGridExEditKeys>()),
      recordDrag_(std::make_unique<TDBGridExRecordDrag>(grid)) {}

TDBGridExInput::~TDBGridExInput() = default;

void TDBGridExInput::SetEditKeys(std::unique_ptr<TDBGridExEditKeys> keys) {
  editKeys_ = keys ? std::move(keys) : std::make_unique<TDBGridExEditKeys>();
}

void TDBGridExInput::SetState(TGridInputState state, TGridSelectDrag drag) {
  state_ = state;
  selectDrag_ = state == gisSelecting ? drag : gsdNone;
}

bool TDBGridExInput::ShiftSelect(TShiftState shift) const {
  return shift.Contains(ssShift) && grid_->Options().Contains(dgMultiSelect);
}

void TDBGridExInput::StartTimer(int interval) {
  if (!grid_->HandleAllocated()) return;
  interval = std::max(interval, kMinDragTimerInterval);
  if (timerRunning_ && timerInterval_ == interval) return;
  if (timerRunning_) KillTimer(grid_->Handle(), kDragTimer);
  SetTimer(grid_->Handle(), kDragTimer, static_cast<UINT>(interval));
  timerRunning_ = true;
  timerInterval_ = interval;
}

void TDBGridExInput::StopTimer() {
  if (timerRunning_ && grid_->HandleAllocated()) KillTimer(grid_->Handle(), kDragTimer);
  timerRunning_ = false;
  timerInterval_ = -1;
}

void TDBGridExInput::StopTracking() {
  const TGridInputState was = state_;
  const int pressed = pressedTitleCol_;
  SetState(gisIdle);
  pressedTitleCol_ = -1;
  clickOnSelection_ = false;
  extending_ = false;
  StopTimer();
  CancelFrozenSizing();
  if (was == gisDraggingRecords) recordDrag_->Stop(lastPoint_.x, lastPoint_.y, false);
  if (pressed >= 0) grid_->InvalidateCell(pressed, 0);
  if (grid_->HandleAllocated() && grid_->MouseCapture()) grid_->SetMouseCapture(false);
}

void TDBGridExInput::KeyUp(uint16_t key) {
  if (key == VK_CONTROL) RunPendingSort();
}

void TDBGridExInput::FocusLost() { RunPendingSort(); }

// Several titles clicked with Ctrl held sort once.
void TDBGridExInput::RunPendingSort() {
  if (!sortPending_) return;
  sortPending_ = false;
  grid_->SortMarkingChanged();
}
