// Whether the grid has the keyboard, taking it, and what changes when it comes and goes.
#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_input.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/screen.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"

bool TCustomDBGridEx::HasFocus() {
  if (!HandleAllocated()) return false;
  const HWND focused = GetFocus();
  if (focused == nullptr) return false;
  if (focused == Handle()) return true;
  TInplaceEdit* editor = InplaceEditor();
  return editor != nullptr && editor->HandleAllocated() && focused == editor->Handle();
}

// Under a multiple-document parent form the form keeps the focus for its client window; the
// grid's window then takes it directly.
bool TCustomDBGridEx::TrySetFocus() {
  if (!CanFocus() || IsDesigning()) return true;
  SetFocus();
  TCustomForm* active = Screen != nullptr ? Screen->ActiveForm() : nullptr;
  if (!HasFocus() && active != nullptr && active->FormStyle() == fsMDIForm) ::SetFocus(Handle());
  // An edited filter row keeps the focus the grid is given.
  return HasFocus() || InFilterEditor(GetFocus());
}

bool TCustomDBGridEx::InFilterEditor(HWND window) const {
  TInplaceFilterEditEx* editor = FilterEditor();
  if (window == nullptr || editor == nullptr || !editor->HandleAllocated()) return false;
  return window == editor->Handle() || (editor->EditControl() != nullptr && editor->EditControl()->HandleAllocated() &&
                                        window == editor->EditControl()->Handle());
}

bool TCustomDBGridEx::InInplaceEditor(HWND window) const {
  TInplaceEdit* editor = InplaceEditor();
  return window != nullptr && editor != nullptr && editor->HandleAllocated() && window == editor->Handle();
}

// WM_SETFOCUS and WM_KILLFOCUS. `other` is the window the focus comes from or goes to.
void TCustomDBGridEx::FocusMessage(TMessage& m) {
  const HWND other = reinterpret_cast<HWND>(m.WParam);
  if (m.Msg == WM_KILLFOCUS && !InInplaceEditor(other)) input_->FocusLost();
  if (Options().Contains(dgRowSelect)) InvalidateRow(Row());
  TCustomGrid::WndProc(m);
  if (m.Msg == WM_SETFOCUS && FilterEditorShown() && !InFilterEditor(other)) FilterEditor()->SetFocus();
  // Selected cells look different with and without the focus.
  if (HasFocus() != FocusedAtSelectionChange()) SelectionChanged();
}
