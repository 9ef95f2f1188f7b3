#pragma once

#include "platform/controls/menus.h"
#include "platform/windows/window_tree.h"

// How a bar of a main menu's titles is worked, wherever it is drawn: F10 or Alt alone selects
// the first title, Alt+letter opens the title of that accelerator, Left and Right move between
// titles (also while one is open), Down or Enter opens the selected one, Escape steps back out;
// while a title is open, the mouse moving onto another title opens that one, and a press on
// the open title closes it. A title without items runs when it is chosen (a click, Enter, its
// letter); reached by the arrows or the mouse from an open title, it is only selected, and the
// titles after it open as they are reached. The selection follows titles that come and go.
// What a bar draws and where its titles are is its own.
class TMenuBarKeys : public IMenuBarHost {
 public:
  // Lets go of the menu it hears, closing its open list.
  ~TMenuBarKeys() override;

  virtual TMainMenu* Menu() const = 0;
  // The title under the mouse (-1: none), the title selected by keyboard or open (-1: none).
  int Hot() const { return hot_; }
  int Selected() const { return selected_; }
  bool IsOpen() const;
  // A key message for the form before its focused control sees it; answers whether the bar
  // took it.
  bool PreviewKey(const MSG& msg);
  // Alt+letter nobody else took: opens the title of that accelerator.
  bool SysChar(char16_t code);
  // Opens title `index` as a press on it does.
  void OpenByMouse(int index) { Open(index, false); }
  // The mouse is over title `index` (-1: none).
  void MouseOver(int index);
  // Hears the menu the bar shows now; one it showed before is let go, with the selection.
  void Follow();

  bool SubmenuKey(uint16_t key) override;
  void SubmenuClosed() override;
  void MenuItemsChanged() override;
  bool SubmenuMouse(TPoint screen, bool press) override;
  void MenuReleased() override;

 protected:
  int Count() const { return Menu() ? Menu()->Items()->Count() : 0; }
  // Title `index` is shown where the user can reach it.
  virtual bool TitleShown(int index) const = 0;
  // The title at a screen point, -1 for none.
  virtual int TitleAtScreen(TPoint screen) const = 0;
  // The screen point a title's items drop from (under its left edge).
  virtual TPoint DropPoint(int index) const = 0;
  virtual void Redraw() = 0;

  void SetHot(int index);
  void Select(int index, bool keyboard);
  // Title `index` chosen: one with items opens, one without runs.
  void Open(int index, bool keyboard);
  // Title `index` reached by an arrow key or the mouse from an open title or one reached so:
  // one with items opens, any other is selected and the open list closes.
  void Reach(int index, bool keyboard);
  void Leave() { Select(-1, false); }
  // Forgets the selection and the keys seen, for a new menu.
  void Reset();

 private:
  int Next(int from, int step) const;
  int TitleOfAccel(char16_t code) const;
  bool KeyWhileSelected(const MSG& msg);
  void LetGo();

  TMainMenu* heard_ = nullptr;  // the menu whose bar host this is
  int hot_ = -1;
  int selected_ = -1;
  // The selected title, only compared with the menu's titles: it may be gone.
  const TMenuItem* selectedTitle_ = nullptr;
  bool keyboard_ = false;  // selected by keyboard: keys go to the bar
  bool altAlone_ = false;  // Alt went down and nothing else since
  bool reaching_ = false;  // titles open as the arrows or the mouse reach them
};
