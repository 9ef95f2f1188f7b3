#pragma once

#include <array>

#include "platform/core/types.h"
#include "platform/windows/messages.h"

// What the frame a skinned form draws inside its form's client area depends on.
struct TskFormFrameInput {
  int ClientWidth = 0;   // the form's client area
  int ClientHeight = 0;
  int BorderWidth = 0;
  bool TitleBarShown = true;
  bool MDIChild = false;
  bool Sizeable = false;  // sizeable when it was skinned, and not maximized now
};

// The geometry of a skinned form's frame, in the form's client coordinates: where the skin's
// panel sits, the strips the border fills and the zones along the edges that size the form.
// The panel's placement, the border's painting and the sizing answers of the form and of its
// title bar all read it, so none of them can disagree with another.
class TskFormFrame {
 public:
  // Sizing zones reach this far into the form from each edge, however thin the border.
  static constexpr int kGripSize = 5;

  explicit TskFormFrame(const TskFormFrameInput& input) : in_(input) {}

  int BorderWidth() const { return in_.BorderWidth; }
  // Inside the border on the left, right and bottom; at the top edge under a shown title bar
  // (the bar is the top of the frame), else inside the border there too.
  TRect PanelRect() const;
  // The strips filled in the border colour, each as wide as the border: top, left, bottom,
  // right. A shown title bar covers the top one.
  std::array<TRect, 4> BorderStrips() const;
  // HTLEFT .. HTBOTTOMRIGHT for a point in a sizing zone, HTNOWHERE elsewhere and for a form
  // that does not size.
  LRESULT SizingHit(TPoint client) const;

 private:
  int EdgeInset() const;

  TskFormFrameInput in_;
};
