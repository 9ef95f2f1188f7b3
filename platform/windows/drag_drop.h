#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/windows/data_object.h"
#include "platform/windows/window_tree.h"

// Drag and drop between windows: a drop source starts a drag with a data object; drop targets
// registered for windows are told as the pointer enters, moves over, leaves and drops, with
// the key state (MK_* flags) and the effects the source allows; they answer the effect
// they would perform.
inline constexpr uint32_t DROPEFFECT_NONE = 0;
inline constexpr uint32_t DROPEFFECT_COPY = 1;
inline constexpr uint32_t DROPEFFECT_MOVE = 2;
inline constexpr uint32_t DROPEFFECT_LINK = 4;
inline constexpr uint32_t DROPEFFECT_SCROLL = 0x80000000;

inline constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
inline constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
inline constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;

// A target that fails DragEnter takes no part in the drag until the pointer reaches another
// target; a Drop that fails did nothing, whatever effect it wrote.
class IDropTarget {
 public:
  virtual ~IDropTarget() = default;
  // `effect` comes in as the effects the source allows and goes out as the one chosen.
  virtual HRESULT DragEnter(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) = 0;
  virtual HRESULT DragOver(uint32_t keyState, TPoint screen, uint32_t& effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) = 0;
};

class IDropSource {
 public:
  virtual ~IDropSource() = default;
  // S_OK goes on, DRAGDROP_S_DROP drops, DRAGDROP_S_CANCEL cancels. Default rule: Escape
  // cancels, releasing the left button drops.
  virtual HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState);
  // The effect the target would perform; a source may show it (the pointer shape), or answer
  // DRAGDROP_S_USEDEFAULTCURSORS.
  virtual HRESULT GiveFeedback(uint32_t) { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

bool RegisterDragDrop(HWND h, IDropTarget* target);
bool RevokeDragDrop(HWND h);
// The target registered for h or its nearest ancestor.
IDropTarget* DropTargetAt(HWND h);
// Whether a target is still registered for some window: one whose window was destroyed or
// revoked during a drag may already be freed and must not be told any more.
bool IsDropTargetRegistered(const IDropTarget* target);

// Follows a drag over our windows: the target under the pointer is told that the drag enters,
// moves over, leaves or drops on it. A target revoked meanwhile is not told any more.
class TDropTracker {
 public:
  TDropTracker(IDataObject* data, uint32_t okEffects);
  // The effect the target under `screen` offers now (none without a target).
  uint32_t Track(uint32_t keyState, TPoint screen);
  // Drops on the target under `screen` when it offers an effect; answers the effect it
  // performed. Where the drag was not tracked to `screen` (the pointer's moves merged, the
  // button went up elsewhere), it is first, so the release point decides where the drop goes.
  uint32_t Drop(uint32_t keyState, TPoint screen);
  // The drag left our windows or ended without a drop.
  uint32_t Cancel();

 private:
  void Leave();
  void ForgetRevokedTarget();
  IDataObject* data_;
  uint32_t ok_;
  IDropTarget* current_ = nullptr;
  // Whether the current target took the drag's entry; one that refused is not told more.
  bool entered_ = false;
  uint32_t effect_ = DROPEFFECT_NONE;
  // Where the drag was last tracked to, if anywhere.
  std::optional<TPoint> trackedAt_;
};

// Runs a drag until the source drops or cancels; `effect` gets what the target did. Answers
// DRAGDROP_S_DROP when a target took the drop, DRAGDROP_S_CANCEL otherwise, E_INVALIDARG
// without data or source.
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect);

// How a drag is carried out: in this process (the default and what tests use), or through the
// toolkit when the backend installs a service that lets drops leave our windows.
class TDragDropService {
 public:
  virtual ~TDragDropService() = default;
  virtual HRESULT Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) = 0;
};

class TInProcessDragDrop : public TDragDropService {
 public:
  HRESULT Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) override;

 protected:
  // Called while the pointer, button held, is over no window of ours: a service that can
  // carry the drag on outside (to another program) does so, sets `effect` and `result`, and
  // answers true. The in-process service keeps tracking.
  virtual bool HandOver(IDataObject*, uint32_t, uint32_t&, HRESULT&) { return false; }
};

void SetDragDropService(std::unique_ptr<TDragDropService> service);  // nullptr: in-process
