// The side bar's timers: scrolling on held arrows, the alert blink and the wheel.
#include "platform/controls/application.h"
#include "platform/windows/timers.h"
#include "sidebar/handler_watch.h"
#include "sidebar/side_bar.h"

// The bar's five timers (close bar, column scroll, header auto-change and button-list scroll
// are the input controller's; the alert blink), the column scroll and the mouse wheel.

void TnbSideBar::StartTimer(uintptr_t id, uint32_t ms) {
  if (HandleAllocated()) SetTimer(Handle(), id, static_cast<int>(ms));
}

void TnbSideBar::StopTimer(uintptr_t id) {
  if (HandleAllocated()) KillTimer(Handle(), id);
}

void TnbSideBar::WMTimer(TMessage& m) {
  if (m.WParam >= 2 && m.WParam <= 4 && Application != nullptr) Application->CancelHint();
  if (input_->TimerTick(m.WParam) || m.WParam != 5) return;
  if (alertButton_ == nullptr) return StopTimer(5);
  // The picture under a running drag stays as it is; the blink goes on after the drop.
  if (input_->Drag().DraggedButton() != nullptr) return;
  alertButton_->SetAlert(true, !alertButton_->AlertPhase());
  if (!input_->Drag().Pending()) Invalidate();
}

void TnbSideBar::ScrollColumnUp() {
  scrollOffset_ = std::max(0, scrollOffset_ - scrollChange_);
  Invalidate();
  input_->ContentMoved();
}

void TnbSideBar::ScrollColumnDown() {
  // No upper clamp: the down box disappears once nothing lies below, which ends scrolling.
  scrollOffset_ += scrollChange_;
  Invalidate();
  input_->ContentMoved();
}

bool TnbSideBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  // The program's wheel events run first and may free the bar: the turn is used up then.
  TnbHandlerWatch watch(*this);
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos) || !watch.BarKept()) return true;
  return input_->MouseWheel(shift, wheelDelta);
}

void TnbSideBar::SetAlertButton(TnbButton* button) {
  // The bar hears only of its own buttons going away: the timer would read a foreign one
  // after its bar freed it.
  if (button != nullptr && button->Bar() != this)
    RefuseForeign(button->Name(), button->Caption(), "the alert button", "button");
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
