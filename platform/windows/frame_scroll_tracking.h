#pragma once

#include "platform/windows/window_tree.h"

// The scroll bars in a window's frame, as the window system runs them for a window that leaves
// WM_NCLBUTTONDOWN on HTVSCROLL or HTHSCROLL to the default handling: an arrow or the track
// beside the thumb scrolls once and repeats while held, the thumb follows the pointer; the
// window hears it all as WM_VSCROLL or WM_HSCROLL. From the press until the left button goes
// up, the input layer hands the pointer here instead of to a window.

// Timer of the held bar's window that drives the repeat.
inline constexpr uintptr_t kFrameScrollTimerId = 0xFFFE;

// A press on the bar `hitCode` names at `screen`; answers whether it was on a part of the bar.
bool BeginFrameScrollTracking(HWND h, LRESULT hitCode, TPoint screen);
bool FrameScrollTracking();
void TrackFrameScroll(TPoint screen);
// The left button went up: the last scroll codes, and the bar is let go.
void EndFrameScrollTracking();
// A mouse message for `h` that reached it while its bar is held (sent to it rather than
// coming through the input layer) moves or lets go the bar as the pointer does: answers
// whether the bar took it.
bool FrameScrollTakesMouse(HWND h, UINT msg, TPoint screen);
// WM_TIMER of `h` with kFrameScrollTimerId.
void FrameScrollTimer(HWND h);
