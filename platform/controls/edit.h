#pragma once

#include <memory>

#include "platform/classes/text_alignment.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"

class TBitmap;


enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
DECLARE_ENUM_NAMES(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase")
// A control's own border: none or a single (sunken) line; the form's values bsNone/bsSingle.
using TBorderStyle = TFormBorderStyle;

// Edit-control messages and notifications, with the window system's numbers. Positions are
// character (code point) indexes.
inline constexpr UINT EM_GETSEL = 0x00B0;      // WParam/LParam: uint32_t* start/end; answers start | end << 16
inline constexpr UINT EM_SETSEL = 0x00B1;      // start, end (-1: the end; start -1: no selection)
inline constexpr UINT EM_GETRECT = 0x00B2;     // LParam: TRect* out
inline constexpr UINT EM_SETRECT = 0x00B3;     // LParam: TRect* (nullptr: the default), repaints
inline constexpr UINT EM_SETRECTNP = 0x00B4;   // the same without repainting
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_REPLACESEL = 0x00C2;  // WParam: can undo; LParam: const char* UTF-8
inline constexpr UINT EM_LIMITTEXT = 0x00C5;   // WParam: characters, 0 for no limit
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
inline constexpr UINT EM_POSFROMCHAR = 0x00D6;  // WParam: index; answers x | y << 16 (client)
inline constexpr UINT EM_CHARFROMPOS = 0x00D7;  // LParam: client point; answers the index
// Text the input method committed, one code point per message (WParam), as typed text.
inline constexpr UINT WM_IME_CHAR = 0x0286;
inline constexpr uint16_t EN_SETFOCUS = 0x0100;
inline constexpr uint16_t EN_KILLFOCUS = 0x0200;
inline constexpr uint16_t EN_CHANGE = 0x0300;
inline constexpr uint16_t EN_MAXTEXT = 0x0501;

// A single-line text box: caret and selection by keyboard and mouse, typing (any code point,
// from keys or the input method), clipboard, one level of undo, a length limit in
// characters, password display, case conversion, and EN_CHANGE to its parent.
class TCustomEdit : public TCustomControl {
  DECLARE_CLASS(TCustomEdit, TCustomControl)
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;
  static void Publish();

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  char16_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char16_t v);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase v);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool v) { autoSelect_ = v; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool Modified() const { return modified_; }
  void SetModified(bool v) { modified_ = v; }

  // Selection in characters; SelStart is also the caret when nothing is selected.
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  String SelText();
  void SetSelText(const String& v);
  void SelectAll();
  virtual void ClearSelection();
  void Clear();
  void CopyToClipboard();
  void CutToClipboard();
  virtual void PasteFromClipboard();
  void Undo();
  void ClearUndo();
  bool CanUndo() const { return hasUndo_; }
  // The caret's character index (the moving end of the selection).
  int CaretPos() const { return caret_; }

  TNotifyEvent OnChange;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void DefaultHandler(TMessage& m) override;
  void SetTextValue(const String& v) override;
  void Paint() override;
  void DoEnter() override;
  virtual void Change();

  // The text as stored in the control (a masked edit stores what it shows).
  String EditBuffer() { return TWinControl::GetText(); }
  // Whether the user may change the text now.
  virtual bool CanChangeText() { return !readOnly_; }
  virtual void DeleteAt(bool forward, bool word);
  // What the edit shows: the text, or the password character once per character.
  String DisplayText();
  // Selects from `anchor` to `caret` (clamped to the text) and keeps the caret in view.
  void SetSel(int anchor, int caret);
  // Replaces the selection as typing would: the case rule and the length limit apply.
  void ReplaceSel(const String& text, bool canUndo);
  // Stores new text and caret as the user's edit (undo, Modified, EN_CHANGE).
  void ApplyUserEdit(const String& text, int caret);
  int CharCount();
  int CharFromPos(TPoint p);
  TPoint PosFromChar(int index);
  TRect FormatRect();
  // Types one code point (after KeyPress had its say); masked edits override.
  virtual void TypeChar(char32_t code);
  virtual void HandleEditKey(uint16_t key, TShiftState shift);
  void NotifyChange();
  void SendNotify(HWND parent, uint16_t code);
  void MoveCaret(int caret, bool extend);
  void SaveUndo();
  int anchor_ = 0;
  int caret_ = 0;

 private:
  void WMLButtonDown(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMChar(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMMouseMoveEdit(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void CNCommand(TMessage& m);
  void WMFocusChanged(TMessage& m);
  bool HandleEditMessage(TMessage& m);
  bool HandleSelectionMessage(TMessage& m);
  void HandleChar(char32_t code);
  int WordStart(int from);
  int WordEnd(int from);
  void ScrollCaret();
  int TextOffsetX();
  int TextWidthOf(std::string_view s);
  String ApplyCase(const String& s) const;

  int maxLength_ = 0;
  bool readOnly_ = false;
  char16_t passwordChar_ = 0;
  char16_t pendingSurrogate_ = 0;
  TEditCharCase charCase_ = ecNormal;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  TAlignment alignment_ = taLeftJustify;
  TBorderStyle borderStyle_ = bsSingle;
  bool modified_ = false;
  bool hasUndo_ = false;
  String undoText_;
  int undoCaret_ = 0;
  int scrollX_ = 0;
  bool selecting_ = false;
  bool customRect_ = false;
  TRect formatRect_;
  std::unique_ptr<TBitmap> measure_;
};

// The published edit.
class TEdit : public TCustomEdit {
  DECLARE_CLASS(TEdit, TCustomEdit)
 public:
  using TCustomEdit::TCustomEdit;
};
