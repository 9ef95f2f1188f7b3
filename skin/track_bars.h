#pragma once

#include <memory>

#include "platform/controls/panel.h"
#include "skin/progress_bar.h"
#include "skin/themed_control.h"
#include "skin/track_geometry.h"

class TBitmap;
class TPicture;
class TTimer;
class TskImagePanel;

// A track bar: the theme's bar picture stretched along the control and a slider panel that
// the mouse drags. A press beside the slider pages toward the pointer, repeating while held.
class TskTrackBar : public TskThemed<TCustomPanel> {
  DECLARE_CLASS(TskTrackBar, TCustomPanel)
 public:
  static constexpr int kPageRepeatInterval = 100;

  explicit TskTrackBar(TComponent* owner);
  ~TskTrackBar() override;
  static void Publish();

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  // Held within Min..Max.
  void SetPosition(int value);
  TskProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TskProgressBarOrientation value);
  // Accepted only within 0..Max.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  bool ShowTick() const { return showTick_; }
  void SetShowTick(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TPicture* BarImage() const { return barImage_.get(); }
  void SetBarImage(TPicture* value);
  TPicture* SliderImage() const;
  virtual void SetSliderImage(TPicture* value);
  TskImagePanel* Slider() const { return slider_; }
  bool Dragging() const { return dragging_; }
  bool Paging() const { return pageTimer_ != nullptr; }

  TNotifyEvent OnChange;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override;
  void Paint() override;
  void Resize() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

  virtual void UpdatePictures();
  virtual bool CustomPictures() const { return false; }
  virtual bool SliderTransparent() const { return orientation_ == skHorizontal; }

  // Loads pictures, takes the thickness of bar or slider, and places the slider.
  void Refresh();
  bool Horizontal() const { return orientation_ == skHorizontal; }

 private:
  TskTrackGeometry Geometry() const;
  void PrepareBar();
  void UpdateSlider();
  // One step of a press beside the slider, toward the pointer.
  void PageToward(TPoint p, int step);
  void StopPaging();
  void StartDrag();
  void DragTo(TPoint p);
  void EndDrag();
  void PaintTicks(TCanvas* canvas);
  void WMGetDlgCode(TMessage& m) { m.Result = 1; }
  void CMFocusChanged(TMessage& m);
  void WMCaptureChanged(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }

  TskImagePanel* slider_ = nullptr;
  std::unique_ptr<TPicture> barImage_;
  std::unique_ptr<TBitmap> preparedBar_;
  std::unique_ptr<TTimer> pageTimer_;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int reportedPosition_ = 0;
  TskProgressBarOrientation orientation_ = skHorizontal;
  int pageSize_ = 2;
  int lineSize_ = 1;
  int frequency_ = 1;
  bool showTick_ = true;
  bool transparent_ = false;
  bool dragging_ = false;
  TPoint lastPoint_;
};

// The thumb track of the skinned scroll bar: its pictures come from the scroll bar.
class TskScrollTrackBar : public TskTrackBar {
  DECLARE_CLASS(TskScrollTrackBar, TskTrackBar)
 public:
  using TskTrackBar::TskTrackBar;

 protected:
  bool CustomPictures() const override { return true; }
  bool SliderTransparent() const override { return false; }
};
