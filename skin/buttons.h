#pragma once

#include <memory>

#include "platform/controls/control_types.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/std_control_types.h"
#include "skin/themed_control.h"

class TBitmap;
class TCanvas;
class TPicture;
class TTimer;
template <typename T>
class TPublisher;

// A skinned push button: a face picture for its look (normal, mouse on, pressed, disabled), a
// caption, a focus mark, and an event repeated while the left button is held down on it.
// The four looks and the repeat are the common part; the faces come from the descendants.
class TskCustomButton : public TskThemed<TCustomControl> {
  DECLARE_CLASS(TskCustomButton, TCustomControl)
 public:
  explicit TskCustomButton(TComponent* owner);
  ~TskCustomButton() override;

  // The text drawn on the face. Setting the window text (Text, an action) sets it too.
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  int FocusedRectMargin() const { return focusedRectMargin_; }
  void SetFocusedRectMargin(int value);
  // Period of OnMouseContinuouslyDown in ms; 0 or less never repeats.
  int MouseContinuouslyDownInterval() const { return repeatInterval_; }
  void SetMouseContinuouslyDownInterval(int value) { repeatInterval_ = value; }
  void SetEnabled(bool value) override;

  // The look the next paint shows.
  bool MouseOn() const { return mouseOn_; }
  bool IsPressed() const { return mouseDown_; }
  bool Repeating() const { return repeatTimer_ != nullptr; }

  void Click() override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TNotifyEvent OnMouseContinuouslyDown;

 protected:
  template <typename B>
  static void PublishButton(TPublisher<B>& p);

  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  // The caption follows the action's, through the window text.
  void ActionChange(TObject* sender, bool checkDefaults) override;

  virtual void UpdateAutoSize();
  virtual void CaptionChanged() {}
  virtual void FontChanged();
  virtual void TransparentChanged();
  virtual void EnabledChanged() {}
  virtual void UIStyleChanged() {}
  virtual void PaintPic(TCanvas* canvas, TBitmap* face);
  virtual void PaintText(TCanvas* canvas, const String& caption);
  virtual void PaintFocus(TCanvas* canvas);
  virtual void PaintButtonNormal(TBitmap* face) { ThemeFace(face, 1); }
  virtual void PaintButtonMouseOn(TBitmap* face) { ThemeFace(face, 2); }
  virtual void PaintButtonMouseDown(TBitmap* face) { ThemeFace(face, 3); }
  virtual void PaintButtonDisabled(TBitmap* face) { ThemeFace(face, 1); }

  // Cell `cell` of the theme's three-look button strip.
  void ThemeFace(TBitmap* face, int cell) const;
  // Draws the caption in `rect` with `format`; a disabled button's caption is embossed.
  void DrawCaption(TCanvas* canvas, const String& caption, TRect rect, UINT format);
  bool TransparentDrawing() const { return transparentDrawing_; }
  void SetBoldCaption() { boldCaption_ = true; }

 private:
  void LoadFace(TBitmap* face);
  void StartRepeat();
  // Ends a press that will give no click: the repeat stops and the pressed look goes.
  void EndPress();
  void StopRepeat();
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void CMDialogChar(TMessage& m);
  void CMDialogKey(TMessage& m);
  void CMTextChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void WMCaptureChanged(TMessage& m);
  void WMCancelMode(TMessage& m);
  void RepaintAfter(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }
  void Inherited(TMessage& m);

  String caption_;
  bool autoSize_ = false;
  bool cancel_ = false;
  bool default_ = false;
  bool transparent_ = false;
  bool transparentDrawing_ = false;
  bool boldCaption_ = false;
  bool mouseOn_ = false;
  bool mouseDown_ = false;
  TModalResult modalResult_ = mrNone;
  int focusedRectMargin_ = 2;
  int repeatInterval_ = 100;
  std::unique_ptr<TTimer> repeatTimer_;
};

enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
DECLARE_ENUM_NAMES(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")

// The themed push button, with an optional glyph beside its caption. A glyph twice as wide as
// high holds an enabled and a disabled image.
class TskButton : public TskCustomButton {
  DECLARE_CLASS(TskButton, TskCustomButton)
 public:
  explicit TskButton(TComponent* owner);
  ~TskButton() override;
  static void Publish();

  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  // Kept for stored layouts; always 0.
  uint32_t ResHandle() const { return 0; }
  void SetResHandle(uint32_t) {}

 protected:
  void UIStyleChanged() override;
  void PaintPic(TCanvas* canvas, TBitmap* face) override;
  void PaintText(TCanvas* canvas, const String& caption) override;
  void PaintFocus(TCanvas* canvas) override;
  // A button without a glyph of its own shows the action's image from its action list.
  void ActionChange(TObject* sender, bool checkDefaults) override;

 private:
  void PaintGlyph(TCanvas* canvas);

  std::unique_ptr<TBitmap> glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  int spacing_ = 4;
  TPoint captionAt_;
};

// A button drawn from four pictures of its own; a look without a picture shows PicNormal.
class TskImageButton : public TskCustomButton {
  DECLARE_CLASS(TskImageButton, TskCustomButton)
 public:
  explicit TskImageButton(TComponent* owner);
  ~TskImageButton() override;
  static void Publish();

  TPicture* PicNormal() const { return pictures_[0].get(); }
  void SetPicNormal(TPicture* value) { SetPicture(0, value); }
  TPicture* PicMouseOn() const { return pictures_[1].get(); }
  void SetPicMouseOn(TPicture* value) { SetPicture(1, value); }
  TPicture* PicMouseDown() const { return pictures_[2].get(); }
  void SetPicMouseDown(TPicture* value) { SetPicture(2, value); }
  TPicture* PicDisabled() const { return pictures_[3].get(); }
  void SetPicDisabled(TPicture* value) { SetPicture(3, value); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool DrawFocused() const { return drawFocused_; }
  void SetDrawFocused(bool value);
  // Its pictures are its own: the style always reads FromThemeFile.
  TskUIStyle UIStyle() const { return FromThemeFile; }

 protected:
  void UpdateAutoSize() override;
  void PaintPic(TCanvas* canvas, TBitmap* face) override;
  void PaintFocus(TCanvas* canvas) override;
  void PaintButtonNormal(TBitmap* face) override { CopyPicture(face, 0); }
  void PaintButtonMouseOn(TBitmap* face) override { CopyPicture(face, 1); }
  void PaintButtonMouseDown(TBitmap* face) override { CopyPicture(face, 2); }
  void PaintButtonDisabled(TBitmap* face) override { CopyPicture(face, 3); }

 private:
  void SetPicture(int index, TPicture* value);
  void CopyPicture(TBitmap* face, int index) const;

  std::unique_ptr<TPicture> pictures_[4];
  bool stretch_ = false;
  bool drawFocused_ = false;
};

enum TskArrowButtonType : uint8_t { skUp, skDown };
DECLARE_ENUM_NAMES(TskArrowButtonType, "skUp", "skDown")

// A small themed button showing an up or down triangle and no caption.
class TSkArrowButton : public TskCustomButton {
  DECLARE_CLASS(TSkArrowButton, TskCustomButton)
 public:
  explicit TSkArrowButton(TComponent* owner);
  static void Publish();

  TskArrowButtonType Arrow() const { return arrow_; }
  void SetArrow(TskArrowButtonType value);

 protected:
  void UIStyleChanged() override;
  void PaintPic(TCanvas* canvas, TBitmap* face) override;
  void PaintText(TCanvas*, const String&) override {}

 private:
  TskArrowButtonType arrow_ = skUp;
};
