// Drag and drop between windows: drop targets, the drag loop and its effects.
#include "platform/windows/drag_drop.h"

#include <algorithm>
#include <map>
#include <utility>

#include "platform/windows/backend.h"
#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "platform/windows/message_loop.h"

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

bool IsInputMessage(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) ||
         (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

// The program goes on during the drag: timers tick (a held header opens, a held scroll box
// scrolls) and windows paint (the drop mark). The mouse and the keys belong to the drag and
// reach no window. A request to quit ends the drag and stays for the loop that waits for it.
bool PumpDuringDrag() {
  int exitCode = 0;
  if (PumpMessages([](MSG& m) { return IsInputMessage(m.message); }, &exitCode)) return true;
  PostQuitMessage(exitCode);
  return false;
}

}  // namespace

TDropTracker::TDropTracker(IDataObject* data, uint32_t okEffects) : data_(data), ok_(okEffects) {}

uint32_t TDropTracker::Track(uint32_t keyState, TPoint screen) {
  ForgetRevokedTarget();
  trackedAt_ = screen;
  IDropTarget* target = DropTargetAt(WindowFromPoint(screen));
  uint32_t effect = ok_;
  if (target != current_) {
    Leave();
    current_ = target;
    entered_ = current_ && SUCCEEDED(current_->DragEnter(data_, keyState, screen, effect));
  } else if (entered_ && FAILED(current_->DragOver(keyState, screen, effect))) {
    effect = DROPEFFECT_NONE;
  }
  effect_ = entered_ ? (effect & ok_) : DROPEFFECT_NONE;
  return effect_;
}

uint32_t TDropTracker::Drop(uint32_t keyState, TPoint screen) {
  if (trackedAt_ != screen) Track(keyState, screen);
  ForgetRevokedTarget();
  if (!entered_ || effect_ == DROPEFFECT_NONE) return Cancel();
  // The target chooses again from all the source allows, with the keys as they are now.
  uint32_t effect = ok_;
  IDropTarget* target = std::exchange(current_, nullptr);
  entered_ = false;
  return SUCCEEDED(target->Drop(data_, keyState, screen, effect)) ? effect & ok_ : DROPEFFECT_NONE;
}

uint32_t TDropTracker::Cancel() {
  ForgetRevokedTarget();
  Leave();
  return DROPEFFECT_NONE;
}

void TDropTracker::Leave() {
  IDropTarget* left = std::exchange(current_, nullptr);
  if (std::exchange(entered_, false)) left->DragLeave();
}

void TDropTracker::ForgetRevokedTarget() {
  if (current_ && !IsDropTargetRegistered(current_)) {
    current_ = nullptr;
    entered_ = false;
  }
}

HRESULT IDropSource::QueryContinueDrag(bool escapePressed, uint32_t keyState) {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
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

HRESULT TInProcessDragDrop::Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) {
  TDropTracker loop(data, okEffects);
  effect = DROPEFFECT_NONE;
  // The drag has the mouse from here on: the window that held it lets it go and is told, as
  // it never hears the release that ends the drag.
  if (GetCapture()) ReleaseCapture();
  for (;;) {
    if (!PumpDuringDrag()) {
      loop.Cancel();
      return DRAGDROP_S_CANCEL;
    }
    uint32_t keyState = CurrentMouseKeys();
    const HRESULT action = source->QueryContinueDrag(GetKeyState(VK_ESCAPE) < 0, keyState);
    if (action == DRAGDROP_S_CANCEL) {
      loop.Cancel();
      return DRAGDROP_S_CANCEL;
    }
    if (action == DRAGDROP_S_DROP) {
      effect = loop.Drop(keyState, GetCursorPos());
      return effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
    }
    HRESULT handedOver = DRAGDROP_S_CANCEL;
    if ((keyState & MK_LBUTTON) && !WindowFromPoint(GetCursorPos()) && HandOver(data, okEffects, effect, handedOver)) {
      loop.Cancel();
      return handedOver;
    }
    source->GiveFeedback(loop.Track(keyState, GetCursorPos()));
    // Nothing from the toolkit yet: wait a little rather than spin.
    Backend().ProcessEvents(5);
  }
}

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) {
  effect = DROPEFFECT_NONE;
  if (!data || !source) return E_INVALIDARG;
  return Service()->Run(data, source, okEffects, effect);
}

void SetDragDropService(std::unique_ptr<TDragDropService> service) {
  Service() = service ? std::move(service) : std::make_unique<TInProcessDragDrop>();
}
