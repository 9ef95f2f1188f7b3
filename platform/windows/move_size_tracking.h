#pragma once

#include "platform/windows/window_tree.h"

// Moving and sizing a top-level window by its caption or border when the window system does
// not do it (no window manager runs, or it refused): from the press on the caption or border
// until the left button goes up, the input layer hands every pointer position here instead of
// to a window, and the window follows it, as the system's own move loop would. The window is
// told WM_ENTERSIZEMOVE first and WM_EXITSIZEMOVE last; Escape puts it back where it was. A
// window is never sized below SM_CXMIN x SM_CYMIN.

// Starts following the pointer for `hitCode` (HTCAPTION, HTLEFT .. HTBOTTOMRIGHT) from where
// the left button went down. Answers false, and does nothing, for any other code, a child
// window, or a press that is already over.
bool BeginMoveSizeTracking(HWND top, LRESULT hitCode);
bool MoveSizeTracking();
// The pointer moved to `screen`: the window follows.
void TrackMoveSize(TPoint screen);
// Ends the tracking; `keep` false puts the window back where it was.
void EndMoveSizeTracking(bool keep);
