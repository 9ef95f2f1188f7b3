#pragma once

// What the real-window tests share: an X server of their own (ctest runs the program on one
// of its own, once without and once with the window manager that REAL_WINDOWS_WM names), the
// toolkit for the whole program, real input through xdotool, and waits that poll for the
// state they expect with a deadline, so that a slow machine makes a test slower, never wrong.
#include <functional>
#include <string>

#include "platform/core/types.h"

// How long a wait for what a test expects may take before it counts as never coming. The
// display, the window manager and the other programs answer when the machine gets to them, so
// this is far beyond any answer that is merely slow; a wait that holds returns at once.
constexpr int kPatienceMs = 60000;

// The window manager the program runs under, nullptr for none.
const char* WindowManagerName();
// Runs xdotool with `arguments`; answers whether it succeeded. Its requests reach the server in
// the order given and it waits for the server before it exits, so a pointer move needs no
// --sync, which would stall for seconds when the pointer already stands where it is sent.
bool Xdo(const std::string& arguments);
// Polls `condition`, handling our messages meanwhile, until it holds or `ms` have passed.
bool WaitFor(const std::function<bool()>& condition, int ms = kPatienceMs);
// A new empty folder of the test's own in the temporary folder, its name starting `prefix`;
// "" when none could be made.
std::string FreshFolder(const char* prefix);
// Moves the pointer to a screen point and clicks the left button there.
bool ClickAt(TPoint screen);
// Presses at `from`, moves to `to` in steps once our side has taken the press, as a hand
// would, and releases once `arrived` holds (or its wait ran out); answers whether it did.
bool Drag(TPoint from, TPoint to, const std::function<bool()>& arrived);
