#pragma once

#include <cstdint>
#include <vector>

#include "gridlib/controls/button_painting.h"
#include "platform/core/types.h"

class TColumnEx;
class TVisibleEditButtonEx;

// The kinds of the default edit button of a column's cell (GetColumnEditStyle).
enum TColumnEditStyleEx : int {
  cesNoneEx = 0, cesEllipsisEx = 1, cesPickListEx = 2, cesLookupEx = 3, cesCalendarEx = 4,
  cesUpDownEx = 5, cesDropDownEx = 6
};

// The kinds of buttons a cell may show.
enum TEditButtonStyleEx : uint8_t { ebsDropDownEx, ebsEllipsisEx, ebsGlyphEx, ebsUpDownEx, ebsPlusEx, ebsMinusEx };

// How the button painter draws a button of a style (a glyph button has no drawing of its own).
TButtonDrawStyleEx DrawStyleOf(TEditButtonStyleEx style);

// The size of edit buttons as the grid's layout sets it: the width of a button of the default
// width and the height of every button. In the flat look each button takes one pixel more.
struct TEditButtonSizeEx {
  int Width = 0;
  int Height = 0;
  bool Flat = false;
};

// The size of an edit button before the grid's layout scales it: as wide (and as high) as a
// scroll bar, or in the flat look as a flat button.
TEditButtonSizeEx BaseEditButtonSize(bool flat);

// One edit button of a cell.
struct TCellEditButtonEx {
  TRect Rect;
  TEditButtonStyleEx Style = ebsDropDownEx;
  // The column's default button has its edit style; an extra button has none and names its
  // item instead.
  TColumnEditStyleEx EditStyle = cesNoneEx;
  TVisibleEditButtonEx* Extra = nullptr;
};

// The edit buttons of a column's cell: the default button of the column's edit style, then
// every visible button of its EditButtons, side by side from the left of a strip that ends at
// the cell's right edge (or, `atLeft`, mirrored: the strip begins at the cell's left edge and
// the default button is its right-most). This one layout is what the cell shows, what a click
// on the cell hits, what the in-place editor over the cell offers, and what the cell's text
// gives up to them.
class TCellEditButtonsEx {
 public:
  TCellEditButtonsEx() = default;
  TCellEditButtonsEx(TColumnEx* column, const TRect& cell, const TEditButtonSizeEx& size, bool atLeft);

  const std::vector<TCellEditButtonEx>& Buttons() const { return buttons_; }
  int Count() const { return static_cast<int>(buttons_.size()); }
  // The width of the whole strip; 0 without buttons.
  int Width() const { return width_; }
  // The button under a point; -1 for none.
  int ButtonAt(TPoint p) const;
  // The default button's edit style; cesNoneEx without one.
  TColumnEditStyleEx DefaultStyle() const;
  // Whether the strip lies at the cell's left end.
  bool AtLeft() const { return atLeft_; }
  // What is left of `rect` (the cell or a part of it) for the text beside the strip.
  TRect TextRect(const TRect& rect) const;

 private:
  std::vector<TCellEditButtonEx> buttons_;
  int width_ = 0;
  bool atLeft_ = false;
};

// The width of the edit-button strip of `column`'s cells.
int EditButtonStripWidth(TColumnEx* column, const TEditButtonSizeEx& size);
