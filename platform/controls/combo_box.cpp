// The standard combo box: its edit, its drop-down list and choosing.
#include "platform/controls/combo_box.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/focus.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/system_metrics.h"

TComboEdit::TComboEdit(TComponent* owner, TCustomComboBox* combo) : TCustomEdit(owner), combo_(combo) {
  SetBorderStyle(bsNone);
}

void TComboEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomEdit::KeyDown(key, shift);
  if (key != 0 && combo_->ListKey(key, shift)) key = 0;
}

void TComboEdit::KeyPress(char16_t& key) {
  combo_->KeyPress(key);
  if (key != 0) TCustomEdit::KeyPress(key);
}

void TComboEdit::Change() {
  TCustomEdit::Change();
  combo_->EditChanged();
}

TComboListBox::TComboListBox(TComponent* owner, TCustomComboBox* combo) : TCustomListBox(owner), combo_(combo) {
  SetVisible(false);
  SetTabStop(false);
}

void TComboListBox::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  if (!IsPopup()) return;
  params.Style |= WS_BORDER;
  params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TComboListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (!combo_->PaintListItem(Canvas(), index, rect, state)) TCustomListBox::DrawItem(index, rect, state);
}

void TComboListBox::MeasureItem(int index, int& height) { combo_->MeasureItem(index, height); }

void TComboListBox::SelectionChangedByUser() { combo_->Chosen(); }

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csSetCaption, csDoubleClicks, csFixedHeight, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  list_ = new TComboListBox(this, this);
  ApplyStyle();
  SetBounds(0, 0, 145, EditHeight());
}

