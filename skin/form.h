#pragma once

#include <memory>

#include "platform/controls/forms.h"
#include "platform/controls/panel.h"
#include "skin/form_frame_layout.h"
#include "skin/menus.h"
#include "skin/theme_binding.h"
#include "skin/themes.h"
#include "skin/title_bar.h"

// What a skinned child form of a multiple-document frame tells the client window of the
// application's main form, for a skin of the frame to follow: a child was activated or went
// (no parameters); a maximized child's title bar was scrolled away (wParam: the child's
// window); it came back (no parameters).
inline constexpr UINT SKM_MDICHILDCHANGED = 0x1330;
inline constexpr UINT SKM_MDICHILDMAXIMIZED = 0x1331;
inline constexpr UINT SKM_MDICHILDRESTORED = 0x1332;

class TMainMenu;
class TToolBar;
class TskFileTheme;
class TskFormHook;
class TskFormMenuBar;

// The skin of a form: dropped on an ordinary form, it takes away the form's native caption and
// frame, covers the form's client area inside its own border, carries a painted title bar and
// an optional menu bar, paints the border on the form, rounds the window's top corners, and
// takes over the form's window procedure to keep moving, sizing and maximizing working. On an
// owner that is not a form it is a plain panel.
class TskForm : public TCustomPanel, public IskMenuBarForm {
  DECLARE_CLASS(TskForm, TCustomPanel)
 public:
  explicit TskForm(TComponent* owner);
  ~TskForm() override;
  static void Publish();

