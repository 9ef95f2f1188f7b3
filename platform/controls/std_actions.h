#pragma once

#include "platform/controls/actions.h"

class TCustomEdit;

// What a standard edit action does.
enum TEditActionKind : uint8_t { eakCut, eakCopy, eakPaste, eakSelectAll, eakDelete };

// A standard edit action (cut, copy, paste, select all, delete): it works on the focused
// control that takes it (a focused edit here; other controls, such as a data grid, take an
// edit action by its kind in their ExecuteAction and UpdateAction).
class TEditAction : public TAction {
  DECLARE_CLASS(TEditAction, TAction)
 public:
  explicit TEditAction(TComponent* owner, TEditActionKind kind = eakCopy) : TAction(owner), kind_(kind) {}
  TEditActionKind Kind() const { return kind_; }
  bool HandlesTarget(TObject* target) override;
  void ExecuteTarget(TObject* target) override;
  void UpdateTarget(TObject* target) override;

 private:
  TEditActionKind kind_;
};
