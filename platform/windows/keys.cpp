#include "platform/windows/keys.h"

#include <array>

#include "platform/windows/input.h"

namespace {

struct TKeyboardState {
  std::array<bool, 256> down{};
  std::array<bool, 256> toggled{};
  TPoint cursor;
};

TKeyboardState& State() {
  static TKeyboardState state;
  return state;
}

bool Down(int vk) { return vk >= 0 && vk < 256 && State().down[static_cast<size_t>(vk)]; }

}  // namespace

int16_t GetKeyState(int vk) {
  if (vk < 0 || vk >= 256) return 0;
  int16_t result = Down(vk) ? static_cast<int16_t>(0x8000) : 0;
  if (State().toggled[static_cast<size_t>(vk)]) result |= 1;
  return result;
}

int16_t GetAsyncKeyState(int vk) { return GetKeyState(vk); }

void SetKeyDown(int vk, bool down) {
  if (vk < 0 || vk >= 256) return;
  auto i = static_cast<size_t>(vk);
  if (down && !State().down[i]) State().toggled[i] = !State().toggled[i];
  State().down[i] = down;
  // The generic modifier keys follow their left and right keys.
  if (vk == VK_LSHIFT || vk == VK_RSHIFT) State().down[VK_SHIFT] = Down(VK_LSHIFT) || Down(VK_RSHIFT) || (down && vk == VK_SHIFT);
  if (vk == VK_LCONTROL || vk == VK_RCONTROL) State().down[VK_CONTROL] = Down(VK_LCONTROL) || Down(VK_RCONTROL);
  if (vk == VK_LMENU || vk == VK_RMENU) State().down[VK_MENU] = Down(VK_LMENU) || Down(VK_RMENU);
}

void ResetKeyState() {
  State().down.fill(false);
  State().toggled.fill(false);
}

TShiftState GetShiftState() {
  TShiftState s;
  if (Down(VK_SHIFT)) s += ssShift;
  if (Down(VK_CONTROL)) s += ssCtrl;
  if (Down(VK_MENU)) s += ssAlt;
  if (Down(VK_LBUTTON)) s += ssLeft;
  if (Down(VK_RBUTTON)) s += ssRight;
  if (Down(VK_MBUTTON)) s += ssMiddle;
  return s;
}

TShiftState KeysToShiftState(uint32_t keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s += ssShift;
  if (keys & MK_CONTROL) s += ssCtrl;
  if (keys & MK_LBUTTON) s += ssLeft;
  if (keys & MK_RBUTTON) s += ssRight;
  if (keys & MK_MBUTTON) s += ssMiddle;
  if (Down(VK_MENU)) s += ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(intptr_t keyData) {
  TShiftState s;
  if (Down(VK_SHIFT)) s += ssShift;
  if (Down(VK_CONTROL)) s += ssCtrl;
  if (keyData & AltMask) s += ssAlt;
  return s;
}

uint32_t CurrentMouseKeys() {
  uint32_t keys = 0;
  if (Down(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (Down(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (Down(VK_MBUTTON)) keys |= MK_MBUTTON;
  if (Down(VK_SHIFT)) keys |= MK_SHIFT;
  if (Down(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

TPoint GetCursorPos() { return State().cursor; }

void SetCursorPos(TPoint p) { InjectMouseMove(p); }

void SetCursorPosQuietly(TPoint p) { State().cursor = p; }
