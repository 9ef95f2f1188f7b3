#include "platform/controls/form_menu_bar.h"

#include <vector>

#include "platform/controls/control_types.h"
#include "platform/controls/forms.h"
#include "platform/controls/menu_window.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/painting.h"
#include "platform/windows/system_metrics.h"

namespace {

constexpr unsigned kTitleFlags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
constexpr int kTitlePadding = 7;

}  // namespace

TFormMenuBar::~TFormMenuBar() {
  if (TMainMenu* menu = Menu()) menu->SetBarHost(nullptr);
}

TMainMenu* TFormMenuBar::Menu() const { return dynamic_cast<TMainMenu*>(form_->Menu()); }

void TFormMenuBar::MenuChanged(TMainMenu* old) {
  if (old) {
    old->SetBarHost(nullptr);
    if (old->IsSubmenuOpen()) old->SubmenuPopup()->CloseMenu();
  }
  hot_ = selected_ = -1;
  keyboard_ = altAlone_ = false;
  if (TMainMenu* menu = Menu()) menu->SetBarHost(this);
}

void TFormMenuBar::Place(TRect& client, TPoint origin) {
  int height = Menu() ? std::min(GetSystemMetrics(SM_CYMENU), client.Height()) : 0;
  bar_ = Rect(client.Left - origin.x, client.Top - origin.y, client.Right - origin.x, client.Top - origin.y + height);
  client.Top += height;
}

int TFormMenuBar::Count() const { return Menu() ? Menu()->Items()->Count() : 0; }

bool TFormMenuBar::Shown(int index) const {
  return index >= 0 && index < Count() && Menu()->Items()->Items(index)->Visible();
}

// Titles sit side by side from the left, as wide as their caption and some room; those that do
// not fit, and hidden ones, get an empty rectangle.
std::vector<TRect> TFormMenuBar::TitleRects() const {
  std::vector<TRect> rects(static_cast<size_t>(Count()));
  if (rects.empty()) return rects;
  TBitmap measure(1, 1);
  HDC dc = measure.Canvas()->Handle();
  SelectObject(dc, form_->Font()->Handle());
  int x = bar_.Left;
  for (int i = 0; i < Count(); ++i) {
    if (!Shown(i)) continue;
    TRect text = Rect(0, 0, 0, 0);
    DrawText(dc, Menu()->Items()->Items(i)->Caption(), text, kTitleFlags | DT_CALCRECT);
    TRect title = Rect(x, bar_.Top, x + text.Width() + 2 * kTitlePadding, bar_.Bottom);
    if (title.Right > bar_.Right) break;
    rects[static_cast<size_t>(i)] = title;
    x = title.Right;
  }
  return rects;
}

TRect TFormMenuBar::TitleRect(int index) const {
  if (!Shown(index)) return {};
  return TitleRects()[static_cast<size_t>(index)];
}

int TFormMenuBar::TitleAt(TPoint window) const {
  if (!BarRect().Contains(window)) return -1;
  std::vector<TRect> rects = TitleRects();
  for (size_t i = 0; i < rects.size(); ++i)
    if (rects[i].Contains(window)) return static_cast<int>(i);
  return -1;
}

bool TFormMenuBar::IsOpen() const { return Menu() && Menu()->IsSubmenuOpen(); }

