#pragma once

#include <functional>

#include "platform/windows/window_tree.h"

// One turn of the message loop: toolkit events become messages, posted messages are
// dispatched in order (each first offered to `filter`, which answers true when it handled the
// message itself), due timers post WM_TIMER and are dispatched, then invalid windows paint and
// what the turn painted is shown on the screen.
// Answers false when WM_QUIT was taken from the queue (its exit code in `exitCode`).
using TMessageFilter = std::function<bool(MSG&)>;
bool PumpMessages(const TMessageFilter& filter = {}, int* exitCode = nullptr);
