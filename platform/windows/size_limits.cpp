// The sizes a top-level window may take.
#include "platform/windows/size_limits.h"

#include <algorithm>

#include "platform/windows/backend.h"
#include "platform/windows/window_data.h"

MINMAXINFO WindowSizeLimits(HWND h) {
  MINMAXINFO info{};
  info.ptMaxTrackSize = {kNoSizeLimit, kNoSizeLimit};
  TWindowData* w = FindWindowData(h);
  if (!w || w->IsChildWindow()) return info;
  SendMessage(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  info.ptMinTrackSize = {std::max(info.ptMinTrackSize.x, 0), std::max(info.ptMinTrackSize.y, 0)};
  // A maximum below the minimum gives way to it, as a control's constraints do.
  info.ptMaxTrackSize = {std::max(info.ptMaxTrackSize.x, info.ptMinTrackSize.x),
                         std::max(info.ptMaxTrackSize.y, info.ptMinTrackSize.y)};
  return info;
}

TRect KeepToSizeLimits(HWND h, TRect bounds, bool keepRight, bool keepBottom) {
  const MINMAXINFO limits = WindowSizeLimits(h);
  const int width = std::clamp(bounds.Width(), limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
  const int height = std::clamp(bounds.Height(), limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
  if (keepRight) bounds.Left = bounds.Right - width;
  else bounds.Right = bounds.Left + width;
  if (keepBottom) bounds.Top = bounds.Bottom - height;
  else bounds.Bottom = bounds.Top + height;
  return bounds;
}

void SizeLimitsChanged(HWND h) {
  TWindowData* w = FindWindowData(h);
  if (w && !w->IsChildWindow()) Backend().WindowGeometryChanged(h);
}
