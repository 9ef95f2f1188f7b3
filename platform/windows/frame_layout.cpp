// The layout of a window's frame: border, caption, buttons, scroll bars and hit tests.
#include "platform/windows/frame_layout.h"

#include <algorithm>

#include "platform/windows/messages.h"
#include "platform/windows/system_metrics.h"
#include "platform/windows/window_styles.h"

namespace {

int FrameWidthOf(uint32_t style, uint32_t exStyle) {
  if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
  if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

void PlaceCaptionButtons(TFrameLayout& f, uint32_t style) {
  if (!(style & WS_SYSMENU) || f.caption.IsEmpty()) return;
  int size = f.caption.Height() - 4;
  int right = f.caption.Right - 2;
  f.closeButton = Rect(right - size - 2, f.caption.Top + 2, right, f.caption.Bottom - 2);
  right = f.closeButton.Left - 2;
  if (style & WS_MAXIMIZEBOX) {
    f.maxButton = Rect(right - size - 2, f.closeButton.Top, right, f.closeButton.Bottom);
    right = f.maxButton.Left;
  }
  if (style & WS_MINIMIZEBOX) f.minButton = Rect(right - size - 2, f.closeButton.Top, right, f.closeButton.Bottom);
}

void PlaceScrollBars(TFrameLayout& f, uint32_t style, TRect& area) {
  int vw = GetSystemMetrics(SM_CXVSCROLL);
  int hh = GetSystemMetrics(SM_CYHSCROLL);
  bool v = (style & WS_VSCROLL) && area.Width() >= vw;
  bool h = (style & WS_HSCROLL) && area.Height() >= hh;
  if (v) {
    f.vscroll = Rect(area.Right - vw, area.Top, area.Right, area.Bottom - (h ? hh : 0));
    area.Right -= vw;
  }
  if (h) {
    f.hscroll = Rect(area.Left, area.Bottom - hh, area.Right, area.Bottom);
    area.Bottom -= hh;
  }
  if (v && h) f.sizeBox = Rect(f.vscroll.Left, f.hscroll.Top, f.vscroll.Right, f.hscroll.Bottom);
}

}  // namespace

TFrameLayout ComputeFrameLayout(uint32_t style, uint32_t exStyle, const TRect& windowRect, int borderRing) {
  TFrameLayout f;
  TRect area = Rect(0, 0, windowRect.Width(), windowRect.Height());
  f.frameWidth = FrameWidthOf(style, exStyle);
  InflateRect(area, -f.frameWidth, -f.frameWidth);
  if ((style & WS_CAPTION) == WS_CAPTION) {
    int height = (exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
    f.caption = Rect(area.Left, area.Top, area.Right, area.Top + height);
    area.Top = f.caption.Bottom;
    PlaceCaptionButtons(f, style);
  }
  f.borderRing = std::max(borderRing, 0);
  InflateRect(area, -f.borderRing, -f.borderRing);
  f.inner = area;
  f.clientEdge = (exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : (exStyle & WS_EX_STATICEDGE) ? 1 : 0;
  InflateRect(area, -f.clientEdge, -f.clientEdge);
  PlaceScrollBars(f, style, area);
  area.Right = area.Right < area.Left ? area.Left : area.Right;
  area.Bottom = area.Bottom < area.Top ? area.Top : area.Bottom;
  f.client = area;
  return f;
}

namespace {

intptr_t EdgeHit(uint32_t style, const TRect& w, TPoint p, int frame) {
  if (!(style & WS_THICKFRAME) || frame == 0) return HTBORDER;
  int corner = GetSystemMetrics(SM_CYCAPTION) + frame;
  bool left = p.x < corner, right = p.x >= w.Width() - corner;
  bool top = p.y < corner, bottom = p.y >= w.Height() - corner;
  bool onLeft = p.x < frame, onRight = p.x >= w.Width() - frame;
  bool onTop = p.y < frame, onBottom = p.y >= w.Height() - frame;
  if ((onTop && left) || (onLeft && top)) return HTTOPLEFT;
  if ((onTop && right) || (onRight && top)) return HTTOPRIGHT;
  if ((onBottom && left) || (onLeft && bottom)) return HTBOTTOMLEFT;
  if ((onBottom && right) || (onRight && bottom)) return HTBOTTOMRIGHT;
  if (onLeft) return HTLEFT;
  if (onRight) return HTRIGHT;
  if (onTop) return HTTOP;
  return HTBOTTOM;
}

}  // namespace

intptr_t FrameHitTest(const TFrameLayout& f, uint32_t style, const TRect& windowRect, TPoint p) {
  TRect whole = Rect(0, 0, windowRect.Width(), windowRect.Height());
  if (!whole.Contains(p)) return HTNOWHERE;
  if (f.client.Contains(p)) return HTCLIENT;
  if (f.vscroll.Contains(p)) return HTVSCROLL;
  if (f.hscroll.Contains(p)) return HTHSCROLL;
  if (f.sizeBox.Contains(p)) return (style & WS_THICKFRAME) ? HTBOTTOMRIGHT : HTGROWBOX;
  if (f.closeButton.Contains(p)) return HTCLOSE;
  if (f.maxButton.Contains(p)) return HTMAXBUTTON;
  if (f.minButton.Contains(p)) return HTMINBUTTON;
  TRect inFrame = whole;
  InflateRect(inFrame, -f.frameWidth, -f.frameWidth);
  if (!inFrame.Contains(p)) return EdgeHit(style, windowRect, p, f.frameWidth);
  if (f.caption.Contains(p)) return HTCAPTION;
  return HTBORDER;
}