TCustomComboBox::~TCustomComboBox() {
  Destroying();
  dropped_ = false;
  delete list_;
  list_ = nullptr;
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

int TCustomComboBox::ItemHeight() { return list_->ItemHeight(); }

int TCustomComboBox::EditHeight() {
  int item = style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable ? list_->ItemHeight() : ItemHeight();
  return item + 8;
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  if (style_ != csSimple) height = EditHeight();
  TCustomControl::SetBounds(left, top, width, height);
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
  if (style_ == v) return;
  String text = GetText();
  SetDroppedDown(false);
  style_ = v;
  ApplyStyle();
  if (HasEdit()) SetEditText(text);
  SetBounds(Left(), Top(), Width(), v == csSimple ? std::max(Height(), EditHeight() * 4) : EditHeight());
  Invalidate();
}

void TCustomComboBox::ApplyStyle() {
  if (HasEdit() && !edit_) {
    edit_ = new TComboEdit(this, this);
    edit_->SetMaxLength(maxLength_);
    edit_->SetParent(this);
  } else if (!HasEdit() && edit_) {
    delete edit_;
    edit_ = nullptr;
  }
  list_->SetStyle(style_ == csOwnerDrawFixed ? lbOwnerDrawFixed : style_ == csOwnerDrawVariable ? lbOwnerDrawVariable : lbStandard);
  if (style_ == csSimple) {
    list_->SetParent(this);
    list_->SetBorderStyle(bsSingle);
    list_->SetVisible(true);
  } else {
    list_->SetVisible(false);
    list_->SetParent(nullptr);
    list_->SetBorderStyle(bsNone);
  }
  PlaceParts();
}

TRect TCustomComboBox::ButtonRect() {
  TRect c = ClientRect();
  if (style_ == csSimple) return {};
  return Rect(std::max(c.Left, c.Right - GetSystemMetrics(SM_CXVSCROLL)), c.Top, c.Right, c.Bottom);
}

TRect TCustomComboBox::ItemRect() {
  TRect c = ClientRect();
  if (style_ == csSimple) return Rect(c.Left, c.Top, c.Right, std::min(c.Bottom, EditHeight() - 4));
  return Rect(c.Left, c.Top, ButtonRect().Left, c.Bottom);
}

void TCustomComboBox::PlaceParts() {
  TRect item = ItemRect();
  if (edit_) edit_->SetBounds(item.Left + 1, item.Top + 1, std::max(item.Width() - 2, 0), std::max(item.Height() - 2, 0));
  if (style_ == csSimple) {
    TRect c = ClientRect();
    list_->SetBounds(c.Left, item.Bottom, c.Width(), std::max(c.Bottom - item.Bottom, 0));
  }
}

void TCustomComboBox::Resize() {
  PlaceParts();
  TCustomControl::Resize();
}

void TCustomComboBox::SetMaxLength(int v) {
  maxLength_ = std::max(0, v);
  if (edit_) edit_->SetMaxLength(maxLength_);
}

String TCustomComboBox::GetText() {
  if (edit_) return edit_->Text();
  int index = ItemIndex();
  return index >= 0 ? Items()->Strings(index) : String();
}

void TCustomComboBox::SetTextValue(const String& v) {
  if (edit_) {
    SetEditText(v);
    list_->SetItemIndex(Items()->IndexOf(v));
    return;
  }
  // A combo box without an edit shows only its items: the text chooses the item.
  int index = Items()->IndexOf(v);
  if (index >= 0 || v.empty()) list_->SetItemIndex(index);
  Invalidate();
}

void TCustomComboBox::SetItemIndex(int v) {
  list_->SetItemIndex(v);
  if (edit_) SetEditText(ItemIndex() >= 0 ? Items()->Strings(ItemIndex()) : String());
  Invalidate();
}

void TCustomComboBox::Clear() {
  SetDroppedDown(false);
  list_->Clear();
  if (edit_) SetEditText("");
  Invalidate();
}

void TCustomComboBox::SetFocus() {
  if (edit_) edit_->SetFocus();
  else TCustomControl::SetFocus();
}

bool TCustomComboBox::Focused() { return TWinControl::Focused() || (edit_ && edit_->Focused()); }

void TCustomComboBox::DoExit() {
  SetDroppedDown(false);
  TCustomControl::DoExit();
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
  else Change();
}

// The user chose an item (from the list, by keys, or by typing its start).
void TCustomComboBox::ChooseByUser(int index) {
  if (index == ItemIndex() || index < 0 || index >= Items()->Count()) return;
  list_->SetItemIndex(index);
  Chosen();
}

void TCustomComboBox::Chosen() {
  if (edit_ && ItemIndex() >= 0) {
    SetEditText(Items()->Strings(ItemIndex()));
    edit_->SelectAll();
  }
  Invalidate();
  Click();
  Select();
}

void TCustomComboBox::SetEditText(const String& v) {
  ++settingEditText_;
  struct TDone {
    int& count;
    ~TDone() { --count; }
  } done{settingEditText_};
  edit_->SetText(v);
}

void TCustomComboBox::EditChanged() {
  if (settingEditText_ > 0) return;
  // Typed text chooses the item it names exactly, or none.
  list_->SetItemIndex(Items()->IndexOf(edit_->Text()));
  Change();
}

void TCustomComboBox::PlaceDropDown() {
  int rows = std::clamp(Items()->Count(), 1, dropDownCount_);
  int height = 2;
  for (int i = 0; i < rows; ++i) height += i < Items()->Count() && style_ == csOwnerDrawVariable ? list_->ItemRect(i).Height() : list_->ItemHeight();
  TRect r;
  GetWindowRect(Handle(), r);
  const TRect work = WorkArea();
  const int width = std::max(r.Width(), droppedWidth_);
  // A list wider than the combo box stays on the screen, moving left as far as it must.
  const int left = std::max(work.Left, std::min(r.Left, work.Right - width));
  int top = r.Bottom + height > work.Bottom ? r.Top - height : r.Bottom;
  list_->SetBounds(left, top, width, height);
}

void TCustomComboBox::SetDroppedDown(bool v) {
  if (v == dropped_) return;
  if (!v) return CloseUpAndChoose(false);
  if (style_ == csSimple || !Enabled()) return;
  DropDown();
  indexBeforeDrop_ = ItemIndex();
  list_->SetTopIndex(0);
  PlaceDropDown();
  dropped_ = true;
  list_->Show();
  list_->SetItemIndex(indexBeforeDrop_);
  TakeCapture();
  Invalidate();
}

void TCustomComboBox::TakeCapture() {
  if (dropped_ && HandleAllocated()) SetCapture(Handle());
}

void TCustomComboBox::CloseUpAndChoose(bool accept) {
  if (!dropped_) return;
  dropped_ = false;
  int chosen = ItemIndex();
  list_->Hide();
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  list_->SetItemIndex(indexBeforeDrop_);
  Invalidate();
  CloseUp();
  if (accept && chosen >= 0 && chosen != indexBeforeDrop_) ChooseByUser(chosen);
}

bool TCustomComboBox::PaintListItem(TCanvas* listCanvas, int index, TRect rect, TOwnerDrawState state) {
  if (!OwnerDraw() || !OnDrawItem) return false;
  TCanvasPaintScope scope(Canvas(), listCanvas->Handle(), controlState_);
  Canvas()->Font()->Assign(listCanvas->Font());
  Canvas()->Brush()->Assign(listCanvas->Brush());
  DrawItem(index, rect, state);
  return true;
}

void TCustomComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OwnerDraw() && OnDrawItem) return OnDrawItem(this, index, rect, state);
  Canvas()->FillRect(rect);
  if (index < 0 || index >= Items()->Count()) return;
  rect.Left += 2;
  Canvas()->Brush()->SetStyle(bsClear);
  DrawText(Canvas()->Handle(), Items()->Strings(index), rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomComboBox::PaintFace() {
  TRect r = ItemRect();
  InflateRect(r, -1, -1);
  bool chosenLook = Focused() && !dropped_;
  TOwnerDrawState state{odComboBoxEdit};
  if (chosenLook) state += TOwnerDrawState{odSelected, odFocused};
  if (!Enabled()) state.Include(odDisabled);
  Canvas()->Font()->Assign(Font());
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(chosenLook ? clHighlight : Color());
  if (chosenLook) Canvas()->Font()->SetColor(clHighlightText);
  if (!Enabled()) Canvas()->Font()->SetColor(clGrayText);
  DrawItem(ItemIndex(), r, state);
  if (chosenLook) Canvas()->DrawFocusRect(r);
}

void TCustomComboBox::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  if (!edit_) PaintFace();
  if (style_ == csSimple) return;
  TRect button = ButtonRect();
  UINT state = DFCS_SCROLLCOMBOBOX | (dropped_ ? UINT{DFCS_PUSHED | DFCS_FLAT} : 0u) | (Enabled() ? 0u : UINT{DFCS_INACTIVE});
  DrawFrameControl(Canvas()->Handle(), button, DFC_SCROLL, state);
}

