#pragma once

#include <cstdint>
#include <vector>

#include "platform/windows/scroll_bars.h"
#include "platform/graphics/region.h"
#include "platform/windows/window_tree.h"

// What the window tree keeps per window. Only the windows/ sources use it.
struct TWindowData {
  HWND handle = nullptr;
  String className;
  uint32_t classStyle = 0;
  TColor background = clNone;
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int id = 0;
  intptr_t userData = 0;
  String text;
  HWND parent = nullptr;  // child windows
  HWND owner = nullptr;   // top-level windows
  std::vector<HWND> children;  // top of z-order first
  TRect bounds;   // parent client coordinates (screen for a top-level window)
  TRect client;   // window coordinates
  int borderRing = 0;  // pixels inside the frame that the window paints itself
  WNDPROC proc;
  TRegion update;           // client coordinates
  bool erasePending = false;
  bool framePending = false;
  TScrollBarData hscroll;
  TScrollBarData vscroll;
  TRegion shape;             // window region in window coordinates, when hasShape
  bool hasShape = false;
  TRect restoreBounds;       // bounds before minimise or maximise
  bool restoreMaximized = false;  // minimised from maximised: a restore maximises again
  bool destroying = false;

  bool IsChildWindow() const { return (style & WS_CHILD) != 0; }
  TRect WindowRect0() const { return Bounds(0, 0, bounds.Width(), bounds.Height()); }
};

// nullptr for a handle that is not (or no longer) a window.
TWindowData* FindWindowData(HWND h);
// Every top-level window, top of z-order first.
std::vector<HWND>& TopLevelList();
// The z-ordered list a window belongs to: its parent's children, or the top-level windows.
std::vector<HWND>& SiblingList(TWindowData& w);
// Sends WM_NCCALCSIZE and stores the new client rectangle; answers whether it changed.
bool RecalcClientRect(TWindowData& w);
// Makes the area a visible child window covers, in its parent's client coordinates, dirty in
// the parent (nothing for a top-level window).
void InvalidateUnderneath(TWindowData& w);
// Offset of a window's (0,0) from the top-left of its top-level window.
TPoint OffsetInTopLevel(HWND h);
