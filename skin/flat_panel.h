#pragma once

#include "platform/controls/panel.h"

// A container with a one-pixel frame of two colours, an optional see-through background and
// a caption; the main window holds its side bar in one.
class TFlatPanel : public TCustomPanel {
  DECLARE_CLASS(TFlatPanel, TCustomPanel)
 public:
  static constexpr TColor kDefaultFrameColor = static_cast<TColor>(0x8396A0);

  explicit TFlatPanel(TComponent* owner);
  static void Publish();

  TColor ColorHighLight() const { return colors_[0]; }
  void SetColorHighLight(TColor value) { SetFrameColor(0, value); }
  TColor ColorShadow() const { return colors_[1]; }
  void SetColorShadow(TColor value) { SetFrameColor(1, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Paint() override;

 private:
  void SetFrameColor(int index, TColor value);
  void Repaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }

  TColor colors_[2] = {kDefaultFrameColor, kDefaultFrameColor};
  bool transparent_ = false;
};
