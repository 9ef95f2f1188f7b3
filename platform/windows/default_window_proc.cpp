// What a window does with a message nobody else handled.
#include <algorithm>
#include <cstring>

#include "platform/graphics/colors.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/cursors.h"
#include "platform/windows/focus.h"
#include "platform/windows/frame_layout.h"
#include "platform/windows/frame_scroll_tracking.h"
#include "platform/windows/frame_painting.h"
#include "platform/windows/keys.h"
#include "platform/windows/mdi_client.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_data.h"

namespace {

TFrameLayout LayoutOf(const TWindowData& w) { return ComputeFrameLayout(w.style, w.exStyle, w.bounds, w.borderRing); }

LRESULT CalcSize(TWindowData& w, WPARAM wParam, LPARAM lParam) {
  if (!lParam) return 0;
  TRect& r = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<TRect*>(lParam);
  TFrameLayout f = ComputeFrameLayout(w.style, w.exStyle, r, w.borderRing);
  TRect client = f.client;
  OffsetRect(client, r.Left, r.Top);
  r = client;
  return 0;
}

LRESULT HitTest(TWindowData& w, LPARAM lParam) {
  TRect wr;
  GetWindowRect(w.handle, wr);
  TPoint p = LParamToPoint(lParam);
  TPoint inWindow{p.x - wr.Left, p.y - wr.Top};
  // The client area is what WM_NCCALCSIZE answered, whoever answered it.
  if (w.client.Contains(inWindow)) return HTCLIENT;
  LRESULT hit = FrameHitTest(LayoutOf(w), w.style, w.bounds, inWindow);
  return hit == HTCLIENT ? HTBORDER : hit;
}

LRESULT EraseBackground(TWindowData& w, WPARAM wParam) {
  if (w.background == clNone || !wParam) return 0;
  HDC dc = reinterpret_cast<HDC>(wParam);
  TGdiOwner<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(w.background))));
  FillRect(dc, Rect(0, 0, w.client.Width(), w.client.Height()), brush.get());
  return 1;
}

LRESULT DefaultPaint(HWND h) {
  PAINTSTRUCT ps;
  BeginPaint(h, ps);
  EndPaint(h, ps);
  return 0;
}

LRESULT ChooseCursor(TWindowData& w, WPARAM wParam, LPARAM lParam) {
  // A parent may choose the cursor for all its children.
  if (w.IsChildWindow() && SendMessage(w.parent, WM_SETCURSOR, wParam, lParam)) return 1;
  if (reinterpret_cast<HWND>(wParam) != w.handle) return 0;
  SetCursor(CursorForHitTest(LoSigned(lParam)));
  return 1;
}

bool IsMoveSizeCode(LRESULT hit) { return hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT); }

// A press on the caption or the border moves or sizes a top-level window once it is dragged:
// the window manager does it when there is one that agrees, else we follow the pointer. A
// press on a scroll bar of the frame runs that bar.
LRESULT NcButtonDown(TWindowData& w, WPARAM wParam, LPARAM lParam) {
  auto hit = static_cast<LRESULT>(wParam);
  if (hit == HTVSCROLL || hit == HTHSCROLL) {
    BeginFrameScrollTracking(w.handle, hit, LParamToPoint(lParam));
    return 0;
  }
  if (w.IsChildWindow() || !IsMoveSizeCode(hit) || (w.style & WS_MAXIMIZE)) return 0;
  BeginMoveSizeTracking(w.handle, hit);
  return 0;
}

