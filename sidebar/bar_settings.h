#pragma once

#include <array>
#include <memory>

#include "platform/graphics/graphics_objects.h"
#include "sidebar/background.h"
#include "sidebar/look_classes.h"

// The look of captions and buttons, held once by the bar and once by each header. Any change
// inside it, also of its fonts, pens and nested look objects, reaches OnChangeParameter.
class TnbBarSettings : public TnbLookObject {
  DECLARE_CLASS(TnbBarSettings, TnbLookObject)
 public:
  TnbBarSettings();
  ~TnbBarSettings() override;
  static void Publish();
  // Copies everything but KeySupport.
  void Assign(TPersistent* source) override;
  void SetOnChangeParameter(const TNotifyEvent& handler) override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { Update(alignment_, v); }
  // The background of a button or caption in `state`.
  TnbButtonBackground* StateBackground(TnbButtonState state) const { return backgrounds_[state].get(); }
  TnbButtonBackground* ButtonUp() const { return StateBackground(hbsUp); }
  TnbButtonBackground* ButtonDown() const { return StateBackground(hbsDown); }
  TnbButtonBackground* ButtonFocused() const { return StateBackground(hbsFocused); }
  TnbButtonBackground* ButtonDisabled() const { return StateBackground(hbsDisabled); }
  void SetButtonUp(TnbButtonBackground* v) { ButtonUp()->Assign(v); }
  void SetButtonDown(TnbButtonBackground* v) { ButtonDown()->Assign(v); }
  void SetButtonFocused(TnbButtonBackground* v) { ButtonFocused()->Assign(v); }
  void SetButtonDisabled(TnbButtonBackground* v) { ButtonDisabled()->Assign(v); }
  TFont* ButtonFont() const { return buttonFont_.get(); }
  TFont* ButtonHighlightFont() const { return buttonHighlightFont_.get(); }
  TFont* Font() const { return font_.get(); }
  TFont* HighlightFont() const { return highlightFont_.get(); }
  void SetButtonFont(TFont* v) { buttonFont_->Assign(v); }
  void SetButtonHighlightFont(TFont* v) { buttonHighlightFont_->Assign(v); }
  void SetFont(TFont* v) { font_->Assign(v); }
  void SetHighlightFont(TFont* v) { highlightFont_->Assign(v); }
  TnbButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TnbButtonStyle v) { Update(buttonStyle_, v); }
  TnbButtonView ButtonView() const { return buttonView_; }
  void SetButtonView(TnbButtonView v) { Update(buttonView_, v); }
  TnbCaptionStyle CaptionStyle() const { return captionStyle_; }
  void SetCaptionStyle(TnbCaptionStyle v) { Update(captionStyle_, v); }
  TPen* CaptionPen() const { return captionPen_.get(); }
  TPen* HeaderPen() const { return headerPen_.get(); }
  void SetCaptionPen(TPen* v) { captionPen_->Assign(v); }
  void SetHeaderPen(TPen* v) { headerPen_->Assign(v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Update(color_, v); }
  int Distance() const { return distance_; }
  void SetDistance(int v) { Update(distance_, v); }
  uint16_t ExplorerAddOn() const { return explorerAddOn_; }
  void SetExplorerAddOn(uint16_t v) { Update(explorerAddOn_, v); }
  int GlyphTop() const { return glyphTop_; }
  void SetGlyphTop(int v) { Update(glyphTop_, v); }
  // Height of a header caption.
  int Height() const { return height_; }
  void SetHeight(int v) { Update(height_, v); }
  bool KeySupport() const { return keySupport_; }
  void SetKeySupport(bool v) { Update(keySupport_, v); }
  TnbGlyphLayout Layout() const { return layout_; }
  void SetLayout(TnbGlyphLayout v) { Update(layout_, v); }
  int LargeWidth() const { return largeWidth_; }
  int LargeHeight() const { return largeHeight_; }
  int SmallHeight() const { return smallHeight_; }
  void SetLargeWidth(int v) { Update(largeWidth_, v); }
  void SetLargeHeight(int v) { Update(largeHeight_, v); }
  void SetSmallHeight(int v) { Update(smallHeight_, v); }
  int PicLabDistance() const { return picLabDistance_; }
  void SetPicLabDistance(int v) { Update(picLabDistance_, v); }
  TnbStatusButton* StatusButton() const { return statusButton_.get(); }
  void SetStatusButton(TnbStatusButton* v) { statusButton_->Assign(v); }
  TnbXPColors* XPColors() const { return xpColors_.get(); }
  void SetXPColors(TnbXPColors* v) { xpColors_->Assign(v); }

 private:
  void NestedChanged(TObject*) { Change(); }

  TAlignment alignment_ = taCenter;
  std::array<std::unique_ptr<TnbButtonBackground>, 4> backgrounds_;
  std::unique_ptr<TFont> buttonFont_, buttonHighlightFont_, font_, highlightFont_;
  TnbButtonStyle buttonStyle_ = bsLarge;
  TnbButtonView buttonView_ = bvNormal;
  TnbCaptionStyle captionStyle_ = csButtonStyle;
  std::unique_ptr<TPen> captionPen_, headerPen_;
  TColor color_ = clBtnFace;
  int distance_ = 2;
  uint16_t explorerAddOn_ = 12;
  int glyphTop_ = 10;
  int height_ = 22;
  bool keySupport_ = true;
  TnbGlyphLayout layout_ = glGlyphLeft;
  int largeWidth_ = 60, largeHeight_ = 60, smallHeight_ = 20;
  int picLabDistance_ = 8;
  std::unique_ptr<TnbStatusButton> statusButton_;
  std::unique_ptr<TnbXPColors> xpColors_;
};
