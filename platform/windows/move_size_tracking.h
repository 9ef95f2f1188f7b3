#pragma once

#include "platform/windows/window_tree.h"

// Moving and sizing a top-level window by its caption or border: from the press on the caption
// or border until the left button goes up, the input layer hands every pointer position here
// instead of to a window, as the system's own move loop would. Nothing moves until the pointer
// has been dragged past the drag threshold (SM_CXDRAG x SM_CYDRAG), so a click or a double
// click leaves the window where it is. Then the window manager is asked to take a size over
// (the window first catching up with the drag so far, since the manager sizes it from where
// the pointer is then); a move, and a size no manager takes, follow the pointer here. The
// window is told WM_ENTERSIZEMOVE first and WM_EXITSIZEMOVE when the move is over or handed
// on; Escape puts it back where it was. A window is never sized below SM_CXMIN x SM_CYMIN, nor
// outside the sizes it allows (size_limits.h).

// Starts tracking the pointer for `hitCode` (HTCAPTION, HTLEFT .. HTBOTTOMRIGHT) from where
// the left button went down. Answers false, and does nothing, for any other code, a child
// window, or a press that is already over.
bool BeginMoveSizeTracking(HWND top, LRESULT hitCode);
bool MoveSizeTracking();
// The pointer moved to `screen`: the window follows, once dragged.
void TrackMoveSize(TPoint screen);
// Ends the tracking; `keep` false puts the window back where it was.
void EndMoveSizeTracking(bool keep);
