#pragma once

#include <memory>

#include "platform/classes/collection.h"
#include "platform/controls/watched_component.h"
#include "sidebar/background.h"
#include "sidebar/bar_settings.h"
#include "sidebar/buttons.h"
#include "sidebar/look_classes.h"

class TBitmap;

// A group of buttons with a caption. Created inside a bar's Headers it owns its buttons; the
// close bar's header lives outside any collection and has none.
class TnbHeader : public TnbBarItem {
  DECLARE_CLASS(TnbHeader, TnbBarItem)
 public:
  explicit TnbHeader(TCollection* collection);
  // A header outside any collection, with `bar` as its back reference (the close bar's).
  explicit TnbHeader(TnbSideBar* bar);
  ~TnbHeader() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  TnbSideBar* Bar() const;
  TnbButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(TnbButtons* v);
  int ButtonCount() const;
  // The button at index, or nil outside 0..count-1 or without buttons.
  TnbButton* GetButton(int index) const;
  TnbButton* FirstVisibleButton() const;
  TnbButton* LastVisibleButton() const;

  bool AllowSelected() const { return allowSelected_; }
  void SetAllowSelected(bool v);
  TnbBackground* Background() const { return background_.get(); }
  void SetBackground(TnbBackground* v) { background_->Assign(v); }
  TnbGlyph* Glyph() const { return glyph_.get(); }
  void SetGlyph(TnbGlyph* v) { glyph_->Assign(v); }
  TnbButtonImages* Images() const { return images_.get(); }
  void SetImages(TnbButtonImages* v) { images_->Assign(v); }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode v) { Update(biDiMode_, v); }
  const String& Caption() const { return caption_; }
  void SetCaption(const String& v) { Update(caption_, v); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { Update(enabled_, v); }
  uint16_t FirstButtonTop() const { return firstButtonTop_; }
  void SetFirstButtonTop(uint16_t v) { Update(firstButtonTop_, v); }
  int HeaderIndex() const { return Index(); }
  void SetHeaderIndex(int v);
  TnbHeaderState HeaderState() const { return headerState_; }
  void SetHeaderState(TnbHeaderState v);
  TnbBarSettings* Settings() const { return settings_.get(); }
  void SetSettings(TnbBarSettings* v) { settings_->Assign(v); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { Update(imageIndex_, v); }
  uint16_t Margin() const { return margin_; }
  void SetMargin(uint16_t v) { Update(margin_, v); }
  void SetName(const String& v);
  TnbHeaderOptions Options() const { return options_; }
  void SetOptions(TnbHeaderOptions v) { Update(options_, v); }
  bool Opened() const { return headerState_ == hsOpened; }
  void SetOpened(bool v) { SetHeaderState(v ? hsOpened : hsClosed); }
  // The header forgets the menu when it is freed, in a bar or outside every bar.
  TComponent* PopupMenu() const { return popupMenu_.Get(); }
  void SetPopupMenu(TComponent* v) { popupMenu_.Set(v); }
  // Ties the header to `bar`, or to no bar when nil: changes of the header, its look objects and
  // its buttons reach that bar's repaint, and that bar hears of the end of its image lists.
  void ReportTo(TnbSideBar* bar);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t v) { tag_ = v; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { Update(transparent_, v); }
  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int v);
  // The selection follows its button: to `index` after a move; past a button at `index` that
  // leaves the header (none when it was the selected one).
  void SelectionMoved(int index) { selectedIndex_ = index; }
  void ButtonLeaving(int index);
  uint16_t Spacing() const { return spacing_; }
  void SetSpacing(uint16_t v) { Update(spacing_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  TNotifyEvent OnChange;
  TnbEventCheckScroll OnCheckScroll;
  TnbEventDrawHeader OnDrawHeaderButton, OnDrawHeaderBody, OnAfterDrawHeaderButton,
      OnAfterDrawHeaderBody;
  TnbEventDrawStatusButton OnDrawStatusButton;
  // Also hands the handler to the header's look objects.
  void SetOnChangeParameter(const TNotifyEvent& handler);

  // The settings in force: the bar's when it has CommonStyle and the header no
  // hoCustomSettings, else the header's own.
  TnbBarSettings* EffectiveSettings() const;
  int CaptionHeight() const;
  int ExplorerAddOn() const;
  // The bar's Enabled and the header's.
  bool EffectiveEnabled() const;

  // The list of buttons scrolls by whole buttons from the first visible index.
  int FirstVisibleIndex() const { return firstVisible_; }
  void SetFirstVisibleIndex(int v);
  int LastFullyVisibleIndex() const { return lastFullyVisible_; }
  bool CanStepUp() const { return firstVisible_ > 0; }
  bool CanStepDown() const { return ButtonCount() - 1 > lastFullyVisible_; }
  void StepUp();
  void StepDown();

  // Layout state the bar's layout pass writes and its painting and hit tests read.
  const TRect& CaptionRect() const { return captionRect_; }
  void SetCaptionRect(const TRect& r) { captionRect_ = r; }
  const TRect& BodyRect() const { return bodyRect_; }
  void SetBodyRect(const TRect& r) { bodyRect_ = r; }
  // Where the caption's text is drawn; kHiddenRect when it shows none.
  const TRect& CaptionTextRect() const { return captionLayout_.Text; }
  TRect& MutableCaptionRect() { return captionRect_; }
  TRect& MutableBodyRect() { return bodyRect_; }
  TnbButtonState CaptionState() const { return captionState_; }
  void SetCaptionState(TnbButtonState v) { captionState_ = v; }
  void ForgetLayout();

  // Layout (header_layout.cpp): the caption at `rect`, its image, text and status arrow
  // measured with `measure`.
  void LayoutCaption(TCanvas* measure, const TRect& rect);
  // The buttons inside `body`, their labels measured with `measure`.
  void LayoutButtons(TCanvas* measure, const TRect& body);
  // One placement from the first visible index; true when a button ran past the body.
  bool PlaceButtons(TCanvas* measure, const TRect& body);
  // Parks every button where no hit test finds it (the body is not shown).
  void HideButtons();
  // Height the body needs to show every visible button (explorer view).
  int BodyHeight(int width);

  // Painting (header_painting.cpp), of what the layout placed.
  void PaintCaption(TCanvas* target);
  void PaintBody(TCanvas* target, const TRect& rect);
  void DrawStatusButton(TCanvas* canvas, const TRect& rect);

  void BeginUpdate();
  void EndUpdate();

 protected:

 private:
  void CreateLookObjects(TComponent* imagesOwner);
  // Where the parts of the caption go, from the last layout.
  struct CaptionLayout {
    TCustomImageList* List = nullptr;
    TPoint Image{};
    TRect Text = kHiddenRect;
    TRect Status = kHiddenRect;
    TPoint Press{};
    UINT TextFlags = 0;
    TFont* Font = nullptr;
  };
  TCustomImageList* CaptionImageList(TnbButtonState s) const;
  void LayoutCaptionContents(TCanvas* measure, const TRect& client);
  bool RightToLeftAlignment() const;
  void DrawCaptionBackground(TCanvas* target, const TRect& r, TnbButtonState s);
  void DrawCaptionContents(TCanvas* target);
  void DrawBodyFrame(TCanvas* canvas, TRect r);
  bool ShowsStatusButton(int w, int h) const;

  TnbSideBar* bar_ = nullptr;  // the close bar's header only
  std::unique_ptr<TnbButtons> buttons_;
  bool allowSelected_ = false;
  std::unique_ptr<TnbBackground> background_;
  std::unique_ptr<TnbGlyph> glyph_;
  std::unique_ptr<TnbButtonImages> images_;
  std::unique_ptr<TnbBarSettings> settings_;
  std::unique_ptr<TBitmap> workBitmap_;
  TBiDiMode biDiMode_ = bdLeftToRight;
  String caption_;
  bool enabled_ = true;
  uint16_t firstButtonTop_ = 10;
  TnbHeaderState headerState_ = hsOpened;
  int imageIndex_ = -1;
  uint16_t margin_ = 4;
  TnbHeaderOptions options_{hoButtonDown,        hoDrawCaptionBorder, hoDrawDisabledButton,
                            hoDrawDownButton,    hoDrawFocusedButton, hoShowStatusButton,
                            hoUseHighlightFont};
  TWatchedComponent popupMenu_;
  intptr_t tag_ = 0;
  bool transparent_ = false;
  int selectedIndex_ = -1;
  uint16_t spacing_ = 2;
  bool visible_ = true;

  int firstVisible_ = 0;
  int lastFullyVisible_ = -1;
  TRect captionRect_ = kHiddenRect;
  TRect bodyRect_ = kHiddenRect;
  CaptionLayout captionLayout_;
  TnbButtonState captionState_ = hbsUp;
};

// The headers of a bar.
class TnbHeaders : public TOwnedCollection {
  DECLARE_CLASS(TnbHeaders, TOwnedCollection)
 public:
  explicit TnbHeaders(TnbSideBar* bar);
  TnbHeader* Items(int index) const { return static_cast<TnbHeader*>(TCollection::Items(index)); }
  TnbHeader* GetItem(int index) const { return Items(index); }
  TnbHeader* Add() { return static_cast<TnbHeader*>(TCollection::Add()); }
  TnbSideBar* Bar() const { return bar_; }
  // Names a new or incoming header and ties it to the bar: its repaint handler, what it
  // points at, and one selection at most.
  void Adopt(TnbHeader* header);

 protected:
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem* item, TCollectionNotification action) override;

 private:
  bool AnotherSelects(const TnbHeader* header) const;
  TnbSideBar* bar_;
};
