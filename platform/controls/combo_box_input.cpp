// How a combo box answers keys, the mouse (its list drops down with the mouse captured) and
// the CB_* messages.
#include <algorithm>

#include "platform/controls/combo_box.h"
#include "platform/controls/watched_component.h"
#include "platform/core/utf8_codec.h"
#include "platform/windows/focus.h"
#include "platform/windows/scroll_bars.h"

const TMessageMap& TCustomComboBox::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_LBUTTONDOWN, &TCustomComboBox::WMLButtonDown);
    m.On(WM_LBUTTONDBLCLK, &TCustomComboBox::WMLButtonDblClk);
    m.On(WM_MOUSEMOVE, &TCustomComboBox::WMMouseMoveCombo);
    m.On(WM_LBUTTONUP, &TCustomComboBox::WMLButtonUp);
    m.On(WM_MOUSEWHEEL, &TCustomComboBox::WMMouseWheelCombo);
    m.On(WM_CAPTURECHANGED, &TCustomComboBox::WMCaptureChangedCombo);
    m.On(WM_CANCELMODE, &TCustomComboBox::WMCancelModeCombo);
    m.On(WM_GETDLGCODE, &TCustomComboBox::WMGetDlgCode);
    m.On(WM_SETFOCUS, &TCustomComboBox::WMFocusChangedCombo);
    m.On(WM_KILLFOCUS, &TCustomComboBox::WMFocusChangedCombo);
    m.On(CM_FONTCHANGED, &TCustomComboBox::CMFontChangedCombo);
    for (UINT msg = CB_GETEDITSEL; msg <= CB_FINDSTRINGEXACT; ++msg) m.On(msg, &TCustomComboBox::CBMessage);
    return m;
  }();
  return map;
}

// The dropped list shows its lines in the combo box's font, and its lines are as high as
// that font needs.
void TCustomComboBox::CMFontChangedCombo(TMessage& m) {
  TCustomControl::CMFontChanged(m);
  list_->Font()->Assign(Font());
}

int TCustomComboBox::MoveIndex(uint16_t key) const {
  int count = Items()->Count();
  int index = ItemIndex();
  int page = std::max(dropDownCount_ - 1, 1);
  switch (key) {
    case VK_UP: index = index < 0 ? 0 : index - 1; break;
    case VK_DOWN: index = index < 0 ? 0 : index + 1; break;
    case VK_PRIOR: index -= page; break;
    case VK_NEXT: index = std::max(index, 0) + page; break;
    case VK_HOME: index = 0; break;
    case VK_END: index = count - 1; break;
    default: return -2;
  }
  return std::clamp(index, 0, std::max(count - 1, 0));
}

bool TCustomComboBox::ListKey(uint16_t key, TShiftState shift) {
  bool altArrow = shift.Contains(ssAlt) && (key == VK_DOWN || key == VK_UP);
  if ((key == VK_F4 && !shift.Contains(ssAlt)) || altArrow) {
    if (dropped_) CloseUpAndChoose(true);
    else SetDroppedDown(true);
    return true;
  }
  if (dropped_ && (key == VK_RETURN || key == VK_ESCAPE)) {
    CloseUpAndChoose(key == VK_RETURN);
    return true;
  }
  // In an edit, Home and End move the caret; pages and arrows always choose items.
  if (edit_ && (key == VK_HOME || key == VK_END)) return false;
  int index = MoveIndex(key);
  if (index == -2) return false;
  if (Items()->Count() == 0) return true;
  if (dropped_) list_->SetItemIndex(index);
  else ChooseByUser(index);
  return true;
}

void TCustomComboBox::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key != 0 && ListKey(key, shift)) key = 0;
}

// The typed text so far plus `typed`, when it starts an item that fits MaxLength, becomes that
// item with the part not typed selected.
bool TCustomComboBox::Complete(char32_t typed) {
  String text = LeftStr(edit_->Text(), edit_->SelStart());
  utf8::Append(text, typed);
  LRESULT found = list_->Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  if (found == LB_ERR) return false;
  String item = Items()->Strings(static_cast<int>(found));
  if (maxLength_ > 0 && CharLength(item) > maxLength_) return false;
  SetEditText(item);
  edit_->SetSelStart(CharLength(text));
  edit_->SetSelLength(CharLength(item) - CharLength(text));
  list_->SetItemIndex(static_cast<int>(found));
  Change();
  return true;
}

void TCustomComboBox::KeyPress(char16_t& key) {
  // The handlers may free the combo box, its edit with it: the key is used up then.
  const TWatchedComponent self(this);
  const auto gone = [&] { return self.Get() == nullptr ? (key = 0, true) : false; };
  OnKeyPress.Call(this, key);
  if (gone()) return;
  bool typed = key >= 0x20 && key != 0x7F && (key < 0xD800 || key > 0xDFFF);
  if (edit_ && autoComplete_ && typed && !edit_->ReadOnly() && Complete(key)) key = 0;
  if (gone()) return;
  if (edit_ || key < 0x20 || key == 0x7F) return;
  int found = search_.Type(*Items(), key, ItemIndex());
  if (found >= 0 && dropped_) list_->SetItemIndex(found);
  else if (found >= 0) ChooseByUser(found);
  key = 0;
}

void TCustomComboBox::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? DLGC_WANTALLKEYS : 0);
}

bool TCustomComboBox::OverList(TPoint screen) {
  if (!dropped_ || !list_->HandleAllocated()) return false;
  TRect r;
  GetWindowRect(list_->Handle(), r);
  return r.Contains(screen);
}

