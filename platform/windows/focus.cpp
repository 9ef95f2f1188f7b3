// Focus and activation of windows, and their order on the screen.
#include "platform/windows/focus.h"

#include "platform/windows/backend.h"

namespace {

struct TFocusState {
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
};

TFocusState& State() {
  static TFocusState state;
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    AddWindowDestroyHook([](HWND h) {
      if (state.focus == h) state.focus = nullptr;
      if (state.active == h) state.active = nullptr;
      if (state.capture == h) state.capture = nullptr;
    });
  }
  return state;
}

void ToFront(HWND h) { SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW); }

// Activating a window brings it to the front, as the user expects; the windows it owns (its
// dialogs) stay above it.
void BringToFrontWithOwned(HWND top) {
  ToFront(top);
  std::vector<HWND> windows = TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (*it != top && GetWindow(*it, GW_OWNER) == top && IsWindowVisible(*it)) ToFront(*it);
  }
}

bool OwnedBy(HWND h, HWND owner) {
  for (HWND o = GetWindow(h, GW_OWNER); o; o = GetWindow(o, GW_OWNER))
    if (o == owner) return true;
  return false;
}

}  // namespace

HWND ActivateWindowBlocking(HWND top) {
  if (!IsWindow(top) || IsWindowEnabled(top)) return nullptr;
  for (HWND h : TopLevelWindows()) {
    if (!IsWindowVisible(h) || !IsWindowEnabled(h) || !OwnedBy(h, top)) continue;
    SetActiveWindow(h);
    if (IsWindow(h)) Backend().RaiseWindow(h);
    return h;
  }
  return nullptr;
}

HWND SetActiveWindow(HWND top) {
  TFocusState& s = State();
  HWND old = s.active;
  if (old == top || (top && !IsWindow(top))) return old;
  s.active = top;
  if (top) BringToFrontWithOwned(top);
  if (old) {
    SendMessage(old, WM_NCACTIVATE, 0, 0);
    SendMessage(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(top));
  }
  if (top && s.active == top) {
    SendMessage(top, WM_NCACTIVATE, 1, 0);
    SendMessage(top, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
  }
  return old;
}

HWND GetActiveWindow() { return State().active; }

HWND SetFocus(HWND h) {
  TFocusState& s = State();
  HWND old = s.focus;
  if (h == old) return old;
  if (h && !IsWindow(h)) return nullptr;
  if (h) SetActiveWindow(GetAncestorTop(h));
  s.focus = h;
  if (old) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(h), 0);
  // The loser's handler may have moved focus elsewhere; only then is the change abandoned.
  if (h && s.focus == h) SendMessage(h, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus() { return State().focus; }

HWND SetCapture(HWND h) {
  TFocusState& s = State();
  HWND old = s.capture;
  if (h && !IsWindow(h)) return old;
  s.capture = h;
  if (old && old != h) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(h));
  return old;
}

bool ReleaseCapture() {
  TFocusState& s = State();
  HWND old = s.capture;
  s.capture = nullptr;
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() { return State().capture; }
