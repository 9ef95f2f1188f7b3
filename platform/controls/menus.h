#pragma once

#include <memory>
#include <vector>

#include "platform/classes/component.h"
#include "platform/classes/enum_info.h"
#include "platform/controls/actions.h"
#include "platform/controls/popup_source.h"
#include "platform/controls/shortcuts.h"

class TCanvas;
class TCustomImageList;
class TMenu;
class TMenuItem;
class TMenuWindow;

using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TMenuMeasureItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

// The link of a menu item to an action.
class TMenuActionLink : public TBasicActionLink {
 public:
  explicit TMenuActionLink(TMenuItem* client) : client_(client) {}
  bool IsOnExecuteLinked() const;
  void SetCaption(const String& v) override;
  void SetEnabled(bool v) override;
  void SetChecked(bool v) override;
  void SetHint(const String& v) override;
  void SetImageIndex(int v) override;
  void SetShortCut(TShortCut v) override;
  void SetVisible(bool v) override;
  void SetOnExecute(const TNotifyEvent& v) override;

 protected:
  void ActionAssigned() override;

 private:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
  TMenuItem* client_;
};

// One command of a menu, or a submenu when it has items. A caption of "-" makes a separator;
// "&" marks the accelerator letter. Checked radio items of one GroupIndex exclude each other.
class TMenuItem : public TComponent {
  DECLARE_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  static void Publish();

  const String& Caption() const { return caption_; }
  void SetCaption(const String& v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v) { radioItem_ = v; }
  uint8_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(uint8_t v) { groupIndex_ = v; }
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool v) { autoCheck_ = v; }
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut v) { shortCut_ = v; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { imageIndex_ = v; }
  const String& Hint() const { return hint_; }
  void SetHint(const String& v) { hint_ = v; }
  TBasicAction* Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }
  void SetAction(TBasicAction* action);
  bool IsLine() const { return caption_ == "-"; }

  // Sub-items.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  void Delete(int index);
  void Remove(TMenuItem* item);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Find(const String& caption) const;
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  // The menu this item belongs to (through its parents).
  TMenu* GetParentMenu() const;
  // The sub-item whose ShortCut is `shortCut`, at any depth, or nullptr.
  TMenuItem* FindShortCut(TShortCut shortCut);

  // Runs the item: its own OnClick, or its action's when OnClick is the action's handler. The
  // handler may free the item or its menu.
  virtual void Click();
  // Asks the linked action to bring its state up to date (idle processing calls this).
  void InitiateAction();

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  void UncheckRadioSiblings();
  // Tells the menu that what its bar shows may have changed.
  void Changed();

  String caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  uint8_t groupIndex_ = 0;
  bool autoCheck_ = false;
  bool default_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
  String hint_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::unique_ptr<TMenuActionLink> actionLink_;
};

// A tree of menu items with shared images and owner drawing.
class TMenu : public TComponent {
  DECLARE_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  static void Publish();

  TMenuItem* Items() const { return items_; }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  // With OwnerDraw, items with OnMeasureItem/OnDrawItem measure and draw themselves.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v) { ownerDraw_ = v; }
  // Runs the enabled item whose shortcut is key + shift; answers whether one ran.
  bool IsShortCut(uint16_t key, TShiftState shift);
  TMenuItem* FindItem(const String& caption) const { return items_->Find(caption); }
  // An item's caption, enabled state, visibility or sub-items changed.
  virtual void ItemsChanged() {}

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TMenuItem* items_;
  TCustomImageList* images_ = nullptr;
  bool ownerDraw_ = false;
};

class TPopupMenu;

