// The messages by which a form shows and works its menu bar in the non-client area.
#include "platform/controls/form_menu_bar.h"
#include "platform/controls/forms.h"
#include "platform/windows/cursors.h"
#include "platform/windows/painting.h"

namespace {

// A screen point in the form's window coordinates.
TPoint InWindow(HWND h, LPARAM screen) {
  TRect window;
  GetWindowRect(h, window);
  TPoint p = LParamToPoint(screen);
  return {p.x - window.Left, p.y - window.Top};
}

}  // namespace

void TCustomForm::WMNCCalcSize(TMessage& m) {
  if (!m.LParam) return DefaultHandler(m);
  TRect& r = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : *reinterpret_cast<TRect*>(m.LParam);
  TPoint origin{r.Left, r.Top};
  DefaultHandler(m);
  menuBar_->Place(r, origin);
}

void TCustomForm::WMNCPaint(TMessage& m) {
  DefaultHandler(m);
  if (!menuBar_->Menu()) return;
  HDC dc = GetWindowDC(Handle());
  menuBar_->Paint(dc);
  ReleaseDC(Handle(), dc);
}

void TCustomForm::WMNCHitTest(TMessage& m) {
  DefaultHandler(m);
  if (menuBar_->BarRect().Contains(InWindow(Handle(), m.LParam))) m.Result = HTMENU;
}

void TCustomForm::WMNCMouseMove(TMessage& m) {
  menuBar_->MouseMove(m.WParam == HTMENU ? InWindow(Handle(), m.LParam) : TPoint{-1, -1});
  DefaultHandler(m);
}

void TCustomForm::WMNCLButtonDown(TMessage& m) {
  if (m.WParam == HTMENU) return menuBar_->MouseDown(InWindow(Handle(), m.LParam));
  DefaultHandler(m);
}

// The pointer went to a control of the form or away: no title is under it any more.
void TCustomForm::CMMouseEnterLeave(TMessage& m) {
  if (menuBar_->Hot() >= 0 && !menuBar_->BarRect().Contains(InWindow(Handle(), PointToLParam(GetCursorPos()))))
    menuBar_->MouseMove({-1, -1});
  TCustomControl::CMMouseEnterLeave(m);
}
