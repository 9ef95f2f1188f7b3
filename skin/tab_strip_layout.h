#pragma once

#include <vector>

// Where the tabs of a skinned tab strip go: computed from the tabs' widths and the strip's
// size whenever one of them changes, and read by painting and by hit testing alike.

struct TskTabStripMetrics {
  int Width = 0;        // of the strip
  int LeftMargin = 10;  // x of the first shown tab
  int ButtonWidth = 0;  // of one scroll button
};

// One tab's place along the strip. A tab that is hidden, scrolled off to the left or beyond
// the one cut at the scroll buttons is not drawn; Width is -1 where the strip has not measured
// the tab (the tabs beyond a cut one), so hit testing stops there.
struct TskTabSpan {
  int Left = 0;
  int Width = -1;
  bool Drawn = false;
  bool Cut = false;  // ends at the scroll buttons, its caption left-aligned
};

struct TskTabStripLayout {
  std::vector<TskTabSpan> Tabs;
  int FirstShown = 0;
  int LastFullyDrawn = -1;
  bool ButtonsShown = false;  // a tab is cut: the forward button has somewhere to go

  // The drawn tab whose span holds x (edges excluded), searching from the first shown tab;
  // -1 for none.
  int TabAt(int x) const;
};

// The width a tab asks for: its caption's width and a margin, 80 for an empty caption, at
// least 15.
int TabNaturalWidth(int textWidth, bool emptyCaption);

// Lays the tabs out from `firstShown` on (clamped to the tabs). `widths` holds each tab's
// natural width, negative for a hidden tab.
TskTabStripLayout LayOutTabStrip(const std::vector<int>& widths, int firstShown,
                                 const TskTabStripMetrics& metrics);

// The same, scrolled so that tab `active` is shown whole where the strip is wide enough: back
// to it when it lies before the first shown tab, forward until it is drawn whole or is itself
// the first shown.
TskTabStripLayout LayOutTabStripShowing(const std::vector<int>& widths, int firstShown, int active,
                                        const TskTabStripMetrics& metrics);
