#pragma once

#include <memory>
#include <vector>

#include "platform/controls/panel.h"
#include "skin/tab_strip_layout.h"
#include "skin/themed_control.h"

class TBitmap;
class TStringList;
class TStrings;
class TskTab;

using TTabActiveNotify = TEvent<void(TObject* Sender, int TabIndex)>;
using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

// The strip of tabs along the top of a skinned tab control: tabs and the bar under them from
// the theme's pictures, two scroll buttons when the tabs do not fit, and hidden tabs. It tells
// its tab control when the user picks a tab.
class TskTabControlTopPanel : public TskThemed<TCustomPanel> {
  DECLARE_CLASS(TskTabControlTopPanel, TCustomPanel)
 public:
  explicit TskTabControlTopPanel(TComponent* owner);
  ~TskTabControlTopPanel() override;
  static void Publish();

  TStrings* Tabs() const;
  void SetTabs(TStrings* value);
  // -1 with no tabs. Set from code the tab control is told (TabActive) but not asked first.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value);
  // Moves the mark to another tab without telling anyone: the same page got a new index.
  void MoveTabIndex(int value);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int value);

  // The tab control whose font, border colour and events the strip uses; nullptr for none.
  TskTab* TabControl() const { return tabControl_; }
  void SetTabControl(TskTab* value) { tabControl_ = value; }

  // Tabs without an entry of their own are visible.
  bool TabVisible(int index) const;
  void SetTabVisible(int index, bool value);
  void SetTabsVisible(const std::vector<bool>& visible);

  // The layout as the strip paints it now.
  const TskTabStripLayout& Layout();
  int FirstShownTab() { return Layout().FirstShown; }
  int TabHeight() const { return activeTab_ ? tabHeight_ : 0; }
  // Where tab `index` is drawn; empty when it is not.
  TRect TabRect(int index);
  TRect ForwardButtonRect();
  TRect BackButtonRect();
  bool ScrollButtonsDrawn();
  // -1 the back button is under the mouse, 1 the forward button, 0 neither.
  int HoveredButton() const { return hovered_; }
  // The tab control's font changed: the tabs are measured again.
  void TabFontChanged() { TabsMeasureChanged(); }
  // Picks the next (or previous) tab that shows, as a click would, asking the tab control
  // first; past the last tab `wrap` goes round to the first.
  void SelectNextTab(bool forward, bool wrap);

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override;
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;

 private:
  void LayoutChanged();
  void TabsMeasureChanged();
  std::vector<int> TabWidths();
  void SelectTab(int value, bool clicked);
  void ScrollBy(int delta);
  int ButtonAt(TPoint p);
  void UpdateHover(TPoint p);
  void DrawTabs(TCanvas* canvas);
  void DrawBar(TCanvas* canvas);
  void DrawTab(TCanvas* canvas, int index);
  void DrawScrollButtons(TCanvas* canvas);
  void DrawFocus(TCanvas* canvas);
  void CMMouseLeave(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }
  void WMGetDlgCode(TMessage& m);
  void RepaintOnFocus(TMessage& m);

  std::unique_ptr<TStringList> tabs_;
  std::unique_ptr<TBitmap> activeTab_, inactiveTab_, bar_, buttons_;
  TskTab* tabControl_ = nullptr;
  std::vector<bool> tabVisible_;
  std::vector<int> captionWidths_;  // natural widths, measured when the captions or font change
  TskTabStripLayout layout_;
  int tabIndex_ = 0;
  int leftMargin_ = 10;
  int firstShown_ = 0;
  int tabHeight_ = 0;
  int buttonWidth_ = 0;
  int buttonHeight_ = 0;
  int hovered_ = 0;
  bool layoutStale_ = true;
  bool ensureActiveShown_ = false;
};

// A framed container with a tab strip along its top; its children are laid out below the
// strip. Used through its descendants, which create the strip they need.
class TskTab : public TskThemed<TCustomPanel> {
  DECLARE_CLASS(TskTab, TCustomPanel)
 public:
  ~TskTab() override;
  static void Publish();

  TskTabControlTopPanel* TopPanel() const { return topPanel_; }
  int LeftMargin() const { return topPanel_->LeftMargin(); }
  void SetLeftMargin(int value) { topPanel_->SetLeftMargin(value); }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // Kept for stored layouts: the tab control always repaints whole and is never locked.
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool value) { fullRepaint_ = value; }
  bool Locked() const { return locked_; }
  void SetLocked(bool value) { locked_ = value; }

  virtual void SetTabIndex(int value) { topPanel_->SetTabIndex(value); }
  // A tab became the current one (clicked, or set from code).
  virtual void TabActive(int index);

  TTabActiveNotify OnTabActive;
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  explicit TskTab(TComponent* owner);
  // Called once by the descendant's constructor: creates, places and styles the strip.
  void BuildTopPanel();
  virtual TskTabControlTopPanel* CreateTopPanel() = 0;
  virtual void BorderColorChanged() {}
  virtual void ApplyChildrenStyle(TskUIStyle style, TskFileTheme* fileTheme);

  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void StyleChanged() override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void Resize() override;

 private:
  friend class TskTabControlTopPanel;
  void PlaceTopPanel();
  void CMCursorChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMChildKey(TMessage& m);
  void WMEraseBkgnd(TMessage& m) { m.Result = 1; }

  TskTabControlTopPanel* topPanel_ = nullptr;
  TColor borderColor_ = clBlack;
  bool fullRepaint_ = true;
  bool locked_ = false;
};
