// A form's main menu bar: titles, opening menus by mouse and keys.
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

TMainMenu* TFormMenuBar::Menu() const { return dynamic_cast<TMainMenu*>(form_->Menu()); }

void TFormMenuBar::Place(TRect& client, TPoint origin) {
  int height = Menu() ? std::min(GetSystemMetrics(SM_CYMENU), client.Height()) : 0;
  bar_ = Rect(client.Left - origin.x, client.Top - origin.y, client.Right - origin.x, client.Top - origin.y + height);
  client.Top += height;
}

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
    bool pressed = i == Selected() && IsOpen();
    bool raised = !pressed && (i == Selected() || (i == Hot() && Selected() < 0));
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

TPoint TFormMenuBar::WindowOrigin() const {
  TRect window;
  GetWindowRect(form_->Handle(), window);
  return window.TopLeft();
}

int TFormMenuBar::TitleAtScreen(TPoint screen) const {
  TPoint origin = WindowOrigin();
  return TitleAt({screen.x - origin.x, screen.y - origin.y});
}

TPoint TFormMenuBar::DropPoint(int index) const {
  TRect r = TitleRect(index);
  TPoint origin = WindowOrigin();
  return {origin.x + r.Left, origin.y + r.Bottom};
}

void TFormMenuBar::MouseMove(TPoint window) { MouseOver(TitleAt(window)); }

void TFormMenuBar::MouseDown(TPoint window) {
  int index = TitleAt(window);
  if (index < 0) return;
  if (index == Selected() && IsOpen()) {
    Menu()->SubmenuPopup()->CloseMenu();
    return;
  }
  Open(index, false);
}
