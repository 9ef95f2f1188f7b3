#pragma once

#include "platform/controls/menu_bar_keys.h"

class TToolBar;
class TToolButton;

// A tool bar whose buttons show the titles of a main menu (their MenuItem) is that menu's bar:
// its buttons open the titles' items and it is worked by keys and the mouse as any menu bar.
class TToolBarMenuKeys : public TMenuBarKeys {
 public:
  explicit TToolBarMenuKeys(TToolBar* bar) : bar_(bar) {}
  TToolBarMenuKeys(const TToolBarMenuKeys&) = delete;
  TToolBarMenuKeys& operator=(const TToolBarMenuKeys&) = delete;

  // The main menu whose titles the buttons show; nullptr when none does.
  TMainMenu* Menu() const override;
  // The title a button shows, -1 for none.
  int TitleOf(const TToolButton* button) const;

 protected:
  bool TitleShown(int index) const override;
  int TitleAtScreen(TPoint screen) const override;
  TPoint DropPoint(int index) const override;
  void Redraw() override;

 private:
  TToolButton* ButtonOf(int index) const;

  TToolBar* bar_;
};
