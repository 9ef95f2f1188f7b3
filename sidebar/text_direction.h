#pragma once

#include "platform/controls/control_types.h"
#include "platform/graphics/draw_text.h"

// Text flags of headers and buttons: alignment by TAlignment, mirrored for right-to-left
// reading.

// DT_LEFT, DT_RIGHT and DT_CENTER by taLeftJustify, taRightJustify and taCenter.
constexpr UINT kAlignFlags[3] = {DT_LEFT, DT_RIGHT, DT_CENTER};

// Right-to-left text exchanges left and right alignment and keeps centred text centred. The
// reading order itself stays left to right: that follows the system's locale, and ours is not
// a right-to-left one.
inline UINT nbBiDiFlags(UINT flags, TBiDiMode mode) {
  if (mode != bdRightToLeft || (flags & DT_CENTER)) return flags;
  return (flags & DT_RIGHT) ? flags & ~UINT{DT_RIGHT} : flags | DT_RIGHT;
}
