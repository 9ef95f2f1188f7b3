// Keys and mouse of a menu bar: opening titles by mnemonic, F10 or Alt, moving between menus.
#include "platform/controls/menu_bar_keys.h"

#include <utility>

#include "platform/controls/control_types.h"
#include "platform/controls/menu_window.h"
#include "platform/windows/keys.h"

TMenuBarKeys::~TMenuBarKeys() { LetGo(); }

// The menu is told first, so that closing its list tells this bar nothing.
void TMenuBarKeys::LetGo() {
  TMainMenu* menu = std::exchange(heard_, nullptr);
  if (menu == nullptr || menu->BarHost() != this) return;
  menu->SetBarHost(nullptr);
  if (menu->IsSubmenuOpen()) menu->SubmenuPopup()->CloseMenu();
}

void TMenuBarKeys::Follow() {
  TMainMenu* menu = Menu();
  if (menu == heard_) return;
  LetGo();
  Reset();
  heard_ = menu;
  if (menu != nullptr) menu->SetBarHost(this);
}

// Nothing is drawn here: the bar may be on its way out.
void TMenuBarKeys::MenuReleased() {
  heard_ = nullptr;
  Reset();
}

bool TMenuBarKeys::IsOpen() const { return Menu() && Menu()->IsSubmenuOpen(); }

void TMenuBarKeys::Reset() {
  hot_ = selected_ = -1;
  selectedTitle_ = nullptr;
  keyboard_ = altAlone_ = reaching_ = false;
}

void TMenuBarKeys::SetHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  Redraw();
}

void TMenuBarKeys::Select(int index, bool keyboard) {
  selected_ = index;
  selectedTitle_ = index >= 0 && index < Count() ? Menu()->Items()->Items(index) : nullptr;
  keyboard_ = keyboard && index >= 0;
  if (index < 0) reaching_ = false;
  Redraw();
}

// A title without items runs at once, the list of another closed first; one with items drops
// them under itself, the first one highlighted when the keyboard opened it. The open list
// tells this bar of keys, the mouse and its closing.
void TMenuBarKeys::Open(int index, bool keyboard) {
  Follow();
  TMenuItem* title = Menu()->Items()->Items(index);
  if (!title->Enabled()) return Select(index, true);
  if (title->Count() == 0) {
    if (IsOpen()) Menu()->SubmenuPopup()->CloseMenu();
    Leave();
    title->Click();
    return;
  }
  TPoint at = DropPoint(index);
  Menu()->PopupSubmenu(index, at.x, at.y);
  Select(index, keyboard);
  if (!IsOpen()) return;
  keyboard_ = false;
  if (keyboard) Menu()->SubmenuPopup()->LevelWindow(0)->HandleKey(VK_HOME);
}

void TMenuBarKeys::Reach(int index, bool keyboard) {
  TMenuItem* title = Menu()->Items()->Items(index);
  if (title->Enabled() && title->Count() > 0) return Open(index, keyboard);
  if (IsOpen()) Menu()->SubmenuPopup()->CloseMenu();
  Select(index, true);
  reaching_ = true;
}

void TMenuBarKeys::MouseOver(int index) {
  Follow();
  SetHot(index);
  if (reaching_ && index >= 0 && index != selected_) Reach(index, false);
}

int TMenuBarKeys::Next(int from, int step) const {
  int count = Count();
  for (int n = 1; n <= count; ++n) {
    int i = ((from + step * n) % count + count) % count;
    if (TitleShown(i)) return i;
  }
  return -1;
}

int TMenuBarKeys::TitleOfAccel(char16_t code) const {
  for (int i = 0; i < Count(); ++i)
    if (TitleShown(i) && IsAccel(code, Menu()->Items()->Items(i)->Caption())) return i;
  return -1;
}

bool TMenuBarKeys::SubmenuKey(uint16_t key) {
  int from = selected_;
  if (key == VK_ESCAPE) {
    Menu()->SubmenuPopup()->CloseMenu();
    Select(from, true);
    return true;
  }
  if (key != VK_LEFT && key != VK_RIGHT) return false;
  int next = Next(from, key == VK_RIGHT ? 1 : -1);
  if (next >= 0) Reach(next, true);
  return true;
}

void TMenuBarKeys::SubmenuClosed() { Leave(); }

// Titles may have come, gone or changed their look; the selected one is found again, or the
// selection goes with it.
void TMenuBarKeys::MenuItemsChanged() {
  Follow();
  if (hot_ >= Count()) hot_ = -1;
  if (selectedTitle_ != nullptr) {
    int now = Menu()->Items()->IndexOf(selectedTitle_);
    if (now < 0) Leave();
    else selected_ = now;
  }
  Redraw();
}

bool TMenuBarKeys::SubmenuMouse(TPoint screen, bool press) {
  int index = TitleAtScreen(screen);
  if (index < 0) return false;
  if (press && index == selected_) Menu()->SubmenuPopup()->CloseMenu();
  else if (press) Open(index, false);
  else if (index != selected_) Reach(index, false);
  return true;
}

bool TMenuBarKeys::SysChar(char16_t code) {
  Follow();
  int index = Menu() ? TitleOfAccel(code) : -1;
  if (index < 0) return false;
  Open(index, true);
  return true;
}

bool TMenuBarKeys::PreviewKey(const MSG& msg) {
  Follow();
  if (!Menu()) return false;
  uint16_t key = static_cast<uint16_t>(msg.wParam);
  bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
  if (down) {
    bool wasAlone = altAlone_;
    altAlone_ = key == VK_MENU && !(msg.lParam & (LPARAM{1} << 30));
    if (key == VK_MENU && wasAlone) altAlone_ = true;  // auto-repeat of Alt alone
  }
  if (up && key == VK_MENU && altAlone_) {
    altAlone_ = false;
    if (keyboard_) Leave();
    else Select(Next(-1, 1), true);
    return true;
  }
  if (keyboard_) return KeyWhileSelected(msg);
  if (down && key == VK_F10 && !KeyDataToShiftState(msg.lParam).Contains(ssShift)) {
    Select(Next(-1, 1), true);
    return true;
  }
  return false;
}

// With a title selected by keyboard, the bar takes every key.
bool TMenuBarKeys::KeyWhileSelected(const MSG& msg) {
  uint16_t key = static_cast<uint16_t>(msg.wParam);
  if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
    int index = TitleOfAccel(static_cast<char16_t>(msg.wParam));
    if (index >= 0) Open(index, true);
    return true;
  }
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return true;
  switch (key) {
    case VK_LEFT: case VK_RIGHT: {
      int next = Next(selected_, key == VK_RIGHT ? 1 : -1);
      if (reaching_ && next >= 0) Reach(next, true);
      else Select(next, true);
      break;
    }
    case VK_DOWN: case VK_UP: case VK_RETURN: Open(selected_, true); break;
    case VK_ESCAPE: case VK_F10: Leave(); break;
    default: break;
  }
  return true;
}
