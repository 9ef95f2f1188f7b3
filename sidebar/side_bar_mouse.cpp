#include "platform/core/scope_guard.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "sidebar/side_bar.h"

// Mouse tracking, presses and releases, and the keyboard: what is hot, what is pressed, and
// what a release or a key does.

namespace {

TRect Grown(TRect r) {
  InflateRect(r, 1, 1);
  return r;
}

}  // namespace

void TnbSideBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || Editing()) return;
  layout_->Update();
  const TPoint p{x, y};
  if (nbHit(CloseBoxState().Rect, p)) {
    CloseBoxState().State = TnbScrollBox::Pressed;
    return Invalidate();
  }
  for (BoxIndex i : {ColumnUp, ColumnDown, ListUp, ListDown}) {
    if (!nbHit(Box(i).Rect, p) || Box(i).State == TnbScrollBox::Disabled) continue;
    Box(i).State = TnbScrollBox::Pressed;
    if (i == ColumnUp || i == ColumnDown) StartTimer(2, autoScrollDelay_);
    return Invalidate();
  }
  if (hotHeader_ != nullptr && nbHit(hotHeader_->CaptionRect(), p)) {
    hotHeader_->SetCaptionState(hbsDown);
    return Invalidate();
  }
  if (hotButton_ != nullptr && hotButton_->Enabled()) {
    hotButton_->SetState(hbsDown);
    hotButton_->SetDown(true);
    InvalidateRect(Grown(hotButton_->Rects().Button));
  }
}

bool TnbSideBar::TrackBoxes(TPoint p) {
  bool changed = false;
  for (TnbScrollBox* box : {&Box(ColumnUp), &Box(ColumnDown), &Box(ListUp), &Box(ListDown), &CloseBoxState()}) {
    const bool isClose = box == &CloseBoxState();
    const bool over = nbHit(box->Rect, p);
    if (over && box->State != TnbScrollBox::Hot && (isClose || box->State == TnbScrollBox::Normal)) {
      box->State = TnbScrollBox::Hot;
      changed = true;
    } else if (!over && box->State == TnbScrollBox::Hot) {
      box->State = TnbScrollBox::Normal;
      changed = true;
    }
  }
  if (changed) Invalidate();
  return changed;
}

void TnbSideBar::TrackItems(TPoint p) {
  TnbHeader* hot = nullptr;
  TnbButton* button = nullptr;
  mouseHeader_ = nullptr;
  for (int i = 0; i < HeaderCount(); ++i) {
    TnbHeader* h = Header(i);
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

void TnbSideBar::SetHotButton(TnbButton* button) {
  if (button == hotButton_) return;
  if (hotButton_ != nullptr) {
    hotButton_->SetDown(false);
    hotButton_->SetState(hbsUp);
    InvalidateRect(Grown(hotButton_->Rects().Button));
  }
  hotButton_ = button;
  if (button != nullptr) {
    button->SetState(hbsFocused);
    button->SetDown(false);
    InvalidateRect(Grown(button->Rects().Button));
  }
  CloseBoxState().State = TnbScrollBox::Normal;
}

void TnbSideBar::SetHotHeader(TnbHeader* header) {
  if (header == hotHeader_) return;
  if (hotHeader_ != nullptr) hotHeader_->SetCaptionState(hbsUp);
  hotHeader_ = header;
  if (header != nullptr) header->SetCaptionState(hbsFocused);
  CloseBoxState().State = TnbScrollBox::Normal;
  Invalidate();
}

void TnbSideBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (MaybeStartDrag({x, y}) || inMouseMove_ || Editing()) return;
  auto guard = ScopedValue(inMouseMove_, true);
  layout_->Update();
  if (!TrackBoxes({x, y})) TrackItems({x, y});
}

void TnbSideBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  StopTimer(2);
  if (button != mbLeft || Editing()) return;
  if (CloseBoxState().State == TnbScrollBox::Pressed) return StartTimer(1, 200);
  for (BoxIndex i : {ColumnUp, ColumnDown, ListUp, ListDown}) {
    if (Box(i).State != TnbScrollBox::Pressed) continue;
    Box(i).State = TnbScrollBox::Normal;
    if (i == ColumnUp) ScrollColumnUp();
    else if (i == ColumnDown) ScrollColumnDown();
    else if (activeHeader_ != nullptr) {
      if (i == ListUp) activeHeader_->StepUp();
      else activeHeader_->StepDown();
    }
    return Invalidate();
  }
  if (hotHeader_ == nullptr && hotButton_ != nullptr && hotButton_->State() == hbsDown)
    return ReleaseButton(hotButton_);
  if (hotHeader_ != nullptr && hotHeader_->CaptionState() == hbsDown) SetActiveHeader(hotHeader_);
}

