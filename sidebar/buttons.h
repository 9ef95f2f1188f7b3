#pragma once

#include <cstdint>
#include <memory>

#include "platform/classes/collection.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/controls/actions.h"
#include "platform/controls/watched_component.h"
#include "sidebar/bar_item.h"
#include "sidebar/sidebar_types.h"

class TBitmap;
class TCustomImageList;
class TnbBarSettings;
class TnbButton;
class TnbButtons;

// Keeps a button's linked properties in step with its action while they agree.
class TnbButtonActionLink : public TBasicActionLink {
 public:
  explicit TnbButtonActionLink(TnbButton* client) : client_(client) {}
  void SetCaption(const String& v) override;
  void SetEnabled(bool v) override;
  void SetHelpContext(int v) override;
  void SetHint(const String& v) override;
  void SetImageIndex(int v) override;
  void SetVisible(bool v) override;
  void SetOnExecute(const TNotifyEvent& v) override;
  // Whether the button's OnClick is the action's OnExecute.
  bool IsOnExecuteLinked() const;

 private:
  TCustomAction* Custom() const { return dynamic_cast<TCustomAction*>(Action()); }
  TnbButton* client_;
};

// Rectangles a button caches from its last layout, in bar client coordinates.
struct TnbButtonRects {
  TRect Button = kHiddenRect;
  TRect Image = kHiddenRect;
  TRect Label = kHiddenRect;
  TRect Focus = kHiddenRect;
  TRect Check = kHiddenRect;
  // Where the caption is drawn (before any press offset).
  TRect Text = kHiddenRect;
  void Hide() { *this = TnbButtonRects(); }
};

// How far past its rectangle a button's frame, shadow and text ink may reach.
constexpr int kButtonInkReach = 8;

// One command of a header: a large or small button, a label, or a check, push or radio box.
class TnbButton : public TnbBarItem {
  DECLARE_CLASS(TnbButton, TnbBarItem)
 public:
  explicit TnbButton(TCollection* collection);
  ~TnbButton() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  TnbButtons* Buttons() const;
  TnbHeader* Header() const;
  TnbSideBar* Bar() const;

