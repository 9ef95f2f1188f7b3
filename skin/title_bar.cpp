// The skinned title bar: buttons, caption, sections and the form's activity.
#include "skin/title_bar.h"

#include "platform/classes/properties.h"
#include "platform/controls/forms.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/picture.h"
#include "skin/always_written.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/style_propagation.h"
#include "skin/theme_values.h"
#include "skin/title_bar_menu.h"

TskTitleBar::TskTitleBar(TComponent* owner)
    : TCustomPanel(owner),
      sections_(std::make_unique<TskTitleBarSections>(this)),
      buttons_(std::make_unique<TskTitleBarButtons>(this)),
      controlBoxMenu_(std::make_unique<TskTitleBarPopupMenu>(this)) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  SetControlStyle(style);
  SetBevelOuter(bvNone);
  for (TskTitleBarBtnType type : {skControlBox, skClose, skMax, skMin}) {
    buttons_->Add()->SetButtonType(type);
  }
  SetAlign(alTop);
  Font()->SetColor(clWhite);
  Font()->SetName("Tahoma");
  Font()->SetStyle({fsBold});
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TskTitleBar::~TskTitleBar() {
  // The items' pictures and menus go before the panel, while the bar they repaint still is one.
  buttons_.reset();
  sections_.reset();
  controlBoxMenu_.reset();
}

void TskTitleBar::Publish() {
  using B = TskTitleBar;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter", "Align", "Anchors", "ParentFont"});
  p.Property("Custom", &B::Custom, &B::SetCustom).Default(false);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  // A style sizes a new bar by its pictures: the choice is always written, so that a bar not
  // sized so comes back as saved.
  p.Property("AutoSize", &B::AutoSize, &B::SetAutoSize);
  p.Property("Sections", &B::Sections, &B::SetSections);
  p.Property("Buttons", &B::Buttons, &B::SetButtons);
  p.Property("ButtonInterval", &B::ButtonInterval, &B::SetButtonInterval).Default(0);
  p.Property("FormActive", &B::FormActive, &B::SetFormActive).Default(true);
  p.Property("LeftBtnXOffset", &B::LeftBtnXOffset, &B::SetLeftBtnXOffset).Default(0);
  p.Property("RightBtnXOffset", &B::RightBtnXOffset, &B::SetRightBtnXOffset).Default(0);
  p.Property("DrawAppIcon", &B::DrawAppIcon, &B::SetDrawAppIcon).Default(false);
  p.Property("RoundCorner", &B::RoundCorner, &B::SetRoundCorner).Default(0);
  p.Event("OnCustomBtnsClick", &B::OnCustomBtnsClick);
  p.Event("OnHelpBtnClick", &B::OnHelpBtnClick);
}

TCustomForm* TskTitleBar::ParentForm() {
  // A skinned form knows its form before the skin is placed on it.
  if (auto* skin = dynamic_cast<TskForm*>(Parent()); skin != nullptr && skin->Form() != nullptr)
    return skin->Form();
  return GetParentForm(this);
}

void TskTitleBar::SetUIStyle(TskUIStyle value) { ApplyStyle(value); }

void TskTitleBar::SetFileTheme(TskFileTheme* value) {
  theme_.SetFileTheme(value);
  // A theme of its own keeps the caption colour the application chose.
  keepFontColor_ = true;
  ApplyStyle(UIStyle());
  keepFontColor_ = false;
}

void TskTitleBar::ApplyStyle(TskUIStyle value) {
  if (custom_) return;
  theme_.SetStyle(value);
  TskThemeValues theme = theme_.Values();
  LoadSections(theme);
  leftBtnXOffset_ = theme.Int(tkTitleBarButtonLeftOffsetInt);
  rightBtnXOffset_ = theme.Int(tkTitleBarButtonRightOffsetInt);
  borderColor_ = theme.Color(tkFormBorderColor);
  TBitmap strip;
  theme.Bitmap(tkTitleBarButtonImage, &strip);
  captionRowHeight_ = strip.Height();
  captionRowTop_ = theme.Int(tkTitleBarButtonTopInt);
  if (TCustomForm* form = ParentForm()) form->Constraints()->SetMinWidth(theme.Int(tkFormMinWidthInt));
  roundCorner_ = theme.Int(tkFormRoundCornerInt);
  for (int i = 0; i < buttons_->Count(); ++i) buttons_->Items(i)->SetUIStyle(theme.EffectiveStyle());
  controlBoxMenu_->SetUIStyle(theme.EffectiveStyle());
  controlBoxMenu_->SetFileTheme(FileTheme());
  ReapplyRegion();
  if (!keepFontColor_) Font()->SetColor(value == Graphite ? clBlack : clWhite);
  SetAutoSize(true);
  Invalidate();
}

