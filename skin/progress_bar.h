#pragma once

#include <memory>

#include "platform/controls/panel.h"
#include "skin/themed_control.h"

class TPicture;

enum TskProgressBarOrientation : uint8_t { skHorizontal, skVertical };
DECLARE_ENUM_NAMES(TskProgressBarOrientation, "skHorizontal", "skVertical")

// A progress bar 12 pixels thick: the theme's picture stretched over the done part, Color
// over the rest, a frame, and on a horizontal bar the percentage done as its caption.
class TskProgressBar : public TskThemed<TCustomPanel> {
  DECLARE_CLASS(TskProgressBar, TCustomPanel)
 public:
  static constexpr int kThickness = 12;

  explicit TskProgressBar(TComponent* owner);
  ~TskProgressBar() override;
  static void Publish();

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  TskProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TskProgressBarOrientation value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  // Hides the caption while Position is Min.
  bool SmartShowCaption() const { return smartShowCaption_; }
  void SetSmartShowCaption(bool value);
  TColor CaptionColor() const { return captionColor_; }
  void SetCaptionColor(TColor value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* value);
  // The bar keeps its thickness whatever size it is given.
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

 protected:
  void StyleChanged() override { LoadThemePictures(); }
  void Paint() override;

 private:
  void UpdateCaption();
  void LoadThemePictures();
  // The done part along a length, in pixels: at least 1, all of it past Max.
  int DoneLength(int length) const;
  void Changed();

  std::unique_ptr<TPicture> picture_;
  int min_ = 0;
  int max_ = 100;
  int position_ = 50;
  TskProgressBarOrientation orientation_ = skHorizontal;
  bool showCaption_ = true;
  bool smartShowCaption_ = false;
  TColor captionColor_ = clBlack;
  TColor borderColor_ = clBlack;
};
