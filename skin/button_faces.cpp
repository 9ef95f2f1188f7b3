// The faces of the three kinds of skinned button: the themed push button with its glyph, the
// button of four own pictures, and the arrow button.

#include "platform/classes/properties.h"
#include "platform/controls/actions.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/picture.h"
#include "skin/buttons.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"

template <typename B>
void TskCustomButton::PublishButton(TPublisher<B>& p) {
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Property("MouseContinuouslyDownInterval", &B::MouseContinuouslyDownInterval,
             &B::SetMouseContinuouslyDownInterval)
      .Default(100);
  p.Event("OnMouseEnter", &B::OnMouseEnter);
  p.Event("OnMouseExit", &B::OnMouseExit);
  p.Event("OnMouseContinuouslyDown", &B::OnMouseContinuouslyDown);
}

namespace {

// What the push button and the button of own pictures publish beyond the arrow button's set.
template <typename B>
void PublishPushButton(TPublisher<B>& p) {
  p.Property("Caption", &B::Caption, &B::SetCaption);
  p.Property("AutoSize", &B::AutoSize, &B::SetAutoSize).Default(false);
  p.Property("Cancel", &B::Cancel, &B::SetCancel).Default(false);
  p.Property("Default", &B::Default, &B::SetDefault).Default(false);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
  p.Property("ModalResult", &B::ModalResult, &B::SetModalResult).Default(0);
  p.Property("FocusedRectMargin", &B::FocusedRectMargin, &B::SetFocusedRectMargin).Default(2);
  p.Redeclare("TabStop").Default(true);
}

}  // namespace

// ---- TskButton ----

TskButton::TskButton(TComponent* owner) : TskCustomButton(owner), glyph_(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 80, 27);
  glyph_->OnChange.Bind(this, "GlyphChanged", [this](TObject*) { Invalidate(); });
  UIStyleChanged();
}

TskButton::~TskButton() = default;

void TskButton::Publish() {
  TPublisher<TskButton> p;
  PublishButton(p);
  PublishPushButton(p);
  p.Property("FileTheme", &TskButton::FileTheme, &TskButton::SetFileTheme);
  p.Property("Glyph", &TskButton::Glyph, &TskButton::SetGlyph);
  p.Property("Layout", &TskButton::Layout, &TskButton::SetLayout).Default(blGlyphLeft);
  p.Property("Spacing", &TskButton::Spacing, &TskButton::SetSpacing).Default(4);
  p.Property("ResHandle", &TskButton::ResHandle, &TskButton::SetResHandle).Default(0);
}

void TskButton::SetGlyph(TBitmap* value) {
  glyph_->Assign(value);
  Invalidate();
}

void TskButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TskButton::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

void TskButton::ActionChange(TObject* sender, bool checkDefaults) {
  TskCustomButton::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action == nullptr || action->ActionList() == nullptr || !glyph_->Empty()) return;
  TCustomImageList* images = action->ActionList()->Images();
  const int index = action->ImageIndex();
  if (images == nullptr || index < 0 || index >= images->Count()) return;
  // On magenta, so that what the image leaves see-through is masked as the glyph's
  // top-left colour.
  glyph_->SetSize(images->Width(), images->Height());
  glyph_->Canvas()->Brush()->SetColor(clFuchsia);
  glyph_->Canvas()->FillRect(Rect(0, 0, images->Width(), images->Height()));
  images->Draw(glyph_->Canvas(), 0, 0, index);
  Invalidate();
}

void TskButton::UIStyleChanged() { SetTransparent(Theme().Bool(tkButtonTransparentBool)); }

void TskButton::PaintPic(TCanvas* canvas, TBitmap* face) {
  StretchBitmapKeepCorners(face, canvas, ClientRect(), TransparentDrawing());
  if (!glyph_->Empty()) PaintGlyph(canvas);
}

void TskButton::PaintGlyph(TCanvas* canvas) {
  const int tw = canvas->TextWidth(Caption());
  const int th = canvas->TextHeight(Caption());
  int gw = glyph_->Width();
  const int gh = glyph_->Height();
  const bool twoImages = gw == 2 * gh;
  if (twoImages) gw = gh;
  const int w = Width(), h = Height(), s = spacing_;
  int gx = 0, gy = 0;
  switch (layout_) {
    case blGlyphLeft:
      gx = (w - (tw + gw + s)) / 2, gy = (h - gh) / 2;
      captionAt_ = {gx + gw + s, (h - th) / 2};
      break;
    case blGlyphRight:
      gx = (w + tw + s - gw) / 2, gy = (h - gh) / 2;
      captionAt_ = {gx - tw - s, (h - th) / 2};
      break;
    case blGlyphTop:
      gx = (w - gw) / 2, gy = (h - (th + gh + s)) / 2;
      captionAt_ = {(w - tw) / 2, gy + gh + s};
      break;
    case blGlyphBottom:
      gx = (w - gw) / 2, gy = (h + th + s - gh) / 2;
      captionAt_ = {(w - tw) / 2, gy - th - s};
      break;
  }
  if (IsPressed()) ++gx, ++gy;
  TImageList images(gw, gh);
  images.AddMasked(glyph_.get(), glyph_->Canvas()->Pixels(0, 0));
  if (twoImages) images.Draw(canvas, gx, gy, Enabled() ? 0 : 1, true);
  else images.Draw(canvas, gx, gy, 0, Enabled());
}

