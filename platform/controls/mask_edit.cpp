// The masked edit: typing, deleting and validating text against its mask.
#include "platform/controls/mask_edit.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/resource_strings.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/system_metrics.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const String& v) {
  if (v == editMask_) return;
  TEditMask mask(v);
  String value = GetText();
  editMask_ = v;
  mask_ = mask;
  TCustomEdit::SetTextValue(IsMasked() ? mask_.EditTextFrom(value) : value);
  oldValue_ = EditBuffer();
}

String TCustomMaskEdit::GetText() { return IsMasked() ? mask_.TextFrom(EditBuffer()) : TCustomEdit::GetText(); }

void TCustomMaskEdit::SetTextValue(const String& v) {
  TCustomEdit::SetTextValue(IsMasked() ? mask_.EditTextFrom(v) : v);
  oldValue_ = EditBuffer();
}

void TCustomMaskEdit::SetEditText(const String& v) {
  if (!IsMasked()) return SetText(v);
  std::u32string in = ToCodePoints(v);
  std::u32string shown = ToCodePoints(mask_.EmptyEditText());
  for (int i = 0; i < mask_.Length() && i < static_cast<int>(in.size()); ++i) {
    if (char32_t c = mask_.Accept(i, in[static_cast<size_t>(i)])) shown[static_cast<size_t>(i)] = c;
  }
  TCustomEdit::SetTextValue(FromCodePoints(shown));
  oldValue_ = EditBuffer();
}

bool TCustomMaskEdit::CanChangeText() { return TCustomEdit::CanChangeText() && EditCanModify(); }

void TCustomMaskEdit::SetMaskCursor(int pos) {
  int length = CharLength(EditBuffer());
  pos = std::clamp(pos, 0, length);
  if (IsMasked() && pos < length) SetSel(pos, pos + 1);
  else SetSel(pos, pos);
}

void TCustomMaskEdit::BlankRange(int start, int end, int cursor) {
  std::u32string shown = ToCodePoints(EditBuffer());
  for (int i = std::max(0, start); i < end && i < mask_.Length(); ++i)
    if (!mask_.At(i).IsLiteral()) shown[static_cast<size_t>(i)] = mask_.Blank();
  SaveUndo();
  ApplyUserEdit(FromCodePoints(shown), cursor);
  SetMaskCursor(cursor);
}

// Typing a literal moves the caret past the next position showing it ("1/" in a date).
bool TCustomMaskEdit::JumpPastLiteral(char32_t code) {
  for (int i = SelStart(); i < mask_.Length(); ++i) {
    if (mask_.At(i).IsLiteral() && mask_.At(i).literal == code) {
      SetMaskCursor(mask_.NextInput(i + 1));
      return true;
    }
  }
  return false;
}

void TCustomMaskEdit::TypeChar(char32_t code) {
  if (!IsMasked()) return TCustomEdit::TypeChar(code);
  if (!CanChangeText()) return MessageBeep(0);
  int start = SelStart();
  if (SelLength() > 1) BlankRange(start, start + SelLength(), start);
  int target = mask_.NextInput(start);
  char32_t stored = mask_.Accept(target, code);
  if (!stored) {
    if (!JumpPastLiteral(code)) MessageBeep(0);
    return;
  }
  std::u32string shown = ToCodePoints(EditBuffer());
  shown[static_cast<size_t>(target)] = stored;
  int next = mask_.NextInput(target + 1);
  SaveUndo();
  ApplyUserEdit(FromCodePoints(shown), next);
  SetMaskCursor(next);
}

void TCustomMaskEdit::DeleteAt(bool forward, bool word) {
  if (!IsMasked()) return TCustomEdit::DeleteAt(forward, word);
  if (!CanChangeText()) return MessageBeep(0);
  int start = SelStart();
  int length = SelLength();
  if (length > 1 || (forward && length == 1)) return BlankRange(start, start + length, start);
  if (forward) return BlankRange(start, start + 1, start);
  int previous = mask_.PreviousInput(start);
  if (previous >= 0) BlankRange(previous, previous + 1, previous);
}

void TCustomMaskEdit::ClearSelection() {
  if (!IsMasked()) return TCustomEdit::ClearSelection();
  if (SelLength() > 0 && CanChangeText()) BlankRange(SelStart(), SelStart() + SelLength(), SelStart());
}

void TCustomMaskEdit::PasteFromClipboard() {
  if (!IsMasked()) return TCustomEdit::PasteFromClipboard();
  if (!CanChangeText()) return;
  String text = Clipboard()->AsText();
  text.resize(std::min(text.size(), text.find_first_of("\r\n")));
  for (char32_t c : ToCodePoints(text)) TypeChar(c);
}

void TCustomMaskEdit::HandleEditKey(uint16_t key, TShiftState shift) {
  if (!IsMasked() || shift.Contains(ssShift) || shift.Contains(ssCtrl)) return TCustomEdit::HandleEditKey(key, shift);
  switch (key) {
    case VK_LEFT:
      if (int p = mask_.PreviousInput(SelStart()); p >= 0) SetMaskCursor(p);
      return;
    case VK_RIGHT: return SetMaskCursor(mask_.NextInput(SelStart() + 1));
    case VK_HOME: return SetMaskCursor(mask_.NextInput(0));
    case VK_END: return SetMaskCursor(mask_.Length());
    case VK_DELETE: return DeleteAt(true, false);
    default: return TCustomEdit::HandleEditKey(key, shift);
  }
}

void TCustomMaskEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomEdit::KeyDown(key, shift);
  if (key == VK_ESCAPE && IsMasked() && Modified()) {
    Reset();
    key = 0;
  }
}

void TCustomMaskEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // A click shows the clicked position as the caret, ready to be typed over.
  if (IsMasked() && button == mbLeft && SelLength() == 0) SetMaskCursor(SelStart());
  TCustomEdit::MouseUp(button, shift, x, y);
}

void TCustomMaskEdit::Reset() {
  if (!Modified()) return;
  TCustomEdit::SetTextValue(oldValue_);
}

void TCustomMaskEdit::DoEnter() {
  // Coming back after a refused exit keeps the text to return to with Escape.
  if (!Modified()) oldValue_ = EditBuffer();
  TCustomEdit::DoEnter();
}

bool TCustomMaskEdit::BeingDestroyed() {
  if (ComponentState().Contains(csDestroying)) return true;
  TCustomForm* form = GetParentForm(this);
  return form && form->ComponentState().Contains(csDestroying);
}

void TCustomMaskEdit::DoExit() {
  if (IsMasked() && Modified() && !BeingDestroyed()) ValidateEdit();
  TCustomEdit::DoExit();
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  int missing = mask_.FirstMissing(EditBuffer());
  if (missing < 0) return;
  SetMaskCursor(missing);
  ValidateError();
}

namespace {
TResourceString SMaskEditErr(PlatformTexts(), "SMaskEditErr", "Invalid input value.  Use escape key to abandon changes");
}  // namespace

void TCustomMaskEdit::ValidateError() {
  MessageBeep(0);
  throw EDBEditError(SMaskEditErr.Text());
}

void TCustomMaskEdit::Publish() {
  TPublisher<TCustomMaskEdit> p;
  p.Property("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
}
