// The timer component.
#include "platform/controls/timer.h"

#include "platform/classes/properties.h"
#include "platform/controls/application.h"
#include "platform/windows/timers.h"
#include "platform/windows/utility_window.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = AllocateHWnd([this](TMessage& m) { WndProc(m); });
  UpdateTimer();
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
  DeallocateHWnd(window_);
}

void TTimer::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  UpdateTimer();
}

void TTimer::SetInterval(int v) {
  if (interval_ == v) return;
  interval_ = v;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(window_, 1);
  if (interval_ != 0 && enabled_) SetTimer(window_, 1, interval_);
}

void TTimer::WndProc(TMessage& m) {
  if (m.Msg != WM_TIMER) {
    m.Result = DefWindowProc(window_, m.Msg, m.WParam, m.LParam);
    return;
  }
  try {
    OnTimer.Call(this);
  } catch (...) {
    if (Application) Application->HandleException(this);
    else throw;
  }
}

void TTimer::Publish() {
  TPublisher<TTimer> p;
  p.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  p.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  p.Event("OnTimer", &TTimer::OnTimer);
}
