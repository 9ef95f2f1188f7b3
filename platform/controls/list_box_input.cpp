// How a list box answers the mouse, the keyboard and its scroll bar.
#include <algorithm>

#include "platform/controls/list_box.h"
#include "platform/controls/watched_component.h"
#include "platform/windows/focus.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/scroll_tracker.h"

const TMessageMap& TCustomListBox::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_LBUTTONDOWN, &TCustomListBox::WMLButtonDown);
    m.On(WM_LBUTTONDBLCLK, &TCustomListBox::WMLButtonDblClk);
    m.On(WM_MOUSEMOVE, &TCustomListBox::WMMouseMoveList);
    m.On(WM_LBUTTONUP, &TCustomListBox::WMLButtonUp);
    m.On(WM_VSCROLL, &TCustomListBox::WMVScroll);
    m.On(WM_MOUSEWHEEL, &TCustomListBox::WMMouseWheelList);
    m.On(WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode);
    m.On(WM_SIZE, &TCustomListBox::WMSizeList);
    m.On(WM_SETFOCUS, &TCustomListBox::WMFocusChanged);
    m.On(WM_KILLFOCUS, &TCustomListBox::WMFocusChanged);
    m.On(CN_COMMAND, &TCustomListBox::CNCommand);
    m.On(CM_FONTCHANGED, &TCustomListBox::CMFontChangedList);
    for (UINT msg = LB_ADDSTRING; msg <= LB_ITEMFROMPOINT; ++msg) m.On(msg, &TCustomListBox::LBMessage);
    return m;
  }();
  return map;
}

// Moves the caret as a click or a key does, selecting by the list's selection rules.
void TCustomListBox::MoveCaretTo(int index, TShiftState shift, bool byMouse) {
  if (index < 0 || index >= Count()) return;
  bool toggle = multiSelect_ && (!extendedSelect_ ? byMouse : shift.Contains(ssCtrl) && byMouse);
  if (!multiSelect_) {
    SelectOnly(index);
  } else if (extendedSelect_ && shift.Contains(ssShift) && anchor_ >= 0) {
    caret_ = index;
    SelectRange(anchor_, index, shift.Contains(ssCtrl));
  } else if (toggle) {
    caret_ = anchor_ = index;
    items_->Item(index).selected = !items_->Item(index).selected;
  } else if (extendedSelect_ && !shift.Contains(ssCtrl)) {
    SelectOnly(index);
    anchor_ = index;
  } else {
    caret_ = index;  // moving the focus only
  }
  if (!multiSelect_ || !shift.Contains(ssShift)) anchor_ = multiSelect_ ? anchor_ : index;
  MakeVisible(index);
  Invalidate();
}

void TCustomListBox::WMLButtonDown(TMessage& m) {
  TControl::WMMouseDown(m);
  if (CanFocus() && !Focused()) SetFocus();
  TPoint p = LParamToPoint(m.LParam);
  int index = ItemAtPos(p, true);
  pressSelection_ = SelectionState();
  pressCaret_ = caret_;
  if (index < 0) return;
  SetCapture(Handle());
  selecting_ = true;
  MoveCaretTo(index, KeysToShiftState(static_cast<uint32_t>(m.WParam)), true);
}

