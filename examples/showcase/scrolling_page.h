#pragma once

#include "examples/showcase/showcase_widgets.h"

// A page of the main window that scrolls when the window is smaller than what it holds: scroll
// bars come up in its frame, and its controls, aligned ones too, keep the room they need and
// move under the window's view.
class TShowcaseScrollingPage : public TShowcasePanel {
  DECLARE_CLASS(TShowcaseScrollingPage, TShowcasePanel)
 public:
  explicit TShowcaseScrollingPage(TComponent* owner);

  // How far the page is scrolled to the right and down.
  TPoint ScrollPosition() const { return position_; }

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void AdjustClientRect(TRect& rect) override;
  void Resize() override;
  void CreateWnd() override;

 private:
  void UpdateBars();
  void ScrollTo(TPoint position);
  void WMScroll(TMessage& m);
  void CMVisibleChanged(TMessage& m);

  TSize content_{0, 0};
  TPoint position_{0, 0};
  bool updatingBars_ = false;
};
