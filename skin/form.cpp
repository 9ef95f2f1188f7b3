// The skinned form: frame, border, title bar, menu bar and panel settings.
#include "skin/form.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/menus.h"
#include "platform/controls/message_box.h"
#include "skin/always_written.h"
#include "skin/file_theme.h"
#include "skin/form_hook.h"
#include "skin/form_menu_bar.h"
#include "skin/panels.h"
#include "skin/style_propagation.h"
#include "skin/theme_values.h"

namespace {

constexpr int kFormMinHeight = 50;
constexpr int kFormMinWidth = 125;

bool HasSkin(TCustomForm* form) {
  for (int i = 0; i < form->ControlCount(); ++i) {
    if (dynamic_cast<TskForm*>(form->Controls(i)) != nullptr) return true;
  }
  return false;
}

}  // namespace

TskForm::TskForm(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(bvNone);
  auto* form = dynamic_cast<TForm*>(owner);
  if (form == nullptr) {
    SetUIStyle(Marine);
    return;
  }
  // Refused before the form is touched, so a refused second skin leaves the form as it was.
  if (HasSkin(form)) throw Exception("Sorry, You can create only one TskForm component in one form!");
  form_ = form;
  const bool designing = ComponentState().Contains(csDesigning);
  if (!designing) {
    form->Constraints()->SetMinHeight(kFormMinHeight);
    form->Constraints()->SetMinWidth(kFormMinWidth);
  }
  form->SetBorderWidth(0);
  formBoundsAtConstruction_ = form->BoundsRect();
  maximizedAtConstruction_ = form->WindowState() == wsMaximized;
  titleBar_ = new TskTitleBar(this);
  titleBar_->SetParent(this);
  titleBar_->OnCustomBtnsClick.Bind(this, "TitleBarCustomBtnsClick",
                                    [this](TObject* s, int i) { OnTitleBarCustomBtnsClick.Call(s, i); });
  titleBar_->OnHelpBtnClick.Bind(this, "TitleBarHelpBtnClick",
                                 [this](TObject* s, int i) { OnTitleBarHelpBtnClick.Call(s, i); });
  LayoutInForm();
  menuBarColor_ = Color();
  formBorderStyle_ = form->BorderStyle();
  SetUIStyle(Marine);
  frameExtraHeight_ = form->Height() - form->ClientHeight();
  frameExtraWidth_ = form->Width() - form->ClientWidth();
  SetBevelInner(bvNone);
  SetBorderStyle(bsNone);
  SetAlign(alNone);
  SetFormCaption(form->Caption());
  SetTitleBarVisible(true);
  SetCaption(" ");
  if (!designing) TakeOverForm();
}

TskForm::~TskForm() {
  GiveFormBack();
  SetMenu(nullptr);
  menuBar_.reset();
  delete titleBar_;
}

