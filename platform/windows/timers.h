#pragma once

#include <cstdint>

#include "platform/windows/window_tree.h"

// Timers per (window, id), read from the one clock. Restarting an id takes the new interval
// and starts counting again; an interval of 0 (or below the minimum) fires every
// USER_TIMER_MINIMUM ms; a negative interval never fires. A due timer posts one WM_TIMER
// (never two for the same timer in the queue) when the message loop asks for due timers.
uintptr_t SetTimer(HWND h, uintptr_t id, int intervalMs);
bool KillTimer(HWND h, uintptr_t id);
// Posts WM_TIMER for every due timer; answers how many were posted.
int PostDueTimers();
// Milliseconds until the next timer is due (0: one is due now, -1: none will fire).
int64_t MsUntilNextTimer();
size_t ActiveTimerCount();
