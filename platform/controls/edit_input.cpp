// What the edit does with keys, characters, the mouse and its edit messages.
#include <algorithm>

#include "platform/controls/edit.h"
#include "platform/controls/edit_mask.h"
#include "platform/core/scope_guard.h"
#include "platform/core/utf8_codec.h"
#include "platform/windows/system_metrics.h"

namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000; }

constexpr bool IsHighSurrogate(WPARAM c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(WPARAM c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void TCustomEdit::DefaultHandler(TMessage& m) {
  if (!HandleEditMessage(m) && !HandleSelectionMessage(m)) TCustomControl::DefaultHandler(m);
}

bool TCustomEdit::HandleEditMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN: HandleEditKey(static_cast<uint16_t>(m.WParam), GetShiftState()); return true;
    case WM_CHAR:
      if (IsHighSurrogate(m.WParam)) {
        pendingSurrogate_ = static_cast<char16_t>(m.WParam);
      } else if (IsLowSurrogate(m.WParam)) {
        if (pendingSurrogate_) HandleChar(0x10000 + ((pendingSurrogate_ - 0xD800) << 10) + (m.WParam - 0xDC00));
        pendingSurrogate_ = 0;
      } else {
        pendingSurrogate_ = 0;
        HandleChar(static_cast<char32_t>(m.WParam));
      }
      return true;
    case WM_IME_CHAR:
      // Committed input-method text goes through KeyPress like typed text.
      if (m.WParam > 0xFFFF && m.WParam <= 0x10FFFF) {
        char32_t v = static_cast<char32_t>(m.WParam - 0x10000);
        Perform(WM_CHAR, 0xD800 + (v >> 10));
        Perform(WM_CHAR, 0xDC00 + (v & 0x3FF));
      } else if (m.WParam <= 0xFFFF) {
        Perform(WM_CHAR, m.WParam);
      }
      return true;
    case WM_CUT: CutToClipboard(); return true;
    case WM_COPY: CopyToClipboard(); return true;
    case WM_PASTE: PasteFromClipboard(); return true;
    case WM_CLEAR: ClearSelection(); return true;
    case WM_UNDO:
    case EM_UNDO: m.Result = hasUndo_; Undo(); return true;
    case EM_CANUNDO: m.Result = hasUndo_; return true;
    case EM_EMPTYUNDOBUFFER: ClearUndo(); return true;
    case EM_GETMODIFY: m.Result = modified_; return true;
    case EM_SETMODIFY: modified_ = m.WParam != 0; return true;
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(m.WParam)); return true;
    case EM_GETLIMITTEXT: m.Result = maxLength_ > 0 ? maxLength_ : 0x7FFFFFFE; return true;
    case EM_SETREADONLY: SetReadOnly(m.WParam != 0); m.Result = 1; return true;
    case EM_SETPASSWORDCHAR: SetPasswordChar(static_cast<char16_t>(m.WParam)); return true;
    case EM_GETPASSWORDCHAR: m.Result = passwordChar_; return true;
    case EM_REPLACESEL: ReplaceSel(m.LParam ? reinterpret_cast<const char*>(m.LParam) : "", m.WParam != 0); return true;
    case WM_SETTEXT: SetTextValue(m.LParam ? reinterpret_cast<const char*>(m.LParam) : ""); m.Result = 1; return true;
    default: return false;
  }
}

bool TCustomEdit::HandleSelectionMessage(TMessage& m) {
  switch (m.Msg) {
    case EM_GETSEL:
      if (m.WParam) *reinterpret_cast<uint32_t*>(m.WParam) = static_cast<uint32_t>(SelStart());
      if (m.LParam) *reinterpret_cast<uint32_t*>(m.LParam) = static_cast<uint32_t>(SelStart() + SelLength());
      m.Result = MakeLParam(SelStart(), SelStart() + SelLength());
      return true;
    case EM_SETSEL: {
      int start = static_cast<int>(static_cast<intptr_t>(m.WParam));
      int end = static_cast<int>(m.LParam);
      int count = CharCount();
      if (start < 0) start = end = caret_;  // no selection, caret stays
      if (end < 0) end = count;
      SetSel(start, end);
      return true;
    }
    case EM_SCROLLCARET: ScrollCaret(); Invalidate(); m.Result = 1; return true;
    case EM_CHARFROMPOS: m.Result = CharFromPos(LParamToPoint(m.LParam)); return true;
    case EM_POSFROMCHAR: m.Result = PointToLParam(PosFromChar(static_cast<int>(m.WParam))); return true;
    case EM_GETRECT:
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = FormatRect();
      return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
      customRect_ = m.LParam != 0;
      if (customRect_) formatRect_ = *reinterpret_cast<const TRect*>(m.LParam);
      ScrollCaret();
      if (m.Msg == EM_SETRECT) Invalidate();
      return true;
    default: return false;
  }
}

