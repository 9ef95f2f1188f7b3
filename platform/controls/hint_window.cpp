// The hint window.
#include "platform/controls/hint_window.h"

#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/painting.h"

namespace {

constexpr UINT HintTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisibleQuietly(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  // The pointer passes through a hint to what lies under it: a hint shown over the control it
  // is for (a cut text, written over itself) neither takes the pointer from that control nor
  // hides itself.
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_TRANSPARENT;
  params.WndParent = 0;
}

TRect THintWindow::CalcHintRect(int maxWidth, const String& hint, void*) {
  TRect r = Rect(0, 0, maxWidth, 0);
  TGdiOwner<HDC> dc(CreateCompatibleDC(nullptr));
  SelectObject(dc.get(), Font()->Handle());
  DrawText(dc.get(), hint, r, HintTextFormat | DT_CALCRECT);
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& rect, const String& hint) {
  SetCaption(hint);
  TRect r = rect;
  TRect screen = Screen ? Screen->WorkAreaRect() : r;
  if (r.Right > screen.Right) OffsetRect(r, screen.Right - r.Right, 0);
  if (r.Bottom > screen.Bottom) OffsetRect(r, 0, screen.Bottom - r.Bottom);
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  active_ = true;
  HWND h = Handle();
  SetVisibleQuietly(true);
  ShowWindow(h, SW_SHOWNOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  active_ = false;
  SetVisibleQuietly(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  InflateRect(r, -2, -2);
  r.Left += 1;
  Canvas()->Font()->SetColor(Font()->Color());
  Canvas()->Brush()->SetStyle(bsClear);
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  SelectObject(dc, Font()->Handle());
  DrawText(dc, Caption(), r, HintTextFormat);
}
