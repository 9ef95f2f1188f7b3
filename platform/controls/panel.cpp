// Panels with bevels and a caption.
#include "platform/controls/panel.h"

#include "platform/classes/properties.h"
#include "platform/controls/control_text.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Change(TBevelCut& field, TBevelCut v) {
  if (field == v) return;
  field = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int v) {
  if (v < 1) v = 1;
  if (bevelWidth_ == v) return;
  bevelWidth_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomPanel::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  int inset = BevelSize(bevelOuter_) + BevelSize(bevelInner_);
  InflateRect(rect, -inset, -inset);
}

void TCustomPanel::PaintBevel(TRect& r, TBevelCut cut) {
  if (cut == bvNone) return;
  TColor top = cut == bvLowered ? clBtnShadow : cut == bvRaised ? clBtnHighlight : Color();
  TColor bottom = cut == bvLowered ? clBtnHighlight : cut == bvRaised ? clBtnShadow : Color();
  Frame3D(Canvas(), r, top, bottom, bevelWidth_);
}

void TCustomPanel::Paint() {
  TRect r = ClientRect();
  PaintBevel(r, bevelOuter_);
  Frame3D(Canvas(), r, Color(), Color(), BorderWidth());
  PaintBevel(r, bevelInner_);
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  String caption = Caption();
  if (caption.empty()) return;
  unsigned align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
  DrawControlText(Canvas(), caption, r, DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | align, Enabled());
}

void TCustomPanel::Publish() {
  TPublisher<TCustomPanel> p;
  p.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
  p.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
  p.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
  p.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
  p.Property("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption);
}
