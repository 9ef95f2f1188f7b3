#pragma once

#include <memory>

#include "platform/controls/panel.h"
#include "skin/themed_control.h"

class TPicture;

enum TskDrawStyle : uint8_t { skNormal, skStretch, skTile };
DECLARE_ENUM_NAMES(TskDrawStyle, "skNormal", "skStretch", "skTile")

// A panel that shows a picture (at its size, stretched or tiled) under its caption, over its
// colour or over what its parent shows. The slider of the track bar is one.
class TskCustomPanel : public TCustomPanel {
  DECLARE_CLASS(TskCustomPanel, TCustomPanel)
 public:
  explicit TskCustomPanel(TComponent* owner);
  ~TskCustomPanel() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* value);
  TskDrawStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(TskDrawStyle value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  // Takes the picture's size, except along the sides its alignment fixes.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Paint() override;
  void Resize() override;

  virtual void ClearBackground();
  virtual void CaptionRectChanged() {}
  virtual void PictureChanged();

  // Background and picture, as every panel of this family starts its painting.
  void PaintPicture(TCanvas* canvas);
  bool HasGraphic() const;

 private:
  void SizeToPicture();
  void Repaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }

  std::unique_ptr<TPicture> picture_;
  TskDrawStyle drawStyle_ = skNormal;
  bool transparent_ = false;
  bool autoSize_ = false;
};

class TskImagePanel : public TskCustomPanel {
  DECLARE_CLASS(TskImagePanel, TskCustomPanel)
 public:
  using TskCustomPanel::TskCustomPanel;
  static void Publish();
};

// A framed group box whose caption opens the top line. It hands its theme and its Enabled
// state down to the controls in it.
class TskCustomGroupBox : public TskThemed<TskCustomPanel> {
  DECLARE_CLASS(TskCustomGroupBox, TskCustomPanel)
 public:
  explicit TskCustomGroupBox(TComponent* owner);

  // The text in the frame; the window text stays a blank.
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  void SetEnabled(bool value) override;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override { ApplyStyleColors(UIStyle(), FileTheme()); }
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  virtual void ApplyStyleColors(TskUIStyle style, TskFileTheme* fileTheme);

 private:
  void CMFontChanged(TMessage& m);

  String caption_;
  TColor borderColor_ = clBlack;
};

class TskGroupBox : public TskCustomGroupBox {
  DECLARE_CLASS(TskGroupBox, TskCustomGroupBox)
 public:
  using TskCustomGroupBox::TskCustomGroupBox;
  static void Publish();
};
