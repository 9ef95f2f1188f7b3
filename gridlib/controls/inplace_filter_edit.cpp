// The filter row's editor: typed text, its value list and the codes of list choices.
#include "gridlib/controls/inplace_filter_edit.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/controls/button_painting.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/system_metrics.h"

namespace {

// Room the list leaves either side of an item's text.
constexpr int kListTextMargin = 2;

}  // namespace

TInplaceFilterEditEx::TInplaceFilterEditEx(TComponent* owner) : TCustomComboBox(owner) {
  SetStyle(csDropDown);
  SetAutoComplete(false);
  SetTabStop(false);
  // The text lies on the editor's own colour, the filter cell's.
  EditControl()->SetParentColor(true);
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
  PlaceParts();
  Invalidate();
}

void TInplaceFilterEditEx::SetFlat(bool value) {
  flat_ = value;
  PlaceParts();
  Invalidate();
}

TRect TInplaceFilterEditEx::ButtonRect() {
  const TRect client = ClientRect();
  if (!buttonVisible_) return Rect(client.Right, client.Top, client.Right, client.Bottom);
  if (!flat_) return TCustomComboBox::ButtonRect();
  return Rect(std::max(client.Left, client.Right - FlatButtonWidth()), client.Top, client.Right, client.Bottom);
}

void TInplaceFilterEditEx::ShowKeyValue(const Variant& key, const String& text) {
  SetText(text);
  value_ = key;
}

// The editor fills its cell: the grid's lines are its frame.
void TInplaceFilterEditEx::CreateParams(TCreateParams& params) {
  TCustomComboBox::CreateParams(params);
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

// The button is an edit button like the grid's own, shown only when there is a list.
void TInplaceFilterEditEx::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  if (!buttonVisible_) return;
  PaintButtonControlEx(Canvas()->Handle(), ButtonRect(), clBtnFace, bdsDropDownEx, Enabled(), flat_, DroppedDown(), 0);
}

int TInplaceFilterEditEx::SelStart() const { return EditControl()->SelStart(); }

void TInplaceFilterEditEx::SetSelection(int start, int length) {
  EditControl()->SetSelStart(start);
  EditControl()->SetSelLength(length);
}

void TInplaceFilterEditEx::SelectAllFromStart() { EditControl()->Perform(EM_SETSEL, TextLength(), 0); }

int TInplaceFilterEditEx::TextLength() const { return CharLength(EditControl()->Text()); }

// The list is filled afresh each time it drops, so it never shows what it held before, and is
// as wide as its widest item.
void TInplaceFilterEditEx::DropDown() {
  closingUp_ = false;
  Items()->Clear();
  if (holder_ != nullptr && buttonVisible_) holder_->FilterEditDropDown();
  SetDroppedWidth(std::max(dropDownWidth_, WidestItemWidth()));
  TCustomComboBox::DropDown();
}

int TInplaceFilterEditEx::WidestItemWidth() {
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(ListBox()->Font());
  int widest = 0;
  for (int i = 0; i < Items()->Count(); ++i) widest = std::max(widest, measure.Canvas()->TextWidth(Items()->Strings(i)));
  // The list's margins either side of the text and its border, and its scroll bar when the
  // items are more than the rows it shows.
  const int scrollBar = Items()->Count() > DropDownCount() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  return widest + 2 * kListTextMargin + 2 + scrollBar;
}

void TInplaceFilterEditEx::CloseUp() {
  closingUp_ = true;
  TCustomComboBox::CloseUp();
}

// A value goes into the text as chosen; a command acts instead, and only when the list closed
// up with it chosen.
void TInplaceFilterEditEx::Select() {
  const bool fromList = std::exchange(closingUp_, false);
  const int code = ItemCode(ItemIndex());
  if (code != flcValueEx && holder_ != nullptr) {
    SetItemIndex(-1);
    if (fromList && code != flcSeparatorEx) holder_->FilterEditCommand(code);
    return;
  }
  TCustomComboBox::Select();
  if (fromList && holder_ != nullptr) holder_->FilterEditValueChosen();
}

// The separator item is a line between the values and commands above it and the sort commands.
bool TInplaceFilterEditEx::PaintListItem(TCanvas* listCanvas, int index, TRect rect, TOwnerDrawState state) {
  if (ItemCode(index) != flcSeparatorEx) return TCustomComboBox::PaintListItem(listCanvas, index, rect, state);
  listCanvas->Brush()->SetStyle(bsSolid);
  listCanvas->Brush()->SetColor(ListBox()->Color());
  listCanvas->FillRect(rect);
  listCanvas->Pen()->SetColor(clBtnShadow);
  const int middle = (rect.Top + rect.Bottom) / 2;
  listCanvas->MoveTo(rect.Left + kListTextMargin, middle);
  listCanvas->LineTo(rect.Right - kListTextMargin, middle);
  return true;
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
  value_ = Variant::Null();
  TCustomComboBox::Change();
  TWinControl* parent = Parent();
  if (!HandleAllocated() || parent == nullptr || !parent->HandleAllocated()) return;
  SendMessage(parent->Handle(), WM_COMMAND, MakeWParam(0, EN_CHANGE), reinterpret_cast<LPARAM>(Handle()));
}

void TInplaceFilterEditEx::EditKeyDown(TObject*, uint16_t& key, TShiftState shift) {
  if (DroppedDown()) {
    enterChoseItem_ = key == VK_RETURN;
    return;
  }
  // A key with the list closed chooses nothing from it.
  closingUp_ = false;
  const bool dropKey = key == VK_F4 || (shift.Contains(ssAlt) && (key == VK_DOWN || key == VK_UP));
  // Without a list there is nothing to drop.
  if (dropKey && !buttonVisible_) key = 0;
  else if (holder_ != nullptr) holder_->FilterEditKeyDown(key, shift);
  // The keys that move through a list would pick items of the list shown last: with the list
  // closed they choose nothing.
  const bool listMove = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
  if (listMove && !dropKey) key = 0;
}
