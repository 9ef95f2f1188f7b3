#include "gridlib/controls/popup_list.h"

#include <algorithm>

#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/system_metrics.h"

TPopupListEx::TPopupListEx(TComponent* owner) : TCustomListBox(owner) {
  SetVisible(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
}

const TMessageMap& TPopupListEx::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomListBox::ClassMessages());
    m.On(WM_CAPTURECHANGED, &TPopupListEx::WMCaptureChangedPopup);
    return m;
  }();
  return map;
}

void TPopupListEx::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  params.Style |= WS_BORDER;
  params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

int TPopupListEx::HeightForRows(int rows) { return std::max(rows, 1) * ItemHeight() + 2; }

bool TPopupListEx::PopupKeyDown(uint16_t key, TShiftState shift) {
  switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END: break;
    default: return false;
  }
  if (shift.Contains(ssAlt)) return false;
  TCustomListBox::KeyDown(key, shift);
  return true;
}

// The line under a screen point; -1 off the lines (on the scroll bar, outside).
int TPopupListEx::LineAt(TPoint screen) {
  const TPoint p = ScreenToClient(screen);
  if (!ClientRect().Contains(p)) return -1;
  return ItemAtPos(p, true);
}

void TPopupListEx::PopupMouseMove(TPoint screen) {
  const int line = LineAt(screen);
  if (line >= 0 && line != ItemIndex()) SetItemIndex(line);
}

// A press on the scroll bar scrolls; on a line it marks it.
void TPopupListEx::PopupMouseDown(TPoint screen) {
  if (!ClientRect().Contains(ScreenToClient(screen))) {
    Perform(WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(screen));
    return;
  }
  PopupMouseMove(screen);
}

bool TPopupListEx::PopupMouseUp(TPoint screen) {
  const int line = LineAt(screen);
  if (line < 0) return false;
  SetItemIndex(line);
  return true;
}

void TPopupListEx::PopupWheel(int wheelDelta) { SetTopIndex(TopIndex() - 3 * wheelDelta / WHEEL_DELTA); }

void TPopupListEx::WMCaptureChangedPopup(TMessage& m) {
  TWinControl::WMCaptureChanged(m);
  if (m.LParam == 0) OnCaptureReleased.Call(this);
}