void TskForm::Publish() {
  using F = TskForm;
  TPublisher<F> p;
  PublishAlwaysWritten(p, {"BevelOuter", "Color"});
  p.Property("Width", &F::Width, &F::SetPanelWidth);
  p.Property("Height", &F::Height, &F::SetPanelHeight);
  p.Property("TitleBarCustom", &F::TitleBarCustom, &F::SetTitleBarCustom).Default(false);
  p.Property("FileTheme", &F::FileTheme, &F::SetFileTheme);
  p.Property("UIStyle", &F::UIStyle, &F::SetUIStyle).Default(Marine);
  p.Property("UIStyleAutoUpdateSub", &F::UIStyleAutoUpdateSub, &F::SetUIStyleAutoUpdateSub)
      .Default(false);
  p.Property("BorderColor", &F::BorderColor, &F::SetBorderColor);
  p.Property("BorderWidth", &F::FormBorderWidth, &F::SetFormBorderWidth);
  p.Property("TitleBarVisible", &F::TitleBarVisible, &F::SetTitleBarVisible).Default(true);
  p.Property("Caption", &F::FormCaption, &F::SetFormCaption);
  p.Property("FormPanel", &F::FormPanel, &F::SetFormPanel);
  p.Property("TitleBarButtons", &F::TitleBarButtons, &F::SetTitleBarButtons);
  p.Property("TitleBarSections", &F::TitleBarSections, &F::SetTitleBarSections);
  p.Property("TitleBarDrawAppIcon", &F::TitleBarDrawAppIcon, &F::SetTitleBarDrawAppIcon)
      .Default(false);
  p.Property("Font", &F::TitleFont, &F::SetTitleFont);
  p.Property("Menu", &F::Menu, &F::SetMenu);
  p.Property("MenuBarColor", &F::MenuBarColor, &F::SetMenuBarColor);
  p.Property("MenuBarHeight", &F::MenuBarHeight, &F::SetMenuBarHeight).Default(22);
  p.Property("RoundCorner", &F::RoundCorner, &F::SetRoundCorner).Default(0);
  p.Property("Version", &F::Version, &F::SetVersion).Stored(false);
  p.Event("OnTitleBarCustomBtnsClick", &F::OnTitleBarCustomBtnsClick);
  p.Event("OnTitleBarHelpBtnClick", &F::OnTitleBarHelpBtnClick);
}

bool TskForm::IsMDIChild() const { return form_ != nullptr && form_->FormStyle() == fsMDIChild; }

void TskForm::SetUIStyle(TskUIStyle value) {
  TRect bounds = form_ != nullptr ? form_->BoundsRect() : TRect{};
  theme_.SetStyle(value);
  TskFileTheme* fileTheme = theme_.FileTheme();
  TskThemeValues theme = theme_.Values();
  borderColor_ = theme.Color(tkFormBorderColor);
  SetFormBorderWidth(theme.Int(tkFormBorderWidthInt));
  SetColor(theme.Color(tkFormBackgroundColor));
  SetMenuBarColor(Color());
  if (titleBar_ != nullptr) {
    titleBar_->SetFileTheme(fileTheme);
    titleBar_->SetUIStyle(value);
    if (IsMDIChild()) titleBar_->SetRoundCorner(0);
  }
  if (auto* skinned = dynamic_cast<TskMainMenu*>(menu_)) {
    skinned->SetUIStyle(value);
    skinned->SetFileTheme(fileTheme);
  }
  if (uiStyleAutoUpdateSub_) ContainerApplyUIStyle(this, value, fileTheme);
  if (IsMDIChild()) form_->SetBoundsRect(bounds);
  LayoutInForm();
  RepaintForm();
}

void TskForm::SetFileTheme(TskFileTheme* value) {
  theme_.SetFileTheme(value);
  SetUIStyle(UIStyle());
}

void TskForm::SetBorderColor(TColor value) {
  borderColor_ = value;
  LayoutInForm();
  PaintBorder();
}

void TskForm::SetFormBorderWidth(int value) {
  // A theme without a usable width gives no border rather than a negative one.
  value = std::max(value, 0);
  if (value == borderWidth_) return PaintBorder();
  if (form_ == nullptr) {
    borderWidth_ = value;
    return;
  }
  // The form grows around a wider border and shrinks around a narrower one. Down, the height
  // rule puts one and a half borders below the panel, which the panel's place does not show:
  // the height it was given is what the rule takes off the form, so that a width and the
  // former one again give the form back its size.
  const int panelHeight = form_->Height() - HeightAroundPanel();
  borderWidth_ = value;
  SetPanelWidth(Width());
  LayoutInForm();
  SetPanelHeight(panelHeight);
  PaintBorder();
}

void TskForm::SetPanelWidth(int value) {
  if (form_ == nullptr) return SetWidth(value);
  int extra = ComponentState().Contains(csDesigning) ? frameExtraWidth_ : 0;
  form_->SetWidth(value + 2 * borderWidth_ + extra);
  LayoutInForm();
}

