// How a windowed control routes its messages: mouse input to graphic children, keys through
// the form's preview and dialog keys, notifications back to the child that sent them.
#include <algorithm>

#include "platform/controls/forms.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/controls/watched_component.h"
#include "platform/controls/win_control.h"
#include "platform/windows/cursors.h"
#include "platform/windows/focus.h"
#include "platform/windows/frame_scroll_tracking.h"
#include "platform/windows/painting.h"

const TMessageMap& TWinControl::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TControl::ClassMessages());
    m.On(WM_PAINT, &TWinControl::WMPaint);
    m.On(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
    m.On(WM_SIZE, &TWinControl::WMSize);
    m.On(WM_MOVE, &TWinControl::WMMove);
    m.On(WM_SETFOCUS, &TWinControl::WMSetFocus);
    m.On(WM_KILLFOCUS, &TWinControl::WMKillFocus);
    m.On(WM_KEYDOWN, &TWinControl::WMKeyDown);
    m.On(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
    m.On(WM_KEYUP, &TWinControl::WMKeyUp);
    m.On(WM_SYSKEYUP, &TWinControl::WMKeyUp);
    m.On(WM_CHAR, &TWinControl::WMChar);
    m.On(WM_SETCURSOR, &TWinControl::WMSetCursor);
    m.On(WM_CAPTURECHANGED, &TWinControl::WMCaptureChanged);
    m.On(WM_NCDESTROY, &TWinControl::WMNCDestroy);
    for (UINT msg : {WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC})
      m.On(msg, &TWinControl::WMReflect);
    m.On(CN_KEYDOWN, &TWinControl::CNKeyDown);
    m.On(CN_SYSKEYDOWN, &TWinControl::CNKeyDown);
    m.On(CN_CHAR, &TWinControl::CNChar);
    m.On(CN_SYSCHAR, &TWinControl::CNChar);
    m.On(CM_DIALOGKEY, &TWinControl::CMDialogKey);
    m.On(CM_CHILDKEY, &TWinControl::CMChildKey);
    m.On(CM_DIALOGCHAR, &TWinControl::CMDialogChar);
    m.On(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
    m.On(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
    m.On(CM_COLORCHANGED, &TWinControl::CMColorChanged);
    m.On(CM_BIDIMODECHANGED, &TWinControl::CMBiDiModeChanged);
    m.On(CM_FONTCHANGED, &TWinControl::CMFontChanged);
    m.On(CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged);
    m.On(CM_RECREATEWND, &TWinControl::CMRecreateWnd);
    m.On(CM_ENTER, &TWinControl::CMEnterExit);
    m.On(CM_EXIT, &TWinControl::CMEnterExit);
    m.On(CM_PARENTCTL3DCHANGED, &TWinControl::CMParentCtl3DChanged);
    m.On(WM_SYSCOLORCHANGE, &TWinControl::WMSysColorChange);
    m.On(CM_SYSCOLORCHANGE, &TWinControl::CMSysColorChange);
    return m;
  }();
  return map;
}

namespace {

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL; }

bool IsDoubleClickMessage(UINT msg) {
  return msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

}  // namespace

void TWinControl::WndProc(TMessage& m) {
  if (IsMouseMessage(m.Msg)) {
    if (handle_ && FrameScrollTakesMouse(handle_, m.Msg, ClientToScreen(LParamToPoint(m.LParam)))) return;
    // Without csDoubleClicks a double click is an ordinary second press.
    if (IsDoubleClickMessage(m.Msg) && !controlStyle_.Contains(csDoubleClicks)) m.Msg -= 2;
    if (IsControlMouseMsg(m)) return;
  }
  TControl::WndProc(m);
}

// Mouse input over a graphic child (or captured by one) belongs to that child.
bool TWinControl::IsControlMouseMsg(TMessage& m) {
  TControl* target = GetCaptureControl();
  if (target && target->Parent() != this) return false;
  TPoint p = LParamToPoint(m.LParam);
  if (!target) target = ControlAtPos(p, false);
  if (!target) return false;
  p.x -= target->Left();
  p.y -= target->Top();
  m.Result = target->Perform(m.Msg, m.WParam, PointToLParam(p));
  return true;
}

void TWinControl::WMReflect(TMessage& m) {
  HWND from = m.Msg == WM_NOTIFY ? reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom : reinterpret_cast<HWND>(m.LParam);
  TWinControl* child = from && from != handle_ ? FindControl(from) : nullptr;
  if (child) m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  else DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m) {
  if (Screen && LoSigned(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == handle_) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      TControl* over = ControlAtPos(ScreenToClient(GetCursorPos()), false);
      cursor = over ? over->Cursor() : Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

void TWinControl::WMCaptureChanged(TMessage& m) {
  // Another window took the capture: a graphic child of ours no longer has the mouse.
  TControl* capture = GetCaptureControl();
  if (capture && reinterpret_cast<HWND>(m.LParam) != handle_ && (capture == this || capture->Parent() == this)) {
    SetCaptureControlQuietly(nullptr);
  }
  DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage& m) {
  if (TCustomForm* form = GetParentForm(this); form && form != this && !form->SetFocusedControl(this)) return;
  if (TCustomForm* self = dynamic_cast<TCustomForm*>(this)) self->SetFocusedControl(self);
  DefaultHandler(m);
}

void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

// A handler of the form or of the control may free the control, or the form with it (a dialog
// closed by Escape): the key is used up then, and nothing of the control is touched again.
template <typename Key, typename Pass>
bool TWinControl::DoKey(TMessage& m, bool (TWinControl::*preview)(TMessage&), Pass pass) {
  const TWatchedComponent self(this);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && (static_cast<TWinControl*>(form)->*preview)(m)) return true;
  if (self.Get() == nullptr) return true;
  if (controlStyle_.Contains(csNoStdEvents)) return false;
  Key key = static_cast<Key>(m.WParam);
  pass(key);
  m.WParam = key;
  return key == 0 || self.Get() == nullptr;
}

bool TWinControl::DoKeyDown(TMessage& m) {
  return DoKey<uint16_t>(m, &TWinControl::DoKeyDown, [&](uint16_t& key) { KeyDown(key, KeyDataToShiftState(m.LParam)); });
}

bool TWinControl::DoKeyUp(TMessage& m) {
  return DoKey<uint16_t>(m, &TWinControl::DoKeyUp, [&](uint16_t& key) { KeyUp(key, KeyDataToShiftState(m.LParam)); });
}

bool TWinControl::DoKeyPress(TMessage& m) {
  return DoKey<char16_t>(m, &TWinControl::DoKeyPress, [&](char16_t& key) { KeyPress(key); });
}

// A handler that frees the control takes the key with it: the overrides that go on after these
// see a key of 0 and leave it.
namespace {
template <typename Key, typename... Args>
void CallKeyHandler(TWinControl* control, const TEvent<void(TObject*, Key&, Args...)>& event, Key& key, Args... args) {
  const TWatchedComponent self(control);
  event.Call(control, key, args...);
  if (self.Get() == nullptr) key = 0;
}
}  // namespace

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) { CallKeyHandler(this, OnKeyDown, key, shift); }
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) { CallKeyHandler(this, OnKeyUp, key, shift); }
void TWinControl::KeyPress(char16_t& key) { CallKeyHandler(this, OnKeyPress, key); }

void TWinControl::WMKeyDown(TMessage& m) {
  if (!DoKeyDown(m)) DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
  if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
  if (!DoKeyPress(m)) DefaultHandler(m);
}

namespace {

LRESULT DialogKeyMask(uint16_t key) {
  switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
  }
}

}  // namespace

