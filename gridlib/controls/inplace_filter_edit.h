#pragma once

#include "platform/controls/combo_box.h"
#include "platform/core/variant.h"

// The codes of a filter editor's list items: values carry 0, commands their own code.
enum TFilterListCodeEx : int {
  flcValueEx = 0, flcEmptyEx = 1, flcNotEmptyEx = 2, flcAllEx = 3, flcClearFilterEx = 4,
  flcSeparatorEx = 5, flcOrderAscendingEx = 6, flcOrderDescendingEx = 7
};

// What a control hosting a filter editor does for it.
class IInplaceEditHolderEx {
 public:
  virtual ~IInplaceEditHolderEx() = default;
  // The list is about to drop down: fill it.
  virtual void FilterEditDropDown() = 0;
  // The user chose a command item of the list (code >= 1).
  virtual void FilterEditCommand(int code) = 0;
  // The list closed up with a value the user chose; it is the editor's text now.
  virtual void FilterEditValueChosen() = 0;
  // Enter: apply what the editor holds.
  virtual void FilterEditEnter() = 0;
  // A key the editor does not use itself (moving between cells, leaving the row); the
  // holder sets it to 0 when it used it.
  virtual void FilterEditKeyDown(uint16_t& key, TShiftState shift) = 0;
};

// The combo-box editor over a filter cell: a line of text with a list of values and commands
// that its holder fills when it drops down.
class TInplaceFilterEditEx : public TCustomComboBox {
  DECLARE_CLASS(TInplaceFilterEditEx, TCustomComboBox)
 public:
  explicit TInplaceFilterEditEx(TComponent* owner);
  void SetHolder(IInplaceEditHolderEx* holder) { holder_ = holder; }
  IInplaceEditHolderEx* Holder() const { return holder_; }
  // Adds an item with its code.
  void AddCode(const String& text, int code);
  // The code of list item `index`; flcValueEx for a value or no item.
  int ItemCode(int index) const;
  // Whether the list shows a button (when there is a list to show).
  bool ButtonVisible() const { return buttonVisible_; }
  void SetButtonVisible(bool value);
  // The list's size as the user left it, and its width in pixels.
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int value) { dropDownWidth_ = value; }
  // Caret and selection in characters.
  int SelStart() const;
  void SetSelection(int start, int length);
  // Chooses the whole text with the caret at its start, which the editor shows.
  void SelectAllFromStart();
  int TextLength() const;
  // The key value the text stands for; Null when the text is not a key's, as after typing.
  Variant Value() const { return value_; }
  void SetValue(const Variant& value) { value_ = value; }
  // Shows `text` as the text of the key value `key`.
  void ShowKeyValue(const Variant& key, const String& text);
  // Whether the list button is drawn flat (and as narrow as flat edit buttons are).
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TRect ButtonRect() override;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void DropDown() override;
  void CloseUp() override;
  void Select() override;
  void KeyPress(char16_t& key) override;
  void Change() override;
  bool PaintListItem(TCanvas* listCanvas, int index, TRect rect, TOwnerDrawState state) override;

 private:
  void EditKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
  void CMCancelMode(TMessage& m);
  // The width that shows every item of the list whole.
  int WidestItemWidth();

  IInplaceEditHolderEx* holder_ = nullptr;
  bool buttonVisible_ = false;
  int dropDownWidth_ = 0;
  bool enterChoseItem_ = false;
  // The list just closed up: a choice that follows at once is made from it.
  bool closingUp_ = false;
  Variant value_ = Variant::Null();
  bool flat_ = false;
};
