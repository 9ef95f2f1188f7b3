#include "platform/controls/application.h"
#include "platform/core/scope_guard.h"
#include "sidebar/side_bar.h"

// The switch of the active header, with its slide: the captions between the old and the new
// header move frame by frame until the new header's buttons fill the body.

bool TnbSideBar::SwitchAllowed(TnbHeader* header) {
  bool canChange = true;
  if (!IsDesigning()) DoCanChange(header, canChange);
  if (header != nullptr && canChange)
    canChange = header->EffectiveEnabled() || options_.Contains(boChangeToDisabled);
  return IsDesigning() || canChange;
}

void TnbSideBar::SetActiveHeader(TnbHeader* header) {
  if (header != nullptr && !header->Visible() && !IsDesigning()) return;
  // A slide in progress finishes first; a second switch meanwhile is ignored.
  if (switching_) return;
  const std::shared_ptr<bool> alive = alive_;
  switchTarget_ = header;
  {
    TnbUpdateLock lock(this);
    if (!SwitchAllowed(header) || switchTarget_ != header) return;
    const int oldIndex = ActiveIndex(), newIndex = header ? header->Index() : -1;
    if (!IsDesigning() && !ComponentState().Contains(csDestroying)) DoChange(oldIndex, newIndex);
    // The handlers may have deleted the header: then there is nothing to switch to.
    if (switchTarget_ != header) return;
    if (CloseUpLayout()) {
      if (header != nullptr) header->SetOpened(!header->Opened());
      layoutReady_ = true;
    } else {
      animatingIndex_ = -1;
      if (header != nullptr && activeHeader_ != nullptr && header != activeHeader_ &&
          headerScrollType_ != stNone && headerScrollValue_ > 0) {
        Slide(activeHeader_, header);
        if (!*alive) return;
        if (switchTarget_ != header) return;
      }
    }
    if (!IsDesigning() && header != nullptr) header->OnChange.Call(header);
    if (switchTarget_ != header) return;
    activeHeader_ = header;
    if (header != nullptr) header->SetCaptionState(hbsFocused);
  }
}

void TnbSideBar::PaintNow() {
  if (!HandleAllocated()) return;
  TCustomControl::Invalidate();
  Update();
}

// Moves the captions between `from` and `to`, frame by frame.
void TnbSideBar::Slide(TnbHeader* from, TnbHeader* to) {
  const std::shared_ptr<bool> alive = alive_;
  ScopeGuard settle([this, alive] {
    if (!*alive) return;
    animatingIndex_ = -1;
    layoutReady_ = true;
    updating_ = updateCount_ > 0;
    switching_ = false;
  });
  switching_ = true;
  slideFrom_ = from;
  updating_ = false;
  layoutReady_ = false;
  PaintNow();
  to->SetCaptionState(hbsFocused);
  PaintNow();
  const int v = headerScrollValue_;
  const int frames = from->BodyRect().Height() / v + 1;
  const int oldIndex = from->Index(), newIndex = to->Index();
  const bool upwards = newIndex < oldIndex;
  if (upwards) {
    TRect& body = to->MutableBodyRect();
    body = Rect(to->CaptionRect().Left, to->CaptionRect().Bottom, from->BodyRect().Right, to->CaptionRect().Bottom);
  }
  animatingIndex_ = newIndex;
  int k = 1;
  for (int frame = 0; frame < frames; ++frame) {
    const int step = v * k;
    const int lo = std::min(oldIndex, newIndex), hi = std::max(oldIndex, newIndex);
    for (int i = lo + 1; i < hi; ++i) OffsetRect(Header(i)->MutableCaptionRect(), 0, upwards ? step : -step);
    if (upwards) {
      to->MutableBodyRect().Bottom += step;
      OffsetRect(from->MutableCaptionRect(), 0, step);
      from->MutableBodyRect().Top += step;
    } else {
      OffsetRect(to->MutableCaptionRect(), 0, -step);
      OffsetRect(to->MutableBodyRect(), 0, -step);
      from->MutableBodyRect().Bottom -= step;
      TnbHeader* first = Header(NextVisibleIndex(oldIndex));
      if (first == nullptr) first = to;
      if (first->CaptionRect().Top <= from->CaptionRect().Bottom + 1) break;
    }
    if (v < 10 && !IsDesigning() && Application != nullptr) {
      Application->ProcessMessages();
      // The bar or either header may have gone while messages ran.
      if (!*alive || slideFrom_ != from || switchTarget_ != to) return;
    }
    if (headerScrollType_ == stAccelerated) ++k;
    if (upwards && from->BodyRect().Bottom < from->CaptionRect().Bottom) break;
    PaintNow();
  }
}
