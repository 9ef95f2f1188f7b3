// The skinned form's hook into its form's window messages.
#include "skin/form_hook.h"

#include "skin/form.h"

void TskFormHook::Handle(TMessage& m) {
  // The skin may go while the previous procedure runs (a handler that frees it); it is asked
  // again afterwards. The hook itself stays alive as long as a procedure holds it.
  previous_(m);
  if (skin_ != nullptr) skin_->FormMessage(m);
}

std::shared_ptr<TskFormHook> HookWindowProc(TControl* control, TskForm* skin) {
  auto hook = std::make_shared<TskFormHook>(skin, control->WindowProc);
  control->WindowProc = TskFormWindowProc{hook};
  return hook;
}

void UnhookWindowProc(TControl* control, const std::shared_ptr<TskFormHook>& hook) {
  if (!hook) return;
  hook->Detach();
  const auto* installed = control->WindowProc.target<TskFormWindowProc>();
  if (installed != nullptr && installed->Hook == hook) control->WindowProc = hook->Previous();
}
