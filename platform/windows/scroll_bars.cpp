// A window's own scroll bars: range, position, page and visibility.
#include "platform/windows/scroll_bars.h"

#include <algorithm>

#include "platform/graphics/colors.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/frame_layout.h"
#include "platform/windows/painting.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/window_data.h"

namespace {

TScrollBarData* BarData(HWND h, int bar) {
  TWindowData* w = FindWindowData(h);
  if (!w) return nullptr;
  // A scroll-bar control keeps its one bar where a frame keeps the vertical one.
  return bar == SB_HORZ ? &w->hscroll : (bar == SB_VERT || bar == SB_CTL) ? &w->vscroll : nullptr;
}

bool Scrollable(const TScrollBarData& d) {
  return d.max > d.min && static_cast<long long>(d.page) <= static_cast<long long>(d.max) - d.min;
}

// The last position, max - page + 1, never before min; worked out wide, since ranges and pages
// may reach the ends of int.
int MaxPos(const TScrollBarData& d) {
  int64_t last = int64_t{d.max} - std::max<int64_t>(int64_t{d.page} - 1, 0);
  return static_cast<int>(std::max<int64_t>(last, d.min));
}

void Clamp(TScrollBarData& d) {
  d.pos = std::clamp(d.pos, d.min, MaxPos(d));
  d.trackPos = std::clamp(d.trackPos, d.min, MaxPos(d));
}

uint32_t FrameStyleBit(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

void SetFrameBarShown(HWND h, int bar, bool show) {
  if (bar == SB_CTL) return;
  uint32_t style = static_cast<uint32_t>(GetWindowLong(h, GWL_STYLE));
  uint32_t bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : FrameStyleBit(bar);
  uint32_t next = show ? (style | bits) : (style & ~bits);
  if (next == style) return;
  SetWindowLong(h, GWL_STYLE, static_cast<intptr_t>(next));
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

// A bar in the frame repaints the frame only: the client area keeps its pixels, so that moving
// a bar's thumb costs no repaint of what the window shows.
void RedrawBar(HWND h, int bar) {
  if (bar == SB_CTL) {
    InvalidateRect(h, nullptr, true);
  } else if (TWindowData* w = FindWindowData(h)) {
    w->framePending = true;
  }
}

}  // namespace

int SetScrollInfo(HWND h, int bar, const SCROLLINFO& info, bool redraw) {
  TScrollBarData* d = BarData(h, bar);
  if (!d) return 0;
  if (info.fMask & SIF_RANGE) d->min = info.nMin, d->max = info.nMax;
  if (info.fMask & SIF_PAGE) d->page = info.nPage;
  if (info.fMask & SIF_POS) d->pos = info.nPos;
  // While the user drags the thumb, it stays where the pointer puts it.
  if ((info.fMask & SIF_TRACKPOS) && !d->thumbDragged) d->trackPos = info.nTrackPos;
  Clamp(*d);
  int pos = d->pos;
  if (info.fMask & (SIF_RANGE | SIF_PAGE)) {
    bool scrollable = Scrollable(*d);
    d->disabledNoScroll = !scrollable && (info.fMask & SIF_DISABLENOSCROLL);
    SetFrameBarShown(h, bar, scrollable || d->disabledNoScroll);
  }
  if (redraw) RedrawBar(h, bar);
  return pos;
}

bool GetScrollInfo(HWND h, int bar, SCROLLINFO& info) {
  TScrollBarData* d = BarData(h, bar);
  if (!d) return false;
  if (info.fMask & SIF_RANGE) info.nMin = d->min, info.nMax = d->max;
  if (info.fMask & SIF_PAGE) info.nPage = d->page;
  if (info.fMask & SIF_POS) info.nPos = d->pos;
  if (info.fMask & SIF_TRACKPOS) info.nTrackPos = d->trackPos;
  return true;
}

int SetScrollPos(HWND h, int bar, int pos, bool redraw) {
  TScrollBarData* d = BarData(h, bar);
  if (!d) return 0;
  int old = d->pos;
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(h, bar, info, redraw);
  return old;
}

int GetScrollPos(HWND h, int bar) {
  TScrollBarData* d = BarData(h, bar);
  return d ? d->pos : 0;
}

bool SetScrollRange(HWND h, int bar, int minPos, int maxPos, bool redraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = minPos;
  info.nMax = maxPos;
  return BarData(h, bar) && (SetScrollInfo(h, bar, info, redraw), true);
}

bool GetScrollRange(HWND h, int bar, int& minPos, int& maxPos) {
  TScrollBarData* d = BarData(h, bar);
  if (!d) return false;
  minPos = d->min;
  maxPos = d->max;
  return true;
}

bool ShowScrollBar(HWND h, int bar, bool show) {
  if (!IsWindow(h)) return false;
  SetFrameBarShown(h, bar, show);
  return true;
}

bool EnableScrollBar(HWND h, int bar, uint32_t arrows) {
  for (int b : {SB_HORZ, SB_VERT}) {
    if (bar != SB_BOTH && bar != b && !(bar == SB_CTL && b == SB_VERT)) continue;
    TScrollBarData* d = BarData(h, b);
    if (!d) return false;
    d->disabledArrows = arrows;
    RedrawBar(h, bar == SB_CTL ? SB_CTL : b);
  }
  return true;
}

void SetScrollTrackPos(HWND h, int bar, int trackPos) {
  if (TScrollBarData* d = BarData(h, bar)) {
    d->trackPos = trackPos;
    d->thumbDragged = true;
    Clamp(*d);
    RedrawBar(h, bar);
  }
}

void EndScrollTrack(HWND h, int bar) {
  TScrollBarData* d = BarData(h, bar);
  if (!d || !d->thumbDragged) return;
  d->thumbDragged = false;
  RedrawBar(h, bar);
}

TRect ScrollBarRect(HWND h, int bar) {
  TWindowData* w = FindWindowData(h);
  if (!w) return {};
  if (bar == SB_CTL) return w->client;
  TFrameLayout f = ComputeFrameLayout(w->style, w->exStyle, w->bounds, w->borderRing);
  return bar == SB_HORZ ? f.hscroll : f.vscroll;
}

TScrollBarParts ScrollBarPartsOf(const TScrollBarData& d, int length, int thickness) {
  TScrollBarParts parts;
  parts.arrow = std::min(thickness, length / 2);
  int track = length - 2 * parts.arrow;
  if (!Scrollable(d) || d.disabledArrows == ESB_DISABLE_BOTH) return parts;
  long long range = static_cast<long long>(d.max) - d.min + 1;
  int thumb = d.page ? static_cast<int>(track * static_cast<long long>(d.page) / range) : thickness;
  thumb = std::max(thumb, 8);
  if (thumb > track) return parts;
  long long span = std::max<long long>(static_cast<long long>(MaxPos(d)) - d.min, 1);
  const long long shown = d.thumbDragged ? d.trackPos : d.pos;
  parts.thumbStart = parts.arrow + static_cast<int>((track - thumb) * (shown - d.min) / span);
  parts.thumbEnd = parts.thumbStart + thumb;
  return parts;
}

bool GetScrollBarInfo(HWND h, int32_t object, SCROLLBARINFO& info) {
  int bar = object == OBJID_HSCROLL ? SB_HORZ : object == OBJID_VSCROLL ? SB_VERT : object == OBJID_CLIENT ? SB_CTL : -1;
  TScrollBarData* d = bar < 0 ? nullptr : BarData(h, bar);
  if (!d) return false;
  TRect r = ScrollBarRect(h, bar);
  bool vertical = bar != SB_HORZ;
  TRect wr;
  GetWindowRect(h, wr);
  info.rcScrollBar = r;
  OffsetRect(info.rcScrollBar, wr.Left, wr.Top);
  TScrollBarParts parts = ScrollBarPartsOf(*d, vertical ? r.Height() : r.Width(), vertical ? r.Width() : r.Height());
  info.dxyLineButton = parts.arrow;
  info.xyThumbTop = parts.thumbStart;
  info.xyThumbBottom = parts.thumbEnd;
  std::fill(std::begin(info.rgstate), std::end(info.rgstate), 0u);
  if (r.IsEmpty()) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  if (!Scrollable(*d) || d->disabledArrows == ESB_DISABLE_BOTH) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (d->disabledArrows & ESB_DISABLE_UP) info.rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
  if (d->disabledArrows & ESB_DISABLE_DOWN) info.rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
  return true;
}

namespace {

// A bar drawn into a rectangle: which way it runs, its parts, and the rectangle of a span
// along it.
struct TBarInRect {
  TBarInRect(const TScrollBarData& d, int bar, const TRect& r)
      : area(r), vertical(bar != SB_HORZ && (bar != SB_CTL || r.Height() >= r.Width())),
        length(vertical ? r.Height() : r.Width()),
        parts(ScrollBarPartsOf(d, length, vertical ? r.Width() : r.Height())) {}
  TRect Part(int from, int to) const {
    return vertical ? Rect(area.Left, area.Top + from, area.Right, area.Top + to)
                    : Rect(area.Left + from, area.Top, area.Left + to, area.Bottom);
  }
  TRect area;
  bool vertical;
  int length;
  TScrollBarParts parts;
};

}  // namespace

TRect ScrollBarThumbRect(HWND h, int bar, const TRect& r) {
  TScrollBarData* d = BarData(h, bar);
  if (!d || r.IsEmpty()) return TRect{};
  const TBarInRect in(*d, bar, r);
  return in.parts.thumbEnd == 0 ? TRect{} : in.Part(in.parts.thumbStart, in.parts.thumbEnd);
}

void PaintScrollBar(HDC dc, HWND h, int bar, const TRect& r) {
  TScrollBarData* d = BarData(h, bar);
  if (!d || r.IsEmpty()) return;
  const TBarInRect in(*d, bar, r);
  const bool vertical = in.vertical;
  const int length = in.length;
  const TScrollBarParts& parts = in.parts;
  bool disabled = parts.thumbEnd == 0;
  auto part = [&](int from, int to) { return in.Part(from, to); };
  FillRect(dc, part(parts.arrow, length - parts.arrow), GetSysColorBrush(COLOR_SCROLLBAR));
  UINT inactive = disabled ? UINT{DFCS_INACTIVE} : 0u;
  TRect first = part(0, parts.arrow);
  TRect last = part(length - parts.arrow, length);
  DrawFrameControl(dc, first, DFC_SCROLL, (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive | ((d->disabledArrows & ESB_DISABLE_UP) ? UINT{DFCS_INACTIVE} : 0u));
  DrawFrameControl(dc, last, DFC_SCROLL, (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive | ((d->disabledArrows & ESB_DISABLE_DOWN) ? UINT{DFCS_INACTIVE} : 0u));
  if (disabled) return;
  TRect thumb = part(parts.thumbStart, parts.thumbEnd);
  FillRect(dc, thumb, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, thumb, EDGE_RAISED, BF_RECT);
}
