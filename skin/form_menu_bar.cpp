// The skinned form's menu bar: its buttons drawn in the theme's look.
#include "skin/form_menu_bar.h"

#include "platform/controls/application.h"
#include "platform/controls/menus.h"
#include "platform/controls/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "skin/form.h"
#include "skin/menus.h"
#include "skin/theme_values.h"

namespace {

TskMainMenu* SkinnedMenu(TskForm* skin) { return dynamic_cast<TskMainMenu*>(skin->Menu()); }

void StretchPicture(TCanvas* canvas, const char* name, const TRect& r) {
  TBitmap picture;
  picture.LoadFromResourceName(0, name);
  canvas->StretchDraw(r, &picture);
}

void DrawCaption(TCanvas* canvas, const String& caption, TRect r, TColor color) {
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(color);
  DrawText(canvas->Handle(), caption, r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

TskFormMenuBar::TskFormMenuBar(TskForm* skin) : skin_(skin), bar_(new TToolBar(skin)) {
  bar_->SetParent(skin);
  bar_->SetAlign(alTop);
  bar_->SetFlat(true);
  bar_->SetShowCaptions(true);
  bar_->SetHeight(skin->MenuBarHeight());
  bar_->SetButtonHeight(skin->MenuBarHeight());
  bar_->SetColor(skin->MenuBarColor());
  bar_->OnCustomDraw.Bind(skin, "MenuBarCustomDraw",
                          [this](TToolBar* s, const TRect& r, bool& d) { DrawBar(s, r, d); });
  bar_->OnCustomDrawButton.Bind(
      skin, "MenuBarCustomDrawButton",
      [this](TToolBar* s, TToolButton* b, TCustomDrawState st, bool& d) { DrawButton(s, b, st, d); });
  // The title bar stays above the menu bar.
  skin->TitleBar()->SetTop(0);
}

TskFormMenuBar::~TskFormMenuBar() { delete bar_; }

// Buttons are reused where there are some, so the bar goes on hearing the menu, with the
// title the user selected, while titles come and go.
void TskFormMenuBar::Rebuild(TMainMenu* menu) {
  const int titles = menu != nullptr ? menu->Items()->Count() : 0;
  while (bar_->ButtonCount() > titles) delete bar_->Buttons(bar_->ButtonCount() - 1);
  if (menu == nullptr) return;
  for (int i = 0; i < titles; ++i) {
    TToolButton* button = i < bar_->ButtonCount() ? bar_->Buttons(i) : NewButton();
    button->SetMenuItem(menu->Items()->Items(i));
  }
  ApplyFont(menu);
}

TToolButton* TskFormMenuBar::NewButton() {
  auto* button = new TToolButton(bar_);
  button->SetParent(bar_);
  button->SetGrouped(true);
  button->SetAutoSize(true);
  button->SetHeight(skin_->MenuBarHeight());
  return button;
}

void TskFormMenuBar::ItemsChanged(TMainMenu* menu) {
  // Titles added or removed by code after the menu was read get their buttons too.
  if (!ShowsTitlesOf(menu)) return Rebuild(menu);
  for (int i = 0; i < bar_->ButtonCount(); ++i) bar_->Buttons(i)->UpdateFromMenuItem();
}

bool TskFormMenuBar::ShowsTitlesOf(TMainMenu* menu) const {
  if (menu == nullptr || bar_->ButtonCount() != menu->Items()->Count()) return false;
  for (int i = 0; i < bar_->ButtonCount(); ++i) {
    if (bar_->Buttons(i)->MenuItem() != menu->Items()->Items(i)) return false;
  }
  return true;
}

void TskFormMenuBar::ApplyFont(TMainMenu* menu) {
  auto* skinned = dynamic_cast<TskMainMenu*>(menu);
  if (skinned == nullptr) return;
  TFont* font = bar_->Font();
  if (skinned->UseSystemFont() && Screen != nullptr) {
    font->Assign(Screen->MenuFont());
  } else {
    font->SetName(skinned->FontName());
    font->SetSize(skinned->FontSize());
    font->SetCharset(skinned->FontCharset());
    font->SetColor(skinned->FontColor());
  }
  bar_->ArrangeButtons();
  bar_->Invalidate();
}

void TskFormMenuBar::SetColor(TColor color) { bar_->SetColor(color); }

void TskFormMenuBar::SetHeight(int height) {
  bar_->SetHeight(height);
  bar_->SetButtonHeight(height);
}

TskUIStyle TskFormMenuBar::Style() const {
  TskMainMenu* menu = SkinnedMenu(skin_);
  return menu != nullptr ? menu->UIStyle() : skin_->UIStyle();
}

TskThemeValues TskFormMenuBar::Theme() const {
  TskMainMenu* menu = SkinnedMenu(skin_);
  return menu != nullptr ? TskThemeValues(menu->FileTheme(), menu->UIStyle())
                         : TskThemeValues(skin_->FileTheme(), skin_->UIStyle());
}

// The titles are drawn over the picture as usual.
void TskFormMenuBar::DrawBar(TToolBar* sender, const TRect& r, bool& /*defaultDraw*/) {
  if (Style() == Graphite) StretchPicture(sender->Canvas(), "GRAPHITE_MENU_BAR", r);
}

void TskFormMenuBar::DrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state,
                                bool& defaultDraw) {
  const bool selected = state.Contains(cdsSelected);
  if (!selected && !state.Contains(cdsHot)) return;
  defaultDraw = false;
  TskThemeValues theme = Theme();
  TCanvas* canvas = sender->Canvas();
  canvas->Font()->Assign(sender->Font());
  const TRect r = button->BoundsRect();
  const TColor textColor = theme.Color(tkMenuSelectedFontColor);
  if (Style() == Graphite) {
    TBitmap face(r.Width(), r.Height());
    StretchPicture(face.Canvas(), "GRAPHITE_MENU_SELECT", Rect(0, 0, r.Width(), r.Height()));
    face.Canvas()->Font()->Assign(sender->Font());
    DrawCaption(face.Canvas(), button->Caption(), Rect(0, 0, r.Width(), r.Height() + 2), textColor);
    canvas->Draw(r.Left, r.Top, &face);
    return;
  }
  TRect frame = r;
  if (selected) frame.Right -= 2;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(theme.Color(tkMenuSelectedBackgroundColor));
  canvas->FillRect(frame);
  canvas->Brush()->SetColor(theme.Color(tkMenuSelectedBorderColor));
  canvas->FrameRect(frame);
  TRect text = r;
  OffsetRect(text, selected ? 2 : 0, 2);
  DrawCaption(canvas, button->Caption(), text, textColor);
}
