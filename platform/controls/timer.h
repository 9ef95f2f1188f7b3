#pragma once

#include "platform/classes/component.h"
#include "platform/core/events.h"
#include "platform/windows/window_tree.h"

// A component that calls OnTimer every Interval ms while Enabled and Interval is not 0,
// through a hidden window of its own.
class TTimer : public TComponent {
  DECLARE_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static void Publish();
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int v);
  TNotifyEvent OnTimer;

 private:
  void UpdateTimer();
  void WndProc(TMessage& m);
  HWND window_ = nullptr;
  bool enabled_ = true;
  int interval_ = 1000;
};
