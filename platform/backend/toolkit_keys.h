#pragma once

#include <cstdint>

// The window system's virtual-key code for a toolkit key number (0 for keys that only type
// text); `keypad` for keys of the numeric keypad.
uint16_t VirtualKeyOf(int toolkitKey, bool keypad);