void TCustomComboBox::WMLButtonDown(TMessage& m) {
  TPoint p = LParamToPoint(m.LParam);
  TPoint screen = ClientToScreen(p);
  if (dropped_) {
    if (!OverList(screen)) return CloseUpAndChoose(false);
    TPoint inList = list_->ScreenToClient(screen);
    if (!list_->ClientRect().Contains(inList)) {
      list_->Perform(WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(screen));
    }
    return;
  }
  TControl::WMMouseDown(m);
  if (!Focused() && CanFocus()) SetFocus();
  bool onButton = ButtonRect().Contains(p);
  if (onButton || (!edit_ && ClientRect().Contains(p))) SetDroppedDown(true);
}

// A list without an edit shows the focus as its chosen look: it goes and comes with the focus.
void TCustomComboBox::WMFocusChangedCombo(TMessage& m) {
  if (m.Msg == WM_SETFOCUS) TCustomControl::WMSetFocus(m);
  else TCustomControl::WMKillFocus(m);
  Invalidate();
}

void TCustomComboBox::WMLButtonDblClk(TMessage& m) { WMLButtonDown(m); }

// With the list down, the pointer over it marks the item a release would choose.
void TCustomComboBox::WMMouseMoveCombo(TMessage& m) {
  TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
  if (OverList(screen)) {
    int index = list_->ItemAtPos(list_->ScreenToClient(screen), true);
    if (index >= 0 && index != list_->ItemIndex()) list_->SetItemIndex(index);
  }
  TControl::WMMouseMove(m);
}

void TCustomComboBox::WMLButtonUp(TMessage& m) {
  TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
  if (OverList(screen)) {
    int index = list_->ItemAtPos(list_->ScreenToClient(screen), true);
    if (index >= 0) {
      list_->SetItemIndex(index);
      CloseUpAndChoose(true);
    }
  }
  TControl::WMMouseUp(m);
}

void TCustomComboBox::WMMouseWheelCombo(TMessage& m) {
  if (dropped_) m.Result = list_->Perform(m.Msg, m.WParam, m.LParam);
  else TControl::WMMouseWheel(m);
}

void TCustomComboBox::WMCaptureChangedCombo(TMessage& m) {
  TWinControl::WMCaptureChanged(m);
  HWND to = reinterpret_cast<HWND>(m.LParam);
  if (dropped_ && to != nullptr && to != Handle()) CloseUpAndChoose(false);
}

void TCustomComboBox::WMCancelModeCombo(TMessage& m) {
  CloseUpAndChoose(false);
  DefaultHandler(m);
}

void TCustomComboBox::CBMessage(TMessage& m) {
  if (HandleComboMessage(m)) return;
  static const std::pair<UINT, UINT> toList[] = {
      {CB_ADDSTRING, LB_ADDSTRING},        {CB_DELETESTRING, LB_DELETESTRING},
      {CB_GETCOUNT, LB_GETCOUNT},          {CB_GETLBTEXT, LB_GETTEXT},
      {CB_GETLBTEXTLEN, LB_GETTEXTLEN},    {CB_INSERTSTRING, LB_INSERTSTRING},
      {CB_FINDSTRING, LB_FINDSTRING},      {CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT},
      {CB_GETITEMDATA, LB_GETITEMDATA},    {CB_SETITEMDATA, LB_SETITEMDATA},
      {CB_GETITEMHEIGHT, LB_GETITEMHEIGHT}, {CB_SETITEMHEIGHT, LB_SETITEMHEIGHT},
  };
  for (auto [cb, lb] : toList)
    if (m.Msg == cb) return void(m.Result = list_->Perform(lb, m.WParam, m.LParam));
  DefaultHandler(m);
}

bool TCustomComboBox::HandleComboMessage(TMessage& m) {
  int index = static_cast<int>(static_cast<intptr_t>(m.WParam));
  switch (m.Msg) {
    case CB_GETCURSEL: m.Result = ItemIndex(); return true;
    case CB_SETCURSEL:
      SetItemIndex(index >= 0 && index < Items()->Count() ? index : -1);
      m.Result = ItemIndex() == index && index >= 0 ? index : CB_ERR;
      return true;
    case CB_SELECTSTRING: {
      LRESULT found = list_->Perform(LB_FINDSTRING, m.WParam, m.LParam);
      if (found != LB_ERR) SetItemIndex(static_cast<int>(found));
      m.Result = found;
      return true;
    }
    case CB_RESETCONTENT: Clear(); return true;
    case CB_SHOWDROPDOWN: SetDroppedDown(m.WParam != 0); m.Result = 1; return true;
    case CB_GETDROPPEDSTATE: m.Result = dropped_ ? 1 : 0; return true;
    case CB_GETDROPPEDCONTROLRECT:
      if (m.LParam && dropped_) GetWindowRect(list_->Handle(), *reinterpret_cast<TRect*>(m.LParam));
      m.Result = m.LParam ? 1 : CB_ERR;
      return true;
    case CB_LIMITTEXT: SetMaxLength(index); m.Result = 1; return true;
    case CB_GETEDITSEL: m.Result = edit_ ? edit_->Perform(EM_GETSEL, m.WParam, m.LParam) : CB_ERR; return true;
    case CB_SETEDITSEL:
      m.Result = edit_ ? (edit_->Perform(EM_SETSEL, static_cast<WPARAM>(LoSigned(m.LParam)), HiSigned(m.LParam)), 1) : CB_ERR;
      return true;
    default: return false;
  }
}
