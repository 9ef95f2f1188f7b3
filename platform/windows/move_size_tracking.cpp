// Moving and sizing windows by dragging their caption and edges.
#include "platform/windows/move_size_tracking.h"

#include <algorithm>
#include <cstdlib>

#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/size_limits.h"
#include "platform/windows/system_metrics.h"

namespace {

struct TTracking {
  HWND window = nullptr;
  LRESULT hit = HTNOWHERE;
  TPoint start;
  TRect startBounds;
  bool dragged = false;  // the pointer has left the drag threshold
};

TTracking& State() {
  static TTracking state;
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    AddWindowDestroyHook([](HWND h) {
      if (state.window == h) state = TTracking{};
    });
  }
  return state;
}

// Which edges of the window a hit code drags.
struct TEdges {
  bool left = false, top = false, right = false, bottom = false;
};

TEdges EdgesOf(LRESULT hit) {
  switch (hit) {
    case HTLEFT: return {true, false, false, false};
    case HTRIGHT: return {false, false, true, false};
    case HTTOP: return {false, true, false, false};
    case HTBOTTOM: return {false, false, false, true};
    case HTTOPLEFT: return {true, true, false, false};
    case HTTOPRIGHT: return {false, true, true, false};
    case HTBOTTOMLEFT: return {true, false, false, true};
    case HTBOTTOMRIGHT: return {false, false, true, true};
    default: return {};
  }
}

bool IsMoveSizeCode(LRESULT hit) { return hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT); }

// The bounds for the pointer at `p`: the caption moves the whole window, an edge moves only
// that edge, and a dragged edge stops where the window would get smaller than the minimum or
// larger than the sizes the window allows; the opposite edge stays where it is.
TRect TrackedBounds(const TTracking& t, TPoint p) {
  int dx = p.x - t.start.x;
  int dy = p.y - t.start.y;
  TRect b = t.startBounds;
  if (t.hit == HTCAPTION) return Bounds(b.Left + dx, b.Top + dy, b.Width(), b.Height());
  int minWidth = std::min(GetSystemMetrics(SM_CXMIN), b.Width());
  int minHeight = std::min(GetSystemMetrics(SM_CYMIN), b.Height());
  TEdges e = EdgesOf(t.hit);
  if (e.left) b.Left = std::min(b.Left + dx, b.Right - minWidth);
  if (e.right) b.Right = std::max(b.Right + dx, b.Left + minWidth);
  if (e.top) b.Top = std::min(b.Top + dy, b.Bottom - minHeight);
  if (e.bottom) b.Bottom = std::max(b.Bottom + dy, b.Top + minHeight);
  return KeepToSizeLimits(t.window, b, e.left, e.top);
}

void Place(HWND h, const TRect& b) {
  if (b == WindowBounds(h)) return;
  SetWindowPos(h, nullptr, b.Left, b.Top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PastDragThreshold(TPoint start, TPoint p) {
  return std::abs(p.x - start.x) >= GetSystemMetrics(SM_CXDRAG) ||
         std::abs(p.y - start.y) >= GetSystemMetrics(SM_CYDRAG);
}

}  // namespace

bool BeginMoveSizeTracking(HWND top, LRESULT hitCode) {
  if (!IsWindow(top) || (GetWindowLong(top, GWL_STYLE) & WS_CHILD) || !IsMoveSizeCode(hitCode)) return false;
  // The press was handled late: when the button is up already, the drag is over.
  if (GetAsyncKeyState(VK_LBUTTON) >= 0) return false;
  if (MoveSizeTracking()) EndMoveSizeTracking(true);
  // Whatever held the mouse lets it go, as it does when the system's move loop starts.
  if (GetCapture()) ReleaseCapture();
  State() = TTracking{top, hitCode, LeftButtonDownPoint(), WindowBounds(top)};
  SendMessage(top, WM_ENTERSIZEMOVE);
  return MoveSizeTracking();
}

bool MoveSizeTracking() { return State().window != nullptr && IsWindow(State().window); }

void TrackMoveSize(TPoint screen) {
  if (!MoveSizeTracking()) return;
  TTracking& t = State();
  if (!t.dragged) {
    if (!PastDragThreshold(t.start, screen)) return;
    t.dragged = true;
  }
  Place(State().window, TrackedBounds(State(), screen));
}

void EndMoveSizeTracking(bool keep) {
  if (!MoveSizeTracking()) return;
  TTracking t = State();
  State() = TTracking{};
  if (!keep) Place(t.window, t.startBounds);
  SendMessage(t.window, WM_EXITSIZEMOVE);
}
