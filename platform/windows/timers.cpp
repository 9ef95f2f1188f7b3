// Window timers: setting, killing and posting due timer messages.
#include "platform/windows/timers.h"

#include <algorithm>
#include <map>
#include <utility>

#include "platform/windows/clock.h"
#include "platform/windows/system_metrics.h"

namespace {

struct TTimerEntry {
  int interval = 0;  // < 0: never fires
  int64_t due = 0;
};

using TTimerKey = std::pair<HWND, uintptr_t>;

std::map<TTimerKey, TTimerEntry>& Timers() {
  static std::map<TTimerKey, TTimerEntry> timers;
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    AddWindowDestroyHook([](HWND h) {
      std::erase_if(timers, [h](const auto& entry) { return entry.first.first == h; });
    });
  }
  return timers;
}

}  // namespace

uintptr_t SetTimer(HWND h, uintptr_t id, int intervalMs) {
  if (!IsWindow(h)) return 0;
  int interval = intervalMs < 0 ? -1 : std::max(intervalMs, USER_TIMER_MINIMUM);
  Timers()[{h, id}] = TTimerEntry{interval, Clock().NowMs() + std::max(interval, 0)};
  return id == 0 ? 1 : id;
}

bool KillTimer(HWND h, uintptr_t id) { return Timers().erase({h, id}) > 0; }

int PostDueTimers() {
  int64_t now = Clock().NowMs();
  int posted = 0;
  for (auto& [key, timer] : Timers()) {
    if (timer.interval < 0 || timer.due > now) continue;
    timer.due = now + timer.interval;
    if (HasPostedMessage(key.first, WM_TIMER, key.second)) continue;
    PostMessage(key.first, WM_TIMER, key.second, 0);
    ++posted;
  }
  return posted;
}

int64_t MsUntilNextTimer() {
  int64_t now = Clock().NowMs();
  int64_t best = -1;
  for (const auto& [key, timer] : Timers()) {
    if (timer.interval < 0) continue;
    int64_t wait = std::max<int64_t>(timer.due - now, 0);
    if (best < 0 || wait < best) best = wait;
  }
  return best;
}

size_t ActiveTimerCount() { return Timers().size(); }
