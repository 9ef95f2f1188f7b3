#pragma once

#include <memory>

#include "platform/controls/panel.h"
#include "skin/progress_bar.h"
#include "skin/themed_control.h"

class TBitmap;
class TskImageButton;
class TskScrollTrackBar;

// A skinned scroll bar: two arrow buttons and a thumb track between them, all drawn from the
// theme. An arrow steps once when pressed and again every 100 ms while it is held.
class TskScrollBar : public TskThemed<TCustomPanel> {
  DECLARE_CLASS(TskScrollBar, TCustomPanel)
 public:
  static constexpr int kMinThumbLength = 18;

  explicit TskScrollBar(TComponent* owner);
  ~TskScrollBar() override;
  static void Publish();

  TskProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TskProgressBarOrientation value);
  int Min() const;
  void SetMin(int value);
  int Max() const;
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const;
  void SetLargeChange(int value);
  int PageSize() const { return LargeChange(); }
  void SetPageSize(int value);
  // A fixed thumb length in pixels (at least 18); 0 makes the thumb follow PageSize.
  int LineButton() const { return lineButton_; }
  void SetLineButton(int value);
  bool SliderVisible() const;
  void SetSliderVisible(bool value);

  TskScrollTrackBar* Track() const { return track_; }
  TskImageButton* DecrementButton() const { return arrows_[0]; }
  TskImageButton* IncrementButton() const { return arrows_[1]; }
  TNotifyEvent& OnChange();

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override;
  void Resize() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

 private:
  void LoadPictures();
  void LayOut();
  void BuildThumb();
  int TrackLength() const;
  void Step(int delta);
  void CMColorChanged(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }

  TskScrollTrackBar* track_ = nullptr;
  TskImageButton* arrows_[2] = {nullptr, nullptr};
  std::unique_ptr<TBitmap> thumbPieces_[3];
  TskProgressBarOrientation orientation_ = skHorizontal;
  int smallChange_ = 1;
  int lineButton_ = 0;
  bool layingOut_ = false;
  bool hiddenForNoSize_ = false;  // the layout hid the bar, and shows it again once it has a size
};
