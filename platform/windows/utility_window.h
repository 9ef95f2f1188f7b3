#pragma once

#include <functional>

#include "platform/windows/window_tree.h"

// A hidden window that hands every message to a method: what a timer or another
// non-visual object uses to receive WM_TIMER and posted messages.
using TWndMethod = std::function<void(TMessage&)>;
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND h);
