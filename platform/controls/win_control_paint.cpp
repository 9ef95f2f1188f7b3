// Painting of windowed controls: the control itself, then its graphic children on the same
// device context; into a caller's device context for PaintTo and WM_PAINT with a DC.
#include "platform/controls/win_control.h"
#include "platform/core/scope_guard.h"

#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/painting.h"

void TWinControl::WMPaint(TMessage& m) { PaintHandler(m); }

void TWinControl::PaintHandler(TMessage& m) {
  if (m.WParam) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, ps);
  struct TEnd {
    HWND h;
    PAINTSTRUCT& ps;
    ~TEnd() { EndPaint(h, ps); }
  } end{handle_, ps};
  PaintWindow(dc);
  PaintControls(dc);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;
  TGdiOwner<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
  FillRect(dc, ClientRect(), brush.get());
  m.Result = 1;
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    if (!RectVisible(dc, c->BoundsRect())) continue;
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  HWND h = Handle();
  auto paintCopy = ScopedInclude(controlState_, csPaintCopy);
  TSavedDC saved(dc);
  OffsetViewportOrgEx(dc, x, y, nullptr);
  IntersectClipRect(dc, 0, 0, width_, height_);
  {
    // The window draws its own frame (a form adds its menu bar there) into our context.
    TPrintWindowDC print(h, dc);
    Perform(WM_NCPAINT, 1);
  }
  TRect client = ClientInWindow(h);
  OffsetViewportOrgEx(dc, client.Left, client.Top, nullptr);
  IntersectClipRect(dc, 0, 0, client.Width(), client.Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  for (TControl* c : controls_) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (win && win->Visible()) win->PaintTo(dc, win->Left(), win->Top());
  }
}
