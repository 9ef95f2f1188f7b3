#pragma once

#include <cstdint>

#include "platform/core/sets.h"
#include "platform/core/types.h"

// Virtual-key codes, mouse-key flags and shift states as the window system reports them.
inline constexpr uint16_t VK_LBUTTON = 0x01;
inline constexpr uint16_t VK_RBUTTON = 0x02;
inline constexpr uint16_t VK_CANCEL = 0x03;
inline constexpr uint16_t VK_MBUTTON = 0x04;
inline constexpr uint16_t VK_BACK = 0x08;
inline constexpr uint16_t VK_TAB = 0x09;
inline constexpr uint16_t VK_CLEAR = 0x0C;
inline constexpr uint16_t VK_RETURN = 0x0D;
inline constexpr uint16_t VK_SHIFT = 0x10;
inline constexpr uint16_t VK_CONTROL = 0x11;
inline constexpr uint16_t VK_MENU = 0x12;
inline constexpr uint16_t VK_PAUSE = 0x13;
inline constexpr uint16_t VK_CAPITAL = 0x14;
inline constexpr uint16_t VK_ESCAPE = 0x1B;
inline constexpr uint16_t VK_SPACE = 0x20;
inline constexpr uint16_t VK_PRIOR = 0x21;
inline constexpr uint16_t VK_NEXT = 0x22;
inline constexpr uint16_t VK_END = 0x23;
inline constexpr uint16_t VK_HOME = 0x24;
inline constexpr uint16_t VK_LEFT = 0x25;
inline constexpr uint16_t VK_UP = 0x26;
inline constexpr uint16_t VK_RIGHT = 0x27;
inline constexpr uint16_t VK_DOWN = 0x28;
inline constexpr uint16_t VK_SELECT = 0x29;
inline constexpr uint16_t VK_PRINT = 0x2A;
inline constexpr uint16_t VK_SNAPSHOT = 0x2C;
inline constexpr uint16_t VK_INSERT = 0x2D;
inline constexpr uint16_t VK_DELETE = 0x2E;
inline constexpr uint16_t VK_HELP = 0x2F;
inline constexpr uint16_t VK_LWIN = 0x5B;
inline constexpr uint16_t VK_RWIN = 0x5C;
inline constexpr uint16_t VK_APPS = 0x5D;
inline constexpr uint16_t VK_NUMPAD0 = 0x60;
inline constexpr uint16_t VK_NUMPAD9 = 0x69;
inline constexpr uint16_t VK_MULTIPLY = 0x6A;
inline constexpr uint16_t VK_ADD = 0x6B;
inline constexpr uint16_t VK_SEPARATOR = 0x6C;
inline constexpr uint16_t VK_SUBTRACT = 0x6D;
inline constexpr uint16_t VK_DECIMAL = 0x6E;
inline constexpr uint16_t VK_DIVIDE = 0x6F;
inline constexpr uint16_t VK_F1 = 0x70;
inline constexpr uint16_t VK_F2 = 0x71;
inline constexpr uint16_t VK_F3 = 0x72;
inline constexpr uint16_t VK_F4 = 0x73;
inline constexpr uint16_t VK_F5 = 0x74;
inline constexpr uint16_t VK_F10 = 0x79;
inline constexpr uint16_t VK_F12 = 0x7B;
inline constexpr uint16_t VK_F24 = 0x87;
inline constexpr uint16_t VK_NUMLOCK = 0x90;
inline constexpr uint16_t VK_SCROLL = 0x91;
inline constexpr uint16_t VK_LSHIFT = 0xA0;
inline constexpr uint16_t VK_RSHIFT = 0xA1;
inline constexpr uint16_t VK_LCONTROL = 0xA2;
inline constexpr uint16_t VK_RCONTROL = 0xA3;
inline constexpr uint16_t VK_LMENU = 0xA4;
inline constexpr uint16_t VK_RMENU = 0xA5;

inline constexpr uint32_t MK_LBUTTON = 0x0001;
inline constexpr uint32_t MK_RBUTTON = 0x0002;
inline constexpr uint32_t MK_SHIFT = 0x0004;
inline constexpr uint32_t MK_CONTROL = 0x0008;
inline constexpr uint32_t MK_MBUTTON = 0x0010;

enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Bit 29 of a key message's LParam: Alt was down.
constexpr intptr_t AltMask = 0x20000000;

// Key state as the input layer last saw it. Bit 15 of the answer: the key is down; bit 0:
// toggled (Caps Lock and the like).
int16_t GetKeyState(int vk);
int16_t GetAsyncKeyState(int vk);
// Shift state of the keyboard and mouse buttons right now.
TShiftState GetShiftState();
// Shift state from MK_* flags (mouse messages) or from a key message's LParam.
TShiftState KeysToShiftState(uint32_t keys);
TShiftState KeyDataToShiftState(intptr_t keyData);
// MK_* flags for the current keyboard and button state.
uint32_t CurrentMouseKeys();

// Modifier keys and mouse buttons as they were when a queued message was posted: the message
// loop makes them current again when it takes the message, so that a handler sees the
// state that belongs to its message (GetKeyState), not the state of later input.
uint32_t SnapshotModifiers();
void SetSynchronousModifiers(uint32_t snapshot);

// The input layer records key and button transitions here.
void SetKeyDown(int vk, bool down);
void ResetKeyState();
void SetCursorPosQuietly(TPoint p);  // records where the pointer is, sending nothing

TPoint GetCursorPos();
void SetCursorPos(TPoint p);  // moves the pointer as the user would (sends mouse moves)
