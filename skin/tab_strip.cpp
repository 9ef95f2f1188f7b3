// The tab strip's state and input: tabs, the current tab, scrolling and hidden tabs. Its
// painting is in tab_strip_painting.cpp.

#include <algorithm>

#include "platform/classes/properties.h"
#include "skin/file_theme.h"
#include "platform/core/string_list.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "skin/inherited_message.h"
#include "skin/skin_painting.h"
#include "skin/tab_control.h"
#include "platform/controls/watched_component.h"

namespace {
constexpr int kScrollButtonCells = 4;
}  // namespace

TskTabControlTopPanel::TskTabControlTopPanel(TComponent* owner)
    : TskThemed<TCustomPanel>(owner),
      tabs_(std::make_unique<TStringList>()),
      activeTab_(std::make_unique<TBitmap>()),
      inactiveTab_(std::make_unique<TBitmap>()),
      bar_(std::make_unique<TBitmap>()),
      buttons_(std::make_unique<TBitmap>()) {
  SetBevelOuter(bvNone);
  // The strip is where the keyboard picks a tab.
  SetTabStop(true);
  tabs_->Add("Tab1");
  tabs_->OnChange.Bind(this, "TabsChanged", [this](TObject*) { TabsMeasureChanged(); });
  SetUIStyle(Marine);
}

TskTabControlTopPanel::~TskTabControlTopPanel() = default;

void TskTabControlTopPanel::Publish() {
  using B = TskTabControlTopPanel;
  TPublisher<B> p;
  p.Property("TabIndex", &B::TabIndex, &B::SetTabIndex).Default(0);
  p.Property("LeftMargin", &B::LeftMargin, &B::SetLeftMargin).Default(10);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
}

const TMessageMap& TskTabControlTopPanel::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TskTabControlTopPanel::WMEraseBkgnd);
    m.On(CM_MOUSELEAVE, &TskTabControlTopPanel::CMMouseLeave);
    m.On(WM_GETDLGCODE, &TskTabControlTopPanel::WMGetDlgCode);
    for (UINT msg : {WM_SETFOCUS, WM_KILLFOCUS}) m.On(msg, &TskTabControlTopPanel::RepaintOnFocus);
    return m;
  }();
  return map;
}

// ---- properties ----

TStrings* TskTabControlTopPanel::Tabs() const { return tabs_.get(); }

void TskTabControlTopPanel::SetTabs(TStrings* value) { tabs_->Assign(*value); }

void TskTabControlTopPanel::SetTabIndex(int value) { SelectTab(value, false); }

void TskTabControlTopPanel::MoveTabIndex(int value) {
  tabIndex_ = tabs_->Count() == 0 ? -1 : value;
  ensureActiveShown_ = true;
  LayoutChanged();
}

void TskTabControlTopPanel::SelectTab(int value, bool clicked) {
  if (value == tabIndex_) return;
  if (tabs_->Count() == 0) {
    tabIndex_ = -1;
    LayoutChanged();
    return;
  }
  if (value < -1 || value >= tabs_->Count()) {
    Invalidate();
    return;
  }
  if (clicked && tabControl_ != nullptr) {
    bool allow = true;
    // The handler may free the tab control, and this strip with it (a tab that closes its form).
    const TWatchedComponent self(this);
    tabControl_->OnChanging.Call(tabControl_, allow);
    if (!allow || self.Get() == nullptr) return;
  }
  tabIndex_ = value;
  ensureActiveShown_ = true;
  LayoutChanged();
  if (tabControl_ != nullptr) tabControl_->TabActive(tabIndex_);
}

void TskTabControlTopPanel::SetLeftMargin(int value) {
  leftMargin_ = value;
  LayoutChanged();
}

bool TskTabControlTopPanel::TabVisible(int index) const {
  return index < 0 || index >= static_cast<int>(tabVisible_.size()) || tabVisible_[static_cast<size_t>(index)];
}

void TskTabControlTopPanel::SetTabVisible(int index, bool value) {
  if (index < 0) return;
  if (index >= static_cast<int>(tabVisible_.size())) tabVisible_.resize(static_cast<size_t>(index) + 1, true);
  tabVisible_[static_cast<size_t>(index)] = value;
  LayoutChanged();
}

void TskTabControlTopPanel::SetTabsVisible(const std::vector<bool>& visible) {
  tabVisible_ = visible;
  LayoutChanged();
}

void TskTabControlTopPanel::StyleChanged() {
  const TskThemeValues theme = Theme();
  TBitmap tabs;
  // Without the strip's pictures there would be no strip to click.
  theme.BitmapOrStandIn(tkTabControlTabImage, &tabs);
  activeTab_->SetSize(0, 0);
  inactiveTab_->SetSize(0, 0);
  if (!tabs.Empty()) {
    SpitBitmap(&tabs, activeTab_.get(), 2, 1);
    SpitBitmap(&tabs, inactiveTab_.get(), 2, 2);
  }
  theme.BitmapOrStandIn(tkTabControlBarImage, bar_.get());
  theme.BitmapOrStandIn(tkScrollButtonImage, buttons_.get());
  tabHeight_ = activeTab_->Height();
  buttonWidth_ = buttons_->Width() / kScrollButtonCells;
  buttonHeight_ = buttons_->Height();
  SetHeight(inactiveTab_->Height() + bar_->Height());
  LayoutChanged();
}

