#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/controls/edit.h"

class TCollectionItem;
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"
#include "sidebar/sidebar_types.h"

// The edit control shown over a header or button while it is renamed.
class TnbInplaceEdit : public TCustomEdit {
  DECLARE_CLASS(TnbInplaceEdit, TCustomEdit)
 public:
  using TCustomEdit::TCustomEdit;
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

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor v) { borderColor_ = v; }
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { flat_ = v; }
  bool ShowBorder() const { return showBorder_; }
  void SetShowBorder(bool v) { showBorder_ = v; }
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; }
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* v) { popupMenu_ = v; }

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
  TContextPopupEvent OnContextPopup;

 protected:
  virtual void Commit(bool cancel);
  // Shows the edit over `r` with `text`, focused.
  void Show(const TRect& r, const String& text);
  void Change() { OnChange.Call(this); }

 private:
  TnbSideBar* bar_;
  TAlignment alignment_ = taLeftJustify;
  TColor borderColor_ = clBtnShadow;
  bool flat_ = true;
  bool showBorder_ = true;
  std::unique_ptr<TFont> font_;
  bool wordWrap_ = true;
  TComponent* popupMenu_ = nullptr;
  TnbHeader* header_ = nullptr;
  TnbButton* button_ = nullptr;
  bool editing_ = false;
  TnbInplaceEdit* edit_;  // owned by the bar as a component
};
