// Mouse input: buttons, capture, clicks and double clicks turned into messages.
#include "platform/windows/input.h"

#include <cstdlib>

#include "platform/windows/clock.h"
#include "platform/windows/frame_scroll_tracking.h"
#include "platform/windows/focus.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/window_data.h"

namespace {

struct TClickHistory {
  HWND window = nullptr;
  TMouseButton button = mbLeft;
  int64_t time = 0;
  TPoint pos;
  bool valid = false;
};

struct TInputState {
  HWND pressTarget = nullptr;  // implicit capture while a button is down
  TClickHistory lastClick;
  int wheelRemainder = 0;
  TPoint leftDown;
};

TInputState& State() {
  static TInputState state;
  return state;
}

uint16_t ButtonKey(TMouseButton b) {
  return b == mbLeft ? VK_LBUTTON : b == mbRight ? VK_RBUTTON : VK_MBUTTON;
}

UINT DownMessage(TMouseButton b) {
  return b == mbLeft ? WM_LBUTTONDOWN : b == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
}

bool AnyButtonDown() {
  return (CurrentMouseKeys() & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
}

// A disabled window passes the mouse to its nearest enabled ancestor; nothing in a disabled
// top-level window (an owner behind a modal one) takes any.
HWND EnabledTarget(HWND h) {
  while (h && !IsWindowEnabled(h)) {
    if (!(GetWindowLong(h, GWL_STYLE) & WS_CHILD)) return nullptr;
    h = GetParent(h);
  }
  return IsWindowEnabled(GetAncestorTop(h)) ? h : nullptr;
}

bool IsMouseOrKeyMessage(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) ||
         (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

struct TMouseTarget {
  HWND window = nullptr;
  LRESULT hit = HTNOWHERE;
};

bool IsSizingCode(LRESULT hit) { return hit >= HTLEFT && hit <= HTBOTTOMRIGHT; }

// A top-level window's sizing edges lie above its children: a window that draws its own frame
// in its client area sizes from its edges even where a child covers them.
TMouseTarget SizingEdgeOfTop(HWND h, TPoint screen) {
  if (!h || !(GetWindowLong(h, GWL_STYLE) & WS_CHILD)) return {};
  HWND top = GetAncestorTop(h);
  LRESULT hit = SendMessage(top, WM_NCHITTEST, 0, PointToLParam(screen));
  return IsWindow(top) && IsSizingCode(hit) ? TMouseTarget{top, hit} : TMouseTarget{};
}

TMouseTarget FindTarget(TPoint screen) {
  if (HWND capture = GetCapture()) return {capture, HTCLIENT};
  if (HWND pressed = State().pressTarget; pressed && IsWindow(pressed)) return {pressed, HTCLIENT};
  HWND h = EnabledTarget(WindowFromPoint(screen));
  if (TMouseTarget edge = SizingEdgeOfTop(h, screen); edge.window) return edge;
  while (h) {
    LRESULT hit = SendMessage(h, WM_NCHITTEST, 0, PointToLParam(screen));
    // A window that closed while asked takes nothing.
    if (!IsWindow(h)) return {};
    if (hit != HTTRANSPARENT) return {h, hit};
    h = (GetWindowLong(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr;
  }
  return {};
}

void PostMouse(const TMouseTarget& t, UINT clientMsg, TPoint screen, WPARAM extra = 0) {
  if (t.hit == HTCLIENT) {
    TPoint p = screen;
    ScreenToClient(t.window, p);
    PostMessage(t.window, clientMsg, CurrentMouseKeys() | extra, PointToLParam(p));
  } else {
    PostMessage(t.window, clientMsg - (WM_MOUSEMOVE - WM_NCMOUSEMOVE), static_cast<WPARAM>(t.hit), PointToLParam(screen));
  }
}

bool IsDoubleClick(HWND h, TMouseButton b, TPoint screen) {
  const TClickHistory& last = State().lastClick;
  if (!last.valid || last.window != h || last.button != b) return false;
  if (Clock().NowMs() - last.time > static_cast<int64_t>(GetDoubleClickTime())) return false;
  return std::abs(screen.x - last.pos.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(screen.y - last.pos.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

void PressButton(TMouseButton b, TPoint screen) {
  if (b == mbLeft) State().leftDown = screen;
  TMouseTarget t = FindTarget(screen);
  SetKeyDown(ButtonKey(b), true);
  if (!t.window) {
    // A press on a window that a dialog keeps disabled brings the dialog forward.
    if (HWND under = WindowFromPoint(screen)) ActivateWindowBlocking(GetAncestorTop(under));
    return;
  }
  // The pressed window and its parents may activate themselves before the press arrives.
  const auto top = reinterpret_cast<WPARAM>(GetAncestorTop(t.window));
  SendMessage(t.window, WM_MOUSEACTIVATE, top, MakeLParam(static_cast<int>(t.hit), static_cast<int>(DownMessage(b))));
  TWindowData* w = FindWindowData(t.window);
  if (!w) return;
  bool dbl = IsDoubleClick(t.window, b, screen) && (w->classStyle & CS_DBLCLKS);
  // A double click ends the pair: a third press starts a new one.
  State().lastClick = dbl ? TClickHistory{} : TClickHistory{t.window, b, Clock().NowMs(), screen, true};
  if (t.hit == HTCLIENT && !GetCapture()) State().pressTarget = t.window;
  PostMouse(t, DownMessage(b) + (dbl ? 2 : 0), screen);
}

void ReleaseButton(TMouseButton b, TPoint screen) {
  TMouseTarget t = FindTarget(screen);
  SetKeyDown(ButtonKey(b), false);
  if (!AnyButtonDown()) State().pressTarget = nullptr;
  if (t.window) PostMouse(t, DownMessage(b) + 1, screen);
}

LPARAM KeyData(bool down, bool wasDown) {
  LPARAM data = 1;
  if (GetKeyState(VK_MENU) < 0) data |= AltMask;
  if (wasDown) data |= LPARAM{1} << 30;
  if (!down) data |= (LPARAM{1} << 30) | static_cast<LPARAM>(uint32_t{1} << 31);
  return data;
}

void PostChars(HWND target, const String& text, bool sys, LPARAM data) {
  for (char16_t unit : Utf8ToUtf16(text)) PostMessage(target, sys ? WM_SYSCHAR : WM_CHAR, unit, data);
}

// While a window follows the pointer or a frame's scroll bar is held, the buttons reach no
// window; letting the left one go ends the move or lets the bar go.
bool PointerTracked() { return MoveSizeTracking() || FrameScrollTracking(); }

void TrackPointer(TPoint screen) {
  if (MoveSizeTracking()) TrackMoveSize(screen);
  else TrackFrameScroll(screen);
}

void TrackedButton(TMouseButton button, bool down, TPoint screen) {
  SetKeyDown(ButtonKey(button), down);
  if (button != mbLeft || down) return;
  TrackPointer(screen);
  EndMoveSizeTracking(true);
  EndFrameScrollTracking();
  if (!AnyButtonDown()) State().pressTarget = nullptr;
}

}  // namespace

void InjectMouseMove(TPoint screen) {
  SetCursorPosQuietly(screen);
  if (PointerTracked()) return TrackPointer(screen);
  TMouseTarget t = FindTarget(screen);
  if (!t.window) return;
  if (!GetCapture()) SendMessage(t.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(t.window), MakeLParam(static_cast<int>(t.hit), WM_MOUSEMOVE));
  PostMouse(t, WM_MOUSEMOVE, screen);
}

void InjectMouseButton(TMouseButton button, bool down, TPoint screen) {
  SetCursorPosQuietly(screen);
  if (PointerTracked()) return TrackedButton(button, down, screen);
  if (down) PressButton(button, screen); else ReleaseButton(button, screen);
}

void InjectMouseWheel(int toolkitDelta, TPoint screen) {
  SetCursorPosQuietly(screen);
  int total = State().wheelRemainder + toolkitDelta;
  int notches = total / WHEEL_DELTA;
  State().wheelRemainder = total - notches * WHEEL_DELTA;
  if (notches == 0) return;
  // The wheel goes to the window under the pointer, as current desktops send it (a window
  // that does not scroll passes it on to its parent); with none of ours there, to the focus.
  HWND target = EnabledTarget(WindowFromPoint(screen));
  if (!target) target = GetFocus();
  if (!target) return;
  WPARAM w = MakeWParam(static_cast<int>(CurrentMouseKeys()), notches * WHEEL_DELTA);
  PostMessage(target, WM_MOUSEWHEEL, w, PointToLParam(screen));
}

void InjectKey(uint16_t vk, bool down, const String& text) {
  bool wasDown = GetKeyState(vk) < 0;
  SetKeyDown(vk, down);
  // Keys reach no window while one follows the pointer; Escape puts it back.
  if (MoveSizeTracking()) {
    if (down && vk == VK_ESCAPE) EndMoveSizeTracking(false);
    return;
  }
  HWND target = HWND_FOCUS;
  // Alt without Ctrl makes the system variants, as menu accelerators expect.
  bool sys = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0;
  LPARAM data = KeyData(down, wasDown);
  if (!down) {
    PostMessage(target, sys || vk == VK_MENU ? WM_SYSKEYUP : WM_KEYUP, vk, data);
    return;
  }
  PostMessage(target, sys || vk == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, data);
  PostChars(target, text, sys, data);
}

void InjectClick(TPoint screen, TMouseButton button) {
  InjectMouseButton(button, true, screen);
  InjectMouseButton(button, false, screen);
}

void InjectKeyStroke(uint16_t vk, const String& text) {
  InjectKey(vk, true, text);
  InjectKey(vk, false);
}

bool InputRefused(const MSG& m) {
  return m.hwnd && IsMouseOrKeyMessage(m.message) && IsWindow(m.hwnd) && !IsWindowEnabled(GetAncestorTop(m.hwnd));
}

TPoint LeftButtonDownPoint() { return State().leftDown; }

void ResetInput() {
  EndMoveSizeTracking(true);
  EndFrameScrollTracking();
  State() = TInputState{};
  ResetKeyState();
}
