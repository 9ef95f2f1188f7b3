// The grid's scroll-bar settings and the external scroll bars that stand in for its own.
#include "gridlib/grid/grid_scroll_bars.h"

#include <map>

#include "gridlib/grid/db_grid.h"
#include "platform/classes/properties.h"
#include "platform/controls/scroll_bar.h"
#include "platform/core/exceptions.h"
#include "platform/windows/window_styles.h"
#include "platform/windows/window_tree.h"

namespace {

// The window procedure each attached bar had before a grid took it over; a bar listed here
// already drives a grid.
std::map<const TScrollBar*, TWndMethod>& AttachedBars() {
  static std::map<const TScrollBar*, TWndMethod> bars;
  return bars;
}

}  // namespace

TDBGridExScrollBar::TDBGridExScrollBar(TCustomDBGridEx* grid, TScrollBarKind kind)
    : grid_(grid), kind_(kind) {}

TDBGridExScrollBar::~TDBGridExScrollBar() {
  if (extScrollBar_ != nullptr) Unhook(extScrollBar_);
}

void TDBGridExScrollBar::Publish() {
  using T = TDBGridExScrollBar;
  TPublisher<T> p;
  p.Property("ExtScrollBar", &T::ExtScrollBar, &T::SetExtScrollBar);
  p.Property("Tracking", &T::Tracking, &T::SetTracking).Default(false);
  p.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

void TVertDBGridExScrollBar::Publish() {
  using T = TVertDBGridExScrollBar;
  TPublisher<T> p;
  p.Redeclare("Visible").Stored(false);
  p.Property("VisibleMode", &T::VisibleMode, &T::SetVisibleMode).Default(sbAutoShowEx);
}

void TDBGridExScrollBar::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TDBGridExScrollBar*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  SetVisible(other->Visible());
  SetTracking(other->Tracking());
  SetExtScrollBar(other->ExtScrollBar());
}

void TDBGridExScrollBar::SetVisible(bool value) {
  SetVisibleMode(value ? sbAutoShowEx : sbNeverShowEx);
  if (extScrollBar_ != nullptr) extScrollBar_->SetVisible(value);
}

void TDBGridExScrollBar::SetVisibleMode(TScrollBarVisibleModeEx value) {
  if (value == visibleMode_) return;
  visibleMode_ = value;
  if (kind_ == sbVertical) grid_->UpdateVertScrollBar();
  grid_->LayoutChanged();
}

bool TDBGridExScrollBar::IsScrollBarVisible() {
  if (extScrollBar_ != nullptr) return extScrollBar_->Visible();
  if (!Visible() || !grid_->HandleAllocated()) return false;
  const auto style = static_cast<uint32_t>(GetWindowLong(grid_->Handle(), GWL_STYLE));
  return (style & (kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

bool TDBGridExScrollBar::GetScrollInfo(SCROLLINFO& info) {
  if (extScrollBar_ != nullptr) return ::GetScrollInfo(extScrollBar_->Handle(), SB_CTL, info);
  return ::GetScrollInfo(grid_->Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, info);
}

void TDBGridExScrollBar::SetExtScrollBar(TScrollBar* bar) {
  if (bar == extScrollBar_) return;
  const bool designing = grid_->ComponentState().Contains(csDesigning);
  if (!designing && bar != nullptr && AttachedBars().contains(bar)) {
    throw Exception("Possible " + bar->Name() + " already attached to the other control.");
  }
  if (!designing && extScrollBar_ != nullptr) Unhook(extScrollBar_);
  extScrollBar_ = bar;
  if (bar != nullptr) {
    bar->FreeNotification(grid_);
    if (!designing) Hook(bar);
    bar->SetVisible(Visible());
  }
  Changed();
}

void TDBGridExScrollBar::ExtScrollBarGone() {
  // The bar's own destructor has run: forget it without touching it.
  AttachedBars().erase(extScrollBar_);
  extScrollBar_ = nullptr;
  Changed();
}

// The bar's scroll notifications drive the grid as its own bar would, then the bar handles
// every message as before.
void TDBGridExScrollBar::Hook(TScrollBar* bar) {
  AttachedBars()[bar] = bar->WindowProc;
  bar->WindowProc = [this, bar](TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
      grid_->Perform(kind_ == sbHorizontal ? WM_HSCROLL : WM_VSCROLL, m.WParam, m.LParam);
    }
    auto found = AttachedBars().find(bar);
    if (found == AttachedBars().end()) return;
    const TWndMethod own = found->second;  // a copy: the handler may detach the bar
    own(m);
  };
}

void TDBGridExScrollBar::Unhook(TScrollBar* bar) {
  auto found = AttachedBars().find(bar);
  if (found == AttachedBars().end()) return;
  bar->WindowProc = found->second;
  AttachedBars().erase(found);
}

void TDBGridExScrollBar::Changed() {
  if (grid_->ComponentState().Contains(csDestroying)) return;
  if (grid_->HandleAllocated() && kind_ == sbVertical) grid_->UpdateVertScrollBar();
  grid_->LayoutChanged();
}
