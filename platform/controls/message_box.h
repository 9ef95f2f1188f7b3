#pragma once

#include <functional>
#include <vector>

#include "platform/controls/forms.h"

// Message dialogs: a modal form with the message and a row of buttons; Enter takes the
// default (first) button, Escape the cancel button.
enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
DECLARE_ENUM_NAMES(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")
enum TMsgDlgBtn : uint8_t { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
DECLARE_ENUM_NAMES(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore", "mbAll",
                   "mbNoToAll", "mbYesToAll", "mbHelp")
using TMsgDlgButtons = Set<TMsgDlgBtn>;

// MessageBox flags and answers, with the window system's values.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// A push button of a message dialog that closes its form with its modal result.
class TMessageButton : public TCustomControl {
  DECLARE_CLASS(TMessageButton, TCustomControl)
 public:
  TMessageButton(TComponent* owner, TModalResult result);
  TModalResult ModalResult() const { return result_; }
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; Invalidate(); }
  void Click() override;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Paint() override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void WMGetDlgCode(TMessage& m) { m.Result = DLGC_BUTTON; }
  void WMFocusChanged(TMessage& m);
  TModalResult result_;
  bool default_ = false;
  bool pressed_ = false;
};

// The form of a message dialog.
class TMessageForm : public TForm {
  DECLARE_CLASS(TMessageForm, TForm)
 public:
  explicit TMessageForm(TComponent* owner);
  TMessageButton* DefaultButton() const;
  TMessageButton* CancelButton() const;
  TMessageButton* Button(TModalResult result) const;
  const String& Message() const { return message_; }

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void Paint() override;

 private:
  friend TForm* CreateMessageDialog(const String&, TMsgDlgType, TMsgDlgButtons);
  String message_;
  TRect messageRect_;
};

// What a message dialog asks, in words for the user: its title, its message and its buttons
// (captions and answers, in the order they stand).
struct TMessageDlgRequest {
  String Caption;
  String Message;
  TMsgDlgType Type = mtCustom;
  std::vector<std::pair<String, TModalResult>> Buttons;
};
// An application whose boxes have a look of their own (a skinned box) shows every message
// dialog the libraries ask for, MessageDlg and MessageBox alike, through its handler; without
// one they are the plain box below. Answers the handler it replaces.
using TMessageDlgHandler = std::function<TModalResult(const TMessageDlgRequest& request)>;
TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler handler);

// A message dialog not yet shown (the caller shows it with ShowModal and deletes it).
TForm* CreateMessageDialog(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons);
TModalResult MessageDlg(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
// MB_OK or MB_OKCANCEL (or MB_YESNO); answers IDOK, IDCANCEL, IDYES or IDNO.
int MessageBox(const String& text, const String& caption, unsigned flags);
