#pragma once

#include <cstdint>

#include "platform/core/strings.h"
#include "platform/windows/keys.h"

// A key with its modifiers, as menus and actions store it: the virtual key in the low byte and
// scShift, scCtrl, scAlt above it; 0 is no shortcut.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Ctrl+Shift+S", "F5", "Del", "Alt+Enter"; empty for 0 or a key without a name.
String ShortCutToText(TShortCut shortCut);
// The reverse, ignoring case and spaces around "+"; 0 for text that names no shortcut.
TShortCut TextToShortCut(const String& text);
