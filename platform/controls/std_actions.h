#pragma once

#include "platform/controls/actions.h"

class TCustomEdit;

// The standard edit actions: each works on the focused control that takes it (a focused edit
// here; other controls, such as a data grid, recognise the action by its class in their
// ExecuteAction and UpdateAction).
class TEditAction : public TAction {
  DECLARE_CLASS(TEditAction, TAction)
 public:
  using TAction::TAction;
  bool HandlesTarget(TObject* target) override;

 protected:
  static TCustomEdit* EditOf(TObject* target);
};

class TEditCut : public TEditAction {
  DECLARE_CLASS(TEditCut, TEditAction)
 public:
  using TEditAction::TEditAction;
  void ExecuteTarget(TObject* target) override;
  void UpdateTarget(TObject* target) override;
};

class TEditCopy : public TEditAction {
  DECLARE_CLASS(TEditCopy, TEditAction)
 public:
  using TEditAction::TEditAction;
  void ExecuteTarget(TObject* target) override;
  void UpdateTarget(TObject* target) override;
};

class TEditPaste : public TEditAction {
  DECLARE_CLASS(TEditPaste, TEditAction)
 public:
  using TEditAction::TEditAction;
  void ExecuteTarget(TObject* target) override;
  void UpdateTarget(TObject* target) override;
};

class TEditSelectAll : public TEditAction {
  DECLARE_CLASS(TEditSelectAll, TEditAction)
 public:
  using TEditAction::TEditAction;
  void ExecuteTarget(TObject* target) override;
  void UpdateTarget(TObject* target) override;
};

class TEditDelete : public TEditAction {
  DECLARE_CLASS(TEditDelete, TEditAction)
 public:
  using TEditAction::TEditAction;
  void ExecuteTarget(TObject* target) override;
  void UpdateTarget(TObject* target) override;
};
