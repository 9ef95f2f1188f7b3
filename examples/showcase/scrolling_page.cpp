#include "examples/showcase/scrolling_page.h"

#include <algorithm>
#include <climits>

#include "platform/core/scope_guard.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"
#include "skin/tab_control.h"

namespace {

// A step of the arrows.
constexpr int kLine = 16;

// The room the client area of `c` needs for the controls in it: placed controls where they
// stand, a control filling it with what that one needs inside plus its frame and the margins
// `c` keeps around it. The scrolled page keeps no margins, and its controls stand moved by
// the distance scrolled.
TSize ClientNeeds(TWinControl* c, TPoint scrolled, bool scrolledPage) {
  TSize need{0, 0};
  for (int i = 0; i < c->ControlCount(); ++i) {
    TControl* child = c->Controls(i);
    // A tab strip spans its tab control, however wide that is, and needs no room of its own.
    if (!child->Visible() || dynamic_cast<TskTabControlTopPanel*>(child) != nullptr) continue;
    auto* box = dynamic_cast<TWinControl*>(child);
    if (child->Align() == alClient && box != nullptr) {
      const TSize inner = ClientNeeds(box, {0, 0}, false);
      const TSize around = scrolledPage ? TSize{box->Width() - box->ClientWidth(), box->Height() - box->ClientHeight()}
                                        : TSize{c->ClientWidth() - box->ClientWidth(), c->ClientHeight() - box->ClientHeight()};
      need.cx = std::max(need.cx, inner.cx + around.cx);
      need.cy = std::max(need.cy, inner.cy + around.cy);
    } else {
      need.cx = std::max(need.cx, scrolled.x + child->Left() + child->Width());
      need.cy = std::max(need.cy, scrolled.y + child->Top() + child->Height());
    }
  }
  return need;
}

int ScrolledTo(int code, int track, int position, int page) {
  switch (code) {
    case SB_LINEUP: return position - kLine;
    case SB_LINEDOWN: return position + kLine;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_THUMBPOSITION: case SB_THUMBTRACK: return track;
    case SB_TOP: return 0;
    case SB_BOTTOM: return INT_MAX / 2;
    default: return position;
  }
}

}  // namespace

TShowcaseScrollingPage::TShowcaseScrollingPage(TComponent* owner) : TShowcasePanel(owner) {}

const TMessageMap& TShowcaseScrollingPage::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TShowcasePanel::ClassMessages());
    m.On(WM_HSCROLL, &TShowcaseScrollingPage::WMScroll);
    m.On(WM_VSCROLL, &TShowcaseScrollingPage::WMScroll);
    m.On(CM_VISIBLECHANGED, &TShowcaseScrollingPage::CMVisibleChanged);
    return m;
  }();
  return map;
}

// The controls are laid out in the whole area they need, moved by the scrolled distance.
void TShowcaseScrollingPage::AdjustClientRect(TRect& rect) {
  TShowcasePanel::AdjustClientRect(rect);
  rect = Bounds(rect.Left - position_.x, rect.Top - position_.y, std::max(rect.Width(), content_.cx),
                std::max(rect.Height(), content_.cy));
}

void TShowcaseScrollingPage::CreateWnd() {
  TShowcasePanel::CreateWnd();
  UpdateBars();
}

// A page shown again measures what it holds now.
void TShowcaseScrollingPage::CMVisibleChanged(TMessage& m) {
  if (const TMessageMap::THandler* inherited = TShowcasePanel::ClassMessages().Find(m.Msg)) (*inherited)(this, m);
  else DefaultHandler(m);
  if (Visible()) UpdateBars();
}

void TShowcaseScrollingPage::Resize() {
  TShowcasePanel::Resize();
  UpdateBars();
}

// Showing or hiding a bar sizes the client area again, which measures again.
void TShowcaseScrollingPage::UpdateBars() {
  if (updatingBars_ || !HandleAllocated()) return;
  const auto updating = ScopedValue(updatingBars_, true);
  content_ = ClientNeeds(this, position_, true);
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = (bar == SB_HORZ ? content_.cx : content_.cy) - 1;
    si.nPage = static_cast<uint32_t>(std::max(bar == SB_HORZ ? ClientWidth() : ClientHeight(), 0));
    SetScrollInfo(Handle(), bar, si, true);
  }
  ScrollTo(position_);
}

void TShowcaseScrollingPage::ScrollTo(TPoint position) {
  position.x = std::clamp(position.x, 0, std::max(content_.cx - ClientWidth(), 0));
  position.y = std::clamp(position.y, 0, std::max(content_.cy - ClientHeight(), 0));
  const TPoint moved{position_.x - position.x, position_.y - position.y};
  position_ = position;
  if (HandleAllocated()) {
    SetScrollPos(Handle(), SB_HORZ, position_.x, true);
    SetScrollPos(Handle(), SB_VERT, position_.y, true);
  }
  if (moved.x != 0 || moved.y != 0) ScrollBy(moved.x, moved.y);
  else Realign();
}

void TShowcaseScrollingPage::WMScroll(TMessage& m) {
  const bool across = m.Msg == WM_HSCROLL;
  const int bar = across ? SB_HORZ : SB_VERT;
  SCROLLINFO si;
  si.fMask = SIF_TRACKPOS;
  const int track = HandleAllocated() && GetScrollInfo(Handle(), bar, si) ? si.nTrackPos : 0;
  const int now = across ? position_.x : position_.y;
  const int to = ScrolledTo(m.WParamLo(), track, now, across ? ClientWidth() : ClientHeight());
  ScrollTo(across ? TPoint{to, position_.y} : TPoint{position_.x, to});
}
