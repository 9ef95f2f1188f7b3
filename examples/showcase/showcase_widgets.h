#pragma once

#include "platform/controls/custom_control.h"

// A coloured area with a centred caption: the main window's bars and pages until the
// component libraries fill them.
class TShowcasePanel : public TCustomControl {
  DECLARE_CLASS(TShowcasePanel, TCustomControl)
 public:
  explicit TShowcasePanel(TComponent* owner);

 protected:
  void Paint() override;
};

// A tool-bar button: a raised face with a caption, pressed while the mouse holds it; its Tag
// is the command it stands for.
class TShowcaseToolButton : public TGraphicControl {
  DECLARE_CLASS(TShowcaseToolButton, TGraphicControl)
 public:
  explicit TShowcaseToolButton(TComponent* owner);
  bool Down() const { return down_; }
  void SetDown(bool v);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool pressed_ = false;
  bool down_ = false;
};

// A control of class T owned by `parent` and placed on it at `bounds`.
template <typename T>
T* PlaceControl(TWinControl* parent, TRect bounds) {
  T* control = new T(parent);
  control->SetParent(parent);
  control->SetBoundsRect(bounds);
  return control;
}
