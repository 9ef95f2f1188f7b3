#pragma once

#include <string_view>

#include "platform/core/types.h"
#include "platform/graphics/gdi_handles.h"

// Formatted text in a rectangle (UTF-8; cut, wrapped and shortened on whole code points).
enum : UINT {
  DT_TOP = 0x0,
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_TABSTOP = 0x80,
  DT_NOCLIP = 0x100,
  DT_EXTERNALLEADING = 0x200,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_INTERNAL = 0x1000,
  DT_EDITCONTROL = 0x2000,
  DT_PATH_ELLIPSIS = 0x4000,
  DT_END_ELLIPSIS = 0x8000,
  DT_MODIFYSTRING = 0x10000,
  DT_RTLREADING = 0x20000,
  DT_WORD_ELLIPSIS = 0x40000,
  DT_NOFULLWIDTHCHARBREAK = 0x80000,
  DT_HIDEPREFIX = 0x100000,
  DT_PREFIXONLY = 0x200000,
};

struct DRAWTEXTPARAMS {
  UINT cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 0;    // in average character widths; 0 means 8
  int iLeftMargin = 0;   // pixels
  int iRightMargin = 0;  // pixels
  UINT uiLengthDrawn = 0;  // out: code points processed
};

// Draws `text` in `rect` and returns the height of the text drawn (0 on failure). With
// DT_CALCRECT draws nothing and sets rect's right (widest line, or the wrap width) and bottom
// to what drawing would cover, the right to the pixel the widest line's ink ends in. Lines break at "\n", "\r\n", and with DT_WORDBREAK at spaces
// or between any two ideographs; a single "&" underlines the next character (unless
// DT_NOPREFIX) and "&&" draws "&"; DT_END_ELLIPSIS shortens only the last visible line.
int DrawText(HDC dc, std::string_view text, TRect& rect, UINT format);
int DrawTextEx(HDC dc, std::string_view text, TRect& rect, UINT format, DRAWTEXTPARAMS* params);
