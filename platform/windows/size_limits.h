#pragma once

#include "platform/windows/window_tree.h"

// The sizes a top-level window may take, whoever sizes it: the program, the platform's own
// move-and-size tracking, or the window manager, which is told them as the real window's size
// hints. A window answers WM_GETMINMAXINFO (LParam: a MINMAXINFO*) to narrow them; it comes
// filled with no limit (a minimum of 0 x 0, a maximum of kNoSizeLimit).
struct MINMAXINFO {
  TPoint ptReserved;
  TPoint ptMaxSize;
  TPoint ptMaxPosition;
  TPoint ptMinTrackSize;
  TPoint ptMaxTrackSize;
};

inline constexpr int kNoSizeLimit = 1 << 24;

// What `top` answers; a child window has no limits of its own.
MINMAXINFO WindowSizeLimits(HWND h);
// `bounds` with its width and height kept within the limits of `h`; the edges named by
// `keepRight` / `keepBottom` stay where they are, the others move.
TRect KeepToSizeLimits(HWND h, TRect bounds, bool keepRight = false, bool keepBottom = false);
// The limits of the top-level window `h` changed: its real window is told.
void SizeLimitsChanged(HWND h);
