#include "platform/windows/drag_drop.h"

#include <algorithm>
#include <map>

#include "platform/windows/backend.h"
#include "platform/windows/keys.h"

namespace {

std::map<HWND, IDropTarget*>& Targets() {
  static std::map<HWND, IDropTarget*> targets;
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    AddWindowDestroyHook([](HWND h) { targets.erase(h); });
  }
  return targets;
}

std::unique_ptr<TDragDropService>& Service() {
  static std::unique_ptr<TDragDropService> service = std::make_unique<TInProcessDragDrop>();
  return service;
}

// Mouse messages the pointer produced during the drag belong to the drag, not to windows.
void SwallowMouseMessages() {
  MSG m;
  while (PeekMessage(m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
}

class TDragLoop {
 public:
  TDragLoop(IDataObject* data, uint32_t okEffects) : data_(data), ok_(okEffects) {}

  // Tells targets where the pointer is now; answers the effect the current target offers.
  uint32_t Track(uint32_t keyState) {
    ForgetRevokedTarget();
    TPoint pos = GetCursorPos();
    IDropTarget* target = DropTargetAt(WindowFromPoint(pos));
    uint32_t effect = ok_;
    if (target != current_) {
      if (current_) current_->DragLeave();
      current_ = target;
      if (current_) current_->DragEnter(data_, keyState, pos, effect);
    } else if (current_) {
      current_->DragOver(keyState, pos, effect);
    }
    effect_ = current_ ? (effect & ok_) : DROPEFFECT_NONE;
    return effect_;
  }

  uint32_t Drop(uint32_t keyState) {
    ForgetRevokedTarget();
    if (!current_ || effect_ == DROPEFFECT_NONE) return Cancel();
    uint32_t effect = effect_;
    current_->Drop(data_, keyState, GetCursorPos(), effect);
    current_ = nullptr;
    return effect & ok_;
  }

  uint32_t Cancel() {
    ForgetRevokedTarget();
    if (current_) current_->DragLeave();
    current_ = nullptr;
    return DROPEFFECT_NONE;
  }

 private:
  void ForgetRevokedTarget() {
    if (current_ && !IsDropTargetRegistered(current_)) current_ = nullptr;
  }

  IDataObject* data_;
  uint32_t ok_;
  IDropTarget* current_ = nullptr;
  uint32_t effect_ = DROPEFFECT_NONE;
};

}  // namespace

void TDataObject::SetData(TClipboardFormat format, const TClipboardData& data) {
  if (!store_.HasData(format)) formats_.push_back(format);
  store_.SetData(format, data);
}

bool TDataObject::GetData(TClipboardFormat format, TClipboardData& data) const { return store_.GetData(format, data); }
bool TDataObject::QueryGetData(TClipboardFormat format) const { return store_.HasData(format); }
std::vector<TClipboardFormat> TDataObject::Formats() const { return formats_; }

TDragAction IDropSource::QueryContinueDrag(bool escapePressed, uint32_t keyState) {
  if (escapePressed) return daCancel;
  return (keyState & MK_LBUTTON) ? daContinue : daDrop;
}

bool RegisterDragDrop(HWND h, IDropTarget* target) {
  if (!IsWindow(h) || !target || Targets().count(h)) return false;
  Targets()[h] = target;
  return true;
}

bool RevokeDragDrop(HWND h) { return Targets().erase(h) > 0; }

IDropTarget* DropTargetAt(HWND h) {
  for (; h; h = (GetWindowLong(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr) {
    auto it = Targets().find(h);
    if (it != Targets().end()) return it->second;
  }
  return nullptr;
}

bool IsDropTargetRegistered(const IDropTarget* target) {
  const auto& targets = Targets();
  return target != nullptr &&
         std::any_of(targets.begin(), targets.end(), [target](const auto& entry) { return entry.second == target; });
}

TDragResult TInProcessDragDrop::Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) {
  TDragLoop loop(data, okEffects);
  effect = DROPEFFECT_NONE;
  for (;;) {
    Backend().ProcessEvents(0);
    SwallowMouseMessages();
    uint32_t keyState = CurrentMouseKeys();
    TDragAction action = source->QueryContinueDrag(GetKeyState(VK_ESCAPE) < 0, keyState);
    if (action == daCancel) {
      loop.Cancel();
      return DRAGDROP_S_CANCEL;
    }
    if (action == daDrop) {
      effect = loop.Drop(keyState);
      return effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
    }
    TDragResult handedOver = DRAGDROP_S_CANCEL;
    if ((keyState & MK_LBUTTON) && !WindowFromPoint(GetCursorPos()) && HandOver(data, okEffects, effect, handedOver)) {
      loop.Cancel();
      return handedOver;
    }
    source->GiveFeedback(loop.Track(keyState));
    // Nothing from the toolkit yet: wait a little rather than spin.
    Backend().ProcessEvents(5);
  }
}

TDragResult DoDragDrop(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) {
  effect = DROPEFFECT_NONE;
  if (!data || !source) return DRAGDROP_S_CANCEL;
  return Service()->Run(data, source, okEffects, effect);
}

void SetDragDropService(std::unique_ptr<TDragDropService> service) {
  Service() = service ? std::move(service) : std::make_unique<TInProcessDragDrop>();
}
