#pragma once

#include "platform/windows/window_tree.h"

// Moving and sizing a top-level window by its caption or border: from the press on the caption
// or border until the left button goes up, the input layer hands every pointer position here
// instead of to a window, as the system's own move loop would. Nothing moves until the pointer
// has been dragged past the drag threshold (SM_CXDRAG x SM_CYDRAG), so a click or a double
// click leaves the window where it is. Then the window follows the pointer here, also under a
// window manager: a manager handed the drag takes the pointer only when it gets to the
// request, and a button let go before then leaves the window short of where the pointer went;
// the press gave us the pointer, and with it every motion and the release. The window is told
// WM_ENTERSIZEMOVE first and WM_EXITSIZEMOVE when the move is over; Escape puts it back where
// it was. A window is never sized below SM_CXMIN x SM_CYMIN, nor outside the sizes it allows
// (size_limits.h).

// Starts tracking the pointer for `hitCode` (HTCAPTION, HTLEFT .. HTBOTTOMRIGHT) from where
// the left button went down. Answers false, and does nothing, for any other code, a child
// window, or a press that is already over.
bool BeginMoveSizeTracking(HWND top, LRESULT hitCode);
bool MoveSizeTracking();
// The pointer moved to `screen`: the window follows, once dragged.
void TrackMoveSize(TPoint screen);
// Ends the tracking; `keep` false puts the window back where it was.
void EndMoveSizeTracking(bool keep);
