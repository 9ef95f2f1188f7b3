#pragma once

#include "platform/controls/menus.h"
#include "skin/themes.h"

class TskFileTheme;
class TskTitleBar;

// The control-box menu of a title bar: minimize, maximize or restore, and close its form.
// Each item is enabled only while the bar has a button of that kind.
class TskTitleBarPopupMenu : public TPopupMenu {
  DECLARE_CLASS(TskTitleBarPopupMenu, TPopupMenu)
 public:
  explicit TskTitleBarPopupMenu(TskTitleBar* titleBar);
  void Popup(int x, int y) override;

  TskTitleBar* TitleBar() const { return titleBar_; }
  TskUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TskUIStyle value) { uiStyle_ = value; }
  TskFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(TskFileTheme* value) { fileTheme_ = value; }
  TMenuItem* MinimizeItem() const { return Items()->Items(0); }
  TMenuItem* MaximizeItem() const { return Items()->Items(1); }
  TMenuItem* CloseItem() const { return Items()->Items(3); }

 private:
  TMenuItem* AddItem(const String& caption, std::function<void()> click);
  void ClickMaxButtons();

  TskTitleBar* titleBar_;
  TskUIStyle uiStyle_ = Marine;
  TskFileTheme* fileTheme_ = nullptr;
};
