#pragma once

#include "platform/windows/messages.h"

// Draws a window's non-client area (WM_NCPAINT's default): frame, caption with its title and
// buttons, client edge and the frame's scroll bars. With `dc` (origin at the window's corner)
// draws there instead of on the screen.
struct HDC__;
void PaintWindowFrame(HWND h, HDC__* dc = nullptr);
