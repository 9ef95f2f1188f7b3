// The standard edit actions (cut, copy, paste, ...) aimed at the focused edit.
#include "platform/controls/std_actions.h"

#include "platform/controls/edit.h"
#include "platform/windows/clipboard.h"

bool TEditAction::HandlesTarget(TObject* target) {
  auto* edit = dynamic_cast<TCustomEdit*>(target);
  return edit != nullptr && edit->Focused();
}

void TEditAction::ExecuteTarget(TObject* target) {
  auto* edit = static_cast<TCustomEdit*>(target);
  switch (kind_) {
    case eakCut: edit->CutToClipboard(); break;
    case eakCopy: edit->CopyToClipboard(); break;
    case eakPaste: edit->PasteFromClipboard(); break;
    case eakSelectAll: edit->SelectAll(); break;
    case eakDelete: edit->ClearSelection(); break;
  }
}

void TEditAction::UpdateTarget(TObject* target) {
  auto* edit = static_cast<TCustomEdit*>(target);
  const bool selected = edit->SelLength() > 0;
  switch (kind_) {
    case eakCut: case eakDelete: SetEnabled(selected && !edit->ReadOnly()); break;
    case eakCopy: SetEnabled(selected); break;
    case eakPaste: SetEnabled(!edit->ReadOnly() && Clipboard()->HasFormat(CF_TEXT)); break;
    case eakSelectAll: SetEnabled(!edit->Text().empty()); break;
  }
}
