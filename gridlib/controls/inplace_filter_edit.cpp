#include "gridlib/controls/inplace_filter_edit.h"

#include <cstdint>
#include <utility>

TInplaceFilterEditEx::TInplaceFilterEditEx(TComponent* owner) : TCustomComboBox(owner) {
  SetStyle(csDropDown);
  SetAutoComplete(false);
  SetTabStop(false);
  EditControl()->OnKeyDown.Bind(this, "EditKeyDown", [this](TObject* sender, uint16_t& key, TShiftState shift) {
    EditKeyDown(sender, key, shift);
  });
}

const TMessageMap& TInplaceFilterEditEx::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomComboBox::ClassMessages());
    m.On(CM_CANCELMODE, &TInplaceFilterEditEx::CMCancelMode);
    return m;
  }();
  return map;
}

// A press elsewhere closes the list without choosing; LParam is the control pressed.
void TInplaceFilterEditEx::CMCancelMode(TMessage& m) {
  const auto* sender = reinterpret_cast<const TControl*>(m.LParam);
  if (sender != this && sender != EditControl()) SetDroppedDown(false);
}

void TInplaceFilterEditEx::AddCode(const String& text, int code) {
  AddItem(text, reinterpret_cast<TObject*>(static_cast<intptr_t>(code)));
}

int TInplaceFilterEditEx::ItemCode(int index) const {
  if (index < 0 || index >= Items()->Count()) return flcValueEx;
  return static_cast<int>(reinterpret_cast<intptr_t>(Items()->Objects(index)));
}

void TInplaceFilterEditEx::SetButtonVisible(bool value) {
  buttonVisible_ = value;
  Invalidate();
}

int TInplaceFilterEditEx::SelStart() const { return EditControl()->SelStart(); }

void TInplaceFilterEditEx::SetSelection(int start, int length) {
  EditControl()->SetSelStart(start);
  EditControl()->SetSelLength(length);
}

int TInplaceFilterEditEx::TextLength() const { return CharLength(EditControl()->Text()); }

// The list is filled afresh each time it drops, so it never shows what it held before.
void TInplaceFilterEditEx::DropDown() {
  Items()->Clear();
  if (holder_ != nullptr && buttonVisible_) holder_->FilterEditDropDown();
  TCustomComboBox::DropDown();
}

// A value goes into the text as chosen; a command acts instead.
void TInplaceFilterEditEx::Select() {
  const int code = ItemCode(ItemIndex());
  if (code != flcValueEx && holder_ != nullptr) {
    const int chosen = ItemIndex();
    SetItemIndex(-1);
    if (ItemCode(chosen) != flcSeparatorEx) holder_->FilterEditCommand(code);
    return;
  }
  TCustomComboBox::Select();
}

void TInplaceFilterEditEx::KeyPress(char16_t& key) {
  if (key == u'\r') {
    key = 0;
    // The Enter that chose from the list has done its work.
    if (!std::exchange(enterChoseItem_, false) && holder_ != nullptr) holder_->FilterEditEnter();
    return;
  }
  TCustomComboBox::KeyPress(key);
}

// Like an edit, the editor tells its parent window of a text the user changed.
void TInplaceFilterEditEx::Change() {
  TCustomComboBox::Change();
  TWinControl* parent = Parent();
  if (!HandleAllocated() || parent == nullptr || !parent->HandleAllocated()) return;
  SendMessage(parent->Handle(), WM_COMMAND, MakeWParam(0, EN_CHANGE), reinterpret_cast<LPARAM>(Handle()));
}

void TInplaceFilterEditEx::EditKeyDown(TObject*, uint16_t& key, TShiftState shift) {
  if (DroppedDown()) enterChoseItem_ = key == VK_RETURN;
  else if (holder_ != nullptr) holder_->FilterEditKeyDown(key, shift);
}
