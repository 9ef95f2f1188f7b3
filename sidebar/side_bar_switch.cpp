// Switching the active header, with its slide.
#include "platform/controls/application.h"
#include "platform/core/scope_guard.h"
#include "sidebar/handler_watch.h"
#include "sidebar/header_slide.h"
#include "sidebar/side_bar.h"

// The switch of the active header, with its slide: the captions between the old and the new
// header move frame by frame until the new header's buttons fill the body.

bool TnbSideBar::SwitchAllowed(TnbHeader* header) {
  bool canChange = true;
  if (!IsDesigning()) {
    TnbHandlerWatch watch(*this, {header});
    DoCanChange(header, canChange);
    if (!watch.Kept()) return false;
  }
  if (header != nullptr && canChange)
    canChange = header->EffectiveEnabled() || options_.Contains(boChangeToDisabled);
  return IsDesigning() || canChange;
}

void TnbSideBar::SetActiveHeader(TnbHeader* header) {
  // The bar hears only of its own headers going away: a foreign one could not be let go of.
  if (header != nullptr && header->Collection() != headers_.get())
    RefuseForeign(header->Name(), header->Caption(), "the active header", "header");
  if (header != nullptr && !header->Visible() && !IsDesigning()) return;
  // A slide in progress finishes first; a second switch meanwhile is ignored.
  if (switching_) return;
  switchTarget_ = header;
  // The handlers may free the header or the bar, or start a switch of their own: then this
  // one has nothing left to do.
  TnbHandlerWatch watch(*this, {header});
  const auto goesOn = [&] { return watch.Kept() && switchTarget_ == header; };
  {
    TnbUpdateLock lock(this);
    if (!SwitchAllowed(header) || !goesOn()) return;
    const int oldIndex = ActiveIndex(), newIndex = header ? header->Index() : -1;
    if (!IsDesigning() && !ComponentState().Contains(csDestroying)) DoChange(oldIndex, newIndex);
    if (!goesOn()) return;
    if (CloseUpLayout()) {
      if (header != nullptr) header->SetOpened(!header->Opened());
      layoutReady_ = true;
    } else {
      animatingIndex_ = -1;
      if (header != nullptr && activeHeader_ != nullptr && header != activeHeader_ &&
          headerScrollType_ != stNone && headerScrollValue_ > 0) {
        Slide(activeHeader_, header);
        if (!goesOn()) return;
      }
    }
    if (!IsDesigning() && header != nullptr) header->OnChange.Call(header);
    if (!goesOn()) return;
    activeHeader_ = header;
    if (header != nullptr) header->SetCaptionState(hbsFocused);
  }
  input_->ContentMoved();
}

void TnbSideBar::PaintNow() {
  if (!HandleAllocated()) return;
  // The slide moved rectangles and changed caption states itself.
  layout_->Invalidate();
  TCustomControl::Invalidate();
  Update();
}

// Moves the captions between `from` and `to`, frame by frame.
void TnbSideBar::Slide(TnbHeader* from, TnbHeader* to) {
  TnbHandlerWatch watch(*this, {from, to});
  TnbHeaderSlide slide(*this, from, to);
  while (slide.Move()) {
    if (headerScrollValue_ < 10 && !IsDesigning() && Application != nullptr) {
      Application->ProcessMessages();
      // The bar or either header may have gone while messages ran.
      if (!watch.Kept() || switchTarget_ != to) return;
    }
    slide.Show();
  }
}
