#pragma once

#include "platform/core/types.h"
#include "platform/windows/window_tree.h"

// The client window of a multiple-document frame: the part of the frame's client area that
// its child windows live in. It keeps which child is active and answers these messages:
//   WM_MDIACTIVATE (wParam: the child) makes that child the active one and the topmost; the
//     child losing and the child gaining the activation each get WM_MDIACTIVATE with
//     wParam the one deactivated and lParam the one activated (either may be 0);
//   WM_MDIGETACTIVE answers the active child (0 when there is none);
//   WM_MDIDESTROY (wParam: the child) destroys that child and activates the topmost visible
//     child that remains.
// Any other message takes the default handling.
inline constexpr const char* kMDIClientClass = "MDICLIENT";

// A visible client window, child of `frame`, at `bounds` of the frame's client area.
HWND CreateMDIClient(HWND frame, const TRect& bounds);
bool IsMDIClient(HWND h);