// In the form designer a left click switches, scrolls and steps as it would at run time, and
// every other mouse state tracks what is hot. The designer keeps the message for itself: the
// result stays 0.
void TnbSideBar::CMDesignHitTest(TMessage& m) {
  const TPoint p = LParamToPoint(m.LParam);
  layout_->Update();
  if (!(m.WParam & MK_LBUTTON)) return MouseMove(KeysToShiftState(static_cast<uint32_t>(m.WParam)), p.x, p.y);
  if (hotHeader_ != nullptr && nbHit(hotHeader_->CaptionRect(), p)) return SetActiveHeader(hotHeader_);
  if (nbHit(Box(ColumnUp).Rect, p)) return ScrollColumnUp();
  if (nbHit(Box(ColumnDown).Rect, p)) return ScrollColumnDown();
  if (activeHeader_ == nullptr) return;
  if (nbHit(Box(ListUp).Rect, p)) activeHeader_->StepUp();
  else if (nbHit(Box(ListDown).Rect, p)) activeHeader_->StepDown();
}

void TnbSideBar::RadioGroup(TnbButton* button) {
  TnbUpdateLock lock(this);
  TnbHeader* header = button->Header();
  for (int i = 0; header != nullptr && i < header->ButtonCount(); ++i) {
    TnbButton* b = header->GetButton(i);
    // Only radio buttons form the group; check boxes beside them keep their state.
    if (b->ButtonKind() == bkRadioButton) b->SetChecked(false);
  }
  button->SetChecked(true);
}

void TnbSideBar::ReleaseButton(TnbButton* button) {
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
  InvalidateRect(Grown(button->Rects().Button));
  // Last: the handler may delete the button, its header or the bar.
  button->Click();
}

void TnbSideBar::ResetTracking() {
  if (hotHeader_ != nullptr) hotHeader_->SetCaptionState(hbsUp);
  if (mouseHeader_ != nullptr) mouseHeader_->SetCaptionState(hbsUp);
  if (hotButton_ != nullptr) hotButton_->SetState(hbsUp);
  hotHeader_ = mouseHeader_ = nullptr;
  hotButton_ = nullptr;
  CloseBoxState().State = TnbScrollBox::Normal;
}

void TnbSideBar::CMMouseEnter(TMessage& m) {
  Inherited(m);
  ResetTracking();
  if (!IsDesigning() && !Editing() && options_.Contains(boFocusOnMouseEnter) && !Focused() && HandleAllocated() &&
      Showing())
    SetFocus();
  Invalidate();
}

void TnbSideBar::CMMouseLeave(TMessage& m) {
  Inherited(m);
  ResetTracking();
  Invalidate();
}

void TnbSideBar::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  TnbHeader* active = activeHeader_;
  switch (key) {
    case VK_PRIOR: {
      // Without an active header the keys start from the end they point to.
      TnbHeader* last = HeaderCount() > 0 ? Header(HeaderCount() - 1) : nullptr;
      if (active == nullptr && last != nullptr && !last->Visible()) last = PreviousVisibleHeader(last);
      SetActiveHeader(active ? PreviousVisibleHeader(active) : last);
      break;
    }
    case VK_NEXT: {
      TnbHeader* first = HeaderCount() > 0 ? Header(0) : nullptr;
      if (active == nullptr && first != nullptr && !first->Visible()) first = NextVisibleHeader(first);
      SetActiveHeader(active ? NextVisibleHeader(active) : first);
      break;
    }
    case VK_END:
      if (HeaderCount() == 0) break;
      SetActiveHeader(Header(HeaderCount() - 1)->Visible() ? Header(HeaderCount() - 1)
                                                           : PreviousVisibleHeader(Header(HeaderCount() - 1)));
      break;
    case VK_HOME: SetActiveHeader(Header(0)); break;
    default: break;
  }
}

void TnbSideBar::ClickButton(TnbButton* button, bool toggleCheck) {
  if (button->Enabled()) {
    if (button->ButtonKind() == bkRadioButton) RadioGroup(button);
    else if (toggleCheck) button->SetCheckState(button->CheckState() == cbChecked ? cbUnchecked : cbChecked);
  }
  button->Click();
}

void TnbSideBar::CMDialogChar(TMessage& m) {
  if (!settings_->KeySupport()) return Inherited(m);
  const auto key = static_cast<uint16_t>(m.WParam);
  for (int i = 0; i < HeaderCount(); ++i) {
    TnbHeader* h = Header(i);
    if (!h->Settings()->KeySupport()) continue;
    if (IsAccel(key, h->Caption())) {
      SetActiveHeader(h);
      m.Result = 1;
      return;
    }
    if (h != activeHeader_) continue;
    for (int j = 0; j < h->ButtonCount(); ++j) {
      TnbButton* b = h->GetButton(j);
      if (!IsAccel(key, b->Caption())) continue;
      m.Result = 1;
      const TnbButtonKind kind = b->ButtonKind();
      return ClickButton(b, kind == bkCheckBox || kind == bkPushButton);
    }
  }
  Inherited(m);
}
