// Whether the grid has the keyboard, and taking it.
#include "gridlib/grid/db_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/screen.h"
#include "platform/windows/focus.h"

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
  return HasFocus();
}