void TCustomEdit::HandleEditKey(uint16_t key, TShiftState shift) {
  bool extend = shift.Contains(ssShift);
  bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_LEFT:
      if (!extend && SelLength() > 0 && !ctrl) return MoveCaret(SelStart(), false);
      return MoveCaret(ctrl ? WordStart(caret_) : caret_ - 1, extend);
    case VK_RIGHT:
      if (!extend && SelLength() > 0 && !ctrl) return MoveCaret(SelStart() + SelLength(), false);
      return MoveCaret(ctrl ? WordEnd(caret_) : caret_ + 1, extend);
    case VK_HOME: return MoveCaret(0, extend);
    case VK_END: return MoveCaret(CharCount(), extend);
    case VK_DELETE:
      if (extend) return CutToClipboard();
      return DeleteAt(true, ctrl);
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      else if (extend) PasteFromClipboard();
      return;
    default: return;
  }
}

void TCustomEdit::HandleChar(char32_t code) {
  switch (code) {
    case 0x01: return SelectAll();
    case 0x03: return CopyToClipboard();
    case 0x16: return PasteFromClipboard();
    case 0x18: return CutToClipboard();
    case 0x1A: return Undo();
    case VK_BACK: return DeleteAt(false, false);
    case 0x7F: return DeleteAt(false, true);
    default:
      // Tab, Enter, Escape and other control characters type nothing in a single line.
      if (code < 0x20) return;
      TypeChar(code);
  }
}

void TCustomEdit::TypeChar(char32_t code) {
  if (!CanChangeText()) {
    MessageBeep(0);
    return;
  }
  String s;
  utf8::Append(s, code);
  ReplaceSel(s, true);
}

void TCustomEdit::DeleteAt(bool forward, bool word) {
  if (!CanChangeText()) {
    MessageBeep(0);
    return;
  }
  if (SelLength() == 0) {
    int other = forward ? (word ? WordEnd(caret_) : caret_ + 1) : (word ? WordStart(caret_) : caret_ - 1);
    anchor_ = std::clamp(other, 0, CharCount());
  }
  ClearSelection();
}

void TCustomEdit::MoveCaret(int caret, bool extend) {
  caret = std::clamp(caret, 0, CharCount());
  SetSel(extend ? anchor_ : caret, caret);
}

int TCustomEdit::WordStart(int from) {
  std::u32string s = ToCodePoints(EditBuffer());
  int i = std::clamp(from, 0, static_cast<int>(s.size()));
  while (i > 0 && IsBlank(s[static_cast<size_t>(i - 1)])) --i;
  while (i > 0 && !IsBlank(s[static_cast<size_t>(i - 1)])) --i;
  return i;
}

int TCustomEdit::WordEnd(int from) {
  std::u32string s = ToCodePoints(EditBuffer());
  int n = static_cast<int>(s.size());
  int i = std::clamp(from, 0, n);
  while (i < n && !IsBlank(s[static_cast<size_t>(i)])) ++i;
  while (i < n && IsBlank(s[static_cast<size_t>(i)])) ++i;
  return i;
}

void TCustomEdit::WMChar(TMessage& m) {
  // A code point beyond the 16-bit range arrives as its two surrogate halves, as KeyPress
  // handlers expect 16-bit characters.
  if (m.WParam > 0xFFFF && m.WParam <= 0x10FFFF) {
    char32_t v = static_cast<char32_t>(m.WParam - 0x10000);
    Perform(WM_CHAR, 0xD800 + (v >> 10), m.LParam);
    Perform(WM_CHAR, 0xDC00 + (v & 0x3FF), m.LParam);
    return;
  }
  if (m.WParam > 0x10FFFF) return;
  TCustomControl::WMChar(m);
}

void TCustomEdit::WMLButtonDown(TMessage& m) {
  if (!Focused() && CanFocus()) {
    auto scope = ScopedInclude(controlState_, csLButtonDown);
    SetFocus();
  }
  TPoint p = LParamToPoint(m.LParam);
  MoveCaret(CharFromPos(p), (m.WParam & MK_SHIFT) != 0);
  selecting_ = true;
  TControl::WMMouseDown(m);
}

void TCustomEdit::WMLButtonUp(TMessage& m) {
  selecting_ = false;
  TControl::WMMouseUp(m);
}

void TCustomEdit::WMLButtonDblClk(TMessage& m) {
  std::u32string s = ToCodePoints(DisplayText());
  int n = static_cast<int>(s.size());
  int at = CharFromPos(LParamToPoint(m.LParam));
  int start = at;
  int end = at;
  while (start > 0 && !IsBlank(s[static_cast<size_t>(start - 1)])) --start;
  while (end < n && !IsBlank(s[static_cast<size_t>(end)])) ++end;
  SetSel(start, end);
  TControl::WMMouseDblClk(m);
}

void TCustomEdit::WMMouseMoveEdit(TMessage& m) {
  if (selecting_ && (m.WParam & MK_LBUTTON)) MoveCaret(CharFromPos(LParamToPoint(m.LParam)), true);
  TControl::WMMouseMove(m);
}
