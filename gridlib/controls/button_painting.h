#pragma once

#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

// What an edit button shows.
enum TButtonDrawStyleEx : int {
  bdsDropDownEx = 0,
  bdsEllipsisEx = 1,
  bdsUpDownEx = 2,
  bdsCheckBoxEx = 3,
  bdsPlusEx = 4,
  bdsMinusEx = 5,
};

// Paints an edit button (or a check box) into `rect` on `background`: raised, or sunken when
// pressed; flat buttons have no edges. A disabled button's glyph is grey. `checked` is the
// check box's state (0 unchecked, 1 checked, 2 greyed) and nothing else's.
void PaintButtonControlEx(HDC dc, TRect rect, TColor background, TButtonDrawStyleEx style, bool enabled,
                          bool flat, bool pressed, int checked);
