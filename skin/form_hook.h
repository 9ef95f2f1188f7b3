#pragma once

#include <memory>

#include "platform/controls/control.h"

class TskForm;

// The link between a form's window procedure and the skin that took it over. Every message
// goes to the procedure the skin replaced, then to the skin while the skin lives. A skin that
// goes while another procedure was installed over its own cannot take its procedure out of
// that chain; it detaches instead, and its procedure then only passes messages on.
class TskFormHook {
 public:
  TskFormHook(TskForm* skin, TWndMethod previous) : skin_(skin), previous_(std::move(previous)) {}
  void Handle(TMessage& m);
  void Detach() { skin_ = nullptr; }
  const TWndMethod& Previous() const { return previous_; }

 private:
  TskForm* skin_;
  TWndMethod previous_;
};

// What the form's WindowProc holds while the skin's procedure is installed; a copy shares the
// hook, so a procedure installed later keeps a working chain.
struct TskFormWindowProc {
  std::shared_ptr<TskFormHook> Hook;
  void operator()(TMessage& m) const {
    // The procedure may be replaced while it runs; the hook must outlive this call.
    std::shared_ptr<TskFormHook> keep = Hook;
    keep->Handle(m);
  }
};

// Installs the skin's procedure as the control's WindowProc; answers the hook.
std::shared_ptr<TskFormHook> HookWindowProc(TControl* control, TskForm* skin);
// Puts back the procedure the hook replaced when the control still holds the hook's own;
// otherwise leaves the chain alone. The hook is detached either way.
void UnhookWindowProc(TControl* control, const std::shared_ptr<TskFormHook>& hook);
