// Skinned scroll bars attached to a list, memo or tree, kept in step with it.
#include "skin/attached_scroll_bars.h"

#include <algorithm>

#include "platform/controls/win_control.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/messages.h"
#include "skin/scroll_bar.h"

namespace {

constexpr int kReleasedMax = 100;
constexpr int kInset = 1;        // from the control's outer edge to a bar's long side
constexpr int kFarInset = 2;     // from the control's far edges to a bar

int Slot(int kind) { return kind == SB_VERT ? 1 : 0; }

// Min first when the new range lies below the old one, Max first when above, so that neither
// setter pulls the other end along.
void SetRange(TskScrollBar* bar, int min, int max) {
  if (min > bar->Max()) {
    bar->SetMax(max);
    bar->SetMin(min);
  } else {
    bar->SetMin(min);
    bar->SetMax(max);
  }
}

// A bar shows itself when it is laid out; whether it shows is the synchronising's to say.
void PlaceKeepingVisibility(TskScrollBar* bar, const TRect& bounds) {
  const bool shown = bar->Visible();
  bar->SetBoundsRect(bounds);
  bar->SetVisible(shown);
}

}  // namespace

TskAttachedScrollBars::~TskAttachedScrollBars() {
  for (TskScrollBar* bar : bars_) {
    if (bar == nullptr) continue;
    bar->OnChange().Clear();
    bar->RemoveFreeNotification(control_);
  }
}

void TskAttachedScrollBars::Release(TskScrollBar* bar) {
  bar->OnChange().Clear();
  bar->RemoveFreeNotification(control_);
  bar->SetLineButton(0);
  bar->SetMax(kReleasedMax);
  bar->SetEnabled(true);
}

bool TskAttachedScrollBars::Attach(int kind, TskScrollBar* bar) {
  TskScrollBar*& slot = bars_[Slot(kind)];
  if (bar == slot) return false;
  if (slot != nullptr) Release(slot);
  slot = bar;
  if (bar == nullptr) return true;
  bar->FreeNotification(control_);
  bar->SetOrientation(kind == SB_VERT ? skVertical : skHorizontal);
  bar->OnChange().Bind(control_, kind == SB_VERT ? "VScrollBarChange" : "HScrollBarChange",
                       [this, kind](TObject*) { BarChanged(kind); });
  bar->BringToFront();
  return true;
}

bool TskAttachedScrollBars::Forget(const TComponent* component) {
  bool forgotten = false;
  for (TskScrollBar*& bar : bars_) {
    if (bar != nullptr && bar == component) {
      bar = nullptr;
      forgotten = true;
    }
  }
  return forgotten;
}

void TskAttachedScrollBars::ApplyStyle(TskUIStyle style, TskFileTheme* fileTheme) {
  for (TskScrollBar* bar : bars_) {
    if (bar == nullptr) continue;
    bar->SetFileTheme(fileTheme);
    bar->SetUIStyle(style);
  }
}

void TskAttachedScrollBars::ApplyFileTheme(TskFileTheme* fileTheme) {
  for (TskScrollBar* bar : bars_) {
    if (bar != nullptr) bar->SetFileTheme(fileTheme);
  }
}

void TskAttachedScrollBars::Synchronise() {
  if (manner_ == bmMemo && scrolling_) return;
  auto busy = ScopedValue(syncing_, true);
  for (int kind : {SB_VERT, SB_HORZ}) {
    if (Bar(kind) != nullptr) SynchroniseBar(kind);
  }
}

void TskAttachedScrollBars::SynchroniseBar(int kind) {
  TskScrollBar* bar = Bar(kind);
  SCROLLBARINFO info;
  const bool known = control_->HandleAllocated() &&
                     GetScrollBarInfo(control_->Handle(), kind == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, info);
  const bool idle = !known || (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) != 0;
  if (idle) {
    bar->SetLineButton(0);
    bar->SetEnabled(false);
    if (manner_ == bmMemo) bar->SetSliderVisible(false);
    else bar->SetVisible(false);
  } else {
    bar->SetLineButton(info.xyThumbBottom - info.xyThumbTop);
    bar->SetEnabled(true);
    bar->SetVisible(true);
    if (manner_ == bmMemo) {
      bar->SetSliderVisible(true);
      if (kind == SB_HORZ) bar->SetSmallChange(3 * bar->PageSize());
    }
  }
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  if (!known || !GetScrollInfo(control_->Handle(), kind, si)) return;
  const int64_t last = static_cast<int64_t>(si.nMax) - si.nPage + 1;
  SetRange(bar, si.nMin, static_cast<int>(std::max<int64_t>(last, si.nMin)));
  bar->SetPosition(si.nPos);
}

// The control scrolls to the bar's position. The position travels whole as the native bar's
// track position, which the control reads; the message's high word carries its low 16 bits
// for those who read only that. The step is whole then: the native thumb shows the control's
// position again, not one held as if dragged.
void TskAttachedScrollBars::BarChanged(int kind) {
  if (syncing_ || !control_->HandleAllocated()) return;
  auto busy = ScopedValue(scrolling_, true);
  const int position = Bar(kind)->Position();
  SetScrollTrackPos(control_->Handle(), kind, position);
  control_->Perform(kind == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(SB_THUMBPOSITION, position), 0);
  EndScrollTrack(control_->Handle(), kind);
  control_->Invalidate();
}

bool TskAttachedScrollBars::Follow(UINT msg) {
  switch (msg) {
    case WM_SIZE:
    case WM_MOVE: return true;
    case WM_LBUTTONDOWN: buttonDown_ = true; break;
    case WM_LBUTTONUP: buttonDown_ = false; return false;
    case WM_MOUSEMOVE: if (!buttonDown_) return false; break;
    case CM_ENABLEDCHANGED:
    case WM_KEYDOWN:
    case WM_MOUSEWHEEL:
    case WM_HSCROLL:
    case WM_VSCROLL: break;
    default: return false;
  }
  Synchronise();
  return false;
}

// A bar larger across than the control cannot stand inside its border: a memo hides it, a
// list or tree puts it at the control's near edge instead, where it still shows.
void TskAttachedScrollBars::Place(bool onlyVisible) {
  TskScrollBar* h = Bar(SB_HORZ);
  TskScrollBar* v = Bar(SB_VERT);
  auto counts = [onlyVisible](TskScrollBar* bar) { return bar != nullptr && (!onlyVisible || bar->Visible()); };
  const TRect c = control_->BoundsRect();
  if (h != nullptr) {
    const bool tooTall = h->Height() > c.Height();
    const int width = c.Width() - kFarInset - (counts(v) ? v->Width() : 0);
    const int top = tooTall ? c.Top : c.Bottom - h->Height() - kFarInset;
    if (tooTall && manner_ == bmMemo) h->SetVisible(false);
    else PlaceKeepingVisibility(h, Bounds(c.Left + kInset, top, std::max(width, 0), h->Height()));
  }
  if (v != nullptr) {
    const bool tooWide = v->Width() > c.Width();
    const int height = c.Height() - kFarInset - (counts(h) ? h->Height() : 0);
    const int left = tooWide ? c.Left : c.Right - v->Width() - kFarInset;
    if (tooWide && manner_ == bmMemo) v->SetVisible(false);
    else PlaceKeepingVisibility(v, Bounds(left, c.Top + kInset, v->Width(), std::max(height, 0)));
  }
}
