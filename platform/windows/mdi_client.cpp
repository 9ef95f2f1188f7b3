// The MDI client window: its children and which one is active.
#include "platform/windows/mdi_client.h"

#include "platform/windows/messages.h"
#include "platform/windows/window_styles.h"

namespace {

// The active child is kept in the client's user data.
HWND ActiveChild(HWND client) {
  auto child = reinterpret_cast<HWND>(GetWindowLong(client, GWL_USERDATA));
  return child != nullptr && IsWindow(child) && GetParent(child) == client ? child : nullptr;
}

void Activate(HWND client, HWND child) {
  HWND old = ActiveChild(client);
  if (child != nullptr) BringWindowToTop(child);
  if (old == child) return;
  SetWindowLong(client, GWL_USERDATA, reinterpret_cast<intptr_t>(child));
  const auto w = reinterpret_cast<WPARAM>(old);
  const auto l = reinterpret_cast<LPARAM>(child);
  if (old != nullptr) SendMessage(old, WM_MDIACTIVATE, w, l);
  if (child != nullptr) SendMessage(child, WM_MDIACTIVATE, w, l);
}

void DestroyChild(HWND client, HWND child) {
  if (child == nullptr || GetParent(child) != client) return;
  const bool wasActive = ActiveChild(client) == child;
  if (wasActive) SetWindowLong(client, GWL_USERDATA, 0);
  DestroyWindow(child);
  if (!wasActive || !IsWindow(client)) return;
  for (HWND next : ChildWindows(client)) {
    if (IsWindowVisible(next)) return Activate(client, next);
  }
}

LRESULT ClientProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  switch (msg) {
    case WM_MDIACTIVATE: Activate(h, reinterpret_cast<HWND>(w)); return 0;
    case WM_MDIGETACTIVE: return reinterpret_cast<LRESULT>(ActiveChild(h));
    case WM_MDIDESTROY: DestroyChild(h, reinterpret_cast<HWND>(w)); return 0;
    default: return DefWindowProc(h, msg, w, l);
  }
}

}  // namespace

HWND CreateMDIClient(HWND frame, const TRect& bounds) {
  WNDCLASS wc;
  if (!GetClassInfo(kMDIClientClass, wc)) {
    wc.lpszClassName = kMDIClientClass;
    wc.lpfnWndProc = ClientProc;
    wc.hbrBackground = clAppWorkSpace;
    RegisterClass(wc);
  }
  return CreateWindowEx(0, kMDIClientClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                        bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), frame);
}

bool IsMDIClient(HWND h) { return h != nullptr && IsWindow(h) && GetClassName(h) == kMDIClientClass; }