bool GetComboBoxInfo(HWND combo, COMBOBOXINFO& info) {
  auto* box = dynamic_cast<TCustomComboBox*>(FindControl(combo));
  if (!box) return false;
  info.rcItem = box->ItemRect();
  info.rcButton = box->ButtonRect();
  info.stateButton = box->Style() == csSimple ? STATE_SYSTEM_INVISIBLE : box->DroppedDown() ? STATE_SYSTEM_PRESSED : 0;
  info.hwndCombo = combo;
  info.hwndItem = box->EditControl() ? box->EditControl()->Handle() : combo;
  info.hwndList = box->ListBox()->Handle();
  return true;
}

void TCustomComboBox::Publish() {
  TPublisher<TCustomComboBox> p;
  p.Redeclare("Color").Default(clWindow);
  p.Redeclare("TabStop").Default(true);
  p.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown);
  p.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
  p.Property("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
  p.Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false);
  p.Property("AutoComplete", &TCustomComboBox::AutoComplete, &TCustomComboBox::SetAutoComplete).Default(true);
  p.Event("OnChange", &TCustomComboBox::OnChange);
  p.Event("OnSelect", &TCustomComboBox::OnSelect);
  p.Event("OnDropDown", &TCustomComboBox::OnDropDown);
  p.Event("OnCloseUp", &TCustomComboBox::OnCloseUp);
  p.Event("OnDrawItem", &TCustomComboBox::OnDrawItem);
  p.Event("OnMeasureItem", &TCustomComboBox::OnMeasureItem);
}
