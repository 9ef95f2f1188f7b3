#pragma once

#include "platform/graphics/gdi_handles.h"
#include "platform/windows/window_tree.h"

// Invalidation and painting in the window system's order: WM_NCPAINT for a dirty frame, then
// WM_PAINT, whose BeginPaint sends WM_ERASEBKGND when the update asked for erasing. A window's
// device context has its origin at the window's client (or, for GetWindowDC, window) corner
// and is clipped to what is visible of it: its ancestors' client areas, minus siblings above
// it, minus its children when it has WS_CLIPCHILDREN. Every top-level window paints into a
// picture of its own (WindowSurface), which the backend shows.

class TBitmap;

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  bool fErase = false;   // true when WM_ERASEBKGND did not erase
  TRect rcPaint;         // client coordinates
};

// Rectangles are in client coordinates; nullptr means the whole client area. Children are
// invalidated with their parent unless the parent has WS_CLIPCHILDREN.
bool InvalidateRect(HWND h, const TRect* r, bool erase);
bool InvalidateRgn(HWND h, HRGN region, bool erase);
bool ValidateRect(HWND h, const TRect* r);
bool RedrawWindow(HWND h, const TRect* r, uint32_t flags);
// Answers whether the window has something to paint; `r` gets the bounds of the update region.
bool GetUpdateRect(HWND h, TRect& r, bool erase = false);
int GetUpdateRgn(HWND h, HRGN region, bool erase = false);
// Paints now what is invalid of the window and its children.
bool UpdateWindow(HWND h);
// Paints every invalid window of the tree (the message loop's last step); answers whether
// anything was painted.
bool PaintInvalidWindows();
bool HasInvalidWindows();

HDC BeginPaint(HWND h, PAINTSTRUCT& ps);
bool EndPaint(HWND h, const PAINTSTRUCT& ps);
HDC GetDC(HWND h);        // client area
HDC GetWindowDC(HWND h);  // whole window, frame included
int ReleaseDC(HWND h, HDC dc);
// The window a device context of GetDC, GetWindowDC or BeginPaint draws on; nullptr for a
// memory context.
HWND WindowFromDC(HDC dc);

// While it lives, GetWindowDC(h) answers `target` (its settings saved, and put back by
// ReleaseDC) instead of a context on the window's own picture, so that what the window draws
// in its frame on WM_NCPAINT can be printed into a caller's context (PaintTo).
class TPrintWindowDC {
 public:
  TPrintWindowDC(HWND h, HDC target);
  ~TPrintWindowDC();
  TPrintWindowDC(const TPrintWindowDC&) = delete;
  TPrintWindowDC& operator=(const TPrintWindowDC&) = delete;

 private:
  HWND h_;
};

// Moves the pixels of the client area (or `scroll`, clipped by `clip`) by dx, dy; the area
// that is left uncovered, or whose pixels came from a hidden place, goes into `update` and
// `updateRect` and, with SW_INVALIDATE, is invalidated (erased too with SW_ERASE).
// SW_SCROLLCHILDREN moves the child windows along.
int ScrollWindowEx(HWND h, int dx, int dy, const TRect* scroll, const TRect* clip, HRGN update,
                   TRect* updateRect, uint32_t flags);
bool ScrollWindow(HWND h, int dx, int dy, const TRect* scroll, const TRect* clip);

// Window regions (window coordinates). The window takes the region and deletes it;
// nullptr removes the shape.
int SetWindowRgn(HWND h, HRGN region, bool redraw);
int GetWindowRgn(HWND h, HRGN region);

// The composed picture of a top-level window (nullptr before its first paint).
TBitmap* WindowSurface(HWND top);

// What windows paint reaches the screen once a turn of the message loop, at its end. A picture
// that must be seen as it is drawn while the program does not get back to its loop (a slide's
// frames) is shown at once: what the top-level window of `h` painted so far goes to the screen.
void ShowPaintedNow(HWND h);
