#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/core/events.h"
#include "platform/core/strings.h"

// The least of the class library's actions that a side-bar button links to: a command with
// OnExecute and the caption, state, hint and image its clients show. Kept in the side bar's
// own namespace until the platform's controls provide actions, so the two never collide.
namespace nb {

class TActionLinkBase;

class TBasicAction : public TComponent {
  DECLARE_CLASS(TBasicAction, TComponent)
 public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  ~TBasicAction() override;
  // Runs OnExecute; answers whether it was assigned.
  virtual bool Execute();
  TNotifyEvent OnExecute;
  // Links are told of every change and forget the action when it goes.
  void RegisterLink(TActionLinkBase* link);
  void UnRegisterLink(TActionLinkBase* link);

 protected:
  std::vector<TActionLinkBase*> links_;
};

class TCustomAction : public TBasicAction {
  DECLARE_CLASS(TCustomAction, TBasicAction)
 public:
  explicit TCustomAction(TComponent* owner) : TBasicAction(owner) {}
  const String& Caption() const { return caption_; }
  void SetCaption(const String& v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int v);
  const String& Hint() const { return hint_; }
  void SetHint(const String& v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void SetOnExecute(const TNotifyEvent& v);

 private:
  String caption_;
  bool enabled_ = true;
  int helpContext_ = 0;
  String hint_;
  int imageIndex_ = -1;
  bool visible_ = true;
};

// What an action tells its clients: one call per changed property, so a client updates only
// the properties that still follow the action.
class TActionLinkBase {
 public:
  virtual ~TActionLinkBase();
  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* action);
  virtual void CaptionChanging(const String&) {}
  virtual void EnabledChanging(bool) {}
  virtual void HelpContextChanging(int) {}
  virtual void HintChanging(const String&) {}
  virtual void ImageIndexChanging(int) {}
  virtual void VisibleChanging(bool) {}
  virtual void OnExecuteChanging(const TNotifyEvent&) {}
  bool Execute() { return action_ != nullptr && action_->Execute(); }

 private:
  friend class TBasicAction;
  TBasicAction* action_ = nullptr;
};

}  // namespace nb
