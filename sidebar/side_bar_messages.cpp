// The side bar's window messages and the events it fires.
#include "platform/controls/application.h"
#include "platform/controls/menus.h"
#include "platform/controls/popup_source.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/system_metrics.h"
#include "sidebar/handler_watch.h"
#include "sidebar/side_bar.h"

// The window and control messages the bar handles itself, and its event dispatchers.

const TMessageMap& TnbSideBar::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_TIMER, &TnbSideBar::WMTimer);
    m.On(WM_ERASEBKGND, &TnbSideBar::WMEraseBkgnd);
    m.On(WM_SIZE, &TnbSideBar::WMSize);
    m.On(WM_SETFOCUS, &TnbSideBar::WMSetFocus);
    m.On(WM_KILLFOCUS, &TnbSideBar::WMKillFocus);
    m.On(WM_CONTEXTMENU, &TnbSideBar::WMContextMenu);
    m.On(CM_HINTSHOW, &TnbSideBar::CMHintShow);
    m.On(CM_VISIBLECHANGED, &TnbSideBar::CMVisibleChanged);
    m.On(CM_COLORCHANGED, &TnbSideBar::CMColorChanged);
    m.On(CM_CTL3DCHANGED, &TnbSideBar::CMCtl3DChanged);
    m.On(CM_SYSCOLORCHANGE, &TnbSideBar::CMSysColorChange);
    m.On(CN_NOTIFY, &TnbSideBar::CNNotify);
    m.On(WM_SETCURSOR, &TnbSideBar::WMSetCursor);
    m.On(WM_NCDESTROY, &TnbSideBar::WMNCDestroy);
    for (UINT msg : {CM_MOUSEENTER, CM_MOUSELEAVE, CM_DIALOGCHAR, CM_DESIGNHITTEST, CM_DRAG, WM_LBUTTONDOWN, WM_LBUTTONUP})
      m.On(msg, &TnbSideBar::InputMessage);
    for (UINT msg : {CM_BORDERCHANGED, CM_ENABLEDCHANGED, CM_FONTCHANGED, CM_TEXTCHANGED})
      m.On(msg, &TnbSideBar::CMRepaint);
    return m;
  }();
  return map;
}

void TnbSideBar::Inherited(TMessage& m) {
  if (const TMessageMap::THandler* handler = TCustomControl::ClassMessages().Find(m.Msg)) (*handler)(this, m);
  else DefaultHandler(m);
}

void TnbSideBar::WMEraseBkgnd(TMessage& m) { m.Result = 1; }

void TnbSideBar::WMSize(TMessage&) { Invalidate(); }

void TnbSideBar::WMSetFocus(TMessage& m) {
  Inherited(m);
  Invalidate();
}

void TnbSideBar::WMKillFocus(TMessage& m) {
  Invalidate();
  Inherited(m);
}

void TnbSideBar::InputMessage(TMessage& m) { input_->Message(m); }

// The program's mouse and key events run first and may free the bar.
void TnbSideBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TnbHandlerWatch watch(*this);
  TCustomControl::MouseDown(button, shift, x, y);
  if (watch.BarKept()) input_->MouseDown(button, x, y);
}

void TnbSideBar::MouseMove(TShiftState shift, int x, int y) {
  TnbHandlerWatch watch(*this);
  TCustomControl::MouseMove(shift, x, y);
  if (watch.BarKept()) input_->MouseMove(shift, x, y);
}

void TnbSideBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TnbHandlerWatch watch(*this);
  TCustomControl::MouseUp(button, shift, x, y);
  if (watch.BarKept()) input_->MouseUp(button);
}

void TnbSideBar::KeyDown(uint16_t& key, TShiftState shift) {
  TnbHandlerWatch watch(*this);
  TCustomControl::KeyDown(key, shift);
  if (watch.BarKept()) input_->KeyDown(key);
  // A bar freed meanwhile leaves nothing to pass the key on to.
  if (!watch.BarKept()) key = 0;
}

void TnbSideBar::CNNotify(TMessage& m) {
  // An info-tip request shows the application's hint where the mouse is, at once; the bar
  // answers no other notification.
  const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
  if (header && header->code == kInfoTipNotification && Application)
    Application->ActivateHint(GetCursorPos());
}

void TnbSideBar::CMRepaint(TMessage& m) {
  if (m.Msg != CM_BORDERCHANGED) Inherited(m);
  Invalidate();
}

void TnbSideBar::CMVisibleChanged(TMessage& m) {
  Inherited(m);
  TnbHandlerWatch watch(*this);
  if (Visible()) DoShow();
  else DoHide();
  if (watch.BarKept()) Invalidate();
}

