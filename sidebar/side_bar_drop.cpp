// The side bar's drag-and-drop operations a descendant may override; the drag collaborator does the work.
#include "platform/core/scope_guard.h"
#include "platform/windows/keys.h"
#include "sidebar/side_bar.h"

uint32_t TnbSideBar::GetDropEffect(TnbSideBar* source, TShiftState shift, uint32_t allowed) const {
  uint32_t result = allowed;
  if (source != this && (allowed & DROPEFFECT_COPY)) result = DROPEFFECT_COPY;
  if (source == this && (allowed & DROPEFFECT_MOVE)) result = DROPEFFECT_MOVE;
  const bool ctrl = shift.Contains(ssCtrl), shiftKey = shift.Contains(ssShift);
  if (!ctrl && shiftKey && (allowed & DROPEFFECT_MOVE)) result = DROPEFFECT_MOVE;
  if (ctrl && shiftKey && (allowed & DROPEFFECT_LINK)) result = DROPEFFECT_LINK;
  if (ctrl && !shiftKey && (allowed & DROPEFFECT_COPY)) result = DROPEFFECT_COPY;
  return result;
}

HRESULT TnbSideBar::DoDragEnter(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                                uint32_t& effect) {
  return input_->Drag().Enter(data, source, keyState, screen, effect);
}

HRESULT TnbSideBar::DoDragOver(TnbSideBar* source, uint32_t keyState, TPoint screen, uint32_t& effect) {
  input_->Drag().OverAt(source, KeysToShiftState(keyState), ScreenToClient(screen), dsDragMove, effect);
  return S_OK;
}

HRESULT TnbSideBar::DoDragLeave() { return input_->Drag().Leave(); }

HRESULT TnbSideBar::DoDrop(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                           uint32_t& effect) {
  return input_->Drag().Drop(data, source, keyState, screen, effect);
}

void TnbSideBar::AutoScrollBoxes(int x, int y) { input_->Drag().AutoScrollBoxes({x, y}); }

void TnbSideBar::InvalidateDropTarget(TnbButton* button) {
  if (updating_ || button == nullptr) return;
  // The mark reaches a few pixels above and below the button.
  TRect r = button->Rects().Button;
  InflateRect(r, 0, 7);
  InvalidateRect(r);
}

void TnbSideBar::WriteDraggedButton(TStream& stream, TnbButton* button) { nbWriteDraggedButton(stream, button); }

void TnbSideBar::CreateWnd() {
  TCustomControl::CreateWnd();
  input_->Drag().WindowCreated();
  // An alert set before there was a window to time it starts blinking now.
  if (alertButton_ != nullptr) StartTimer(5, alertInterval_);
}

// However the window goes (with the bar, a new window, or destroyed with a parent window), its
// drop target goes with it, so that the next window registers again; its timers end with it,
// so the alert ends too.
void TnbSideBar::WMNCDestroy(TMessage& m) {
  input_->Drag().WindowGone();
  if (alertButton_ != nullptr) SetAlertButton(nullptr);
  Inherited(m);
}

void TnbSideBar::DrawDropMark(TCanvas* c, const TRect& r, int position) {
  if (!input_->Drag().Accepted() || input_->Drag().DropMode() != dmButton) return;
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  std::vector<TPoint> points;
  if (position == 1) points = {{L + 5, T - 1}, {R - 5, T - 1}, {R - 2, T + 5}, {R - 2, T - 2}, {L + 2, T - 2}, {L + 2, T + 5}};
  else if (position == 2)
    points = {{L + 5, B + 1}, {R - 5, B + 1}, {R - 2, B - 4}, {R - 2, B + 6},
              {R - 5, B + 2}, {L + 5, B + 2}, {L + 2, B + 6}, {L + 2, B - 4}};
  else points = {{L + 5, B + 1}, {R - 5, B + 1}, {R - 2, B - 5}, {R - 2, B + 2}, {L + 2, B + 2}, {L + 2, B - 5}};
  ScopeGuard restore([c, style = c->Pen()->Style(), color = c->Brush()->Color()] {
    c->Pen()->SetStyle(style);
    c->Brush()->SetColor(color);
  });
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(dropMarkColor_);
  c->Polygon(points);
}
