#pragma once

#include "platform/controls/control_types.h"
#include "skin/attached_scroll_bars.h"
#include "skin/bordered_control.h"
#include "skin/style_propagation.h"

class TskScrollBar;

// A bordered list, memo or tree with skinned scroll bars standing over its native ones
// (VScrollBar, HScrollBar): they wear the control's style and theme, are placed along its
// edges when it moves or sizes, and follow its scrolling, as its scrolling follows them.
template <class Base>
class TskScrolled : public TskBordered<Base> {
 public:
  static constexpr int kBorderWidth = 2;

  TskScrolled(TComponent* owner, TskAttachedScrollBars::TManner manner)
      : TskBordered<Base>(owner, kBorderWidth), bars_(this, manner) {
    this->SetBorderStyle(bsNone);
    this->SetUIStyle(GetOwnerFormUIStyle(owner));
  }

  TskScrollBar* VScrollBar() const { return bars_.Bar(SB_VERT); }
  void SetVScrollBar(TskScrollBar* value) { Attach(SB_VERT, value); }
  TskScrollBar* HScrollBar() const { return bars_.Bar(SB_HORZ); }
  void SetHScrollBar(TskScrollBar* value) { Attach(SB_HORZ, value); }

 protected:
  template <class B>
  static void PublishScrolled(TPublisher<B>& p, bool horizontal) {
    p.Property("BorderStyle", &B::BorderStyle, &B::SetBorderStyle).Default(bsNone);
    TskBordered<Base>::PublishBorder(p);
    p.Property("VScrollBar", &B::VScrollBar, &B::SetVScrollBar);
    if (horizontal) p.Property("HScrollBar", &B::HScrollBar, &B::SetHScrollBar);
  }

  // A bar was attached (`bar` set) or let go (nullptr).
  virtual void BarsChanged(int /*kind*/, TskScrollBar* /*bar*/) {}
  // Messages after which the bars take the native bars' state again, beside those every such
  // control has (TskAttachedScrollBars::Follow).
  virtual bool SynchronisesAfter(UINT /*msg*/) const { return false; }
  // Places the bars along the control and synchronises them.
  virtual void PlaceBars() {
    bars_.Place(false);
    bars_.Synchronise();
  }

  void UIStyleChanged() override { bars_.ApplyStyle(this->Theme().EffectiveStyle(), this->FileTheme()); }
  void ScrollInfoChanged() override { bars_.Synchronise(); }

  void Notification(TComponent* component, TOperation operation) override {
    TskBordered<Base>::Notification(component, operation);
    if (operation == opRemove && bars_.Forget(component)) BarsChanged(SB_BOTH, nullptr);
  }

  void WndProc(TMessage& m) override {
    TskBordered<Base>::WndProc(m);
    if (bars_.Follow(m.Msg)) PlaceBars();
    else if (SynchronisesAfter(m.Msg)) bars_.Synchronise();
  }

  TskAttachedScrollBars& Bars() { return bars_; }

 private:
  void Attach(int kind, TskScrollBar* bar) {
    if (!bars_.Attach(kind, bar)) return;
    BarsChanged(kind, bar);
    if (bar == nullptr) return;
    UIStyleChanged();
    PlaceBars();
  }

  TskAttachedScrollBars bars_;
};