// ---- layout ----

void TskTabControlTopPanel::LayoutChanged() {
  layoutStale_ = true;
  Invalidate();
}

// The strip spans the top of its tab control whatever it is given, and the tab control lays
// its children out below it.
void TskTabControlTopPanel::Resize() {
  TskThemed<TCustomPanel>::Resize();
  if (tabControl_ != nullptr) {
    tabControl_->PlaceTopPanel();
    tabControl_->Realign();
  }
  LayoutChanged();
}

void TskTabControlTopPanel::TabsMeasureChanged() {
  captionWidths_.clear();
  LayoutChanged();
}

// Captions are measured once per change of the tabs or the font, not on every scroll.
std::vector<int> TskTabControlTopPanel::TabWidths() {
  if (captionWidths_.size() != static_cast<size_t>(tabs_->Count())) {
    TBitmap scratch(1, 1);
    if (tabControl_ != nullptr) scratch.Canvas()->SetFont(tabControl_->Font());
    captionWidths_.clear();
    for (int i = 0; i < tabs_->Count(); ++i) {
      const String caption = tabs_->Strings(i);
      captionWidths_.push_back(TabNaturalWidth(scratch.Canvas()->TextWidth(caption), caption.empty()));
    }
  }
  std::vector<int> widths = captionWidths_;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (!TabVisible(static_cast<int>(i))) widths[i] = -1;
  }
  return widths;
}

const TskTabStripLayout& TskTabControlTopPanel::Layout() {
  if (!layoutStale_) return layout_;
  const TskTabStripMetrics metrics{Width(), leftMargin_, buttonWidth_};
  layout_ = ensureActiveShown_ ? LayOutTabStripShowing(TabWidths(), firstShown_, tabIndex_, metrics)
                               : LayOutTabStrip(TabWidths(), firstShown_, metrics);
  firstShown_ = layout_.FirstShown;
  ensureActiveShown_ = false;
  layoutStale_ = false;
  return layout_;
}

TRect TskTabControlTopPanel::TabRect(int index) {
  const TskTabStripLayout& layout = Layout();
  if (index < 0 || index >= static_cast<int>(layout.Tabs.size())) return TRect{};
  const TskTabSpan& tab = layout.Tabs[static_cast<size_t>(index)];
  if (!tab.Drawn) return TRect{};
  // The current tab stands one pixel lower, over the bar's top line.
  const int top = index == tabIndex_ ? 1 : 0;
  return Rect(tab.Left, top, tab.Left + tab.Width, inactiveTab_->Height() + top);
}

TRect TskTabControlTopPanel::ForwardButtonRect() {
  const int y = Height() > buttonHeight_ + 4 ? (Height() - buttonHeight_) / 2 - 2 : 0;
  return Bounds(Width() - 2 - buttonWidth_, y, buttonWidth_, buttonHeight_);
}

TRect TskTabControlTopPanel::BackButtonRect() {
  TRect r = ForwardButtonRect();
  return Bounds(r.Left - buttonWidth_, r.Top, buttonWidth_, buttonHeight_);
}

bool TskTabControlTopPanel::ScrollButtonsDrawn() {
  const TskTabStripLayout& layout = Layout();
  return layout.ButtonsShown || layout.FirstShown > 0;
}

// ---- mouse ----

int TskTabControlTopPanel::ButtonAt(TPoint p) {
  if (!ScrollButtonsDrawn()) return 0;
  if (InRect(p, ForwardButtonRect())) return 1;
  if (InRect(p, BackButtonRect())) return -1;
  return 0;
}

void TskTabControlTopPanel::UpdateHover(TPoint p) {
  const int hovered = ButtonAt(p);
  if (hovered == hovered_) return;
  hovered_ = hovered;
  Invalidate();
}

void TskTabControlTopPanel::ScrollBy(int delta) {
  firstShown_ = std::clamp(Layout().FirstShown + delta, 0, std::max(tabs_->Count() - 1, 0));
  LayoutChanged();
}

void TskTabControlTopPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TskThemed<TCustomPanel>::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  UpdateHover(Point(x, y));
  if (const int scroll = ButtonAt(Point(x, y)); scroll != 0) {
    // The forward button scrolls only while the tabs do not fit.
    if (scroll < 0 || Layout().ButtonsShown) ScrollBy(scroll);
    return;
  }
  if (y <= 0 || y >= TabHeight()) return;
  const int tab = Layout().TabAt(x);
  if (tab < 0) return;
  const TWatchedComponent self(this);
  SelectTab(tab, true);
  if (self.Get() == nullptr) return;
  ensureActiveShown_ = true;
  LayoutChanged();
}

void TskTabControlTopPanel::MouseMove(TShiftState shift, int x, int y) {
  TskThemed<TCustomPanel>::MouseMove(shift, x, y);
  UpdateHover(Point(x, y));
}

void TskTabControlTopPanel::CMMouseLeave(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  if (hovered_ == 0) return;
  hovered_ = 0;
  Invalidate();
}
