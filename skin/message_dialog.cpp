// Skinned message dialogs: buttons, captions and showing them modally.
#include "skin/message_dialog.h"

#include <algorithm>
#include <memory>

#include "platform/classes/properties.h"
#include "platform/controls/application.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/graphics/bitmap.h"
#include "skin/buttons.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/message_form.h"
#include "skin/skin_painting.h"
#include "skin/skin_texts.h"
#include "skin/style_propagation.h"

namespace {

constexpr int kIconCount = 4;
constexpr int kMessageLeftBesideIcon = 88;
constexpr int kMessageLeftAlone = 24;
// Without an icon a box of one or two buttons needs less room.
constexpr int kNarrowerWithoutIcon = 64;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 25;
constexpr int kButtonStep = 93;
constexpr int kRightButtonFromEdge = 97;
constexpr int kButtonsBelowText = 20;
constexpr int kFormBelowText = 65;
// The caption font's first colour, which means "the style's caption colour".
constexpr TColor kStyleCaptionColour = clWhite;

}  // namespace

// ---- the shared dialog settings ----

TskDialog::TskDialog(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TFont>()), captionFont_(std::make_unique<TFont>()) {
  captionFont_->SetColor(kStyleCaptionColour);
  captionFont_->SetName("Tahoma");
  captionFont_->SetStyle({fsBold});
  theme_.SetStyle(GetOwnerFormUIStyle(owner));
}

TskDialog::~TskDialog() = default;

void TskDialog::Publish() {
  using D = TskDialog;
  TPublisher<D> p;
  // The texts a new dialog shows are the ones left out, so that an empty text is written and
  // comes back empty.
  p.Property("Caption", &D::Caption, &D::SetCaption).Default(String(kNewCaption));
  p.Property("Position", &D::Position, &D::SetPosition).Default(poScreenCenter);
  p.Property("UIStyle", &D::UIStyle, &D::SetUIStyle).Default(Marine);
  p.Property("FileTheme", &D::FileTheme, &D::SetFileTheme);
  p.Property("Font", &D::Font, &D::SetFont);
  p.Property("CaptionFont", &D::CaptionFont, &D::SetCaptionFont);
}

void TskDialog::SetFileTheme(TskFileTheme* value) {
  theme_.SetFileTheme(value);
  SetUIStyle(theme_.Style());
}

void TskDialog::SetFont(TFont* value) { font_->Assign(value); }

void TskDialog::SetCaptionFont(TFont* value) { captionFont_->Assign(value); }

void TskDialog::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && theme_.Forget(component)) SetUIStyle(Marine);
}

// ---- the message box ----

TskMessageDialog::TskMessageDialog(TComponent* owner)
    : TskDialog(owner), captions_{skin_texts::SButtonOK, skin_texts::SButtonCancel, skin_texts::SButtonCancel} {}

void TskMessageDialog::Publish() {
  using D = TskMessageDialog;
  TPublisher<D> p;
  p.Property("ButtonCursor", &D::ButtonCursor, &D::SetButtonCursor).Default(crHandPoint);
  p.Property("ButtonCount", &D::ButtonCount, &D::SetButtonCount).Default(1);
  const String ok(skin_texts::SButtonOK.English()), cancel(skin_texts::SButtonCancel.English());
  p.Property("Button1Caption", &D::Button1Caption, &D::SetButton1Caption).Default(ok);
  p.Property("Button2Caption", &D::Button2Caption, &D::SetButton2Caption).Default(cancel);
  p.Property("Button3Caption", &D::Button3Caption, &D::SetButton3Caption).Default(cancel);
  p.Property("Button1ModalResult", &D::Button1ModalResult, &D::SetButton1ModalResult).Default(mrOk);
  p.Property("Button2ModalResult", &D::Button2ModalResult, &D::SetButton2ModalResult).Default(mrCancel);
  p.Property("Button3ModalResult", &D::Button3ModalResult, &D::SetButton3ModalResult).Default(mrCancel);
  p.Property("IconType", &D::IconType, &D::SetIconType).Default(skdlg::skNone);
  p.Property("Text", &D::Text, &D::SetText).Default(String(kNewText));
}

void TskMessageDialog::SetButtonCount(TskDialogButtonsCount value) { buttonCount_ = std::clamp(value, 1, kMaxButtons); }

const String& TskMessageDialog::ButtonCaption(int k) const { return captions_[std::clamp(k, 1, kMaxButtons) - 1]; }

void TskMessageDialog::SetButtonCaption(int k, const String& value) { captions_[std::clamp(k, 1, kMaxButtons) - 1] = value; }

TModalResult TskMessageDialog::ButtonModalResult(int k) const { return results_[std::clamp(k, 1, kMaxButtons) - 1]; }

void TskMessageDialog::SetButtonModalResult(int k, TModalResult value) {
  results_[std::clamp(k, 1, kMaxButtons) - 1] = value;
}

namespace {

void ShowIcon(TImage* image, TskIconType icon) {
  TBitmap icons, piece;
  icons.LoadFromResourceName(0, "MSGDLG");
  SpitBitmap(&icons, &piece, kIconCount, static_cast<int>(icon));
  image->Picture()->SetGraphic(&piece);
}

}  // namespace

TModalResult TskMessageDialog::ShowModal() { return CreateForm()->ShowModal(); }

std::unique_ptr<TfrmMsg> TskMessageDialog::CreateForm() {
  std::unique_ptr<TfrmMsg> form(new TfrmMsg(Application));
  form->SetFont(Font());
  form->lbl()->SetCaption(Text());
  const int textBottom = std::max(form->lbl()->BoundsRect().Bottom, form->Image1()->BoundsRect().Bottom);
  if (IconType() != skdlg::skNone) {
    form->lbl()->SetLeft(kMessageLeftBesideIcon);
    ShowIcon(form->Image1(), IconType());
  } else {
    form->lbl()->SetLeft(kMessageLeftAlone);
    form->Image1()->SetVisible(false);
    if (ButtonCount() < kMaxButtons) form->SetWidth(form->Width() - kNarrowerWithoutIcon);
  }
  int x = form->Width() - kRightButtonFromEdge;
  for (int k = ButtonCount(); k >= 1; --k) {
    auto* button = new TskButton(form.get());
    button->SetParent(form->skForm1());
    button->SetBounds(x, textBottom + kButtonsBelowText, kButtonWidth, kButtonHeight);
    button->SetCursor(ButtonCursor());
    button->SetTabStop(true);
    button->SetTabOrder(1);
    x -= kButtonStep;
    button->SetCaption(ButtonCaption(k));
    button->SetModalResult(ButtonModalResult(k));
    form->SetActiveControl(button);
  }
  form->SetPosition(Position());
  TskForm* skin = form->skForm1();
  skin->SetFormCaption(Caption());
  skin->SetFileTheme(FileTheme());
  skin->SetUIStyle(UIStyle());
  const TColor styleColour = skin->TitleFont()->Color();
  skin->SetTitleFont(CaptionFont());
  if (CaptionFont()->Color() == kStyleCaptionColour) skin->TitleFont()->SetColor(styleColour);
  // The height last: a style of another border width sizes the form around its border.
  form->SetHeight(textBottom + kFormBelowText);
  return form;
}
