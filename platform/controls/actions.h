#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/controls/shortcuts.h"
#include "platform/core/events.h"

class TBasicAction;
class TControl;
class TCustomActionList;
class TCustomImageList;

// What an action tells the clients linked to it: one call per changed property, made before
// the action stores the new value, so a client changes only the properties that still show the
// action's old value (a client that set its own caption keeps it).
class TBasicActionLink : public TObject {
 public:
  TBasicActionLink() = default;
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* action);
  // Runs the action for `target`; answers whether something handled it.
  bool Execute(TComponent* target = nullptr);
  bool Update();

  virtual void SetCaption(const String&) {}
  virtual void SetEnabled(bool) {}
  virtual void SetChecked(bool) {}
  virtual void SetHint(const String&) {}
  virtual void SetHelpContext(int) {}
  virtual void SetImageIndex(int) {}
  virtual void SetShortCut(TShortCut) {}
  virtual void SetVisible(bool) {}
  virtual void SetOnExecute(const TNotifyEvent&) {}

 protected:
  // The action was set: the client takes all its values.
  virtual void ActionAssigned() {}

 private:
  friend class TBasicAction;
  TBasicAction* action_ = nullptr;
};

// A command that clients (menu items, buttons, controls) run: OnExecute does the work,
// OnUpdate refreshes its state before it runs or when the application is idle.
class TBasicAction : public TComponent {
  DECLARE_CLASS(TBasicAction, TComponent)
 public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  ~TBasicAction() override;
  static void Publish();

  virtual bool Execute();
  virtual bool Update();
  // Actions that work on whatever has the focus (the standard edit actions) say which
  // controls they serve and do their work there; a plain action serves none.
  virtual bool HandlesTarget(TObject* target) { (void)target; return false; }
  virtual void ExecuteTarget(TObject* target) { (void)target; }
  virtual void UpdateTarget(TObject* target) { (void)target; }
  // The client that ran the action last.
  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* c);
  const TNotifyEvent& GetOnExecute() const { return OnExecute; }
  void SetOnExecute(const TNotifyEvent& v);
  const std::vector<TBasicActionLink*>& Links() const { return links_; }

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  template <typename F>
  void TellLinks(F f) {
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(links_)) f(link);
  }

 private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> links_;
  TComponent* actionComponent_ = nullptr;
};

// An action that belongs to an action list, which sees it execute and update first.
class TContainedAction : public TBasicAction {
  DECLARE_CLASS(TContainedAction, TBasicAction)
 public:
  explicit TContainedAction(TComponent* owner) : TBasicAction(owner) {}
  ~TContainedAction() override;
  static void Publish();
  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* list);
  const String& Category() const { return category_; }
  void SetCategory(const String& v) { category_ = v; }
  int Index() const;
  bool Execute() override;
  bool Update() override;

 private:
  TCustomActionList* actionList_ = nullptr;
  String category_;
};

// An action with what its clients show: caption, enabled and checked state, hint, image,
// shortcut and visibility. A disabled action does not execute; AutoCheck flips Checked first.
class TCustomAction : public TContainedAction {
  DECLARE_CLASS(TCustomAction, TContainedAction)
 public:
  explicit TCustomAction(TComponent* owner) : TContainedAction(owner) {}
  static void Publish();

  const String& Caption() const { return caption_; }
  void SetCaption(const String& v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool v) { autoCheck_ = v; }
  const String& Hint() const { return hint_; }
  void SetHint(const String& v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  // The help topic of the action's clients.
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int v);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Execute() override;

 private:
  // Tells the links the new value before storing it (see TBasicActionLink).
  template <typename T, typename Arg>
  void Store(T& field, const T& v, void (TBasicActionLink::*tell)(Arg)) {
    if (field == v) return;
    TellLinks([&](TBasicActionLink* link) { (link->*tell)(v); });
    field = v;
  }

  String caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool autoCheck_ = false;
  String hint_;
  int imageIndex_ = -1;
  int helpContext_ = 0;
  TShortCut shortCut_ = 0;
  bool visible_ = true;
};

class TAction : public TCustomAction {
  DECLARE_CLASS(TAction, TCustomAction)
 public:
  using TCustomAction::TCustomAction;
};

using TActionEvent = TEvent<void(TBasicAction* Action, bool& Handled)>;

// A set of actions with shared images; it may handle any of its actions' execution and update
// itself (OnExecute, OnUpdate) and finds the action that owns a shortcut.
class TCustomActionList : public TComponent {
  DECLARE_CLASS(TCustomActionList, TComponent)
 public:
  explicit TCustomActionList(TComponent* owner) : TComponent(owner) {}
  ~TCustomActionList() override;
  static void Publish();

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TContainedAction* Actions(int index) const;
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  virtual bool ExecuteAction(TBasicAction* action);
  virtual bool UpdateAction(TBasicAction* action);
  // Executes the enabled action whose shortcut is key + shift; answers whether one ran.
  bool IsShortCut(uint16_t key, TShiftState shift);
  // Runs every action's update (what the application does when it is idle).
  void UpdateActions();

  TActionEvent OnExecute;
  TActionEvent OnUpdate;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TContainedAction;
  std::vector<TContainedAction*> actions_;
  TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
  DECLARE_CLASS(TActionList, TCustomActionList)
 public:
  using TCustomActionList::TCustomActionList;
};

// A control's link to an action, created by the control when an action is assigned: the
// control shows the action's caption, enabled and checked state, hint, shortcut and visibility
// while they still match, and its OnClick follows OnExecute while the two are the same event
// (same target and method).
class TControlActionLink : public TBasicActionLink {
 public:
  explicit TControlActionLink(TControl* client) : client_(client) {}
  bool IsCaptionLinked() const;
  bool IsEnabledLinked() const;
  bool IsCheckedLinked() const;
  bool IsHintLinked() const;
  bool IsShortCutLinked() const;
  bool IsVisibleLinked() const;
  bool IsOnExecuteLinked() const;
  void SetCaption(const String& v) override;
  void SetEnabled(bool v) override;
  void SetChecked(bool v) override;
  void SetHint(const String& v) override;
  void SetShortCut(TShortCut v) override;
  void SetVisible(bool v) override;
  void SetOnExecute(const TNotifyEvent& v) override;

 protected:
  void ActionAssigned() override;
  TCustomAction* CustomAction() const;

 private:
  TControl* client_;
};
