#pragma once

#include <memory>

#include "platform/controls/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

// A canvas over a control: inside painting it draws on the device context the paint call
// gave; outside, it asks for the control's device context on first use and gives it back
// when the message loop is idle (FreeDeviceContexts) or the canvas goes away.
class TControlCanvas : public TCanvas {
  DECLARE_CLASS(TControlCanvas, TCanvas)
 public:
  TControlCanvas();
  ~TControlCanvas() override;
  TControl* Control() const { return control_; }
  void SetControl(TControl* control);
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* control_ = nullptr;
  HWND dcWindow_ = nullptr;
  HDC ownDC_ = nullptr;
};

// Gives back every control canvas's device context (called when the loop is idle).
void FreeDeviceContexts();

// Points a control's canvas at a paint call's device context for the length of a scope.
class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TCanvas* canvas, HDC dc, TControlState& state);
  ~TCanvasPaintScope();
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TCanvas* canvas_;
  TControlState& state_;
};

// A windowed control that draws itself in Paint on its Canvas.
class TCustomControl : public TWinControl {
  DECLARE_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

// A control without a window of its own: it draws on its parent's device context, clipped to
// its bounds, when the parent paints.
class TGraphicControl : public TControl {
  DECLARE_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  virtual void Paint() {}
  void WMPaint(TMessage& m);

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};
