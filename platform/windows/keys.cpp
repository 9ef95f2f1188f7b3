// Keyboard state: keys down, toggles and synchronous key state.
#include "platform/windows/keys.h"

#include <array>

#include "platform/windows/input.h"

namespace {

struct TKeyboardState {
  std::array<bool, 256> down{};
  std::array<bool, 256> toggled{};
  std::array<bool, 256> syncDown{};  // modifiers and buttons as of the message being handled
  TPoint cursor;
};

// The keys whose state travels with queued messages.
constexpr std::array<uint16_t, 12> SynchronousKeys{VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_SHIFT, VK_CONTROL, VK_MENU,
                                                   VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU};

bool IsSynchronous(int vk) {
  for (uint16_t k : SynchronousKeys)
    if (k == vk) return true;
  return false;
}

TKeyboardState& State() {
  static TKeyboardState state;
  return state;
}

bool AsyncDown(int vk) { return vk >= 0 && vk < 256 && State().down[static_cast<size_t>(vk)]; }

bool Down(int vk) {
  if (vk < 0 || vk >= 256) return false;
  return IsSynchronous(vk) ? State().syncDown[static_cast<size_t>(vk)] : State().down[static_cast<size_t>(vk)];
}

}  // namespace

int16_t GetKeyState(int vk) {
  if (vk < 0 || vk >= 256) return 0;
  int16_t result = Down(vk) ? static_cast<int16_t>(0x8000) : 0;
  if (State().toggled[static_cast<size_t>(vk)]) result |= 1;
  return result;
}

int16_t GetAsyncKeyState(int vk) { return AsyncDown(vk) ? static_cast<int16_t>(0x8000) : 0; }

uint32_t SnapshotModifiers() {
  uint32_t bits = 0;
  for (size_t i = 0; i < SynchronousKeys.size(); ++i)
    if (AsyncDown(SynchronousKeys[i])) bits |= 1u << i;
  return bits;
}

void SetSynchronousModifiers(uint32_t snapshot) {
  for (size_t i = 0; i < SynchronousKeys.size(); ++i) State().syncDown[SynchronousKeys[i]] = (snapshot & (1u << i)) != 0;
}

void SetKeyDown(int vk, bool down) {
  if (vk < 0 || vk >= 256) return;
  auto i = static_cast<size_t>(vk);
  if (down && !State().down[i]) State().toggled[i] = !State().toggled[i];
  State().down[i] = down;
  // The generic modifier keys follow their left and right keys.
  if (vk == VK_LSHIFT || vk == VK_RSHIFT) State().down[VK_SHIFT] = AsyncDown(VK_LSHIFT) || AsyncDown(VK_RSHIFT);
  if (vk == VK_LCONTROL || vk == VK_RCONTROL) State().down[VK_CONTROL] = AsyncDown(VK_LCONTROL) || AsyncDown(VK_RCONTROL);
  if (vk == VK_LMENU || vk == VK_RMENU) State().down[VK_MENU] = AsyncDown(VK_LMENU) || AsyncDown(VK_RMENU);
  // Outside message handling (a caller that injects and asks at once) the state is current.
  SetSynchronousModifiers(SnapshotModifiers());
}

void ResetKeyState() {
  State().down.fill(false);
  State().toggled.fill(false);
  State().syncDown.fill(false);
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
  if (AsyncDown(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (AsyncDown(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (AsyncDown(VK_MBUTTON)) keys |= MK_MBUTTON;
  if (AsyncDown(VK_SHIFT)) keys |= MK_SHIFT;
  if (AsyncDown(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

TPoint GetCursorPos() { return State().cursor; }

void SetCursorPos(TPoint p) { InjectMouseMove(p); }

void SetCursorPosQuietly(TPoint p) { State().cursor = p; }
