#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/controls/control_drag.h"
#include "platform/controls/control_types.h"
#include "platform/core/types.h"
#include "platform/windows/drag_drop.h"
#include "sidebar/sidebar_types.h"

class TCollectionItem;
class TnbDragDropManager;
class TnbSideBar;
class TnbSideBarInput;
struct TMessage;

// Buttons dragged out of the bar and drops onto it: the pending drag after a press, the
// dragged button, the drop target and its mark, the header a held drag opens, the scroll
// boxes a drag holds, and the window's drop registration. The input controller owns it; the
// bar's drag operations forward to it.
class TnbSideBarDrag {
 public:
  TnbSideBarDrag(TnbSideBar& bar, TnbSideBarInput& input);
  ~TnbSideBarDrag();
  TnbSideBarDrag(const TnbSideBarDrag&) = delete;
  TnbSideBarDrag& operator=(const TnbSideBarDrag&) = delete;

  TnbButton* DraggedButton() const { return draggedButton_; }
  TnbButton* DropTarget() const { return dropTarget_; }
  int DropPosition() const { return dropPosition_; }
  TnbDropMode DropMode() const { return dropMode_; }
  bool Accepted() const { return accepted_; }
  TnbHeader* AutoChangeCandidate() const { return autoChangeCandidate_; }
  bool Pending() const { return pending_; }
  uint32_t LiveId() const { return liveId_; }
  TnbDragDropManager* Manager() const { return manager_.get(); }

  // The button a drop at `p` would land at, with where: 1 before it, 2 after it, 3 after it
  // as the last one; nil for none.
  TnbButton* DropTargetAt(TPoint p, int& position) const;

  // ---- drops of data onto the bar ----
  HRESULT Enter(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen, uint32_t& effect);
  // What a drag over a client point shows, for drags of both kinds; answers the effect.
  void OverAt(TObject* source, TShiftState shift, TPoint p, TDragState state, uint32_t& effect);
  HRESULT Leave();
  HRESULT Drop(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen, uint32_t& effect);
  void AutoScrollBoxes(TPoint p);
  // A drag of the class library over the bar.
  void LibraryDrag(TMessage& m);

  // ---- a drag of the bar's own button ----
  // A press at `p` may start a drag once the mouse moves far enough.
  void Prepare(TPoint p, TShiftState shift);
  // Starts the pending drag when the mouse at `p` went far enough; whether it did.
  bool MaybeStart(TPoint p);
  // A release ends a pending drag.
  void CancelPending() { pending_ = false; }

  // ---- the bar's life and window ----
  void RegisterLive();
  void UnregisterLive();
  void WindowCreated();
  void WindowGone();
  // Registers or revokes the window as a drop target as the bar's options ask.
  void UpdateRegistration();
  // Timer 3: the held header opens or becomes the active one.
  void AutoChangeTick();
  // Timer 4: the held list box of the header a drag holds steps; false when it stopped.
  bool ListScrollTick();
  void ItemGone(TCollectionItem* item);
  void ForgetItems();

 private:
  void ClearDropTarget();
  // Scroll boxes a drag held pressed go back, and their timers stop.
  void EndDragScroll();
  void Start();
  bool InternalDrop(int position, uint32_t& effect, IDataObject* data, TnbSideBar* source);

  TnbSideBar& bar_;
  TnbSideBarInput& input_;
  TnbHeader* autoChangeCandidate_ = nullptr;
  TnbButton* draggedButton_ = nullptr;
  TnbButton* dropTarget_ = nullptr;
  int dropPosition_ = 1;
  // The client point the last drag over the bar was shown at, none since it entered.
  std::optional<TPoint> overAt_;
  TnbDropMode dropMode_ = dmNowhere;
  bool pending_ = false;
  bool accepted_ = false;
  bool registered_ = false;
  TPoint pressPoint_{};
  int threshold_ = 5;
  // The bar's number among the living bars of this process (drag data names it by it).
  uint32_t liveId_ = 0;
  // Shared with a running drag of the bar's button, which may outlive the bar.
  std::shared_ptr<TnbDragDropManager> manager_;
};
