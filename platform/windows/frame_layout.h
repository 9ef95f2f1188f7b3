#pragma once

#include <cstdint>

#include "platform/core/types.h"

// Where the parts of a window's non-client area lie, from its styles, in window coordinates:
// outer frame, caption, an unpainted border ring of the window's own, client edge, then the
// scroll bars inside the client edge.
struct TFrameLayout {
  int frameWidth = 0;   // sizing frame, dialog frame or thin border
  TRect caption;        // empty without WS_CAPTION
  TRect closeButton;    // caption buttons, empty without WS_SYSMENU
  TRect maxButton;
  TRect minButton;
  int borderRing = 0;   // inside frame and caption, painted by the window itself
  TRect inner;          // inside frame, caption and ring: where the client edge starts
  int clientEdge = 0;
  TRect vscroll;        // empty when not shown
  TRect hscroll;
  TRect sizeBox;        // the corner between two shown bars
  TRect client;
};

TFrameLayout ComputeFrameLayout(uint32_t style, uint32_t exStyle, const TRect& windowRect,
                                int borderRing = 0);
// WM_NCHITTEST from the layout, for a point in window coordinates.
intptr_t FrameHitTest(const TFrameLayout& layout, uint32_t style, const TRect& windowRect, TPoint p);
