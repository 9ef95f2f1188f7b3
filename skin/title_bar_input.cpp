// What a title bar does with the mouse: hover and pressed looks, button clicks, moving the
// form by its caption, and the sizing edge along its top.
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/picture.h"
#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "skin/form.h"
#include "skin/skin_painting.h"
#include "skin/title_bar.h"
#include "skin/title_bar_menu.h"

const TMessageMap& TskTitleBar::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_NCHITTEST, &TskTitleBar::WMNCHitTest);
    m.On(WM_NCLBUTTONDOWN, &TskTitleBar::WMNCMouse);
    m.On(WM_NCLBUTTONUP, &TskTitleBar::WMNCMouse);
    m.On(WM_NCMOUSEMOVE, &TskTitleBar::WMNCMouse);
    m.On(WM_ERASEBKGND, &TskTitleBar::WMEraseBkgnd);
    m.On(CM_MOUSELEAVE, &TskTitleBar::CMMouseLeave);
    m.On(CM_FONTCHANGED, &TskTitleBar::CMRepaint);
    m.On(CM_TEXTCHANGED, &TskTitleBar::CMRepaint);
    return m;
  }();
  return map;
}

TskTitleBarLayout TskTitleBar::Layout() {
  TskTitleBarLayoutInput input;
  input.BarWidth = Width();
  input.LeftBtnXOffset = leftBtnXOffset_;
  input.RightBtnXOffset = rightBtnXOffset_;
  input.ButtonInterval = buttonInterval_;
  input.DrawAppIcon = drawAppIcon_;
  return LayoutTitleBar(input, *buttons_);
}

int TskTitleBar::ButtonAt(TPoint p) { return Layout().ButtonAt(p); }

TPoint TskTitleBar::CursorInBar() {
  if (!HandleAllocated()) return {-1, -1};
  return ScreenToClient(GetCursorPos());
}

void TskTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  mouseDown_ = true;
  Invalidate();
  TCustomForm* form = ParentForm();
  if (ButtonAt({x, y}) >= 0 || form == nullptr || FormShowsMaximized(form)) return;
  // A press on the caption hands the form to the window system's move.
  ReleaseCapture();
  SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, PointToLParam(ClientToScreen({x, y})));
  mouseDown_ = false;
}

void TskTitleBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  Invalidate();
}

void TskTitleBar::CMMouseLeave(TMessage& m) {
  TCustomPanel::DefaultHandler(m);
  Invalidate();
}

void TskTitleBar::CMRepaint(TMessage& m) {
  TCustomPanel::DefaultHandler(m);
  Invalidate();
}

void TskTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool wasDown = mouseDown_;
  mouseDown_ = false;
  Invalidate();
  TCustomPanel::MouseUp(button, shift, x, y);
  if (button != mbLeft || !wasDown) return;
  const int index = ButtonAt({x, y});
  if (index < 0) return;
  TskTitleBarButton* pressed = buttons_->Items(index);
  if (pressed->ButtonType() == skControlBox && pressed->ControlBoxMenu() == nullptr) {
    PopupControlBoxMenu();
    return;
  }
  const TskTitleBarBtnType type = pressed->ButtonType();
  ButtonClick(index);
  if (type == skCustom) OnCustomBtnsClick.Call(this, index);
  if (type == skHelp) OnHelpBtnClick.Call(this, index);
}

void TskTitleBar::DblClick() {
  TCustomPanel::DblClick();
  const int index = ButtonAt(CursorInBar());
  if (index < 0) {
    if (TskTitleBarButton* max = buttons_->Find(skMax)) ButtonClick(max->Index());
  } else if (buttons_->Items(index)->ButtonType() == skControlBox) {
    CloseForm();
  }
}

void TskTitleBar::ButtonClick(int index) {
  if (ParentForm() == nullptr) return;
  TskTitleBarButton* button = buttons_->Items(index);
  switch (button->ButtonType()) {
    case skMax: ToggleMaximized(); break;
    case skMin: MinimizeForm(); break;
    case skClose: CloseForm(); break;
    case skControlBox:
      if (button->ControlBoxMenu() != nullptr)
        button->ControlBoxMenu()->Popup(ClientToScreen({0, Height()}).x, ClientToScreen({0, Height()}).y);
      break;
    case skHelp: case skCustom: break;
  }
}

void TskTitleBar::ToggleMaximized() {
  TCustomForm* form = ParentForm();
  if (FormShowsMaximized(form)) {
    form->SetWindowState(wsNormal);
  } else {
    form->SetWindowState(wsMaximized);
    // Without a skinned form to keep it there, the form covers the work area but its last
    // row, so that a task bar that hides itself can still be reached.
    if (dynamic_cast<TskForm*>(Parent()) == nullptr) {
      TRect area;
      GetWorkAreaRect(area);
      area.Bottom -= 1;
      PlaceControlRect(form, area);
    }
  }
  RefreshMaxButtons();
}

void TskTitleBar::MinimizeForm() {
  TCustomForm* form = ParentForm();
  if (form == nullptr) return;
  if (Application != nullptr && form == Application->MainForm()) {
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else {
    ShowWindow(form->Handle(), SW_SHOWMINIMIZED);
  }
}

void TskTitleBar::CloseForm() {
  if (TCustomForm* form = ParentForm()) form->Close();
}

void TskTitleBar::PopupControlBoxMenu() {
  TPoint corner = ClientToScreen({0, Height()});
  PopupControlBoxMenuAt(corner);
}

void TskTitleBar::PopupControlBoxMenuAt(TPoint screen) { controlBoxMenu_->Popup(screen.x, screen.y); }

// The bar's non-client mouse messages belong to its form, so that the form sizes from the
// bar's top edge.
void TskTitleBar::WMNCMouse(TMessage& m) {
  TCustomForm* form = ParentForm();
  if (form == nullptr) return TCustomPanel::DefaultHandler(m);
  m.Result = SendMessage(form->Handle(), m.Msg, m.WParam, m.LParam);
}

// The bar stands at the top of its skinned form's frame and answers the frame's sizing zones
// along the top edge for its own area.
void TskTitleBar::WMNCHitTest(TMessage& m) {
  TCustomPanel::DefaultHandler(m);
  TCustomForm* form = ParentForm();
  if (form == nullptr || FormShowsMaximized(form)) return;
  if (form->FormStyle() == fsMDIForm && m.Result == HTCLIENT) m.Result = HTTRANSPARENT;
  auto* skin = dynamic_cast<TskForm*>(Parent());
  if (skin == nullptr) return;
  const LRESULT grip = skin->Frame().SizingHit(form->ScreenToClient(LParamToPoint(m.LParam)));
  if (grip == HTTOPLEFT || grip == HTTOP || grip == HTTOPRIGHT) m.Result = grip;
}
