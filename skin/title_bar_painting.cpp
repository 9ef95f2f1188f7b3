// How a title bar draws itself: into an off-screen picture of its size, sections first, then
// buttons and caption, then the outline of the form's round corners.
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/resources.h"
#include "skin/form.h"
#include "skin/title_bar.h"

namespace {

constexpr int kCornerOutlineDepth = 50;  // the outline's lower part lies below the bar

// A section's picture at `r`: stretched, or copied 1:1 from the picture's top-left corner.
void DrawSectionPicture(TCanvas* canvas, TskTitleBarSection* section, const TRect& r) {
  TGraphic* graphic = section->Picture()->Graphic();
  if (graphic == nullptr || graphic->Empty()) return;
  if (section->Stretch()) {
    canvas->StretchDraw(r, graphic);
    return;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
    canvas->CopyRect(r, bitmap->Canvas(), Rect(0, 0, r.Width(), r.Height()));
  } else {
    canvas->Draw(r.Left, r.Top, graphic);
  }
}

// A button's picture through a bitmap of its own size, see-through as the button says.
void DrawButtonPicture(TCanvas* canvas, TPicture* picture, bool transparent, TPoint at) {
  if (picture->Graphic() == nullptr || picture->Graphic()->Empty()) return;
  TBitmap piece(picture->Width(), picture->Height());
  piece.Canvas()->Draw(0, 0, picture->Graphic());
  piece.SetTransparent(transparent);
  canvas->Draw(at.x, at.y, &piece);
}

// The program's icon, when the program has one.
void DrawProgramIcon(TCanvas* canvas, const TRect& r) {
  if (FindBuiltInBitmap("MAINICON") == nullptr) return;
  TBitmap icon;
  icon.LoadFromResourceName(0, "MAINICON");
  canvas->StretchDraw(r, &icon);
}

}  // namespace

void TskTitleBar::Paint() {
  TBitmap buffer(Width(), Height());
  buffer.Canvas()->Brush()->SetStyle(bsClear);
  buffer.Canvas()->SetFont(Font());
  DrawSections(&buffer);
  DrawButtons(&buffer);
  if (UIStyle() != Pearl && roundCorner_ != 0 && dynamic_cast<TskForm*>(Parent()) != nullptr) {
    TCanvas* c = buffer.Canvas();
    c->Pen()->SetColor(borderColor_);
    c->Brush()->SetStyle(bsClear);
    c->RoundRect(-1, 0, buffer.Width() + 1, buffer.Height() + kCornerOutlineDepth,
                 roundCorner_ + 1, roundCorner_);
  }
  Canvas()->Draw(0, 0, &buffer);
}

void TskTitleBar::DrawSections(TBitmap* buffer) {
  const int height = buffer->Height();
  int left = -1, right = buffer->Width() + 1;
  TskTitleBarSection* client = nullptr;
  for (int i = 0; i < sections_->Count(); ++i) {
    TskTitleBarSection* section = sections_->Items(i);
    const int w = section->Width();
    switch (section->Align()) {
      case skLeft:
        DrawSectionPicture(buffer->Canvas(), section, Rect(left + 1, 0, left + 1 + w, height));
        left += w;
        break;
      case skRight:
        if (buffer->Width() - left < w) break;
        DrawSectionPicture(buffer->Canvas(), section, Rect(right - 1 - w, 0, right - 1, height));
        right -= w;
        break;
      case skClient: client = section; break;
    }
  }
  if (client != nullptr && client->Picture()->Graphic() != nullptr) {
    buffer->Canvas()->StretchDraw(Rect(left + 1, 0, right - 1, height), client->Picture()->Graphic());
  }
}

void TskTitleBar::DrawButtons(TBitmap* buffer) {
  TskTitleBarLayout layout = Layout();
  const int hot = layout.ButtonAt(CursorInBar());
  TCanvas* canvas = buffer->Canvas();
  for (const TskTitleBarButtonPlace& place : layout.Buttons) {
    TskTitleBarButton* button = buttons_->Items(place.Index);
    if (layout.AppIcon && button->ButtonType() == skControlBox) {
      DrawProgramIcon(canvas, place.Rect);
      continue;
    }
    TPicture* picture = place.Index != hot ? button->PicNormal()
                        : mouseDown_       ? button->PicMouseDown()
                                           : button->PicMouseOn();
    DrawButtonPicture(canvas, picture, button->Transparent(), {place.Rect.Left, place.Rect.Top});
  }
  String caption = FitCaption(Caption(), layout.CaptionRight - layout.CaptionLeft,
                              [canvas](const String& text) { return canvas->TextWidth(text); });
  if (!formActive_) canvas->Font()->SetColor(clInactiveCaption);
  canvas->Brush()->SetStyle(bsClear);
  int y = (captionRowHeight_ - canvas->TextHeight(caption)) / 2 + captionRowTop_;
  canvas->TextOut(layout.CaptionLeft, y, caption);
}
