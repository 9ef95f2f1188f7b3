// Painting menu items in the theme's look: background, check, image, texts and separators.
#include "skin/menu_item_painter.h"

#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/menus.h"
#include "platform/controls/screen.h"
#include "platform/controls/shortcuts.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "skin/menu_settings.h"
#include "skin/theme_values.h"

namespace {

constexpr TColor kDisabledText = static_cast<TColor>(0x808080);
// Room the measured width leaves beside the texts and the bar.
constexpr int kTextRoom = 40;
// Heights of the Graphite pictures that items and separators are drawn on.
constexpr int kGraphiteItemHeight = 20;
constexpr int kGraphiteSeparatorHeight = 12;

// A Graphite picture, its top `height` rows stretched over `r`.
void StretchPicture(TCanvas* canvas, const char* name, int height, const TRect& r) {
  TBitmap picture;
  picture.LoadFromResourceName(0, name);
  picture.SetHeight(height);
  canvas->StretchDraw(r, &picture);
}

void FillRect(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

void Line(TCanvas* canvas, TPoint from, TPoint to) {
  canvas->MoveTo(from.x, from.y);
  canvas->LineTo(to.x, to.y);
}

// A menu window draws all its items on one canvas: the pen and brush an item draws with are
// given back when it is drawn. Its font stays, for the menu marks a submenu in the text colour
// the item chose, as the window system does.
[[nodiscard]] auto KeepPenAndBrush(TCanvas* canvas) {
  auto pen = std::make_unique<TPen>();
  pen->Assign(canvas->Pen());
  auto brush = std::make_unique<TBrush>();
  brush->Assign(canvas->Brush());
  return ScopeGuard([canvas, pen = std::move(pen), brush = std::move(brush)] {
    canvas->Pen()->Assign(pen.get());
    canvas->Brush()->Assign(brush.get());
  });
}

}  // namespace

TskMenuItemPainter::TskMenuItemPainter(const TskMenuSettings& settings, TCustomImageList* images,
                                       TCustomImageList* checkMarks)
    : settings_(settings), images_(images), checkMarks_(checkMarks) {}

void TskMenuItemPainter::Measure(TCanvas* canvas, TMenuItem* item, int& width,
                                 int& height) const {
  height = item->IsLine() ? settings_.SeparatorHeight : settings_.MenuItemHeight;
  const String shortCut = ShortCutToText(item->ShortCut());
  width = canvas->TextWidth(item->Caption()) + (shortCut.empty() ? 0 : canvas->TextWidth(shortCut)) +
          settings_.BarWidth + kTextRoom;
}

void TskMenuItemPainter::Draw(TCanvas* canvas, TMenuItem* item, const TRect& r,
                              bool selected) const {
  auto tools = KeepPenAndBrush(canvas);
  if (item->IsLine()) {
    DrawSeparator(canvas, r);
    return;
  }
  DrawBackground(canvas, r, selected && item->Enabled());
  SelectFont(canvas, item, selected);
  DrawTexts(canvas, item, r);
  DrawCheckAndImage(canvas, item, r);
}

void TskMenuItemPainter::DrawFlatFrame(TCanvas* canvas, const TRect& window) const {
  auto tools = KeepPenAndBrush(canvas);
  const int l = window.Left, t = window.Top, r = window.Right, b = window.Bottom;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBlack);
  canvas->FrameRect(Rect(l, t + 1, r - 1, b - 1));
  canvas->Brush()->SetColor(clWhite);
  canvas->FrameRect(Rect(l + 1, t + 2, r - 2, b - 2));
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(
      TskThemeValues(settings_.FileTheme, settings_.UIStyle).Color(tkFormBackgroundColor));
  canvas->MoveTo(l, b - 1);
  canvas->LineTo(r - 1, b - 1);
  canvas->LineTo(r - 1, t);
  canvas->LineTo(r, t);
  canvas->LineTo(l, t);
}

bool TskMenuItemPainter::HasImage(TMenuItem* item) const {
  return images_ != nullptr && item->ImageIndex() >= 0 && item->ImageIndex() < images_->Count();
}

void TskMenuItemPainter::FillBarAndBackground(TCanvas* canvas, const TRect& r) const {
  const int bar = settings_.BarWidth;
  if (bar > 0) FillRect(canvas, Rect(r.Left, r.Top, r.Left + bar, r.Bottom), settings_.BarColor);
  FillRect(canvas, Rect(r.Left + bar, r.Top, r.Right, r.Bottom), settings_.Color);
}

void TskMenuItemPainter::DrawSeparator(TCanvas* canvas, const TRect& r) const {
  if (settings_.UIStyle == Graphite) {
    StretchPicture(canvas, "GRAPHITE_MENU_BAR", kGraphiteSeparatorHeight, r);
    return;
  }
  FillBarAndBackground(canvas, r);
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(settings_.SeparatorColor);
  Line(canvas, {r.Left + settings_.BarWidth + 4, r.Top + 2}, {r.Right - 2, r.Top + 2});
}

void TskMenuItemPainter::DrawBackground(TCanvas* canvas, const TRect& r, bool highlighted) const {
  if (settings_.UIStyle == Graphite) {
    StretchPicture(canvas, highlighted ? "GRAPHITE_MENU_SELECT" : "GRAPHITE_MENU_BAR",
                   kGraphiteItemHeight, r);
  } else if (highlighted) {
    FillRect(canvas, r, settings_.SelectedColor);
    canvas->Brush()->SetColor(settings_.SelectedBorderColor);
    canvas->FrameRect(r);
  } else {
    FillBarAndBackground(canvas, r);
  }
}

void TskMenuItemPainter::SelectFont(TCanvas* canvas, TMenuItem* item, bool selected) const {
  TFont* font = canvas->Font();
  if (settings_.UseSystemFont) {
    font->Assign(Screen->MenuFont());
    font->SetColor(clMenuText);
  } else {
    font->SetName(settings_.FontName);
    font->SetSize(settings_.FontSize);
    font->SetCharset(settings_.FontCharset);
  }
  font->SetColor(!item->Enabled() ? kDisabledText
                 : selected       ? settings_.SelectedFontColor
                                  : settings_.FontColor);
  if (item->Default()) font->SetStyle(font->Style() + fsBold);
}

void TskMenuItemPainter::DrawTexts(TCanvas* canvas, TMenuItem* item, const TRect& r) const {
  canvas->Brush()->SetStyle(bsClear);
  TRect caption = Rect(r.Left + settings_.BarWidth + 4, r.Top + 4, r.Right, r.Bottom);
  DrawText(canvas->Handle(), item->Caption(), caption, DT_SINGLELINE);
  const String shortCut = ShortCutToText(item->ShortCut());
  if (!shortCut.empty()) canvas->TextOut(r.Right - canvas->TextWidth(shortCut) - 16, r.Top + 4, shortCut);
}

void TskMenuItemPainter::DrawCheckAndImage(TCanvas* canvas, TMenuItem* item, const TRect& r) const {
  const bool image = HasImage(item);
  if (item->Checked()) {
    if (image) {
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(clBlack);
      canvas->FrameRect(Rect(r.Left + 2, r.Top + 1, r.Left + 21, r.Top + 20));
      FillRect(canvas, Rect(r.Left + 3, r.Top + 2, r.Left + 20, r.Top + 19), settings_.SelectedColor);
    } else if (checkMarks_ != nullptr) {
      checkMarks_->Draw(canvas, r.Left + 4, r.Top + 3, 0, item->Enabled());
    }
  }
  if (image) images_->Draw(canvas, r.Left + 4, r.Top + 3, item->ImageIndex(), item->Enabled());
}
