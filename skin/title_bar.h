#pragma once

#include <memory>

#include "platform/controls/panel.h"
#include "skin/theme_binding.h"
#include "skin/themes.h"
#include "skin/title_bar_items.h"
#include "skin/title_bar_layout.h"

class TBitmap;
class TskFileTheme;
class TskTitleBarPopupMenu;

using TskTitleBarButtonClickEvent = TEvent<void(TObject* Sender, int ButtonIndex)>;

// The painted caption bar of a skinned form: three picture sections from the theme, the
// caption (cut with "..." when it does not fit), an optional program icon and a row of buttons
// with three looks each. Dragging it moves the form; its buttons minimize, maximize or restore
// and close the form, open the control-box menu, or report help and custom clicks.
// Whether a form counts as maximised for its title bar's glyph and actions: maximised, or
// minimised on its way back to maximised (which, with no window manager to take it away, it
// still shows).
bool FormShowsMaximized(TCustomForm* form);

class TskTitleBar : public TCustomPanel {
  DECLARE_CLASS(TskTitleBar, TCustomPanel)
 public:
  explicit TskTitleBar(TComponent* owner);
  ~TskTitleBar() override;
  static void Publish();

  // With Custom set, style changes leave sections, buttons, offsets and colours alone.
  bool Custom() const { return custom_; }
  void SetCustom(bool value) { custom_ = value; }
  TskUIStyle UIStyle() const { return theme_.Style(); }
  void SetUIStyle(TskUIStyle value);
  // Not owned; when it is freed the bar falls back to Marine.
  TskFileTheme* FileTheme() const { return theme_.FileTheme(); }
  void SetFileTheme(TskFileTheme* value);
  TskTitleBarSections* Sections() const { return sections_.get(); }
  void SetSections(TskTitleBarSections* value);
  TskTitleBarButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(TskTitleBarButtons* value);
  // The bar takes the height of its first section's picture, within kTitleBarHeightRange;
  // without sections it stays off.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  int ButtonInterval() const { return buttonInterval_; }
  void SetButtonInterval(int value);
  bool FormActive() const { return formActive_; }
  void SetFormActive(bool value);
  int LeftBtnXOffset() const { return leftBtnXOffset_; }
  void SetLeftBtnXOffset(int value);
  int RightBtnXOffset() const { return rightBtnXOffset_; }
  void SetRightBtnXOffset(int value);
  bool DrawAppIcon() const { return drawAppIcon_; }
  void SetDrawAppIcon(bool value);
  // The radius of the form's round top corners; on a skinned form it reshapes the window.
  int RoundCorner() const { return roundCorner_; }
  void SetRoundCorner(int value);
  TColor BorderColor() const { return borderColor_; }
  TskTitleBarPopupMenu* ControlBoxMenu() const { return controlBoxMenu_.get(); }

  // What a click on button `index` does (also the control-box menu's items).
  void ButtonClick(int index);
  // Every maximize button shows the maximize or the restore look for its form's state.
  void RefreshMaxButtons();
  // Where buttons and caption are for the bar's present size (the cursor is not considered).
  TskTitleBarLayout Layout();
  // The button under a point of the bar, -1 for none.
  int ButtonAt(TPoint p);
  // Opens the control-box menu under the bar's bottom-left corner.
  void PopupControlBoxMenu();
  void PopupControlBoxMenuAt(TPoint screen);
  // The form the bar belongs to: its skinned form's form, else the form it sits on.
  TCustomForm* ParentForm();
  // What the minimize and close buttons do to that form.
  void MinimizeForm();
  void CloseForm();

  TskTitleBarButtonClickEvent OnCustomBtnsClick;
  TskTitleBarButtonClickEvent OnHelpBtnClick;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  virtual void DrawSections(TBitmap* buffer);
  virtual void DrawButtons(TBitmap* buffer);

 private:
  friend class TskTitleBarButton;
  void ApplyStyle(TskUIStyle value);
  void LoadSections(const class TskThemeValues& theme);
  void ReapplyRegion();
  void WatchMenu(TPopupMenu* menu);
  void ToggleMaximized();
  void WMNCHitTest(TMessage& m);
  void WMNCMouse(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }
  void CMMouseLeave(TMessage& m);
  void CMRepaint(TMessage& m);
  TPoint CursorInBar();

  TskThemeBinding theme_{this};
  std::unique_ptr<TskTitleBarSections> sections_;
  std::unique_ptr<TskTitleBarButtons> buttons_;
  bool autoSize_ = false;
  int buttonInterval_ = 0;
  bool formActive_ = true;
  int leftBtnXOffset_ = 0;
  int rightBtnXOffset_ = 0;
  int roundCorner_ = 0;
  bool drawAppIcon_ = false;
  bool keepFontColor_ = false;
  std::unique_ptr<TskTitleBarPopupMenu> controlBoxMenu_;
  TColor borderColor_ = clBlack;
  bool custom_ = false;
  bool mouseDown_ = false;
  int captionRowHeight_ = 0;
  int captionRowTop_ = 0;
};
