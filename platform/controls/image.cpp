// The image control: a picture drawn centred, stretched or in proportion.
#include "platform/controls/image.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  controlStyle_.Include(csReplicatable);
  picture_->OnChange.Bind(this, "PictureChanged", &TImage::PictureChanged);
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { picture_->OnChange.Clear(); }

void TImage::Changed() { Invalidate(); }

void TImage::SetStretch(bool v) {
  stretch_ = v;
  Changed();
}

void TImage::SetCenter(bool v) {
  center_ = v;
  Changed();
}

void TImage::SetProportional(bool v) {
  proportional_ = v;
  Changed();
}

void TImage::SetTransparent(bool v) {
  transparent_ = v;
  if (TGraphic* g = picture_->Graphic()) g->SetTransparent(v);
  Changed();
}

void TImage::SetAutoSize(bool v) {
  autoSize_ = v;
  PictureChanged(nullptr);
}

void TImage::PictureChanged(TObject*) {
  if (TGraphic* g = picture_->Graphic(); g && g->Transparent() != transparent_) g->SetTransparent(transparent_);
  if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0) SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  Changed();
}

TRect TImage::DestRect() {
  int w = picture_->Width(), h = picture_->Height();
  int cw = ClientWidth(), ch = ClientHeight();
  if (w <= 0 || h <= 0) return {};
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (!proportional_) return Rect(0, 0, cw, ch);
    // Keeps the picture's shape: the side that fills first decides the scale.
    if (static_cast<long long>(w) * ch > static_cast<long long>(h) * cw) {
      h = static_cast<int>(static_cast<long long>(h) * cw / w);
      w = cw;
    } else {
      w = static_cast<int>(static_cast<long long>(w) * ch / h);
      h = ch;
    }
  }
  int x = center_ ? (cw - w) / 2 : 0, y = center_ ? (ch - h) / 2 : 0;
  return Bounds(x, y, w, h);
}

void TImage::Paint() {
  TGraphic* g = picture_->Graphic();
  if (!g || g->Empty()) return;
  TRect r = DestRect();
  if (r.Width() == g->Width() && r.Height() == g->Height()) Canvas()->Draw(r.Left, r.Top, g);
  else Canvas()->StretchDraw(r, g);
}

void TImage::Publish() {
  TPublisher<TImage> p;
  p.Property("Picture", &TImage::Picture, &TImage::SetPicture);
  p.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
  p.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  p.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
  p.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
  p.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
}
