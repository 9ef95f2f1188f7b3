// Skinned panels and image panels: a picture drawn plain, stretched or tiled.
#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/picture.h"
#include "platform/windows/messages.h"
#include "skin/always_written.h"
#include "skin/inherited_message.h"
#include "skin/panels.h"
#include "skin/skin_painting.h"

TskCustomPanel::TskCustomPanel(TComponent* owner)
    : TCustomPanel(owner), picture_(std::make_unique<TPicture>()) {
  SetBevelOuter(bvNone);
  SetBevelInner(bvNone);
  picture_->OnChange.Bind(this, "PictureChanged", [this](TObject*) { PictureChanged(); });
}

TskCustomPanel::~TskCustomPanel() = default;

void TskImagePanel::Publish() {
  using B = TskImagePanel;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter"});
  p.Property("Picture", &B::Picture, &B::SetPicture);
  p.Property("DrawStyle", &B::DrawStyle, &B::SetDrawStyle).Default(skNormal);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
  p.Property("AutoSize", &B::AutoSize, &B::SetAutoSize).Default(false);
}

const TMessageMap& TskCustomPanel::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TskCustomPanel::WMEraseBkgnd);
    m.On(CM_TEXTCHANGED, &TskCustomPanel::Repaint);
    return m;
  }();
  return map;
}

void TskCustomPanel::Repaint(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  Invalidate();
}

bool TskCustomPanel::HasGraphic() const { return picture_->Graphic() != nullptr && !picture_->Graphic()->Empty(); }

void TskCustomPanel::SetPicture(TPicture* value) {
  picture_->Assign(value);
  ClearBackground();
  Invalidate();
}

void TskCustomPanel::SetDrawStyle(TskDrawStyle value) {
  drawStyle_ = value;
  ClearBackground();
  Invalidate();
}

void TskCustomPanel::SetTransparent(bool value) {
  transparent_ = value;
  if (HasGraphic() && picture_->Graphic()->Transparent() != value) picture_->Graphic()->SetTransparent(value);
  Invalidate();
}

void TskCustomPanel::SetAutoSize(bool value) {
  autoSize_ = value;
  if (HasGraphic()) SizeToPicture();
}

void TskCustomPanel::SizeToPicture() {
  if (!autoSize_ || !HasGraphic()) return;
  const TAlign align = Align();
  const bool widthFixed = align == alTop || align == alBottom || align == alClient;
  const bool heightFixed = align == alLeft || align == alRight || align == alClient;
  SetBounds(Left(), Top(), widthFixed ? Width() : picture_->Width(), heightFixed ? Height() : picture_->Height());
}

void TskCustomPanel::PictureChanged() {
  if (HasGraphic()) {
    SizeToPicture();
    picture_->Graphic()->SetTransparent(transparent_);
  }
  ClearBackground();
  Invalidate();
}

void TskCustomPanel::ClearBackground() {
  if (!Showing()) return;
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

void TskCustomPanel::Resize() {
  TCustomPanel::Resize();
  Invalidate();
}

void TskCustomPanel::PaintPicture(TCanvas* canvas) {
  // Also under a picture smaller than the panel, which would leave the rest unpainted.
  PaintControlBackground(canvas, this, transparent_);
  if (!HasGraphic()) return;
  switch (drawStyle_) {
    case skStretch: canvas->StretchDraw(ClientRect(), picture_->Graphic()); break;
    case skTile: TilePicture(canvas, picture_.get(), ClientRect()); break;
    case skNormal: canvas->Draw(0, 0, picture_->Graphic()); break;
  }
}

void TskCustomPanel::Paint() {
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  PaintPicture(canvas);
  const String caption = GetText();
  if (!Trim(caption).empty()) {
    static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    TRect r = ClientRect();
    DrawText(canvas->Handle(), caption, r, DT_SINGLELINE | DT_VCENTER | kAlign[Alignment()]);
  }
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}