LRESULT NcButtonUp(TWindowData& w, WPARAM hit) {
  switch (static_cast<LRESULT>(hit)) {
    case HTCLOSE: return SendMessage(w.handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    case HTMAXBUTTON: return SendMessage(w.handle, WM_SYSCOMMAND, (w.style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, 0);
    case HTMINBUTTON: return SendMessage(w.handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    default: return 0;
  }
}

LRESULT SysCommand(TWindowData& w, WPARAM cmd) {
  HWND h = w.handle;
  switch (cmd & 0xFFF0) {
    case SC_CLOSE: return SendMessage(h, WM_CLOSE);
    case SC_MINIMIZE: ShowWindow(h, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(h, SW_SHOWMAXIMIZED); return 0;
    case SC_RESTORE: ShowWindow(h, SW_RESTORE); return 0;
    default: return 0;
  }
}

LRESULT GetText(TWindowData& w, WPARAM size, LPARAM buffer) {
  if (!buffer || size == 0) return 0;
  size_t n = std::min<size_t>(w.text.size(), size - 1);
  // Never cut a character in half.
  while (n > 0 && n < w.text.size() && (static_cast<uint8_t>(w.text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(reinterpret_cast<char*>(buffer), w.text.data(), n);
  reinterpret_cast<char*>(buffer)[n] = '\0';
  return static_cast<LRESULT>(n);
}

// The window system's own keys, for the top-level window that holds the focus: Alt+F4 asks it
// to close (once the key is handled), Alt+Space opens its window menu.
LRESULT SysKeyDown(TWindowData& w, WPARAM key, LPARAM keyData) {
  if (!(keyData & AltMask)) return 0;
  HWND top = GetAncestorTop(w.handle);
  if (key == VK_F4) PostMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (key == VK_SPACE) SendMessage(top, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  return 0;
}

// A press asks the pressed window and then its parents whether to activate: a child of a
// multiple-document frame becomes the frame's active child, whatever part of it was pressed.
LRESULT MouseActivate(TWindowData& w, WPARAM top, LPARAM hitAndMessage) {
  if (!w.IsChildWindow()) return MA_ACTIVATE;
  const HWND self = w.handle, parent = w.parent;
  if (IsMDIClient(parent)) SendMessage(parent, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(self));
  if (!IsWindow(parent)) return MA_ACTIVATE;
  const LRESULT answer = SendMessage(parent, WM_MOUSEACTIVATE, top, hitAndMessage);
  return answer != 0 ? answer : MA_ACTIVATE;
}

// Messages that climb to the parent when a child leaves them alone.
LRESULT ForwardToParent(TWindowData& w, UINT msg, WPARAM wParam, LPARAM lParam) {
  return w.IsChildWindow() ? SendMessage(w.parent, msg, wParam, lParam) : 0;
}

}  // namespace

LRESULT DefWindowProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindowData* w = FindWindowData(h);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: return 1;
    case WM_NCCALCSIZE: return CalcSize(*w, wParam, lParam);
    case WM_NCHITTEST: return HitTest(*w, lParam);
    case WM_NCPAINT: PaintWindowFrame(h); return 0;
    case WM_ERASEBKGND: return EraseBackground(*w, wParam);
    case WM_PAINT: return wParam ? 0 : DefaultPaint(h);
    case WM_CLOSE: DestroyWindow(h); return 0;
    case WM_SETCURSOR: return ChooseCursor(*w, wParam, lParam);
    case WM_MOUSEWHEEL: case WM_CONTEXTMENU: return ForwardToParent(*w, msg, wParam, lParam);
    case WM_NCLBUTTONDOWN: return NcButtonDown(*w, wParam, lParam);
    case WM_NCLBUTTONUP: return NcButtonUp(*w, wParam);
    case WM_NCLBUTTONDBLCLK:
      return static_cast<LRESULT>(wParam) == HTCAPTION ? NcButtonUp(*w, HTMAXBUTTON) : 0;
    case WM_SYSCOMMAND: return SysCommand(*w, wParam);
    case WM_SYSKEYDOWN: return SysKeyDown(*w, wParam, lParam);
    case WM_RBUTTONUP: {
      TPoint p = LParamToPoint(lParam);
      ClientToScreen(h, p);
      return SendMessage(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), PointToLParam(p));
    }
    case WM_SETTEXT: w->text = lParam ? reinterpret_cast<const char*>(lParam) : ""; return 1;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_GETTEXT: return GetText(*w, wParam, lParam);
    case WM_MOUSEACTIVATE: return MouseActivate(*w, wParam, lParam);
    case WM_TIMER:
      if (wParam == kFrameScrollTimerId) FrameScrollTimer(h);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == h) ReleaseCapture();
      return 0;
    default: return 0;
  }
}
