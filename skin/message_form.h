#pragma once

#include "platform/controls/forms.h"

class TImage;
class TLabel;
class TskForm;

// The form of a skinned message box: a skinned frame with a title bar holding one close
// button, the message in a label that wraps at a fixed width, and an icon beside it. The
// message dialog adds the buttons. With the keyboard previewed, Ctrl+C copies the box as text
// and Escape closes it.
class TfrmMsg : public TForm {
  DECLARE_CLASS(TfrmMsg, TForm)
 public:
  explicit TfrmMsg(TComponent* owner);

  TskForm* skForm1() const { return skForm1_; }
  TLabel* lbl() const { return lbl_; }
  TImage* Image1() const { return image1_; }

  // The box as text: title, message and button captions between lines of dashes.
  String ClipboardText();

 private:
  void FormKeyDown(TObject* sender, uint16_t& key, TShiftState shift);

  TskForm* skForm1_ = nullptr;
  TLabel* lbl_ = nullptr;
  TImage* image1_ = nullptr;
};
