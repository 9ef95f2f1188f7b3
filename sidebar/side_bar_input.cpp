// The side bar's mouse, keys and wheel: what is hot, what is pressed, and what a release or a key does.
#include "sidebar/side_bar_input.h"

#include "platform/core/scope_guard.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "sidebar/handler_watch.h"
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_drag.h"

namespace {

TRect Grown(TRect r) {
  InflateRect(r, 1, 1);
  return r;
}

}  // namespace

TnbSideBarInput::TnbSideBarInput(TnbSideBar& bar) : bar_(bar), drag_(std::make_unique<TnbSideBarDrag>(bar, *this)) {}

TnbSideBarInput::~TnbSideBarInput() = default;

TnbScrollBox TnbSideBarInput::Box(int i) const {
  const TnbBarLayout& layout = *bar_.layout_;
  return {i == Close ? layout.CloseBox().Rect : layout.Box(i).Rect, boxStates_[i]};
}

bool TnbSideBarInput::Editing() const { return bar_.Editing(); }

void TnbSideBarInput::Invalidate() { bar_.Invalidate(); }

void TnbSideBarInput::InvalidateButton(TnbButton* button) { bar_.InvalidateRect(Grown(button->Rects().Button)); }

void TnbSideBarInput::BoxesPlaced() {
  const TnbBarLayout& layout = *bar_.layout_;
  for (int i : {ColumnUp, ColumnDown, ListUp, ListDown}) {
    uint8_t& state = boxStates_[i];
    if (!layout.Box(i).Enabled) state = TnbScrollBox::Disabled;
    else if (state == TnbScrollBox::Disabled) state = TnbScrollBox::Normal;
  }
  // A box that went away is no longer held, so its repeat timer stops at its next tick.
  if (layout.ColumnDownGone() && boxStates_[ColumnDown] == TnbScrollBox::Pressed)
    boxStates_[ColumnDown] = TnbScrollBox::Normal;
}

void TnbSideBarInput::MouseDown(TMouseButton button, int x, int y) {
  if (button != mbLeft || Editing()) return;
  bar_.layout_->Update();
  const TPoint p{x, y};
  // What is pressed is what lies under the press, even when the content moved since the
  // mouse last moved.
  pointer_ = p;
  pointerInside_ = true;
  if (!TrackBoxes(p)) TrackItems(p);
  if (nbHit(Box(Close).Rect, p)) {
    boxStates_[Close] = TnbScrollBox::Pressed;
    return Invalidate();
  }
  for (int i : {ColumnUp, ColumnDown, ListUp, ListDown}) {
    if (!nbHit(Box(i).Rect, p) || boxStates_[i] == TnbScrollBox::Disabled) continue;
    boxStates_[i] = TnbScrollBox::Pressed;
    if (i == ColumnUp || i == ColumnDown) bar_.StartTimer(2, bar_.AutoScrollDelay());
    return Invalidate();
  }
  if (hotHeader_ != nullptr && nbHit(hotHeader_->CaptionRect(), p)) {
    hotHeader_->SetCaptionState(hbsDown);
    return Invalidate();
  }
  if (hotButton_ != nullptr && hotButton_->Enabled()) {
    hotButton_->SetState(hbsDown);
    hotButton_->SetDown(true);
    InvalidateButton(hotButton_);
  }
}

bool TnbSideBarInput::TrackBoxes(TPoint p) {
  bool changed = false;
  for (int i : {ColumnUp, ColumnDown, ListUp, ListDown, Close}) {
    uint8_t& state = boxStates_[i];
    const bool over = nbHit(Box(i).Rect, p);
    if (over && state != TnbScrollBox::Hot && (i == Close || state == TnbScrollBox::Normal)) {
      state = TnbScrollBox::Hot;
      changed = true;
    } else if (!over && state == TnbScrollBox::Hot) {
      state = TnbScrollBox::Normal;
      changed = true;
    }
  }
  if (changed) Invalidate();
  return changed;
}

