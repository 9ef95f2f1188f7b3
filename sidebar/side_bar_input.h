#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/controls/control_types.h"
#include "platform/core/types.h"
#include "sidebar/sidebar_types.h"

class TCollectionItem;
class TnbSideBar;
class TnbSideBarDrag;
struct TMessage;

// A scroll box as the user meets it: where the layout put it, and whether the mouse has it
// hot or held down, or it cannot be used.
struct TnbScrollBox {
  enum State : uint8_t { Normal = 0, Pressed = 1, Hot = 2, Disabled = 3 };
  TRect Rect = kHiddenRect;
  uint8_t State = Normal;
};

// The bar's mouse, keys and wheel: what is hot under the mouse, which box or item is held,
// and what a release, a key, an accelerator or a wheel turn does. The bar owns it and its
// input overrides and messages forward to it; drags go on to the drag collaborator it owns.
// Painting reads its state through the const members.
class TnbSideBarInput {
 public:
  // The four scroll boxes keep the layout's numbers; the close box comes after them.
  enum BoxIndex { ColumnUp, ColumnDown, ListUp, ListDown, Close };
  explicit TnbSideBarInput(TnbSideBar& bar);
  ~TnbSideBarInput();
  TnbSideBarInput(const TnbSideBarInput&) = delete;
  TnbSideBarInput& operator=(const TnbSideBarInput&) = delete;

  // ---- what painting and the bar's callers read ----
  TnbHeader* HotHeader() const { return hotHeader_; }
  // The header whose body the mouse is over.
  TnbHeader* MouseHeader() const { return mouseHeader_; }
  TnbButton* HotButton() const { return hotButton_; }
  // Box `i` where the last layout pass put it, with its state now.
  TnbScrollBox Box(int i) const;
  uint8_t BoxState(int i) const { return boxStates_[i]; }
  TnbSideBarDrag& Drag() { return *drag_; }
  const TnbSideBarDrag& Drag() const { return *drag_; }

  // ---- input the bar forwards ----
  void MouseDown(TMouseButton button, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button);
  void KeyDown(uint16_t key);
  bool MouseWheel(TShiftState shift, int wheelDelta);
  // Mouse enter and leave, accelerators, presses and releases of the window, designer hit
  // tests and drags of the class library.
  void Message(TMessage& m);
  // Timers 1 to 4 (close bar, column scroll, header auto-change, button-list scroll); false
  // for the others.
  bool TimerTick(uintptr_t id);

  // ---- what the bar tells it ----
  // The layout pass ran: a box that cannot be used is shown disabled and loses what the mouse
  // did to it, and the column's down box that went away is no longer held.
  void BoxesPlaced();
  void SetBoxState(int i, uint8_t state) { boxStates_[i] = state; }
  // Nothing under the mouse is hot any more.
  void ResetTracking();
  // The content moved under a resting pointer (a wheel step, a key, a switch or slide, the
  // column or a button list scrolling): what is hot is found again where the pointer is.
  void ContentMoved();
  // An item leaves: no reference to it survives (only its address is compared).
  void ItemGone(TCollectionItem* item);
  // The bar is going: every item reference is dropped without touching the items.
  void ForgetItems();

 private:
  bool Editing() const;
  void Invalidate();
  void InvalidateButton(TnbButton* button);
  bool TrackBoxes(TPoint p);
  void TrackItems(TPoint p);
  // Hot boxes, else the hot header and button, at `p`.
  void Track(TPoint p);
  void SetHotButton(TnbButton* button);
  void SetHotHeader(TnbHeader* header);
  void ReleaseButton(TnbButton* button);
  void ClickButton(TnbButton* button, bool toggleCheck);
  void RadioGroup(TnbButton* button);
  void MouseCrossing(TMessage& m, bool entering);
  void DialogChar(TMessage& m);
  void DesignHitTest(TMessage& m);
  void LeftButtonDown(TMessage& m);
  void LeftButtonUp(TMessage& m);

  TnbSideBar& bar_;
  std::unique_ptr<TnbSideBarDrag> drag_;
  TnbHeader* hotHeader_ = nullptr;
  TnbHeader* mouseHeader_ = nullptr;
  TnbButton* hotButton_ = nullptr;
  bool inMouseMove_ = false;
  // Where the mouse last was over the bar, while it is.
  bool pointerInside_ = false;
  TPoint pointer_{};
  // The four scroll boxes' states, then the close box's.
  std::array<uint8_t, 5> boxStates_{};
};
