#include "tests/sidebar/scripted_drag.h"

#include "platform/windows/input.h"
#include "platform/windows/keys.h"

namespace {

class TPathWalker : public IDropSource {
 public:
  TPathWalker(IDropSource* real, TScriptedDrag& script) : real_(real), script_(script) {}

  HRESULT QueryContinueDrag(bool escapePressed, uint32_t) override {
    if (step_ > 0 && step_ <= script_.path.size() && script_.onStep) script_.onStep(step_ - 1);
    if (step_ < script_.path.size()) InjectMouseMove(script_.path[step_]);
    else if (step_ == script_.path.size() && !script_.path.empty()) InjectMouseButton(mbLeft, false, script_.path.back());
    ++step_;
    return real_->QueryContinueDrag(escapePressed, CurrentMouseKeys());
  }
  HRESULT GiveFeedback(uint32_t effect) override { return real_->GiveFeedback(effect); }

 private:
  IDropSource* real_;
  TScriptedDrag& script_;
  size_t step_ = 0;
};

}  // namespace

HRESULT TScriptedDrag::Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& performed) {
  TPathWalker walker(source, *this);
  result = TInProcessDragDrop::Run(data, &walker, okEffects, performed);
  effect = performed;
  return result;
}