  TBasicAction* Action() const { return link_ ? link_->Action() : nullptr; }
  void SetAction(TBasicAction* v);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { Update(autoSize_, v); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { Update(alignment_, v); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  int ButtonIndex() const { return Index(); }
  void SetButtonIndex(int v);
  // Moves the button; its header's selection stays on the button it named.
  void SetIndex(int index) override;
  TnbButtonKind ButtonKind() const { return buttonKind_; }
  void SetButtonKind(TnbButtonKind v) { Update(buttonKind_, v); }
  TnbButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TnbButtonStyle v) { Update(buttonStyle_, v); }
  TnbButtonView ButtonView() const { return buttonView_; }
  void SetButtonView(TnbButtonView v) { Update(buttonView_, v); }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  const String& Caption() const { return caption_; }
  void SetCaption(const String& v) { Update(caption_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v) { cursor_ = v; }
  TCheckBoxState CheckState() const { return checkState_; }
  void SetCheckState(TCheckBoxState v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { Update(enabled_, v); }
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* v);
  TFont* HighlightFont() const { return highlightFont_.get(); }
  void SetHighlightFont(TFont* v);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int v) { Update(helpContext_, v); }
  uint16_t Height() const { return height_; }
  void SetHeight(uint16_t v) { StoreSize(height_, v); }
  const String& Hint() const { return hint_; }
  void SetHint(const String& v) { Update(hint_, v); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { Update(imageIndex_, v); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { Update(margin_, v); }
  void SetName(const String& v);
  // The button forgets the menu when it is freed, in a bar or outside every bar.
  TComponent* PopupMenu() const { return popupMenu_.Get(); }
  void SetPopupMenu(TComponent* v) { popupMenu_.Set(v); }
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool v) { Update(showAccelChar_, v); }
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool v) { Update(parentBiDiMode_, v); }
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t v) { tag_ = v; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { Update(transparent_, v); }
  TnbButtonOptions Options() const { return options_; }
  void SetOptions(TnbButtonOptions v) { Update(options_, v); }
  const String& UserString() const { return userString_; }
  void SetUserString(const String& v) { userString_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  uint16_t Width() const { return width_; }
  void SetWidth(uint16_t v) { StoreSize(width_, v); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { Update(wordWrap_, v); }

  TNotifyEvent OnClick;
  TnbEventBeforeDrawCommandButton OnBeforeDrawButton;
  TnbEventDrawCommandButton OnDrawButton;
  TnbEventAfterDrawCommandButton OnAfterDrawButton;

  // Runs the command: OnClick, or the linked action (see Click in the .cpp).
  virtual void Click();
  // The view and style in force: the button's own with boCustomView / boCustomStyle, else
  // its header's settings'.
  TnbButtonView EffectiveView() const;
  TnbButtonStyle EffectiveStyle() const;
  bool IsFirstVisible() const;
  bool IsLastVisible() const;

  // State the bar keeps from the mouse and the alert.
  TnbButtonState State() const { return state_; }
  void SetState(TnbButtonState v) { state_ = v; }
  bool Down() const { return down_; }
  void SetDown(bool v) { down_ = v; }
  bool Alert() const { return alert_; }
  bool AlertPhase() const { return alertPhase_; }
  void SetAlert(bool on, bool phase) { alert_ = on; alertPhase_ = phase; }
  const TnbButtonRects& Rects() const { return rects_; }
  TnbButtonRects& Rects() { return rects_; }

  // Lays the button out with its top at rect.Top within rect's width and moves rect.Top
  // below it; with a `measure` canvas also places its check glyph and text.
  virtual void Layout(TCanvas* measure, TRect& rect);
  // Paints the button where the last layout put it, when it is visible and its bottom lies
  // above bottomLimit.
  virtual void PaintLaidOut(TCanvas* target, int bottomLimit);

 protected:

 private:
  friend class TnbButtonActionLink;
  void StoreSize(uint16_t& field, uint16_t v);
  void FontChanged(TObject*) { Notify(); }
  void ApplyAction(bool checkDefaults);
  const TnbBarSettings& Settings() const;
  // Layout and painting steps.
  TCustomImageList* ImageList(TnbButtonState s) const;
  bool HasImage(TCustomImageList* list) const;
  void LayoutBox(const TRect& rect);
  void LayoutLarge(const TRect& rect, TCustomImageList* list);
  void LayoutSmall(const TRect& rect, TCustomImageList* list);
  void LayoutLabel(TCanvas* measure, TnbButtonState s);
  TnbButtonState PaintState() const;
  const TFont* TextFont(TnbButtonState s) const;
  void Paint(TCanvas* target, TnbButtonState s);
  void DrawFrame(TCanvas* c, TnbButtonState s);
  void DrawXPFrame(TCanvas* c, TnbButtonState s);
  void DrawImage(TCanvas* c, TnbButtonState s, bool shadow);
  void DrawText(TCanvas* target, TnbButtonState s, bool pressOffset, bool underline);
  void DrawCheckGlyph(TCanvas* c);
  String DrawnCaption() const;
  UINT TextFlags() const;

  std::unique_ptr<TnbButtonActionLink> link_;
  bool autoSize_ = true;
  TAlignment alignment_ = taCenter;
  bool allowGrayed_ = false;
  TnbButtonKind buttonKind_ = bkButton;
  TnbButtonStyle buttonStyle_ = bsLarge;
  TnbButtonView buttonView_ = bvNormal;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool checked_ = false;
  String caption_;
  TColor color_ = clBtnFace;
  TCursor cursor_ = crDefault;
  TCheckBoxState checkState_ = cbUnchecked;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_, highlightFont_;
  int helpContext_ = 0;
  uint16_t height_ = 20;
  String hint_;
  int imageIndex_ = -1;
  int margin_ = 4;
  TWatchedComponent popupMenu_;
  bool showAccelChar_ = true;
  bool parentBiDiMode_ = true;
  intptr_t tag_ = 0;
  bool transparent_ = true;
  TnbButtonOptions options_{boAutoWidthLabel, boUnderlineFont};
  String userString_;
  bool visible_ = true;
  uint16_t width_ = 20;
  bool wordWrap_ = false;

  TnbButtonState state_ = hbsUp;
  bool down_ = false;
  bool alert_ = false;
  bool alertPhase_ = false;
  TnbButtonRects rects_;
};

// The buttons of one header.
class TnbButtons : public TOwnedCollection {
  DECLARE_CLASS(TnbButtons, TOwnedCollection)
 public:
  explicit TnbButtons(TnbHeader* header);
  TnbButton* Items(int index) const { return static_cast<TnbButton*>(TCollection::Items(index)); }
  TnbButton* Add() { return static_cast<TnbButton*>(TCollection::Add()); }
  TnbButton* Insert(int index) { return static_cast<TnbButton*>(TCollection::Insert(index)); }
  // Stops the bar's alert when it is on the button, then deletes it.
  void DeleteButton(int index);
  void DeleteButton(TnbButton* button);
  // Deletes from the last button to the first.
  void ClearButtons();
  TnbHeader* Header() const { return header_; }
  // The bar of the header, wherever the header went.
  TnbSideBar* Bar() const;
  // Names a new or incoming button ("nbButton<n>" when it has none or its own is taken here)
  // and ties it to the bar.
  void Adopt(TnbButton* button);

 protected:
  void Notify(TCollectionItem* item, TCollectionNotification action) override;

 private:
  TnbHeader* header_;
};