// The classic look: titles on the menu colour, a raised edge for the title under the mouse or
// selected by keyboard, a sunken one while its items are open, grey captions when disabled.
void TFormMenuBar::Paint(HDC dc) {
  if (!Menu() || bar_.IsEmpty()) return;
  TSavedDC saved(dc);
  FillRect(dc, bar_, GetSysColorBrush(COLOR_MENU));
  SelectObject(dc, form_->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  std::vector<TRect> rects = TitleRects();
  for (int i = 0; i < Count(); ++i) {
    TRect r = rects[static_cast<size_t>(i)];
    if (r.IsEmpty()) continue;
    TMenuItem* item = Menu()->Items()->Items(i);
    bool pressed = i == selected_ && IsOpen();
    bool raised = !pressed && (i == selected_ || (i == hot_ && selected_ < 0));
    if (pressed || raised) DrawEdge(dc, r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    TRect text = r;
    if (pressed) OffsetRect(text, 1, 1);
    SetTextColor(dc, GetSysColor(item->Enabled() ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
    DrawText(dc, item->Caption(), text, kTitleFlags);
  }
}

void TFormMenuBar::Redraw() {
  if (form_->HandleAllocated()) RedrawWindow(form_->Handle(), nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TFormMenuBar::MouseMove(TPoint window) {
  int hot = TitleAt(window);
  if (hot == hot_) return;
  hot_ = hot;
  Redraw();
}

void TFormMenuBar::MouseDown(TPoint window) {
  int index = TitleAt(window);
  if (index < 0) return;
  if (index == selected_ && IsOpen()) {
    Menu()->SubmenuPopup()->CloseMenu();
    return;
  }
  Open(index, false);
}

void TFormMenuBar::Select(int index, bool keyboard) {
  selected_ = index;
  keyboard_ = keyboard && index >= 0;
  Redraw();
}

// A title without items runs at once; one with items drops them under itself, the first one
// highlighted when the keyboard opened it.
void TFormMenuBar::Open(int index, bool keyboard) {
  TMenuItem* title = Menu()->Items()->Items(index);
  if (!title->Enabled()) return Select(index, true);
  if (title->Count() == 0) {
    Leave();
    title->Click();
    return;
  }
  TRect r = TitleRect(index);
  TRect window;
  GetWindowRect(form_->Handle(), window);
  Menu()->PopupSubmenu(index, window.Left + r.Left, window.Top + r.Bottom);
  Select(index, keyboard);
  if (!IsOpen()) return;
  keyboard_ = false;
  if (keyboard) Menu()->SubmenuPopup()->LevelWindow(0)->HandleKey(VK_HOME);
}

int TFormMenuBar::Next(int from, int step) const {
  int count = Count();
  for (int n = 1; n <= count; ++n) {
    int i = ((from + step * n) % count + count) % count;
    if (!TitleRect(i).IsEmpty()) return i;
  }
  return -1;
}

int TFormMenuBar::TitleOfAccel(char16_t code) const {
  for (int i = 0; i < Count(); ++i)
    if (!TitleRect(i).IsEmpty() && IsAccel(code, Menu()->Items()->Items(i)->Caption())) return i;
  return -1;
}

bool TFormMenuBar::SubmenuKey(uint16_t key) {
  int from = selected_;
  if (key == VK_ESCAPE) {
    Menu()->SubmenuPopup()->CloseMenu();
    Select(from, true);
    return true;
  }
  if (key != VK_LEFT && key != VK_RIGHT) return false;
  int next = Next(from, key == VK_RIGHT ? 1 : -1);
  if (next >= 0) Open(next, true);
  return true;
}

void TFormMenuBar::SubmenuClosed() { Leave(); }

// Titles may have come, gone or changed their look.
void TFormMenuBar::MenuItemsChanged() {
  if (hot_ >= Count()) hot_ = -1;
  if (selected_ >= Count()) Leave();
  Redraw();
}

bool TFormMenuBar::SubmenuMouse(TPoint screen, bool press) {
  TRect window;
  GetWindowRect(form_->Handle(), window);
  int index = TitleAt({screen.x - window.Left, screen.y - window.Top});
  if (index < 0) return false;
  if (press && index == selected_) Menu()->SubmenuPopup()->CloseMenu();
  else if (index != selected_) Open(index, false);
  return true;
}

bool TFormMenuBar::SysChar(char16_t code) {
  int index = Menu() ? TitleOfAccel(code) : -1;
  if (index < 0) return false;
  Open(index, true);
  return true;
}

bool TFormMenuBar::PreviewKey(const MSG& msg) {
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
bool TFormMenuBar::KeyWhileSelected(const MSG& msg) {
  uint16_t key = static_cast<uint16_t>(msg.wParam);
  if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
    int index = TitleOfAccel(static_cast<char16_t>(msg.wParam));
    if (index >= 0) Open(index, true);
    return true;
  }
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return true;
  switch (key) {
    case VK_LEFT: case VK_RIGHT: Select(Next(selected_, key == VK_RIGHT ? 1 : -1), true); break;
    case VK_DOWN: case VK_UP: case VK_RETURN: Open(selected_, true); break;
    case VK_ESCAPE: case VK_F10: Leave(); break;
    default: break;
  }
  return true;
}
