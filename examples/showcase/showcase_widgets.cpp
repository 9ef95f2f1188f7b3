#include "examples/showcase/showcase_widgets.h"

#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"

namespace {

void DrawCaption(TCanvas* canvas, TRect r, const String& caption, TColor color) {
  HDC dc = canvas->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
  SelectObject(dc, canvas->Font()->Handle());
  DrawText(dc, caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

TShowcasePanel::TShowcasePanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_.Include(csAcceptsControls);
}

void TShowcasePanel::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  DrawEdge(Canvas()->Handle(), r, BDR_RAISEDINNER, BF_RECT);
  DrawCaption(Canvas(), r, Caption(), Font()->Color());
}

TShowcaseToolButton::TShowcaseToolButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 88, 32);
}

void TShowcaseToolButton::SetDown(bool v) {
  if (down_ == v) return;
  down_ = v;
  Invalidate();
}

void TShowcaseToolButton::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(down_ ? clWindow : clBtnFace);
  Canvas()->FillRect(r);
  DrawEdge(Canvas()->Handle(), r, (pressed_ || down_) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (pressed_) OffsetRect(r, 1, 1);
  DrawCaption(Canvas(), r, Caption(), Font()->Color());
}

void TShowcaseToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TShowcaseToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && pressed_) {
    pressed_ = false;
    Invalidate();
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}
