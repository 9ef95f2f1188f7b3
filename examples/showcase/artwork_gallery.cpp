#include "examples/showcase/artwork_gallery.h"

#include "examples/showcase/style_names.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"
#include "skin/theme_values.h"

namespace {

constexpr int kTitleWidth = 300;
const TColor kPageColor = static_cast<TColor>(0xFFFFFF);

// Left and right sections at their size, the client section stretched between, and the
// close, maximize and minimize buttons from the right; a left section wider than the bar
// is cut, as on a narrow form.
void PaintTitleBar(TCanvas* canvas, int x, int y, const TskThemeValues& theme) {
  TBitmap left, client, right;
  theme.Bitmap(tkTitleBarLeftImage, &left);
  theme.Bitmap(tkTitleBarClientImage, &client);
  theme.Bitmap(tkTitleBarRightImage, &right);
  TBitmap bar(kTitleWidth, left.Height());
  TCanvas* c = bar.Canvas();
  c->StretchDraw(Rect(left.Width(), 0, kTitleWidth - right.Width(), left.Height()), &client);
  c->Draw(0, 0, &left);
  c->Draw(kTitleWidth - right.Width(), 0, &right);
  bool transparent = theme.Bool(tkTitleBarButtonTransparentBool);
  int buttonX = kTitleWidth - 4;
  for (int cell : {16, 7, 13}) {
    TBitmap button;
    theme.BitmapCell(tkTitleBarButtonImage, &button, 18, cell);
    button.SetTransparent(transparent);
    buttonX -= button.Width() + 1;
    c->Draw(buttonX, (left.Height() - button.Height()) / 2, &button);
  }
  canvas->Draw(x, y, &bar);
}

// An active and an inactive tab, each a three-cell picture.
void PaintTabs(TCanvas* canvas, int x, int y, const TskThemeValues& theme) {
  for (int cell = 1; cell <= 2; ++cell) {
    TBitmap tab;
    theme.BitmapCell(tkTabControlTabImage, &tab, 2, cell);
    DrawThreePieceHorizontal(&tab, canvas, Rect(x + (cell - 1) * 62, y, x + cell * 62 - 2, y + tab.Height()), true);
  }
}

}  // namespace

TArtworkGallery::TArtworkGallery(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 900, 6 * kRowHeight);
}

TArtworkGallery::~TArtworkGallery() = default;

void TArtworkGallery::SetFileTheme(TskFileTheme* value) {
  if (fileTheme_ != nullptr) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_ != nullptr) fileTheme_->FreeNotification(this);
  Invalidate();
}

void TArtworkGallery::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == fileTheme_) SetFileTheme(nullptr);
}

void TArtworkGallery::Paint() {
  TBitmap page(ClientWidth(), ClientHeight());
  page.Canvas()->Brush()->SetColor(kPageColor);
  page.Canvas()->FillRect(Rect(0, 0, page.Width(), page.Height()));
  int top = 0;
  for (TskUIStyle style : {Graphite, Pearl, Marine, Jade, Glacier}) {
    PaintRow(page.Canvas(), top, ShowcaseStyleName(style), TskThemeValues(nullptr, style));
    top += kRowHeight;
  }
  TskThemeValues fromFile(fileTheme_, FromThemeFile);
  // A row is labelled with the theme file's name alone: a full path would run under the pictures.
  PaintRow(page.Canvas(), top, fromFile.FromFile() ? FileNamePart(fileTheme_->ThemeFile())
                                                         : ShowcaseStyleName(FromThemeFile) + "（未载入，显示" +
                                                               ShowcaseStyleName(fromFile.EffectiveStyle()) + "）", fromFile);
  Canvas()->Draw(0, 0, &page);
}

void TArtworkGallery::PaintRow(TCanvas* canvas, int top, const String& title,
                                 const TskThemeValues& theme) {
  TColor back = theme.Color(tkFormBackgroundColor);
  canvas->Brush()->SetColor(back);
  canvas->FillRect(Rect(0, top + 1, ClientWidth(), top + kRowHeight - 1));
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(8, top + 4, title);
  PaintTitleBar(canvas, 8, top + 22, theme);
  PaintTabs(canvas, 590, top + 36, theme);
}
