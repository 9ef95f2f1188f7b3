#pragma once

#include <vector>

#include "gridlib/controls/button_painting.h"
#include "platform/core/types.h"

class TCanvas;
class TColumnEx;
class TVisibleEditButtonEx;

// The kinds of the default edit button of a column's cell (GetColumnEditStyle).
enum TColumnEditStyleEx : int {
  cesNoneEx = 0, cesEllipsisEx = 1, cesPickListEx = 2, cesLookupEx = 3, cesCalendarEx = 4,
  cesUpDownEx = 5, cesDropDownEx = 6
};

// One button inside the in-place editor.
struct TInplaceEditButtonEx {
  TRect Rect;
  TButtonDrawStyleEx DrawStyle = bdsDropDownEx;
  // The column's default button has its edit style; an extra button has none and names its
  // item instead.
  TColumnEditStyleEx EditStyle = cesNoneEx;
  TVisibleEditButtonEx* Extra = nullptr;
};

// The edit buttons of a column inside the in-place editor: the default button of the
// column's edit style, then every visible button of its EditButtons, side by side at the
// right of the editor (at its left for right-to-left reading), as wide in total as the
// column's EditButtonsWidth.
class TInplaceEditButtonsEx {
 public:
  void Layout(TColumnEx* column, const TRect& client, bool flat, bool rightToLeft);
  void Clear() { buttons_.clear(); }
  const std::vector<TInplaceEditButtonEx>& Buttons() const { return buttons_; }
  int Count() const { return static_cast<int>(buttons_.size()); }
  // The button under a client point; -1 for none.
  int ButtonAt(TPoint p) const;
  // The default button's edit style; cesNoneEx without one.
  TColumnEditStyleEx DefaultStyle() const;
  // The part of the client the text keeps.
  TRect TextRect(const TRect& client) const;
  // Paints every button, button `pressed` sunken.
  void Paint(TCanvas* canvas, int pressed, bool enabled, bool flat) const;

 private:
  std::vector<TInplaceEditButtonEx> buttons_;
  int total_ = 0;
  bool rightToLeft_ = false;
};
