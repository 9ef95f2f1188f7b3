// Sent messages go straight to the window procedure; posted ones wait in one queue, in order.
#include <algorithm>
#include <deque>

#include "platform/windows/clock.h"
#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_data.h"

namespace {

std::deque<MSG>& Queue() {
  static std::deque<MSG> queue;
  return queue;
}

HWND KeyboardTarget() {
  HWND focus = GetFocus();
  return focus ? focus : GetActiveWindow();
}

HWND TargetOf(const MSG& m) { return m.hwnd == HWND_FOCUS ? KeyboardTarget() : m.hwnd; }

bool IsCharMessage(UINT msg) { return msg == WM_CHAR || msg == WM_SYSCHAR || msg == WM_DEADCHAR; }

// A key press taken for its window takes its characters along.
void BindFollowingChars(std::deque<MSG>::iterator from, std::deque<MSG>::iterator end, HWND target) {
  for (auto it = from; it != end && it->hwnd == HWND_FOCUS && IsCharMessage(it->message); ++it) it->hwnd = target;
}

bool Matches(const MSG& m, HWND h, UINT filterMin, UINT filterMax) {
  if (h && TargetOf(m) != h) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return m.message >= filterMin && m.message <= filterMax;
}

}  // namespace

LRESULT SendMessage(HWND h, UINT msg, WPARAM w, LPARAM l) {
  TWindowData* data = FindWindowData(h);
  if (!data) return 0;
  // A copy: the procedure may replace itself or destroy its window while it runs.
  WNDPROC proc = data->proc;
  return CallWindowProc(proc, h, msg, w, l);
}

bool PostMessage(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (h && h != HWND_FOCUS && !IsWindow(h)) return false;
  Queue().push_back(MSG{h, msg, w, l, GetTickCount(), GetCursorPos(), SnapshotModifiers()});
  return true;
}

void PostQuitMessage(int exitCode) {
  Queue().push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, GetTickCount(), GetCursorPos(), SnapshotModifiers()});
}

bool PeekMessage(MSG& msg, HWND h, UINT filterMin, UINT filterMax, uint32_t remove) {
  auto& queue = Queue();
  auto it = std::find_if(queue.begin(), queue.end(),
                         [&](const MSG& m) { return Matches(m, h, filterMin, filterMax); });
  if (it == queue.end()) return false;
  msg = *it;
  msg.hwnd = TargetOf(*it);
  if (remove & PM_REMOVE) {
    if (it->hwnd == HWND_FOCUS && !IsCharMessage(it->message)) BindFollowingChars(it + 1, queue.end(), msg.hwnd);
    queue.erase(it);
    SetSynchronousModifiers(msg.keyState);
  }
  return true;
}

LRESULT DispatchMessage(const MSG& msg) {
  if (!msg.hwnd) return 0;
  return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

size_t PendingMessageCount() { return Queue().size(); }

void RemoveMessagesFor(HWND h) {
  auto& queue = Queue();
  queue.erase(std::remove_if(queue.begin(), queue.end(), [h](const MSG& m) { return m.hwnd == h; }),
              queue.end());
}

bool HasPostedMessage(HWND h, UINT msg, WPARAM w) {
  const auto& queue = Queue();
  return std::any_of(queue.begin(), queue.end(),
                     [&](const MSG& m) { return m.hwnd == h && m.message == msg && m.wParam == w; });
}