  // The size of the panel; setting either resizes the form around it.
  void SetPanelWidth(int value);
  void SetPanelHeight(int value);
  // Applying a style takes the border colour, border width and background colour from the
  // theme (the file theme for FromThemeFile with a loaded file, else the built-in table),
  // restyles the title bar and the menu and, with UIStyleAutoUpdateSub, the direct children.
  TskUIStyle UIStyle() const { return theme_.Style(); }
  void SetUIStyle(TskUIStyle value);
  // Not owned; when it is freed the skin falls back to Marine, children included. Assigning
  // it again (as a theme that loaded a new file does) applies the style again.
  TskFileTheme* FileTheme() const { return theme_.FileTheme(); }
  void SetFileTheme(TskFileTheme* value);
  bool UIStyleAutoUpdateSub() const { return uiStyleAutoUpdateSub_; }
  void SetUIStyleAutoUpdateSub(bool value) { uiStyleAutoUpdateSub_ = value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // The width of the border drawn around the form, in pixels (never below 0); published as
  // "BorderWidth". Named apart from the panel's own BorderWidth, which insets its children
  // and stays as it is.
  int FormBorderWidth() const { return borderWidth_; }
  void SetFormBorderWidth(int value);
  bool TitleBarVisible() const { return titleBarVisible_; }
  void SetTitleBarVisible(bool value);
  TCustomPanel* FormPanel() const { return formPanel_; }
  void SetFormPanel(TCustomPanel* value);
  // Shown as a flat bar of its titles below the title bar (not on a child of a multi-document
  // frame); a skinned main menu learns which form shows it. Not owned.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);
  TColor MenuBarColor() const { return menuBarColor_; }
  void SetMenuBarColor(TColor value);
  int MenuBarHeight() const { return menuBarHeight_; }
  void SetMenuBarHeight(int value);
  String Version() const { return "1.0"; }
  void SetVersion(const String&) {}

  // Kept by the title bar.
  bool TitleBarCustom() const { return titleBar_->Custom(); }
  void SetTitleBarCustom(bool value) { titleBar_->SetCustom(value); }
  TskTitleBarButtons* TitleBarButtons() const { return titleBar_->Buttons(); }
  void SetTitleBarButtons(TskTitleBarButtons* value) { titleBar_->SetButtons(value); }
  TskTitleBarSections* TitleBarSections() const { return titleBar_->Sections(); }
  void SetTitleBarSections(TskTitleBarSections* value) { titleBar_->SetSections(value); }
  bool TitleBarDrawAppIcon() const { return titleBar_->DrawAppIcon(); }
  void SetTitleBarDrawAppIcon(bool value) { titleBar_->SetDrawAppIcon(value); }
  int RoundCorner() const { return titleBar_->RoundCorner(); }
  void SetRoundCorner(int value);
  TFont* TitleFont() const { return titleBar_->Font(); }
  void SetTitleFont(TFont* value) { titleBar_->SetFont(value); }
  String FormCaption() { return titleBar_->Caption(); }
  void SetFormCaption(const String& value);

  TskTitleBar* TitleBar() const { return titleBar_; }
  // The menu bar's tool bar; nullptr while there is no menu bar.
  TToolBar* MenuBar() const;
  void RebuildMenuBarButtons() override;
  void MenuItemsChanged() override;
  void ApplyMenuBarFont() override;
  // The form this skin covers; nullptr on any other owner.
  TCustomForm* Form() const { return form_; }
  bool IsMDIChild() const;

  // Placed on its form, the panel covers it at once.
  void SetParent(TWinControl* parent) override;
  // The frame's geometry for the form as it is now (empty on an owner that is not a form).
  TskFormFrame Frame() const;
  // Places the panel inside the form, below the title bar's top.
  void LayoutInForm();
  // Repaints the border on the form (through the form's erase, which draws it).
  void PaintBorder();
  // Repaints the whole form: border, skin and every control on it.
  void RepaintForm();
  // Draws the border into a device context of the form's client area.
  void PaintBorderInto(HDC dc);
  // Gives the form's window its round top corners (`roundCorner` the corner ellipse).
  void ApplyWindowRegion(int roundCorner);

  // The form's window procedure, as the skin sees it (the hook calls these).
  void FormMessage(TMessage& m);
  bool ApplicationMessage(MSG& msg);

  // The title bar's custom and help button clicks (the title bar is the sender).
  TskTitleBarButtonClickEvent OnTitleBarCustomBtnsClick;
  TskTitleBarButtonClickEvent OnTitleBarHelpBtnClick;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void CreateWnd() override;

 private:
  void TakeOverForm();
  void GiveFormBack();
  void RemoveNativeCaption();
  void WMEraseBkgnd(TMessage& m);
  void FormSized();
  void FormActivated(const TMessage& m);
  void MDIChildSized(bool maximized);
  void MDIChildDestroyed();
  void TellMDIClient(UINT msg, WPARAM wParam = 0) const;
  void KeepMaximizedAtConstruction();
  void FormHitTest(TMessage& m);
  bool MenuShortCut(TMessage& key);
  // What the height rule adds to a panel's height for the form's: one and a half borders (and
  // the native frame while designing).
  int HeightAroundPanel() const;

  TskTitleBar* titleBar_ = nullptr;
  TMainMenu* menu_ = nullptr;
  std::unique_ptr<TskFormMenuBar> menuBar_;
  std::shared_ptr<TskFormHook> hook_;
  TCustomForm* form_ = nullptr;
  TFormBorderStyle formBorderStyle_ = bsNone;
  TColor borderColor_ = clBlack;
  TCustomPanel* formPanel_ = nullptr;
  int borderWidth_ = 1;
  TskThemeBinding theme_{this};
  TColor menuBarColor_ = clBtnFace;
  int menuBarHeight_ = 22;
  bool installedAppHook_ = false;
  bool uiStyleAutoUpdateSub_ = false;
  TRect formBoundsAtConstruction_;
  bool maximizedAtConstruction_ = false;
  // The size changes a form created maximized has seen while still maximized.
  int maximizeSizeCount_ = 0;
  // This child, maximized, has moved what stood below its title bar into the bar's room.
  bool titleBarScrolledAway_ = false;
  int frameExtraHeight_ = 0;
  int frameExtraWidth_ = 0;
  bool titleBarVisible_ = true;
};
