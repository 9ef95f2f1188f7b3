#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/edit_mask.h"

// Raised when a masked edit is left with a required position blank.
class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

// An edit whose text follows an edit mask: typing overwrites one position at a time and
// skips literals, refused characters beep, Backspace and Delete blank positions, the caret
// shows as the selected position, and leaving with a required position blank raises
// EDBEditError (Escape brings back the text the edit had on entry). Without a mask it is a
// plain edit. EditText is what the control shows; Text is the value the mask gives.
class TCustomMaskEdit : public TCustomEdit {
  DECLARE_CLASS(TCustomMaskEdit, TCustomEdit)
 public:
  explicit TCustomMaskEdit(TComponent* owner);
  static void Publish();

  const String& EditMask() const { return editMask_; }
  // Raises EConvertError for a mask that cannot be read, keeping the old one.
  void SetEditMask(const String& v);
  bool IsMasked() const { return !mask_.Empty(); }
  const TEditMask& Mask() const { return mask_; }
  String EditText() { return EditBuffer(); }
  // Takes shown text: literal positions keep their literals, characters a position does not
  // take leave it blank.
  void SetEditText(const String& v);
  // Raises EDBEditError (and selects the position) when a required position is blank.
  virtual void ValidateEdit();
  // Brings back the text the edit had when it was entered or last set.
  void Reset();

 protected:
  String GetText() override;
  void SetTextValue(const String& v) override;
  bool CanChangeText() override;
  // Whether the owner lets the user change the text now (an in-place editor asks its grid).
  virtual bool EditCanModify() { return true; }
  virtual void ValidateError();
  void TypeChar(char32_t code) override;
  void HandleEditKey(uint16_t key, TShiftState shift) override;
  void DeleteAt(bool forward, bool word) override;
  void ClearSelection() override;
  void PasteFromClipboard() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  // Puts the caret on a position, shown as that position selected.
  void SetMaskCursor(int pos);

 private:
  void BlankRange(int start, int end, int cursor);
  bool JumpPastLiteral(char32_t code);
  bool BeingDestroyed();

  String editMask_;
  TEditMask mask_;
  String oldValue_;
};

class TMaskEdit : public TCustomMaskEdit {
  DECLARE_CLASS(TMaskEdit, TCustomMaskEdit)
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};
