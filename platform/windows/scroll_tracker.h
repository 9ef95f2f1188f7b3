#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/core/types.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"

// The mouse on a scroll bar, as the window system runs it: a press on an arrow or on the
// track beside the thumb scrolls once, then again after a delay and steadily while the button
// stays down over that part; a press on the thumb drags it, reporting SB_THUMBTRACK positions,
// and the release ends with SB_THUMBPOSITION and SB_ENDSCROLL. Serves a scroll-bar control's
// bar (SB_CTL) and the bars in a window's frame (SB_HORZ, SB_VERT) alike.
class TScrollTracker {
 public:
  // Scroll codes go to `send(code, pos)`; the repeat runs on timer `timerId` of `window`.
  using TSend = std::function<void(int code, int pos)>;
  TScrollTracker(int bar, uintptr_t timerId, TSend send) : bar_(bar), timerId_(timerId), send_(std::move(send)) {}
  ~TScrollTracker();
  TScrollTracker(const TScrollTracker&) = delete;
  TScrollTracker& operator=(const TScrollTracker&) = delete;

  // A press at a screen point; answers false when the point is not on the bar.
  bool Press(HWND window, TPoint screen, bool vertical);
  void Move(TPoint screen);
  void Release();
  // WM_TIMER for `timerId`: the next repeat step.
  void Timer();
  bool Tracking() const { return part_ != TPart::None; }
  uintptr_t TimerId() const { return timerId_; }

 private:
  enum class TPart : uint8_t { None, LineUp, PageUp, Thumb, PageDown, LineDown };
  struct TGeometry {
    TRect rect;
    TScrollBarParts parts;
    int length = 0;
    int minPos = 0;
    int maxPos = 0;
  };
  TGeometry Geometry() const;
  TPart PartAt(TPoint screen) const;
  int Offset(const TGeometry& g, TPoint screen) const;
  int ThumbPosition(TPoint screen) const;
  void Step();
  void StopTimer();

  int bar_;
  uintptr_t timerId_;
  TSend send_;
  HWND window_ = nullptr;
  bool vertical_ = true;
  TPart part_ = TPart::None;
  TPoint last_;
  int grab_ = 0;      // where the thumb was taken, from its start
  int trackPos_ = 0;
  bool timerRunning_ = false;
  // False once the tracker is freed: a receiver of its scroll codes may free the bar.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The position a scroll code (SB_LINEUP, ...) asks for: a line or a page from `current`, the
// bar's track position, or the first (0) or `last` position; `current` for codes that move
// nothing.
int ScrollCodePosition(HWND window, int bar, int code, int current, int line, int page, int last);

// Delay before a held arrow repeats, then the repeat interval, in ms.
inline constexpr int ScrollRepeatDelay = 400;
inline constexpr int ScrollRepeatInterval = 50;
