#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/controls/memo.h"

class TCollectionItem;
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"
#include "sidebar/sidebar_types.h"

class TCanvas;

// The edit control shown over a header or button while it is renamed: several lines, wrapped
// at its width, so a long caption shows whole. It draws its own frame: a line in BorderColor
// when flat, none when flat without a border, sunken otherwise.
class TnbInplaceEdit : public TCustomMemo {
  DECLARE_CLASS(TnbInplaceEdit, TCustomMemo)
 public:
  explicit TnbInplaceEdit(TComponent* owner);
  static void Publish();
  void Assign(TPersistent* source) override;

  bool Activate() const { return activate_; }
  void SetActivate(bool v) { activate_ = v; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor v);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool ShowBorder() const { return showBorder_; }
  void SetShowBorder(bool v);
  void SetFont(TFont* v);

  // Draws the frame over (0, 0, Width, Height) of `canvas`, erasing the previous one first.
  void DrawFrame(TCanvas* canvas);
  // The frame styles 0 to 9 drawn on `r`; the edit itself uses three of them.
  static constexpr int kLineFrame = 1, kInvisibleFrame = 3, kSunkenFrame = 6;
  void DrawEdgeStyle(TCanvas* canvas, TRect r, int style);

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;

 private:
  void RedrawFrame();
  void DrawRaisedWindowFrame(TCanvas* canvas, TRect r);
  void Inherited(TMessage& m);
  void WMNCPaint(TMessage& m);
  void RedrawAfter(TMessage& m);
  void HoverChanged(TMessage& m);

  bool activate_ = false;
  TColor borderColor_ = clBtnShadow;
  bool flat_ = true;
  bool showBorder_ = true;
};

// Renames a header or a button in place: an edit starts on an item with its caption, Enter or
// leaving writes the text back as the item's Caption, Escape drops it. The look of the edit
// is published here so it is stored with the bar.
class TnbInplaceEditor : public TPersistent {
  DECLARE_CLASS(TnbInplaceEditor, TPersistent)
 public:
  explicit TnbInplaceEditor(TnbSideBar* bar);
  ~TnbInplaceEditor() override;
  static void Publish();
  void Assign(TPersistent* source) override;

  // The look belongs to the edit; the editor publishes it so it is stored with the bar.
  TAlignment Alignment() const { return edit_->Alignment(); }
  void SetAlignment(TAlignment v) { edit_->SetAlignment(v); }
  TColor BorderColor() const { return edit_->BorderColor(); }
  void SetBorderColor(TColor v) { edit_->SetBorderColor(v); }
  bool Flat() const { return edit_->Flat(); }
  void SetFlat(bool v) { edit_->SetFlat(v); }
  bool ShowBorder() const { return edit_->ShowBorder(); }
  void SetShowBorder(bool v) { edit_->SetShowBorder(v); }
  TFont* Font() const { return edit_->Font(); }
  void SetFont(TFont* v) { edit_->SetFont(v); }
  bool WordWrap() const { return edit_->WordWrap(); }
  void SetWordWrap(bool v) { edit_->SetWordWrap(v); }
  TComponent* PopupMenu() const { return edit_->PopupMenu(); }
  void SetPopupMenu(TComponent* v) { edit_->SetPopupMenu(v); }

  // Starts renaming a header or a button; refused (false) for a read-only caption.
  bool BeginEdit(TnbHeader* header);
  bool BeginEdit(TnbButton* button);
  bool Editing() const { return editing_; }
  String Text() const { return edit_->Text(); }
  void SetText(const String& v) { edit_->SetText(v); }
  TnbInplaceEdit* Edit() const { return edit_; }
  // Ends the edit, writing the text back unless cancel.
  void EndEdit(bool cancel);
  // Enter (13) commits and Escape (27) cancels, only without modifier keys; both set key 0.
  void KeyDown(uint16_t& key, TShiftState shift);
  // The item being renamed goes away.
  void Forget(TCollectionItem* item);

  TNotifyEvent OnChange;

 protected:
  virtual void Commit(bool cancel);
  // Shows the edit over `r` with `text`, focused.
  void Show(const TRect& r, const String& text);
  void Change() { OnChange.Call(this); }

 private:
  TnbSideBar* bar_;
  TnbHeader* header_ = nullptr;
  TnbButton* button_ = nullptr;
  bool editing_ = false;
  TnbInplaceEdit* edit_;  // owned by the bar as a component
};
