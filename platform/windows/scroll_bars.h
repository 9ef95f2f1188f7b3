#pragma once

#include <cstdint>

#include "platform/core/types.h"
#include "platform/windows/messages.h"

// Scroll information per window: the horizontal and vertical bars of a window's frame
// (SB_HORZ, SB_VERT, shown by WS_HSCROLL/WS_VSCROLL and drawn in its non-client area) and the
// bar of a scroll-bar control (SB_CTL).
inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_CTL = 2;
inline constexpr int SB_BOTH = 3;
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINELEFT = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_LINERIGHT = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGELEFT = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_PAGERIGHT = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;
inline constexpr uint32_t SIF_RANGE = 0x01;
inline constexpr uint32_t SIF_PAGE = 0x02;
inline constexpr uint32_t SIF_POS = 0x04;
inline constexpr uint32_t SIF_DISABLENOSCROLL = 0x08;
inline constexpr uint32_t SIF_TRACKPOS = 0x10;
inline constexpr uint32_t SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
inline constexpr uint32_t ESB_ENABLE_BOTH = 0;
inline constexpr uint32_t ESB_DISABLE_LEFT = 1;
inline constexpr uint32_t ESB_DISABLE_UP = 1;
inline constexpr uint32_t ESB_DISABLE_RIGHT = 2;
inline constexpr uint32_t ESB_DISABLE_DOWN = 2;
inline constexpr uint32_t ESB_DISABLE_BOTH = 3;
inline constexpr uint32_t STATE_SYSTEM_UNAVAILABLE = 0x0001;
inline constexpr uint32_t STATE_SYSTEM_PRESSED = 0x0008;
inline constexpr uint32_t STATE_SYSTEM_INVISIBLE = 0x8000;
inline constexpr uint32_t STATE_SYSTEM_OFFSCREEN = 0x10000;
inline constexpr int32_t OBJID_HSCROLL = -6;
inline constexpr int32_t OBJID_VSCROLL = -5;
inline constexpr int32_t OBJID_CLIENT = -4;

struct SCROLLINFO {
  uint32_t cbSize = sizeof(SCROLLINFO);
  uint32_t fMask = 0;
  int nMin = 0;
  int nMax = 0;
  uint32_t nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

struct SCROLLBARINFO {
  uint32_t cbSize = sizeof(SCROLLBARINFO);
  TRect rcScrollBar;   // screen coordinates
  int dxyLineButton = 0;
  int xyThumbTop = 0;     // relative to the bar
  int xyThumbBottom = 0;
  int reserved = 0;
  uint32_t rgstate[6] = {};  // [0] the bar, [1] up/left arrow, [3] thumb, [5] down/right arrow
};

// What the tree keeps for one bar.
struct TScrollBarData {
  int min = 0;
  int max = 100;
  uint32_t page = 0;
  int pos = 0;
  int trackPos = 0;
  uint32_t disabledArrows = ESB_ENABLE_BOTH;
  bool disabledNoScroll = false;  // shown disabled instead of hidden (SIF_DISABLENOSCROLL)
  bool thumbDragged = false;      // the thumb shows trackPos, where the user drags it
};

// Sets what fMask names, clamps pos into [min, max - page + 1], shows or hides the frame's
// bar when the range becomes (un)scrollable, and answers the new position.
int SetScrollInfo(HWND h, int bar, const SCROLLINFO& info, bool redraw = true);
bool GetScrollInfo(HWND h, int bar, SCROLLINFO& info);
int SetScrollPos(HWND h, int bar, int pos, bool redraw = true);  // answers the old position
int GetScrollPos(HWND h, int bar);
bool SetScrollRange(HWND h, int bar, int minPos, int maxPos, bool redraw = true);
bool GetScrollRange(HWND h, int bar, int& minPos, int& maxPos);
bool ShowScrollBar(HWND h, int bar, bool show);
bool EnableScrollBar(HWND h, int bar, uint32_t arrows);
bool GetScrollBarInfo(HWND h, int32_t object, SCROLLBARINFO& info);
// Track position while the user drags a bar's thumb; the thumb is drawn there until
// EndScrollTrack.
void SetScrollTrackPos(HWND h, int bar, int trackPos);
// The drag of the thumb ended: it shows the bar's position again.
void EndScrollTrack(HWND h, int bar);
// Where a frame bar sits, in window coordinates (empty when not shown).
TRect ScrollBarRect(HWND h, int bar);

// The parts of a bar of `length` pixels: arrow buttons of `arrow` pixels at each end and the
// thumb between thumbStart and thumbEnd (both 0 when there is nothing to scroll).
struct TScrollBarParts {
  int arrow = 0;
  int thumbStart = 0;
  int thumbEnd = 0;
};
TScrollBarParts ScrollBarPartsOf(const TScrollBarData& data, int length, int thickness);
// Where the thumb of a bar drawn into `r` lies; empty when there is nothing to scroll.
TRect ScrollBarThumbRect(HWND h, int bar, const TRect& r);
// Draws a frame bar (or an SB_CTL bar) of window h into `r` of `dc`.
struct HDC__;
void PaintScrollBar(HDC__* dc, HWND h, int bar, const TRect& r);
