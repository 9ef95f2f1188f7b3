#pragma once

#include <memory>

#include "platform/controls/menus.h"
#include "skin/menu_settings.h"
#include "skin/theme_binding.h"
#include "skin/themes.h"

class TCustomImageList;
class TMenuWindow;
template <typename T>
class TPublisher;

// What a skinned form that shows a main menu as its menu bar hears from that menu.
class IskMenuBarForm {
 public:
  virtual ~IskMenuBarForm() = default;
  // The menu's items were read or rebuilt: the bar makes its buttons again.
  virtual void RebuildMenuBarButtons() = 0;
  // Captions or enabled states of items changed: the bar's buttons follow.
  virtual void MenuItemsChanged() = 0;
  // The menu's font settings changed: the bar takes them.
  virtual void ApplyMenuBarFont() = 0;
};

// What the skinned main menu and pop-up menu share: the settings they draw with, published
// under the same names, and the measuring and drawing of every item in the theme's colours.
// Items get the menu's handlers when the menu is loaded (SetupItems) and, so that items made
// by code are skinned too, whenever an item joins the menu without a handler of the
// application's own.
template <class TMenuBase>
class TskSkinnedMenu : public TMenuBase {
 public:
  explicit TskSkinnedMenu(TComponent* owner);
  ~TskSkinnedMenu() override;

  // Always True: the items are drawn by the menu.
  bool OwnerDraw() const { return true; }
  void SetOwnerDraw(bool) {}
  // Not owned; when it is freed the menu falls back to Marine.
  TskFileTheme* FileTheme() const { return settings_.FileTheme; }
  void SetFileTheme(TskFileTheme* value);
  // Applying a style sets the sizes and the six theme colours below.
  TskUIStyle UIStyle() const { return settings_.UIStyle; }
  void SetUIStyle(TskUIStyle value);
  // Item and separator heights; in the Graphite style they stay as the style sets them.
  int MenuItemHeight() const { return settings_.MenuItemHeight; }
  void SetMenuItemHeight(int value);
  int SeparatorHeight() const { return settings_.SeparatorHeight; }
  void SetSeparatorHeight(int value);
  int BarWidth() const { return settings_.BarWidth; }
  void SetBarWidth(int value) { settings_.BarWidth = value; }
  TColor BarColor() const { return settings_.BarColor; }
  void SetBarColor(TColor value) { settings_.BarColor = value; }
  TColor Color() const { return settings_.Color; }
  void SetColor(TColor value) { settings_.Color = value; }
  TColor SeparatorColor() const { return settings_.SeparatorColor; }
  void SetSeparatorColor(TColor value) { settings_.SeparatorColor = value; }
  TColor SelectedBorderColor() const { return settings_.SelectedBorderColor; }
  void SetSelectedBorderColor(TColor value) { settings_.SelectedBorderColor = value; }
  TColor SelectedColor() const { return settings_.SelectedColor; }
  void SetSelectedColor(TColor value) { settings_.SelectedColor = value; }
  TColor SelectedFontColor() const { return settings_.SelectedFontColor; }
  void SetSelectedFontColor(TColor value) { settings_.SelectedFontColor = value; }
  TColor FontColor() const { return settings_.FontColor; }
  void SetFontColor(TColor value) { settings_.FontColor = value; }
  TColor BorderColor() const { return settings_.BorderColor; }
  void SetBorderColor(TColor value) { settings_.BorderColor = value; }
  // A flat frame around the open menu instead of the raised one.
  bool FlatMenu() const { return settings_.FlatMenu; }
  void SetFlatMenu(bool value) { settings_.FlatMenu = value; }
  // The font of the items when UseSystemFont is off (else the system's menu font).
  const String& FontName() const { return settings_.FontName; }
  void SetFontName(const String& value) { settings_.FontName = value; }
  int FontSize() const { return settings_.FontSize; }
  void SetFontSize(int value) { settings_.FontSize = value; }
  TFontCharset FontCharset() const { return settings_.FontCharset; }
  void SetFontCharset(TFontCharset value) { settings_.FontCharset = value; }
  bool UseSystemFont() const { return settings_.UseSystemFont; }
  void SetUseSystemFont(bool value) { settings_.UseSystemFont = value; }
  const TskMenuSettings& Settings() const { return settings_; }

  // Gives every item, at any depth, this menu's measure and draw handlers.
  void SetupItems();
  // The item handlers.
  void MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height);
  void DrawItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected);

  void ItemsChanged() override;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The images the items show: the menu's image list unless it is the check-mark list.
  TCustomImageList* ItemImages() const;
  TCustomImageList* CheckMarks() const { return checkMarks_.get(); }
  void SetCheckMarks(std::shared_ptr<TCustomImageList> list) { checkMarks_ = std::move(list); }
  // Registers the settings as published properties of a skinned menu class, in their order.
  template <class TMenuClass>
  static void PublishSettings(TPublisher<TMenuClass>& p);

 private:
  void AttachHandlers(TMenuItem* parent, bool replace);
  // The open window listing `item`, when it is being painted on `canvas`.
  TMenuWindow* PaintingWindow(TMenuItem* item, TCanvas* canvas) const;

  TskMenuSettings settings_;
  // Tells the theme in settings_.FileTheme that the menu uses it: its end and each file it
  // loads reach the menu.
  TskThemeBinding themeLink_{this};
  std::shared_ptr<TCustomImageList> checkMarks_;
};

// A pop-up menu drawn in the theme's colours. Its check mark is a picture shared by all
// skinned pop-up menus; its item images come from Images.
class TskPopupMenu : public TskSkinnedMenu<TPopupMenu> {
  DECLARE_CLASS(TskPopupMenu, TPopupMenu)
 public:
  explicit TskPopupMenu(TComponent* owner);
  ~TskPopupMenu() override;
  static void Publish();
};

// A form's main menu drawn in the theme's colours. It never shows as the form's own menu bar:
// a skinned form shows it as a flat bar of its top-level items. Images hides the menu's own
// check-mark list: it reads none until a list of item images is assigned.
class TskMainMenu : public TskSkinnedMenu<TMainMenu> {
  DECLARE_CLASS(TskMainMenu, TMainMenu)
 public:
  explicit TskMainMenu(TComponent* owner);
  ~TskMainMenu() override;
  static void Publish();

  TCustomImageList* Images() const;
  void SetImages(TCustomImageList* value);
  void SetUseSystemFont(bool value);
  // The skinned form showing this menu (set by that form; nullptr: none).
  IskMenuBarForm* SkinForm() const { return skinForm_; }
  void SetSkinForm(IskMenuBarForm* form) { skinForm_ = form; }

  void ItemsChanged() override;

 protected:
  void Loaded() override;

 private:
  void ShowOnOwnerForm();

  IskMenuBarForm* skinForm_ = nullptr;
};