void TnbSideBarInput::TrackItems(TPoint p) {
  TnbHeader* hot = nullptr;
  TnbButton* button = nullptr;
  mouseHeader_ = nullptr;
  for (int i = 0; i < bar_.HeaderCount(); ++i) {
    TnbHeader* h = bar_.Header(i);
    if (!h->Visible()) continue;
    if (nbHit(h->CaptionRect(), p)) hot = h;
    if (!nbHit(h->BodyRect(), p)) continue;
    mouseHeader_ = h;
    for (int j = 0; j < h->ButtonCount(); ++j) {
      TnbButton* b = h->GetButton(j);
      if (button == nullptr && b->Visible() && nbHit(b->Rects().Button, p)) button = b;
      else if (b != hotButton_) b->SetState(hbsUp);
    }
    break;
  }
  SetHotButton(button);
  SetHotHeader(hot);
}

void TnbSideBarInput::SetHotButton(TnbButton* button) {
  if (button == hotButton_) return;
  if (hotButton_ != nullptr) {
    hotButton_->SetDown(false);
    hotButton_->SetState(hbsUp);
    InvalidateButton(hotButton_);
  }
  hotButton_ = button;
  if (button != nullptr) {
    button->SetState(hbsFocused);
    button->SetDown(false);
    InvalidateButton(button);
  }
  boxStates_[Close] = TnbScrollBox::Normal;
}

void TnbSideBarInput::SetHotHeader(TnbHeader* header) {
  if (header == hotHeader_) return;
  if (hotHeader_ != nullptr) hotHeader_->SetCaptionState(hbsUp);
  hotHeader_ = header;
  if (header != nullptr) header->SetCaptionState(hbsFocused);
  boxStates_[Close] = TnbScrollBox::Normal;
  Invalidate();
}

void TnbSideBarInput::MouseMove(TShiftState, int x, int y) {
  pointer_ = {x, y};
  pointerInside_ = true;
  if (drag_->MaybeStart({x, y}) || inMouseMove_ || Editing()) return;
  Track({x, y});
}

void TnbSideBarInput::Track(TPoint p) {
  auto guard = ScopedValue(inMouseMove_, true);
  bar_.layout_->Update();
  if (!TrackBoxes(p)) TrackItems(p);
}

void TnbSideBarInput::ContentMoved() {
  // A drag keeps its own account of the pointer; the mouse messages stop while it runs.
  if (!pointerInside_ || inMouseMove_ || Editing() || drag_->Pending() || drag_->DraggedButton() != nullptr) return;
  Track(pointer_);
}

void TnbSideBarInput::MouseUp(TMouseButton button) {
  bar_.StopTimer(2);
  if (button != mbLeft || Editing()) return;
  if (boxStates_[Close] == TnbScrollBox::Pressed) return bar_.StartTimer(1, 200);
  for (int i : {ColumnUp, ColumnDown, ListUp, ListDown}) {
    if (boxStates_[i] != TnbScrollBox::Pressed) continue;
    boxStates_[i] = TnbScrollBox::Normal;
    TnbHeader* active = bar_.ActiveHeader();
    if (i == ColumnUp) bar_.ScrollColumnUp();
    else if (i == ColumnDown) bar_.ScrollColumnDown();
    else if (active != nullptr) {
      if (i == ListUp) active->StepUp();
      else active->StepDown();
    }
    return Invalidate();
  }
  if (hotHeader_ == nullptr && hotButton_ != nullptr && hotButton_->State() == hbsDown)
    return ReleaseButton(hotButton_);
  if (hotHeader_ != nullptr && hotHeader_->CaptionState() == hbsDown) bar_.SetActiveHeader(hotHeader_);
}

void TnbSideBarInput::Message(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER: return MouseCrossing(m, true);
    case CM_MOUSELEAVE: return MouseCrossing(m, false);
    case CM_DIALOGCHAR: return DialogChar(m);
    case CM_DESIGNHITTEST: return DesignHitTest(m);
    case CM_DRAG: return drag_->LibraryDrag(m);
    case WM_LBUTTONDOWN: return LeftButtonDown(m);
    case WM_LBUTTONUP: return LeftButtonUp(m);
    default: bar_.Inherited(m);
  }
}

