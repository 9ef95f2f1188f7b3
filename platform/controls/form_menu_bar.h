#pragma once

#include <vector>

#include "platform/controls/menus.h"
#include "platform/graphics/gdi_handles.h"
#include "platform/windows/window_tree.h"

class TCustomForm;

// The menu bar of a form whose Menu is a main menu: one row of the top-level items' captions
// (accelerators underlined) in the non-client area under the caption. The mouse over a title
// raises it, a press opens its items as a pop-up under it (the title looks pressed meanwhile);
// F10 or Alt alone selects the first title, Alt+letter opens the title of that accelerator,
// Left and Right move between titles (also while one is open), Down or Enter opens the
// selected one, Escape steps back out. While a title is open, the mouse moving onto another
// title opens that one, and a press on the open title closes it.
class TFormMenuBar : public IMenuBarHost {
 public:
  explicit TFormMenuBar(TCustomForm* form) : form_(form) {}
  ~TFormMenuBar() override;
  TFormMenuBar(const TFormMenuBar&) = delete;
  TFormMenuBar& operator=(const TFormMenuBar&) = delete;

  TMainMenu* Menu() const;
  // Follows the form's menu: hears the new one's pop-up, forgets the old one.
  void MenuChanged(TMainMenu* old);
  // WM_NCCALCSIZE: takes the bar's height from the top of `client`, whose coordinates have
  // their origin at `origin` (the window's top-left corner).
  void Place(TRect& client, TPoint origin);
  // In window coordinates; empty without a menu.
  TRect BarRect() const { return Menu() ? bar_ : TRect(); }
  // Where top-level item `index` is drawn, in window coordinates (empty when hidden).
  TRect TitleRect(int index) const;
  int TitleAt(TPoint window) const;
  void Paint(HDC windowDC);

  // The title under the mouse (-1: none), the title selected by keyboard or open (-1: none).
  int Hot() const { return hot_; }
  int Selected() const { return selected_; }
  bool IsOpen() const;
  void MouseMove(TPoint window);
  void MouseDown(TPoint window);
  // A key message for the form before its focused control sees it; answers whether the bar
  // took it.
  bool PreviewKey(const MSG& msg);
  // Alt+letter nobody else took: opens the title of that accelerator.
  bool SysChar(char16_t code);

  bool SubmenuKey(uint16_t key) override;
  void SubmenuClosed() override;
  void MenuItemsChanged() override;
  bool SubmenuMouse(TPoint screen, bool press) override;

 private:
  int Count() const;
  bool Shown(int index) const;
  std::vector<TRect> TitleRects() const;
  int Next(int from, int step) const;
  int TitleOfAccel(char16_t code) const;
  void Select(int index, bool keyboard);
  void Open(int index, bool keyboard);
  void Leave() { Select(-1, false); }
  bool KeyWhileSelected(const MSG& msg);
  void Redraw();

  TCustomForm* form_;
  TRect bar_;
  int hot_ = -1;
  int selected_ = -1;
  bool keyboard_ = false;  // selected by keyboard: keys go to the bar
  bool altAlone_ = false;  // Alt went down and nothing else since
};
