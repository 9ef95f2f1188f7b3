#pragma once

#include "platform/windows/window_tree.h"

// Keyboard focus, the active top-level window and mouse capture. Focus and capture changes
// tell both windows: WM_KILLFOCUS names the window that gains focus, WM_SETFOCUS the one that
// lost it; WM_CAPTURECHANGED goes to the window that loses capture and names the new one.
HWND SetFocus(HWND h);  // answers the window that had focus
HWND GetFocus();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND top);
// While `top` is disabled by a window it owns (a modal dialog), a click on it or a request to
// close it brings that window forward instead: it is activated and its real window raised.
// Answers that window (nullptr: `top` is enabled or owns no enabled window).
HWND ActivateWindowBlocking(HWND top);
HWND SetCapture(HWND h);  // answers the window that had capture
bool ReleaseCapture();
HWND GetCapture();
