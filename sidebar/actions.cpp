#include "sidebar/actions.h"

#include <algorithm>

namespace nb {

TBasicAction::~TBasicAction() {
  for (TActionLinkBase* link : links_) link->action_ = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::RegisterLink(TActionLinkBase* link) {
  if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void TBasicAction::UnRegisterLink(TActionLinkBase* link) {
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

// Each client decides before the change whether it followed the old value.
template <typename F>
static void TellLinks(const std::vector<TActionLinkBase*>& links, F&& tell) {
  const std::vector<TActionLinkBase*> copy = links;
  for (TActionLinkBase* link : copy) tell(link);
}

void TCustomAction::SetCaption(const String& v) {
  if (v == caption_) return;
  TellLinks(links_, [&](TActionLinkBase* l) { l->CaptionChanging(v); });
  caption_ = v;
}

void TCustomAction::SetEnabled(bool v) {
  if (v == enabled_) return;
  TellLinks(links_, [&](TActionLinkBase* l) { l->EnabledChanging(v); });
  enabled_ = v;
}

void TCustomAction::SetHelpContext(int v) {
  if (v == helpContext_) return;
  TellLinks(links_, [&](TActionLinkBase* l) { l->HelpContextChanging(v); });
  helpContext_ = v;
}

void TCustomAction::SetHint(const String& v) {
  if (v == hint_) return;
  TellLinks(links_, [&](TActionLinkBase* l) { l->HintChanging(v); });
  hint_ = v;
}

void TCustomAction::SetImageIndex(int v) {
  if (v == imageIndex_) return;
  TellLinks(links_, [&](TActionLinkBase* l) { l->ImageIndexChanging(v); });
  imageIndex_ = v;
}

void TCustomAction::SetVisible(bool v) {
  if (v == visible_) return;
  TellLinks(links_, [&](TActionLinkBase* l) { l->VisibleChanging(v); });
  visible_ = v;
}

void TCustomAction::SetOnExecute(const TNotifyEvent& v) {
  TellLinks(links_, [&](TActionLinkBase* l) { l->OnExecuteChanging(v); });
  OnExecute = v;
}

TActionLinkBase::~TActionLinkBase() { SetAction(nullptr); }

void TActionLinkBase::SetAction(TBasicAction* action) {
  if (action_ == action) return;
  if (action_ != nullptr) action_->UnRegisterLink(this);
  action_ = action;
  if (action_ != nullptr) action_->RegisterLink(this);
}

}  // namespace nb