// What the bar that shows a main menu hears from the pop-up of its open title.
class IMenuBarHost {
 public:
  virtual ~IMenuBarHost() = default;
  // A key the pop-up leaves to the bar (Left and Escape on its first level, Right on an item
  // without sub-items); answers whether the bar took it.
  virtual bool SubmenuKey(uint16_t key) = 0;
  // The pop-up closed, by a choice, Escape or a press elsewhere.
  virtual void SubmenuClosed() = 0;
  // What the menu's items show changed.
  virtual void MenuItemsChanged() = 0;
  // The mouse moved (or pressed) at a screen point outside the pop-up's levels; answers
  // whether the point is on the bar, which then opens the title there.
  virtual bool SubmenuMouse(TPoint screen, bool press) = 0;
  // The menu tells this bar nothing more: it is being freed, or another bar took it.
  virtual void MenuReleased() = 0;
};

// The menu of a form's menu bar; whoever draws the bar opens a title's submenu with
// PopupSubmenu, as a pop-up menu under the title. Its items' shortcuts work wherever the
// focus is on the form.
class TMainMenu : public TMenu, public IShortCutSource {
  DECLARE_CLASS(TMainMenu, TMenu)
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  // Opens the items of top-level item `index` at a screen point; raises EListError for a bad
  // index.
  void PopupSubmenu(int index, int x, int y);
  bool IsSubmenuOpen() const;
  TPopupMenu* SubmenuPopup() const { return dropper_.get(); }
  // The bar drawing this menu (nullptr: none); it is told about keys and closing, and the bar
  // it replaces that it was released.
  void SetBarHost(IMenuBarHost* host);
  IMenuBarHost* BarHost() const;
  using TMenu::IsShortCut;
  // A WM_KEYDOWN or WM_SYSKEYDOWN that is an enabled item's shortcut runs the item.
  bool IsShortCut(TMessage& key) override;
  void ItemsChanged() override;

 private:
  std::unique_ptr<TPopupMenu> dropper_;
};

enum TPopupAlignment : uint8_t { paLeft, paRight, paCenter };
DECLARE_ENUM_NAMES(TPopupAlignment, "paLeft", "paRight", "paCenter")

// A menu shown at a point as pop-up windows of its own (one per open level). Keys: arrows move
// and open or close levels, Enter runs, Escape closes, letters run their accelerator's item;
// the mouse highlights, opens and runs items, and a press elsewhere closes the menu. Popup
// returns at once; a chosen item runs when the user chooses it.
class TPopupMenu : public TMenu, public IPopupSource {
  DECLARE_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  static void Publish();

  virtual void Popup(int x, int y);
  // Shows the sub-items of `parent` (an item of any menu) instead of this menu's own items.
  void PopupItems(TMenuItem* parent, int x, int y);
  // Shows the menu for `control` when it shows itself (AutoPopup); answers whether it did.
  bool PopupAt(TControl* control, TPoint screen) override;
  // Closes every open level without running anything.
  void CloseMenu();
  bool IsOpen() const;
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment v) { alignment_ = v; }
  // Whether a right click (or the menu key) shows the menu by itself; Popup always shows it.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v) { autoPopup_ = v; }
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* c);
  // The window of open level `level` (0: the menu itself), or nullptr.
  TMenuWindow* LevelWindow(int level) const;
  // After items changed: from open level `level` on, each level shows a sub-item of the item
  // the level before shows (`holder` for `level`); the first whose item has left its place
  // (taken out, or being freed) closes, with the levels under it. The levels left are laid
  // out again for the items they show now.
  void FollowItemChanges(const TMenuItem* holder, int level);
  // Offers a key, or the mouse outside the open levels, to the menu bar this pop-up drops
  // from; answers whether the bar took it.
  bool PassKeyToBar(uint16_t key);
  bool PassMouseToBar(TPoint screen, bool press);

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void ItemsChanged() override;

 private:
  friend class TMenuWindow;
  friend class TMainMenu;
  TMenuWindow* OpenLevel(TMenuItem* parent, TPoint screen, int level);
  void CloseLevelsFrom(int level);
  void Choose(TMenuItem* item);

  std::vector<std::unique_ptr<TMenuWindow>> levels_;
  int openLevels_ = 0;
  HWND focusBefore_ = nullptr;
  IMenuBarHost* barHost_ = nullptr;
  TPopupAlignment alignment_ = paLeft;
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};
