#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_styles.h"

// Our own window tree. A window has a handle, a parent, children in z-order (first = top), a
// rectangle in its parent's client coordinates (screen coordinates for a top-level window),
// style bits, a client rectangle inside it from WM_NCCALCSIZE, and a window procedure that can
// be replaced at run time. Calls on a handle that is no longer a window do nothing and answer
// 0/false, so a stale handle never crashes.

using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(uintptr_t{1});

struct WNDCLASS {
  String lpszClassName;
  uint32_t style = 0;        // CS_*
  WNDPROC lpfnWndProc;       // empty: DefWindowProc
  TColor hbrBackground = clNone;  // what WM_ERASEBKGND fills with; clNone: nothing
};

// Registers (or replaces) a window class; answers false for an empty name.
bool RegisterClass(const WNDCLASS& wc);
bool GetClassInfo(const String& className, WNDCLASS& wc);

// Creates a window. `parent` is the parent for WS_CHILD windows and the owner otherwise.
// Sends WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE (lParam: `param`), and WM_SHOWWINDOW when
// WS_VISIBLE is given. Raises EOutOfResources for an unknown class or a child without parent.
HWND CreateWindowEx(uint32_t exStyle, const String& className, const String& windowName,
                    uint32_t style, int x, int y, int width, int height, HWND parent,
                    int id = 0, void* param = nullptr);
// Destroys a window and its children (WM_DESTROY parent first, WM_NCDESTROY children first).
bool DestroyWindow(HWND h);
bool IsWindow(HWND h);

// Window procedures (what the window system reaches through GWL_WNDPROC): SetWindowProc
// answers the previous one, which a subclass calls for what it does not handle itself.
WNDPROC GetWindowProc(HWND h);
WNDPROC SetWindowProc(HWND h, WNDPROC proc);
LRESULT CallWindowProc(const WNDPROC& proc, HWND h, UINT msg, WPARAM w, LPARAM l);
// Default behaviour for every message (non-client size and hit test from the styles, erase
// with the class background, painting the frame and scroll bars, wheel and context-menu
// forwarding to the parent, WM_CLOSE destroys).
LRESULT DefWindowProc(HWND h, UINT msg, WPARAM w, LPARAM l);

// Relations.
HWND GetParent(HWND h);  // parent for child windows, owner for top-level ones
HWND GetAncestorTop(HWND h);  // the top-level window holding h
HWND SetParent(HWND h, HWND newParent);
HWND GetWindow(HWND h, uint32_t relation);
std::vector<HWND> ChildWindows(HWND h);  // top of z-order first
std::vector<HWND> TopLevelWindows();     // top of z-order first
bool IsChild(HWND parent, HWND h);       // any depth

// Styles, text, ids.
intptr_t GetWindowLong(HWND h, int index);
intptr_t SetWindowLong(HWND h, int index, intptr_t value);
String GetWindowText(HWND h);
bool SetWindowText(HWND h, const String& text);
String GetClassName(HWND h);

// Geometry. Window rectangles are in screen coordinates; client rectangles start at 0,0.
bool GetWindowRect(HWND h, TRect& r);
bool GetClientRect(HWND h, TRect& r);
TRect WindowBounds(HWND h);     // in parent client coordinates (screen for top level)
TRect ClientInWindow(HWND h);   // the client area in window coordinates (after NC insets)
// A ring of `width` pixels inside the window's frame, outside its client edge and scroll bars,
// that the window paints itself (a control's BorderWidth); the client area shrinks by it.
void SetWindowBorderRing(HWND h, int width);
bool MoveWindow(HWND h, int x, int y, int width, int height, bool repaint = true);
bool SetWindowPos(HWND h, HWND insertAfter, int x, int y, int cx, int cy, uint32_t flags);
bool BringWindowToTop(HWND h);
bool ClientToScreen(HWND h, TPoint& p);
bool ScreenToClient(HWND h, TPoint& p);
// Maps points from one window's client coordinates to another's (nullptr: the screen).
void MapWindowPoints(HWND from, HWND to, TPoint* points, int count);

// Visibility and enabled state.
bool ShowWindow(HWND h, int cmd);
bool IsWindowVisible(HWND h);  // this and every ancestor visible
bool EnableWindow(HWND h, bool enable);  // answers whether it was disabled before
bool IsWindowEnabled(HWND h);
bool IsIconic(HWND h);
bool IsZoomed(HWND h);
// How a top-level window is shown and where it goes back to: rcNormalPosition, the bounds it is
// restored to; WPF_RESTORETOMAXIMIZED, a minimised window that comes back maximised.
inline constexpr uint32_t WPF_RESTORETOMAXIMIZED = 0x2;
struct WINDOWPLACEMENT {
  uint32_t flags = 0;
  int showCmd = 0;
  TRect rcNormalPosition;
};
bool GetWindowPlacement(HWND h, WINDOWPLACEMENT& placement);

// Hit testing: the deepest visible, enabled-or-not child at a screen point (top level first).
HWND WindowFromPoint(TPoint screen);
HWND ChildWindowFromPoint(HWND parent, TPoint client);

// Messages.
LRESULT SendMessage(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0);
bool PostMessage(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0);
// Keyboard input posted for whichever window has the focus (else the active window) when the
// message is taken from the queue, as the window system targets typed keys: a key typed right
// after a click goes where the click put the focus. The characters that follow a key press go
// where the key press went.
inline HWND const HWND_FOCUS = reinterpret_cast<HWND>(uintptr_t{2});
void PostQuitMessage(int exitCode);

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  uint32_t time = 0;
  TPoint pt;
  uint32_t keyState = 0;  // modifiers and buttons when posted (SnapshotModifiers)
};
enum : uint32_t { PM_NOREMOVE = 0, PM_REMOVE = 1 };
// Looks at the posted-message queue (input and posted messages, in order). A filter of 0,0
// takes any message; `h` nullptr takes any window's.
bool PeekMessage(MSG& msg, HWND h, UINT filterMin, UINT filterMax, uint32_t remove);
LRESULT DispatchMessage(const MSG& msg);
size_t PendingMessageCount();
bool HasPostedMessage(HWND h, UINT msg, WPARAM w);
// Drops every posted message for h (a window being destroyed).
void RemoveMessagesFor(HWND h);

// Called once per destroyed handle, after WM_NCDESTROY, so that owners of per-window data
// (timers, capture, focus, scroll info) forget it.
using TWindowDestroyHook = std::function<void(HWND)>;
void AddWindowDestroyHook(TWindowDestroyHook hook);
