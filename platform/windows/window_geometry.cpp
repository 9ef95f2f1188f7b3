// Rectangles, placement, z-order, visibility and hit testing of the window tree.
#include <algorithm>

#include "platform/windows/backend.h"
#include "platform/windows/painting.h"
#include "platform/windows/size_limits.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/window_data.h"

namespace {

void MoveInZOrder(TWindowData& w, HWND insertAfter) {
  auto& list = SiblingList(w);
  list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
  if (insertAfter == HWND_TOP) {
    list.insert(list.begin(), w.handle);
  } else if (insertAfter == HWND_BOTTOM) {
    list.push_back(w.handle);
  } else {
    auto it = std::find(list.begin(), list.end(), insertAfter);
    list.insert(it == list.end() ? list.begin() : it + 1, w.handle);
  }
}

void NotifyMoveAndSize(TWindowData& w, bool moved, bool sized) {
  HWND h = w.handle;
  if (moved) SendMessage(h, WM_MOVE, 0, MakeLParam(w.bounds.Left + w.client.Left, w.bounds.Top + w.client.Top));
  TWindowData* still = FindWindowData(h);
  if (sized && still) {
    WPARAM kind = (still->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : (still->style & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED;
    SendMessage(h, WM_SIZE, kind, MakeLParam(still->client.Width(), still->client.Height()));
  }
}

void ApplyBounds(TWindowData& w, const TRect& nb, bool repaint) {
  bool moved = nb.TopLeft() != w.bounds.TopLeft();
  bool sized = nb.Width() != w.bounds.Width() || nb.Height() != w.bounds.Height();
  if (!moved && !sized) return;
  if (repaint) InvalidateUnderneath(w);
  w.bounds = nb;
  RecalcClientRect(w);
  if (repaint) RedrawWindow(w.handle, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  if (!w.IsChildWindow()) Backend().WindowGeometryChanged(w.handle);
  NotifyMoveAndSize(w, moved, sized);
}

}  // namespace

// Top-level windows each have a picture of their own, which the toolkit composes: nothing
// underneath them needs painting again.
void InvalidateUnderneath(TWindowData& w) {
  if (!(w.style & WS_VISIBLE) || !w.IsChildWindow()) return;
  RedrawWindow(w.parent, &w.bounds, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool RecalcClientRect(TWindowData& w) {
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = w.bounds;
  params.rgrc[1] = w.bounds;
  params.rgrc[2] = w.bounds;
  SendMessage(w.handle, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
  TWindowData* still = FindWindowData(w.handle);
  if (!still) return false;
  TRect client = params.rgrc[0];
  OffsetRect(client, -w.bounds.Left, -w.bounds.Top);
  client.Right = std::max(client.Left, client.Right);
  client.Bottom = std::max(client.Top, client.Bottom);
  bool changed = client != w.client;
  w.client = client;
  return changed;
}

TPoint OffsetInTopLevel(HWND h) {
  TPoint p{0, 0};
  TWindowData* w = FindWindowData(h);
  while (w && w->IsChildWindow()) {
    TWindowData* parent = FindWindowData(w->parent);
    p.x += w->bounds.Left + parent->client.Left;
    p.y += w->bounds.Top + parent->client.Top;
    w = parent;
  }
  return p;
}

TRect WindowBounds(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w ? w->bounds : TRect{};
}

TRect ClientInWindow(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w ? w->client : TRect{};
}

void SetWindowBorderRing(HWND h, int width) {
  TWindowData* w = FindWindowData(h);
  if (!w || w->borderRing == width) return;
  w->borderRing = width;
  if (!RecalcClientRect(*w)) return;
  RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  NotifyMoveAndSize(*w, false, true);
}

bool GetWindowRect(HWND h, TRect& r) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  HWND top = GetAncestorTop(h);
  TPoint offset = OffsetInTopLevel(h);
  TRect topBounds = WindowBounds(top);
  r = Bounds(topBounds.Left + offset.x, topBounds.Top + offset.y, w->bounds.Width(), w->bounds.Height());
  return true;
}

bool GetClientRect(HWND h, TRect& r) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  r = Rect(0, 0, w->client.Width(), w->client.Height());
  return true;
}

bool ClientToScreen(HWND h, TPoint& p) {
  TRect wr;
  if (!GetWindowRect(h, wr)) return false;
  TRect c = ClientInWindow(h);
  p.x += wr.Left + c.Left;
  p.y += wr.Top + c.Top;
  return true;
}

bool ScreenToClient(HWND h, TPoint& p) {
  TPoint origin{0, 0};
  if (!ClientToScreen(h, origin)) return false;
  p.x -= origin.x;
  p.y -= origin.y;
  return true;
}

void MapWindowPoints(HWND from, HWND to, TPoint* points, int count) {
  for (int i = 0; i < count; ++i) {
    if (from) ClientToScreen(from, points[i]);
    if (to) ScreenToClient(to, points[i]);
  }
}

bool MoveWindow(HWND h, int x, int y, int width, int height, bool repaint) {
  return SetWindowPos(h, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool SetWindowPos(HWND h, HWND insertAfter, int x, int y, int cx, int cy, uint32_t flags) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  TRect nb = w->bounds;
  if (!(flags & SWP_NOMOVE)) nb = Bounds(x, y, nb.Width(), nb.Height());
  if (!(flags & SWP_NOSIZE)) nb.Right = nb.Left + std::max(cx, 0), nb.Bottom = nb.Top + std::max(cy, 0);
  // A restored top-level window keeps to the sizes it allows, whoever asks for another.
  if (!(flags & SWP_NOSIZE) && !w->IsChildWindow() && !(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) {
    nb = KeepToSizeLimits(h, nb);
    w = FindWindowData(h);
    if (!w) return false;
  }
  if (!(flags & SWP_NOZORDER)) {
    MoveInZOrder(*w, insertAfter);
    InvalidateUnderneath(*w);
  }
  if (flags & SWP_FRAMECHANGED) {
    RecalcClientRect(*w);
    RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  ApplyBounds(*w, nb, !(flags & SWP_NOREDRAW));
  if (flags & SWP_SHOWWINDOW) ShowWindow(h, SW_SHOWNA);
  if (flags & SWP_HIDEWINDOW) ShowWindow(h, SW_HIDE);
  return true;
}

bool BringWindowToTop(HWND h) { return SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

namespace {

void SetVisibleBit(TWindowData& w, bool visible) {
  if (((w.style & WS_VISIBLE) != 0) == visible) return;
  HWND h = w.handle;
  SendMessage(h, WM_SHOWWINDOW, visible ? 1 : 0, 0);
  TWindowData* still = FindWindowData(h);
  if (!still) return;
  if (visible) {
    still->style |= WS_VISIBLE;
    RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  } else {
    InvalidateUnderneath(*still);
    still->style &= ~WS_VISIBLE;
  }
  if (!still->IsChildWindow()) Backend().WindowShown(h, visible);
}

// A minimised window keeps its bounds here: leaving that state changes its size for its own
// code all the same, which hears WM_SIZE as it would where the bounds moved.
void SizeAfterMinimized(HWND h, bool wasMinimized, const TRect& before) {
  TWindowData* w = wasMinimized ? FindWindowData(h) : nullptr;
  if (w == nullptr || w->bounds.Width() != before.Width() || w->bounds.Height() != before.Height()) return;
  NotifyMoveAndSize(*w, false, true);
}

void Maximize(TWindowData& w) {
  const bool wasMinimized = (w.style & WS_MINIMIZE) != 0;
  const TRect before = w.bounds;
  const HWND h = w.handle;
  if (!(w.style & (WS_MAXIMIZE | WS_MINIMIZE))) w.restoreBounds = w.bounds;
  w.style = (w.style | WS_MAXIMIZE) & ~WS_MINIMIZE;
  TRect area = w.IsChildWindow() ? Rect(0, 0, ClientInWindow(w.parent).Width(), ClientInWindow(w.parent).Height()) : WorkArea();
  ApplyBounds(w, area, true);
  SizeAfterMinimized(h, wasMinimized, before);
}

void Minimize(TWindowData& w) {
  if (!(w.style & WS_MINIMIZE)) w.restoreMaximized = (w.style & WS_MAXIMIZE) != 0;
  if (!(w.style & (WS_MAXIMIZE | WS_MINIMIZE))) w.restoreBounds = w.bounds;
  w.style = (w.style | WS_MINIMIZE) & ~WS_MAXIMIZE;
  SendMessage(w.handle, WM_SIZE, SIZE_MINIMIZED, 0);
}

// Back to the bounds before minimise or maximise; `toMaximized`: a window minimised from
// maximised is maximised again, as the user left it.
void Restore(TWindowData& w, bool toMaximized) {
  if (!(w.style & (WS_MAXIMIZE | WS_MINIMIZE))) return;
  if (toMaximized && (w.style & WS_MINIMIZE) && w.restoreMaximized) return Maximize(w);
  const bool wasMinimized = (w.style & WS_MINIMIZE) != 0;
  const TRect before = w.bounds;
  const HWND h = w.handle;
  w.style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
  ApplyBounds(w, w.restoreBounds, true);
  SizeAfterMinimized(h, wasMinimized, before);
}

}  // namespace

bool ShowWindow(HWND h, int cmd) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  bool wasVisible = (w->style & WS_VISIBLE) != 0;
  switch (cmd) {
    case SW_HIDE: SetVisibleBit(*w, false); return wasVisible;
    case SW_SHOWMAXIMIZED: Maximize(*w); break;
    case SW_SHOWMINIMIZED: case SW_MINIMIZE: Minimize(*w); break;
    case SW_RESTORE: Restore(*w, true); break;
    case SW_SHOWNORMAL: Restore(*w, false); break;
    default: break;
  }
  if ((w = FindWindowData(h)) == nullptr) return wasVisible;
  SetVisibleBit(*w, true);
  if ((w = FindWindowData(h)) != nullptr && !w->IsChildWindow()) Backend().WindowStateChanged(h);
  return wasVisible;
}

bool IsWindowVisible(HWND h) {
  TWindowData* w = FindWindowData(h);
  while (w) {
    if (!(w->style & WS_VISIBLE)) return false;
    if (!w->IsChildWindow()) return true;
    w = FindWindowData(w->parent);
  }
  return false;
}

bool EnableWindow(HWND h, bool enable) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (wasDisabled != enable) return wasDisabled;
  if (enable) w->style &= ~WS_DISABLED; else w->style |= WS_DISABLED;
  SendMessage(h, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool IsWindowEnabled(HWND h) {
  TWindowData* w = FindWindowData(h);
  return w && !(w->style & WS_DISABLED);
}

bool GetWindowPlacement(HWND h, WINDOWPLACEMENT& placement) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  const bool minimized = (w->style & WS_MINIMIZE) != 0, maximized = (w->style & WS_MAXIMIZE) != 0;
  placement.flags = minimized && w->restoreMaximized ? WPF_RESTORETOMAXIMIZED : 0;
  placement.showCmd = minimized ? SW_SHOWMINIMIZED : maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  placement.rcNormalPosition = minimized || maximized ? w->restoreBounds : w->bounds;
  return true;
}

bool IsIconic(HWND h) { return (GetWindowLong(h, GWL_STYLE) & WS_MINIMIZE) != 0; }
bool IsZoomed(HWND h) { return (GetWindowLong(h, GWL_STYLE) & WS_MAXIMIZE) != 0; }

namespace {

bool ShapeContains(const TWindowData& w, TPoint inWindow) {
  return !w.hasShape || w.shape.Contains(inWindow);
}

// The deepest visible window under a point given in `parent`'s client coordinates.
HWND DeepestChildAt(HWND parent, TPoint client) {
  for (HWND c : ChildWindows(parent)) {
    TWindowData* w = FindWindowData(c);
    if (!(w->style & WS_VISIBLE) || !w->bounds.Contains(client)) continue;
    TPoint inWindow{client.x - w->bounds.Left, client.y - w->bounds.Top};
    if (!ShapeContains(*w, inWindow)) continue;
    if (!w->client.Contains(inWindow)) return c;
    return DeepestChildAt(c, {inWindow.x - w->client.Left, inWindow.y - w->client.Top});
  }
  return parent;
}

}  // namespace

HWND ChildWindowFromPoint(HWND parent, TPoint client) {
  for (HWND c : ChildWindows(parent)) {
    TWindowData* w = FindWindowData(c);
    if ((w->style & WS_VISIBLE) && w->bounds.Contains(client)) return c;
  }
  TRect cr;
  GetClientRect(parent, cr);
  return cr.Contains(client) ? parent : nullptr;
}

namespace {

HWND TopLevelAt(TPoint screen, bool topmost) {
  for (HWND top : TopLevelList()) {
    TWindowData* w = FindWindowData(top);
    if (((w->exStyle & WS_EX_TOPMOST) != 0) != topmost || (w->exStyle & WS_EX_TRANSPARENT)) continue;
    if (!(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE) || !w->bounds.Contains(screen)) continue;
    TPoint inWindow{screen.x - w->bounds.Left, screen.y - w->bounds.Top};
    if (!ShapeContains(*w, inWindow)) continue;
    if (!w->client.Contains(inWindow)) return top;
    return DeepestChildAt(top, {inWindow.x - w->client.Left, inWindow.y - w->client.Top});
  }
  return nullptr;
}

}  // namespace

// Topmost windows (hints, menus) stay above the others whatever the order of activation;
// windows the pointer passes through (WS_EX_TRANSPARENT, hints) are never under it.
HWND WindowFromPoint(TPoint screen) {
  HWND h = TopLevelAt(screen, true);
  return h ? h : TopLevelAt(screen, false);
}
