#pragma once

#include <memory>

#include "platform/classes/component.h"
#include "platform/controls/control_types.h"
#include "platform/controls/forms.h"
#include "skin/theme_binding.h"

class TFont;
class TfrmMsg;

// The settings every skinned dialog shares: its title, where it appears, its theme and its
// fonts. Descendants show the dialog.
class TskDialog : public TComponent {
  DECLARE_CLASS(TskDialog, TComponent)
 public:
  explicit TskDialog(TComponent* owner);
  ~TskDialog() override;
  static void Publish();

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value) { caption_ = value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TskUIStyle UIStyle() const { return theme_.Style(); }
  void SetUIStyle(TskUIStyle value) { theme_.SetStyle(value); }
  // Not owned; when it is freed the dialog falls back to Marine.
  TskFileTheme* FileTheme() const { return theme_.FileTheme(); }
  void SetFileTheme(TskFileTheme* value);
  // The message text's font.
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* value);
  // The title bar's font. In its first colour, white, it leaves the colour to the style, as
  // every title bar of the style has it (black on Graphite's light bar); any other colour
  // stands.
  TFont* CaptionFont() const { return captionFont_.get(); }
  void SetCaptionFont(TFont* value);

  // Shows the dialog modally and answers how it was closed.
  virtual TModalResult ShowModal() = 0;
  static constexpr const char* kNewCaption = "skDialog";

 protected:
  void Notification(TComponent* component, TOperation operation) override;

  TCursor buttonCursor_ = crHandPoint;

 private:
  String caption_ = kNewCaption;
  TPosition position_ = poScreenCenter;
  TskThemeBinding theme_{this};
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TFont> captionFont_;
};

// The icon of a message box. Its names meet those of the title-bar buttons (skHelp), so they
// live in a namespace of their own: skdlg::skWarning.
namespace skdlg {
enum TskIconType : uint8_t { skNone, skWarning, skStop, skInformation, skHelp };
DECLARE_ENUM_NAMES(TskIconType, "skNone", "skWarning", "skStop", "skInformation", "skHelp")
}  // namespace skdlg
using skdlg::TskIconType;

// How many buttons a message box shows: 1 to 3.
using TskDialogButtonsCount = int;

// A skinned message box: a text, an optional icon and up to three buttons, button 1 leftmost
// and focused. Enter presses the focused button, Escape closes the box as its close button
// does (mrCancel), and Ctrl+C copies the box as text.
class TskMessageDialog : public TskDialog {
  DECLARE_CLASS(TskMessageDialog, TskDialog)
 public:
  explicit TskMessageDialog(TComponent* owner);
  static void Publish();

  TCursor ButtonCursor() const { return buttonCursor_; }
  void SetButtonCursor(TCursor value) { buttonCursor_ = value; }
  TskDialogButtonsCount ButtonCount() const { return buttonCount_; }
  // Held to 1..3.
  void SetButtonCount(TskDialogButtonsCount value);
  const String& ButtonCaption(int k) const;
  void SetButtonCaption(int k, const String& value);
  TModalResult ButtonModalResult(int k) const;
  void SetButtonModalResult(int k, TModalResult value);
  const String& Button1Caption() const { return ButtonCaption(1); }
  void SetButton1Caption(const String& value) { SetButtonCaption(1, value); }
  const String& Button2Caption() const { return ButtonCaption(2); }
  void SetButton2Caption(const String& value) { SetButtonCaption(2, value); }
  const String& Button3Caption() const { return ButtonCaption(3); }
  void SetButton3Caption(const String& value) { SetButtonCaption(3, value); }
  TModalResult Button1ModalResult() const { return ButtonModalResult(1); }
  void SetButton1ModalResult(TModalResult value) { SetButtonModalResult(1, value); }
  TModalResult Button2ModalResult() const { return ButtonModalResult(2); }
  void SetButton2ModalResult(TModalResult value) { SetButtonModalResult(2, value); }
  TModalResult Button3ModalResult() const { return ButtonModalResult(3); }
  void SetButton3ModalResult(TModalResult value) { SetButtonModalResult(3, value); }
  TskIconType IconType() const { return iconType_; }
  void SetIconType(TskIconType value) { iconType_ = value; }
  const String& Text() const { return text_; }
  void SetText(const String& value) { text_ = value; }

  TModalResult ShowModal() override;
  // The box as ShowModal shows it, not yet shown.
  std::unique_ptr<TfrmMsg> CreateForm();

 private:
  static constexpr int kMaxButtons = 3;
  static constexpr const char* kNewText = "Hello world!";
  TskDialogButtonsCount buttonCount_ = 1;
  String captions_[kMaxButtons];
  TModalResult results_[kMaxButtons] = {mrOk, mrCancel, mrCancel};
  TskIconType iconType_ = skdlg::skNone;
  String text_ = kNewText;
};
