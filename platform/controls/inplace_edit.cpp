// The base grid's in-place editor: placement, keys and passing keys to the grid.
#include "platform/controls/inplace_edit.h"

#include "platform/controls/grid.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/focus.h"
#include "platform/windows/system_metrics.h"

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomMaskEdit(owner) {
  SetBorderStyle(bsNone);
  SetTabStop(false);
  SetVisible(false);
  SetParentColor(false);
}

const TMessageMap& TInplaceEdit::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomMaskEdit::ClassMessages());
    m.On(WM_SETFOCUS, &TInplaceEdit::WMSetFocus);
    m.On(WM_GETDLGCODE, &TInplaceEdit::WMGetDlgCode);
    return m;
  }();
  return map;
}

// The form counts the grid, not its editor, as the focused control.
void TInplaceEdit::WMSetFocus(TMessage& m) {
  if (TCustomForm* form = GetParentForm(this); form && grid_) form->SetFocusedControl(grid_);
  Invalidate();
  DefaultHandler(m);
}

void TInplaceEdit::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  if (grid_ && grid_->Options().Contains(goTabs)) m.Result |= DLGC_WANTTAB;
}

void TInplaceEdit::SetGrid(TCustomGrid* grid) {
  if (grid_ == grid) return;
  if (grid_) grid_->RemoveFreeNotification(this);
  grid_ = grid;
  if (grid_) grid_->FreeNotification(this);
}

void TInplaceEdit::Notification(TComponent* component, TOperation operation) {
  TCustomMaskEdit::Notification(component, operation);
  if (operation == opRemove && component == grid_) grid_ = nullptr;
}

bool TInplaceEdit::EditCanModify() { return grid_ && grid_->CanEditModify(); }

void TInplaceEdit::Deselect() {
  int end = CharLength(EditBuffer());
  SetSel(end, end);
}

void TInplaceEdit::Move(const TRect& loc) { InternalMove(loc, true); }

void TInplaceEdit::UpdateLoc(const TRect& loc) { InternalMove(loc, false); }

void TInplaceEdit::InternalMove(const TRect& loc, bool focus) {
  if (loc.IsEmpty()) return Hide();
  bool hadFocus = Focused();
  SetBoundsRect(loc);
  BoundsChanged();
  SetVisible(true);
  if ((focus || hadFocus) && grid_ && (grid_->Focused() || hadFocus)) ::SetFocus(Handle());
}

void TInplaceEdit::BoundsChanged() {
  TRect r = Rect(2, 2, Width() - 2, Height());
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
  Perform(EM_SCROLLCARET);
}

void TInplaceEdit::Hide() {
  if (!Visible()) return;
  bool hadFocus = Focused();
  SetVisible(false);
  if (hadFocus && grid_) ::SetFocus(grid_->Handle());
}

void TInplaceEdit::UpdateContents() {
  if (!grid_) return;
  auto loading = ScopedValue(loading_, true);
  SetText("");
  SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
  original_ = grid_->GetEditText(grid_->Col(), grid_->Row());
  SetText(original_);
  SetMaxLength(grid_->GetEditLimit());
}

void TInplaceEdit::Abandon() {
  if (Text() != original_) SetText(original_);
}

void TInplaceEdit::Change() {
  TCustomMaskEdit::Change();
  if (!loading_ && grid_ && grid_->inplaceCol_ >= 0) grid_->SetEditText(grid_->inplaceCol_, grid_->inplaceRow_, Text());
}

void TInplaceEdit::SendToGrid(uint16_t& key, TShiftState shift) {
  grid_->KeyDown(key, shift);
  key = 0;
}

// Keys that leave the cell belong to the grid; with the editor always shown, Left and Right
// leave it too once the caret is at the text's end.
void TInplaceEdit::KeyDown(uint16_t& key, TShiftState shift) {
  if (!grid_) return TCustomMaskEdit::KeyDown(key, shift);
  bool forward = grid_->Options().Contains(goAlwaysShowEditor);
  bool ctrl = shift.Contains(ssCtrl);
  int start = SelStart();
  int end = start + SelLength();
  int length = CharLength(EditBuffer());
  bool leftSide = start == 0 && (end == 0 || end == length);
  bool rightSide = (start == 0 || end == start) && end == length;
  switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: SendToGrid(key, shift); break;
    case VK_INSERT:
      if (shift.Empty()) SendToGrid(key, shift);
      else if (shift == TShiftState{ssShift} && !grid_->CanEditModify()) key = 0;
      break;
    case VK_LEFT: case VK_HOME:
      if (forward && (ctrl || leftSide)) SendToGrid(key, shift);
      break;
    case VK_RIGHT: case VK_END:
      if (forward && (ctrl || rightSide)) SendToGrid(key, shift);
      break;
    case VK_F2:
      grid_->OnKeyDown.Call(grid_, key, shift);
      if (key == VK_F2) {
        Deselect();
        return;
      }
      break;
    case VK_TAB:
      if (!shift.Contains(ssAlt)) SendToGrid(key, shift);
      break;
    case VK_DELETE:
      if (ctrl) SendToGrid(key, shift);
      else if (!grid_->CanEditModify()) key = 0;
      break;
    default: break;
  }
  if (key == 0) return;
  grid_->OnKeyDown.Call(grid_, key, shift);
  TCustomMaskEdit::KeyDown(key, shift);
}

void TInplaceEdit::KeyPress(char16_t& key) {
  if (!grid_) return TCustomMaskEdit::KeyPress(key);
  grid_->KeyPress(key);
  if (key >= 0x20 && !grid_->CanEditAcceptKey(key)) {
    key = 0;
    MessageBeep(0);
  }
  switch (key) {
    case 0: return;
    case u'\t': case 0x1B: key = 0; return;
    case u'\r':
      if (SelStart() == 0 && SelLength() == CharLength(EditBuffer())) Deselect();
      else SelectAll();
      key = 0;
      return;
    default:
      if ((key == VK_BACK || key == 0x16 || key == 0x18 || key >= 0x20) && !grid_->CanEditModify()) key = 0;
  }
  if (key != 0) TCustomMaskEdit::KeyPress(key);
}
