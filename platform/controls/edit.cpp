// The single-line edit: text, selection, undo, clipboard and change notification.
#include "platform/controls/edit.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/window_tree.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetCursor(crIBeam);
}

TCustomEdit::~TCustomEdit() = default;

const TMessageMap& TCustomEdit::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_LBUTTONDOWN, &TCustomEdit::WMLButtonDown);
    m.On(WM_LBUTTONUP, &TCustomEdit::WMLButtonUp);
    m.On(WM_CHAR, &TCustomEdit::WMChar);
    m.On(WM_LBUTTONDBLCLK, &TCustomEdit::WMLButtonDblClk);
    m.On(WM_MOUSEMOVE, &TCustomEdit::WMMouseMoveEdit);
    m.On(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode);
    m.On(CN_COMMAND, &TCustomEdit::CNCommand);
    m.On(WM_SETFOCUS, &TCustomEdit::WMFocusChanged);
    m.On(WM_KILLFOCUS, &TCustomEdit::WMFocusChanged);
    return m;
  }();
  return map;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::SetMaxLength(int v) { maxLength_ = std::max(0, v); }

void TCustomEdit::SetReadOnly(bool v) { readOnly_ = v; }

void TCustomEdit::SetPasswordChar(char16_t v) {
  if (passwordChar_ == v) return;
  passwordChar_ = v;
  Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
  if (charCase_ == v) return;
  charCase_ = v;
  if (v != ecNormal) TWinControl::SetTextValue(ApplyCase(EditBuffer()));
  Invalidate();
}

void TCustomEdit::SetHideSelection(bool v) {
  if (hideSelection_ == v) return;
  hideSelection_ = v;
  Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

String TCustomEdit::ApplyCase(const String& s) const {
  switch (charCase_) {
    case ecUpperCase: return AnsiUpperCase(s);
    case ecLowerCase: return AnsiLowerCase(s);
    default: return s;
  }
}

// Setting the text is not an edit of the user's: it clears Modified and the undo, puts the
// caret at the start and still reports the change.
void TCustomEdit::SetTextValue(const String& v) {
  TWinControl::SetTextValue(ApplyCase(v));
  anchor_ = caret_ = 0;
  scrollX_ = 0;
  modified_ = false;
  ClearUndo();
  Invalidate();
  NotifyChange();
}

int TCustomEdit::CharCount() { return CharLength(EditBuffer()); }

int TCustomEdit::SelStart() const { return std::min(anchor_, caret_); }
int TCustomEdit::SelLength() const { return std::abs(caret_ - anchor_); }

void TCustomEdit::SetSelStart(int v) { SetSel(v, v); }

void TCustomEdit::SetSelLength(int v) {
  int start = SelStart();
  SetSel(start, start + std::max(0, v));
}

String TCustomEdit::SelText() { return Copy(EditBuffer(), SelStart() + 1, SelLength()); }

void TCustomEdit::SetSelText(const String& v) { ReplaceSel(v, true); }

void TCustomEdit::SelectAll() { SetSel(0, CharCount()); }

void TCustomEdit::SetSel(int anchor, int caret) {
  int count = CharCount();
  anchor_ = std::clamp(anchor, 0, count);
  caret_ = std::clamp(caret, 0, count);
  ScrollCaret();
  Invalidate();
}

void TCustomEdit::Clear() { SetText(""); }

void TCustomEdit::ClearSelection() {
  if (SelLength() > 0 && CanChangeText()) ReplaceSel("", true);
}

void TCustomEdit::CopyToClipboard() {
  // A password is never copied out of the control.
  if (SelLength() == 0 || passwordChar_ != 0) return;
  Clipboard()->SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (!CanChangeText() || passwordChar_ != 0) return;
  CopyToClipboard();
  ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (!CanChangeText()) return;
  String text = Clipboard()->AsText();
  // A single-line edit keeps the first line of what is pasted.
  size_t eol = text.find_first_of("\r\n");
  if (eol != String::npos) text.resize(eol);
  ReplaceSel(text, true);
}

void TCustomEdit::SaveUndo() {
  undoText_ = EditBuffer();
  undoCaret_ = caret_;
  hasUndo_ = true;
}

void TCustomEdit::Undo() {
  if (!hasUndo_ || !CanChangeText()) return;
  String current = EditBuffer();
  int caret = caret_;
  TWinControl::SetTextValue(undoText_);
  anchor_ = caret_ = std::clamp(undoCaret_, 0, CharCount());
  // Undoing again redoes: the edit keeps one level.
  undoText_ = current;
  undoCaret_ = caret;
  modified_ = true;
  ScrollCaret();
  Invalidate();
  NotifyChange();
}

void TCustomEdit::ClearUndo() {
  hasUndo_ = false;
  undoText_.clear();
}

void TCustomEdit::ReplaceSel(const String& text, bool canUndo) {
  String insert = ApplyCase(text);
  int start = SelStart();
  int length = SelLength();
  if (maxLength_ > 0) {
    int room = std::max(0, maxLength_ - (CharCount() - length));
    if (CharLength(insert) > room) {
      insert = LeftStr(insert, room);
      if (HWND parent = HandleAllocated() ? GetParent(Handle()) : nullptr) SendNotify(parent, EN_MAXTEXT);
    }
  }
  if (insert.empty() && length == 0) return;
  String s = EditBuffer();
  ::Delete(s, start + 1, length);
  ::Insert(insert, s, start + 1);
  if (canUndo) SaveUndo();
  ApplyUserEdit(s, start + CharLength(insert));
}

void TCustomEdit::ApplyUserEdit(const String& text, int caret) {
  TWinControl::SetTextValue(text);
  modified_ = true;
  anchor_ = caret_ = std::clamp(caret, 0, CharCount());
  ScrollCaret();
  Invalidate();
  NotifyChange();
}

// EN_CHANGE goes to the parent window, which reflects it back as CN_COMMAND; without a
// control parent to reflect it, the edit reports the change itself.
void TCustomEdit::NotifyChange() {
  HWND parent = HandleAllocated() ? GetParent(Handle()) : nullptr;
  if (parent) SendNotify(parent, EN_CHANGE);
  if (!parent || !FindControl(parent)) Change();
}

void TCustomEdit::SendNotify(HWND parent, uint16_t code) {
  HWND self = Handle();
  SendMessage(parent, WM_COMMAND, MakeWParam(static_cast<int>(GetWindowLong(self, GWL_ID)), code),
              reinterpret_cast<LPARAM>(self));
}

void TCustomEdit::CNCommand(TMessage& m) {
  if (m.WParamHi() == EN_CHANGE) Change();
}

void TCustomEdit::Change() { OnChange.Call(this); }

void TCustomEdit::DoEnter() {
  // Entering by keyboard selects everything; a click places the caret instead.
  if (autoSelect_ && !controlState_.Contains(csLButtonDown)) SelectAll();
  TCustomControl::DoEnter();
}

void TCustomEdit::WMFocusChanged(TMessage& m) {
  Invalidate();
  if (m.Msg == WM_SETFOCUS) TWinControl::WMSetFocus(m);
  else TWinControl::WMKillFocus(m);
}

void TCustomEdit::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }

void TCustomEdit::Publish() {
  TPublisher<TCustomEdit> p;
  p.Redeclare("Color").Default(clWindow);
  p.Redeclare("TabStop").Default(true);
  p.Redeclare("Cursor").Default(crIBeam);
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  p.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
  p.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
  p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
  p.Event("OnChange", &TCustomEdit::OnChange);
}
