#include "platform/controls/std_actions.h"

#include "platform/controls/edit.h"
#include "platform/windows/clipboard.h"

TCustomEdit* TEditAction::EditOf(TObject* target) { return dynamic_cast<TCustomEdit*>(target); }

bool TEditAction::HandlesTarget(TObject* target) {
  TCustomEdit* edit = EditOf(target);
  return edit != nullptr && edit->Focused();
}

void TEditCut::ExecuteTarget(TObject* target) { EditOf(target)->CutToClipboard(); }
void TEditCut::UpdateTarget(TObject* target) {
  TCustomEdit* edit = EditOf(target);
  SetEnabled(edit->SelLength() > 0 && !edit->ReadOnly());
}

void TEditCopy::ExecuteTarget(TObject* target) { EditOf(target)->CopyToClipboard(); }
void TEditCopy::UpdateTarget(TObject* target) { SetEnabled(EditOf(target)->SelLength() > 0); }

void TEditPaste::ExecuteTarget(TObject* target) { EditOf(target)->PasteFromClipboard(); }
void TEditPaste::UpdateTarget(TObject* target) {
  SetEnabled(!EditOf(target)->ReadOnly() && Clipboard()->HasFormat(CF_TEXT));
}

void TEditSelectAll::ExecuteTarget(TObject* target) { EditOf(target)->SelectAll(); }
void TEditSelectAll::UpdateTarget(TObject* target) { SetEnabled(!EditOf(target)->Text().empty()); }

void TEditDelete::ExecuteTarget(TObject* target) { EditOf(target)->ClearSelection(); }
void TEditDelete::UpdateTarget(TObject* target) {
  TCustomEdit* edit = EditOf(target);
  SetEnabled(edit->SelLength() > 0 && !edit->ReadOnly());
}