// In the form designer a left click switches, scrolls and steps as it would at run time, and
// every other mouse state tracks what is hot. The designer keeps the message for itself: the
// result stays 0.
void TnbSideBarInput::DesignHitTest(TMessage& m) {
  const TPoint p = LParamToPoint(m.LParam);
  bar_.layout_->Update();
  if (!(m.WParam & MK_LBUTTON)) return MouseMove(KeysToShiftState(static_cast<uint32_t>(m.WParam)), p.x, p.y);
  TnbHeader* active = bar_.ActiveHeader();
  if (hotHeader_ != nullptr && nbHit(hotHeader_->CaptionRect(), p)) return bar_.SetActiveHeader(hotHeader_);
  if (nbHit(Box(ColumnUp).Rect, p)) return bar_.ScrollColumnUp();
  if (nbHit(Box(ColumnDown).Rect, p)) return bar_.ScrollColumnDown();
  if (active == nullptr) return;
  if (nbHit(Box(ListUp).Rect, p)) active->StepUp();
  else if (nbHit(Box(ListDown).Rect, p)) active->StepDown();
}

void TnbSideBarInput::LeftButtonDown(TMessage& m) {
  // The press runs the program's mouse events, which may free the bar.
  TnbHandlerWatch watch(bar_);
  bar_.Inherited(m);
  if (!watch.BarKept()) return;
  const TShiftState shift = KeysToShiftState(static_cast<uint32_t>(m.WParam));
  if (!bar_.IsDesigning() && !bar_.Focused() && bar_.HandleAllocated() && bar_.Showing()) bar_.SetFocus();
  drag_->Prepare(LParamToPoint(m.LParam), shift);
}

void TnbSideBarInput::LeftButtonUp(TMessage& m) {
  // A release ends any pending drag before the click is handled.
  drag_->CancelPending();
  bar_.SetControlState(bar_.ControlState() - csLButtonDown);
  bar_.Inherited(m);
}

void TnbSideBarInput::RadioGroup(TnbButton* button) {
  TnbUpdateLock lock(&bar_);
  TnbHeader* header = button->Header();
  for (int i = 0; header != nullptr && i < header->ButtonCount(); ++i) {
    TnbButton* b = header->GetButton(i);
    // Only radio buttons form the group; check boxes beside them keep their state.
    if (b->ButtonKind() == bkRadioButton) b->SetChecked(false);
  }
  button->SetChecked(true);
}

void TnbSideBarInput::ReleaseButton(TnbButton* button) {
  button->SetDown(false);
  if (button->ButtonKind() == bkRadioButton) {
    RadioGroup(button);
  } else if (button->AllowGrayed()) {
    // Three states in turn: unchecked, checked, greyed, and back to unchecked.
    const TCheckBoxState next[] = {cbChecked, cbGrayed, cbUnchecked};
    button->SetCheckState(next[button->CheckState()]);
  } else {
    button->SetCheckState(button->CheckState() == cbChecked ? cbUnchecked : cbChecked);
  }
  button->SetState(hbsUp);
  if (TnbHeader* header = button->Header()) header->SetSelectedIndex(button->Index());
  InvalidateButton(button);
  // Last: the handler may delete the button, its header or the bar.
  button->Click();
}

void TnbSideBarInput::ResetTracking() {
  if (hotHeader_ != nullptr) hotHeader_->SetCaptionState(hbsUp);
  if (mouseHeader_ != nullptr) mouseHeader_->SetCaptionState(hbsUp);
  if (hotButton_ != nullptr) hotButton_->SetState(hbsUp);
  hotHeader_ = mouseHeader_ = nullptr;
  hotButton_ = nullptr;
  boxStates_[Close] = TnbScrollBox::Normal;
}

void TnbSideBarInput::MouseCrossing(TMessage& m, bool entering) {
  TnbHandlerWatch watch(bar_);
  bar_.Inherited(m);
  if (!watch.BarKept()) return;
  ResetTracking();
  pointerInside_ = false;
  if (entering && !bar_.IsDesigning() && !Editing() && bar_.Options().Contains(boFocusOnMouseEnter) &&
      !bar_.Focused() && bar_.HandleAllocated() && bar_.Showing())
    bar_.SetFocus();
  Invalidate();
}

