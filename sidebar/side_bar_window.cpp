// The side bar's window: creation parameters, cursor and message dispatch.
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/cursors.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_styles.h"
#include "sidebar/side_bar.h"

// The bar's window: its styles, the presses it takes before the class library sees them, and
// the colour and 3D changes that need a new window.

void TnbSideBar::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.Style |= WS_BORDER;
  // A single border in the 3D look is the sunken client edge, not a flat line.
  if (Ctl3D() && borderStyle_ == bsSingle) {
    params.Style &= ~WS_BORDER;
    params.ExStyle |= WS_EX_CLIENTEDGE;
  }
  // Paint draws the whole bar on every change; resizing needs no redraw of its own.
  params.WindowClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TnbSideBar::WndProc(TMessage& m) {
  if (!IsDesigning()) {
    const bool press = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
    if (press && DragMode() == dmAutomatic && DragKind() == dkDrag) return PressWithoutAutoDrag(m);
    const bool framePress = m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_NCRBUTTONDOWN || m.Msg == WM_NCMBUTTONDOWN;
    if (framePress && !Focused() && Showing()) SetFocus();
  }
  TCustomControl::WndProc(m);
}

void TnbSideBar::PressWithoutAutoDrag(TMessage& m) {
  // Without double clicks the second press of a double click is an ordinary press.
  m.Msg = WM_LBUTTONDOWN;
  const TPoint p = LParamToPoint(m.LParam);
  if (TControl* child = ControlAtPos(p, false)) {
    m.Result = child->Perform(m.Msg, m.WParam, PointToLParam({p.x - child->Left(), p.y - child->Top()}));
    return;
  }
  SetControlState(ControlState() + csLButtonDown);
  // The class library starts its automatic drag inside the press handling; the bar drags its
  // buttons its own way, so the press is handled as if the drag were manual.
  const std::shared_ptr<bool> alive = alive_;
  SetDragMode(dmManual);
  ScopeGuard again([this, alive] {
    if (*alive) SetDragMode(dmAutomatic);
  });
  Dispatch(m);
}

void TnbSideBar::CMColorChanged(TMessage& m) {
  Inherited(m);
  RecreateWnd();
}

void TnbSideBar::CMCtl3DChanged(TMessage& m) {
  // Only a single border changes with the 3D look (flat line or client edge).
  if (borderStyle_ == bsSingle) RecreateWnd();
  Inherited(m);
}

void TnbSideBar::CMSysColorChange(TMessage& m) {
  Inherited(m);
  if (ComponentState().Contains(csLoading)) return;
  // The window's own handling of the new system colours.
  m.Msg = WM_SYSCOLORCHANGE;
  DefaultHandler(m);
}

void TnbSideBar::WMSetCursor(TMessage& m) {
  // The button under the mouse shows its own pointer, through the window's cursor request
  // rather than the screen-wide cursor, so a cursor the program set for the whole screen
  // (an hourglass while it works) is never overwritten by moving over the bar.
  const bool client = LoSigned(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == Handle();
  if (client && Screen != nullptr && Screen->Cursor() == crDefault && input_->HotButton() != nullptr &&
      input_->HotButton()->Cursor() != crDefault) {
    ::SetCursor(Screen->Cursors(input_->HotButton()->Cursor()));
    m.Result = 1;
    return;
  }
  Inherited(m);
}
