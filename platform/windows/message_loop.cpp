// The message loop: pumping queued messages and timers.
#include "platform/windows/message_loop.h"

#include "platform/windows/backend.h"
#include "platform/windows/input.h"
#include "platform/windows/painting.h"
#include "platform/windows/timers.h"

namespace {

// Dispatches what is queued now; messages posted meanwhile wait for the next turn, so a
// window that posts to itself cannot hold the loop.
bool DrainQueue(const TMessageFilter& filter, int* exitCode) {
  for (size_t n = PendingMessageCount(); n > 0; --n) {
    MSG m;
    if (!PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) break;
    if (m.message == WM_QUIT) {
      if (exitCode) *exitCode = static_cast<int>(m.wParam);
      return false;
    }
    if (InputRefused(m) || (filter && filter(m))) continue;
    DispatchMessage(m);
  }
  return true;
}

}  // namespace

bool PumpMessages(const TMessageFilter& filter, int* exitCode) {
  Backend().ProcessEvents(0);
  if (!DrainQueue(filter, exitCode)) return false;
  if (PostDueTimers() > 0 && !DrainQueue(filter, exitCode)) return false;
  PaintInvalidWindows();
  // What the turn painted reaches the screen in one piece per window, however often it drew.
  Backend().ShowPresented(nullptr);
  return true;
}
