#pragma once

#include "platform/controls/custom_control.h"

// The small pop-up window that shows a hint: its own top-level window (so it may extend past
// its form), sized by CalcHintRect to the wrapped text plus margins.
class THintWindow : public TCustomControl {
  DECLARE_CLASS(THintWindow, TCustomControl)
 public:
  explicit THintWindow(TComponent* owner);
  // The rectangle (at 0,0) the hint needs, wrapping at maxWidth.
  virtual TRect CalcHintRect(int maxWidth, const String& hint, void* data);
  // Shows the hint at `rect` (screen coordinates) without taking focus.
  virtual void ActivateHint(const TRect& rect, const String& hint);
  void ReleaseHandle();
  bool Active() const { return active_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  bool IsTopLevel() const override { return true; }
  void Paint() override;

 private:
  bool active_ = false;
};