void TskButton::PaintText(TCanvas* canvas, const String& caption) {
  if (glyph_->Empty()) {
    TskCustomButton::PaintText(canvas, caption);
    return;
  }
  TPoint at = captionAt_;
  if (IsPressed()) at = Point(at.x + 1, at.y + 1);
  DrawCaption(canvas, caption, Rect(at.x, at.y, Width(), Height()), DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void TskButton::PaintFocus(TCanvas* canvas) {
  // These two styles mark the focused button by a bold caption instead of a dotted frame.
  if (UIStyle() == Graphite || UIStyle() == Glacier) SetBoldCaption();
  else TskCustomButton::PaintFocus(canvas);
}

// ---- TskImageButton ----

TskImageButton::TskImageButton(TComponent* owner) : TskCustomButton(owner) {
  for (auto& picture : pictures_) {
    picture = std::make_unique<TPicture>();
    picture->OnChange.Bind(this, "PictureChanged", [this](TObject*) { Invalidate(); });
  }
}

TskImageButton::~TskImageButton() = default;

void TskImageButton::Publish() {
  TPublisher<TskImageButton> p;
  PublishButton(p);
  PublishPushButton(p);
  p.Property("PicNormal", &TskImageButton::PicNormal, &TskImageButton::SetPicNormal);
  p.Property("PicMouseOn", &TskImageButton::PicMouseOn, &TskImageButton::SetPicMouseOn);
  p.Property("PicMouseDown", &TskImageButton::PicMouseDown, &TskImageButton::SetPicMouseDown);
  p.Property("PicDisabled", &TskImageButton::PicDisabled, &TskImageButton::SetPicDisabled);
  p.Property("Stretch", &TskImageButton::Stretch, &TskImageButton::SetStretch).Default(false);
  p.Property("DrawFocused", &TskImageButton::DrawFocused, &TskImageButton::SetDrawFocused).Default(false);
}

void TskImageButton::SetPicture(int index, TPicture* value) {
  pictures_[index]->Assign(value);
  UpdateAutoSize();
  Invalidate();
}

void TskImageButton::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TskImageButton::SetDrawFocused(bool value) {
  drawFocused_ = value;
  Invalidate();
}

void TskImageButton::UpdateAutoSize() {
  if (Parent() == nullptr || !AutoSize() || PicNormal()->Graphic() == nullptr) return;
  SetBounds(Left(), Top(), PicNormal()->Width(), PicNormal()->Height());
}

void TskImageButton::CopyPicture(TBitmap* face, int index) const {
  TPicture* picture = pictures_[index]->Graphic() != nullptr ? pictures_[index].get() : PicNormal();
  if (picture->Graphic() != nullptr) face->Assign(picture->Graphic());
}

void TskImageButton::PaintPic(TCanvas* canvas, TBitmap* face) {
  if (face->Empty()) return;
  face->SetTransparentColor(face->Canvas()->Pixels(0, 0));
  if (stretch_) canvas->StretchDraw(Rect(0, 0, Width(), Height()), face);
  else canvas->Draw(0, 0, face);
}

void TskImageButton::PaintFocus(TCanvas* canvas) {
  if (drawFocused_) TskCustomButton::PaintFocus(canvas);
}

// ---- TSkArrowButton ----

TSkArrowButton::TSkArrowButton(TComponent* owner) : TskCustomButton(owner) { UIStyleChanged(); }

void TSkArrowButton::Publish() {
  TPublisher<TSkArrowButton> p;
  PublishButton(p);
  p.Property("FileTheme", &TSkArrowButton::FileTheme, &TSkArrowButton::SetFileTheme);
  p.Property("Arrow", &TSkArrowButton::Arrow, &TSkArrowButton::SetArrow).Default(skUp);
  p.Redeclare("TabStop").Default(true);
}

void TSkArrowButton::SetArrow(TskArrowButtonType value) {
  arrow_ = value;
  Invalidate();
}

void TSkArrowButton::UIStyleChanged() { SetTransparent(Theme().Bool(tkButtonTransparentBool)); }

void TSkArrowButton::PaintPic(TCanvas* canvas, TBitmap* face) {
  StretchBitmapKeepCorners(face, canvas, ClientRect(), TransparentDrawing());
  const int x0 = (Width() - 6) / 2, y0 = (Height() - 3) / 2;
  canvas->Pen()->SetColor(clBlack);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBlack);
  if (arrow_ == skUp) canvas->Polygon({{x0, y0 + 3}, {x0 + 3, y0}, {x0 + 6, y0 + 3}});
  else canvas->Polygon({{x0, y0}, {x0 + 3, y0 + 3}, {x0 + 6, y0}});
}
