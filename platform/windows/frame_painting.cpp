// Painting a window's frame and caption.
#include "platform/windows/frame_painting.h"

#include "platform/graphics/colors.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/focus.h"
#include "platform/windows/frame_layout.h"
#include "platform/windows/painting.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/window_data.h"

namespace {

void FillSys(HDC dc, const TRect& r, int colorIndex) {
  if (!r.IsEmpty()) FillRect(dc, r, GetSysColorBrush(colorIndex));
}

void PaintOuterFrame(HDC dc, const TWindowData& w, const TFrameLayout& f) {
  TRect r = w.WindowRect0();
  if (f.frameWidth == 1) {
    FrameRect(dc, r, GetSysColorBrush(COLOR_WINDOWFRAME));
  } else if (f.frameWidth > 1) {
    DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    for (int i = 2; i < f.frameWidth; ++i) {
      FrameRect(dc, r, GetSysColorBrush(COLOR_BTNFACE));
      InflateRect(r, -1, -1);
    }
  }
}

void PaintCaption(HDC dc, const TWindowData& w, const TFrameLayout& f) {
  if (f.caption.IsEmpty()) return;
  bool active = GetActiveWindow() == w.handle;
  FillSys(dc, f.caption, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  TRect text = f.caption;
  text.Left += 4;
  if (!f.minButton.IsEmpty()) text.Right = f.minButton.Left;
  else if (!f.maxButton.IsEmpty()) text.Right = f.maxButton.Left;
  else if (!f.closeButton.IsEmpty()) text.Right = f.closeButton.Left;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawText(dc, w.text, text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  TRect b = f.closeButton;
  if (!b.IsEmpty()) DrawFrameControl(dc, b, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  b = f.maxButton;
  if (!b.IsEmpty()) DrawFrameControl(dc, b, DFC_CAPTION, (w.style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX);
  b = f.minButton;
  if (!b.IsEmpty()) DrawFrameControl(dc, b, DFC_CAPTION, DFCS_CAPTIONMIN);
}

void PaintClientEdge(HDC dc, const TFrameLayout& f) {
  if (f.clientEdge == 0) return;
  TRect r = f.inner;
  DrawEdge(dc, r, f.clientEdge == 1 ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
}

// The device context the frame is painted into: the window's own, given back afterwards, or
// one a caller gave, whose settings are restored so that its own painting goes on unchanged.
class TFrameDC {
 public:
  TFrameDC(HWND h, HDC given) : h_(h), given_(given), dc_(given ? given : GetWindowDC(h)), saved_(SaveDC(dc_)) {}
  ~TFrameDC() {
    RestoreDC(dc_, saved_);
    if (!given_) ReleaseDC(h_, dc_);
  }
  TFrameDC(const TFrameDC&) = delete;
  TFrameDC& operator=(const TFrameDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND h_;
  HDC given_;
  HDC dc_;
  int saved_;
};

}  // namespace

void PaintWindowFrame(HWND h, HDC given) {
  TWindowData* w = FindWindowData(h);
  if (!w) return;
  TFrameLayout f = ComputeFrameLayout(w->style, w->exStyle, w->bounds, w->borderRing);
  if (f.client == w->WindowRect0()) return;
  TFrameDC frame(h, given);
  HDC dc = frame.Get();
  PaintOuterFrame(dc, *w, f);
  PaintCaption(dc, *w, f);
  PaintClientEdge(dc, f);
  PaintScrollBar(dc, h, SB_VERT, f.vscroll);
  PaintScrollBar(dc, h, SB_HORZ, f.hscroll);
  FillSys(dc, f.sizeBox, COLOR_BTNFACE);
}