void TCustomListBox::WMLButtonDblClk(TMessage& m) {
  WMLButtonDown(m);
  if (ItemAtPos(LParamToPoint(m.LParam), true) < 0) return;
  HWND parent = Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
  if (parent) SendMessage(parent, WM_COMMAND, MakeWParam(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(Handle()));
}

// Dragging with the button down moves the selection (or widens an extended one) and scrolls
// when the pointer leaves the list above or below.
void TCustomListBox::WMMouseMoveList(TMessage& m) {
  TPoint p = LParamToPoint(m.LParam);
  if (selecting_ && Count() > 0) {
    int index = std::clamp(IndexFromY(p.y), 0, Count() - 1);
    bool toggling = multiSelect_ && !extendedSelect_;
    if (index != caret_ && !toggling) {
      TShiftState shift = multiSelect_ ? TShiftState{ssShift} : TShiftState{};
      if (multiSelect_ && anchor_ < 0) anchor_ = index;
      MoveCaretTo(index, shift, false);
    }
  }
  TControl::WMMouseMove(m);
}

void TCustomListBox::WMLButtonUp(TMessage& m) {
  bool wasSelecting = selecting_;
  selecting_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  // The change's handler may free the list (a choice that closes its form).
  const TWatchedComponent self(this);
  if (wasSelecting) NotifyIfChanged(pressSelection_, pressCaret_);
  if (self.Get() != nullptr) TControl::WMMouseUp(m);
}

void TCustomListBox::WMVScroll(TMessage& m) {
  int page = std::max(VisibleCount() - 1, 1);
  SetTopIndex(ScrollCodePosition(Handle(), SB_VERT, m.WParamLo(), topIndex_, 1, page, Count()));
}

void TCustomListBox::WMMouseWheelList(TMessage& m) {
  TWMMouseWheel wheel(m);
  bool handled = DoMouseWheel(KeysToShiftState(wheel.Keys()), wheel.WheelDelta(), wheel.Pos());
  if (!handled) SetTopIndex(topIndex_ - 3 * wheel.WheelDelta() / WHEEL_DELTA);
  m.Result = 1;
}

void TCustomListBox::CMFontChangedList(TMessage& m) {
  fontHeight_ = 0;
  TWinControl::CMFontChanged(m);
  if (style_ == lbStandard) ItemsChanged();
}

void TCustomListBox::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomListBox::WMSizeList(TMessage& m) {
  TWinControl::WMSize(m);
  ItemsChanged();
}

void TCustomListBox::WMFocusChanged(TMessage& m) {
  if (m.Msg == WM_SETFOCUS) TWinControl::WMSetFocus(m);
  else TWinControl::WMKillFocus(m);
  Invalidate();
}

void TCustomListBox::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0 || Count() == 0) return;
  int from = std::max(caret_, 0);
  int target = -1;
  int page = std::max(VisibleCount() - 1, 1);
  switch (key) {
    case VK_UP: target = caret_ < 0 ? 0 : from - 1; break;
    case VK_DOWN: target = caret_ < 0 ? 0 : from + 1; break;
    case VK_PRIOR: target = from - page; break;
    case VK_NEXT: target = from + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = Count() - 1; break;
    case VK_SPACE:
      if (multiSelect_ && caret_ >= 0 && (!extendedSelect_ || shift.Contains(ssCtrl))) {
        TSelection before = SelectionState();
        items_->Item(caret_).selected = !items_->Item(caret_).selected;
        Invalidate();
        NotifyIfChanged(before, caret_);
        key = 0;
      }
      return;
    default: return;
  }
  TSelection before = SelectionState();
  int caretBefore = caret_;
  target = std::clamp(target, 0, Count() - 1);
  // Plain arrows in a simple multiple list move only the focus.
  TShiftState rules = multiSelect_ && !extendedSelect_ ? TShiftState{ssCtrl} : shift;
  if (multiSelect_ && extendedSelect_ && !shift.Contains(ssShift)) anchor_ = target;
  MoveCaretTo(target, rules, false);
  NotifyIfChanged(before, caretBefore);
  key = 0;
}

void TCustomListBox::KeyPress(char16_t& key) {
  TCustomControl::KeyPress(key);
  if (key < 0x20 || key == 0x7F) return;
  int found = search_.Type(*items_, key, caret_);
  if (found < 0) return;
  TSelection before = SelectionState();
  int caretBefore = caret_;
  if (multiSelect_ && extendedSelect_) anchor_ = found;
  MoveCaretTo(found, multiSelect_ && !extendedSelect_ ? TShiftState{ssCtrl} : TShiftState{}, false);
  NotifyIfChanged(before, caretBefore);
}
