#pragma once

#include <vector>

#include "platform/controls/menu_bar_keys.h"
#include "platform/controls/menus.h"
#include "platform/graphics/gdi_handles.h"
#include "platform/windows/window_tree.h"

class TCustomForm;

// The menu bar of a form whose Menu is a main menu: one row of the top-level items' captions
// (accelerators underlined) in the non-client area under the caption. The mouse over a title
// raises it, a press opens its items as a pop-up under it (the title looks pressed meanwhile);
// the keys and the mouse work it as every menu bar is worked (TMenuBarKeys).
class TFormMenuBar : public TMenuBarKeys {
 public:
  explicit TFormMenuBar(TCustomForm* form) : form_(form) {}
  TFormMenuBar(const TFormMenuBar&) = delete;
  TFormMenuBar& operator=(const TFormMenuBar&) = delete;

  TMainMenu* Menu() const override;
  // Follows the form's menu: hears the new one's pop-up, forgets the old one.
  void MenuChanged() { Follow(); }
  // WM_NCCALCSIZE: takes the bar's height from the top of `client`, whose coordinates have
  // their origin at `origin` (the window's top-left corner).
  void Place(TRect& client, TPoint origin);
  // In window coordinates; empty without a menu.
  TRect BarRect() const { return Menu() ? bar_ : TRect(); }
  // Where top-level item `index` is drawn, in window coordinates (empty when hidden).
  TRect TitleRect(int index) const;
  int TitleAt(TPoint window) const;
  void Paint(HDC windowDC);

  void MouseMove(TPoint window);
  void MouseDown(TPoint window);

 protected:
  bool TitleShown(int index) const override { return !TitleRect(index).IsEmpty(); }
  int TitleAtScreen(TPoint screen) const override;
  TPoint DropPoint(int index) const override;
  void Redraw() override;

 private:
  bool Shown(int index) const;
  std::vector<TRect> TitleRects() const;
  TPoint WindowOrigin() const;

  TCustomForm* form_;
  TRect bar_;
};
