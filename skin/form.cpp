#include "skin/form.h"

#include "platform/classes/properties.h"
#include "skin/file_theme.h"
#include "skin/style_propagation.h"
#include "skin/theme_values.h"

TskForm::TskForm(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(bvNone);
  SetUIStyle(Marine);
}

TskForm::~TskForm() = default;

void TskForm::Publish() {
  TPublisher<TskForm> p;
  p.Property("FileTheme", &TskForm::FileTheme, &TskForm::SetFileTheme);
  p.Property("UIStyle", &TskForm::UIStyle, &TskForm::SetUIStyle).Default(Marine);
  p.Property("UIStyleAutoUpdateSub", &TskForm::UIStyleAutoUpdateSub,
             &TskForm::SetUIStyleAutoUpdateSub)
      .Default(false);
  p.Property("BorderColor", &TskForm::BorderColor, &TskForm::SetBorderColor);
  p.Property("BorderWidth", &TskForm::BorderWidth, &TskForm::SetBorderWidth);
  p.Property("MenuBarColor", &TskForm::MenuBarColor, &TskForm::SetMenuBarColor);
}

void TskForm::SetUIStyle(TskUIStyle value) {
  uiStyle_ = value;
  TskThemeValues theme(fileTheme_, value);
  SetBorderColor(theme.Color(tkFormBorderColor));
  SetBorderWidth(theme.Int(tkFormBorderWidthInt));
  SetColor(theme.Color(tkFormBackgroundColor));
  SetMenuBarColor(Color());
  if (uiStyleAutoUpdateSub_) ContainerApplyUIStyle(this, value, fileTheme_);
  Invalidate();
}

void TskForm::SetFileTheme(TskFileTheme* value) {
  if (value == fileTheme_) return;
  if (fileTheme_ != nullptr) fileTheme_->RemoveFreeNotification(this);
  fileTheme_ = value;
  if (fileTheme_ != nullptr) fileTheme_->FreeNotification(this);
  SetUIStyle(uiStyle_);
}

void TskForm::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove && component == fileTheme_) {
    fileTheme_ = nullptr;
    ContainerApplyUIStyle(this, Marine, nullptr);
    SetUIStyle(Marine);
  }
}
