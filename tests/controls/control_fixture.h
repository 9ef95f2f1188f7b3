#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/application.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"
#include "platform/controls/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/clock.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"

// A windowed control that fills itself with its colour and can be told which keys it wants.
class TTestControl : public TCustomControl {
  DECLARE_CLASS(TTestControl, TCustomControl)
 public:
  explicit TTestControl(TComponent* owner);
  LRESULT dialogCode = 0;
  int paintCount = 0;
  std::vector<UINT> seen;  // every message through WindowProc

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Paint() override;
  void WMGetDlgCode(TMessage& m) { m.Result = dialogCode; }
  // Answers its accelerator like a button: focus and click.
  void CMDialogChar(TMessage& m);
};

// A graphic control that fills itself with its colour.
class TTestGraphic : public TGraphicControl {
  DECLARE_CLASS(TTestGraphic, TGraphicControl)
 public:
  using TGraphicControl::TGraphicControl;
  int paintCount = 0;

 protected:
  void Paint() override;
};

// Puts `before` in front of a control's WindowProc for the life of the hook; `before` answers
// true when it handled the message itself. The previous procedure comes back at the end.
class TWindowProcHook {
 public:
  TWindowProcHook(TControl* control, std::function<bool(TMessage&)> before)
      : control_(control), previous_(control->WindowProc) {
    control->WindowProc = [this, before](TMessage& m) {
      if (!before(m)) previous_(m);
    };
  }
  ~TWindowProcHook() { control_->WindowProc = previous_; }
  TWindowProcHook(const TWindowProcHook&) = delete;
  TWindowProcHook& operator=(const TWindowProcHook&) = delete;

 private:
  TControl* control_;
  TWndMethod previous_;
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A shown form at (x, y) with a frame, owned by the application.
  TForm* MakeForm(TRect bounds = Bounds(100, 100, 400, 300), TFormBorderStyle border = bsNone);
  template <typename T>
  T* Add(TWinControl* parent, TRect bounds, TColor color) {
    auto* c = new T(parent);
    c->SetBoundsRect(bounds);
    c->SetColor(color);
    c->SetParent(parent);
    return c;
  }
  TTestControl* AddControl(TWinControl* parent, TRect bounds, TColor color = clWhite) {
    return Add<TTestControl>(parent, bounds, color);
  }
  TTestGraphic* AddGraphic(TWinControl* parent, TRect bounds, TColor color = clWhite) {
    return Add<TTestGraphic>(parent, bounds, color);
  }
  // Screen point of a control's client point.
  TPoint At(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }
  void Pump() { Application->ProcessMessages(); }
  TColor Pixel(TCustomForm* form, int x, int y);
  void SavePicture(TCustomForm* form, const char* name);
  TTestClock& TestClock() { return *clock_; }

 private:
  std::unique_ptr<TApplicationScope> scope_;
  TTestClock* clock_ = nullptr;
};
