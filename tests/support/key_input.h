#pragma once

#include <string_view>

#include "platform/controls/control.h"
#include "platform/core/scope_guard.h"
#include "platform/core/strings.h"
#include "platform/windows/keys.h"

namespace test_input {

// Presses and releases a key on `control`, with Shift and Ctrl held as `shift` says.
// The modifiers come up again also when the key raises, so that no later key finds them held.
inline void Key(TControl* control, uint16_t vk, TShiftState shift = {}) {
  ScopeGuard release([] {
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
  });
  if (shift.Contains(ssShift)) SetKeyDown(VK_SHIFT, true);
  if (shift.Contains(ssCtrl)) SetKeyDown(VK_CONTROL, true);
  control->Perform(WM_KEYDOWN, vk, 1);
  control->Perform(WM_KEYUP, vk, 1);
}

// Types UTF-8 text the way the keyboard delivers it: one WM_CHAR per UTF-16 unit.
inline void Type(TControl* control, std::string_view text) {
  for (char16_t unit : Utf8ToUtf16(text)) control->Perform(WM_CHAR, unit, 1);
}

}  // namespace test_input