void TskTitleBar::LoadSections(const TskThemeValues& theme) {
  TCollectionUpdateLock lock(*sections_);
  sections_->Clear();
  struct TPart {
    TskThemeKey Key;
    TskTitleBarAlign Align;
  };
  for (TPart part : {TPart{tkTitleBarLeftImage, skLeft}, TPart{tkTitleBarRightImage, skRight},
                     TPart{tkTitleBarClientImage, skClient}}) {
    TskTitleBarSection* section = sections_->Add();
    theme.Bitmap(part.Key, section->Picture()->Bitmap());
    section->SetAlign(part.Align);
    if (part.Align != skClient) section->SetAutoSize(true);
  }
}

void TskTitleBar::SetSections(TskTitleBarSections* value) { sections_->Assign(value); }
void TskTitleBar::SetButtons(TskTitleBarButtons* value) { buttons_->Assign(value); }

void TskTitleBar::SetAutoSize(bool value) {
  autoSize_ = value && sections_->Count() > 0;
  if (autoSize_) SetHeight(kTitleBarHeightRange.Clamp(sections_->Items(0)->Picture()->Height()));
}

void TskTitleBar::SetButtonInterval(int value) {
  buttonInterval_ = value;
  Invalidate();
}

void TskTitleBar::SetFormActive(bool value) {
  formActive_ = value;
  Invalidate();
}

void TskTitleBar::SetLeftBtnXOffset(int value) {
  leftBtnXOffset_ = value;
  Invalidate();
}

void TskTitleBar::SetRightBtnXOffset(int value) {
  rightBtnXOffset_ = value;
  Invalidate();
}

void TskTitleBar::SetDrawAppIcon(bool value) {
  drawAppIcon_ = value;
  Invalidate();
}

void TskTitleBar::SetRoundCorner(int value) {
  roundCorner_ = value;
  ReapplyRegion();
}

void TskTitleBar::ReapplyRegion() {
  if (auto* skin = dynamic_cast<TskForm*>(Parent())) skin->ApplyWindowRegion(roundCorner_);
}

void TskTitleBar::WatchMenu(TPopupMenu* menu) {
  if (menu != nullptr) menu->FreeNotification(this);
}

void TskTitleBar::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation != opRemove) return;
  if (theme_.Forget(component)) SetUIStyle(Marine);
  if (!buttons_) return;
  for (int i = 0; i < buttons_->Count(); ++i) {
    TskTitleBarButton* button = buttons_->Items(i);
    if (button->ControlBoxMenu() == component) button->SetControlBoxMenu(nullptr);
  }
}

bool FormShowsMaximized(TCustomForm* form) {
  if (form == nullptr) return false;
  const TWindowState state = form->WindowState();
  if (state != wsMinimized || !form->HandleAllocated()) return state == wsMaximized;
  WINDOWPLACEMENT placement;
  return GetWindowPlacement(form->Handle(), placement) && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
}

void TskTitleBar::RefreshMaxButtons() {
  if (custom_) return;
  for (int i = 0; i < buttons_->Count(); ++i) {
    if (buttons_->Items(i)->ButtonType() == skMax) buttons_->Items(i)->LoadPictures();
  }
}

// ---- pictures of one button ----

namespace {

// The first of the three cells (normal, mouse over, pressed) of each type in the theme's strip
// of eighteen.
int FirstCell(TskTitleBarBtnType type, bool restoreLook) {
  switch (type) {
    case skControlBox: return 1;
    case skHelp: return 4;
    case skMax: return restoreLook ? 10 : 7;
    case skMin: return 13;
    case skClose: return 16;
    case skCustom: break;
  }
  return 0;
}

}  // namespace

void TskTitleBarButton::LoadPictures() {
  if (buttonType_ == skCustom) return;
  TskTitleBar* bar = TitleBar();
  TskThemeValues theme(bar != nullptr ? bar->FileTheme() : nullptr, uiStyle_);
  transparent_ = theme.Bool(tkTitleBarButtonTransparentBool);
  TCustomForm* form = bar != nullptr ? bar->ParentForm() : nullptr;
  int first = FirstCell(buttonType_, FormShowsMaximized(form));
  TPicture* pictures[] = {picNormal_.get(), picMouseOn_.get(), picMouseDown_.get()};
  for (int look = 0; look < 3; ++look) {
    theme.BitmapCell(tkTitleBarButtonImage, pictures[look]->Bitmap(), 18, first + look);
  }
  top_ = theme.Int(tkTitleBarButtonTopInt);
}