int TskForm::HeightAroundPanel() const {
  int extra = ComponentState().Contains(csDesigning) ? frameExtraHeight_ : 0;
  return borderWidth_ + borderWidth_ / 2 + extra;
}

void TskForm::SetPanelHeight(int value) {
  if (form_ == nullptr) return SetHeight(value);
  form_->SetHeight(value + HeightAroundPanel());
  LayoutInForm();
}

void TskForm::SetFormCaption(const String& value) {
  if (titleBar_ != nullptr) titleBar_->SetCaption(value);
  if (form_ != nullptr) form_->SetCaption(value);
}

void TskForm::SetRoundCorner(int value) {
  if (titleBar_ != nullptr && !IsMDIChild()) titleBar_->SetRoundCorner(value);
}

void TskForm::SetTitleBarVisible(bool value) {
  if (value == titleBarVisible_ || titleBar_ == nullptr) {
    titleBarVisible_ = value;
    return;
  }
  titleBarVisible_ = value;
  titleBar_->SetVisible(value);
  titleBar_->SetTop(0);
  LayoutInForm();
  PaintBorder();
}

void TskForm::SetMenu(TMainMenu* value) {
  if (value == menu_) return;
  if (menu_ != nullptr) {
    menu_->RemoveFreeNotification(this);
    if (auto* skinned = dynamic_cast<TskMainMenu*>(menu_)) skinned->SetSkinForm(nullptr);
  }
  menu_ = value;
  if (menu_ != nullptr) {
    menu_->FreeNotification(this);
    if (auto* skinned = dynamic_cast<TskMainMenu*>(menu_)) skinned->SetSkinForm(this);
  }
  RebuildMenuBarButtons();
}

TToolBar* TskForm::MenuBar() const { return menuBar_ ? menuBar_->Bar() : nullptr; }

void TskForm::RebuildMenuBarButtons() {
  if (menu_ == nullptr || titleBar_ == nullptr || IsMDIChild()) {
    menuBar_.reset();
  } else {
    if (!menuBar_) menuBar_ = std::make_unique<TskFormMenuBar>(this);
    menuBar_->Rebuild(menu_);
  }
  LayoutInForm();
}

void TskForm::MenuItemsChanged() {
  if (menuBar_) menuBar_->ItemsChanged(menu_);
}

void TskForm::ApplyMenuBarFont() {
  if (menuBar_) menuBar_->ApplyFont(menu_);
}

void TskForm::SetMenuBarColor(TColor value) {
  menuBarColor_ = value;
  if (menuBar_) menuBar_->SetColor(value);
}

void TskForm::SetMenuBarHeight(int value) {
  menuBarHeight_ = value;
  if (menuBar_) menuBar_->SetHeight(value);
}

void TskForm::SetFormPanel(TCustomPanel* value) {
  if (value == this) {
    MessageDlg("Sorry, you can't select the Form assign to FormPanel property", mtError, {mbOK});
    return;
  }
  if (formPanel_ != nullptr) formPanel_->RemoveFreeNotification(this);
  formPanel_ = value;
  if (formPanel_ == nullptr) return;
  formPanel_->FreeNotification(this);
  formPanel_->SetAlign(alClient);
  if (dynamic_cast<TPanel*>(formPanel_) != nullptr) {
    formPanel_->SetBevelOuter(bvNone);
    formPanel_->SetBevelInner(bvNone);
    formPanel_->SetBorderStyle(bsNone);
    formPanel_->SetCaption("");
  } else if (dynamic_cast<TskImagePanel*>(formPanel_) != nullptr) {
    formPanel_->SetCaption("");
  }
}

void TskForm::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == formPanel_) formPanel_ = nullptr;
  if (component == menu_) {
    menu_ = nullptr;
    menuBar_.reset();
  }
  if (theme_.Forget(component)) {
    ContainerApplyUIStyle(this, Marine, nullptr);
    SetUIStyle(Marine);
  }
}
