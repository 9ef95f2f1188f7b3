// Sent messages go straight to the window procedure; posted ones wait in one queue, in order.
#include <algorithm>
#include <deque>

#include "platform/windows/clock.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_data.h"

namespace {

std::deque<MSG>& Queue() {
  static std::deque<MSG> queue;
  return queue;
}

bool Matches(const MSG& m, HWND h, UINT filterMin, UINT filterMax) {
  if (h && m.hwnd != h) return false;
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
  if (h && !IsWindow(h)) return false;
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
  if (remove & PM_REMOVE) {
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
