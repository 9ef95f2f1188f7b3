// The form of a skinned message dialog: keys and copying its text.
#include "skin/message_form.h"

#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/form.h"

namespace {
constexpr int kClientWidth = 336;
constexpr int kClientHeight = 130;
constexpr int kMessageWidth = 225;
const String kDashes(27, '-');
}  // namespace

TfrmMsg::TfrmMsg(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetClientWidth(kClientWidth);
  SetClientHeight(kClientHeight);
  Constraints()->SetMinWidth(150);
  SetKeyPreview(true);
  OnKeyDown.Bind(this, "FormKeyDown", &TfrmMsg::FormKeyDown);

  skForm1_ = new TskForm(this);
  skForm1_->SetName("skForm1");
  skForm1_->SetParent(this);
  skForm1_->SetUIStyle(Pearl);
  skForm1_->SetRoundCorner(13);
  skForm1_->SetFormBorderWidth(3);
  // The buttons on the box take the box's theme with it.
  skForm1_->SetUIStyleAutoUpdateSub(true);
  skForm1_->TitleBarButtons()->Clear();
  skForm1_->TitleBarButtons()->Add()->SetButtonType(skClose);
  // The skin follows the form's size through the form's window: without one, sizing the box
  // before it shows would leave the skin at the size it was built with.
  HandleNeeded();

  lbl_ = new TLabel(this);
  lbl_->SetName("lbl");
  lbl_->SetParent(skForm1_);
  lbl_->SetBounds(88, 64, kMessageWidth, lbl_->Height());
  lbl_->Constraints()->SetMinWidth(kMessageWidth);
  lbl_->Constraints()->SetMaxWidth(kMessageWidth);
  lbl_->SetWordWrap(true);
  lbl_->SetTransparent(true);

  image1_ = new TImage(this);
  image1_->SetName("Image1");
  image1_->SetParent(skForm1_);
  image1_->SetBounds(24, 64, 40, 40);
  image1_->SetAutoSize(true);
  // The icons are drawn on a plain ground of their own; the box's ground shows through it in
  // every style.
  image1_->SetTransparent(true);
}

String TfrmMsg::ClipboardText() {
  String buttons;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* button = dynamic_cast<TskButton*>(Components(i));
    if (button == nullptr) continue;
    if (!buttons.empty()) buttons += "   ";
    buttons += button->Caption();
  }
  const String crlf = "\r\n";
  return kDashes + crlf + skForm1_->FormCaption() + crlf + kDashes + crlf + lbl_->Caption() + crlf + kDashes + crlf +
         buttons + crlf + kDashes;
}

void TfrmMsg::FormKeyDown(TObject*, uint16_t& key, TShiftState shift) {
  if (key == 'C' && shift.Contains(ssCtrl)) {
    Clipboard()->SetAsText(ClipboardText());
  } else if (key == VK_ESCAPE && (shift * TShiftState{ssShift, ssCtrl, ssAlt}).Empty()) {
    // As the close button does: the box ends as closed, whatever its buttons would answer.
    SetModalResult(mrCancel);
    key = 0;
  }
}
