#pragma once

#include "platform/core/strings.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_tree.h"

// Input as the window system delivers it. The backend (or a test) reports what the user did
// in screen coordinates; this layer posts the messages a window would receive: WM_NCHITTEST
// and WM_SETCURSOR decide where and how, mouse messages go to the capture window, else to the
// window a button went down in while it stays down, else to the window under the pointer;
// a second press within the double-click time and distance becomes WM_xBUTTONDBLCLK (for
// classes with CS_DBLCLKS); key presses post WM_KEYDOWN, WM_CHAR per character typed, and
// WM_KEYUP to the focused window.
void InjectMouseMove(TPoint screen);
void InjectMouseButton(TMouseButton button, bool down, TPoint screen);
// `toolkitDelta` in eighths of a degree (120 per notch); smaller steps add up until a notch
// is reached, and WM_MOUSEWHEEL carries whole multiples of WHEEL_DELTA. It goes to the window
// under the pointer, or to the focused window when none of ours is there.
void InjectMouseWheel(int toolkitDelta, TPoint screen);
// `text` is what the key types (UTF-8), empty for keys that type nothing.
void InjectKey(uint16_t vk, bool down, const String& text = {});
// Convenience for tests: press and release.
void InjectClick(TPoint screen, TMouseButton button = mbLeft);
void InjectKeyStroke(uint16_t vk, const String& text = {});
// Mouse and key input queued for a window whose top-level window was disabled since (a modal
// window opened meanwhile): the message loop drops it, as the window system refuses input to
// a disabled window.
bool InputRefused(const MSG& m);
// Where the left button last went down (screen): a move started by a press, whoever passes
// the press on, follows the pointer from there.
TPoint LeftButtonDownPoint();
// Forgets double-click history, implicit capture and wheel remainder (tests start clean).
void ResetInput();
