#pragma once

#include <functional>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "skin/title_bar_items.h"

// Where a title bar puts its buttons, the program icon and the caption, computed from the
// bar's width, its settings and the sizes of the buttons' normal pictures. Painting and hit
// testing both read it.
struct TskTitleBarButtonPlace {
  int Index = -1;  // in the bar's Buttons
  TRect Rect;
};

struct TskTitleBarLayout {
  // The buttons from the right end leftwards, in collection order, then the control box (or
  // the program icon standing in for it).
  std::vector<TskTitleBarButtonPlace> Buttons;
  bool AppIcon = false;         // the control box shows the program icon
  int CaptionLeft = 0;
  int CaptionRight = 0;         // the caption's room ends here
  // The button at a point (edges inclusive; where two touch, the later one in Buttons wins),
  // -1 for none.
  int ButtonAt(TPoint p) const;
};

struct TskTitleBarLayoutInput {
  int BarWidth = 0;
  int LeftBtnXOffset = 0;
  int RightBtnXOffset = 0;
  int ButtonInterval = 0;
  bool DrawAppIcon = false;
};

// The program icon is drawn 16 x 16, 3 pixels into the control box's place.
constexpr int kTitleBarIconSize = 16;

TskTitleBarLayout LayoutTitleBar(const TskTitleBarLayoutInput& input,
                                 const TskTitleBarButtons& buttons);

// The caption as it fits into `room` pixels: whole, or cut between whole characters with
// "..." appended; "..." alone when not even one character fits. `width` measures a text.
String FitCaption(const String& caption, int room, const std::function<int(const String&)>& width);