// A key the focused control does not ask for (WM_GETDLGCODE) goes to its form as a dialog key.
void TWinControl::CNKeyDown(TMessage& m) {
  m.Result = 1;
  uint16_t key = static_cast<uint16_t>(m.WParam);
  TMessage shortcut{m.Msg == CN_SYSKEYDOWN ? WM_SYSKEYDOWN : WM_KEYDOWN, m.WParam, m.LParam, 0};
  if (TCustomForm* form = GetParentForm(this); form && form->IsShortCut(shortcut)) return;
  if (Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0) return;
  LRESULT mask = DialogKeyMask(key);
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, key, m.LParam) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0) return;
  }
  m.Result = 0;
}

// A character the focused control does not want is offered to the form's accelerators.
void TWinControl::CNChar(TMessage& m) {
  m.Result = 1;
  bool wantsChars = m.Msg == CN_CHAR && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0;
  TCustomForm* form = GetParentForm(this);
  if (!wantsChars && form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) return;
  m.Result = 0;
}

void TWinControl::CMDialogKey(TMessage& m) { Broadcast(m); }

// A key for the focused control is offered to its containers first, innermost first, so that
// a container can act on keys meant for all of its children (a page control's page keys).
void TWinControl::CMChildKey(TMessage& m) {
  if (Parent() != nullptr) m.Result = Parent()->Perform(m.Msg, m.WParam, m.LParam);
}

void TWinControl::CMDialogChar(TMessage& m) { Broadcast(m); }

void TWinControl::CMEnterExit(TMessage& m) {
  if (m.Msg == CM_ENTER) DoEnter();
  else DoExit();
}

void TWinControl::DoEnter() { OnEnter.Call(this); }
void TWinControl::DoExit() { OnExit.Call(this); }
