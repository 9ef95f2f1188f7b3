// A tool bar that shows a main menu's titles, worked by keys and the mouse as a menu bar.
#include "platform/controls/tool_bar_menu.h"

#include "platform/controls/tool_bar.h"

TMainMenu* TToolBarMenuKeys::Menu() const {
  for (int i = 0; i < bar_->ButtonCount(); ++i) {
    TMenuItem* item = bar_->Buttons(i)->MenuItem();
    auto* menu = item != nullptr ? dynamic_cast<TMainMenu*>(item->GetParentMenu()) : nullptr;
    if (menu != nullptr && item->Parent() == menu->Items()) return menu;
  }
  return nullptr;
}

int TToolBarMenuKeys::TitleOf(const TToolButton* button) const {
  TMainMenu* menu = Menu();
  TMenuItem* item = button->MenuItem();
  return menu != nullptr && item != nullptr && item->Parent() == menu->Items() ? item->MenuIndex() : -1;
}

TToolButton* TToolBarMenuKeys::ButtonOf(int index) const {
  for (int i = 0; i < bar_->ButtonCount(); ++i)
    if (TitleOf(bar_->Buttons(i)) == index) return bar_->Buttons(i);
  return nullptr;
}

bool TToolBarMenuKeys::TitleShown(int index) const {
  TToolButton* button = ButtonOf(index);
  return button != nullptr && button->Visible();
}

int TToolBarMenuKeys::TitleAtScreen(TPoint screen) const {
  if (!bar_->HandleAllocated()) return -1;
  TPoint p = bar_->ScreenToClient(screen);
  for (int i = 0; i < Count(); ++i)
    if (TitleShown(i) && ButtonOf(i)->BoundsRect().Contains(p)) return i;
  return -1;
}

TPoint TToolBarMenuKeys::DropPoint(int index) const {
  TToolButton* button = ButtonOf(index);
  return bar_->ClientToScreen({button->Left(), button->Top() + button->Height()});
}

void TToolBarMenuKeys::Redraw() { bar_->Invalidate(); }
