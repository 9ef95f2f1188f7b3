#pragma once

#include <memory>

#include "platform/controls/actions.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/tool_bar_menu.h"

class TCustomImageList;
class TMenuItem;
class TPopupMenu;
class TToolBar;

enum TToolButtonStyle : uint8_t { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
DECLARE_ENUM_NAMES(TToolButtonStyle, "tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider")
enum TCustomDrawStateItem : uint8_t {
  cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault, cdsHot, cdsMarked, cdsIndeterminate,
};
using TCustomDrawState = Set<TCustomDrawStateItem>;

class TToolButton;
using TTBCustomDrawEvent = TEvent<void(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw)>;
using TTBCustomDrawBtnEvent = TEvent<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

// The link of a tool button to an action: what every control takes (caption, enabled, hint,
// visible, checked as the button's Down) and the image, while the button still shows the
// action's.
class TToolButtonActionLink : public TControlActionLink {
 public:
  explicit TToolButtonActionLink(TToolButton* client);
  bool IsImageIndexLinked() const;
  void SetImageIndex(int v) override;

 private:
  TToolButton* button_;
};

// A button of a tool bar: a push button, a check button (grouped ones exclude each other), a
// button with a drop-down arrow that opens its DropdownMenu, or a separator. The tool bar
// places and paints it.
class TToolButton : public TGraphicControl {
  DECLARE_CLASS(TToolButton, TGraphicControl)
 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;
  static void Publish();

  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  bool Down() const { return down_; }
  void SetDown(bool v);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool v) { grouped_ = v; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v) { allowAllUp_ = v; }
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* v);
  // A menu item the button stands for, as a menu bar's title: the button shows the item's
  // caption and enabled state, and a click opens the item's sub-items under the button (or
  // runs an item without any). Not owned.
  TMenuItem* MenuItem() const { return menuItem_; }
  void SetMenuItem(TMenuItem* v);
  // The caption and enabled state of the menu item again, after it changed.
  void UpdateFromMenuItem();
  // With captions shown, the button is as wide as its caption needs.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  TToolBar* ToolBar() const;
  void Click() override;
  // Opens the drop-down menu under the button; answers whether there was one.
  bool CheckMenuDropdown();

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;
  std::unique_ptr<TControlActionLink> CreateActionLink() override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  // An action's Checked shows as the button being down.
  bool GetLinkedChecked() const override { return down_; }
  void SetLinkedChecked(bool v) override { SetDown(v); }

 private:
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void Changed();
  void OpenMenuItem();

  TToolButtonStyle style_ = tbsButton;
  int imageIndex_ = -1;
  bool down_ = false;
  bool grouped_ = false;
  bool allowAllUp_ = false;
  bool hot_ = false;
  bool pressed_ = false;
  TPopupMenu* dropdownMenu_ = nullptr;
  TMenuItem* menuItem_ = nullptr;
  bool autoSize_ = false;
};

// A row of tool buttons laid out left to right at ButtonWidth x ButtonHeight (separators take
// their own width), drawn flat or raised, with images from Images (greyed when disabled) and
// optional captions; OnCustomDraw and OnCustomDrawButton may draw instead.
class TToolBar : public TCustomControl {
  DECLARE_CLASS(TToolBar, TCustomControl)
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;
  static void Publish();

  int ButtonCount() const;
  TToolButton* Buttons(int index) const;
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int v);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int v);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool v);
  int Indent() const { return indent_; }
  void SetIndent(int v);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  // Places the buttons again.
  void ArrangeButtons();
  // The bar as the menu bar of the main menu whose titles its buttons show.
  TToolBarMenuKeys* MenuKeys() const { return menuKeys_.get(); }

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

 protected:
  void Paint() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TToolButton;
  void PaintButton(TToolButton* button);
  int ButtonWidthOf(TToolButton* button);
  TCustomDrawState StateOf(TToolButton* button) const;

  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool flat_ = false;
  bool showCaptions_ = false;
  int indent_ = 0;
  TCustomImageList* images_ = nullptr;
  std::unique_ptr<TToolBarMenuKeys> menuKeys_;
};

inline constexpr int ToolButtonArrowWidth = 12;
