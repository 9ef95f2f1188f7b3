// Frame scroll bars run by the mouse for windows that leave them to the default handling.
#include "platform/windows/frame_scroll_tracking.h"

#include <memory>

#include "platform/windows/keys.h"
#include "platform/windows/scroll_tracker.h"

namespace {

struct TFrameScroll {
  HWND window = nullptr;
  // Shared, so that a call into it outlives the window going meanwhile.
  std::shared_ptr<TScrollTracker> tracker;
};

TFrameScroll& State() {
  static TFrameScroll state;
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    AddWindowDestroyHook([](HWND h) {
      if (state.window == h) state = TFrameScroll{};
    });
  }
  return state;
}

}  // namespace

bool BeginFrameScrollTracking(HWND h, LRESULT hitCode, TPoint screen) {
  if (!IsWindow(h) || (hitCode != HTVSCROLL && hitCode != HTHSCROLL)) return false;
  EndFrameScrollTracking();
  const bool vertical = hitCode == HTVSCROLL;
  const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
  auto tracker = std::make_shared<TScrollTracker>(vertical ? SB_VERT : SB_HORZ, kFrameScrollTimerId,
                                                  [h, msg](int code, int pos) {
                                                    if (IsWindow(h)) SendMessage(h, msg, MakeWParam(code, pos), 0);
                                                  });
  if (!tracker->Press(h, screen, vertical)) return false;
  // The first step may have closed the window.
  if (!IsWindow(h)) return true;
  State() = TFrameScroll{h, std::move(tracker)};
  // A press handled only after its release (both came in one batch) was one step.
  if (GetAsyncKeyState(VK_LBUTTON) >= 0) EndFrameScrollTracking();
  return true;
}

bool FrameScrollTracking() { return State().tracker != nullptr; }

void TrackFrameScroll(TPoint screen) {
  if (std::shared_ptr<TScrollTracker> t = State().tracker) t->Move(screen);
}

void EndFrameScrollTracking() {
  // Taken out first: the window may start another press, or go, while it hears the end.
  std::shared_ptr<TScrollTracker> ending = std::move(State().tracker);
  State() = TFrameScroll{};
  if (ending) ending->Release();
}

bool FrameScrollTakesMouse(HWND h, UINT msg, TPoint screen) {
  if (!FrameScrollTracking() || State().window != h || (msg != WM_MOUSEMOVE && msg != WM_LBUTTONUP)) return false;
  TrackFrameScroll(screen);
  if (msg == WM_LBUTTONUP) EndFrameScrollTracking();
  return true;
}

void FrameScrollTimer(HWND h) {
  if (State().window != h) return;
  if (std::shared_ptr<TScrollTracker> t = State().tracker) t->Timer();
}
