// The layout of a skinned tab strip: where each tab stands.
#include "skin/tab_strip_layout.h"

#include <algorithm>

namespace {

constexpr int kCaptionMargin = 20;
constexpr int kEmptyTabWidth = 80;
constexpr int kMinTabWidth = 15;
// The last tab may reach this close to the strip's right edge when nothing is cut.
constexpr int kLastTabRightGap = 10;

int ClampFirstShown(int firstShown, int count) { return std::clamp(firstShown, 0, std::max(count - 1, 0)); }

}  // namespace

int TabNaturalWidth(int textWidth, bool emptyCaption) {
  return std::max(emptyCaption ? kEmptyTabWidth : textWidth + kCaptionMargin, kMinTabWidth);
}

int TskTabStripLayout::TabAt(int x) const {
  for (int i = FirstShown; i < static_cast<int>(Tabs.size()); ++i) {
    const TskTabSpan& tab = Tabs[static_cast<size_t>(i)];
    if (tab.Width < 0) return -1;
    if (tab.Drawn && tab.Left < x && x < tab.Left + tab.Width) return i;
  }
  return -1;
}

TskTabStripLayout LayOutTabStrip(const std::vector<int>& widths, int firstShown, const TskTabStripMetrics& metrics) {
  TskTabStripLayout layout;
  const int count = static_cast<int>(widths.size());
  layout.Tabs.resize(widths.size());
  layout.FirstShown = ClampFirstShown(firstShown, count);
  // Tabs stop short of the two scroll buttons. Only when nothing is scrolled off to the left,
  // so that no button is drawn, may the last tab use the room the buttons would take.
  const int buttonsLeft = metrics.Width - 2 * metrics.ButtonWidth - 2;
  const int lastLimit = layout.FirstShown == 0 ? metrics.Width - kLastTabRightGap : buttonsLeft;
  int x = metrics.LeftMargin;
  bool cut = false;
  for (int i = 0; i < count && !cut; ++i) {
    TskTabSpan& tab = layout.Tabs[static_cast<size_t>(i)];
    const int width = widths[static_cast<size_t>(i)];
    tab.Width = std::max(width, 0);
    if (width < 0 || i < layout.FirstShown) continue;
    tab.Left = x;
    tab.Drawn = true;
    const int limit = i == count - 1 ? lastLimit : buttonsLeft;
    if (x + width > limit) {
      tab.Cut = cut = true;
      tab.Width = std::max(buttonsLeft - x, 0);
      break;
    }
    x += width;
    layout.LastFullyDrawn = i;
  }
  layout.ButtonsShown = cut;
  return layout;
}

TskTabStripLayout LayOutTabStripShowing(const std::vector<int>& widths, int firstShown, int active,
                                        const TskTabStripMetrics& metrics) {
  const int count = static_cast<int>(widths.size());
  if (active < 0 || active >= count) return LayOutTabStrip(widths, firstShown, metrics);
  int first = std::min(ClampFirstShown(firstShown, count), active);
  TskTabStripLayout layout = LayOutTabStrip(widths, first, metrics);
  // Each step shows one tab less on the left; once the active tab is the first shown there is
  // nothing more to give, however narrow the strip.
  while (layout.LastFullyDrawn < active && first < active) layout = LayOutTabStrip(widths, ++first, metrics);
  return layout;
}
