#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/windows/clipboard.h"
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

class IDataObject {
 public:
  virtual ~IDataObject() = default;
  virtual bool GetData(TClipboardFormat format, TClipboardData& data) const = 0;
  virtual bool QueryGetData(TClipboardFormat format) const = 0;
  virtual std::vector<TClipboardFormat> Formats() const = 0;
};

// A data object held in memory.
class TDataObject : public IDataObject {
 public:
  void SetData(TClipboardFormat format, const TClipboardData& data);
  bool GetData(TClipboardFormat format, TClipboardData& data) const override;
  bool QueryGetData(TClipboardFormat format) const override;
  std::vector<TClipboardFormat> Formats() const override;

 private:
  TMemoryClipboard store_;
  std::vector<TClipboardFormat> formats_;
};

class IDropTarget {
 public:
  virtual ~IDropTarget() = default;
  // `effect` comes in as the effects the source allows and goes out as the one chosen.
  virtual void DragEnter(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) = 0;
  virtual void DragOver(uint32_t keyState, TPoint screen, uint32_t& effect) = 0;
  virtual void DragLeave() = 0;
  virtual void Drop(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) = 0;
};

enum TDragAction : uint8_t { daContinue, daDrop, daCancel };

class IDropSource {
 public:
  virtual ~IDropSource() = default;
  // Default rule: Escape cancels, releasing the left button drops.
  virtual TDragAction QueryContinueDrag(bool escapePressed, uint32_t keyState);
  // The effect the target would perform; a source may show it (the pointer shape).
  virtual void GiveFeedback(uint32_t) {}
};

bool RegisterDragDrop(HWND h, IDropTarget* target);
bool RevokeDragDrop(HWND h);
// The target registered for h or its nearest ancestor.
IDropTarget* DropTargetAt(HWND h);
// Whether a target is still registered for some window: one whose window was destroyed or
// revoked during a drag may already be freed and must not be told any more.
bool IsDropTargetRegistered(const IDropTarget* target);

enum TDragResult : uint8_t { DRAGDROP_S_DROP, DRAGDROP_S_CANCEL };

// Runs a drag until the source drops or cancels; `effect` gets what the target did.
TDragResult DoDragDrop(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect);

// How a drag is carried out: in this process (the default and what tests use), or through the
// toolkit when the backend installs a service that lets drops leave our windows.
class TDragDropService {
 public:
  virtual ~TDragDropService() = default;
  virtual TDragResult Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) = 0;
};

class TInProcessDragDrop : public TDragDropService {
 public:
  TDragResult Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect) override;

 protected:
  // Called while the pointer, button held, is over no window of ours: a service that can
  // carry the drag on outside (to another program) does so, sets `effect` and `result`, and
  // answers true. The in-process service keeps tracking.
  virtual bool HandOver(IDataObject*, uint32_t, uint32_t&, TDragResult&) { return false; }
};

void SetDragDropService(std::unique_ptr<TDragDropService> service);  // nullptr: in-process