void TnbSideBar::CMHintShow(TMessage& m) {
  auto* info = reinterpret_cast<THintInfo*>(m.LParam);
  TnbButton* hot = input_->HotButton();
  if (hot == nullptr || hot->Hint().empty() || info == nullptr) return Inherited(m);
  info->HintStr = hot->Hint();
  info->CursorRect = hot->Rects().Button;
  const TPoint at = ClientToScreen(info->CursorRect.TopLeft());
  info->HintPos = {at.x + GetSystemMetrics(SM_CXCURSOR), at.y + GetSystemMetrics(SM_CYCURSOR)};
  info->HintMaxWidth = ClientWidth();
  m.Result = 0;
}

namespace {

// Shows `menu` at a screen point when it is a pop-up menu that shows itself. One that waits to
// be shown by the program (AutoPopup off) leaves the click to the next menu in line.
bool PopUp(TComponent* menu, TControl* control, TPoint screen) {
  auto* source = dynamic_cast<IPopupSource*>(menu);
  return source != nullptr && source->PopupAt(control, screen);
}

}  // namespace

void TnbSideBar::WMContextMenu(TMessage& m) {
  if (IsDesigning()) return Inherited(m);
  TPoint screen{static_cast<int16_t>(m.LParamLo()), static_cast<int16_t>(m.LParamHi())};
  // From the keyboard (no position): the menu opens over the middle of the bar.
  if (screen.x == -1 && screen.y == -1) screen = ClientToScreen({Width() / 2, Height() / 2});
  const TPoint p = ScreenToClient(screen);
  layout_->Update();
  bool handled = false;
  m.Result = 1;
  // The handlers may free the item under the mouse, or the bar: what went is not asked again.
  TnbHandlerWatch watch(*this);
  TnbButton* hotButton = input_->HotButton();
  if (hotButton != nullptr && nbHit(hotButton->Rects().Button, p)) ItemMenu(hotButton, p, screen, handled);
  if (!watch.BarKept()) return;
  TnbHeader* header = nullptr;
  TnbHeader* hot = input_->HotHeader();
  TnbHeader* under = input_->MouseHeader();
  if (hot != nullptr && nbHit(hot->CaptionRect(), p)) header = hot;
  else if (hot == nullptr && under != nullptr && nbHit(under->BodyRect(), p)) header = under;
  if (!handled && header != nullptr) ItemMenu(header, p, screen, handled);
  if (!handled && watch.BarKept()) {
    ItemContextPopup(this, p, handled);
    if (!handled && watch.BarKept()) handled = PopUp(PopupMenu(), this, screen);
  }
  if (handled || !watch.BarKept()) return;
  m.Result = 0;
  DefaultHandler(m);
}

template <typename Item>
void TnbSideBar::ItemMenu(Item* item, TPoint p, TPoint screen, bool& handled) {
  TnbHandlerWatch watch(*this, {item});
  ItemContextPopup(item, p, handled);
  if (!handled && watch.Kept()) handled = PopUp(item->PopupMenu(), this, screen);
}

void TnbSideBar::ItemContextPopup(TObject* sender, TPoint mousePos, bool& handled) {
  OnContextPopup.Call(sender, mousePos, handled);
}

void TnbSideBar::DoChange(int oldIndex, int newIndex) { OnChange.Call(this, oldIndex, newIndex); }

void TnbSideBar::DoCanChange(TnbHeader* newHeader, bool& canChange) { OnCanChange.Call(this, newHeader, canChange); }

bool TnbSideBar::DoChangeViewStyle(TnbViewStyle oldStyle, TnbViewStyle newStyle) {
  bool canChange = true;
  OnChangeViewStyle.Call(this, oldStyle, newStyle, canChange);
  return canChange;
}

void TnbSideBar::DoDrawHeaderButtons(TCanvas* canvas, const TRect& rect, int activeIndex) {
  OnDrawHeaderButtons.Call(this, canvas, rect, activeIndex);
}

void TnbSideBar::DoAfterDrawHeaderButtons(TCanvas* canvas, const TRect& rect, int activeIndex) {
  OnAfterDrawHeaderButtons.Call(this, canvas, rect, activeIndex);
}

void TnbSideBar::DoDrawCloseButton(TCanvas* canvas, const TRect& rect, TnbButtonState state) {
  OnDrawCloseButton.Call(this, canvas, rect, state);
}

void TnbSideBar::DoShow() { OnShow.Call(this); }
void TnbSideBar::DoHide() { OnHide.Call(this); }
void TnbSideBar::DoClose() { closeButton_->OnClose.Call(this); }

bool TnbSideBar::DoDragAllowed(TnbButton* button) {
  bool allowed = true;
  OnDragAllowed.Call(this, button, allowed);
  return allowed;
}
