// The flat panel with its frame colour.
#include "skin/flat_panel.h"

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/messages.h"
#include "skin/always_written.h"
#include "skin/inherited_message.h"
#include "skin/skin_painting.h"

TFlatPanel::TFlatPanel(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(bvNone);
  SetBounds(Left(), Top(), 185, 41);
  SetParentFont(true);
  SetParentColor(true);
}

void TFlatPanel::Publish() {
  using B = TFlatPanel;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter", "ParentColor"});
  p.Property("ColorHighLight", &B::ColorHighLight, &B::SetColorHighLight).Default(kDefaultFrameColor);
  p.Property("ColorShadow", &B::ColorShadow, &B::SetColorShadow).Default(kDefaultFrameColor);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
}

const TMessageMap& TFlatPanel::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TFlatPanel::WMEraseBkgnd);
    for (UINT msg : {CM_ENABLEDCHANGED, CM_TEXTCHANGED}) m.On(msg, &TFlatPanel::Repaint);
    return m;
  }();
  return map;
}

void TFlatPanel::Repaint(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  Invalidate();
}

void TFlatPanel::SetFrameColor(int index, TColor value) {
  colors_[index] = value;
  Invalidate();
}

void TFlatPanel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TFlatPanel::Paint() {
  const TRect client = ClientRect();
  TBitmap buffer(client.Width(), client.Height());
  TCanvas* canvas = buffer.Canvas();
  PaintControlBackground(canvas, this, transparent_);
  TRect frame = client;
  Frame3D(canvas, frame, colors_[0], colors_[1], 1);
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const UINT format = DT_SINGLELINE | DT_VCENTER | kAlign[Alignment()];
  const String caption = GetText();
  TRect r = client;
  if (Enabled()) DrawText(canvas->Handle(), caption, r, format);
  else DrawEmbossedText(canvas, caption, r, format, clBtnHighlight, clBtnShadow);
  Canvas()->CopyRect(client, canvas, client);
}
