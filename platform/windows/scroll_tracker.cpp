// Mouse tracking of a scroll bar: arrows, page presses, thumb drags and repeat.
#include "platform/windows/scroll_tracker.h"

#include <algorithm>

#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/timers.h"

int ScrollCodePosition(HWND window, int bar, int code, int current, int line, int page, int last) {
  switch (code) {
    case SB_LINEUP: return current - line;
    case SB_LINEDOWN: return current + line;
    case SB_PAGEUP: return current - page;
    case SB_PAGEDOWN: return current + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si;
      si.fMask = SIF_TRACKPOS;
      return GetScrollInfo(window, bar, si) ? si.nTrackPos : current;
    }
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    default: return current;
  }
}

TScrollTracker::~TScrollTracker() {
  *alive_ = false;
  StopTimer();
}

// The bar's rectangle on the screen and its parts along its length, from the window's scroll
// information (a scroll-bar control's bar runs along its longer side).
TScrollTracker::TGeometry TScrollTracker::Geometry() const {
  TGeometry g;
  TRect wr;
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  if (!GetWindowRect(window_, wr) || !GetScrollInfo(window_, bar_, si)) return g;
  g.rect = ScrollBarRect(window_, bar_);
  OffsetRect(g.rect, wr.Left, wr.Top);
  TScrollBarData data;
  data.min = si.nMin;
  data.max = si.nMax;
  data.page = si.nPage;
  data.pos = si.nPos;
  int length = vertical_ ? g.rect.Height() : g.rect.Width();
  g.parts = ScrollBarPartsOf(data, length, vertical_ ? g.rect.Width() : g.rect.Height());
  g.length = length;
  g.maxPos = si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0);
  g.minPos = si.nMin;
  return g;
}

int TScrollTracker::Offset(const TGeometry& g, TPoint screen) const {
  return vertical_ ? screen.y - g.rect.Top : screen.x - g.rect.Left;
}

TScrollTracker::TPart TScrollTracker::PartAt(TPoint screen) const {
  TGeometry g = Geometry();
  if (!g.rect.Contains(screen) || g.parts.thumbEnd == 0) return TPart::None;
  int at = Offset(g, screen);
  if (at < g.parts.arrow) return TPart::LineUp;
  if (at >= g.length - g.parts.arrow) return TPart::LineDown;
  if (at < g.parts.thumbStart) return TPart::PageUp;
  if (at >= g.parts.thumbEnd) return TPart::PageDown;
  return TPart::Thumb;
}

bool TScrollTracker::Press(HWND window, TPoint screen, bool vertical) {
  window_ = window;
  vertical_ = vertical;
  part_ = PartAt(screen);
  if (part_ == TPart::None) return false;
  last_ = screen;
  if (part_ == TPart::Thumb) {
    TGeometry g = Geometry();
    grab_ = Offset(g, screen) - g.parts.thumbStart;
    trackPos_ = GetScrollPos(window_, bar_);
    return true;
  }
  SetTimer(window_, timerId_, ScrollRepeatDelay);
  timerRunning_ = true;
  // Last: the receiver of the step may free the bar, and this tracker with it.
  Step();
  return true;
}

int TScrollTracker::ThumbPosition(TPoint screen) const {
  TGeometry g = Geometry();
  int thumb = g.parts.thumbEnd - g.parts.thumbStart;
  int travel = g.length - 2 * g.parts.arrow - thumb;
  if (travel <= 0 || g.maxPos <= g.minPos) return g.minPos;
  long long moved = std::clamp(Offset(g, screen) - grab_ - g.parts.arrow, 0, travel);
  return g.minPos + static_cast<int>((moved * (g.maxPos - g.minPos) + travel / 2) / travel);
}

void TScrollTracker::Move(TPoint screen) {
  last_ = screen;
  if (part_ != TPart::Thumb) return;
  int pos = ThumbPosition(screen);
  if (pos == trackPos_) return;
  trackPos_ = pos;
  SetScrollTrackPos(window_, bar_, pos);
  send_(SB_THUMBTRACK, pos);
}

void TScrollTracker::Release() {
  if (part_ == TPart::None) return;
  bool thumb = part_ == TPart::Thumb;
  part_ = TPart::None;
  StopTimer();
  if (thumb) EndScrollTrack(window_, bar_);
  const std::shared_ptr<bool> alive = alive_;
  if (thumb) send_(SB_THUMBPOSITION, trackPos_);
  if (*alive) send_(SB_ENDSCROLL, 0);
}

// A held page press stops once the thumb has reached the pointer; a held arrow keeps going.
void TScrollTracker::Step() {
  TPart now = PartAt(last_);
  if (now != part_) return;
  switch (part_) {
    case TPart::LineUp: send_(SB_LINEUP, 0); break;
    case TPart::LineDown: send_(SB_LINEDOWN, 0); break;
    case TPart::PageUp: send_(SB_PAGEUP, 0); break;
    case TPart::PageDown: send_(SB_PAGEDOWN, 0); break;
    default: break;
  }
}

void TScrollTracker::Timer() {
  if (part_ == TPart::None || part_ == TPart::Thumb) return StopTimer();
  SetTimer(window_, timerId_, ScrollRepeatInterval);
  Step();
}

void TScrollTracker::StopTimer() {
  if (!timerRunning_) return;
  timerRunning_ = false;
  KillTimer(window_, timerId_);
}
