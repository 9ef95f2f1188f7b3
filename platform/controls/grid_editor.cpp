// The grid's editing: when the in-place editor shows, where it sits, what it starts with and
// where its text goes; and the grid's messages.
#include "platform/controls/grid.h"
#include "platform/controls/inplace_edit.h"
#include "platform/windows/focus.h"

const TMessageMap& TCustomGrid::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_GETDLGCODE, &TCustomGrid::WMGetDlgCode);
    m.On(WM_CHAR, &TCustomGrid::WMChar);
    m.On(WM_HSCROLL, &TCustomGrid::WMScroll);
    m.On(WM_VSCROLL, &TCustomGrid::WMScroll);
    m.On(WM_TIMER, &TCustomGrid::WMTimer);
    m.On(WM_SETCURSOR, &TCustomGrid::WMSetCursor);
    m.On(WM_SIZE, &TCustomGrid::WMSize);
    m.On(WM_SETFOCUS, &TCustomGrid::WMFocus);
    m.On(WM_KILLFOCUS, &TCustomGrid::WMFocus);
    m.On(WM_CANCELMODE, &TCustomGrid::WMCancelMode);
    return m;
  }();
  return map;
}

void TCustomGrid::WMFocus(TMessage& m) {
  HWND other = reinterpret_cast<HWND>(m.WParam);
  bool toOrFromEditor = inplaceEdit_ && inplaceEdit_->HandleAllocated() && other == inplaceEdit_->Handle();
  if (m.Msg == WM_SETFOCUS) TCustomControl::WMSetFocus(m);
  else TCustomControl::WMKillFocus(m);
  if (toOrFromEditor) return;
  InvalidateRect(Selection());
  if (m.Msg == WM_SETFOCUS) UpdateEdit();
  else HideEdit();
}

bool TCustomGrid::CanEditShow() {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ && HandleAllocated() &&
         (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

bool TCustomGrid::CanEditModify() { return true; }
bool TCustomGrid::CanEditAcceptKey(char16_t) { return true; }
String TCustomGrid::GetEditText(int, int) { return ""; }
void TCustomGrid::SetEditText(int, int, const String&) {}
String TCustomGrid::GetEditMask(int, int) { return ""; }
int TCustomGrid::GetEditLimit() { return 0; }
TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool v) {
  if (!v) return HideEditor();
  ShowEditor();
  if (inplaceEdit_) inplaceEdit_->Deselect();
}

void TCustomGrid::ShowEditor() {
  editorMode_ = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  editorMode_ = false;
  HideEdit();
}

// Opens the editor with its text selected and types the character into it.
void TCustomGrid::ShowEditorChar(char16_t ch) {
  ShowEditor();
  if (inplaceEdit_ && inplaceEdit_->Visible()) inplaceEdit_->Perform(WM_CHAR, ch);
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (!inplaceEdit_) {
    inplaceEdit_ = CreateEditor();
    inplaceEdit_->SetGrid(this);
    inplaceEdit_->SetParent(this);
  } else if (Col() == inplaceCol_ && Row() == inplaceRow_) {
    inplaceEdit_->Move(GridToClient(CellRect(Col(), Row())));
    return;
  } else {
    HideEdit();
  }
  // Contents first: a mask the grid gives that cannot be read leaves the editor closed.
  inplaceEdit_->UpdateContents();
  inplaceCol_ = Col();
  inplaceRow_ = Row();
  inplaceEdit_->SelectAll();
  if (CanEditShow()) inplaceEdit_->Move(GridToClient(CellRect(Col(), Row())));
}

void TCustomGrid::HideEdit() {
  if (!inplaceEdit_) return;
  struct TForget {
    TCustomGrid* grid;
    ~TForget() {
      grid->inplaceCol_ = -1;
      grid->inplaceRow_ = -1;
      grid->inplaceEdit_->Hide();
    }
  } forget{this};
  UpdateText();
}

void TCustomGrid::UpdateText() {
  if (inplaceEdit_ && inplaceCol_ >= 0 && inplaceRow_ >= 0) SetEditText(inplaceCol_, inplaceRow_, inplaceEdit_->Text());
}

// The editor goes where the current cell now is (after sizes or scrolling changed).
void TCustomGrid::InvalidateEditor() {
  if (!inplaceEdit_ || !editorMode_) return;
  if (inplaceCol_ >= 0 && CanEditShow()) inplaceEdit_->UpdateLoc(GridToClient(CellRect(Col(), Row())));
}