void TnbSideBarInput::KeyDown(uint16_t key) {
  TnbHeader* active = bar_.ActiveHeader();
  const int count = bar_.HeaderCount();
  switch (key) {
    case VK_PRIOR: {
      // Without an active header the keys start from the end they point to.
      TnbHeader* last = count > 0 ? bar_.Header(count - 1) : nullptr;
      if (active == nullptr && last != nullptr && !last->Visible()) last = bar_.PreviousVisibleHeader(last);
      bar_.SetActiveHeader(active ? bar_.PreviousVisibleHeader(active) : last);
      break;
    }
    case VK_NEXT: {
      TnbHeader* first = count > 0 ? bar_.Header(0) : nullptr;
      if (active == nullptr && first != nullptr && !first->Visible()) first = bar_.NextVisibleHeader(first);
      bar_.SetActiveHeader(active ? bar_.NextVisibleHeader(active) : first);
      break;
    }
    case VK_END:
      if (count == 0) break;
      bar_.SetActiveHeader(bar_.Header(count - 1)->Visible() ? bar_.Header(count - 1)
                                                             : bar_.PreviousVisibleHeader(bar_.Header(count - 1)));
      break;
    case VK_HOME: bar_.SetActiveHeader(bar_.Header(0)); break;
    default: break;
  }
}

void TnbSideBarInput::ClickButton(TnbButton* button, bool toggleCheck) {
  if (button->Enabled()) {
    if (button->ButtonKind() == bkRadioButton) RadioGroup(button);
    else if (toggleCheck) button->SetCheckState(button->CheckState() == cbChecked ? cbUnchecked : cbChecked);
  }
  button->Click();
}

void TnbSideBarInput::DialogChar(TMessage& m) {
  if (!bar_.Settings()->KeySupport()) return bar_.Inherited(m);
  const auto key = static_cast<uint16_t>(m.WParam);
  for (int i = 0; i < bar_.HeaderCount(); ++i) {
    TnbHeader* h = bar_.Header(i);
    // What the user cannot see cannot be reached by its key: the character goes on.
    if (!h->Visible() || !h->Settings()->KeySupport()) continue;
    if (IsAccel(key, h->Caption())) {
      bar_.SetActiveHeader(h);
      m.Result = 1;
      return;
    }
    if (h != bar_.ActiveHeader()) continue;
    for (int j = 0; j < h->ButtonCount(); ++j) {
      TnbButton* b = h->GetButton(j);
      if (!b->Visible() || !IsAccel(key, b->Caption())) continue;
      m.Result = 1;
      const TnbButtonKind kind = b->ButtonKind();
      return ClickButton(b, kind == bkCheckBox || kind == bkPushButton);
    }
  }
  bar_.Inherited(m);
}

bool TnbSideBarInput::MouseWheel(TShiftState shift, int wheelDelta) {
  if (!shift.Empty()) return false;
  const int steps = wheelDelta / 120;
  if (bar_.CloseUpLayout()) {
    const int needed = steps < 1 ? ColumnDown : ColumnUp;
    bar_.layout_->Update();
    if (!nbShown(Box(needed).Rect)) return true;
    int& offset = bar_.scrollOffset_;
    offset = std::max(steps < 1 ? offset : 0, offset - bar_.ScrollChange() * steps);
    Invalidate();
    ContentMoved();
    return true;
  }
  TnbHeader* active = bar_.ActiveHeader();
  if (active == nullptr) return true;
  if (steps < 1 && active->CanStepDown()) active->StepDown();
  else if (steps >= 1 && active->CanStepUp()) active->StepUp();
  else return true;
  Invalidate();
  return true;
}

bool TnbSideBarInput::TimerTick(uintptr_t id) {
  switch (id) {
    case 1:
      bar_.StopTimer(1);
      boxStates_[Close] = TnbScrollBox::Normal;
      bar_.DoClose();
      return true;
    case 2:
      if (boxStates_[ColumnDown] == TnbScrollBox::Pressed) bar_.ScrollColumnDown();
      else if (boxStates_[ColumnUp] == TnbScrollBox::Pressed) bar_.ScrollColumnUp();
      else bar_.StopTimer(2);
      return true;
    case 3: drag_->AutoChangeTick(); return true;
    case 4:
      if (drag_->ListScrollTick()) Invalidate();
      return true;
    default: return false;
  }
}

void TnbSideBarInput::ItemGone(TCollectionItem* item) {
  for (TnbHeader** ref : {&hotHeader_, &mouseHeader_}) nbForget(*ref, item);
  nbForget(hotButton_, item);
  drag_->ItemGone(item);
}

void TnbSideBarInput::ForgetItems() {
  hotHeader_ = mouseHeader_ = nullptr;
  hotButton_ = nullptr;
  drag_->ForgetItems();
}
