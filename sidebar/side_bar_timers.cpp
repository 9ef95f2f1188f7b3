#include "platform/controls/application.h"
#include "platform/windows/timers.h"
#include "sidebar/side_bar.h"

// The bar's five timers (close bar, column scroll, header auto-change, button-list scroll,
// alert blink), the column scroll and the mouse wheel.

void TnbSideBar::StartTimer(uintptr_t id, uint32_t ms) {
  if (HandleAllocated()) SetTimer(Handle(), id, static_cast<int>(ms));
}

void TnbSideBar::StopTimer(uintptr_t id) {
  if (HandleAllocated()) KillTimer(Handle(), id);
}

void TnbSideBar::WMTimer(TMessage& m) {
  if (m.WParam >= 2 && m.WParam <= 4 && Application != nullptr) Application->CancelHint();
  switch (m.WParam) {
    case 1:
      StopTimer(1);
      CloseBoxState().State = TnbScrollBox::Normal;
      DoClose();
      break;
    case 2:
      if (Box(ColumnDown).State == TnbScrollBox::Pressed) ScrollColumnDown();
      else if (Box(ColumnUp).State == TnbScrollBox::Pressed) ScrollColumnUp();
      else StopTimer(2);
      break;
    case 3:
      StopTimer(3);
      if (autoChangeCandidate_ == nullptr) break;
      if (SingleActiveLayout()) {
        if (autoChangeCandidate_ != activeHeader_) SetActiveHeader(autoChangeCandidate_);
      } else if (!autoChangeCandidate_->Opened()) {
        autoChangeCandidate_->SetOpened(true);
      }
      break;
    case 4:
      if (autoChangeCandidate_ == nullptr) return StopTimer(4);
      if (Box(ListDown).State == TnbScrollBox::Pressed) autoChangeCandidate_->StepDown();
      else if (Box(ListUp).State == TnbScrollBox::Pressed) autoChangeCandidate_->StepUp();
      else return StopTimer(4);
      Invalidate();
      break;
    case 5:
      if (alertButton_ == nullptr) return StopTimer(5);
      // The picture under a running drag stays as it is; the blink goes on after the drop.
      if (draggedButton_ != nullptr) break;
      alertButton_->SetAlert(true, !alertButton_->AlertPhase());
      if (!dragPending_) Invalidate();
      break;
    default: break;
  }
}

void TnbSideBar::ScrollColumnUp() {
  scrollOffset_ = std::max(0, scrollOffset_ - scrollChange_);
  Invalidate();
}

void TnbSideBar::ScrollColumnDown() {
  // No upper clamp: the down box disappears once nothing lies below, which ends scrolling.
  scrollOffset_ += scrollChange_;
  Invalidate();
}

bool TnbSideBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  if (!shift.Empty()) return false;
  const int steps = wheelDelta / 120;
  if (CloseUpLayout()) {
    const BoxIndex needed = steps < 1 ? ColumnDown : ColumnUp;
    layout_->Update();
    if (!nbShown(Box(needed).Rect)) return true;
    scrollOffset_ = std::max(steps < 1 ? scrollOffset_ : 0, scrollOffset_ - scrollChange_ * steps);
    Invalidate();
    return true;
  }
  if (activeHeader_ == nullptr) return true;
  if (steps < 1 && activeHeader_->CanStepDown()) activeHeader_->StepDown();
  else if (steps >= 1 && activeHeader_->CanStepUp()) activeHeader_->StepUp();
  else return true;
  Invalidate();
  return true;
}

void TnbSideBar::SetAlertButton(TnbButton* button) {
  if (alertButton_ != nullptr) alertButton_->SetAlert(false, false);
  alertButton_ = button;
  if (button == nullptr) return StopTimer(5);
  button->SetAlert(true, false);
  StartTimer(5, alertInterval_);
}

void TnbSideBar::SetAlertInterval(uint32_t v) {
  if (alertInterval_ == v) return;
  alertInterval_ = v;
  if (alertButton_ != nullptr) {
    StopTimer(5);
    StartTimer(5, v);
  }
}
