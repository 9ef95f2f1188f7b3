#pragma once

#include "skin/menus.h"

class TskTitleBar;

// The control-box menu of a title bar: minimize, maximize or restore, and close its form.
// Each item is enabled only while the bar has a button of that kind.
class TskTitleBarPopupMenu : public TskPopupMenu {
  DECLARE_CLASS(TskTitleBarPopupMenu, TskPopupMenu)
 public:
  explicit TskTitleBarPopupMenu(TskTitleBar* titleBar);
  void Popup(int x, int y) override;

  TskTitleBar* TitleBar() const { return titleBar_; }
  TMenuItem* MinimizeItem() const { return Items()->Items(0); }
  TMenuItem* MaximizeItem() const { return Items()->Items(1); }
  TMenuItem* CloseItem() const { return Items()->Items(3); }

 private:
  TMenuItem* AddItem(const String& caption, std::function<void()> click);
  void ClickMaxButtons();

  TskTitleBar* titleBar_;
};
